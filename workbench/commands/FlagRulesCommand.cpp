#include "FlagRulesCommand.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

namespace kwarcyt {

void ConnectFlagRulesCommand(QAction& action, QStatusBar& statusBar, MachineState& machine,
                             const std::function<void()>& switchedByHand) {
  auto* panel = new QLabel(QStringLiteral("Flagi: 8085"), &statusBar);
  panel->setObjectName(QStringLiteral("StatusBarFlagRules"));
  statusBar.addPermanentWidget(panel);
  panel->setVisible(action.isChecked());
  QObject::connect(&action, &QAction::toggled, panel, [&machine, panel](bool processor) {
    machine.FlagRuleSet = processor ? FlagRules::Processor8085 : FlagRules::Kwarcyt;
    panel->setVisible(processor);
  });
  QObject::connect(&action, &QAction::triggered, panel, [switchedByHand] { switchedByHand(); });
}

}  // namespace kwarcyt
