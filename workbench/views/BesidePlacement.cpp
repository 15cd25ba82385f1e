#include "BesidePlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "workbench/window/WindowGeometry.h"

namespace kwarcyt {

QRect BesideFrame(const QRect& mainFrame, const QRect& keepClear, QSize size, const QRect& area) {
  size = size.boundedTo(area.size());
  const QRect right(QPoint(mainFrame.right() + 1, mainFrame.top()), size);
  const QRect left(QPoint(mainFrame.left() - size.width(), mainFrame.top()), size);
  for (const QRect& beside : {right, left}) {
    if (beside.left() >= area.left() && beside.right() <= area.right()) {
      return {KeptInside(beside, area), size};
    }
  }
  const int bottom = std::min(keepClear.top(), area.bottom() + 1);
  size.setHeight(std::min(size.height(), bottom - area.top()));
  return {QPoint(area.right() + 1 - size.width(), bottom - size.height()), size};
}

void PlaceBeside(QWidget& tool, const QWidget& mainWindow, const QWidget& keepClear) {
  const QScreen* screen = mainWindow.screen();
  if (screen == nullptr) return;
  // The tool window has no frame before it is shown; the main window's is the best guess of it.
  const QSize decoration = mainWindow.frameGeometry().size() - mainWindow.geometry().size();
  const QRect frame = BesideFrame(mainWindow.frameGeometry(),
                                  QRect(keepClear.mapToGlobal(QPoint(0, 0)), keepClear.size()),
                                  tool.size() + decoration, screen->availableGeometry());
  tool.resize(frame.size() - decoration);
  tool.move(frame.topLeft());
}

}  // namespace kwarcyt
