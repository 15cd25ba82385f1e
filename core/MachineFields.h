// The registers, register pairs and flags of the machine: the name the program shows for each,
// how it is read and written, and the largest value it holds. The views, value entry, the
// runner's --set and its reports all read these rows, each in the order it shows them.
#pragma once

#include <array>
#include <concepts>
#include <functional>
#include <string_view>
#include <vector>

#include "MachineState.h"

namespace kwarcyt {

enum class FieldKind { Register, Pair, ProgramCounter, StackPointer, Flag };

// The maximum of PC: the last line of the program, which only the caller knows.
inline constexpr int kLastProgramLine = -1;

struct MachineField {
  const char* name;  // "A", "BC", "SP", "CY"
  FieldKind kind;
  int maximum;  // kLastProgramLine for PC
  // The field itself, for those the machine stores; a pair is computed from its registers.
  int MachineState::*member;
  int (*read)(const MachineState&);
  void (*write)(MachineState&, int);

  // An empty program gives PC the maximum -1: no value fits.
  constexpr int Maximum(int lineCount) const {
    return maximum == kLastProgramLine ? lineCount - 1 : maximum;
  }
};

namespace field_rows {

template <int MachineState::*member>
constexpr MachineField Stored(const char* name, FieldKind kind, int maximum) {
  return {name,
          kind,
          maximum,
          member,
          [](const MachineState& m) { return m.*member; },
          [](MachineState& m, int value) { m.*member = value; }};
}

template <int (MachineState::*get)() const, void (MachineState::*set)(int)>
constexpr MachineField RegisterPair(const char* name) {
  return {name,
          FieldKind::Pair,
          65535,
          nullptr,
          [](const MachineState& m) { return (m.*get)(); },
          [](MachineState& m, int value) { (m.*set)(value); }};
}

template <int MachineState::*member>
constexpr MachineField Byte(const char* name) {
  return Stored<member>(name, FieldKind::Register, 255);
}

template <int MachineState::*member>
constexpr MachineField Flag(const char* name) {
  return Stored<member>(name, FieldKind::Flag, 1);
}

}  // namespace field_rows

// Grouped by kind, each group in the order the views show it.
inline constexpr std::array kMachineFields{
    field_rows::Byte<&MachineState::A>("A"),
    field_rows::Byte<&MachineState::B>("B"),
    field_rows::Byte<&MachineState::C>("C"),
    field_rows::Byte<&MachineState::D>("D"),
    field_rows::Byte<&MachineState::E>("E"),
    field_rows::Byte<&MachineState::H>("H"),
    field_rows::Byte<&MachineState::L>("L"),
    field_rows::RegisterPair<&MachineState::BC, &MachineState::setBC>("BC"),
    field_rows::RegisterPair<&MachineState::DE, &MachineState::setDE>("DE"),
    field_rows::RegisterPair<&MachineState::HL, &MachineState::setHL>("HL"),
    field_rows::Stored<&MachineState::PC>("PC", FieldKind::ProgramCounter, kLastProgramLine),
    field_rows::Stored<&MachineState::SP>("SP", FieldKind::StackPointer, 65535),
    field_rows::Flag<&MachineState::S>("S"),
    field_rows::Flag<&MachineState::Z>("Z"),
    field_rows::Flag<&MachineState::AC>("AC"),
    field_rows::Flag<&MachineState::P>("P"),
    field_rows::Flag<&MachineState::CY>("CY"),
};

// The row of that exact name (upper case), or nullptr.
constexpr const MachineField* FindField(std::string_view name) {
  for (const MachineField& field : kMachineFields) {
    if (name == field.name) return &field;
  }
  return nullptr;
}

// For rows named in code: a misspelt name does not compile.
consteval const MachineField& FieldNamed(std::string_view name) {
  return *FindField(name);
}

// The rows of the given kinds, in the table's order.
// (A plain list rather than a filtered view: clang 14, which builds the fuzz targets, cannot
// compile this library's range views.)
template <std::same_as<FieldKind>... Kinds>
std::vector<std::reference_wrapper<const MachineField>> FieldsOf(Kinds... kinds) {
  std::vector<std::reference_wrapper<const MachineField>> rows;
  for (const MachineField& field : kMachineFields) {
    if (((field.kind == kinds) || ...)) rows.push_back(field);
  }
  return rows;
}

// The groups the views show: "Rejestry 8-bitowe", "Rejestry 16-bitowe" and the flag register.
inline auto ByteRegisterFields() {
  return FieldsOf(FieldKind::Register);
}
inline auto WordRegisterFields() {
  return FieldsOf(FieldKind::Pair, FieldKind::ProgramCounter, FieldKind::StackPointer);
}
inline auto FlagFields() {
  return FieldsOf(FieldKind::Flag);
}

}  // namespace kwarcyt
