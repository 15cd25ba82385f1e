#include "workbench/commands/RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "sourcefile/FileName.h"

namespace kwarcyt {

namespace {

// One file is one entry however it was named: relative, through "..", or absolute.
QString Normalised(const QString& path) {
  return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// "&3 suma.txt (/home/ala/programy)": a menu shows a lone "&" as an accelerator mark.
QString ItemText(qsizetype index, const QString& path) {
  const QFileInfo file(path);
  QString text = QStringLiteral("%1 (%2)").arg(
      ShownText(file.fileName()), ShownText(QDir::toNativeSeparators(file.absolutePath())));
  text.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QStringLiteral("&%1 ").arg(index + 1) + text;
}

}  // namespace

RecentFiles::RecentFiles(QAction* submenuAction, QAction* openAction, QObject* parent)
    : QObject(parent), submenuAction_(submenuAction), openAction_(openAction), menu_(new QMenu()) {
  menu_->setObjectName(QStringLiteral("MenuOstatnioOtwierane"));
  submenuAction_->setMenu(menu_);
  // The action does not own its menu.
  connect(submenuAction_, &QObject::destroyed, menu_, &QObject::deleteLater);
  connect(openAction_, &QAction::changed, this, &RecentFiles::UpdateEnabled);
  Rebuild();
}

void RecentFiles::SetPaths(const QStringList& paths) {
  paths_.clear();
  for (const QString& path : paths) {
    const QString file = Normalised(path);
    if (!path.isEmpty() && !paths_.contains(file) && paths_.size() < kMaxFiles) {
      paths_.append(file);
    }
  }
  Rebuild();
}

void RecentFiles::Add(const QString& path) {
  const QString file = Normalised(path);
  paths_.removeAll(file);
  paths_.prepend(file);
  paths_ = paths_.mid(0, kMaxFiles);
  Rebuild();
}

void RecentFiles::Remove(const QString& path) {
  paths_.removeAll(Normalised(path));
  Rebuild();
}

void RecentFiles::Rebuild() {
  // Not clear(): an item may be the one whose click led here.
  for (QAction* old : menu_->actions()) {
    menu_->removeAction(old);
    old->deleteLater();
  }
  for (qsizetype i = 0; i < paths_.size(); ++i) {
    QAction* item = menu_->addAction(ItemText(i, paths_[i]));
    item->setToolTip(ShownText(paths_[i]));
    connect(item, &QAction::triggered, this, [this, path = paths_[i]] { emit chosen(path); });
  }
  UpdateEnabled();
}

void RecentFiles::UpdateEnabled() {
  submenuAction_->setEnabled(openAction_->isEnabled() && !paths_.isEmpty());
}

}  // namespace kwarcyt
