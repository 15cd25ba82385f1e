#include "workbench/views/AccessibleText.h"

#include <string_view>

#include "core/MachineFields.h"
#include "viewtext/ViewFormats.h"

namespace kwarcyt {

namespace {

struct SpokenName {
  std::string_view field;
  const char* name;
};

constexpr SpokenName kSpokenNames[] = {
    {"A", "Akumulator A"},        {"PC", "Licznik rozkazów PC"},
    {"SP", "Wskaźnik stosu SP"},  {"S", "Flaga znaku S"},
    {"Z", "Flaga zera Z"},        {"AC", "Flaga przeniesienia pomocniczego AC"},
    {"P", "Flaga parzystości P"}, {"CY", "Flaga przeniesienia CY"},
};

QString SpokenValue(int value, int bits) {
  return QStringLiteral("%1, %2h, %3b")
      .arg(QString::number(value), HexField(value, bits / 4), BinaryField(value, bits));
}

}  // namespace

QString SpokenFieldName(const MachineField& field) {
  for (const SpokenName& spoken : kSpokenNames) {
    if (spoken.field == field.name) return QString::fromUtf8(spoken.name);
  }
  const QString name = QString::fromLatin1(field.name);
  return field.kind == FieldKind::Pair ? QStringLiteral("Para rejestrów ") + name
                                       : QStringLiteral("Rejestr ") + name;
}

QString SpokenFieldValue(const MachineField& field, int value) {
  return SpokenFieldName(field) + QStringLiteral(": ") +
         SpokenValue(value, field.maximum > 255 || field.maximum == kLastProgramLine ? 16 : 8);
}

QString SpokenCell(const QString& what, int address, int addressDigits, int value) {
  return QStringLiteral("%1 %2h: %3")
      .arg(what, HexField(address, addressDigits), SpokenValue(value, 8));
}

}  // namespace kwarcyt
