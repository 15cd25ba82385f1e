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
  // False when some statement could not be converted and was kept as a comment.
  bool complete = true;
};

// Source lines in UTF-8.
ImportedProgram ImportProgram(const std::vector<std::string>& source);

}  // namespace kwarcyt
