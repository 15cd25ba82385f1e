// The files last opened or saved, newest first, as the items of the submenu "Ostatnio
// otwierane". The submenu is unavailable while it is empty or while Otwórz is.
#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

namespace kwarcyt {

class RecentFiles : public QObject {
  Q_OBJECT

 public:
  static constexpr qsizetype kMaxFiles = 8;

  // submenuAction carries the submenu; it follows the state of openAction.
  RecentFiles(QAction* submenuAction, QAction* openAction, QObject* parent);

  const QStringList& Paths() const { return paths_; }
  // A remembered list: duplicates are dropped and only the newest kMaxFiles kept.
  void SetPaths(const QStringList& paths);
  // The file goes to the top of the list.
  void Add(const QString& path);
  void Remove(const QString& path);

 signals:
  void chosen(const QString& path);

 private:
  void Rebuild();
  void UpdateEnabled();

  QAction* submenuAction_;
  QAction* openAction_;
  QMenu* menu_;
  QStringList paths_;
};

}  // namespace kwarcyt
