// Converts a program written in the common 8085 assembler syntax (";" comments, labels before
// instructions, ORG and DB data, EQU names, numbers in every usual form) into a program in
// Kwarcyt's own syntax, and says in Polish what it did beyond plain rewriting.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kwarcyt {

// Every note begins so, also in the error list among the checker's messages.
inline constexpr std::string_view kImportNotePrefix = "Import: ";

struct ImportedProgram {
  std::vector<std::string> lines;
  // After kImportNotePrefix each note gives the 0-based index of the converted line it concerns
  // and ": ", as the checker's messages do, unless it concerns the program as a whole.
  std::vector<std::string> notes;
  // True only when the whole result is a faithful conversion that passes the check; false when
  // some statement was kept as a comment or as written, or converted with a changed meaning.
  bool complete = true;
  // The result would be longer than a program may be: no lines, and one note that says so.
  bool refused = false;
};

// Source lines in UTF-8.
ImportedProgram ImportProgram(const std::vector<std::string>& source);

}  // namespace kwarcyt
