// The value of an operand or a directive's argument written as an expression of the common
// assembler syntax: literals, names, "$", + - * /, parentheses, HIGH and LOW. Kwarcyt reads
// only plain literals, so the import works the value out and writes it as one.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ImportValues.h"

namespace kwarcyt {

// What a name stands for, or why it has no usable value.
struct NameValue {
  std::optional<long> value;
  std::string text;          // the literal to write for the name alone; empty to write the value
  std::string error;         // why there is no value: an undefined name, a cycle of definitions ...
  bool codeAddress = false;  // the value is (or comes from) the address of a line of code
};

// Names arrive upper-cased.
using NameLookup = std::function<NameValue(const std::string& name)>;

struct ExpressionValue {
  std::optional<long> value;
  // The literal to write when the expression is one literal or one name whose literal reads the
  // same; empty when the value has to be written anew.
  std::string text;
  std::string guess;  // why a number without a suffix was read as it was
  std::string error;  // why there is no value, in Polish
  bool codeAddress = false;
  bool registerName = false;  // the whole expression is the name of a register
};

// Numbers in the expression are read as `kind` says; `here` is the address "$" stands for,
// nothing where it is unknown.
ExpressionValue EvaluateExpression(std::string_view text, ValueKind kind, std::optional<long> here,
                                   const NameLookup& lookup);

}  // namespace kwarcyt
