#include "MachineCycles.h"

#include "Interpreter.h"
#include "internal/FlagReasons.h"
#include "internal/MachineAccess.h"

namespace kwarcyt {
namespace {

// The classes whose data reads and writes (M, W, X) have an address DataAddress can name.
constexpr bool NamesDataAddress(InstructionClass operands) {
  using enum InstructionClass;
  return operands == Register || operands == Mov || operands == Mvi || operands == Address ||
         operands == Indirect;
}

constexpr bool DataCyclesAddressable() {
  for (const InstructionInfo& row : kInstructions) {
    for (const std::string_view pattern : {row.cycles.usual, row.cycles.withMemoryOrTaken}) {
      if (pattern.find_first_of("MWX") != std::string_view::npos &&
          !NamesDataAddress(row.operands)) {
        return false;
      }
    }
  }
  return true;
}
static_assert(DataCyclesAddressable(), "a row reads or writes data at an address it does not name");

int DataAddress(const MachineState& m, const DecodedLine& line, InstructionClass operands) {
  switch (operands) {
    case InstructionClass::Address:
      return line.value;
    case InstructionClass::Indirect:
      return ReadPair(m, line.a);
    default:
      return m.HL();  // M
  }
}

// The byte of a 16-bit value the k-th stack write puts down: the high byte first, as pushing does.
int PushedByte(int value, int k) {
  return k == 0 ? value >> 8 & 0xFF : value & 0xFF;
}

// Builds the cycles of one step from its pattern.
class CycleBuilder {
 public:
  CycleBuilder(const MachineState& m, const Program& program, const MachineCode& code, int line)
      : m_(m),
        program_(program),
        code_(code),
        line_(program.DecodedLines()[static_cast<std::size_t>(line)]),
        row_(kInstructions[line_.row]),
        at_(code.Lines()[static_cast<std::size_t>(line)]) {}

  std::vector<MachineCycle> Build() {
    for (const char letter : Pattern()) Add(letter);
    return std::move(cycles_);
  }

 private:
  std::string_view Pattern() const {
    const bool second = TakesCondition(row_) ? ConditionHolds(m_, row_.condition)
                                             : NamesMemory(line_, row_.operands);
    return second ? SecondForm(row_.cycles) : row_.cycles.usual;
  }

  MachineCycle& Cycle(CycleKind kind, int clockStates, int address = kNotKnown,
                      int data = kNotKnown) {
    MachineCycle& cycle = cycles_.emplace_back();
    cycle.kind = kind;
    cycle.clockStates = clockStates;
    cycle.address = address;
    cycle.data = data;
    cycle.lines = SignalsOf(kind);
    return cycle;
  }

  int Memory(int address) const { return m_.Memory[static_cast<std::size_t>(address & 0xFFFF)]; }

  void Add(char letter) {
    switch (letter) {
      case 'F':
      case 'S':
        Cycle(CycleKind::OpcodeFetch, CycleClockStates(letter), at_.address, at_.bytes[0]);
        break;
      case 'R':
        Cycle(CycleKind::MemoryRead, 3, (at_.address + operandBytes_ + 1) & 0xFFFF,
              at_.bytes[static_cast<std::size_t>(operandBytes_ + 1)]);
        ++operandBytes_;
        break;
      case 'X':
        Add(line_.b == RegM ? 'M' : 'W');
        break;
      case 'M': {
        const int address = (DataAddress(m_, line_, row_.operands) + dataReads_++) & 0xFFFF;
        Cycle(CycleKind::MemoryRead, 3, address, Memory(address));
        break;
      }
      case 'W':
        Cycle(CycleKind::MemoryWrite, 3,
              (DataAddress(m_, line_, row_.operands) + dataWrites_++) & 0xFFFF);
        break;
      case 'P':
        StackRead();
        break;
      case 'U':
        StackWrite();
        break;
      case 'I':
        Cycle(CycleKind::IoRead, 3, Port() * 0x101,
              m_.InputPorts[static_cast<std::size_t>(Port())]);
        break;
      case 'O':
        Cycle(CycleKind::IoWrite, 3, Port() * 0x101);
        break;
      case 'B':
        Cycle(CycleKind::BusIdle, 3);
        break;
      case 'H':
        Cycle(CycleKind::Halt, 1);
        break;
      default:
        break;
    }
  }

  int Port() const { return line_.value & 0xFF; }

