#include "ClockTime.h"

#include <array>

namespace kwarcyt {
namespace {

// Decimals after a comma and the thousands apart, as Polish writes numbers: "1 234,5". The
// space does not break, so a tool tip never splits a number.
QString PolishNumber(double value, int decimals) {
  QString text = QString::number(value, 'f', decimals);
  const qsizetype point = text.indexOf(QLatin1Char('.'));
  text[point] = QLatin1Char(',');
  for (qsizetype at = point - 3; at > 0; at -= 3) text.insert(at, QChar(0x00A0));
  return text;
}

}  // namespace

QString ClockTimeText(std::uint64_t tstates) {
  struct Unit {
    double seconds;
    const char16_t* name;
  };
  // The largest unit that keeps the number at 1 or more, so that it never reads "0,0 s".
  static constexpr std::array<Unit, 4> kUnits{
      {{1.0, u"s"}, {1e-3, u"ms"}, {1e-6, u"µs"}, {1e-9, u"ns"}}};
  const double seconds = static_cast<double>(tstates) / kClockHertz;
  const Unit* unit = &kUnits.back();
  for (const Unit& candidate : kUnits) {
    if (seconds >= candidate.seconds) {
      unit = &candidate;
      break;
    }
  }
  // The clock in MHz to the kilohertz: "3,072".
  static const QString kClockText = PolishNumber(kClockHertz / 1e6, 3);
  return PolishNumber(seconds / unit->seconds, 1) + QChar(0x00A0) + QString::fromUtf16(unit->name) +
         QStringLiteral(" przy ") + kClockText + QStringLiteral(" MHz");
}

}  // namespace kwarcyt
