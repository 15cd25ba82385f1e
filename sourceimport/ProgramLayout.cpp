#include "internal/ProgramLayout.h"

#include "checker/InstructionSet.h"
#include "checker/Mojefunkcje.h"

namespace kwarcyt {
namespace {

// Equates defined through more equates than this are no program anybody wrote; the bound keeps
// the resolution of a hostile file off the end of the stack.
constexpr std::size_t kDeepestEquate = 500;
// A program whose addresses depend on names defined further on settles in two passes; more are
// allowed for chains of such names.
constexpr int kMostPasses = 6;

bool IsData(Directive directive) {
  return directive == Directive::Db || directive == Directive::Dw || directive == Directive::Ds;
}

}  // namespace

ProgramLayout::ProgramLayout(const std::vector<SourceStatement>& statements)
    : statements_(statements), addresses_(statements.size() + 1) {
  for (std::size_t i = 0; i < statements.size(); ++i) {
    const SourceStatement& statement = statements[i];
    if (statement.directive == Directive::End) break;
    if (statement.directive == Directive::Equ && !statement.label.empty()) {
      equates_.emplace(UpperCase(statement.label), i);
    }
  }
  for (int pass = 0; pass < kMostPasses && !Lay(); ++pass) {
  }
}

bool ProgramLayout::Lay() {
  equateValues_.clear();
  layoutProblems_.clear();
  instructions_.clear();
  bool same = true;
  std::optional<long> here = 0;
  const auto place = [&](std::size_t i) {
    same = same && addresses_[i] == here;
    addresses_[i] = here;
  };
  std::vector<std::string> waiting;  // labels whose statement is still to come
  std::size_t i = 0;
  for (; i < statements_.size(); ++i) {
    const SourceStatement& statement = statements_[i];
    place(i);
    if (statement.directive == Directive::End) break;
    if (statement.directive == Directive::Equ) continue;
    if (!statement.label.empty()) waiting.push_back(UpperCase(statement.label));
    if (statement.word.empty()) continue;
    if (statement.directive == Directive::Org) {
      const ExpressionValue origin = Evaluate(statement.operands, ValueKind::Address, i);
      here = origin.value;
      if (!origin.value) {
        layoutProblems_[i] = origin.error;
      } else if (*origin.value < 0 || *origin.value > 0xFFFF) {
        layoutProblems_[i] =
            "adres " + std::to_string(*origin.value) + " leży poza pamięcią 0..65535";
        here.reset();
      }
      continue;  // the labels before ORG name what follows it
    }
    for (const std::string& label : waiting) {
      (IsData(statement.directive) ? dataLabels_ : codeLabels_).emplace(label, i);
    }
    waiting.clear();
    if (statement.directive == Directive::Ds) {
      const ExpressionValue count = Evaluate(statement.operands, ValueKind::Word, i);
      if (!count.value || *count.value < 0) {
        layoutProblems_[i] = count.value ? "ujemna liczba bajtów" : count.error;
        here.reset();
      } else if (here) {
        here = *here + *count.value;
      }
    } else if (IsData(statement.directive)) {
      for (const std::string& element : SplitOperands(statement.operands)) {
        const long size = statement.directive == Directive::Dw ? 2
                          : IsQuotedText(element) ? static_cast<long>(element.size()) - 2
                                                  : 1;
        if (here) here = *here + size;
      }
    } else if (const InstructionInfo* row = FindInstruction(UpperCase(statement.word));
               row != nullptr && here) {
      const auto [at, added] = instructions_.emplace(*here, i);
      if (!added) at->second.reset();
      // Kwarcyt keeps no code in memory, but the data that follows code in the source lies
      // where the code ends.
      here = *here + InstructionSize(row->operands);
    }
  }
  end_ = i;
  if (i == statements_.size()) place(i);
  for (const std::string& label : waiting) codeLabels_.emplace(label, i);
  return same;
}

const std::string& ProgramLayout::LayoutProblem(std::size_t statement) const {
  static const std::string kNone;
  const auto problem = layoutProblems_.find(statement);
  return problem == layoutProblems_.end() ? kNone : problem->second;
}

ExpressionValue ProgramLayout::Evaluate(std::string_view text, ValueKind kind,
                                        std::size_t statement, std::set<std::string>* used) const {
  return EvaluateExpression(text, kind, addresses_[statement], [&](const std::string& name) {
    NameValue value = Name(name);
    if (used != nullptr && value.value && !value.codeAddress) used->insert(name);
    return value;
  });
}

NameValue ProgramLayout::Name(const std::string& name) const {
  if (equates_.contains(name)) return EquateValue(name);
  const bool data = dataLabels_.contains(name);
  if (!data && !codeLabels_.contains(name)) return {};
  const std::optional<long> address =
      addresses_[data ? dataLabels_.at(name) : codeLabels_.at(name)];
  if (!address) return {std::nullopt, {}, "adres etykiety " + name + " jest nieznany", !data};
  return {address, data ? HexLiteral(*address, 4) : std::string(), {}, !data};
}

NameValue ProgramLayout::EquateValue(const std::string& name) const {
  if (const auto known = equateValues_.find(name); known != equateValues_.end()) {
    return known->second;
  }
  if (resolving_.contains(name)) {
    return {std::nullopt, {}, "stała " + name + " jest zdefiniowana sama przez siebie", false};
  }
  if (resolving_.size() > kDeepestEquate) {
    return {std::nullopt, {}, "stałe są zdefiniowane jedna przez drugą zbyt głęboko", false};
  }
  resolving_.insert(name);
  const std::size_t statement = equates_.at(name);
  const ExpressionValue value =
      Evaluate(statements_[statement].operands, ValueKind::Word, statement);
  resolving_.erase(name);
  NameValue result{value.value, value.text, value.error, value.codeAddress};
  if (!value.value && !value.error.starts_with("stał")) {
    result.error = "stała " + name + ": " + value.error;
  }
  equateValues_[name] = result;
  return result;
}

std::vector<std::string> ProgramLayout::CodeLabelsOf(std::size_t statement) const {
  std::vector<std::string> labels;
  for (const auto& [name, at] : codeLabels_) {
    if (at == statement) labels.push_back(name);
  }
  return labels;
}

std::optional<std::size_t> ProgramLayout::InstructionAt(long address) const {
  const auto found = instructions_.find(address);
  return found == instructions_.end() ? std::nullopt : found->second;
}

}  // namespace kwarcyt
