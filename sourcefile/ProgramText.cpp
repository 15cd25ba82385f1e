#include "ProgramText.h"

#include <QLatin1StringView>
#include <QStringDecoder>
#include <QTextCodec>

namespace kwarcyt {
namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

QTextCodec& Windows1250Codec() {
  static QTextCodec* const codec = QTextCodec::codecForName("Windows-1250");
  Q_ASSERT(codec != nullptr);
  return *codec;
}

// The whole text as UTF-8, or nothing when the bytes are not valid UTF-8 (an incomplete
// sequence at the very end included).
std::optional<QString> DecodeUtf8(QByteArrayView bytes) {
  // A second byte order mark is text, not a mark: keep it.
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                     QStringConverter::Flag::ConvertInitialBom);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

}  // namespace

ProgramText DecodeProgramText(QByteArrayView bytes) {
  if (bytes.startsWith(kUtf8Bom)) bytes = bytes.sliced(kUtf8Bom.size());

  ProgramText result;
  QString text;
  if (std::optional<QString> utf8 = DecodeUtf8(bytes)) {
    text = std::move(*utf8);
    result.encoding = TextEncoding::Utf8;
  } else {
    text = Windows1250Codec().toUnicode(bytes.data(), static_cast<int>(bytes.size()));
    result.encoding = TextEncoding::Windows1250;
  }
  if (text.isEmpty()) return result;

  text.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  result.lines = text.split(QLatin1Char('\n'));
  return result;
}

EncodedProgram EncodeProgramText(const QStringList& lines, TextEncoding preferred) {
  const QString text = lines.join(QLatin1StringView("\r\n"));
  if (preferred == TextEncoding::Windows1250 && Windows1250Codec().canEncode(text)) {
    QByteArray bytes = Windows1250Codec().fromUnicode(text);
    // Text that begins with the code page's "ď»ż" would be read back as a byte order mark.
    if (!bytes.startsWith(kUtf8Bom)) return {std::move(bytes), TextEncoding::Windows1250};
  }
  QByteArray bytes = text.toUtf8();
  // Reading drops one leading byte order mark: a text that begins with the mark's character
  // keeps it behind a mark of its own.
  if (bytes.startsWith(kUtf8Bom)) bytes.prepend(kUtf8Bom.data(), kUtf8Bom.size());
  return {std::move(bytes), TextEncoding::Utf8};
}

std::vector<std::string> Utf8Lines(const QStringList& lines) {
  std::vector<std::string> result;
  result.reserve(static_cast<std::size_t>(lines.size()));
  for (const QString& line : lines) result.push_back(line.toStdString());
  return result;
}

}  // namespace kwarcyt
