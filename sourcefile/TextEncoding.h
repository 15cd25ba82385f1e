// The encodings a program file is read and written in.
#pragma once

namespace kwarcyt {

// Files written on Windows in the Central European code page are kept in it; everything else,
// and every new program, is UTF-8 without a byte order mark.
enum class TextEncoding { Utf8, Windows1250 };

}  // namespace kwarcyt
