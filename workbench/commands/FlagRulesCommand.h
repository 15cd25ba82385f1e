// The command "Flagi procesora 8085": which rules the steps set the flags by, and a panel at the
// right end of the status bar that says so while they are the processor's.
#pragma once

#include <functional>

#include "core/MachineState.h"

class QAction;
class QStatusBar;

namespace kwarcyt {

// The action's check mark is the rule set: checked or unchecked in code (from the settings
// file), it only sets the machine's rules and the panel. Switched by the user, it also runs
// switchedByHand: the steps before were taken under the other rules, so they cannot be taken
// back, as after a value set by hand.
void ConnectFlagRulesCommand(QAction& action, QStatusBar& statusBar, MachineState& machine,
                             const std::function<void()>& switchedByHand);

}  // namespace kwarcyt
