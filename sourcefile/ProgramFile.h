// Reading and writing program files as whole files.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include "ProgramText.h"
#include "TextEncoding.h"

namespace kwarcyt {

// No program comes near this size; anything larger is refused before it can exhaust memory.
inline constexpr qint64 kMaxProgramFileMegabytes = 16;
inline constexpr qint64 kMaxProgramFileBytes = kMaxProgramFileMegabytes * 1024 * 1024;

struct ProgramReadResult {
  bool ok = false;
  ProgramText text;
  QString error;  // why reading failed, in Polish, for the user; empty when ok
};

struct FileBytesResult {
  bool ok = false;
  QByteArray bytes;
  QString error;  // as in ProgramReadResult
};

// Reads the whole file as it is, refusing what ReadProgramFile refuses. The name is kept byte
// for byte (see FileNameFromBytes), as in every function here that takes one.
FileBytesResult ReadFileBytes(const QString& path);
// Reads everything that is left in an already open file, refusing more than
// kMaxProgramFileBytes.
FileBytesResult ReadAll(QFile& file);

// Reads the whole file (see DecodeProgramText for line breaks and encodings). Only a regular
// file of at most kMaxProgramFileBytes is read: a folder, device, pipe or socket is refused
// before it is opened, so reading never blocks or runs without end.
ProgramReadResult ReadProgramFile(const QString& path);
// Reads everything that is left in an already open file, standard input for example, refusing
// more than kMaxProgramFileBytes.
ProgramReadResult ReadProgram(QFile& file);

struct ProgramWriteResult {
  bool ok = false;
  TextEncoding encoding = TextEncoding::Utf8;  // what the file is now written in
  QString error;                               // why writing failed, in Polish; empty when ok
};

// One version of a file on disk: a save by any program gives a different stamp.
struct FileStamp {
  bool exists = false;
  qint64 size = 0;
  qint64 modifiedNanoseconds = 0;
  quint64 inode = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const QString& path);

// Replaces the file's contents as ReplaceFileContents does: when anything fails, the old ones
// stay whole, and the file keeps its owner, group and permissions.
ProgramWriteResult WriteProgramFile(const QString& path, const QStringList& lines,
                                    TextEncoding encoding);

}  // namespace kwarcyt
