// Student text on the teacher's terminal. A program file may hold ESC, BEL and other control
// characters; written raw they would move the cursor, change colours or retitle the terminal.
#pragma once

#include <string>
#include <string_view>

namespace kwarcyt {

// The UTF-8 text with every control character (U+0000..U+001F, U+007F and U+0080..U+009F)
// written as "\x" and two upper-case hexadecimal digits of its code, such as \x1B; everything
// else is kept as it is.
std::string TerminalText(std::string_view utf8);

}  // namespace kwarcyt
