// Each line under both flag rule sets: the registers come out the same, the flags as each set's
// rules give them.
#include <gtest/gtest.h>

#include <memory>

#include "StepCase.h"

namespace kwarcyt::testing {
namespace {

struct Flags {
  int S, Z, AC, P, CY;
};

struct RulesCase {
  std::string name;
  std::string line;
  Registers before;
  Registers kwarcyt;  // registers and flags under this simulator's rules
  Flags processor;    // the flags under the 8085's
  friend void PrintTo(const RulesCase& c, std::ostream* os) { *os << c.name; }
};

// clang-format off
const RulesCase kCases[] = {
    {"ACI_0Fh_carry_joins_after_digits", "ACI 0Fh", {.A = 1, .CY = 1}, {.A = 0x11, .P = 1}, {0, 0, 1, 1, 0}},
    {"CPI_0_no_borrow", "CPI 0", {.A = 5}, {.A = 5, .CY = 1}, {0, 0, 1, 1, 0}},
    {"CMP_equal", "CMP B", {.A = 5, .B = 5}, {.A = 5, .B = 5, .Z = 1, .AC = 1}, {0, 1, 1, 1, 0}},
    {"SUB_low_digit_0", "SUB B", {.A = 0x35, .B = 0x10}, {.A = 0x25, .B = 0x10}, {0, 0, 1, 0, 0}},
    {"XRA_A_zero_is_even", "XRA A", {.A = 0x5A, .CY = 1}, {.Z = 1}, {0, 1, 0, 1, 0}},
    {"INR_to_zero", "INR A", {.A = 0xFF, .CY = 1}, {.Z = 1, .AC = 1, .CY = 1}, {0, 1, 1, 1, 1}},
    {"SUI_odd_ones_with_borrow", "SUI 2", {.A = 0}, {.A = 0xFE, .S = 1, .P = 1, .CY = 1}, {1, 0, 0, 0, 1}},
    {"ADI_parity_without_carry", "ADI 80h", {.A = 0x81}, {.A = 1, .P = 1, .CY = 1}, {0, 0, 0, 0, 1}},
    {"SBB_borrow_in_FFh", "SBB B", {.A = 0x37, .B = 0xFF, .CY = 1}, {.A = 0x37, .B = 0xFF, .P = 1, .CY = 1}, {0, 0, 0, 0, 1}},
    {"SBB_borrow_in_to_zero", "SBB B", {.A = 5, .B = 4, .CY = 1}, {.B = 4, .Z = 1, .AC = 1}, {0, 1, 1, 1, 0}},
    {"DAA_after_99h_plus_01h", "DAA", {.A = 0x9A}, {.Z = 1, .AC = 1, .CY = 1}, {0, 1, 1, 1, 1}},
    {"DAA_after_38h_plus_45h", "DAA", {.A = 0x7D}, {.A = 0x83, .S = 1, .AC = 1}, {1, 0, 1, 0, 0}},
    {"DAA_with_AC_set", "DAA", {.A = 0x10, .AC = 1}, {.A = 0x16, .AC = 1}, {0, 0, 0, 0, 0}},
    {"DAA_keeps_carry", "DAA", {.A = 0x12, .CY = 1}, {.A = 0x72, .CY = 1}, {0, 0, 0, 1, 1}},
};
// clang-format on

class FlagRulesTest : public ::testing::TestWithParam<RulesCase> {};

TEST_P(FlagRulesTest, SameRegistersFlagsByTheRuleSet) {
  const RulesCase& c = GetParam();
  const std::vector<std::string> lines{c.line, "HLT"};
  const Program program(lines, LabelsOf(lines));
  for (const FlagRules rules : {FlagRules::Kwarcyt, FlagRules::Processor8085}) {
    auto machine = std::make_unique<MachineState>();
    machine->FlagRuleSet = rules;
    SetRegisters(*machine, c.before);
    ErrorList errors;
    WykonajRozkaz(*machine, program, errors);
    Registers expected = c.kwarcyt;
    if (rules == FlagRules::Processor8085) {
      const auto& [s, z, ac, p, cy] = c.processor;
      expected.S = s, expected.Z = z, expected.AC = ac, expected.P = p, expected.CY = cy;
    }
    EXPECT_EQ(RegistersOf(*machine), expected)
        << (rules == FlagRules::Kwarcyt ? "Kwarcyt" : "8085");
  }
}

INSTANTIATE_TEST_SUITE_P(BothRuleSets, FlagRulesTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kwarcyt::testing
