// Why a flag came out as it did, in Polish, from the rule the step applied and the numbers it
// looked at: "Z=0, bo wynik jest różny od zera".
#pragma once

#include <string>

#include "StepObserver.h"

namespace kwarcyt {

struct FlagNote {
  FlagId flag;
  int value;
  FlagRule rule;
  int x;
  int y;
  int z;
};

const char* FlagName(FlagId flag);
std::string FlagReason(const FlagNote& note);

// "07h" and "FFFEh": the notation of the views, with the suffix of the source language.
std::string ByteHex(int value);
std::string WordHex(int value);

}  // namespace kwarcyt
