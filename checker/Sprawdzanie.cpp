#include "Sprawdzanie.h"

#include <algorithm>
#include <initializer_list>
#include <span>
#include <string>

#include "CheckerMessages.h"
#include "InstructionSet.h"
#include "LineReport.h"
#include "Mojefunkcje.h"
#include "Operands.h"

namespace kwarcyt {
namespace {

namespace msg = messages;

using RegisterSet = std::span<const std::string_view>;

bool IsOneOf(std::string_view text, RegisterSet set) {
  return std::ranges::find(set, text) != set.end();
}

// The operands of an instruction line. A line that ends with a comma has a second operand that
// counts as present but is no register, no number and never shown: TrailingComma stands for it.
struct Operands {
  std::string_view first;
  std::string_view second;
  bool TrailingComma = false;

  bool SecondPresent() const { return TrailingComma || !second.empty(); }
  bool SecondMissing() const { return TrailingComma || second.empty(); }
  bool SecondIs(std::string_view text) const { return !TrailingComma && second == text; }
  bool SecondIsOneOf(RegisterSet set) const { return !TrailingComma && IsOneOf(second, set); }
};

void ReportInvalidLabelName(LineReport& report) {
  report.Message(msg::kInvalidLabelName);
  report.Help(msg::kLabelCharacters);
  report.Help(std::string(msg::kLabelFirstCharacter) + std::to_string(kMaxLabelLength) +
              std::string(msg::kLabelFirstCharacterTail));
}

// The rules of one instruction class applied to one line.
class InstructionCheck {
 public:
  InstructionCheck(LineReport& report, std::string_view mnemonic, const Operands& operands,
                   const LabelTable& labels)
      : report_(report), mnemonic_(mnemonic), operands_(operands), labels_(labels) {}

  void Apply(InstructionClass instructionClass) {
    using enum InstructionClass;
    switch (instructionClass) {
      case Register:
        FirstIsRegister(kByteRegisters, " [r]", {msg::kHelpRegister});
        RejectSecondOperand();
        break;
      case Byte:
        FirstIsNumber(kByteMaximum, " [v]", msg::kHelpByte, msg::kInvalidByte);
        RejectSecondOperand();
        break;
      case Jump:
        CheckJumpTarget();
        RejectSecondOperand();
        break;
      case NoOperand:
        if (!operands_.first.empty() || operands_.SecondPresent()) {
          report_.Message(msg::kNoOperands);
        }
        break;
      case Pair:
        FirstIsRegister(kPairRegisters, " [rr]", {msg::kHelpPair, msg::kHelpPairLetters});
        RejectSecondOperand();
        break;
      case Address:
        FirstIsNumber(kWordMaximum, " [aa]", msg::kHelpAddress, msg::kInvalidAddress);
        RejectSecondOperand();
        break;
      case Indirect:
        FirstIsRegister(kIndirectRegisters, " [rr]",
                        {msg::kHelpIndirect, msg::kHelpIndirectLetters});
        RejectSecondOperand();
        break;
      case Lxi:
        if (FirstIsRegister(kPairRegisters, " [rr],[vv]",
                            {msg::kHelpLxiPair, msg::kHelpPairLetters, msg::kHelpWord})) {
          SecondIsNumber(kWordMaximum, msg::kWordRequired, msg::kInvalidWord);
        }
        break;
      case Mov:
        CheckMov();
        break;
      case Mvi:
        if (FirstIsRegister(kByteRegisters, " [r],[v]", {msg::kHelpRegister, msg::kHelpByte})) {
          SecondIsNumber(kByteMaximum, msg::kByteRequired, msg::kInvalidByte);
        }
        break;
      case Stack:
        if (FirstIsRegister(kStackRegisters, " [rr]",
                            {msg::kHelpStack, msg::kHelpPairLetters, msg::kHelpPsw})) {
          RejectSecondOperand();
        }
        break;
      case Rst:
        CheckRoutine();
        RejectSecondOperand();
        break;
    }
  }

 private:
  void Syntax(std::string_view form, std::initializer_list<std::string_view> help) {
    report_.Message(msg::kSyntax, mnemonic_, form);
    for (std::string_view line : help) report_.Help(line);
  }

