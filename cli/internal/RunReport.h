// What kwarcyt-run prints on standard output after a check or a run.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <vector>

#include "checker/ErrorList.h"
#include "cli/HeadlessRun.h"
#include "cli/RunnerOptions.h"
#include "core/MachineFields.h"
#include "core/MachineState.h"

namespace kwarcyt {

struct RunReport {
  const RunResult& result;
  const MachineState& machine;
  const ErrorList& errors;
  const std::vector<MemoryDump>& dumps;
};

// What the JSON report writes under "registers": the registers the machine stores, so no pair.
// Under "flags" it writes FlagFields().
inline auto JsonRegisterFields() {
  return FieldsOf(FieldKind::Register, FieldKind::ProgramCounter, FieldKind::StackPointer);
}

// The object the JSON report writes.
QJsonObject JsonReportObject(const RunReport& report);
// One JSON object and a line break, UTF-8.
QByteArray JsonReport(const RunReport& report);

// How the run ended, as one sentence: "Program zatrzymany rozkazem HLT."
QString EndingText(const RunResult& result, const MachineState& machine);

// The verdict of a --check for a person: the error list and whether the program passed.
QString CheckTextReport(const RunReport& report);

// The outcome of a run for a person: the error list, how the run ended, the steps and clock
// states, the registers, flags and
// non-zero output ports in the views' number formats, and each dump as rows of address and values.
QString RunTextReport(const RunReport& report);

}  // namespace kwarcyt
