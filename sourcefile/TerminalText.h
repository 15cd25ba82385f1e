// Student text on the teacher's terminal. A program file may hold ESC, BEL and other control
// characters; written raw they would move the cursor, change colours or retitle the terminal. A
// file name may hold bytes that are not UTF-8, which a terminal would show as nothing readable.
#pragma once

#include <string>
#include <string_view>

namespace kwarcyt {

// The text with every control character (U+0000..U+001F, U+007F and U+0080..U+009F) written as
// "\x" and two upper-case hexadecimal digits of its code, such as \x1B, and so each byte that is
// not part of valid UTF-8, such as \xB3; everything else is kept as it is.
std::string TerminalText(std::string_view text);

}  // namespace kwarcyt
