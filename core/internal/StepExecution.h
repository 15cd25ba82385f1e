// One step of the interpreter, written once over an observer: the run passes SilentObserver, the
// step explanation one that records why each flag came out as it did.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "FlagArithmetic.h"
#include "MachineAccess.h"
#include "StepObserver.h"
#include "checker/CheckerMessages.h"
#include "checker/MessageExcerpt.h"
#include "core/Interpreter.h"

namespace kwarcyt::step {

// EI, DI, RIM and SIM only say what they would have done.
inline void Report(const MachineState& machine, std::string_view text, ErrorList& errors) {
  errors.push_back(std::to_string(machine.PC) + std::string(text));
}

inline bool Holds(const MachineState& machine, std::uint8_t condition) {
  switch (condition) {
    case IfZero:
      return machine.Z != 0;
    case IfNotZero:
      return machine.Z == 0;
    case IfPlus:
      return machine.S == 0;
    case IfMinus:
      return machine.S != 0;
    case IfCarry:
      return machine.CY != 0;
    case IfNoCarry:
      return machine.CY == 0;
    case IfParityEven:
      return machine.P != 0;
    case IfParityOdd:
      return machine.P == 0;
    default:
      return true;
  }
}

// The line a return or PCHL continues at. One equal to the line count is allowed and ends the
// program in the completion of the step; a larger one stops the run with reason as help line.
inline RunEnd ContinueAt(MachineState& machine, int line, int lineCount, std::string_view reason,
                         ErrorList& errors) {
  if (line > lineCount) {
    errors.push_back(std::to_string(machine.PC) + ": Nie można wykonać skoku pod adres " +
                     std::to_string(line));
    errors.emplace_back(reason);
    return RunEnd::RuntimeError;
  }
  machine.PC = line - 1;
  return RunEnd::None;
}

// Whether a jump, call or return goes ahead; its clock states depend on it.
template <class Observer>
bool Taken(const MachineState& machine, std::uint8_t condition, bool& taken, Observer& o) {
  taken = Holds(machine, condition);
  o.Condition(taken);
  return taken;
}

// POP PSW gives every flag the bit of the byte taken from the stack.
template <class Observer>
void RestoreFlags(MachineState& m, int byte, Observer& o) {
  SetFlagsFromByte(m, byte);
  for (const auto& [flag, value] :
       {std::pair{FlagId::S, m.S}, std::pair{FlagId::Z, m.Z}, std::pair{FlagId::AC, m.AC},
        std::pair{FlagId::P, m.P}, std::pair{FlagId::CY, m.CY}}) {
    o.Flag(flag, value, FlagRule::FromFlagByte, byte);
  }
}

// Applies one decoded line; RunEnd::None means the step goes on to its completion. `taken` tells
// whether the condition of a jump, call or return held.
template <class Observer>
RunEnd Apply(MachineState& m, const Program& program, const DecodedLine& line, ErrorList& errors,
             bool& taken, Observer& o) {
  switch (line.op) {
    case Op::None:
      break;
    case Op::Unknown:
      errors.push_back(std::to_string(m.PC) + std::string(messages::kUnknownMnemonic) +
                       MessageExcerpt(program.UpperMnemonic(m.PC)) + "]");
      return RunEnd::RuntimeError;
    case Op::Halt:
      return RunEnd::Halted;
    case Op::Ei:
      Report(m, ": Odblokowano przerwanie INTR", errors);
      break;
    case Op::Di:
      Report(m, ": Zablokowano przerwanie INTR", errors);
      break;
    case Op::Rim:
      Report(m, ": Odblokowano przerwanie RST", errors);
      break;
    case Op::Sim:
      Report(m, ": Zablokowano przerwanie RST", errors);
      break;

    case Op::Mov:
      WriteRegister(m, line.a, ReadRegister(m, line.b), m.HL());
      break;
    case Op::Mvi:
      WriteRegister(m, line.a, line.value, m.HL());
      break;
    case Op::Lxi:
      WritePair(m, line.a, line.value);
      break;
    case Op::Lda:
      m.A = Cell(m, line.value);
      break;
    case Op::Sta:
      Cell(m, line.value) = static_cast<std::uint8_t>(m.A);
      break;
    case Op::Lhld:
      m.L = Cell(m, line.value);
      m.H = Cell(m, line.value + 1);
      break;
    case Op::Shld:
      Cell(m, line.value) = static_cast<std::uint8_t>(m.L);
      Cell(m, line.value + 1) = static_cast<std::uint8_t>(m.H);
      break;
    case Op::Ldax:
      m.A = Cell(m, ReadPair(m, line.a));
      break;
    case Op::Stax:
      Cell(m, ReadPair(m, line.a)) = static_cast<std::uint8_t>(m.A);
      break;
    case Op::Xchg:
      std::swap(m.D, m.H);
      std::swap(m.E, m.L);
      break;

    case Op::Add:
      AddToAccumulator(m, ReadRegister(m, line.a), 0, o);
      break;
    case Op::Adc:
      AddToAccumulator(m, ReadRegister(m, line.a), m.CY, o);
      break;
    case Op::Sub:
      SubtractFromAccumulator(m, ReadRegister(m, line.a), 0, false, o);
      break;
    case Op::Sbb:
      SubtractFromAccumulator(m, ReadRegister(m, line.a), m.CY, false, o);
      break;
    case Op::Cmp:
      SubtractFromAccumulator(m, ReadRegister(m, line.a), 0, true, o);
      break;
    case Op::Ana:
      m.A &= ReadRegister(m, line.a);
      SetLogicFlags(m, 1, o);
      break;
    case Op::Xra:
      m.A ^= ReadRegister(m, line.a);
      SetLogicFlags(m, 0, o);
      break;
    case Op::Ora:
      m.A |= ReadRegister(m, line.a);
      SetLogicFlags(m, 0, o);
      break;
    case Op::Adi:
      AddToAccumulator(m, line.value, 0, o);
      break;
    case Op::Aci:
      AddToAccumulator(m, line.value, m.CY, o);
      break;
    case Op::Sui:
      SubtractFromAccumulator(m, line.value, 0, false, o);
      break;
    case Op::Sbi:
      SubtractFromAccumulator(m, line.value, m.CY, false, o);
      break;
    case Op::Cpi:
      SubtractFromAccumulator(m, line.value, 0, true, o);
      break;
    case Op::Ani:
      m.A &= line.value;
      SetLogicFlags(m, 1, o);
      break;
    case Op::Xri:
      m.A ^= line.value;
      SetLogicFlags(m, 0, o);
      break;
    case Op::Ori:
      m.A |= line.value;
      SetLogicFlags(m, 0, o);
      break;
    case Op::Inr: {
      const int hl = m.HL();
      WriteRegister(m, line.a, Increment(m, ReadRegister(m, line.a), o), hl);
      break;
    }
    case Op::Dcr: {
      const int hl = m.HL();
      WriteRegister(m, line.a, Decrement(m, ReadRegister(m, line.a), o), hl);
      break;
    }
    case Op::Inx:
      WritePair(m, line.a, (ReadPair(m, line.a) + 1) & 0xFFFF);
      break;
    case Op::Dcx:
      WritePair(m, line.a, (ReadPair(m, line.a) + 0xFFFF) & 0xFFFF);
      break;
    case Op::Dad:
      AddToHL(m, ReadPair(m, line.a), o);
      break;
    case Op::Daa:
      DecimalAdjust(m, o);
      break;
    case Op::Rlc:
      RotateLeft(m, o);
      break;
    case Op::Rrc:
      RotateRight(m, o);
      break;
    case Op::Ral:
      RotateLeftThroughCarry(m, o);
      break;
    case Op::Rar:
      RotateRightThroughCarry(m, o);
      break;
    case Op::Cma:
      m.A = 255 - m.A;
      break;
    case Op::Cmc:
      m.CY = 1 - m.CY;
      o.Flag(FlagId::CY, m.CY, FlagRule::Complemented, 1 - m.CY);
      break;
    case Op::Stc:
      m.CY = 1;
      o.Flag(FlagId::CY, 1, FlagRule::SetCarry);
      break;

    case Op::Jump:
      if (Taken(m, line.a, taken, o)) m.PC = line.value;
      break;
    case Op::Call:
      if (Taken(m, line.a, taken, o)) {
        Push(m, m.PC + 1);
        m.PC = line.value;
      }
      break;
    case Op::Return:
      if (Taken(m, line.a, taken, o)) {
        return ContinueAt(m, Pop(m), program.LineCount(),
                          "Adres odłożony na stosie jest poza kodem programu", errors);
      }
      break;
    case Op::Rst:
      m.PC = line.value;
      break;
    case Op::Pchl:
      return ContinueAt(m, m.HL(), program.LineCount(),
                        "Adres umieszczony w rejestrze HL jest poza kodem programu", errors);
    case Op::Sphl:
      m.SP = m.HL();
      break;
    case Op::Xthl: {
      const int l = m.L;
      const int h = m.H;
      m.L = Cell(m, m.SP);
      m.H = Cell(m, m.SP + 1);
      Cell(m, m.SP) = static_cast<std::uint8_t>(l);
      Cell(m, m.SP + 1) = static_cast<std::uint8_t>(h);
      break;
    }
    case Op::Push:
      Push(m, line.a == PairSPorPSW ? m.A * 256 + FlagByte(m) : ReadPair(m, line.a));
      break;
    case Op::Pop: {
      const int value = Pop(m);
      if (line.a == PairSPorPSW) {
        RestoreFlags(m, value & 0xFF, o);
        m.A = value >> 8;
      } else {
        WritePair(m, line.a, value);
      }
      break;
    }
    case Op::In:
      m.A = m.InputPorts[static_cast<std::size_t>(line.value & 0xFF)];
      break;
    case Op::Out:
      m.OutputPorts[static_cast<std::size_t>(line.value & 0xFF)] = static_cast<std::uint8_t>(m.A);
      break;
  }
  return RunEnd::None;
}

// Executes line PC and completes the step, adding its clock states unless it failed.
template <class Observer>
RunEnd ExecuteStep(MachineState& machine, const Program& program, ErrorList& errors, Observer& o) {
  const int lineCount = program.LineCount();
  // PC names no line of this program (an empty program, or a PC set beyond a shorter text):
  // there is nothing to execute, so the run ends as if it had passed the last line.
  if (machine.PC < 0 || machine.PC >= lineCount) {
    machine.PC = 0;
    return RunEnd::EndOfProgram;
  }
  const DecodedLine& line = program.DecodedLines()[static_cast<std::size_t>(machine.PC)];
  bool taken = false;
  const RunEnd outcome = Apply(machine, program, line, errors, taken, o);
  if (outcome == RunEnd::RuntimeError) return outcome;
  machine.TStates += taken ? line.clockTaken : line.clock;
  if (outcome != RunEnd::None) return outcome;
  if (++machine.PC >= lineCount) {
    machine.PC = 0;
    return RunEnd::EndOfProgram;
  }
  return RunEnd::None;
}

}  // namespace kwarcyt::step