  // Reports a missing or wrong first register; true when it is one of the set.
  bool FirstIsRegister(RegisterSet set, std::string_view form,
                       std::initializer_list<std::string_view> help) {
    if (IsOneOf(operands_.first, set)) return true;
    if (operands_.first.empty()) {
      Syntax(form, help);
    } else {
      report_.Message(msg::kInvalidRegister, operands_.first, "]");
    }
    return false;
  }

  void FirstIsNumber(int maximum, std::string_view form, std::string_view help,
                     std::string_view invalid) {
    if (operands_.first.empty()) {
      Syntax(form, {help});
    } else if (ParseNumber(operands_.first, maximum) < 0) {
      report_.Message(invalid, operands_.first, "]");
    }
  }

  void SecondIsNumber(int maximum, std::string_view required, std::string_view invalid) {
    if (operands_.SecondMissing()) {
      report_.Message(required);
    } else if (ParseNumber(operands_.second, maximum) < 0) {
      report_.Message(invalid, operands_.second, "]");
    }
  }

  void RejectSecondOperand() {
    if (operands_.SecondPresent()) report_.Message(msg::kNoSecondOperand);
  }

  void CheckJumpTarget() {
    const std::string_view target = operands_.first;
    if (target.empty()) {
      Syntax(" [nazwa]", {msg::kHelpLabel});
    } else if (!IsLabelName(target)) {
      ReportInvalidLabelName(report_);
    } else if (labels_.FindLabel(target) < 0) {
      report_.Message(msg::kUndefinedLabel, target, "]");
    }
  }

  void CheckMov() {
    const std::string_view first = operands_.first;
    const bool secondIsM = operands_.SecondIs("M");
    if (!IsOneOf(first, kByteRegisters)) {
      if (!first.empty()) {
        report_.Message(msg::kInvalidRegister, first, "]");
      } else {
        Syntax(" [r1],[r2]", {secondIsM ? msg::kHelpDestination : msg::kHelpBothRegisters});
      }
    } else if (!operands_.SecondIsOneOf(kByteRegisters)) {
      if (operands_.SecondMissing()) {
        report_.Message(first == "M" ? msg::kSourceRegisterNotMRequired
                                     : msg::kSourceRegisterRequired);
      } else {
        report_.Message(msg::kInvalidRegister, operands_.second, "]");
      }
    }
    if (first == "M" && secondIsM) report_.Message(msg::kMovMM);
  }

  // The restart number must be 0..7 and its routine must start at the label RST_ and the digit.
  void CheckRoutine() {
    const std::string_view number = operands_.first;
    if (number.empty()) {
      Syntax(" [n]", {msg::kHelpRoutine});
      return;
    }
    const int routine = ParseNumber(number, kRoutineMaximum);
    if (routine < 0) {
      report_.Message(msg::kInvalidRoutine, number, msg::kInvalidRoutineTail);
    } else if (labels_.FindLabel(RoutineLabel(routine)) < 0) {
      report_.Message(msg::kUndefinedRoutine, number, "]");
    }
  }

  LineReport& report_;
  std::string_view mnemonic_;
  const Operands& operands_;
  const LabelTable& labels_;
};

}  // namespace

void SprawdzLinie(std::string_view line, int index, const LabelTable& labels, ErrorList& errors,
                  bool& programChecked) {
  const std::string normalized = NormalizeLine(line);
  LineReport report(index, errors, programChecked);
  if (IsLabelLine(normalized)) {
    if (!IsLabelName(std::string_view(normalized).substr(0, normalized.size() - 1))) {
      ReportInvalidLabelName(report);
    }
    return;
  }
  const LineParts parts = SplitLine(normalized);
  if (parts.mnemonic.empty()) return;  // a blank or comment line
  const InstructionInfo* instruction = FindInstruction(parts.mnemonic);
  if (instruction == nullptr) {
    report.Message(msg::kUnknownMnemonic, parts.mnemonic, "]");
    return;
  }
  Operands operands{parts.first, parts.second, normalized.back() == ','};
  if (operands.TrailingComma) operands.second = {};
  InstructionCheck(report, parts.mnemonic, operands, labels).Apply(instruction->operands);
}

}  // namespace kwarcyt
