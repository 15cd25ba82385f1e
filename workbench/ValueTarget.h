// A value of the machine that the user edits by double-clicking it in a view.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace kwarcyt {

struct ValueTarget {
  QStringList controls;  // the labels that open the entry: the row's name and its value
  QString name;          // what the entry dialog's title calls it, e.g. "rejestru B"
  std::function<int()> maximum;
  std::function<int()> read;
  std::function<void(int)> write;
  std::function<void()> redraw;  // the views that show the value
};

// "Wprowadź nową wartość do rejestru B {0..255}:"
QString ValueEntryTitle(const QString& name, int maximum);

}  // namespace kwarcyt
