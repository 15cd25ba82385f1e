// The window's commands as actions, built from ActionTable.h with their menus and tool bar,
// handed to their handlers, enabled as a run allows, and told apart from the text controls'
// own keys.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <initializer_list>
#include <utility>

#include "core/RunControl.h"
#include "workbench/window/ActionTable.h"

class QAction;
class QKeyEvent;
class QMainWindow;

namespace kwarcyt {

class Session;

// The tool bar's height, as the client area below it was laid out for.
inline constexpr int kToolBarHeight = 29;

class CommandTable {
 public:
  // Creates every command's action, the menu bar and the tool bar of `window`.
  explicit CommandTable(QMainWindow& window);

  QAction* Action(Command command) const { return actions_[static_cast<std::size_t>(command)]; }
  // Each command's handler runs when its action is triggered.
  void Connect(std::initializer_list<std::pair<Command, std::function<void()>>> handlers);
  // The commands are available as the session's runs and edits allow.
  void Follow(const Session& session);
  // A window command's key, other than an editing command's, which the text controls handle.
  bool IsWindowShortcut(const QKeyEvent& key) const;

 private:
  void ShowCommandStates(const CommandStates& states);
  // Krok, and Uruchom do kursora and Krok nad, which go on from where Krok would.
  void EnableStepCommands(bool enabled);
  void CreateActions();
  void CreateMenusAndToolBar();

  QMainWindow& window_;
  std::array<QAction*, kCommandCount> actions_{};
};

}  // namespace kwarcyt
