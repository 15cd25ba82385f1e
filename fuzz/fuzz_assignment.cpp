// Assignment files for kwarcyt-run --zadanie: any bytes give an assignment or a message, never a
// crash, and every setting of a loaded assignment applies to the machine as --set, --mem and
// --in would.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "checker/ProgramCheck.h"
#include "cli/Assignment.h"
#include "cli/MachineSettings.h"

using namespace kwarcyt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const AssignmentLoad load = ParseAssignment(json, QStringLiteral("zadanie"));
  if (!load.assignment) {
    if (load.error.isEmpty()) std::abort();
    return 0;
  }
  if (!load.error.isEmpty() || load.assignment->cases.empty()) std::abort();
  for (const AssignmentCase& assignmentCase : load.assignment->cases) {
    if (assignmentCase.maxSteps < 0) std::abort();
    MachineState machine;
    for (const MachineSetting& setting : assignmentCase.settings) {
      if (ApplySetting(setting, machine, static_cast<int>(kMaxProgramLines))) std::abort();
    }
    for (const ExpectedValue& expected : assignmentCase.expect.registers) {
      if (expected.value < 0 ||
          expected.value > expected.field->Maximum(static_cast<int>(kMaxProgramLines))) {
        std::abort();
      }
    }
  }
  return 0;
}
