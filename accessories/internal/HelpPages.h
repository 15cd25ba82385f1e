// The fixed texts of the help window's pages, apart from the instruction list. In every text an
// "&" marks the letter that is underlined (the menu accelerator of a command, or the letter that
// selects a page with Alt).
#pragma once

#include "resources/CommandIcons.h"

#include <QString>

#include <optional>
#include <vector>

namespace kwarcyt {

enum class HelpLineKind {
  Command,        // "[caption] - description", beside the command's tool-bar picture if any
  CommandDetail,  // a further line about the command above, indented under its description
  Text,
  Continuation,  // the rest of the sentence above, indented
  UnderlinedContinuation,
  Heading,
};

struct HelpLine {
  HelpLineKind kind;
  QString text;
  std::optional<CommandIcon> icon = std::nullopt;
};

struct HelpPage {
  QString caption;
  std::vector<std::vector<HelpLine>> columns;  // one or two columns, side by side
  // Longer than the window is high: the page scrolls instead of squeezing its lines.
  bool scrolls = false;
};

// The seven text pages in tab order; the instruction list is the eighth page.
std::vector<HelpPage> HelpTextPages();

inline constexpr const char* kInstructionListCaption = "&Lista rozkazów";

// The text as rich text: "&x" underlines x, "&&" is a plain "&", everything else is escaped.
QString AcceleratorHtml(const QString& text);

}  // namespace kwarcyt
