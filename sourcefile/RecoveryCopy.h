// A copy of a program's unsaved text kept beside the user's data, so that a crash, a kill or
// the end of a session never costs a student their work. Each running window has a slot of
// its own, held by a lock file for as long as it runs; a slot whose lock nobody holds was left
// behind and can be offered back at the next start.
#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "ProgramFile.h"
#include "TextEncoding.h"

namespace kwarcyt {

struct RecoveredProgram {
  QStringList lines;
  QString fileName;  // the file the text belongs to, or the name a new program shows
  bool hasFileName = false;
  TextEncoding encoding = TextEncoding::Utf8;
  QDateTime changed;  // when the copy was written
  // The file on disk as the window last read or wrote it, so that a Save after the restore asks
  // as it would have asked before; nothing in copies written before the stamp was kept.
  std::optional<FileStamp> diskStamp = std::nullopt;
};

// What became of the program's file since the copy was made.
enum class FileSinceCopy { Unchanged, Changed, Vanished };
FileSinceCopy FileSince(const RecoveredProgram& program);

// A copy left behind by a window that is gone; it stays claimed until it is discarded or this
// object is destroyed.
struct LeftCopy {
  QString path;
  RecoveredProgram program;
  std::shared_ptr<QLockFile> claim;
};

class RecoveryCopy {
 public:
  // The folder is created when missing; every name in it belongs to this class.
  explicit RecoveryCopy(QString folder);
  ~RecoveryCopy();
  RecoveryCopy(const RecoveryCopy&) = delete;
  RecoveryCopy& operator=(const RecoveryCopy&) = delete;

  // Replaces this window's copy atomically; false when it could not be written.
  bool Write(const RecoveredProgram& program);
  // The copy is no longer needed: the text was saved or deliberately thrown away.
  void Remove();

  // The readable copies of windows that no longer run, newest first, each claimed so that a
  // second window starting at the same time does not offer it too. Only regular files of a
  // bounded size are read: nothing else in the folder can hold up the start.
  std::vector<LeftCopy> LeftBehind() const;
  static void Discard(LeftCopy& copy);

  // The folder in the user's data location used by the program.
  static QString DefaultFolder();

 private:
  QString folder_;
  QString slotPath_;
  QLockFile slotLock_;
};

}  // namespace kwarcyt
