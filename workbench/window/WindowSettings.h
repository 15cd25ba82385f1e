// What the program remembers between runs, in a settings file of the user's config folder: the
// speed, the display settings, where the windows stood, the last folder of the file dialogs and
// the files last opened. A file that cannot be read, or a value that makes no sense, is passed
// over: the program then starts as it would without it.
#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <optional>

#include "displays/DisplaySettings.h"

class QWidget;

namespace kwarcyt {

struct RememberedState {
  std::optional<int> speed;                // position of the speed track bar
  DisplaySettings displays;                // the defaults where nothing usable was kept
  std::optional<QPoint> position;          // of the main window's frame
  QString lastFolder;                      // of the file dialogs; empty for none
  QStringList recentFiles;                 // newest first
  int zoom = 0;                            // the text's point size; 0 for the design sizes
  bool processorFlagRules = false;         // Flagi procesora 8085
  std::optional<int> machineCodeOrigin{};  // of the machine code listing
};

class WindowSettings : public QObject {
  Q_OBJECT

 public:
  // Reads the file at once; writing waits for Store.
  explicit WindowSettings(const QString& path, QObject* parent = nullptr);

  // kwarcyt/kwarcyt.conf in the user's config folder.
  static QString DefaultPath();

  const RememberedState& Remembered() const { return remembered_; }
  // A secondary window goes back where it stood, whole on a screen, and its place is kept from
  // now on. A window that was never shown keeps the place it had before. With keepSize, a
  // window the user may resize gets its size back and keeps it too.
  void AddToolWindow(const QString& key, QWidget* window, bool keepSize = false);
  // Writes the state and the secondary windows' places; false when the file cannot be written.
  bool Store(const RememberedState& state);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString path_;
  RememberedState remembered_;
  QHash<QString, QPoint> toolPositions_;
  QHash<QString, QSize> toolSizes_;
  QSet<QString> sizedToolWindows_;  // keys
  QHash<QString, QPointer<QWidget>> toolWindows_;
  QSet<QString> shownToolWindows_;  // keys
};

}  // namespace kwarcyt
