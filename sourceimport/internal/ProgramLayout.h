// Where the statements of a program in the common syntax would lie in memory, and what its names
// stand for: equates in any order and depth, the addresses of data and of code.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ImportExpression.h"
#include "SourceStatement.h"

namespace kwarcyt {

class ProgramLayout {
 public:
  explicit ProgramLayout(const std::vector<SourceStatement>& statements);

  // The statements before END.
  std::size_t End() const { return end_; }
  // Nothing after an ORG or DS whose value is unknown, until the next readable ORG.
  std::optional<long> AddressOf(std::size_t statement) const { return addresses_[statement]; }
  // Why the ORG or DS statement leaves the addresses unknown; empty when it does not.
  const std::string& LayoutProblem(std::size_t statement) const;

  // The value of an expression written in the statement; the names it uses are added to `used`.
  ExpressionValue Evaluate(std::string_view text, ValueKind kind, std::size_t statement,
                           std::set<std::string>* used = nullptr) const;
  // What an upper-case name stands for; neither value nor error for a name the program does
  // not define.
  NameValue Name(const std::string& name) const;

  bool IsEquate(const std::string& name) const { return equates_.contains(name); }
  // The statement that defines the equate first.
  std::size_t EquateStatement(const std::string& name) const { return equates_.at(name); }
  bool IsCodeLabel(const std::string& name) const { return codeLabels_.contains(name); }
  // The labels of code that stand before the statement, as written.
  std::vector<std::string> CodeLabelsOf(std::size_t statement) const;
  // The one instruction that begins at the address; nothing when none or several do.
  std::optional<std::size_t> InstructionAt(long address) const;

 private:
  // One pass over the statements; true when no address changed.
  bool Lay();
  NameValue EquateValue(const std::string& name) const;

  const std::vector<SourceStatement>& statements_;
  std::vector<std::optional<long>> addresses_;
  std::map<std::size_t, std::string> layoutProblems_;
  std::size_t end_ = 0;
  std::map<std::string, std::size_t> equates_;
  // Upper-case name to the statement the label stands before.
  std::map<std::string, std::size_t> codeLabels_;
  std::map<std::string, std::size_t> dataLabels_;
  std::map<long, std::optional<std::size_t>> instructions_;  // nothing: several begin there
  mutable std::map<std::string, NameValue> equateValues_;
  mutable std::set<std::string> resolving_;
};

}  // namespace kwarcyt
