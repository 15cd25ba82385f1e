// How the views mark a value the last step changed: its text in a colour of its own.
#pragma once

class QWidget;

namespace kwarcyt {

// Draws a value label's or check box's text in the colour of a changed value, or as usual.
void ShowChanged(QWidget& widget, bool changed);

}  // namespace kwarcyt
