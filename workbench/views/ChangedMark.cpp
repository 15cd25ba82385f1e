#include "workbench/views/ChangedMark.h"

#include <QColor>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace kwarcyt {
namespace {

const QColor kChangedColour(0xC8, 0x00, 0x00);
const char* const kChangedProperty = "kwarcytChanged";

}  // namespace

void ShowChanged(QWidget& widget, bool changed) {
  if (widget.property(kChangedProperty).toBool() == changed) return;
  widget.setProperty(kChangedProperty, changed);
  if (!changed) {
    // A palette with no roles of its own: the widget takes its parent's again.
    widget.setPalette(QPalette());
    return;
  }
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, kChangedColour);
  palette.setColor(QPalette::ButtonText, kChangedColour);
  widget.setPalette(palette);
}

}  // namespace kwarcyt
