#include "internal/OptionNumber.h"

#include "checker/Mojefunkcje.h"

namespace kwarcyt {

std::optional<int> ReadOptionNumber(const QString& text, int maximum) {
  const int value = ParseNumber(text.toStdString(), maximum);
  if (value < 0) return std::nullopt;
  return value;
}

QString NotANumberMessage(const QString& text, int maximum) {
  return QStringLiteral("„%1” nie jest liczbą z zakresu 0..%2").arg(text).arg(maximum);
}

}  // namespace kwarcyt
