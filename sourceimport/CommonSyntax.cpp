#include "CommonSyntax.h"

#include <algorithm>
#include <array>

#include "checker/ErrorList.h"
#include "checker/Mojefunkcje.h"
#include "checker/ProgramCheck.h"
#include "internal/SourceStatement.h"

namespace kwarcyt {
namespace {

bool EndsWithSuffix(std::string_view fileName, std::string_view suffix) {
  return fileName.size() >= suffix.size() &&
         UpperCase(fileName.substr(fileName.size() - suffix.size())) == UpperCase(suffix);
}

bool FailsCheck(const std::vector<std::string>& lines) {
  LabelTable labels;
  ErrorList errors;
  bool checked = false;
  Kompiluj(lines, labels, errors, checked);
  return !checked;
}

// At least a quarter of the lines that hold anything are in the common syntax.
bool MostlyCommonSyntax(const std::vector<std::string>& lines) {
  std::size_t written = 0;
  std::size_t common = 0;
  for (const std::string& line : lines) {
    if (Trim(line).empty()) continue;
    ++written;
    if (IsCommonSyntaxLine(line)) ++common;
  }
  return written > 0 && 4 * common >= written;
}

}  // namespace

bool IsCommonSyntaxLine(std::string_view line) {
  const SourceStatement statement = ParseSourceLine(line);
  if (!IsMnemonic(UpperCase(statement.word))) return false;
  return !statement.label.empty() || statement.semicolonComment;
}

bool ReportsCommonSyntax(const std::vector<std::string>& messages,
                         const std::vector<std::string>& lines) {
  return std::ranges::any_of(messages, [&lines](const std::string& message) {
    const int line = MessageLine(message);
    return line >= 0 && static_cast<std::size_t>(line) < lines.size() &&
           IsCommonSyntaxLine(lines[static_cast<std::size_t>(line)]);
  });
}

bool WorthImporting(std::string_view fileName, const std::vector<std::string>& lines) {
  static constexpr std::array<std::string_view, 3> kSuffixes{".asm", ".a85", ".s"};
  const bool namedSo = std::ranges::any_of(
      kSuffixes, [fileName](std::string_view suffix) { return EndsWithSuffix(fileName, suffix); });
  // The whole check comes last: most files opened are Kwarcyt's own and stop at the count.
  return (namedSo || MostlyCommonSyntax(lines)) && FailsCheck(lines);
}

}  // namespace kwarcyt
