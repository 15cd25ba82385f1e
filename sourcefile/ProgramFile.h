// Reading and writing program files as whole files.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include "ProgramText.h"
#include "TextEncoding.h"

namespace kwarcyt {

struct ProgramReadResult {
  bool ok = false;
  ProgramText text;
  QString error;  // why reading failed, for the user; empty when ok
};

// Reads the whole file (see DecodeProgramText for line breaks and encodings).
ProgramReadResult ReadProgramFile(const QString& path);
// Reads everything that is left in an already open file, standard input for example.
ProgramReadResult ReadProgram(QFile& file);

struct ProgramWriteResult {
  bool ok = false;
  TextEncoding encoding = TextEncoding::Utf8;  // what the file is now written in
  QString error;                               // why writing failed; empty when ok
};

// Replaces the file atomically: when anything fails, the old file stays whole.
ProgramWriteResult WriteProgramFile(const QString& path, const QStringList& lines,
                                    TextEncoding encoding);

}  // namespace kwarcyt
