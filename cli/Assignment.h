// A teacher's assignment for kwarcyt-run --zadanie: the cases every student's program is run on
// and what each run must leave behind.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "HeadlessRun.h"
#include "RunnerOptions.h"
#include "core/MachineFields.h"

namespace kwarcyt {

struct ExpectedValue {
  const MachineField* field;  // a row of the register table: a register, pair, PC, SP or flag
  int value;
};

struct ExpectedCells {
  int address;  // of the first cell; also the port for an output port
  std::vector<int> values;
};

// Every part is optional; an empty one asks nothing.
struct Expectation {
  std::optional<RunEnd> end;
  std::vector<ExpectedValue> registers;  // registers and flags alike, in the table's order
  std::vector<ExpectedCells> out;        // one port each
  std::vector<ExpectedCells> memory;
  std::optional<int> maxSteps;
  std::optional<std::uint64_t> maxTStates;
};

struct AssignmentCase {
  QString name;
  // What the runner's --set, --mem and --in would be given, in the order they apply: "set" in
  // the register table's order, then "mem", then "in".
  std::vector<MachineSetting> settings;
  int maxSteps = RunnerOptions{}.maxSteps;
  // The assignment's "flag_rules", or --flag-rules.
  FlagRules flagRules = FlagRules::Kwarcyt;
  Expectation expect;
};

struct Assignment {
  QString name;
  std::vector<AssignmentCase> cases;
};

struct AssignmentLoad {
  std::optional<Assignment> assignment;
  // Where and what is wrong, in Polish: "cases[1].expect.registers.Q: ..." or
  // "wiersz 3, kolumna 14: ..."; empty when loaded.
  QString error;
};

// The assignment in the UTF-8 JSON text; defaultName names it when the text does not.
AssignmentLoad ParseAssignment(const QByteArray& json, const QString& defaultName);

// Reads and parses the file; its errors are prefixed with the file's name.
AssignmentLoad LoadAssignment(const QString& path);

}  // namespace kwarcyt
