#include "Grading.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "MachineSettings.h"
#include "Runner.h"
#include "internal/RunReport.h"
#include "sourcefile/ProgramFile.h"
#include "viewtext/ViewFormats.h"

namespace kwarcyt {
namespace {

// "10 (0Ah)" for a byte, "8192 (2000h)" for a word; a flag or a line number needs no hexadecimal.
QString ValueText(int value, int maximum) {
  if (maximum <= 1 || maximum == kLastProgramLine) return QString::number(value);
  return QStringLiteral("%1 (%2h)").arg(value).arg(HexField(value, maximum > 255 ? 4 : 2));
}

QString Mismatch(const QString& what, int expected, int actual, int maximum) {
  return QStringLiteral("%1: oczekiwano %2, jest %3")
      .arg(what, ValueText(expected, maximum), ValueText(actual, maximum));
}

QString AddressText(int address) {
  return HexField(address, 4) + 'h';
}

QString CheckRefusal(const ErrorList& errors) {
  return QStringLiteral("program zawiera błędy: %1")
      .arg(errors.empty() ? QString() : QString::fromStdString(errors.front()));
}

QString EndMismatch(RunEnd expected, const RunResult& result, const MachineState& machine,
                    const ErrorList& errors) {
  QString text = QStringLiteral("zakończenie: oczekiwano „%1”, jest „%2”. %3")
                     .arg(QString::fromLatin1(EndName(expected)),
                          QString::fromLatin1(EndName(result.end)), EndingText(result, machine));
  if (result.end != RunEnd::RuntimeError) return text;
  // The failing step's own message, not the help lines after it.
  const auto message = std::find_if(errors.rbegin(), errors.rend(), [](const std::string& line) {
    return !line.empty() && std::isdigit(static_cast<unsigned char>(line.front()));
  });
  if (message != errors.rend()) text += ' ' + QString::fromStdString(*message);
  return text;
}

// The first cell that differs, and how many do.
void CompareMemory(const ExpectedCells& cells, const MachineState& machine, QStringList& out) {
  int first = -1;
  int count = 0;
  for (std::size_t i = 0; i < cells.values.size(); ++i) {
    const int address = cells.address + static_cast<int>(i);
    if (machine.Memory[static_cast<std::size_t>(address)] == cells.values[i]) continue;
    if (count++ == 0) first = address;
  }
  if (count == 0) return;
  QString text = Mismatch(QStringLiteral("pamięć %1").arg(AddressText(first)),
                          cells.values[static_cast<std::size_t>(first - cells.address)],
                          machine.Memory[static_cast<std::size_t>(first)], 255);
  if (count > 1) {
    text += QStringLiteral("; różnych komórek w %1..%2: %3")
                .arg(AddressText(cells.address),
                     AddressText(cells.address + static_cast<int>(cells.values.size()) - 1))
                .arg(count);
  }
  out << text;
}

}  // namespace

int ProgramGrade::Points() const {
  int points = 0;
  for (const CaseGrade& grade : cases) points += grade.passed ? 1 : 0;
  return points;
}

QStringList Differences(const Expectation& expect, const RunResult& result,
                        const MachineState& machine, const ErrorList& errors) {
  if (result.end == RunEnd::CheckFailed) return {CheckRefusal(errors)};
  QStringList out;
  if (expect.end && *expect.end != result.end) {
    out << EndMismatch(*expect.end, result, machine, errors);
  }
  for (const ExpectedValue& expected : expect.registers) {
    const int actual = expected.field->read(machine);
    if (actual != expected.value) {
      out << Mismatch(QString::fromLatin1(expected.field->name), expected.value, actual,
                      expected.field->maximum);
    }
  }
  for (const ExpectedCells& port : expect.out) {
    const int actual = machine.OutputPorts[static_cast<std::size_t>(port.address)];
    if (actual != port.values.front()) {
      out << Mismatch(QStringLiteral("port wyjściowy %1").arg(port.address), port.values.front(),
                      actual, 255);
    }
  }
  for (const ExpectedCells& cells : expect.memory) CompareMemory(cells, machine, out);
  if (expect.maxSteps && result.steps > *expect.maxSteps) {
    out << QStringLiteral("kroki: oczekiwano najwyżej %1, jest %2")
               .arg(*expect.maxSteps)
               .arg(result.steps);
  }
  if (expect.maxTStates && machine.TStates > *expect.maxTStates) {
    out << QStringLiteral("takty zegara: oczekiwano najwyżej %1, jest %2")
               .arg(*expect.maxTStates)
               .arg(machine.TStates);
  }
  return out;
}

CaseGrade GradeCase(const AssignmentCase& assignmentCase, const std::vector<std::string>& lines,
                    bool keepRun) {
  CaseGrade grade;
  // Zeroed as after Reset; far too big for the stack.
  const auto machine = std::make_unique<MachineState>();
  machine->FlagRuleSet = assignmentCase.flagRules;
  for (const MachineSetting& setting : assignmentCase.settings) {
    if (const std::optional<QString> error =
            ApplySetting(setting, *machine, static_cast<int>(lines.size()))) {
      grade.differences << *error;
      return grade;
    }
  }
  ErrorList errors;
  const RunResult result = StartProgram(lines, *machine, errors, assignmentCase.maxSteps);
  grade.ran = true;
  grade.steps = result.steps;
  grade.differences = Differences(assignmentCase.expect, result, *machine, errors);
  grade.passed = grade.differences.isEmpty();
  if (keepRun) {
    // The memory the case looks at is what --dump would show.
    std::vector<MemoryDump> dumps;
    for (const ExpectedCells& cells : assignmentCase.expect.memory) {
      dumps.push_back({cells.address, static_cast<int>(cells.values.size())});
    }
    grade.run = JsonReportObject({result, *machine, errors, dumps});
  }
  return grade;
}

ProgramGrade RefusedProgram(const Assignment& assignment, const QString& file,
                            const QString& refusal, const QJsonObject& run) {
  const CaseGrade refused{
      .passed = false, .differences = {refusal}, .ran = false, .steps = 0, .run = run};
  return {.file = file,
          .refusal = refusal,
          .cases = std::vector<CaseGrade>(assignment.cases.size(), refused)};
}

ProgramGrade GradeProgram(const Assignment& assignment, const QString& file, bool keepRuns) {
  const ProgramReadResult read = ReadProgramFile(file);
  if (!read.ok) {
    return RefusedProgram(assignment, file,
                          QStringLiteral("nie można odczytać pliku: %1").arg(read.error));
  }
  const std::vector<std::string> lines = ProgramLines(read.text);
  // The check does not depend on the settings of a case: one check answers for all.
  const auto machine = std::make_unique<MachineState>();
  ErrorList errors;
  const RunResult check = CheckProgram(lines, *machine, errors);
  if (!check.checked) {
    return RefusedProgram(
        assignment, file, CheckRefusal(errors),
        keepRuns ? JsonReportObject({check, *machine, errors, {}}) : QJsonObject());
  }
  ProgramGrade grade{.file = file, .refusal = {}, .cases = {}};
  for (const AssignmentCase& assignmentCase : assignment.cases) {
    grade.cases.push_back(GradeCase(assignmentCase, lines, keepRuns));
  }
  return grade;
}

}  // namespace kwarcyt
