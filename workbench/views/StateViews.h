// The views of the machine beside the editor, built together and following the session: the
// 8- and 16-bit registers, the flags, the memory with RAM[HL] and the input and output ports.
// Each reads the machine when the session says it changed, marks what the last step changed,
// and tells the session of a value set by hand. The speed track bar stands among them, created
// where the keyboard's focus passes it.
#pragma once

class QGroupBox;
class QSlider;
class QWidget;

namespace kwarcyt {

class CellWindowView;
class FlagsView;
class MemoryView;
class RegisterGroup;
class Session;

struct StateViews {
  RegisterGroup* rejestry8 = nullptr;
  RegisterGroup* rejestry16 = nullptr;
  FlagsView* flagi = nullptr;
  QGroupBox* speedGroup = nullptr;
  QSlider* czestotliwosc = nullptr;
  MemoryView* pamiec = nullptr;
  CellWindowView* portyWej = nullptr;
  CellWindowView* portyWyj = nullptr;
};

// The views as children of parent, for the window to lay out.
StateViews MakeStateViews(Session& session, QWidget* parent);

}  // namespace kwarcyt
