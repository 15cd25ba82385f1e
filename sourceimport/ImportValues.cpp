#include "ImportValues.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

#include "SourceStatement.h"
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

struct Term {
  bool negative = false;
  std::string_view text;
};

// The terms of a sum, split at the signs outside quotes; nothing for an empty term.
std::optional<std::vector<Term>> Terms(std::string_view operand) {
  std::vector<Term> terms;
  Term term;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= operand.size();) {
    if (i == operand.size() || operand[i] == '+' || operand[i] == '-') {
      term.text = Trim(operand.substr(start, i - start));
      const bool leadingSign = terms.empty() && term.text.empty() && i < operand.size();
      if (!leadingSign) {
        if (term.text.empty()) return std::nullopt;
        terms.push_back(term);
      }
      term = Term{i < operand.size() && operand[i] == '-', {}};
      start = ++i;
    } else {
      i = (operand[i] == '\'' || operand[i] == '"') ? QuotedEnd(operand, i) : i + 1;
    }
  }
  return terms;
}

std::optional<ImportedValue> SingleTerm(std::string_view term, ValueKind kind,
                                        const Symbols& symbols, long here,
                                        std::set<std::string>* used) {
  if (term == "$") return ImportedValue{HexLiteral(here, 4), here, {}};
  if (const auto symbol = symbols.find(UpperCase(term)); symbol != symbols.end()) {
    if (used != nullptr) used->insert(symbol->first);
    return ImportedValue{symbol->second.text, symbol->second.value, {}};
  }
  return ImportLiteral(term, kind);
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

std::optional<ImportedValue> ImportValue(std::string_view operand, ValueKind kind,
                                         const Symbols& symbols, long here,
                                         std::set<std::string>* used) {
  const auto terms = Terms(Trim(operand));
  if (!terms || terms->empty()) return std::nullopt;
  if (terms->size() == 1 && !terms->front().negative) {
    return SingleTerm(terms->front().text, kind, symbols, here, used);
  }
  long sum = 0;
  std::string guess;
  for (const Term& term : *terms) {
    const auto value = SingleTerm(term.text, kind, symbols, here, used);
    if (!value) return std::nullopt;
    sum += term.negative ? -value->value : value->value;
    if (guess.empty()) guess = value->guess;
  }
  const bool byte = kind == ValueKind::Byte;
  const long masked = sum & (byte ? 0xFF : 0xFFFF);
  return ImportedValue{HexLiteral(masked, byte ? 2 : 4), masked, guess};
}

}  // namespace kwarcyt
