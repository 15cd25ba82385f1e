#include "RunStop.h"

namespace kwarcyt {

std::string RunStopText(const RunStop& stop) {
  const std::string line = std::to_string(stop.line);
  const std::string states = " (takty przebiegu: " + std::to_string(stop.clockStates) + ")";
  switch (stop.why) {
    case RunStop::Why::None:
      break;
    case RunStop::Why::Halted:
      return "Zatrzymano: HLT w wierszu " + line + states;
    case RunStop::Why::EndOfProgram:
      return "Zatrzymano: koniec programu" + states;
    case RunStop::Why::RuntimeError:
      return "Zatrzymano: błąd w wierszu " + line;
    case RunStop::Why::ByUser:
      return "Zatrzymano przez użytkownika";
    case RunStop::Why::Breakpoint:
      return "Pułapka w wierszu " + line + " – F11 wznawia";
    case RunStop::Why::Cursor:
      return "Kursor w wierszu " + line + " – F11 wznawia";
    case RunStop::Why::Paused:
      return "Wstrzymano w wierszu " + line + " – F11 wznawia, F10 wykonuje krok";
  }
  return {};
}

}  // namespace kwarcyt
