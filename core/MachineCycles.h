// The machine cycles of one executed step, as the Intel 8085 would perform them on the program's
// machine code: each with its clock states, the address and data on the buses where Kwarcyt can
// know them, and the status and control lines. Computed only when asked for, so that a run pays
// nothing for them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "MachineCode.h"
#include "MachineState.h"
#include "Program.h"

namespace kwarcyt {

enum class CycleKind : std::uint8_t {
  OpcodeFetch,
  MemoryRead,
  MemoryWrite,
  IoRead,
  IoWrite,
  BusIdle,
  Halt,  // the halt state after HLT's fetch
};

// "OF", "MR", "MW", "IOR", "IOW", "BI", "HALT".
std::string_view CycleName(CycleKind kind);

// The status and control lines during a cycle.
struct CycleSignals {
  bool ioM = false;  // IO/M high: an I/O cycle
  bool s1 = false;
  bool s0 = false;
  bool read = false;      // RD goes low in T2-T3
  bool write = false;     // WR goes low in T2-T3
  bool ale = false;       // ALE pulses in T1, latching the address low byte
  bool floating = false;  // IO/M, the buses, RD and WR float (S1 and S0 are 0)
};

CycleSignals SignalsOf(CycleKind kind);

inline constexpr int kNotKnown = -1;

struct MachineCycle {
  CycleKind kind = CycleKind::OpcodeFetch;
  int clockStates = 0;
  // On A15-A8 and AD7-AD0 in T1; an I/O cycle has the port number on both halves.
  int address = kNotKnown;
  // The byte on AD7-AD0 from T2 (for an opcode fetch only in T2-T3).
  int data = kNotKnown;
  CycleSignals lines;
  // Whether Kwarcyt itself makes this access: RST's stack writes it does not.
  bool performed = true;
  // Where Kwarcyt's data differ from the processor's, in Polish; empty when they do not.
  std::string note;
};

struct StepCycles {
  int line = -1;
  // Empty for a label, comment or blank line and a line that executes no instruction.
  std::vector<MachineCycle> cycles;

  int ClockStates() const;
};

// The cycles of the step of line before.PC, with the addresses and what the reads find in
// `before`; the data of the writes follow from the machine after the step, through
// CompleteStepCycles. The code gives the addresses of the fetches and operand reads.
StepCycles PlanStepCycles(const MachineState& before, const Program& program,
                          const MachineCode& code);
void CompleteStepCycles(StepCycles& step, const MachineState& after);

// Both at once, for a step whose machine before and after are at hand.
StepCycles StepCyclesBetween(const MachineState& before, const MachineState& after,
                             const Program& program, const MachineCode& code);

// The line number, a colon, then each cycle's name and clock states: "12: OF 4 MR 3 MW 3".
std::string CyclesLine(const StepCycles& step);

}  // namespace kwarcyt
