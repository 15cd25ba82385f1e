#include "AddressText.h"

#include "checker/CheckerMessages.h"
#include "checker/MessageExcerpt.h"
#include "checker/Mojefunkcje.h"
#include "checker/Operands.h"

namespace kwarcyt {

AddressReading ReadAddress(const QString& typed) {
  // The checker sees an operand trimmed and in upper case, so "2100h" reads as in a program.
  const std::string operand = NormalizeLine(typed.toStdString());
  const int address = ParseNumber(operand, kWordMaximum);
  if (address >= 0) return {address, {}};
  // The checker's text follows a line number and ": "; beside the field it stands alone.
  std::string_view text = messages::kInvalidAddress;
  text.remove_prefix(text.find_first_not_of(": "));
  return {std::nullopt, QString::fromStdString(std::string(text) + MessageExcerpt(operand) + "]")};
}

}  // namespace kwarcyt
