#include "ViewFormats.h"

#include "checker/Mojefunkcje.h"

namespace kwarcyt {

QString ToggledCaption(const QString& current, const QString& first, const QString& second) {
  return current == first ? second : first;
}

QString DecimalField(int value, int width) {
  return QString::fromStdString(PaddedDecimal(value, width, ' '));
}

QString HexField(int value, int digits) {
  return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

QString BinaryField(int value, int bits) {
  return QString::fromStdString(BinaryText(static_cast<std::uint32_t>(value), bits));
}

QString Register8Row(int value) {
  return DecimalField(value, 3) + ' ' + HexField(value, 2) + ' ' + BinaryField(value, 8);
}

QString Register16Row(int value) {
  return DecimalField(value, 5) + "  " + HexField(value, 4) + "  " + BinaryField(value, 16);
}

namespace {

// Memory rows and port rows differ only in how wide their addresses are.
QString AddressedRow(int address, int hexDigits, int decimalWidth, int value, RowModes modes) {
  const QString addressText =
      modes.hexAddresses ? ' ' + HexField(address, hexDigits) : DecimalField(address, decimalWidth);
  if (modes.decHexValues) {
    return addressText + ":  " + DecimalField(value, 3) + "  " + HexField(value, 2);
  }
  return addressText + ": " + BinaryField(value, 8);
}

}  // namespace

QString MemoryRow(int address, int value, RowModes modes) {
  return AddressedRow(address, 4, 5, value, modes);
}

QString PortRow(int port, int value, RowModes modes) {
  return AddressedRow(port, 2, 3, value, modes);
}

QString RamHlRow(int value, bool decHexValues) {
  if (decHexValues) return "RAM[HL]:" + DecimalField(value, 4) + "  " + HexField(value, 2);
  return "RAM[HL]:" + BinaryField(value, 8);
}

}  // namespace kwarcyt
