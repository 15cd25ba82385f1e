#include "internal/ImportExpression.h"

#include <array>
#include <cstdlib>

#include "checker/Mojefunkcje.h"
#include "internal/SourceStatement.h"

namespace kwarcyt {
namespace {

// Far beyond any address or byte, and small enough that a product of two never overflows.
constexpr long kLargest = 1L << 31;
// Parentheses nested deeper than this are no program anybody wrote.
constexpr int kDeepest = 64;

bool IsWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '.' || c == '?' || c == '@' || c == '$';
}

bool IsRegisterName(std::string_view upper) {
  static constexpr std::array<std::string_view, 10> kRegisters{"A", "B", "C", "D",  "E",
                                                               "H", "L", "M", "SP", "PSW"};
  for (const std::string_view name : kRegisters) {
    if (name == upper) return true;
  }
  return false;
}

// Recursive descent with the precedence of the usual 8085 assemblers: HIGH and LOW bind
// tightest, then * and /, then + and -.
class Parser {
 public:
  Parser(std::string_view text, ValueKind kind, std::optional<long> here, const NameLookup& lookup)
      : text_(text), kind_(kind), here_(here), lookup_(lookup) {}

  ExpressionValue Run() {
    SkipSpace();
    if (at_ == text_.size()) return Fail("brak wartości");
    const std::optional<long> value = Sum();
    SkipSpace();
    if (value && at_ < text_.size()) Fail("niezrozumiały zapis „" + std::string(text_) + "”");
    if (result_.error.empty()) result_.value = value;
    if (primaries_ != 1 || operators_ != 0) result_.text.clear();
    return result_;
  }

 private:
  ExpressionValue Fail(std::string why) {
    if (result_.error.empty()) result_.error = std::move(why);
    return result_;
  }

  std::optional<long> Checked(long value) {
    if (value > kLargest || value < -kLargest) {
      Fail("wartość wyrażenia jest za duża");
      return std::nullopt;
    }
    return value;
  }

  void SkipSpace() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
  }

  bool Take(char c) {
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      ++operators_;
      return true;
    }
    return false;
  }

  std::optional<long> Sum() {
    std::optional<long> value = Product();
    while (value) {
      if (Take('+')) {
        const auto right = Product();
        value = right ? Checked(*value + *right) : std::nullopt;
      } else if (Take('-')) {
        const auto right = Product();
        value = right ? Checked(*value - *right) : std::nullopt;
      } else {
        break;
      }
    }
    return value;
  }

  std::optional<long> Product() {
    std::optional<long> value = Unary();
    while (value) {
      if (Take('*')) {
        const auto right = Unary();
        value = right ? Checked(*value * *right) : std::nullopt;
      } else if (Take('/')) {
        const auto right = Unary();
        if (right && *right == 0) {
          Fail("dzielenie przez zero");
          return std::nullopt;
        }
        value = right ? std::optional<long>(*value / *right) : std::nullopt;
      } else {
        break;
      }
    }
    return value;
  }

  std::optional<long> Unary() {
    if (++depth_ > kDeepest) {
      Fail("wyrażenie ma za dużo nawiasów");
      return std::nullopt;
    }
    std::optional<long> value;
    if (Take('-')) {
      value = Unary();
      if (value) value = -*value;
    } else if (Take('+')) {
      value = Unary();
    } else if (const std::string word = PeekWord(); word == "HIGH" || word == "LOW") {
      at_ += word.size();
      ++operators_;
      value = Unary();
      if (value) value = word == "HIGH" ? (*value & 0xFFFF) >> 8 : *value & 0xFF;
    } else {
      value = Primary();
    }
    --depth_;
    return value;
  }

  std::string PeekWord() {
    SkipSpace();
    std::size_t end = at_;
    while (end < text_.size() && IsWordChar(text_[end])) ++end;
    return UpperCase(text_.substr(at_, end - at_));
  }

  std::optional<long> Primary() {
    if (Take('(')) {
      const std::optional<long> value = Sum();
      if (value && !Take(')')) Fail("brak nawiasu zamykającego");
      return value;
    }
    SkipSpace();
    if (at_ == text_.size()) {
      Fail("brak wartości po znaku działania");
      return std::nullopt;
    }
    std::size_t end = at_;
    if (text_[at_] == '\'' || text_[at_] == '"') {
      end = QuotedEnd(text_, at_);
    } else {
      while (end < text_.size() && IsWordChar(text_[end])) ++end;
    }
    if (end == at_) {
      Fail("niezrozumiały zapis „" + std::string(text_) + "”");
      return std::nullopt;
    }
    const std::string_view token = text_.substr(at_, end - at_);
    at_ = end;
    ++primaries_;
    return Token(token);
  }

  std::optional<long> Token(std::string_view token) {
    if (token == "$") {
      if (!here_) Fail("adres tego wiersza jest nieznany");
      return here_;
    }
    const std::string upper = UpperCase(token);
    if (IsRegisterName(upper)) {
      result_.registerName = true;
      Fail(upper + " to nazwa rejestru, a w tym miejscu potrzebna jest liczba");
      return std::nullopt;
    }
    const bool quoted = token.front() == '\'' || token.front() == '"';
    const bool digitFirst = token.front() >= '0' && token.front() <= '9';
    if (!quoted && !digitFirst && !token.starts_with('$')) {
      const NameValue name = lookup_(upper);
      if (name.value || !name.error.empty()) {
        if (!name.value) {
          Fail(name.error);
          return std::nullopt;
        }
        result_.codeAddress = result_.codeAddress || name.codeAddress;
        result_.text = name.text;
        return name.value;
      }
    }
    const std::optional<ImportedValue> literal = ImportLiteral(token, kind_);
    if (!literal) {
      Fail(quoted ? "tekst " + std::string(token) + " nie jest jednym znakiem"
                  : "nieznana nazwa " + std::string(token));
      return std::nullopt;
    }
    if (literal->value < 0) {
      Fail("liczby " + std::string(token) + " nie da się odczytać, jest za duża");
      return std::nullopt;
    }
    if (result_.guess.empty()) result_.guess = literal->guess;
    result_.text = literal->text;
    return literal->value;
  }

  std::string_view text_;
  ValueKind kind_;
  std::optional<long> here_;
  const NameLookup& lookup_;
  std::size_t at_ = 0;
  int depth_ = 0;
  int primaries_ = 0;
  int operators_ = 0;
  ExpressionValue result_;
};

}  // namespace

ExpressionValue EvaluateExpression(std::string_view text, ValueKind kind, std::optional<long> here,
                                   const NameLookup& lookup) {
  return Parser(Trim(text), kind, here, lookup).Run();
}

}  // namespace kwarcyt
