#include "FileName.h"

#include <string_view>

#include "TerminalText.h"
#include "Utf8Bytes.h"

namespace kwarcyt {
namespace {

constexpr char16_t kFirstKeptByte = 0xDC00;

bool IsKeptByte(QChar character) {
  return character.unicode() >= kFirstKeptByte + 0x80 &&
         character.unicode() <= kFirstKeptByte + 0xFF;
}

}  // namespace

QString FileNameFromBytes(QByteArrayView bytes) {
  const std::string_view text(bytes.data(), static_cast<std::size_t>(bytes.size()));
  QString name;
  std::size_t decodedFrom = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, at);
    if (length > 0) {
      at += length;
      continue;
    }
    name += QString::fromUtf8(bytes.sliced(static_cast<qsizetype>(decodedFrom),
                                           static_cast<qsizetype>(at - decodedFrom)));
    name += QChar(static_cast<char16_t>(kFirstKeptByte + static_cast<unsigned char>(text[at])));
    decodedFrom = ++at;
  }
  return name + QString::fromUtf8(bytes.sliced(static_cast<qsizetype>(decodedFrom)));
}

QByteArray FileNameBytes(const QString& name) {
  QByteArray bytes;
  qsizetype encodedFrom = 0;
  for (qsizetype i = 0; i < name.size(); ++i) {
    // A low surrogate that completes a pair is part of a character, not a kept byte.
    if (name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
      ++i;
    } else if (IsKeptByte(name[i])) {
      bytes += QStringView(name).sliced(encodedFrom, i - encodedFrom).toUtf8();
      bytes += static_cast<char>(name[i].unicode() - kFirstKeptByte);
      encodedFrom = i + 1;
    }
  }
  return bytes + QStringView(name).sliced(encodedFrom).toUtf8();
}

QStringList CommandLineArguments(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << FileNameFromBytes(QByteArrayView(argv[i]));
  return arguments;
}

QString LocalFileOf(const QUrl& url) {
  if (!url.isLocalFile()) return {};
  // Fully encoded, the path keeps every byte that is not UTF-8 as %XX.
  return FileNameFromBytes(
      QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QString ShownText(const QString& text) {
  return QString::fromStdString(TerminalText(FileNameBytes(text).toStdString()));
}

}  // namespace kwarcyt
