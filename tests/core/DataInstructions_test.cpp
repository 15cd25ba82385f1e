// Data transfer, arithmetic and logic: each case runs one line from a known machine and compares
// every register, flag, memory cell and port afterwards.
#include <gtest/gtest.h>

#include "StepCase.h"

namespace kwarcyt::testing {
namespace {

// clang-format off
const DataCase kTransfers[] = {
    {"MOV_A_B", "MOV A,B", {.A = 0, .B = 0x42, .S = 1, .CY = 1}, {}, {.A = 0x42, .B = 0x42, .S = 1, .CY = 1}, {}},
    {"MOV_B_C", "MOV B,C", {.B = 1, .C = 2}, {}, {.B = 2, .C = 2}, {}},
    {"MOV_C_D", "MOV C,D", {.C = 1, .D = 3}, {}, {.C = 3, .D = 3}, {}},
    {"MOV_D_E", "MOV D,E", {.D = 1, .E = 4}, {}, {.D = 4, .E = 4}, {}},
    {"MOV_E_H", "MOV E,H", {.E = 1, .H = 5}, {}, {.E = 5, .H = 5}, {}},
    {"MOV_H_L", "MOV H,L", {.H = 1, .L = 6}, {}, {.H = 6, .L = 6}, {}},
    {"MOV_L_A", "MOV L,A", {.A = 7, .L = 1}, {}, {.A = 7, .L = 7}, {}},
    {"MOV_M_A_writes_cell_at_HL", "MOV M,A", {.A = 0x77, .H = 0x12, .L = 0x34}, {}, {.A = 0x77, .H = 0x12, .L = 0x34}, {{0x1234, 0x77}}},
    {"MOV_H_M_reads_cell_at_old_HL", "MOV H,M", {.H = 0x12, .L = 0x34}, {{0x1234, 0x56}}, {.H = 0x56, .L = 0x34}, {}},
    {"MOV_M_L", "MOV M,L", {.H = 0x12, .L = 0x34}, {}, {.H = 0x12, .L = 0x34}, {{0x1234, 0x34}}},
    {"MVI_small_a_is_97", "MVI A,'a'", {}, {}, {.A = 97}, {}},
    {"MVI_capital_A_is_65", "MVI A,'A'", {}, {}, {.A = 65}, {}},
    {"MVI_comma_character", "MVI C,','", {}, {}, {.C = 44}, {}},
    {"MVI_binary", "MVI B,101b", {}, {}, {.B = 5}, {}},
    {"MVI_decimal", "MVI D,10", {}, {}, {.D = 10}, {}},
    {"MVI_hexadecimal", "MVI E,10h", {}, {}, {.E = 16}, {}},
    {"MVI_zero", "MVI H,0", {.H = 5}, {}, {.H = 0}, {}},
    {"MVI_L", "MVI L,255", {}, {}, {.L = 255}, {}},
    {"MVI_M", "MVI M,0FFh", {.H = 0x20}, {}, {.H = 0x20}, {{0x2000, 0xFF}}},
    {"LXI_B", "LXI B,1234h", {}, {}, {.B = 0x12, .C = 0x34}, {}},
    {"LXI_D", "LXI D,65535", {}, {}, {.D = 0xFF, .E = 0xFF}, {}},
    {"LXI_H_character", "LXI H,'a'", {.H = 9}, {}, {.H = 0, .L = 97}, {}},
    {"LXI_SP", "LXI SP,0FFFEh", {}, {}, {.SP = 0xFFFE}, {}},
    {"LDA", "LDA 2000h", {}, {{0x2000, 0x5A}}, {.A = 0x5A}, {}},
    {"STA", "STA 0FFFFh", {.A = 0x33}, {}, {.A = 0x33}, {{0xFFFF, 0x33}}},
    {"LHLD", "LHLD 1000h", {}, {{0x1000, 0x34}, {0x1001, 0x12}}, {.H = 0x12, .L = 0x34}, {}},
    {"LHLD_FFFFh_takes_H_from_0", "LHLD 0FFFFh", {}, {{0xFFFF, 0x11}, {0, 0x22}}, {.H = 0x22, .L = 0x11}, {}},
    {"SHLD", "SHLD 1000h", {.H = 0xAB, .L = 0xCD}, {}, {.H = 0xAB, .L = 0xCD}, {{0x1000, 0xCD}, {0x1001, 0xAB}}},
    {"SHLD_FFFFh_writes_H_to_0", "SHLD 0FFFFh", {.H = 0xAB, .L = 0xCD}, {}, {.H = 0xAB, .L = 0xCD}, {{0xFFFF, 0xCD}, {0, 0xAB}}},
    {"LDAX_B", "LDAX B", {.B = 0x30, .C = 0x01}, {{0x3001, 0x7E}}, {.A = 0x7E, .B = 0x30, .C = 0x01}, {}},
    {"LDAX_D", "LDAX D", {.D = 0x40, .E = 0x02}, {{0x4002, 0x11}}, {.A = 0x11, .D = 0x40, .E = 0x02}, {}},
    {"STAX_B", "STAX B", {.A = 0x99, .B = 0x30, .C = 0x01}, {}, {.A = 0x99, .B = 0x30, .C = 0x01}, {{0x3001, 0x99}}},
    {"STAX_D", "STAX D", {.A = 0x98, .D = 0x40, .E = 0x02}, {}, {.A = 0x98, .D = 0x40, .E = 0x02}, {{0x4002, 0x98}}},
    {"XCHG", "XCHG", {.D = 1, .E = 2, .H = 3, .L = 4}, {}, {.D = 3, .E = 4, .H = 1, .L = 2}, {}},
    {"NOP", "NOP", {.A = 1, .B = 2, .SP = 3, .Z = 1, .CY = 1}, {}, {.A = 1, .B = 2, .SP = 3, .Z = 1, .CY = 1}, {}},
};

const DataCase kArithmetic[] = {
    {"ADD_B", "ADD B", {.A = 0x10, .B = 0x20}, {}, {.A = 0x30, .B = 0x20, .P = 1}, {}},
    {"ADD_M_half_carry", "ADD M", {.A = 0x0F, .H = 0x10}, {{0x1000, 0x01}}, {.A = 0x10, .H = 0x10, .AC = 1}, {}},
    {"ADD_A_carry_and_zero", "ADD A", {.A = 0x80}, {}, {.A = 0, .Z = 1, .CY = 1}, {}},
    {"ADI_1_to_FFh", "ADI 1", {.A = 0xFF}, {}, {.A = 0, .Z = 1, .AC = 1, .P = 0, .CY = 1}, {}},
    {"ADI_0_parity_of_two_bits", "ADI 0", {.A = 3}, {}, {.A = 3, .P = 1}, {}},
    {"ADI_0_clears_old_carry", "ADI 0", {.A = 3, .CY = 1}, {}, {.A = 3, .P = 1, .CY = 0}, {}},
    {"ADI_parity_uses_new_carry", "ADI 80h", {.A = 0x81}, {}, {.A = 1, .P = 1, .CY = 1}, {}},
    {"ADI_sign", "ADI 70h", {.A = 0x10}, {}, {.A = 0x80, .S = 1}, {}},
    {"ADC_adds_carry_before_half_carry_test", "ADC B", {.A = 1, .B = 0x0F, .CY = 1}, {}, {.A = 0x11, .B = 0x0F, .P = 1}, {}},
    {"ADC_FFh_with_carry_adds_256", "ADC B", {.A = 0x37, .B = 0xFF, .CY = 1}, {}, {.A = 0x37, .B = 0xFF, .P = 1, .CY = 1}, {}},
    {"ACI_0Fh_with_carry", "ACI 0Fh", {.A = 1, .CY = 1}, {}, {.A = 0x11, .P = 1}, {}},
    {"ACI_0Fh_without_carry", "ACI 0Fh", {.A = 1}, {}, {.A = 0x10, .AC = 1}, {}},
    {"SUB_B", "SUB B", {.A = 5, .B = 3}, {}, {.A = 2, .B = 3, .AC = 1}, {}},
    {"SUB_A", "SUB A", {.A = 0x42}, {}, {.A = 0, .Z = 1, .AC = 1}, {}},
    {"SUB_M_borrow", "SUB M", {.A = 0x10, .H = 0x20}, {{0x2000, 0x20}}, {.A = 0xF0, .H = 0x20, .S = 1, .CY = 1}, {}},
    {"SUI_1_from_0", "SUI 1", {.A = 0}, {}, {.A = 0xFF, .S = 1, .CY = 1}, {}},
    {"SUI_0_sets_carry", "SUI 0", {.A = 5}, {}, {.A = 5, .CY = 1}, {}},
    {"SBB_FFh_with_carry_subtracts_256", "SBB B", {.A = 0x37, .B = 0xFF, .CY = 1}, {}, {.A = 0x37, .B = 0xFF, .P = 1, .CY = 1}, {}},
    {"SBB_C_with_carry", "SBB C", {.A = 5, .C = 1, .CY = 1}, {}, {.A = 3, .C = 1, .AC = 1, .P = 1}, {}},
    {"SBI_1_with_carry", "SBI 1", {.A = 2, .CY = 1}, {}, {.A = 0, .Z = 1, .AC = 1}, {}},
    {"CMP_equal", "CMP B", {.A = 5, .B = 5}, {}, {.A = 5, .B = 5, .Z = 1, .AC = 1}, {}},
    {"CMP_greater_operand", "CMP B", {.A = 5, .B = 6}, {}, {.A = 5, .B = 6, .S = 1, .CY = 1}, {}},
    {"CMP_M_smaller_operand", "CMP M", {.A = 0x20, .H = 0x30}, {{0x3000, 0x10}}, {.A = 0x20, .H = 0x30}, {}},
    {"CPI_5_equal", "CPI 5", {.A = 5}, {}, {.A = 5, .Z = 1, .AC = 1}, {}},
    {"CPI_6_greater", "CPI 6", {.A = 5}, {}, {.A = 5, .S = 1, .CY = 1}, {}},
    {"CPI_0_sets_carry", "CPI 0", {.A = 0x80}, {}, {.A = 0x80, .S = 1, .P = 1, .CY = 1}, {}},
    {"INR_A_half_carry_keeps_carry", "INR A", {.A = 0x0F, .CY = 1}, {}, {.A = 0x10, .AC = 1, .P = 1, .CY = 1}, {}},
    {"INR_B_wraps", "INR B", {.B = 0xFF}, {}, {.B = 0, .Z = 1, .AC = 1}, {}},
    {"INR_M", "INR M", {.H = 0x10}, {{0x1000, 0x7F}}, {.H = 0x10, .S = 1, .AC = 1}, {{0x1000, 0x80}}},
    {"DCR_A_no_half_borrow", "DCR A", {.A = 0x10}, {}, {.A = 0x0F, .P = 1}, {}},
    {"DCR_A_0_wraps_keeps_carry", "DCR A", {.A = 0, .CY = 1}, {}, {.A = 0xFF, .S = 1, .CY = 1}, {}},
    {"DCR_M", "DCR M", {.H = 0x10}, {{0x1000, 1}}, {.H = 0x10, .Z = 1, .AC = 1}, {{0x1000, 0}}},
    {"DCR_L", "DCR L", {.H = 0x10, .L = 1}, {}, {.H = 0x10, .L = 0, .Z = 1, .AC = 1}, {}},
    {"INX_SP_wraps", "INX SP", {.SP = 0xFFFF, .CY = 1}, {}, {.SP = 0, .CY = 1}, {}},
    {"INX_B_carries_into_B", "INX B", {.B = 0, .C = 0xFF}, {}, {.B = 1, .C = 0}, {}},
    {"INX_D", "INX D", {.D = 0x12, .E = 0x34}, {}, {.D = 0x12, .E = 0x35}, {}},
    {"INX_H_wraps_without_flags", "INX H", {.H = 0xFF, .L = 0xFF}, {}, {.H = 0, .L = 0}, {}},
    {"DCX_B_wraps", "DCX B", {.B = 0, .C = 0}, {}, {.B = 0xFF, .C = 0xFF}, {}},
    {"DCX_D", "DCX D", {.D = 1, .E = 0}, {}, {.D = 0, .E = 0xFF}, {}},
    {"DCX_H", "DCX H", {.H = 0x10, .L = 0, .Z = 1}, {}, {.H = 0x0F, .L = 0xFF, .Z = 1}, {}},
    {"DCX_SP_wraps", "DCX SP", {.SP = 0}, {}, {.SP = 0xFFFF}, {}},
    {"DAD_H_8000h", "DAD H", {.H = 0x80, .L = 0}, {}, {.H = 0, .L = 0, .CY = 1}, {}},
    {"DAD_SP_clears_carry", "DAD SP", {.H = 0x10, .SP = 0x1234, .CY = 1}, {}, {.H = 0x22, .L = 0x34, .SP = 0x1234}, {}},
    {"DAD_B_low_carry_only_CY_changes", "DAD B", {.B = 0, .C = 1, .H = 0, .L = 0xFF, .S = 1, .Z = 1}, {}, {.B = 0, .C = 1, .H = 1, .L = 0, .S = 1, .Z = 1}, {}},
    {"DAD_D_wraps", "DAD D", {.D = 0, .E = 1, .H = 0xFF, .L = 0xFF}, {}, {.E = 1, .CY = 1}, {}},
    {"DAA_9Bh", "DAA", {.A = 0x9B}, {}, {.A = 0x01, .AC = 1, .P = 1, .CY = 1}, {}},
    {"DAA_valid_BCD_unchanged", "DAA", {.A = 0x15}, {}, {.A = 0x15}, {}},
    {"DAA_half_carry_adds_6", "DAA", {.A = 0x02, .AC = 1}, {}, {.A = 0x08, .AC = 1}, {}},
    {"DAA_keeps_carry_and_adds_60h", "DAA", {.A = 0x10, .CY = 1}, {}, {.A = 0x70, .P = 1, .CY = 1}, {}},
    {"DAA_9Ah_to_zero_with_carry", "DAA", {.A = 0x9A}, {}, {.A = 0, .Z = 1, .AC = 1, .CY = 1}, {}},
};

const DataCase kLogic[] = {
    {"ANA_B", "ANA B", {.A = 0x3C, .B = 0x0F, .CY = 1}, {}, {.A = 0x0C, .B = 0x0F, .AC = 1, .P = 1}, {}},
    {"ANI_0Fh", "ANI 0Fh", {.A = 0x3C}, {}, {.A = 0x0C, .AC = 1, .P = 1}, {}},
    {"ANI_0_zero_result", "ANI 0", {.A = 0xFF}, {}, {.A = 0, .Z = 1, .AC = 1}, {}},
    {"XRA_A", "XRA A", {.A = 0x5A, .AC = 1, .CY = 1}, {}, {.A = 0, .Z = 1}, {}},
    {"XRA_M", "XRA M", {.A = 0xFF, .H = 0x10}, {{0x1000, 0x0F}}, {.A = 0xF0, .H = 0x10, .S = 1, .P = 1}, {}},
    {"XRI_FFh", "XRI 0FFh", {.A = 0x0F}, {}, {.A = 0xF0, .S = 1, .P = 1}, {}},
    {"ORA_C", "ORA C", {.A = 1, .C = 2, .AC = 1, .CY = 1}, {}, {.A = 3, .C = 2, .P = 1}, {}},
    {"ORI_80h_odd_parity", "ORI 80h", {.A = 0}, {}, {.A = 0x80, .S = 1}, {}},
    {"RLC_81h", "RLC", {.A = 0x81, .Z = 1}, {}, {.A = 0x03, .Z = 1, .CY = 1}, {}},
    {"RLC_40h", "RLC", {.A = 0x40, .CY = 1}, {}, {.A = 0x80}, {}},
    {"RRC_01h", "RRC", {.A = 0x01}, {}, {.A = 0x80, .CY = 1}, {}},
    {"RRC_02h", "RRC", {.A = 0x02, .CY = 1}, {}, {.A = 0x01}, {}},
    {"RAL_80h_no_flags_but_carry", "RAL", {.A = 0x80}, {}, {.A = 0, .CY = 1}, {}},
    {"RAL_01h_with_carry", "RAL", {.A = 0x01, .CY = 1}, {}, {.A = 0x03}, {}},
    {"RAR_01h_with_carry", "RAR", {.A = 0x01, .CY = 1}, {}, {.A = 0x80, .CY = 1}, {}},
    {"RAR_02h_with_carry", "RAR", {.A = 0x02, .CY = 1}, {}, {.A = 0x81}, {}},
    {"CMA", "CMA", {.A = 0x3C, .S = 1}, {}, {.A = 0xC3, .S = 1}, {}},
    {"CMC_sets", "CMC", {.Z = 1}, {}, {.Z = 1, .CY = 1}, {}},
    {"CMC_clears", "CMC", {.CY = 1}, {}, {.CY = 0}, {}},
    {"STC", "STC", {.Z = 1}, {}, {.Z = 1, .CY = 1}, {}},
};
// clang-format on

class DataInstructionTest : public ::testing::TestWithParam<DataCase> {};

TEST_P(DataInstructionTest, ChangesExactlyWhatTheInstructionDefines) {
  RunAndCompare(AsStep(GetParam()));
}

std::string Name(const ::testing::TestParamInfo<DataCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Transfer, DataInstructionTest, ::testing::ValuesIn(kTransfers), Name);
INSTANTIATE_TEST_SUITE_P(Arithmetic, DataInstructionTest, ::testing::ValuesIn(kArithmetic), Name);
INSTANTIATE_TEST_SUITE_P(Logic, DataInstructionTest, ::testing::ValuesIn(kLogic), Name);

// Under both flag rule sets: the same registers, the flags by each set's rules.
struct RulesCase {
  std::string name, line;
  Registers before, kwarcyt;     // kwarcyt: after, under this simulator's rules
  std::array<int, 5> processor;  // S, Z, AC, P, CY after, under the 8085's
};

// clang-format off
const RulesCase kRulesCases[] = {
    {"ACI_0Fh_with_carry", "ACI 0Fh", {.A = 1, .CY = 1}, {.A = 0x11, .P = 1}, {0, 0, 1, 1, 0}},
    {"CPI_0", "CPI 0", {.A = 5}, {.A = 5, .CY = 1}, {0, 0, 1, 1, 0}},
    {"SUB_low_digit_0", "SUB B", {.A = 0x35, .B = 0x10}, {.A = 0x25, .B = 0x10}, {0, 0, 1, 0, 0}},
    {"XRA_A", "XRA A", {.A = 0x5A, .CY = 1}, {.Z = 1}, {0, 1, 0, 1, 0}},
    {"SUI_odd_ones_with_borrow", "SUI 2", {.A = 0}, {.A = 0xFE, .S = 1, .P = 1, .CY = 1}, {1, 0, 0, 0, 1}},
    {"SBB_borrow_in", "SBB B", {.A = 0x37, .B = 0xFF, .CY = 1}, {.A = 0x37, .B = 0xFF, .P = 1, .CY = 1}, {0, 0, 0, 0, 1}},
    {"DAA_after_99h_plus_01h", "DAA", {.A = 0x9A}, {.Z = 1, .AC = 1, .CY = 1}, {0, 1, 1, 1, 1}},
    {"DAA_after_38h_plus_45h", "DAA", {.A = 0x7D}, {.A = 0x83, .S = 1, .AC = 1}, {1, 0, 1, 0, 0}},
    {"DAA_with_AC_set", "DAA", {.A = 0x10, .AC = 1}, {.A = 0x16, .AC = 1}, {0, 0, 0, 0, 0}},
    {"DAA_keeps_carry", "DAA", {.A = 0x12, .CY = 1}, {.A = 0x72, .CY = 1}, {0, 0, 0, 1, 1}},
};
// clang-format on

class FlagRulesTest : public ::testing::TestWithParam<RulesCase> {};

TEST_P(FlagRulesTest, SameRegistersFlagsByTheRuleSet) {
  const RulesCase& c = GetParam();
  StepCase step = AsStep({c.name, c.line, c.before, {}, c.kwarcyt, {}});
  RunAndCompare(step);
  step.rules = FlagRules::Processor8085;
  std::tie(step.after.S, step.after.Z, step.after.AC, step.after.P, step.after.CY) =
      std::tuple_cat(c.processor);
  RunAndCompare(step);
}

INSTANTIATE_TEST_SUITE_P(BothRuleSets, FlagRulesTest, ::testing::ValuesIn(kRulesCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kwarcyt::testing
