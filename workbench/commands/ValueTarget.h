// A value of the machine that the user edits by clicking or double-clicking it in a view.
#pragma once

#include <QList>
#include <QString>
#include <functional>

class QLabel;

namespace kwarcyt {

// Registers open their entry on a click, as their group's hint invites; the rows of memory and
// of the input ports on a double-click, so that a click only points at a row.
enum class EntryGesture { Click, DoubleClick };

struct ValueTarget {
  QList<QLabel*> controls;  // the labels that open the entry: the row's name and its value
  EntryGesture gesture;     // what opens the entry
  QString name;             // what the entry dialog's title calls it, e.g. "rejestru B"
  std::function<int()> maximum;
  std::function<int()> read;
  std::function<void(int)> write;
};

// "Wprowadź nową wartość do rejestru B {0..255}:"
QString ValueEntryTitle(const QString& name, int maximum);

}  // namespace kwarcyt
