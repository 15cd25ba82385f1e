#include "TFormAlfanumeryczny.h"

#include <QFontMetricsF>
#include <QPainter>

#include "look/Fonts.h"

namespace kwarcyt {

namespace {

// Code 127 has no picture of its own; a hollow square marks every byte that is not printable.
constexpr char16_t kPreferredPlaceholder = u'\u25A1';

QFont DisplayFont() {
  QFont font = FixedFont(19, /*bold=*/true);
  // Liberation Mono, which stands in for Courier New on Linux, is 11.4 px wide at this size;
  // narrowing the advance to whole 11 px cells keeps all 32 columns inside the window and every
  // character on a pixel boundary.
  const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
  font.setLetterSpacing(QFont::AbsoluteSpacing, TFormAlfanumeryczny::kCellWidth - advance);
  return font;
}

}  // namespace

TFormAlfanumeryczny::TFormAlfanumeryczny(const MachineState& machine,
                                         const DisplaySettings& settings, QWidget* mainWindow)
    : MemoryDisplayWindow(machine, settings, mainWindow,
                          QStringLiteral("Kwarcyt - Wyświetlacz alfanumeryczny"),
                          QStringLiteral("Kwarcyt - Wyświetlacz alfanumeryczny"), QSize(357, 80)),
      textFont_(DisplayFont()) {
  setFont(textFont_);
  const QFontMetricsF metrics(textFont_);
  placeholder_ = metrics.inFont(QChar(kPreferredPlaceholder)) ? QChar(kPreferredPlaceholder)
                                                              : QLatin1Char('?');
  baseline_ = qRound(metrics.ascent());
}

QChar TFormAlfanumeryczny::Glyph(int code) const {
  return code == kPlaceholderCode ? placeholder_ : QChar(code);
}

void TFormAlfanumeryczny::FormPaint(QPainter& painter) {
  painter.fillRect(rect(), Qt::black);
  painter.setFont(textFont_);
  painter.setPen(Qt::white);
  const int base = Settings().alphanumericBase;
  QStringList spoken;
  for (int line = 0; line < kTextLines; ++line) {
    for (int column = 0; column < kTextColumns; ++column)
      line_[column] = Glyph(CharacterCodeAt(Memory(), base, line, column));
    const QString text = QString::fromRawData(line_.data(), kTextColumns);
    painter.drawText(QPoint(kLeftMargin, kLineHeight * line + baseline_), text);
    spoken << text.trimmed();
  }
  // What a screen reader reads out: the text shown, line by line.
  setAccessibleDescription(spoken.join(QLatin1Char('\n')));
}

}  // namespace kwarcyt
