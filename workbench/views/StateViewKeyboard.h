// Tab, the arrows, Enter and Space in the main window's state views: registers, memory rows,
// RAM[HL] and the ports.
#pragma once

#include "workbench/views/RowKeyboard.h"

class QWidget;

namespace kwarcyt {

class CellWindowView;
class MemoryView;

void MakeStateViewsKeyboardReachable(QWidget& window, MemoryView& memory,
                                     CellWindowView& inputPorts, CellWindowView& outputPorts,
                                     RowKeyboard::Activate activate);

}  // namespace kwarcyt
