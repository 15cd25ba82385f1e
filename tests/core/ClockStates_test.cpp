// The clock states a step adds: the 8085's count for the instruction, the M and taken variants,
// nothing for lines without an instruction and for a step that fails.
#include <gtest/gtest.h>

#include <cctype>

#include "StepCase.h"
#include "core/Interpreter.h"

namespace kwarcyt::testing {
namespace {

struct ClockCase {
  std::string line;
  int flags;  // the flag byte before the step: S Z 0 AC 0 P 0 CY
  int expected;
};

// The flag byte with only the named flags set.
constexpr int kZ = 0x40, kS = 0x80, kP = 0x04, kCY = 0x01, kNone = 0;

class ClockStatesTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockStatesTest, StepAddsTheInstructionsClockStates) {
  const ClockCase& c = GetParam();
  // Line 0 is the step; CEL is line 2; the stack holds the return line 1.
  const std::vector<std::string> lines{c.line, "HLT", "CEL:", "RST_3:", "HLT"};
  const Program program(lines, LabelsOf(lines));
  MachineState machine;
  machine.S = c.flags >> 7 & 1;
  machine.Z = c.flags >> 6 & 1;
  machine.P = c.flags >> 2 & 1;
  machine.CY = c.flags & 1;
  machine.SP = 0x100;
  machine.Memory[0x100] = 1;
  machine.TStates = 1000;
  ErrorList errors;
  WykonajRozkaz(machine, program, errors);
  EXPECT_EQ(machine.TStates, 1000u + static_cast<unsigned>(c.expected)) << c.line;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Instructions, ClockStatesTest, ::testing::Values(
    ClockCase{"MOV A,B", kNone, 4}, ClockCase{"MOV A,M", kNone, 7}, ClockCase{"MOV M,C", kNone, 7},
    ClockCase{"MVI B,1", kNone, 7}, ClockCase{"MVI M,1", kNone, 10},
    ClockCase{"ADD B", kNone, 4}, ClockCase{"SBB M", kNone, 7}, ClockCase{"CPI 3", kNone, 7},
    ClockCase{"INR C", kNone, 4}, ClockCase{"DCR M", kNone, 10}, ClockCase{"INX H", kNone, 6},
    ClockCase{"DAD SP", kNone, 10}, ClockCase{"DAA", kNone, 4}, ClockCase{"NOP", kNone, 4},
    ClockCase{"HLT", kNone, 5}, ClockCase{"LDA 10h", kNone, 13}, ClockCase{"SHLD 10h", kNone, 16},
    ClockCase{"XTHL", kNone, 16}, ClockCase{"PUSH PSW", kNone, 12}, ClockCase{"POP B", kNone, 10},
    ClockCase{"RST 3", kNone, 12}, ClockCase{"IN 1", kNone, 10}, ClockCase{"SPHL", kNone, 6},
    ClockCase{"JMP CEL", kNone, 10}, ClockCase{"CALL CEL", kNone, 18}, ClockCase{"RET", kNone, 10},
    ClockCase{"PCHL", kNone, 6}, ClockCase{"EI", kNone, 4},
    // Without an instruction, and a step that fails (PCHL with HL beyond the program).
    ClockCase{"PETLA:", kNone, 0}, ClockCase{"/ komentarz", kNone, 0}, ClockCase{"", kNone, 0},
    // Taken, then not taken, for each condition.
    ClockCase{"JZ CEL", kZ, 10}, ClockCase{"JZ CEL", kNone, 7},
    ClockCase{"JNZ CEL", kNone, 10}, ClockCase{"JNZ CEL", kZ, 7},
    ClockCase{"JP CEL", kNone, 10}, ClockCase{"JP CEL", kS, 7},
    ClockCase{"JM CEL", kS, 10}, ClockCase{"JM CEL", kNone, 7},
    ClockCase{"JC CEL", kCY, 10}, ClockCase{"JC CEL", kNone, 7},
    ClockCase{"JNC CEL", kNone, 10}, ClockCase{"JNC CEL", kCY, 7},
    ClockCase{"JPE CEL", kP, 10}, ClockCase{"JPE CEL", kNone, 7},
    ClockCase{"JPO CEL", kNone, 10}, ClockCase{"JPO CEL", kP, 7},
    ClockCase{"CZ CEL", kZ, 18}, ClockCase{"CZ CEL", kNone, 9},
    ClockCase{"CNZ CEL", kNone, 18}, ClockCase{"CNZ CEL", kZ, 9},
    ClockCase{"CP CEL", kNone, 18}, ClockCase{"CP CEL", kS, 9},
    ClockCase{"CM CEL", kS, 18}, ClockCase{"CM CEL", kNone, 9},
    ClockCase{"CC CEL", kCY, 18}, ClockCase{"CC CEL", kNone, 9},
    ClockCase{"CNC CEL", kNone, 18}, ClockCase{"CNC CEL", kCY, 9},
    ClockCase{"CPE CEL", kP, 18}, ClockCase{"CPE CEL", kNone, 9},
    ClockCase{"CPO CEL", kNone, 18}, ClockCase{"CPO CEL", kP, 9},
    ClockCase{"RZ", kZ, 12}, ClockCase{"RZ", kNone, 6},
    ClockCase{"RNZ", kNone, 12}, ClockCase{"RNZ", kZ, 6},
    ClockCase{"RP", kNone, 12}, ClockCase{"RP", kS, 6},
    ClockCase{"RM", kS, 12}, ClockCase{"RM", kNone, 6},
    ClockCase{"RC", kCY, 12}, ClockCase{"RC", kNone, 6},
    ClockCase{"RNC", kNone, 12}, ClockCase{"RNC", kCY, 6},
    ClockCase{"RPE", kP, 12}, ClockCase{"RPE", kNone, 6},
    ClockCase{"RPO", kNone, 12}, ClockCase{"RPO", kP, 6}),
    [](const ::testing::TestParamInfo<ClockCase>& info) {
      std::string name;
      for (const char c : info.param.line) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name + "_" + std::to_string(info.index);
    });
// clang-format on

TEST(ClockStates, AStepThatFailsAddsNothing) {
  const std::vector<std::string> lines{"LXI H,100", "PCHL"};
  const Program program(lines, LabelsOf(lines));
  MachineState machine;
  ErrorList errors;
  WykonajRozkaz(machine, program, errors);
  EXPECT_EQ(WykonajRozkaz(machine, program, errors), RunEnd::RuntimeError);
  EXPECT_EQ(machine.TStates, 10u);
}

}  // namespace
}  // namespace kwarcyt::testing
