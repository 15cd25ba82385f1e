// The memory window's "Adres:" field reads an address as the program text reads one, and
// refuses anything else with the checker's own words.
#pragma once

#include <QString>
#include <optional>

namespace kwarcyt {

struct AddressReading {
  std::optional<int> address;  // none when the text was refused
  QString refusal;             // why, as the checker says it; empty when read
};

AddressReading ReadAddress(const QString& typed);

}  // namespace kwarcyt
