// Podgląd pamięci: shows and hides the memory window, keeps it up to date with the session while
// it is shown, and sends its edits through value entry, so they write exactly as the entry does.
#pragma once

#include <QObject>
#include <functional>

class QAction;
class QWidget;

namespace kwarcyt {

class Session;
class TFormPamiec;
class ValueEntry;

class MemoryWindowCommand : public QObject {
  Q_OBJECT

 public:
  using RememberPlace = std::function<void(const QString& key, QWidget* window)>;

  MemoryWindowCommand(Session& session, ValueEntry& entry, QAction& action, QWidget& mainWindow,
                      RememberPlace rememberPlace);

  void Toggle();

 private:
  void Show();

  Session& session_;
  ValueEntry& entry_;
  QAction& action_;
  QWidget& mainWindow_;
  RememberPlace rememberPlace_;
  TFormPamiec* window_ = nullptr;  // made on its first showing
};

}  // namespace kwarcyt
