#include "internal/ImportValues.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "checker/Mojefunkcje.h"

namespace kwarcyt {
namespace {

bool IsDecimal(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexLetter(char c) {
  return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool IsHex(char c) {
  return IsDecimal(c) || IsHexLetter(c);
}
bool AllOf(std::string_view text, bool (*test)(char)) {
  return !text.empty() && std::all_of(text.begin(), text.end(), test);
}

long ValueOf(const std::string& literal) {
  return ParseNumber(literal, INT_MAX);
}

// Hexadecimal digits with the suffix Kwarcyt reads, and a leading 0 before a letter.
ImportedValue HexDigits(std::string_view digits, std::string guess = {}) {
  std::string text = IsHexLetter(digits.front()) ? "0" : "";
  text.append(digits);
  text += 'h';
  return {text, ValueOf(text), std::move(guess)};
}

// One character between apostrophes or double quotes, written between apostrophes as Kwarcyt
// reads it; a character outside ASCII has no literal there and is written as its code.
std::optional<ImportedValue> Character(std::string_view token) {
  if (token.size() != 3 || token.front() != token.back() ||
      (token.front() != '\'' && token.front() != '"')) {
    return std::nullopt;
  }
  const auto code = static_cast<unsigned char>(token[1]);
  if (code >= 128) return ImportedValue{std::to_string(code), code, {}};
  const std::string text = {'\'', token[1], '\''};
  return ImportedValue{text, code, {}};
}

}  // namespace

std::string HexLiteral(long value, int digits) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%0*lX", digits, value);
  return HexDigits(buffer).text;
}

std::optional<ImportedValue> ImportLiteral(std::string_view token, ValueKind kind) {
  if (token.empty()) return std::nullopt;
  if (auto character = Character(token)) return character;
  if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X') &&
      AllOf(token.substr(2), IsHex)) {
    return HexDigits(token.substr(2));
  }
  if (token.size() > 1 && token[0] == '$' && AllOf(token.substr(1), IsHex)) {
    return HexDigits(token.substr(1));
  }
  const char suffix = token.back();
  const std::string_view body = token.substr(0, token.size() - 1);
  if ((suffix == 'h' || suffix == 'H') && AllOf(body, IsHex)) {
    if (IsHexLetter(body.front())) return HexDigits(body);
    const std::string text(token);
    return ImportedValue{text, ValueOf(text), {}};
  }
  if (AllOf(token, IsDecimal)) {
    if (kind == ValueKind::Address && token.size() == 4) {
      return HexDigits(token,
                       "czterocyfrowy adres bez przyrostka: podręczniki zapisują adresy "
                       "szesnastkowo");
    }
    const std::string text(token);
    return ImportedValue{text, ValueOf(text), {}};
  }
  if ((suffix == 'b' || suffix == 'B') &&
      AllOf(body, [](char c) { return c == '0' || c == '1'; })) {
    const std::string text(token);
    return ImportedValue{text, ValueOf(text), {}};
  }
  if (AllOf(token, IsHex)) {
    return HexDigits(token, "liczba bez przyrostka z cyfrą A–F jest szesnastkowa");
  }
  return std::nullopt;
}

}  // namespace kwarcyt
