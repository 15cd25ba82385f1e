// Keeps the recovery copy of the editor's unsaved text up to date: a moment after the last
// change, and at once when the desktop session ends. A document without unsaved changes has
// no copy.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "sourcefile/RecoveryCopy.h"

class QTextDocument;

namespace kwarcyt {

class RecoveryKeeper : public QObject {
  Q_OBJECT

 public:
  // What the copy holds; asked for each time it is written.
  using Snapshot = std::function<RecoveredProgram()>;

  RecoveryKeeper(QTextDocument& document, Snapshot snapshot, const QString& folder,
                 QObject* parent);

  // Brings the copy up to date now, without waiting for the editor to go quiet.
  void WriteNow();
  // Throws the copy away: the user chose not to keep the text.
  void Discard();
  std::vector<LeftCopy> LeftBehind() const { return copy_.LeftBehind(); }

 private:
  QTextDocument& document_;
  Snapshot snapshot_;
  RecoveryCopy copy_;
  QTimer quiet_;
};

}  // namespace kwarcyt
