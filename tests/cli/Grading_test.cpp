// Assignment files: each kind of fault with the place it names; each kind of expectation met and
// missed by a real run.
#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Assignment.h"
#include "cli/Grading.h"

namespace kwarcyt {
namespace {

struct FaultCase {
  const char* name;
  const char* json;
  const char* error;
  friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
};

class AssignmentFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(AssignmentFaultTest, NamesThePlaceAndLoadsNothing) {
  const AssignmentLoad load = ParseAssignment(GetParam().json, "zadanie");
  EXPECT_FALSE(load.assignment.has_value());
  EXPECT_EQ(load.error.toStdString(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, AssignmentFaultTest,
    ::testing::Values(
        FaultCase{
            "MissingComma",
            "{\"name\": \"x\",\n  \"cases\": [\n    {\"name\": \"a\" \"set\": {}}]}",
            "wiersz 3, kolumna 18: obiekt nie jest zamknięty znakiem „}” albo brak przecinka"},
        FaultCase{
            "ColumnCountsCharacters", "{\"name\": \"żółć\" ]",
            "wiersz 1, kolumna 17: obiekt nie jest zamknięty znakiem „}” albo brak przecinka"},
        FaultCase{"NotAnObject", "[1]",
                  "oczekiwano obiektu {…} z kluczami name, max_steps, flag_rules, cases"},
        FaultCase{"UnknownTopKey", "{\"cases\": [{}], \"limit\": 5}",
                  "limit: nieznany klucz (dozwolone: name, max_steps, flag_rules, cases)"},
        FaultCase{"UnknownFlagRules", R"({"flag_rules": "z80", "cases": [{}]})",
                  "flag_rules: nieznany zestaw reguł „z80” (dozwolone: kwarcyt, 8085)"},
        FaultCase{"NoCases", "{\"cases\": []}",
                  "cases: oczekiwano niepustej listy przypadków [{…}, …]"},
        FaultCase{"UnknownRegister", "{\"cases\": [{}, {\"expect\": {\"registers\": {\"Q\": 1}}}]}",
                  "cases[1].expect.registers.Q: nieznany rejestr „Q” (dozwolone: A B C D E H L BC "
                  "DE HL PC SP)"},
        FaultCase{"ByteTooLarge", "{\"cases\": [{\"expect\": {\"registers\": {\"A\": 256}}}]}",
                  "cases[0].expect.registers.A: „256” nie jest liczbą z zakresu 0..255"},
        FaultCase{"NotAWholeNumber", "{\"cases\": [{\"expect\": {\"flags\": {\"Z\": 0.5}}}]}",
                  "cases[0].expect.flags.Z: „0.5” nie jest liczbą z zakresu 0..1"},
        FaultCase{"BadLiteral", "{\"cases\": [{\"set\": {\"HL\": \"20G0h\"}}]}",
                  "cases[0].set.HL: „20G0h” nie jest liczbą z zakresu 0..65535"},
        FaultCase{"ByteNotANumber", "{\"cases\": [{\"mem\": {\"2000h\": [1, true]}}]}",
                  "cases[0].mem.2000h[1]: oczekiwano liczby, na przykład 75, \"4Bh\", "
                  "\"01001011b\" lub \"'K'\""},
        FaultCase{"BytesPastMemory", "{\"cases\": [{\"mem\": {\"0FFFFh\": [1, 2]}}]}",
                  "cases[0].mem.0FFFFh: lista 2 bajtów wychodzi poza ostatnią komórkę 65535"},
        FaultCase{"UnknownExpectation", "{\"cases\": [{\"expect\": {\"regs\": {}}}]}",
                  "cases[0].expect.regs: nieznany klucz (dozwolone: end, registers, flags, out, "
                  "memory, max_steps, max_tstates)"},
        FaultCase{"UnknownEnd", "{\"cases\": [{\"expect\": {\"end\": \"break\"}}]}",
                  "cases[0].expect.end: nieznane zakończenie „break” (dozwolone: hlt, end, error, "
                  "limit, idle)"},
        FaultCase{"NegativeBound", "{\"max_steps\": -1, \"cases\": [{}]}",
                  "max_steps: „-1” nie jest liczbą z zakresu 0..2147483647"}));

struct ExpectationCase {
  const char* name;
  const char* program;  // lines separated by '\n'
  const char* testCase;
  std::vector<std::string> differences;
  friend void PrintTo(const ExpectationCase& c, std::ostream* os) { *os << c.name; }
};

class ExpectationTest : public ::testing::TestWithParam<ExpectationCase> {};

TEST_P(ExpectationTest, FindsTheDifferencesOfARealRun) {
  const ExpectationCase& c = GetParam();
  const AssignmentLoad load =
      ParseAssignment(QStringLiteral("{\"cases\": [%1]}").arg(c.testCase).toUtf8(), "zadanie");
  ASSERT_TRUE(load.assignment) << load.error.toStdString();
  std::vector<std::string> lines;
  std::istringstream program(c.program);
  for (std::string line; std::getline(program, line);) lines.push_back(line);

  const CaseGrade grade = GradeCase(load.assignment->cases.front(), lines, false);
  std::vector<std::string> differences;
  for (const QString& difference : grade.differences)
    differences.push_back(difference.toStdString());
  EXPECT_EQ(differences, c.differences);
  EXPECT_EQ(grade.passed, c.differences.empty());
}

const char* const kSum = "MVI B,3\nMVI A,0\nP:\nADD M\nINX H\nDCR B\nJNZ P\nOUT 1\nSTA 2100h\nHLT";
const char* const kSumCase =
    R"({"set": {"HL": "2000h"}, "mem": {"2000h": ["00000101b", "0Ah", "'A'"]},
    "expect": {"end": "hlt", "registers": {"A": 80, "HL": "2003h", "B": 0},
               "flags": {"Z": 1, "CY": 0}, "out": {"1": 80}, "memory": {"2100h": [80]},
               "max_steps": 18}})";

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExpectationTest,
    ::testing::Values(
        ExpectationCase{"EveryKindMet", kSum, kSumCase, {}},
        ExpectationCase{
            "Registers",
            kSum,
            R"({"expect": {"registers": {"A": 10, "hl": "2000h", "PC": 2}}})",
            {"A: oczekiwano 10 (0Ah), jest 0 (00h)", "HL: oczekiwano 8192 (2000h), jest 3 (0003h)",
             "PC: oczekiwano 2, jest 9"}},
        ExpectationCase{"Flag",
                        kSum,
                        R"({"expect": {"flags": {"Z": 0, "CY": 0}}})",
                        {"Z: oczekiwano 0, jest 1"}},
        ExpectationCase{"OutputPort",
                        kSum,
                        R"({"expect": {"out": {"1": 1, "2": 0}}})",
                        {"port wyjściowy 1: oczekiwano 1 (01h), jest 0 (00h)"}},
        ExpectationCase{"MemoryFirstCellAndCount",
                        kSum,
                        R"({"set": {"HL": "2000h"}, "mem": {"2000h": [1]},
                            "expect": {"memory": {"2100h": [2], "2101h": [0, 7, 7]}}})",
                        {"pamięć 2100h: oczekiwano 2 (02h), jest 1 (01h)",
                         "pamięć 2102h: oczekiwano 7 (07h), jest 0 (00h); różnych komórek w "
                         "2101h..2103h: 2"}},
        ExpectationCase{"Steps",
                        kSum,
                        R"({"expect": {"max_steps": 17}})",
                        {"kroki: oczekiwano najwyżej 17, jest 18"}},
        ExpectationCase{"EndAndTheStateAfterIt",
                        "P:\nJMP P",
                        R"({"expect": {"end": "hlt", "registers": {"PC": 0}}})",
                        {"zakończenie: oczekiwano „hlt”, jest „limit”. Program wciąż działał, gdy "
                         "wyczerpał się limit kroków.",
                         "PC: oczekiwano 0, jest 1"}},
        ExpectationCase{"EndWithTheRunTimeError",
                        "LXI H,100\nPCHL",
                        R"({"expect": {"end": "end"}})",
                        {"zakończenie: oczekiwano „end”, jest „error”. Program przerwany błędem "
                         "wykonania. 1: Nie można wykonać skoku pod adres 100"}},
        ExpectationCase{"CheckFailsEveryExpectation",
                        "MVI A",
                        R"({"expect": {"registers": {"A": 0}}})",
                        {"program zawiera błędy: 0: Należy podać liczbę z zakresu {0..255}"}},
        ExpectationCase{"SettingThatDoesNotFitTheProgram",
                        "HLT",
                        R"({"set": {"PC": 1}})",
                        {"--set PC=1: „1” nie jest liczbą z zakresu 0..0"}},
        // Clock states: MVI 7, HLT 5, a conditional jump 7 not taken, JMP 10, LXI 10, CALL 18,
        // RET 10.
        ExpectationCase{
            "ClockStatesWithinBound", "MVI A,1\nHLT", R"({"expect": {"max_tstates": 12}})", {}},
        ExpectationCase{"ClockStatesAboveBound",
                        "MVI A,1\nHLT",
                        R"({"expect": {"max_tstates": 11}})",
                        {"takty zegara: oczekiwano najwyżej 11, jest 12"}},
        ExpectationCase{"ClockStatesOfJumpNotTaken",
                        "MVI A,0\nJZ K\nK:\nHLT",
                        R"({"expect": {"max_tstates": 18}})",
                        {"takty zegara: oczekiwano najwyżej 18, jest 19"}},
        ExpectationCase{"ClockStatesOfJump",
                        "JMP K\nMVI A,1\nK:\nHLT",
                        R"({"expect": {"max_tstates": 14}})",
                        {"takty zegara: oczekiwano najwyżej 14, jest 15"}},
        ExpectationCase{"ClockStatesOfCallAndReturn",
                        "LXI SP,3000h\nCALL P\nHLT\nP:\nRET",
                        R"({"expect": {"max_tstates": 42}})",
                        {"takty zegara: oczekiwano najwyżej 42, jest 43"}}));

}  // namespace
}  // namespace kwarcyt
