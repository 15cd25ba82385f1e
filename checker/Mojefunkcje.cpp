#include "Mojefunkcje.h"

#include <array>
#include <climits>
#include <cstdint>

#include "InstructionSet.h"

namespace kwarcyt {
namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsUpperLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The standard signed 32-bit text-to-integer conversion: leading spaces, an optional sign,
// then decimal digits, or hexadecimal digits after "$", "X" or "0X". -1 for anything else.
int ConvertInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && text[i + 1] == 'X') {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return -1;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = base == 10 ? (IsDigit(text[i]) ? text[i] - '0' : -1) : HexDigit(text[i]);
    if (digit < 0) return -1;
    value = value * base + digit;
    if (value > std::int64_t{INT_MAX} + 1) return -1;
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return -1;
  return static_cast<int>(value);
}

}  // namespace

int FindMnemonic(std::string_view word) {
  const InstructionInfo* row = FindInstruction(word);
  return row ? static_cast<int>(row - kInstructions) : -1;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::string NormalizeLine(std::string_view line) {
  return UpperCase(Trim(line));
}

bool IsCommentLine(std::string_view normalized) {
  return !normalized.empty() && normalized.front() == '/';
}

bool IsLabelLine(std::string_view normalized) {
  return !normalized.empty() && normalized.back() == ':' && normalized.front() != '/';
}

std::string_view GetMnemonic(std::string_view line) {
  if (!line.empty() && line.back() == ':') return {};
  return line.substr(0, line.find(' '));
}

std::string_view GetFirstOperand(std::string_view line) {
  const std::size_t space = line.find(' ');
  if (space == std::string_view::npos) return {};
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos) return line.substr(space + 1);
  if (comma < space) return {};
  return line.substr(space + 1, comma - space - 1);
}

std::string_view GetSecondOperand(std::string_view line) {
  const std::size_t space = line.find(' ');
  const std::size_t comma = line.find(',');
  if (space == std::string_view::npos || comma == std::string_view::npos || comma < space) {
    return {};
  }
  return line.substr(comma + 1);
}

LineParts SplitLine(std::string_view normalized) {
  if (normalized.empty() || IsCommentLine(normalized) || normalized.back() == ':') return {};
  return {Trim(GetMnemonic(normalized)), Trim(GetFirstOperand(normalized)),
          Trim(GetSecondOperand(normalized))};
}

bool IsMnemonic(std::string_view word) {
  return FindMnemonic(word) >= 0;
}

bool IsLabelName(std::string_view text) {
  if (text.empty() || text.size() > kMaxLabelLength || !IsUpperLetter(text.front())) return false;
  for (char c : text.substr(1)) {
    if (!IsUpperLetter(c) && !IsDigit(c) && c != '_') return false;
  }
  return true;
}

std::int64_t BinaryValue(std::string_view digits) {
  std::int64_t value = 0;
  for (char c : digits) {
    if (value > (INT64_MAX - 1) / 2) return INT64_MAX;
    value = value * 2 + (c == '1' ? 1 : 0);
  }
  return value;
}

int HexValue(std::string_view digits) {
  if (digits.empty()) return -1;
  std::uint32_t value = 0;
  int significant = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0 || (c >= 'a' && c <= 'f')) return -1;
    if (significant > 0 || digit != 0) ++significant;
    if (significant > 8) return -1;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return static_cast<int>(value);  // 80000000h and above come out negative
}

int ParseNumber(std::string_view text, int maximum) {
  if (text.empty()) return -1;
  const std::string upper = UpperCase(text);
  const char last = upper.back();
  std::int64_t value;
  if (IsDigit(last)) {
    value = ConvertInteger(upper);
  } else if (last == 'B') {
    const std::string_view digits = std::string_view(upper).substr(0, upper.size() - 1);
    if (digits.empty() || digits.find_first_not_of("01") != std::string_view::npos) return -1;
    value = BinaryValue(digits);
  } else if (last == 'H') {
    value = HexValue(std::string_view(upper).substr(0, upper.size() - 1));
  } else {
    if (text.size() != 3 || text[0] != '\'' || text[2] != '\'') return -1;
    value = static_cast<signed char>(text[1]);
  }
  if (value > maximum) return -2;
  return static_cast<int>(value);
}

std::string BinaryText(std::uint32_t value, int width) {
  std::string digits(32, '0');
  for (int bit = 0; bit < 32; ++bit) {
    if (value & (std::uint32_t{1} << bit)) digits[31 - bit] = '1';
  }
  if (width >= 1 && width <= 32) return digits.substr(32 - width);
  const std::size_t first = digits.find('1');
  return first == std::string::npos ? "0" : digits.substr(first);
}

std::string PaddedDecimal(int value, int width, char pad) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), pad);
  return text;
}

// The number of ones in each byte. Every arithmetic and logic step asks for the parity flag,
// and without a POPCNT instruction in the target, counting bits is a library call.
constexpr auto kOnesInByte = [] {
  std::array<std::uint8_t, 256> ones{};
  for (std::size_t i = 1; i < ones.size(); ++i) {
    ones[i] = static_cast<std::uint8_t>(ones[i / 2] + i % 2);
  }
  return ones;
}();

int ParityFlag(int value, int carry) {
  const int ones = kOnesInByte[static_cast<std::size_t>(value & 0xFF)];
  if (ones == 0) return 0;
  return (ones + carry) % 2 == 0 ? 1 : 0;
}

}  // namespace kwarcyt
