#include "ProgramCheck.h"

#include <string>

#include "CheckerMessages.h"
#include "LineReport.h"
#include "Mojefunkcje.h"
#include "Sprawdzanie.h"

namespace kwarcyt {
namespace {

// Before a run only real label lines with valid names count; while editing every line that ends
// with a colon does, so that the quick scan stays one cheap pass per keystroke.
enum class LabelScan { BeforeRun, WhileEditing };

struct LabelProblems {
  int overflowLine = -1;  // the line of the label one above the maximum
  int repeatedLine = -1;  // the first line that repeats an earlier name
  std::string repeatedName;
  bool invalidName = false;
};

// Fills the table in line order and stops at the first repetition or at one label too many.
LabelProblems CollectLabels(const std::vector<std::string>& lines, LabelScan scan,
                            LabelTable& labels) {
  labels.Clear();
  LabelProblems problems;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // Trimming and the colon and slash tests come first: upper-casing never changes them, and
    // most lines are no label lines.
    const std::string_view trimmed = Trim(lines[i]);
    if (trimmed.empty() || trimmed.back() != ':') continue;
    if (scan == LabelScan::BeforeRun && trimmed.front() == '/') continue;
    const std::string name = UpperCase(trimmed.substr(0, trimmed.size() - 1));
    if (scan == LabelScan::BeforeRun && !IsLabelName(name)) {
      problems.invalidName = true;  // SprawdzLinie reports this line
      continue;
    }
    const int line = static_cast<int>(i);
    if (labels.FindLabel(name) >= 0) {
      problems.repeatedLine = line;
      problems.repeatedName = name;
      break;
    }
    labels.Add(name, line);
    if (labels.LabelCount() > LabelTable::kMaxLabels) {
      problems.overflowLine = line;
      break;
    }
  }
  return problems;
}

void ReportLabelProblems(const LabelProblems& problems, ErrorList& errors, bool& programChecked) {
  if (problems.invalidName) programChecked = false;
  if (problems.overflowLine >= 0) {
    LineReport(problems.overflowLine, errors, programChecked)
        .Message(std::string(messages::kTooManyLabels) + std::to_string(LabelTable::kMaxLabels) +
                 std::string(messages::kTooManyLabelsTail));
  }
  if (problems.repeatedLine >= 0) {
    LineReport(problems.repeatedLine, errors, programChecked)
        .Message(messages::kRepeatedLabel, problems.repeatedName, "]");
  }
}

void ReportProgramLength(const std::vector<std::string>& lines, ErrorList& errors,
                         bool& programChecked) {
  if (std::optional<std::string> error = ProgramLengthError(lines)) {
    errors.push_back(std::move(*error));
    programChecked = false;
  }
}

}  // namespace

std::optional<std::string> ProgramLengthError(const std::vector<std::string>& lines) {
  const std::size_t counted =
      lines.size() - (!lines.empty() && lines.back().empty() ? std::size_t{1} : std::size_t{0});
  if (counted <= kMaxProgramLines) return std::nullopt;
  return std::string(messages::kTooManyLines) + std::to_string(counted) +
         std::string(messages::kTooManyLinesTail) + std::to_string(kMaxProgramLines);
}

void Kompiluj(const std::vector<std::string>& lines, LabelTable& labels, ErrorList& errors,
              bool& programChecked) {
  errors.clear();
  programChecked = true;
  ReportProgramLength(lines, errors, programChecked);
  const LabelProblems problems = CollectLabels(lines, LabelScan::BeforeRun, labels);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    SprawdzLinie(lines[k], static_cast<int>(k), labels, errors, programChecked);
  }
  ReportLabelProblems(problems, errors, programChecked);
}

bool CheckWhileEditing(const std::vector<std::string>& lines, int caretRow, LabelTable& labels,
                       ErrorList& errors, bool& programChecked) {
  errors.clear();
  if (lines.empty()) {
    errors.emplace_back(messages::kEmptyProgram);
    return false;
  }
  ReportProgramLength(lines, errors, programChecked);
  ReportLabelProblems(CollectLabels(lines, LabelScan::WhileEditing, labels), errors,
                      programChecked);
  // A caret below the last line stands on an empty row: there is nothing to check.
  if (caretRow >= 0 && static_cast<std::size_t>(caretRow) < lines.size()) {
    SprawdzLinie(lines[static_cast<std::size_t>(caretRow)], caretRow, labels, errors,
                 programChecked);
  }
  return true;
}

}  // namespace kwarcyt
