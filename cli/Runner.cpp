#include "Runner.h"

#include <cstdio>
#include <memory>

#include "MachineSettings.h"
#include "core/MachineCode.h"
#include "core/MachineFields.h"
#include "internal/OptionNumber.h"
#include "internal/RunReport.h"
#include "sourcefile/FileName.h"
#include "sourcefile/ProgramFile.h"
#include "sourcefile/TerminalText.h"
#include "sourceimport/ProgramImport.h"

namespace kwarcyt {
namespace {

void Write(std::FILE* stream, const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

ProgramReadResult ReadSource(const QString& file) {
  if (file != "-") return ReadProgramFile(file);
  QFile input;
  if (!input.open(stdin, QIODevice::ReadOnly)) return {false, {}, input.errorString()};
  return ReadProgram(input);
}

void TraceStep(int line, const std::string& status) {
  const std::string text = TerminalText(status);
  std::fprintf(stderr, "%d ", line);
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
}

void TraceCycles(const StepCycles& step) {
  const std::string line = CyclesLine(step) + '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
}

// The listing or the Intel HEX file on standard output; a program that fails the check or does
// not fit in memory gets its messages on standard error, so that they never end in the file.
int PrintMachineCode(const std::vector<std::string>& lines, const RunnerOptions& options) {
  const auto machine = std::make_unique<MachineState>();
  ErrorList errors;
  const RunResult checked = CheckProgram(lines, *machine, errors);
  if (!checked.checked) {
    Write(stderr, CheckTextReport({checked, *machine, errors, options.dumps}).toUtf8());
    return ExitStatus(checked.end);
  }
  const Program program(lines, machine->LabelTable);
  const MachineCode code(program, options.origin);
  if (!code.Fits()) {
    Complain(QString::fromStdString(code.TooLongMessage()));
    return ExitStatus(RunEnd::CheckFailed);
  }
  const std::string text = options.hex ? IntelHex(code) : ListingText(program, code);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

// The converted program on standard output, the notes on standard error.
int PrintImported(const std::vector<std::string>& source) {
  const ImportedProgram program = ImportProgram(source);
  std::string text;
  for (const std::string& line : program.lines) text += line + '\n';
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::string notes;
  for (const std::string& note : program.notes) notes += TerminalText(note) + '\n';
  std::fwrite(notes.data(), 1, notes.size(), stderr);
  return program.complete ? 0 : 1;
}

}  // namespace

// The message may name a file, and a file name may come from a student as well.
void Complain(const QString& message) {
  const std::string line = "kwarcyt-run: " + ShownText(message).toStdString() + '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
}

int Refuse(const QString& message) {
  Complain(message);
  return kUsageExitStatus;
}

std::vector<std::string> ProgramLines(const ProgramText& text) {
  return Utf8Lines(text.lines);
}

int RunKwarcyt(const RunnerOptions& options) {
  if (!options.assignment.isEmpty()) return GradeKwarcyt(options);
  const ProgramReadResult read = ReadSource(options.file);
  if (!read.ok) {
    return Refuse(
        QStringLiteral("nie można odczytać pliku „%1”: %2").arg(options.file, read.error));
  }
  const std::vector<std::string> lines = ProgramLines(read.text);
  if (options.import) return PrintImported(lines);
  if (options.listing || options.hex) return PrintMachineCode(lines, options);

  // Zeroed as after Reset; far too big for the stack.
  const auto machine = std::make_unique<MachineState>();
  machine->FlagRuleSet = options.flagRules.value_or(FlagRules::Kwarcyt);
  for (const MachineSetting& setting : options.settings) {
    if (const std::optional<QString> error =
            ApplySetting(setting, *machine, static_cast<int>(lines.size()))) {
      return Refuse(*error);
    }
  }

  // A breakpoint names a line as PC does, and is bounded the same way.
  const int lastLine = FieldNamed("PC").Maximum(static_cast<int>(lines.size()));
  std::vector<int> breakLines;
  for (const QString& text : options.breaks) {
    if (lastLine < 0) {
      return Refuse(QStringLiteral("--break %1: program nie ma żadnego wiersza").arg(text));
    }
    const std::optional<int> line = ReadOptionNumber(text, lastLine);
    if (!line) {
      return Refuse(QStringLiteral("--break %1: ").arg(text) + NotANumberMessage(text, lastLine));
    }
    breakLines.push_back(*line);
  }

  ErrorList errors;
  RunResult result;
  if (options.checkOnly) {
    result = CheckProgram(lines, *machine, errors);
  } else {
    // A trace can run to millions of lines: write it in large blocks.
    if (options.trace || options.cycles) std::setvbuf(stderr, nullptr, _IOFBF, 1 << 16);
    result = StartProgram(lines, *machine, errors, options.maxSteps,
                          options.trace ? StepTrace(TraceStep) : StepTrace(), breakLines,
                          options.cycles ? CycleTrace(TraceCycles) : CycleTrace());
    std::fflush(stderr);
  }

  const RunReport report{result, *machine, errors, options.dumps};
  if (options.json) {
    Write(stdout, JsonReport(report));
  } else {
    Write(stdout, (options.checkOnly ? CheckTextReport(report) : RunTextReport(report)).toUtf8());
  }
  return ExitStatus(result.end);
}

}  // namespace kwarcyt
