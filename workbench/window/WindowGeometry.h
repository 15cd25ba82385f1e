// Where the program's windows go on the screen: the main window's size, chosen by the width of the
// screen when it is first shown, and every window kept whole inside the usable part of a screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace kwarcyt {

inline constexpr QSize kMinimumWindowSize{630, 460};
// The client area the controls' positions are laid out for.
inline constexpr QSize kDesignClientSize{738, 492};

QSize InitialWindowSize(int screenWidth);

// The top-left corner that puts `frame` entirely inside `area`, moved as little as possible; a
// frame wider or taller than the area keeps its left or top edge on the area's.
QPoint KeptInside(const QRect& frame, const QRect& area);

// Moves a top-level window so that its frame, with its top-left corner at `frameTopLeft`, lies
// inside the area of the screen there (of the window's own screen where there is none) that
// panels leave free. Positions are the frame's, as QWidget::pos() and move() take them: a place
// saved from pos() comes back as it was. Before the window is shown the desktop's frame is not
// known yet and counts as nothing; KeepInsideScreenOnceFramed corrects for it.
void MoveInsideScreen(QWidget& window, QPoint frameTopLeft);

// Once the shown window is first exposed, and so has its frame, moves it inside its screen if the
// frame sticks out. Call right after showing the window.
void KeepInsideScreenOnceFramed(QWidget& window);

}  // namespace kwarcyt
