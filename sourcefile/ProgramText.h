// Turning the bytes of a program file into the editor's lines and back.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <string>
#include <vector>

#include "TextEncoding.h"

namespace kwarcyt {

// The lines of a program and the encoding its file was read in, so that a save can write the
// file back in the same encoding.
struct ProgramText {
  QStringList lines;
  TextEncoding encoding = TextEncoding::Utf8;
};

// Valid UTF-8 is read as UTF-8, anything else as Windows-1250; a UTF-8 byte order mark at the
// start is dropped. CR LF, a lone CR and a lone LF each end one line. A text that ends with a
// line break has a final empty line; an empty text has no lines at all.
ProgramText DecodeProgramText(QByteArrayView bytes);

// Each line in UTF-8, as the checker, the interpreter and the import take it.
std::vector<std::string> Utf8Lines(const QStringList& lines);

struct EncodedProgram {
  QByteArray bytes;
  TextEncoding encoding = TextEncoding::Utf8;  // the encoding actually used
};

// The lines joined by CR LF, nothing after the last one. Windows-1250 is kept only while every
// character can still be written in it; otherwise the text falls back to UTF-8 so nothing is lost.
EncodedProgram EncodeProgramText(const QStringList& lines, TextEncoding preferred);

}  // namespace kwarcyt
