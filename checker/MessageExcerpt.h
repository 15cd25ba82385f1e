// How much of a student's own text a message quotes. A line can be megabytes long, and every
// message that repeats it whole makes the error list lay out megabytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kwarcyt {

inline constexpr std::size_t kExcerptCharacters = 40;

// The text itself when it has at most kExcerptCharacters characters, otherwise its first
// kExcerptCharacters characters followed by "…". The text is UTF-8 and is cut only between
// characters; the work does not grow with the length of the text.
std::string MessageExcerpt(std::string_view text);

}  // namespace kwarcyt
