#include "StepHistory.h"

#include "MachineAccess.h"

namespace kwarcyt {
namespace {

std::uint8_t Byte(int value) {
  return static_cast<std::uint8_t>(value & 0xFF);
}
std::uint16_t Word(int value) {
  return static_cast<std::uint16_t>(value & 0xFFFF);
}

// The memory cells a step of this line may write, given the machine before it: the interpreter
// writes through HL, a pair, an address operand or the stack. A conditional call that is not
// taken writes nothing, but keeping its two cells costs nothing and restores the same bytes.
int CellsWritten(const MachineState& m, const DecodedLine& line, int (&address)[2]) {
  switch (line.op) {
    case Op::Mov:
    case Op::Mvi:
    case Op::Inr:
    case Op::Dcr:
      if (line.a != RegM) return 0;
      address[0] = m.HL();
      return 1;
    case Op::Sta:
      address[0] = line.value;
      return 1;
    case Op::Shld:
      address[0] = line.value;
      address[1] = line.value + 1;
      return 2;
    case Op::Stax:
      address[0] = line.a == PairBC ? m.BC() : m.DE();
      return 1;
    case Op::Push:
    case Op::Call:
      address[0] = m.SP - 1;
      address[1] = m.SP - 2;
      return 2;
    case Op::Xthl:
      address[0] = m.SP;
      address[1] = m.SP + 1;
      return 2;
    default:
      return 0;
  }
}

}  // namespace

StepHistory::Entry& StepHistory::At(std::size_t index) {
  return chunks_[index / kEntriesPerChunk][index % kEntriesPerChunk];
}

const StepHistory::Entry& StepHistory::At(std::size_t index) const {
  return chunks_[index / kEntriesPerChunk][index % kEntriesPerChunk];
}

void StepHistory::Record(const MachineState& m, const DecodedLine& line) {
  std::size_t index;
  if (size_ == kCapacity) {
    index = first_;
    first_ = (first_ + 1) % kCapacity;
  } else {
    index = (first_ + size_) % kCapacity;
    ++size_;
    // Grown a chunk at a time, so that a short run costs little memory and a long one never
    // copies what it has.
    if (index / kEntriesPerChunk >= chunks_.size()) {
      chunks_.push_back(std::make_unique_for_overwrite<Entry[]>(kEntriesPerChunk));
    }
  }
  Entry& entry = At(index);
  entry.tstates = m.TStates;
  entry.pc = Word(m.PC);
  entry.sp = Word(m.SP);
  entry.a = Byte(m.A);
  entry.b = Byte(m.B);
  entry.c = Byte(m.C);
  entry.d = Byte(m.D);
  entry.e = Byte(m.E);
  entry.h = Byte(m.H);
  entry.l = Byte(m.L);
  entry.flags = Byte(FlagByte(m));
  int address[2] = {0, 0};
  const int cells = CellsWritten(m, line, address);
  entry.cellCount = static_cast<std::uint8_t>(cells);
  for (int i = 0; i < cells; ++i) {
    entry.address[i] = Word(address[i]);
    entry.oldByte[i] = m.Memory[entry.address[i]];
  }
  entry.portChanged = line.op == Op::Out;
  if (entry.portChanged) {
    entry.port = Byte(line.value);
    entry.oldPort = m.OutputPorts[entry.port];
  }
}

void StepHistory::DropLast() {
  if (size_ > 0) --size_;
}

void StepHistory::Restore(const Entry& entry, MachineState& m) {
  m.TStates = entry.tstates;
  m.PC = entry.pc;
  m.SP = entry.sp;
  m.A = entry.a;
  m.B = entry.b;
  m.C = entry.c;
  m.D = entry.d;
  m.E = entry.e;
  m.H = entry.h;
  m.L = entry.l;
  SetFlagsFromByte(m, entry.flags);
  // Newest first, in case both cells are one.
  for (int i = entry.cellCount - 1; i >= 0; --i) m.Memory[entry.address[i]] = entry.oldByte[i];
  if (entry.portChanged) m.OutputPorts[entry.port] = entry.oldPort;
}

bool StepHistory::Undo(MachineState& machine) {
  if (size_ == 0) return false;
  Restore(Newest(), machine);
  --size_;
  return true;
}

bool StepHistory::StateBeforeLastStep(MachineState& machine) const {
  if (size_ == 0) return false;
  Restore(Newest(), machine);
  return true;
}

int StepHistory::LastStepLine() const {
  return size_ == 0 ? -1 : Newest().pc;
}

void StepHistory::Clear() {
  first_ = 0;
  size_ = 0;
}

}  // namespace kwarcyt
