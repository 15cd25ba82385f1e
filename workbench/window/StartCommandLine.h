// The command line of the window program: at most one program file to open at start, or a
// request for the help or the version, which are answered on the terminal.
#pragma once

#include <QString>
#include <QStringList>

namespace kwarcyt {

struct StartRequest {
  enum class Outcome { Start, Help, Version, Error };
  Outcome outcome = Outcome::Start;
  QString file;  // to open at start; empty for none
  QString text;  // the help or version text, or the message about a bad command line
};

// arguments[0] is the program's name. The help and the version win over any fault elsewhere on
// the line, so that they can be answered before the window system is reached.
StartRequest ParseStartCommandLine(const QStringList& arguments);

// Whether the line holds what may be one of Qt's own options ("-platform xcb", "-reverse"),
// which only the window system's start takes off the line.
bool MayHoldQtOptions(const QStringList& arguments);

}  // namespace kwarcyt
