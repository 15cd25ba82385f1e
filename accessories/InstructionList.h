// The text of the help window's instruction list: every instruction of the 8085 with its flag
// class, explanation and operation in fixed-width columns, then the legends and a table of the
// printable ASCII characters. The rows are generated from the instruction table and a description
// of each instruction, so that the list shows every instruction the checker accepts, in the forms
// it accepts, and the column rules hold for every row.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

namespace kwarcyt {

struct InstructionRow {
  QString instruction;  // mnemonic with its operand pattern: "MOV A,B", "ACI [v]", "CZ"
  QChar flagClass;      // A, B, C, D, E or N, as explained by the flag legend
  QString explanation;  // conditional rows give only the condition: "...jeśli zero"
  QString operation;    // empty when the row shows none
};

using InstructionGroup = std::vector<InstructionRow>;

// Columns of a row: instruction from 0, flag class at 12, explanation from 16, operation from 51.
inline constexpr int kFlagColumn = 12;
inline constexpr int kExplanationColumn = 16;
inline constexpr int kOperationColumn = 51;

// The 47 groups in the order of the list.
std::vector<InstructionGroup> InstructionGroups();

// One row in its columns, without trailing spaces.
QString FormatInstructionRow(const InstructionRow& row);

// Rows "   0" .. "   F" of the character table, under the header "    H 2 3 4 5 6 7".
QStringList CharacterTableRows();

// The whole text, one element per line.
QStringList InstructionListLines();

}  // namespace kwarcyt
