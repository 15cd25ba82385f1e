// What each executed step changed, kept so that the steps can be taken back one by one. A step
// changes the registers, the flags and at most two memory cells or one output port, so an
// entry holds those as they were before it; the newest entries push out the oldest once the
// history is full.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "DecodedLine.h"
#include "MachineState.h"

namespace kwarcyt {

class StepHistory {
 public:
  // About 62 MB when full.
  static constexpr std::size_t kEntriesPerChunk = 65536;
  static constexpr std::size_t kChunkCount = 30;
  static constexpr std::size_t kCapacity = kEntriesPerChunk * kChunkCount;

  // Called just before the step that executes line, decoded, at machine.PC.
  void Record(const MachineState& machine, const DecodedLine& line);
  // Forgets the step recorded last: one that changed nothing, such as HLT or a failing step.
  void DropLast();
  // Takes the most recent recorded step back; false when there is none.
  bool Undo(MachineState& machine);
  // Writes into machine (the current machine or a copy of it) the state before the most recent
  // recorded step, keeping the history as it is; false when there is none.
  bool StateBeforeLastStep(MachineState& machine) const;
  // The line the most recent recorded step executed, or -1 when there is none.
  int LastStepLine() const;
  void Clear();

  bool Empty() const { return size_ == 0; }
  std::size_t Size() const { return size_; }

 private:
  // Packed, so that a million steps fit in 32 MB.
  struct Entry {
    std::uint64_t tstates;
    std::uint16_t pc, sp;
    std::uint8_t a, b, c, d, e, h, l, flags;
    std::uint16_t address[2];
    std::uint8_t oldByte[2];
    std::uint8_t cellCount;  // memory cells changed: 0, 1 or 2
    bool portChanged;
    std::uint8_t port, oldPort;
  };
  static_assert(sizeof(Entry) == 32);

  Entry& At(std::size_t index);
  const Entry& At(std::size_t index) const;
  const Entry& Newest() const { return At((first_ + size_ - 1) % kCapacity); }
  static void Restore(const Entry& entry, MachineState& machine);

  std::vector<std::unique_ptr<Entry[]>> chunks_;
  std::size_t first_ = 0;  // index of the oldest entry
  std::size_t size_ = 0;
};

}  // namespace kwarcyt
