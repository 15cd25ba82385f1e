// Helpers that build the small labels of the state views.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace kwarcyt {

inline constexpr int kRowHeight = 16;

// A fixed-width value label, text centred, at (x, y) with the given size.
QLabel* MakeValueLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                       int width, int height = kRowHeight, bool bold = false);
// A caption label (row name or column heading) in the window's caption font.
QLabel* MakeCaptionLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                         int width, int height = kRowHeight);
// The width of `chars` characters of the value font.
int ValueTextWidth(int chars, bool bold = false);

}  // namespace kwarcyt
