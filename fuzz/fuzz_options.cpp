// The command line of kwarcyt-run: any arguments give a run, the help or a message, never a
// crash, and the settings of a run leave every register, flag and dump within its range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QCoreApplication>

#include "checker/ProgramCheck.h"
#include "cli/MachineSettings.h"
#include "cli/RunnerOptions.h"

using namespace kwarcyt;

namespace {

// One argument per line of the input, as a shell would pass them after the program's name.
QStringList ArgumentsOf(const std::uint8_t* data, std::size_t size) {
  QStringList arguments{QStringLiteral("kwarcyt-run")};
  const QByteArrayView bytes(data, static_cast<qsizetype>(size));
  if (!bytes.isEmpty()) {
    for (const QByteArray& argument : bytes.toByteArray().split('\n')) {
      arguments.append(QString::fromLocal8Bit(argument));
    }
  }
  return arguments;
}

bool InRange(int value, int maximum) {
  return value >= 0 && value <= maximum;
}

bool RegistersInRange(const MachineState& m, int lineCount) {
  for (const int value : {m.A, m.B, m.C, m.D, m.E, m.H, m.L}) {
    if (!InRange(value, 255)) return false;
  }
  for (const int flag : {m.S, m.Z, m.AC, m.P, m.CY}) {
    if (!InRange(flag, 1)) return false;
  }
  return InRange(m.SP, 65535) && (m.PC == 0 || InRange(m.PC, lineCount - 1));
}

void CheckRun(const RunnerOptions& options) {
  if (options.maxSteps < 0) std::abort();
  for (const MemoryDump& dump : options.dumps) {
    if (!InRange(dump.address, MachineState::kMemorySize - 1) ||
        !InRange(dump.count, MachineState::kMemorySize - dump.address)) {
      std::abort();
    }
  }
  for (const int lineCount : {0, 1, static_cast<int>(kMaxProgramLines)}) {
    MachineState machine;
    for (const MachineSetting& setting : options.settings) {
      if (const std::optional<QString> error = ApplySetting(setting, machine, lineCount)) {
        if (error->isEmpty()) std::abort();
        break;
      }
    }
    if (!RegistersInRange(machine, lineCount)) std::abort();
  }
}

}  // namespace

// The runner parses its command line with a QCoreApplication alive, and so does this target.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ParsedCommandLine parsed = ParseCommandLine(ArgumentsOf(data, size));
  switch (parsed.outcome) {
    case ParsedCommandLine::Outcome::Run:
      CheckRun(parsed.options);
      break;
    case ParsedCommandLine::Outcome::Help:
    case ParsedCommandLine::Outcome::Error:
      if (parsed.text.isEmpty()) std::abort();
      break;
  }
  return 0;
}
