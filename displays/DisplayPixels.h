// What the displays show for a given memory content, apart from the painting itself: the byte
// behind each character cell or pixel, the character chosen for a byte, the colour of a pixel
// and the square it covers on screen.
#pragma once

#include <QRect>
#include <QRgb>
#include <cstdint>

#include "core/MachineState.h"
#include "viewtext/ViewFormats.h"

namespace kwarcyt {

using MemoryCells = decltype(MachineState::Memory);

// The byte `offset` cells after `base`. Addresses wrap round at 64 KB like the processor's own,
// so a display placed near the end of memory continues at 0000h instead of reading past it.
inline std::uint8_t DisplayByte(const MemoryCells& memory, int base, int offset) {
  return memory[static_cast<unsigned>(base + offset) & (MachineState::kMemorySize - 1)];
}

// --- Alphanumeric display: 4 lines of 32 characters, one byte each.
inline constexpr int kTextLines = 4;
inline constexpr int kTextColumns = 32;

inline int CharacterCodeAt(const MemoryCells& memory, int base, int line, int column) {
  return CharacterCode(DisplayByte(memory, base, line * kTextColumns + column));
}

// --- Graphic displays: square pixels of 16 x 16 screen pixels, one screen pixel from the
// top and left edges.
inline constexpr int kPixelSize = 16;
inline constexpr int kGridMargin = 1;
inline constexpr int kMonochromeSide = 8;
inline constexpr int kGrayscaleSide = 16;

constexpr QRect PixelSquare(int row, int column) {
  return QRect(kGridMargin + kPixelSize * column, kGridMargin + kPixelSize * row, kPixelSize,
               kPixelSize);
}

// Row r of the monochrome display is the byte at base + r, its least significant bit leftmost.
inline QRgb MonochromeColour(const MemoryCells& memory, int base, int row, int column) {
  const bool on = (DisplayByte(memory, base, row) >> column) & 1;
  return on ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
}

// The grayscale display is row-major, one gray level per byte.
inline QRgb GrayscaleColour(const MemoryCells& memory, int base, int row, int column) {
  const int level = DisplayByte(memory, base, row * kGrayscaleSide + column);
  return qRgb(level, level, level);
}

}  // namespace kwarcyt
