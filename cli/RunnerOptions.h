// The command line of kwarcyt-run.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/MachineState.h"

namespace kwarcyt {

// One --set, --mem or --in, kept as written: PC's range depends on the program, so values are
// read only once the file has been read.
struct MachineSetting {
  enum class Target { Register, Memory, InputPort };
  Target target;
  QString text;  // NAME=VALUE, ADDR=VALUE or PORT=VALUE
};

struct MemoryDump {
  int address = 0;
  int count = 0;
};

struct RunnerOptions {
  bool checkOnly = false;
  bool json = false;
  bool trace = false;
  int maxSteps = 100'000'000;
  std::vector<MachineSetting> settings;  // in the order given
  std::vector<MemoryDump> dumps;
  // --break, as written: whether a line exists is known once the file has been read.
  QStringList breaks;
  QString file;  // "-" is standard input

  // --zadanie: the assignment file, and the program files and folders to grade against it.
  QString assignment;
  QStringList programs;
  bool csv = false;

  // --flag-rules; with --zadanie it wins over the assignment's "flag_rules".
  std::optional<FlagRules> flagRules;

  // --import: the file is converted from the common assembler syntax and printed, not run.
  bool import = false;

  // --listing, --hex: the machine code of the program from `origin` is printed, not run.
  bool listing = false;
  bool hex = false;
  int origin = 0;
  // --cycles: the machine cycles of each step go to standard error.
  bool cycles = false;
};

struct ParsedCommandLine {
  enum class Outcome { Run, Help, Error };
  Outcome outcome = Outcome::Error;
  RunnerOptions options;
  QString text;  // the help text, or the message about a bad command line
};

// arguments[0] is the program's name, as QCoreApplication::arguments() gives it.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace kwarcyt
