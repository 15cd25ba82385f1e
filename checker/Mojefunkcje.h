// The lexicon of the source language: line normalisation, the division of a line into a
// mnemonic and operands, the mnemonic look-up, label names, number literals, and the formatters
// shared by the checker, the interpreter, the views and the value entry dialog.
//
// Texts are UTF-8. Every rule here looks only at ASCII bytes, so a character outside ASCII is
// carried through untouched and can never form a label name, a mnemonic or a usable literal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kwarcyt {

// The position of the word's row in the instruction table, or -1 when the word is no mnemonic.
int FindMnemonic(std::string_view word);

// Line normalisation, step 1: removes every character with a code of 32 or below from both ends.
std::string_view Trim(std::string_view text);
// Line normalisation, step 2: "a".."z" become "A".."Z"; nothing else changes.
std::string UpperCase(std::string_view text);
// Both steps: the form every rule of the language is applied to.
std::string NormalizeLine(std::string_view line);

// A label line ends with ":" and does not begin with "/" (that would be a comment).
bool IsLabelLine(std::string_view normalized);
bool IsCommentLine(std::string_view normalized);

std::string_view GetMnemonic(std::string_view line);
std::string_view GetFirstOperand(std::string_view line);
std::string_view GetSecondOperand(std::string_view line);

// The three parts of an instruction line, each trimmed again. A label, comment or blank line
// gives three empty parts.
struct LineParts {
  std::string_view mnemonic;
  std::string_view first;
  std::string_view second;
};
LineParts SplitLine(std::string_view normalized);

bool IsMnemonic(std::string_view word);
// A label name: an upper-case letter first, then letters, digits and "_", at most
// kMaxLabelLength characters.
inline constexpr std::size_t kMaxLabelLength = 32;
bool IsLabelName(std::string_view text);

// The value of a number literal, -1 when the text is not a number, -2 when the value is above
// the maximum. Other negative values occur too; callers treat every negative result as invalid.
int ParseNumber(std::string_view text, int maximum);
// Saturates instead of overflowing: a value too large for 64 bits is reported as INT64_MAX,
// which is above every maximum.
std::int64_t BinaryValue(std::string_view digits);
int HexValue(std::string_view digits);

std::string BinaryText(std::uint32_t value, int width);
std::string PaddedDecimal(int value, int width, char pad);
int ParityFlag(int value, int carry);

}  // namespace kwarcyt
