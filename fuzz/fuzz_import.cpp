// The import of the common assembler syntax on arbitrary text, and the check of what it gives:
// an import that reports a whole, faithful conversion must give a program that passes the check.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzInput.h"
#include "checker/ProgramCheck.h"
#include "sourceimport/ProgramImport.h"

using namespace kwarcyt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ImportedProgram program = ImportProgram(fuzz::SplitIntoLines(data, size));
  LabelTable labels;
  ErrorList errors;
  bool checked = false;
  Kompiluj(program.lines, labels, errors, checked);
  if (program.complete && !checked) std::abort();
  if (program.refused && (program.complete || !program.lines.empty())) std::abort();
  return 0;
}
