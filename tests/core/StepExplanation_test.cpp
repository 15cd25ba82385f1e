// Every value and flag the step explanation states is what the step really left, and its clock
// states are those of the instruction table: for every instruction, from many random machines,
// under both flag rule sets.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <regex>
#include <sstream>

#include "StepCase.h"
#include "checker/InstructionSet.h"
#include "core/Interpreter.h"
#include "core/MachineFields.h"
#include "core/StepExplanation.h"

namespace kwarcyt::testing {
namespace {

std::string Pick(std::minstd_rand& random, std::initializer_list<const char*> words) {
  return *(words.begin() + random() % words.size());
}

// A line the checker accepts, with operands drawn at random.
std::string LineFor(const InstructionInfo& row, std::minstd_rand& random) {
  const std::string mnemonic(row.mnemonic);
  const std::string byte = std::to_string(random() % 256);
  const auto reg = [&] { return Pick(random, {"A", "B", "C", "D", "E", "H", "L", "M"}); };
  using enum InstructionClass;
  switch (row.operands) {
    case Register:
      return mnemonic + " " + reg();
    case Byte:
      return mnemonic + " " + byte;
    case Jump:
      return mnemonic + " CEL";
    case NoOperand:
      return mnemonic;
    case Pair:
      return mnemonic + " " + Pick(random, {"B", "D", "H", "SP"});
    case Address:
      return mnemonic + " " + std::to_string(random() % 65536);
    case Indirect:
      return mnemonic + " " + Pick(random, {"B", "D"});
    case Lxi:
      return mnemonic + " " + Pick(random, {"B", "D", "H", "SP"}) + "," + byte;
    case Mov:
      return mnemonic + " " + Pick(random, {"A", "B", "M"}) + "," + reg();
    case Mvi:
      return mnemonic + " " + reg() + "," + byte;
    case Stack:
      return mnemonic + " " + Pick(random, {"B", "D", "H", "PSW"});
    case Rst:
      return mnemonic + " " + std::to_string(random() % 8);
  }
  return mnemonic;
}

void Randomize(MachineState& m, std::minstd_rand& random) {
  for (int* field : {&m.A, &m.B, &m.C, &m.D, &m.E, &m.H, &m.L}) *field = int(random() % 256);
  for (int* flag : {&m.S, &m.Z, &m.AC, &m.P, &m.CY}) *flag = int(random() % 2);
  m.SP = int(random() % 65536);
  // Small addresses now and then, so that returns and PCHL land inside the program.
  if (random() % 2 == 0) m.H = 0, m.L = int(random() % 12);
  m.Memory[std::size_t(m.SP)] = std::uint8_t(random() % 12);
  m.Memory[std::size_t((m.SP + 1) & 0xFFFF)] = std::uint8_t(random() % 2);
  m.Memory[std::size_t(m.HL())] = std::uint8_t(random() % 256);
  for (auto& port : m.InputPorts) port = std::uint8_t(random() % 256);
  m.TStates = random() % 100000;
}

int Hex(const std::string& digits) {
  return std::stoi(digits, nullptr, 16);
}

// The clock states of the table for this line: with M, or with the condition held.
int TableClock(const InstructionInfo& row, const std::string& line, const MachineState& before,
               const MachineState& after) {
  const bool conditional = row.op == Op::Jump || row.op == Op::Call || row.op == Op::Return;
  const bool taken = row.op == Op::Jump ? after.PC != before.PC + 1 : after.SP != before.SP;
  const bool memory = line.find('M', row.mnemonic.size()) != std::string::npos;
  return (conditional ? taken : memory) ? row.clock.withMemoryOrTaken : row.clock.usual;
}

void CheckStatements(const std::string& text, const MachineState& before, const MachineState& after,
                     RunEnd outcome, int clock) {
  static const std::regex flagLine(R"(^  (S|Z|AC|P|CY)=([01]), bo .*)");
  static const std::regex changeLine(R"(^  (.+): ([0-9A-F]+)h → ([0-9A-F]+)h$)");
  static const std::regex cellName(R"(Pamięć \[([0-9A-F]{4})h\])");
  static const std::regex portName(R"(Port wyjściowy \[([0-9A-F]{2})h\])");
  static const std::regex sentence(R"(^[^:]+: ([ABCDEHL]|SP|BC|DE|HL) = .* = ([0-9A-F]+)h$)");
  static const std::regex clockLine(R"(^Takty: (\d+).*)");
  std::istringstream lines(text);
  std::string line;
  std::smatch m;
  int changes = 0;
  bool clockStated = false;
  while (std::getline(lines, line)) {
    if (std::regex_match(line, m, flagLine)) {
      EXPECT_EQ(FindField(m[1].str())->read(after), std::stoi(m[2])) << line;
    } else if (std::regex_match(line, m, changeLine)) {
      ++changes;
      const std::string name = m[1];
      std::smatch place;
      int value = 0;
      if (std::regex_match(name, place, cellName)) {
        value = after.Memory[std::size_t(Hex(place[1]))];
      } else if (std::regex_match(name, place, portName)) {
        value = after.OutputPorts[std::size_t(Hex(place[1]))];
      } else {
        value = FindField(name)->read(after);
      }
      EXPECT_EQ(value, Hex(m[3])) << line;
    } else if (std::regex_match(line, m, sentence)) {
      EXPECT_EQ(FindField(m[1].str())->read(after), Hex(m[2])) << line;
    } else if (std::regex_match(line, m, clockLine)) {
      clockStated = true;
      EXPECT_EQ(std::stoi(m[1]), outcome == RunEnd::RuntimeError ? 0 : clock) << line;
    }
  }
  EXPECT_TRUE(clockStated);
  // Nothing changed goes unmentioned.
  int changed = 0;
  for (const MachineField& field : ByteRegisterFields())
    changed += field.read(before) != field.read(after);
  changed += before.SP != after.SP;
  for (std::size_t i = 0; i < before.Memory.size(); ++i)
    changed += before.Memory[i] != after.Memory[i];
  for (std::size_t i = 0; i < 256; ++i) changed += before.OutputPorts[i] != after.OutputPorts[i];
  EXPECT_EQ(changes, changed);
}

// The line on the 8085 is there exactly when the processor's rules would leave some flag other
// than this simulator's did, and gives each such flag the processor's value.
void CheckProcessorLine(const std::string& text, const MachineState& before,
                        const MachineState& after, const Program& program) {
  auto other = std::make_unique<MachineState>(before);
  other->FlagRuleSet = FlagRules::Processor8085;
  ErrorList errors;
  WykonajRozkaz(*other, program, errors);
  const std::size_t at = text.find("Na prawdziwym procesorze 8085: ");
  bool differ = false;
  for (const MachineField& field : FlagFields()) {
    if (field.read(after) == field.read(*other)) continue;
    differ = true;
    const std::string stated = field.name + ("=" + std::to_string(field.read(*other))) + ", bo ";
    EXPECT_NE(text.find(stated, at), std::string::npos) << stated;
  }
  EXPECT_EQ(at != std::string::npos, differ);
}

TEST(StepExplanation, StatesWhatTheStepLeftForEveryInstruction) {
  std::minstd_rand random(2004);
  for (const InstructionInfo& row : kInstructions) {
    for (int round = 0; round < 40; ++round) {
      const std::string line = LineFor(row, random);
      std::vector<std::string> lines{line, "HLT", "CEL:", "NOP"};
      for (int n = 0; n < 8; ++n) lines.push_back("RST_" + std::to_string(n) + ":");
      const Program program(lines, LabelsOf(lines));
      auto before = std::make_unique<MachineState>();
      Randomize(*before, random);
      if (round % 2 == 1) before->FlagRuleSet = FlagRules::Processor8085;
      auto after = std::make_unique<MachineState>(*before);
      ErrorList errors;
      const RunEnd outcome = WykonajRozkaz(*after, program, errors);

      const std::string text = ExplainStep(*before, program);
      SCOPED_TRACE(text);
      EXPECT_EQ(text.rfind("Wiersz 0: " + line + "\n", 0), 0u);
      CheckStatements(text, *before, *after, outcome, TableClock(row, line, *before, *after));
      CheckProcessorLine(text, *before, *after, program);
      if (HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace kwarcyt::testing
