// The texts of the state views' rows, built from the whole integers of the machine state.
#pragma once

#include <QString>
#include <cstdint>

namespace kwarcyt {

// The character code shown for a byte, on the alphanumeric display and in value entry:
// printable ASCII as it is, every other byte (control codes and the upper half, which are
// negative as signed characters) as code 127.
inline constexpr int kPlaceholderCode = 127;
constexpr int CharacterCode(std::uint8_t byte) {
  return static_cast<std::int8_t>(byte) < 32 ? kPlaceholderCode : byte;
}

// Captions of the mode buttons; a view reads its mode by comparing a caption with these.
inline const QString kValueDecHexCaption = QStringLiteral("Dec     Hex");
inline const QString kValueBinCaption = QStringLiteral("Bin");
inline const QString kAddressHexCaption = QStringLiteral("Adres Hex");
inline const QString kAddressDecCaption = QStringLiteral("Adres Dec");
inline const QString kPortHexCaption = QStringLiteral("Nr Hex");
inline const QString kPortDecCaption = QStringLiteral("Nr Dec");

// The caption a mode button shows after a click: the first text becomes the second, anything
// else becomes the first.
QString ToggledCaption(const QString& current, const QString& first, const QString& second);

// D(n), H(n), B(n): decimal right-aligned in n characters, upper-case hexadecimal with at least
// n digits, the lowest n bits.
QString DecimalField(int value, int width);
QString HexField(int value, int digits);
QString BinaryField(int value, int bits);

// D(3) H(2) B(8) for the 8-bit registers; D(5) H(4) B(16) for the pairs, PC and SP.
QString Register8Row(int value);
QString Register16Row(int value);

struct RowModes {
  bool decHexValues;  // otherwise binary
  bool hexAddresses;  // otherwise decimal
};

QString MemoryRow(int address, int value, RowModes modes);
QString RamHlRow(int value, bool decHexValues);
QString PortRow(int port, int value, RowModes modes);

}  // namespace kwarcyt
