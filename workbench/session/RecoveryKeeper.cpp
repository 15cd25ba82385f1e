#include "workbench/session/RecoveryKeeper.h"

#include <QGuiApplication>
#include <QTextDocument>

namespace kwarcyt {

namespace {
// Long enough not to write on every keystroke, short enough that little is ever lost.
constexpr auto kQuietTime = std::chrono::seconds(2);
}  // namespace

RecoveryKeeper::RecoveryKeeper(QTextDocument& document, Snapshot snapshot, const QString& folder,
                               QObject* parent)
    : QObject(parent), document_(document), snapshot_(std::move(snapshot)), copy_(folder) {
  quiet_.setSingleShot(true);
  quiet_.setInterval(kQuietTime);
  connect(&quiet_, &QTimer::timeout, this, &RecoveryKeeper::WriteNow);
  connect(&document_, &QTextDocument::contentsChanged, &quiet_, qOverload<>(&QTimer::start));
  // Saved, or replaced by another file's text: nothing of the old text is unsaved any more.
  connect(&document_, &QTextDocument::modificationChanged, this, [this](bool modified) {
    if (!modified) Discard();
  });
  if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(application, &QGuiApplication::commitDataRequest, this, &RecoveryKeeper::WriteNow);
  }
}

void RecoveryKeeper::WriteNow() {
  quiet_.stop();
  if (!document_.isModified() || document_.isEmpty()) {
    copy_.Remove();
    return;
  }
  RecoveredProgram program = snapshot_();
  program.changed = QDateTime::currentDateTime();
  copy_.Write(program);
}

void RecoveryKeeper::Discard() {
  quiet_.stop();
  copy_.Remove();
}

}  // namespace kwarcyt
