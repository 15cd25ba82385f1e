#include "workbench/window/CommandTable.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>
#include <span>

#include "resources/CommandIcons.h"
#include "workbench/session/Session.h"

namespace kwarcyt {

CommandTable::CommandTable(QMainWindow& window) : window_(window) {
  CreateActions();
  CreateMenusAndToolBar();
}

void CommandTable::CreateActions() {
  for (const ActionRow& row : kActions) {
    auto* action = new QAction(ActionText(row.caption), &window_);
    action->setObjectName(ActionText(row.name));
    action->setProperty("category", ActionText(row.category));
    if (!row.hint.empty()) action->setToolTip(ActionText(row.hint));
    if (!row.shortcut.empty()) action->setShortcut(QKeySequence(ActionText(row.shortcut)));
    if (row.image >= 0) action->setIcon(CommandIconImage(static_cast<CommandIcon>(row.image)));
    action->setProperty("imageIndex", row.image);
    action->setEnabled(row.enabledAtStart);
    action->setCheckable(row.checkable);
    actions_[static_cast<std::size_t>(row.command)] = action;
  }
}

void CommandTable::CreateMenusAndToolBar() {
  auto addItems = [this](QWidget* target, std::span<const MenuItem> items) {
    for (const MenuItem& item : items) {
      if (!item) {
        auto* separator = new QAction(target);
        separator->setSeparator(true);
        target->addAction(separator);
      } else {
        target->addAction(Action(*item));
      }
    }
  };
  QMenuBar* menuBar = window_.menuBar();
  for (const MenuRow& row : kMenus) {
    QMenu* menu = menuBar->addMenu(ActionText(row.title));
    menu->setObjectName(ActionText(row.name));
    addItems(menu, row.items);
  }
  menuBar->setObjectName(QStringLiteral("Menu"));
  menuBar->setAccessibleName(QStringLiteral("Menu główne"));

  QToolBar* toolBar = window_.addToolBar(QStringLiteral("ToolBar1"));
  toolBar->setObjectName(QStringLiteral("ToolBar1"));
  toolBar->setAccessibleName(QStringLiteral("Pasek narzędzi"));
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  toolBar->setIconSize(QSize(16, 16));
  toolBar->setFixedHeight(kToolBarHeight);
  toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
  addItems(toolBar, kToolBarItems);
  for (QAction* action : toolBar->actions()) {
    if (QWidget* button = toolBar->widgetForAction(action); button && !action->isSeparator()) {
      button->setMinimumWidth(24);
      if (action->objectName().startsWith(QLatin1String("Action"))) {
        button->setObjectName(QStringLiteral("ToolButton") + action->objectName().mid(6));
      }
    }
  }
}

void CommandTable::Connect(
    std::initializer_list<std::pair<Command, std::function<void()>>> handlers) {
  for (const auto& [command, handler] : handlers) {
    QObject::connect(Action(command), &QAction::triggered, &window_, handler);
  }
}

void CommandTable::Follow(const Session& session) {
  QObject::connect(&session, &Session::commandStatesChanged, &window_,
                   [this](const CommandStates& states) { ShowCommandStates(states); });
  QObject::connect(&session, &Session::editChecked, &window_, [this](bool hasLines) {
    Action(Command::Pauza)->setEnabled(false);
    Action(Command::Start)->setEnabled(hasLines);
    EnableStepCommands(hasLines);
  });
  QObject::connect(&session, &Session::stepBackChanged, Action(Command::KrokWstecz),
                   &QAction::setEnabled);
}

void CommandTable::ShowCommandStates(const CommandStates& states) {
  for (const Command command :
       {Command::Nowy, Command::Otworz, Command::Importuj, Command::Zapisz, Command::Zapiszjako}) {
    Action(command)->setEnabled(states.fileCommands);
  }
  Action(Command::Start)->setEnabled(states.start);
  EnableStepCommands(states.krok);
  Action(Command::Pauza)->setEnabled(states.pauza);
  Action(Command::Stop)->setEnabled(states.stop);
}

void CommandTable::EnableStepCommands(bool enabled) {
  for (const Command command : {Command::Krok, Command::UruchomDoKursora, Command::KrokNad}) {
    Action(command)->setEnabled(enabled);
  }
}

bool CommandTable::IsWindowShortcut(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const ActionRow& row : kActions) {
    const bool editing =
        std::ranges::find(kEdycjaItems, MenuItem(row.command)) != kEdycjaItems.end();
    if (row.shortcut.empty() || editing) continue;
    if (Action(row.command)->shortcut() == pressed) return true;
  }
  return false;
}

}  // namespace kwarcyt
