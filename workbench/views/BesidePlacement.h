// Where a tool window of the main window opens when it has no place of its own yet: beside the
// main window, so that it hides nothing the student is looking at.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace kwarcyt {

// The frame for a window of `size` (its frame's size) on the screen area `area`: right of
// `mainFrame`, else left of it, where either fits; otherwise in the area's right corner above
// `keepClear` (the main window's status bar), as tall as fits there.
QRect BesideFrame(const QRect& mainFrame, const QRect& keepClear, QSize size, const QRect& area);

// Places the tool window so, before it is first shown, on the main window's screen.
void PlaceBeside(QWidget& tool, const QWidget& mainWindow, const QWidget& keepClear);

}  // namespace kwarcyt
