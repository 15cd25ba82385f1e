// The main window's side of seeing all of memory: the memory window, whose writes go through
// the same path as value entry, and the keyboard in the state views.
#include <QAction>
#include <QLabel>

#include "RowKeyboard.h"
#include "TFormPamiec.h"
#include "checker/Operands.h"
#include "core/MachineFields.h"
#include "workbench/CellWindowView.h"
#include "workbench/MemoryView.h"
#include "workbench/RegisterGroup.h"
#include "workbench/TFormKwarcyt.h"

namespace kwarcyt {

void TFormKwarcyt::PodgladPamieciExecute() {
  QAction* action = Action(Command::PodgladPamieci);
  if (podgladPamieci_ == nullptr) {
    podgladPamieci_ = new TFormPamiec(
        machine_, [this]() -> const Program& { return run_->Control().CurrentProgram(); }, this);
    podgladPamieci_->TrackChanges(
        [this](int address) { return marks_.CellChanged(address, machine_); });
    connect(podgladPamieci_, &TFormPamiec::visibilityChanged, action, &QAction::setChecked);
    connect(podgladPamieci_, &TFormPamiec::cellEditRequested, this,
            [this](int address) { EditValue(MemoryCellTarget(address)); });
    connect(podgladPamieci_, &TFormPamiec::cellTyped, this, [this](int address, int value) {
      const ValueTarget target = MemoryCellTarget(address);
      WriteValue(target, target.read(), value);
    });
    RememberToolWindow(QStringLiteral("memory"), podgladPamieci_, true);
  }
  podgladPamieci_->setVisible(!podgladPamieci_->isVisible());
  action->setChecked(podgladPamieci_->isVisible());
  PokazPodgladPamieci();
}

void TFormKwarcyt::PokazPodgladPamieci() {
  // During a run the window refreshes with the other views; it follows a register only when
  // the run rests, so that the view does not jump about many times a second.
  if (podgladPamieci_ != nullptr) {
    podgladPamieci_->Pokaz(!run_->Control().ContinuousRunActive());
  }
}

ValueTarget TFormKwarcyt::MemoryCellTarget(int address) {
  const auto cell = static_cast<std::size_t>(address & 0xFFFF);
  return {{},
          EntryGesture::DoubleClick,
          QStringLiteral("pamięci"),
          [] { return kByteMaximum; },
          [this, cell] { return int{machine_.Memory[cell]}; },
          [this, cell](int value) { machine_.Memory[cell] = static_cast<std::uint8_t>(value); },
          [this] {
            PokazPamiec();
            PokazPodgladPamieci();
          }};
}

void TFormKwarcyt::MakeViewsKeyboardReachable() {
  auto* keyboard = new RowKeyboard(
      [this](QLabel* row) {
        const ValueTarget* target = valueTargetOf_.value(row);
        if (target != nullptr) EditValue(*target);
        return target != nullptr;
      },
      this);
  auto rows = [this](const QString& prefix, int count) {
    QList<QLabel*> labels;
    for (int k = 1; k <= count; ++k) {
      labels << findChild<QLabel*>(prefix + (count > 1 ? QString::number(k) : QString()));
    }
    return labels;
  };
  QList<QLabel*> bytes;
  for (const MachineField& field : ByteRegisterFields()) bytes << rows(ValueLabelOf(field), 1);
  keyboard->AddRows(bytes);
  QList<QLabel*> words;
  for (const MachineField& field : WordRegisterFields()) words << rows(ValueLabelOf(field), 1);
  keyboard->AddRows(words);
  keyboard->AddRows(rows(QStringLiteral("LabelA"), CellWindowView::kRows),
                    [this](int step) { pamiec_->ScrollBy(step); });
  keyboard->AddRows(rows(QStringLiteral("LabelRamHL"), 1));
  keyboard->AddRows(rows(QStringLiteral("LabelIN"), CellWindowView::kRows),
                    [this](int step) { portyWej_->ScrollBy(step); });
  keyboard->AddRows(rows(QStringLiteral("LabelOUT"), CellWindowView::kRows),
                    [this](int step) { portyWyj_->ScrollBy(step); });
}

}  // namespace kwarcyt
