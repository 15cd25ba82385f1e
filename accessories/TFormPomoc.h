// The help window: what each command does, what the main window shows, the symbols, the source
// syntax and the list of all instructions. Created for one use, shown with exec().
#pragma once

#include <QSize>

#include "look/WindowPlacement.h"

class QShowEvent;
class QPlainTextEdit;
class QTabWidget;

namespace kwarcyt {

class TFormPomoc : public ModalDialog {
  Q_OBJECT

 public:
  static constexpr QSize kTextPageSize{490, 210};
  static constexpr QSize kInstructionListSize{570, 400};

  explicit TFormPomoc(QWidget* parent = nullptr);

  QTabWidget* PageControl() const { return PageControl1; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The instruction list needs the larger window; the window keeps its top-left corner.
  void PageControl1Change(int index);
  void FitTextPages();

  QTabWidget* PageControl1;
  QPlainTextEdit* Memo1;
  bool pagesFitted_ = false;
};

}  // namespace kwarcyt
