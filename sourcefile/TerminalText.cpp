#include "TerminalText.h"

#include "Utf8Bytes.h"

namespace kwarcyt {
namespace {

void AppendEscaped(std::string& out, unsigned char code) {
  static constexpr std::string_view kHexDigits = "0123456789ABCDEF";
  out += "\\x";
  out += kHexDigits[code >> 4];
  out += kHexDigits[code & 0xF];
}

bool IsC1Continuation(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F;
}

}  // namespace

std::string TerminalText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0 || byte < 0x20 || byte == 0x7F) {
      AppendEscaped(out, byte);
      ++i;
    } else if (byte == 0xC2 && IsC1Continuation(static_cast<unsigned char>(text[i + 1]))) {
      // U+0080..U+009F are encoded as C2 80..C2 9F.
      AppendEscaped(out, static_cast<unsigned char>(text[i + 1]));
      i += 2;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  return out;
}

}  // namespace kwarcyt
