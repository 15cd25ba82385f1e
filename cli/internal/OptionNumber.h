// Numbers in the options of kwarcyt-run, written as in the source language (75, 4Bh, 01001011b,
// 'K').
#pragma once

#include <QString>
#include <optional>

namespace kwarcyt {

// The value when the text is a number from 0 to maximum, otherwise nothing.
std::optional<int> ReadOptionNumber(const QString& text, int maximum);

// "„300” nie jest liczbą z zakresu 0..255", for the messages about a bad option.
QString NotANumberMessage(const QString& text, int maximum);

// Splits "left<separator>right" where the left part is acceptable; a literal such as ':' may
// itself hold the separator, so each occurrence is tried from the left. Nothing when the text
// has no separator at an acceptable place.
template <typename Acceptable>
std::optional<std::pair<QString, QString>> SplitOption(const QString& text, QChar separator,
                                                       Acceptable leftIsAcceptable) {
  for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, at + 1)) {
    QString left = text.left(at);
    if (leftIsAcceptable(left)) return std::pair{std::move(left), text.mid(at + 1)};
  }
  return std::nullopt;
}

}  // namespace kwarcyt
