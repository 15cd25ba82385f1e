// File names as the system stores them: bytes, which need not be valid UTF-8 (an archive made on
// Windows keeps its Polish names in Windows-1250). Qt decodes such a name with replacement
// characters, so that the decoded name no longer finds the file, and its folder listings leave
// such a file out altogether; every name that reaches the file system goes through here instead.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace kwarcyt {

// The name with its valid UTF-8 decoded and every other byte kept as the lone surrogate
// U+DC80..U+DCFF, which no decoded text holds, so that FileNameBytes gives the same bytes back.
// A name that is valid UTF-8 comes out as QFile::decodeName gives it: Qt 6 reads every name on
// Unix as UTF-8.
QString FileNameFromBytes(QByteArrayView bytes);
QByteArray FileNameBytes(const QString& name);

// The program's command line, every argument kept byte for byte.
QStringList CommandLineArguments(int argc, const char* const* argv);
// The local file a file:// address names, byte for byte; empty for any other address.
QString LocalFileOf(const QUrl& url);

// Text that may hold a file name, for a person to read: each byte that is not UTF-8 and each
// control character is written as \x and two hexadecimal digits, as TerminalText does.
QString ShownText(const QString& text);

}  // namespace kwarcyt
