// The operand words and number ranges of the source language, shared by the checker, the decoder
// and the help's instruction list.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kwarcyt {

// 8-bit operands in the order they are listed to students; M is the memory cell at HL.
inline constexpr std::array<std::string_view, 8> kByteRegisters = {"A", "B", "C", "D",
                                                                   "E", "H", "L", "M"};
// 16-bit operands: B, D and H name the pairs BC, DE and HL. Each set is in pair order, so the
// position of a word in its set is the pair it names.
inline constexpr std::array<std::string_view, 4> kPairRegisters = {"B", "D", "H", "SP"};
inline constexpr std::array<std::string_view, 2> kIndirectRegisters = {"B", "D"};
inline constexpr std::array<std::string_view, 4> kStackRegisters = {"B", "D", "H", "PSW"};

inline constexpr int kByteMaximum = 255;
inline constexpr int kWordMaximum = 65535;
inline constexpr int kRoutineMaximum = 7;

// RST n continues at the line of this label.
inline std::string RoutineLabel(int routine) {
  return "RST_" + std::to_string(routine);
}

}  // namespace kwarcyt
