#include "workbench/commands/AccessoryCommands.h"

#include <QAbstractButton>
#include <QAction>

#include "accessories/TFormAutor.h"
#include "accessories/TFormPomoc.h"
#include "accessories/TFormWygaszacz.h"
#include "displays/DisplayWindows.h"
#include "displays/TFormUstawieniaWyswietlaczy.h"
#include "workbench/window/Dialogs.h"

namespace kwarcyt {

namespace {

// The tool bar's button that shows the action, if it has one.
QAbstractButton* ButtonOf(const QAction& action) {
  for (QObject* object : action.associatedObjects()) {
    if (auto* button = qobject_cast<QAbstractButton*>(object)) return button;
  }
  return nullptr;
}

}  // namespace

AccessoryCommands::AccessoryCommands(QWidget& mainWindow, const MachineState& machine,
                                     DisplaySettings& settings, DisplayActions actions,
                                     std::function<Dialogs&()> dialogs, RememberWindow remember)
    : mainWindow_(mainWindow),
      machine_(machine),
      settings_(settings),
      actions_(actions),
      dialogs_(std::move(dialogs)),
      remember_(std::move(remember)) {}

AccessoryCommands::~AccessoryCommands() = default;

DisplayWindows& AccessoryCommands::CreateDisplayWindows() {
  displays_ = std::make_unique<DisplayWindows>(machine_, settings_, &mainWindow_);
  FollowDisplay(displays_->FormAlfanumeryczny.get(), actions_[0]);
  FollowDisplay(displays_->FormMonochromatyczny.get(), actions_[1]);
  FollowDisplay(displays_->FormSkalaSzarosci.get(), actions_[2]);
  remember_(QStringLiteral("alphanumericDisplay"), displays_->FormAlfanumeryczny.get());
  remember_(QStringLiteral("monochromeDisplay"), displays_->FormMonochromatyczny.get());
  remember_(QStringLiteral("grayscaleDisplay"), displays_->FormSkalaSzarosci.get());
  return *displays_;
}

void AccessoryCommands::FollowDisplay(MemoryDisplayWindow* display, QAction* action) {
  QAbstractButton* button = ButtonOf(*action);
  QObject::connect(display, &MemoryDisplayWindow::visibilityChanged, action,
                   [action, button](bool visible) {
                     action->setChecked(visible);
                     if (!action->isCheckable() && button != nullptr) button->setDown(visible);
                   });
}

void AccessoryCommands::ToggleDisplay(MemoryDisplayWindow* display, QAction* action) {
  action->setChecked(display != nullptr && display->ToggleVisibility());
}

void AccessoryCommands::ToggleAlfanumeryczny() {
  ToggleDisplay(displays_ ? displays_->FormAlfanumeryczny.get() : nullptr, actions_[0]);
}

void AccessoryCommands::ToggleMonochromatyczny() {
  ToggleDisplay(displays_ ? displays_->FormMonochromatyczny.get() : nullptr, actions_[1]);
}

void AccessoryCommands::ToggleSkalaSzarosci() {
  ToggleDisplay(displays_ ? displays_->FormSkalaSzarosci.get() : nullptr, actions_[2]);
}

void AccessoryCommands::ShowDisplaySettings() {
  TFormUstawieniaWyswietlaczy dialog(settings_, &mainWindow_);
  dialogs_().Exec(dialog);
}

void AccessoryCommands::ShowHelp() {
  TFormPomoc dialog(&mainWindow_);
  dialogs_().Exec(dialog);
}

void AccessoryCommands::ShowAbout() {
  TFormAutor dialog(&mainWindow_);
  dialogs_().Exec(dialog);
}

void AccessoryCommands::ShowScreenSaver() {
  TFormWygaszacz dialog(&mainWindow_);
  dialogs_().Exec(dialog);
}

}  // namespace kwarcyt
