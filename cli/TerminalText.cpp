#include "TerminalText.h"

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

std::string TerminalText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x20 || byte == 0x7F) {
      AppendEscaped(out, byte);
    } else if (byte == 0xC2 && i + 1 < utf8.size() &&
               IsC1Continuation(static_cast<unsigned char>(utf8[i + 1]))) {
      // U+0080..U+009F are encoded as C2 80..C2 9F.
      AppendEscaped(out, static_cast<unsigned char>(utf8[++i]));
    } else {
      out += utf8[i];
    }
  }
  return out;
}

}  // namespace kwarcyt
