// The three display windows of the program, created together in the order alphanumeric,
// monochrome, grayscale, hidden until shown, and destroyed together, before the machine state
// and the settings they read.
#pragma once

#include <memory>

#include "TFormAlfanumeryczny.h"
#include "TFormMonochromatyczny.h"
#include "TFormSkalaSzarosci.h"

namespace kwarcyt {

class DisplayWindows {
 public:
  DisplayWindows(const MachineState& machine, const DisplaySettings& settings, QWidget* mainWindow)
      : FormAlfanumeryczny(std::make_unique<TFormAlfanumeryczny>(machine, settings, mainWindow)),
        FormMonochromatyczny(
            std::make_unique<TFormMonochromatyczny>(machine, settings, mainWindow)),
        FormSkalaSzarosci(std::make_unique<TFormSkalaSzarosci>(machine, settings, mainWindow)) {}

  const std::unique_ptr<TFormAlfanumeryczny> FormAlfanumeryczny;
  const std::unique_ptr<TFormMonochromatyczny> FormMonochromatyczny;
  const std::unique_ptr<TFormSkalaSzarosci> FormSkalaSzarosci;
};

}  // namespace kwarcyt
