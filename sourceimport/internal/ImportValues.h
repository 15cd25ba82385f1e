// Numbers and names of the common assembler syntax, turned into Kwarcyt's number literals.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kwarcyt {

// Where a value stands: a byte (MVI, ADI, IN, DB ...), a 16-bit value (LXI, DW ...) or a memory
// address of LDA, STA, LHLD or SHLD, where textbooks write hexadecimal without a suffix.
enum class ValueKind { Byte, Word, Address };

struct ImportedValue {
  std::string text;  // the literal Kwarcyt reads
  long value = 0;    // what it stands for
  // Set when the reading of a number without a suffix was a guess: why it was read so.
  std::string guess;
};

// One number literal of the common syntax in Kwarcyt's form: "0x1F", "$1F" and "1FH" become
// "1Fh", a hexadecimal number that begins with a letter gains a leading 0, a number without a
// suffix that holds a hexadecimal letter is hexadecimal, and so is a four-digit address.
// Nothing for a text that is no literal; a negative value for a literal too large to read.
std::optional<ImportedValue> ImportLiteral(std::string_view token, ValueKind kind);

// "3000h", "0C050h", "0Ah": upper-case digits, at least `digits` of them.
std::string HexLiteral(long value, int digits);

}  // namespace kwarcyt
