#include "internal/SourceStatement.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "checker/InstructionSet.h"
#include "checker/Mojefunkcje.h"

namespace kwarcyt {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || static_cast<unsigned char>(c) < 32;
}

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '.' || c == '?' || c == '@' || c == '$';
}

bool IsQuote(char c) {
  return c == '\'' || c == '"';
}

std::string_view RightTrim(std::string_view text) {
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// Where the comment begins: ";" or "//" outside quotes, or "#" not followed by a letter at the
// start of the line (a line such as "#ORG 2000H" is a directive). npos for none.
std::size_t CommentStart(std::string_view line) {
  const std::string_view body = Trim(line);
  if (body.starts_with('#') &&
      (body.size() == 1 || !std::isalpha(static_cast<unsigned char>(body[1])))) {
    return line.find('#');
  }
  for (std::size_t i = 0; i < line.size();) {
    if (line[i] == ';' || line.substr(i).starts_with("//")) return i;
    i = IsQuote(line[i]) ? QuotedEnd(line, i) : i + 1;
  }
  return std::string_view::npos;
}

// The form that names the constant after the directive: "EQU COUNT, 10", ".equ COUNT = 10",
// "#EQU COUNT 10".
void TakeEquateName(SourceStatement& statement) {
  const std::string& operands = statement.operands;
  const auto nameEnd = std::find_if_not(operands.begin(), operands.end(), IsNameChar);
  std::string_view rest = Trim(std::string_view(nameEnd, operands.end()));
  if (nameEnd == operands.begin() || rest.empty()) return;
  if (rest.front() == ',' || rest.front() == '=') rest = Trim(rest.substr(1));
  statement.label = std::string(operands.begin(), nameEnd);
  statement.operands = std::string(rest);
}

bool IsStatementWord(std::string_view word) {
  return IsMnemonic(UpperCase(word)) || DirectiveOf(word) != Directive::None;
}

// Splits the statement into its first word and the rest.
void SplitWord(std::string_view body, SourceStatement& statement) {
  const auto end = std::find_if(body.begin(), body.end(), IsSpace);
  statement.word = std::string(body.begin(), end);
  statement.operands = std::string(Trim(std::string_view(end, body.end())));
  statement.directive = DirectiveOf(statement.word);
  statement.text = std::string(body);
}

}  // namespace

std::size_t QuotedEnd(std::string_view text, std::size_t open) {
  const char quote = text[open];
  if (open + 2 < text.size() && text[open + 2] == quote) return open + 3;
  const std::size_t close = text.find(quote, open + 1);
  return close == std::string_view::npos ? text.size() : close + 1;
}

Directive DirectiveOf(std::string_view word) {
  std::string name = UpperCase(word);
  const bool prefixed = !name.empty() && (name.front() == '.' || name.front() == '#');
  if (prefixed) name.erase(0, 1);
  struct Named {
    std::string_view name;
    Directive directive;
  };
  static constexpr std::array<Named, 17> kNames{{
      {"ORG", Directive::Org},
      {"DB", Directive::Db},
      {"DEFB", Directive::Db},
      {"BYTE", Directive::Db},
      {"DW", Directive::Dw},
      {"DEFW", Directive::Dw},
      {"WORD", Directive::Dw},
      {"DS", Directive::Ds},
      {"DEFS", Directive::Ds},
      {"EQU", Directive::Equ},
      {"SET", Directive::Equ},
      {"END", Directive::End},
      {"CPU", Directive::Unknown},
      {"TITLE", Directive::Unknown},
      {"PAGE", Directive::Unknown},
      {"LIST", Directive::Unknown},
      {"NOLIST", Directive::Unknown},
  }};
  for (const Named& known : kNames) {
    if (known.name == name) return known.directive;
  }
  // "OR" alone could be mistaken for an instruction of another processor.
  if (prefixed && name == "OR") return Directive::Org;
  return prefixed ? Directive::Unknown : Directive::None;
}

SourceStatement ParseSourceLine(std::string_view line) {
  SourceStatement statement;
  const std::size_t commentAt = CommentStart(line);
  if (commentAt != std::string_view::npos) {
    const std::size_t marker = line.substr(commentAt).starts_with("//") ? 2 : 1;
    statement.comment = std::string(RightTrim(line.substr(commentAt + marker)));
    statement.semicolonComment = line[commentAt] == ';';
    line = line.substr(0, commentAt);
  }
  std::string_view body = Trim(line);
  statement.written = std::string(body);

  const auto nameEnd = std::find_if_not(body.begin(), body.end(), IsNameChar);
  const std::string_view name(body.begin(), nameEnd);
  const std::string_view afterName = Trim(std::string_view(nameEnd, body.end()));
  if (!name.empty() && !afterName.empty() && afterName.front() == ':') {
    statement.label = std::string(name);
    body = Trim(afterName.substr(1));
  }
  SplitWord(body, statement);

  // A name in the first column followed by a statement is a label written without its colon
  // (LOOP MOV A,M), and so is the name of an equate (COUNT EQU 10).
  if (statement.label.empty() && !IsStatementWord(statement.word) && !statement.operands.empty()) {
    // A copy: splitting it again replaces the operands it comes from.
    const std::string rest = statement.operands;
    const std::string_view next(rest.begin(), std::find_if(rest.begin(), rest.end(), IsSpace));
    if (IsStatementWord(next) && DirectiveOf(next) != Directive::Unknown) {
      statement.label = statement.word;
      statement.labelWithoutColon = true;
      SplitWord(rest, statement);
    }
  }
  if (statement.directive == Directive::Equ && statement.label.empty()) TakeEquateName(statement);
  return statement;
}

bool IsQuotedText(std::string_view element) {
  return element.size() >= 2 && IsQuote(element.front()) &&
         QuotedEnd(element, 0) == element.size() && element.size() != 3;
}

std::vector<std::string> SplitOperands(std::string_view operands) {
  std::vector<std::string> parts;
  if (Trim(operands).empty()) return parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= operands.size();) {
    if (i == operands.size() || operands[i] == ',') {
      parts.emplace_back(Trim(operands.substr(start, i - start)));
      start = ++i;
    } else {
      i = IsQuote(operands[i]) ? QuotedEnd(operands, i) : i + 1;
    }
  }
  return parts;
}

}  // namespace kwarcyt