  void StackRead() {
    const int k = stackReads_++;
    const int address = (m_.SP + k) & 0xFFFF;
    MachineCycle& cycle = Cycle(CycleKind::MemoryRead, 3, address, Memory(address));
    if (line_.op != Op::Return) return;
    // Kwarcyt keeps line numbers on the stack; the processor would find the line's address.
    const int returnLine = Memory(m_.SP) | Memory(m_.SP + 1) << 8;
    cycle.note = "numer wiersza";
    if (returnLine <= program_.LineCount()) {
      const int address16 = code_.LineAddress(returnLine);
      cycle.note += "; procesor odczytałby " + ByteHex(k == 0 ? address16 & 0xFF : address16 >> 8);
    }
  }

  void StackWrite() {
    const int k = stackWrites_++;
    MachineCycle& cycle = Cycle(CycleKind::MemoryWrite, 3, (m_.SP + stackReads_ - 1 - k) & 0xFFFF);
    const int returnAddress = (at_.address + at_.size) & 0xFFFF;
    if (line_.op == Op::Rst) {
      cycle.performed = false;
      cycle.data = PushedByte(returnAddress, k);
      cycle.note = "Kwarcyt nie zapisuje";
    } else if (line_.op == Op::Call) {
      cycle.note = "numer wiersza; procesor zapisałby " + ByteHex(PushedByte(returnAddress, k));
    }
  }

  const MachineState& m_;
  const Program& program_;
  const MachineCode& code_;
  const DecodedLine& line_;
  const InstructionInfo& row_;
  const CodeLine& at_;
  std::vector<MachineCycle> cycles_;
  int operandBytes_ = 0;
  int dataReads_ = 0;
  int dataWrites_ = 0;
  int stackReads_ = 0;
  int stackWrites_ = 0;
};

}  // namespace

std::string_view CycleName(CycleKind kind) {
  switch (kind) {
    case CycleKind::OpcodeFetch:
      return "OF";
    case CycleKind::MemoryRead:
      return "MR";
    case CycleKind::MemoryWrite:
      return "MW";
    case CycleKind::IoRead:
      return "IOR";
    case CycleKind::IoWrite:
      return "IOW";
    case CycleKind::BusIdle:
      return "BI";
    case CycleKind::Halt:
      return "HALT";
  }
  return "";
}

CycleSignals SignalsOf(CycleKind kind) {
  switch (kind) {
    case CycleKind::OpcodeFetch:
      return {.s1 = true, .s0 = true, .read = true, .ale = true};
    case CycleKind::MemoryRead:
      return {.s1 = true, .read = true, .ale = true};
    case CycleKind::MemoryWrite:
      return {.s0 = true, .write = true, .ale = true};
    case CycleKind::IoRead:
      return {.ioM = true, .s1 = true, .read = true, .ale = true};
    case CycleKind::IoWrite:
      return {.ioM = true, .s0 = true, .write = true, .ale = true};
    case CycleKind::BusIdle:
      return {.s1 = true};
    case CycleKind::Halt:
      return {.floating = true};
  }
  return {};
}

int StepCycles::ClockStates() const {
  int sum = 0;
  for (const MachineCycle& cycle : cycles) sum += cycle.clockStates;
  return sum;
}

StepCycles PlanStepCycles(const MachineState& before, const Program& program,
                          const MachineCode& code) {
  StepCycles step;
  step.line = before.PC;
  if (before.PC < 0 || before.PC >= program.LineCount()) return step;
  const auto line = static_cast<std::size_t>(before.PC);
  if (program.DecodedLines()[line].row == kNoInstruction ||
      code.Lines().size() != program.DecodedLines().size()) {
    return step;
  }
  step.cycles = CycleBuilder(before, program, code, before.PC).Build();
  return step;
}

void CompleteStepCycles(StepCycles& step, const MachineState& after) {
  for (MachineCycle& cycle : step.cycles) {
    if (!cycle.performed) continue;
    if (cycle.kind == CycleKind::MemoryWrite) {
      cycle.data = after.Memory[static_cast<std::size_t>(cycle.address)];
    } else if (cycle.kind == CycleKind::IoWrite) {
      cycle.data = after.OutputPorts[static_cast<std::size_t>(cycle.address & 0xFF)];
    }
  }
}

StepCycles StepCyclesBetween(const MachineState& before, const MachineState& after,
                             const Program& program, const MachineCode& code) {
  StepCycles step = PlanStepCycles(before, program, code);
  CompleteStepCycles(step, after);
  return step;
}

std::string CyclesLine(const StepCycles& step) {
  std::string text = std::to_string(step.line) + ':';
  for (const MachineCycle& cycle : step.cycles) {
    text += ' ';
    text += CycleName(cycle.kind);
    text += ' ' + std::to_string(cycle.clockStates);
  }
  return text;
}

}  // namespace kwarcyt
