// Jumps, calls, returns, RST, the stack, ports, the reporting instructions, HLT and the run-time
// errors, each run as one step of a small program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StepCase.h"

namespace kwarcyt::testing {
namespace {

std::vector<std::string> Nops(int count) {
  return std::vector<std::string>(count, "NOP");
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Registers kAllFlags{.S = 1, .Z = 1, .AC = 1, .P = 1, .CY = 1};

// clang-format off
std::vector<StepCase> FixedCases() {
  return {
      {.name = "JMP_to_label_on_line_4_continues_at_5", .lines = {"JMP DALEJ", "NOP", "NOP", "NOP", "DALEJ:", "NOP"}, .pcAfter = 5},
      {.name = "CALL_on_line_10_with_SP_0", .lines = Concat(Nops(10), {"CALL PODPR", "NOP", "PODPR:", "RET"}), .pc = 10,
       .after = {.SP = 0xFFFE}, .memoryAfter = {{0xFFFF, 0}, {0xFFFE, 11}}, .pcAfter = 13},
      {.name = "RET_continues_at_popped_line", .lines = Concat(Nops(12), {"RET"}), .pc = 12,
       .before = {.SP = 0xFFFE}, .memory = {{0xFFFE, 11}, {0xFFFF, 0}}, .after = {.SP = 0}, .pcAfter = 11},
      {.name = "RET_reads_high_byte_from_higher_address", .lines = Concat({"RET"}, Nops(300)),
       .before = {.SP = 0x2000}, .memory = {{0x2000, 2}, {0x2001, 1}}, .after = {.SP = 0x2002}, .pcAfter = 258},
      {.name = "RET_to_line_0", .lines = {"NOP", "RET"}, .pc = 1,
       .before = {.SP = 0x2000}, .after = {.SP = 0x2002}, .pcAfter = 0},
      {.name = "RET_to_line_count_ends_program", .lines = {"RET", "NOP"},
       .before = {.SP = 0x2000}, .memory = {{0x2000, 2}}, .after = {.SP = 0x2002}, .pcAfter = 0,
       .outcome = RunEnd::EndOfProgram},
      {.name = "RET_beyond_program_is_an_error", .lines = {"NOP", "RET", "NOP"}, .pc = 1,
       .before = {.SP = 0x2000}, .memory = {{0x2000, 4}}, .after = {.SP = 0x2002}, .pcAfter = 1,
       .outcome = RunEnd::RuntimeError,
       .messages = {"1: Nie można wykonać skoku pod adres 4", "Adres odłożony na stosie jest poza kodem programu"}},
      {.name = "RST_3_pushes_nothing", .lines = {"RST 3", "NOP", "RST_3:", "NOP"},
       .before = {.SP = 0x2000}, .after = {.SP = 0x2000}, .pcAfter = 3},
      {.name = "PCHL_inside_program", .lines = {"PCHL", "NOP", "NOP", "NOP"},
       .before = {.L = 2}, .after = {.L = 2}, .pcAfter = 2},
      {.name = "PCHL_uses_H_as_high_byte", .lines = Concat({"PCHL"}, Nops(300)),
       .before = {.H = 1, .L = 2}, .after = {.H = 1, .L = 2}, .pcAfter = 258},
      {.name = "PCHL_to_line_count_ends_program", .lines = {"PCHL", "NOP", "NOP", "NOP"},
       .before = {.L = 4}, .after = {.L = 4}, .pcAfter = 0, .outcome = RunEnd::EndOfProgram},
      {.name = "PCHL_beyond_program_is_an_error", .lines = {"NOP", "PCHL", "NOP", "NOP"}, .pc = 1,
       .before = {.L = 5}, .after = {.L = 5}, .pcAfter = 1, .outcome = RunEnd::RuntimeError,
       .messages = {"1: Nie można wykonać skoku pod adres 5", "Adres umieszczony w rejestrze HL jest poza kodem programu"}},
      {.name = "SPHL", .lines = {"SPHL", "HLT"}, .before = {.H = 0x12, .L = 0x34}, .after = {.H = 0x12, .L = 0x34, .SP = 0x1234}},
      {.name = "XTHL", .lines = {"XTHL", "HLT"}, .before = {.H = 0x12, .L = 0x34, .SP = 0x2000},
       .memory = {{0x2000, 0xCD}, {0x2001, 0xAB}}, .after = {.H = 0xAB, .L = 0xCD, .SP = 0x2000},
       .memoryAfter = {{0x2000, 0x34}, {0x2001, 0x12}}},
      {.name = "XTHL_at_FFFFh_wraps", .lines = {"XTHL", "HLT"}, .before = {.H = 3, .L = 4, .SP = 0xFFFF},
       .memory = {{0xFFFF, 1}, {0, 2}}, .after = {.H = 2, .L = 1, .SP = 0xFFFF}, .memoryAfter = {{0xFFFF, 4}, {0, 3}}},
      {.name = "PUSH_B_with_SP_0", .lines = {"PUSH B", "HLT"}, .before = {.B = 0x12, .C = 0x34},
       .after = {.B = 0x12, .C = 0x34, .SP = 0xFFFE}, .memoryAfter = {{0xFFFF, 0x12}, {0xFFFE, 0x34}}},
      {.name = "PUSH_D", .lines = {"PUSH D", "HLT"}, .before = {.D = 0x56, .E = 0x78, .SP = 0x2000},
       .after = {.D = 0x56, .E = 0x78, .SP = 0x1FFE}, .memoryAfter = {{0x1FFF, 0x56}, {0x1FFE, 0x78}}},
      {.name = "PUSH_H", .lines = {"PUSH H", "HLT"}, .before = {.H = 0x9A, .L = 0xBC, .SP = 0x2000},
       .after = {.H = 0x9A, .L = 0xBC, .SP = 0x1FFE}, .memoryAfter = {{0x1FFF, 0x9A}, {0x1FFE, 0xBC}}},
      {.name = "PUSH_PSW_all_flags", .lines = {"PUSH PSW", "HLT"},
       .before = {.A = 0x12, .SP = 0x2000, .S = 1, .Z = 1, .AC = 1, .P = 1, .CY = 1},
       .after = {.A = 0x12, .SP = 0x1FFE, .S = 1, .Z = 1, .AC = 1, .P = 1, .CY = 1},
       .memoryAfter = {{0x1FFF, 0x12}, {0x1FFE, 0xD5}}},
      {.name = "PUSH_PSW_sign_and_parity", .lines = {"PUSH PSW", "HLT"}, .before = {.SP = 0x2000, .S = 1, .P = 1},
       .after = {.SP = 0x1FFE, .S = 1, .P = 1}, .memoryAfter = {{0x1FFF, 0}, {0x1FFE, 0x84}}},
      {.name = "POP_B", .lines = {"POP B", "HLT"}, .before = {.SP = 0x2000}, .memory = {{0x2000, 0x34}, {0x2001, 0x12}},
       .after = {.B = 0x12, .C = 0x34, .SP = 0x2002}},
      {.name = "POP_D", .lines = {"POP D", "HLT"}, .before = {.SP = 0x2000}, .memory = {{0x2000, 0x78}, {0x2001, 0x56}},
       .after = {.D = 0x56, .E = 0x78, .SP = 0x2002}},
      {.name = "POP_H_wraps_SP", .lines = {"POP H", "HLT"}, .before = {.SP = 0xFFFF}, .memory = {{0xFFFF, 0xBC}, {0, 0x9A}},
       .after = {.H = 0x9A, .L = 0xBC, .SP = 1}},
      {.name = "POP_PSW_FFh_sets_all_flags", .lines = {"POP PSW", "HLT"}, .before = {.SP = 0x2000},
       .memory = {{0x2000, 0xFF}, {0x2001, 0x77}}, .after = {.A = 0x77, .SP = 0x2002, .S = 1, .Z = 1, .AC = 1, .P = 1, .CY = 1}},
      {.name = "POP_PSW_ignores_bits_5_3_1", .lines = {"POP PSW", "HLT"},
       .before = {.A = 1, .SP = 0x2000, .S = 1, .Z = 1, .AC = 1, .P = 1, .CY = 1}, .memory = {{0x2000, 0x2A}},
       .after = {.A = 0, .SP = 0x2002}},
      {.name = "IN", .lines = {"IN 5", "HLT"}, .inputs = {{5, 0x99}}, .after = {.A = 0x99}},
      {.name = "IN_last_port", .lines = {"IN 0FFh", "HLT"}, .inputs = {{255, 7}, {254, 1}}, .after = {.A = 7}},
      {.name = "OUT", .lines = {"OUT 0FFh", "HLT"}, .before = {.A = 0x42}, .after = {.A = 0x42}, .outputsAfter = {{255, 0x42}}},
      {.name = "OUT_character_port", .lines = {"OUT 'a'", "HLT"}, .before = {.A = 1}, .after = {.A = 1}, .outputsAfter = {{97, 1}}},
      {.name = "EI_on_line_3_reports_and_goes_on", .lines = {"NOP", "NOP", "NOP", "EI", "NOP"}, .pc = 3, .pcAfter = 4,
       .messages = {"3: Odblokowano przerwanie INTR"}},
      {.name = "DI", .lines = {"DI", "HLT"}, .before = kAllFlags, .after = kAllFlags, .messages = {"0: Zablokowano przerwanie INTR"}},
      {.name = "RIM_leaves_A", .lines = {"NOP", "RIM", "HLT"}, .pc = 1, .before = {.A = 0x55}, .after = {.A = 0x55}, .pcAfter = 2,
       .messages = {"1: Odblokowano przerwanie RST"}},
      {.name = "SIM_ignores_A", .lines = {"SIM", "HLT"}, .before = {.A = 0x55}, .after = {.A = 0x55},
       .messages = {"0: Zablokowano przerwanie RST"}},
      {.name = "HLT_stays_on_its_line", .lines = {"NOP", "HLT", "NOP"}, .pc = 1, .pcAfter = 1, .outcome = RunEnd::Halted},
      {.name = "last_line_ends_program", .lines = {"NOP", "INR A"}, .pc = 1, .after = {.A = 1}, .pcAfter = 0,
       .outcome = RunEnd::EndOfProgram},
  };
}

// Each condition with the flag that decides it, once with every other flag 0 and once with every
// other flag 1, so that a condition wired to the wrong flag fails one of them.
struct Condition {
  std::string suffix;
  int Registers::*flag;
  int whenHolds;
};
const Condition kConditions[] = {
    {"Z", &Registers::Z, 1}, {"NZ", &Registers::Z, 0}, {"P", &Registers::S, 0},
    {"M", &Registers::S, 1}, {"C", &Registers::CY, 1}, {"NC", &Registers::CY, 0},
    {"PE", &Registers::P, 1}, {"PO", &Registers::P, 0},
};
// clang-format on

std::vector<StepCase> ConditionalCases() {
  std::vector<StepCase> cases;
  for (const Condition& c : kConditions) {
    for (const bool holds : {true, false}) {
      for (const int others : {0, 1}) {
        Registers r{
            .SP = 0x2000, .S = others, .Z = others, .AC = others, .P = others, .CY = others};
        r.*c.flag = holds ? c.whenHolds : 1 - c.whenHolds;
        const std::string tail =
            std::string(holds ? "_holds" : "_fails") + "_others_" + std::to_string(others);
        cases.push_back({.name = "J" + c.suffix + tail,
                         .lines = {"J" + c.suffix + " CEL", "NOP", "CEL:", "NOP"},
                         .before = r,
                         .after = r,
                         .pcAfter = holds ? 3 : 1});
        Registers called = r;
        if (holds) called.SP = 0x1FFE;
        cases.push_back({.name = "C" + c.suffix + tail,
                         .lines = {"NOP", "C" + c.suffix + " CEL", "NOP", "CEL:", "NOP"},
                         .pc = 1,
                         .before = r,
                         .after = called,
                         .memoryAfter = holds ? std::vector<Cell>{{0x1FFF, 0}, {0x1FFE, 2}}
                                              : std::vector<Cell>{},
                         .pcAfter = holds ? 4 : 2});
        Registers returned = r;
        if (holds) returned.SP = 0x2002;
        cases.push_back({.name = "R" + c.suffix + tail,
                         .lines = {"R" + c.suffix, "NOP", "NOP", "NOP"},
                         .before = r,
                         .memory = {{0x2000, 3}},
                         .after = returned,
                         .pcAfter = holds ? 3 : 1});
      }
    }
  }
  return cases;
}

// RST n goes to the label RST_n whatever line it is on.
std::vector<StepCase> RestartCases() {
  const std::vector<std::string> lines = {"NOP",    "RST_7:", "RST_0:", "NOP",
                                          "RST_5:", "RST_1:", "RST_6:", "RST_2:",
                                          "RST_4:", "RST_3:", "NOP"};
  const int labelLine[8] = {2, 5, 7, 9, 8, 4, 6, 1};
  std::vector<StepCase> cases;
  for (int n = 0; n < 8; ++n) {
    std::vector<std::string> program = lines;
    program[0] = "RST " + std::to_string(n);
    cases.push_back({.name = "RST_" + std::to_string(n),
                     .lines = program,
                     .before = {.SP = 0x2000},
                     .after = {.SP = 0x2000},
                     .pcAfter = labelLine[n] + 1});
  }
  return cases;
}

// POP PSW takes each flag from its own bit.
std::vector<StepCase> FlagBitCases() {
  struct Bit {
    const char* flag;
    int value;
    Registers flags;
  };
  const Bit bits[] = {{"S", 0x80, {.S = 1}},
                      {"Z", 0x40, {.Z = 1}},
                      {"AC", 0x10, {.AC = 1}},
                      {"P", 0x04, {.P = 1}},
                      {"CY", 0x01, {.CY = 1}}};
  std::vector<StepCase> cases;
  for (const Bit& b : bits) {
    Registers after = b.flags;
    after.SP = 2;
    cases.push_back({.name = std::string("POP_PSW_bit_of_") + b.flag,
                     .lines = {"POP PSW", "HLT"},
                     .memory = {{0, b.value}},
                     .after = after});
  }
  return cases;
}

class ControlInstructionTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(ControlInstructionTest, ChangesExactlyWhatTheInstructionDefines) {
  RunAndCompare(GetParam());
}

std::string Name(const ::testing::TestParamInfo<StepCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Fixed, ControlInstructionTest, ::testing::ValuesIn(FixedCases()), Name);
INSTANTIATE_TEST_SUITE_P(Conditions, ControlInstructionTest,
                         ::testing::ValuesIn(ConditionalCases()), Name);
INSTANTIATE_TEST_SUITE_P(Restarts, ControlInstructionTest, ::testing::ValuesIn(RestartCases()),
                         Name);
INSTANTIATE_TEST_SUITE_P(FlagByte, ControlInstructionTest, ::testing::ValuesIn(FlagBitCases()),
                         Name);

}  // namespace
}  // namespace kwarcyt::testing
