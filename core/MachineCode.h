// The Intel 8085 machine code of a checked program: what a student types into a training kit.
// Kwarcyt runs the program's text and never needs these bytes; they are laid out for the listing,
// the Intel HEX file and the addresses of the machine cycles.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Program.h"

namespace kwarcyt {

inline constexpr int kAddressSpace = 0x10000;

struct CodeLine {
  // Of the line's first byte; a line without bytes has the address of the next byte, as a label
  // does. 16 bits: a label after code that ends at FFFFh stands at 0000h, where the processor's
  // program counter would go on.
  int address = 0;
  std::uint8_t size = 0;
  std::array<std::uint8_t, 3> bytes{};

  std::span<const std::uint8_t> Bytes() const { return {bytes.data(), size}; }
};

class MachineCode {
 public:
  // Jumps and calls to a label get the label's address. An origin outside 0..FFFFh is taken
  // modulo 10000h.
  explicit MachineCode(const Program& program, int origin = 0);

  int Origin() const { return origin_; }
  // One past the last byte, not wrapped: above 10000h when the code does not fit.
  int End() const { return end_; }
  bool Fits() const { return end_ <= kAddressSpace; }
  // Why the code cannot be laid out from the origin, in Polish; empty when it fits.
  std::string TooLongMessage() const;

  // One per program line.
  const std::vector<CodeLine>& Lines() const { return lines_; }
  // The address the processor would be at when it comes to line `line`; the line count gives
  // the end of the code.
  int LineAddress(int line) const;

  // Where the processor would behave differently from Kwarcyt, once per kind, each beginning
  // "Uwaga: ".
  const std::vector<std::string>& Notes() const { return notes_; }

 private:
  void Encode(const Program& program);
  void Note(const Program& program);

  int origin_;
  int end_ = 0;
  std::vector<CodeLine> lines_;
  std::vector<std::string> notes_;
};

// One row of the listing: the address (4 upper-case hex digits), the bytes (upper-case pairs
// separated by spaces, padded to 8 characters), the line number right-aligned in 5 characters and
// the line as written, each two spaces apart.
std::string ListingRow(const CodeLine& code, int lineNumber, std::string_view line);

// The rows of every line (but the empty one a final line break leaves) and the notes after them,
// each ending in a line feed.
std::string ListingText(const Program& program, const MachineCode& code);

// Intel HEX: data records (type 00) of at most 16 bytes from the origin, then the end-of-file
// record, upper case, each ending in a line feed.
std::string IntelHex(const MachineCode& code);

}  // namespace kwarcyt
