// One line of a program in the common assembler syntax, taken apart: an optional label, the
// statement (an instruction or a directive with its operands) and an optional comment.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kwarcyt {

// The data and layout directives of the common syntax.
enum class Directive { None, Org, Db, Dw, Ds, Equ, End, Unknown };

struct SourceStatement {
  std::string label;               // as written, without its colon; empty for none
  bool labelWithoutColon = false;  // taken for a label only because a statement follows it
  std::string word;                // the mnemonic or directive as written; empty for none
  std::string operands;            // the rest of the statement, trimmed
  Directive directive = Directive::None;
  std::optional<std::string> comment;  // the text after ";", "//" or a leading "#", right-trimmed
  bool semicolonComment = false;       // the comment began with ";", which Kwarcyt does not read
  // The statement as written (label excluded), trimmed: what is kept when it cannot be converted.
  std::string text;
  // The whole line without its comment, trimmed: what is kept when the label has no line of its
  // own (an equate, data).
  std::string written;
};

SourceStatement ParseSourceLine(std::string_view line);

// The position just after the quoted text that opens at `open` (an apostrophe or a double
// quote): ';' and ''' are one character each, a longer text runs to its closing quote.
std::size_t QuotedEnd(std::string_view text, std::size_t open);

// A text of DB between quotes, other than one character (which is a number): "ABC", 'xy'.
bool IsQuotedText(std::string_view element);

// The operands split at the commas that stand outside quotes, each trimmed.
std::vector<std::string> SplitOperands(std::string_view operands);

// The directive a word names ("ORG", ".org", "#db" ...). Words beginning with "." or "#" that
// name none of them are Unknown; other words are None.
Directive DirectiveOf(std::string_view word);

}  // namespace kwarcyt
