// The display windows and the accessories: the three displays shown and hidden by their
// commands, the display settings, the help, the About box and the screen saver, each a modal
// window over the main one through the dialogs that tests script.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "core/MachineState.h"
#include "displays/DisplaySettings.h"

class QAction;
class QWidget;

namespace kwarcyt {

class Dialogs;
class DisplayWindows;
class MemoryDisplayWindow;

class AccessoryCommands {
 public:
  // The actions of the alphanumeric, the monochrome and the grayscale display, in that order.
  using DisplayActions = std::array<QAction*, 3>;
  // Keeps a window's place on the screen between runs under a key.
  using RememberWindow = std::function<void(const QString& key, QWidget* window)>;

  AccessoryCommands(QWidget& mainWindow, const MachineState& machine, DisplaySettings& settings,
                    DisplayActions actions, std::function<Dialogs&()> dialogs,
                    RememberWindow remember);
  ~AccessoryCommands();

  // The display windows, created once after the settings file is named, so that they come back
  // where they stood; until then a display command only keeps its check mark off.
  DisplayWindows& CreateDisplayWindows();
  void ToggleAlfanumeryczny();
  void ToggleMonochromatyczny();
  void ToggleSkalaSzarosci();
  void ShowDisplaySettings();
  void ShowHelp();
  void ShowAbout();
  void ShowScreenSaver();

 private:
  void ToggleDisplay(MemoryDisplayWindow* display, QAction* action);
  // The action's check mark and its tool button follow the window's visibility.
  void FollowDisplay(MemoryDisplayWindow* display, QAction* action);

  QWidget& mainWindow_;
  const MachineState& machine_;
  DisplaySettings& settings_;
  DisplayActions actions_;
  std::function<Dialogs&()> dialogs_;
  RememberWindow remember_;
  std::unique_ptr<DisplayWindows> displays_;
};

}  // namespace kwarcyt
