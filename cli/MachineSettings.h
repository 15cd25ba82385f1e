// Applying --set, --mem and --in to the machine before a run.
#pragma once

#include <QString>
#include <optional>

#include "RunnerOptions.h"
#include "core/MachineState.h"

namespace kwarcyt {

// The names --set accepts, in the order the help lists them, separated by spaces.
QString SettableNames();

// The rule set named by --flag-rules or an assignment's "flag_rules": "kwarcyt" or "8085".
std::optional<FlagRules> FlagRulesNamed(const QString& name);
// The names it accepts, for the messages about any other.
QString FlagRulesNames();

// Applies one setting; PC may name any line of a program of lineCount lines. Returns the message
// about a bad setting, or nothing when it was applied.
std::optional<QString> ApplySetting(const MachineSetting& setting, MachineState& machine,
                                    int lineCount);

}  // namespace kwarcyt
