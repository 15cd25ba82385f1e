// The window with the machine cycles of the last executed step: a table of the cycles and their
// timing diagram. It only shows what MachineCodeWindows gives it.
#pragma once

#include <vector>

#include "core/MachineCycles.h"
#include "workbench/views/ToolWindow.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace kwarcyt {

class TimingDiagram;

class TFormCykleMaszynowe : public ToolWindow {
  Q_OBJECT

 public:
  explicit TFormCykleMaszynowe(QWidget* mainWindow);

  // The caption names the step; a step without cycles leaves the table and the diagram empty.
  void ShowStep(const QString& caption, const std::vector<MachineCycle>& cycles);
  QImage DiagramImage() const;

 signals:
  void saveImageRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* caption_;
  QTableWidget* table_;
  TimingDiagram* diagram_;
  QPushButton* saveImage_;
};

}  // namespace kwarcyt
