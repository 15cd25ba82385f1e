// Where a byte string stops being valid UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace kwarcyt {

// The length of the valid UTF-8 sequence that starts at text[at], or 0 when none does there: a
// stray continuation byte, an overlong form, an encoded surrogate, a code above U+10FFFF, a byte
// that never occurs in UTF-8, or a sequence cut short.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// The offset of the first byte that is not part of a valid sequence; nothing when all are.
std::optional<std::size_t> FirstInvalidUtf8Byte(std::string_view text);

}  // namespace kwarcyt
