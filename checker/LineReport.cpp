#include "LineReport.h"

#include <string>
#include <utility>

#include "MessageExcerpt.h"

namespace kwarcyt {

void LineReport::Message(std::string_view text, std::string_view operand, std::string_view tail) {
  std::string message = std::to_string(index_);
  message.append(text).append(MessageExcerpt(operand)).append(tail);
  errors_.push_back(std::move(message));
  programChecked_ = false;
}

}  // namespace kwarcyt
