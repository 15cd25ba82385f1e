#include "RunStop.h"

namespace kwarcyt {

std::string RunStopText(const RunStop& stop) {
  const std::string line = std::to_string(stop.line);
  const std::string states = " (takty przebiegu: " + std::to_string(stop.clockStates) + ")";
  switch (stop.why) {
    case RunEnd::Halted:
      return "Zatrzymano: HLT w wierszu " + line + states;
    case RunEnd::EndOfProgram:
      return "Zatrzymano: koniec programu" + states;
    case RunEnd::RuntimeError:
      return "Zatrzymano: błąd w wierszu " + line;
    case RunEnd::ByUser:
      return "Zatrzymano przez użytkownika";
    case RunEnd::Breakpoint:
      return "Pułapka w wierszu " + line + " – F11 wznawia";
    case RunEnd::Cursor:
      return "Kursor w wierszu " + line + " – F11 wznawia";
    case RunEnd::Paused:
      return "Wstrzymano w wierszu " + line + " – F11 wznawia, F10 wykonuje krok";
    default:  // a run that goes on, or an ending the window never shows
      break;
  }
  return {};
}

}  // namespace kwarcyt
