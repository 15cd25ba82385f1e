// Value entry: a click on a register, or a double-click on a memory row, the "RAM[HL]" row or an
// input port, opens TFormPodaj for that value and writes the answer back. It works in every run
// state; a running program waits while the dialog is open.
#include <QLabel>
#include <QMouseEvent>

#include "CellWindowView.h"
#include "MemoryView.h"
#include "RegisterGroup.h"
#include "TFormKwarcyt.h"
#include "checker/Operands.h"
#include "core/MachineFields.h"
#include "workbench/podaj/TFormPodaj.h"

namespace kwarcyt {

namespace {

// What the entry's title calls each register, pair, SP and PC.
struct RegisterTarget {
  const MachineField* field;
  const char* name;
  bool addressesMemory;  // H, L and HL choose the "RAM[HL]" cell
};

constexpr std::array<RegisterTarget, 12> kRegisters{{
    {&FieldNamed("A"), "Akumulatora", false},
    {&FieldNamed("B"), "rejestru B", false},
    {&FieldNamed("C"), "rejestru C", false},
    {&FieldNamed("D"), "rejestru D", false},
    {&FieldNamed("E"), "rejestru E", false},
    {&FieldNamed("H"), "rejestru H", true},
    {&FieldNamed("L"), "rejestru L", true},
    {&FieldNamed("BC"), "pary rejestrów BC", false},
    {&FieldNamed("DE"), "pary rejestrów DE", false},
    {&FieldNamed("HL"), "pary rejestrów HL", true},
    {&FieldNamed("SP"), "wskaźnika stosu", false},
    {&FieldNamed("PC"), "licznika rozkazów PC", false},
}};

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

}  // namespace

QString ValueEntryTitle(const QString& name, int maximum) {
  return QStringLiteral("Wprowadź nową wartość do %1 {0..%2}:").arg(name).arg(maximum);
}

void TFormKwarcyt::CreateValueTargets() {
  auto byte = [] { return kByteMaximum; };
  for (const RegisterTarget& r : kRegisters) {
    const MachineField& field = *r.field;
    valueTargets_.push_back(
        {{NameLabelOf(field), ValueLabelOf(field)},
         EntryGesture::Click,
         Utf8(r.name),
         // The limit of PC follows the editor as it stands, not the program of a run.
         [this, &field] { return std::max(field.Maximum(ProgramLineCount()), 0); },
         [this, &field] { return field.read(machine_); },
         [this, &field](int value) { field.write(machine_, value); },
         [this, addressesMemory = r.addressesMemory] {
           PokazRejestry();
           if (addressesMemory) PokazPamiec();
         }});
  }

  for (int row = 1; row <= CellWindowView::kRows; ++row) {
    valueTargets_.push_back(
        {{QStringLiteral("LabelA%1").arg(row)},
         EntryGesture::DoubleClick,
         QStringLiteral("pamięci"),
         byte,
         [this, row] { return int{machine_.Memory[pamiec_->FirstAddress() + row - 1]}; },
         [this, row](int value) {
           machine_.Memory[pamiec_->FirstAddress() + row - 1] = static_cast<std::uint8_t>(value);
         },
         [this] { PokazPamiec(); }});
  }
  valueTargets_.push_back(
      {{QStringLiteral("LabelRamHL")},
       EntryGesture::DoubleClick,
       QStringLiteral("pamięci"),
       byte,
       [this] { return int{machine_.Memory[machine_.HL()]}; },
       [this](int value) { machine_.Memory[machine_.HL()] = static_cast<std::uint8_t>(value); },
       [this] { PokazPamiec(); }});
  for (int row = 1; row <= CellWindowView::kRows; ++row) {
    valueTargets_.push_back(
        {{QStringLiteral("LabelIN%1").arg(row)},
         EntryGesture::DoubleClick,
         QStringLiteral("portu wejściowego"),
         byte,
         [this, row] { return int{machine_.InputPorts[portyWej_->FirstAddress() + row - 1]}; },
         [this, row](int value) {
           machine_.InputPorts[portyWej_->FirstAddress() + row - 1] =
               static_cast<std::uint8_t>(value);
         },
         [this] { PokazPortyWej(); }});
  }

  for (const ValueTarget& target : valueTargets_) {
    for (const QString& control : target.controls) {
      auto* label = findChild<QLabel*>(control);
      Q_ASSERT(label != nullptr);
      label->installEventFilter(this);
      valueTargetOf_.insert(label, &target);
    }
  }
  MakeViewsKeyboardReachable();
}

bool TFormKwarcyt::OpenValueEntry(const QObject* control, const QEvent& event) {
  const bool click = event.type() == QEvent::MouseButtonRelease;
  if (!click && event.type() != QEvent::MouseButtonDblClick) return false;
  const ValueTarget* target = valueTargetOf_.value(control);
  if (target == nullptr || click != (target->gesture == EntryGesture::Click)) return false;
  const auto& mouse = static_cast<const QMouseEvent&>(event);
  // A click counts only when the button comes up over the label it went down on.
  const auto* label = static_cast<const QWidget*>(control);
  if (mouse.button() != Qt::LeftButton || !label->rect().contains(mouse.position().toPoint()))
    return false;
  EditValue(*target);
  return true;
}

void TFormKwarcyt::EditValue(const ValueTarget& target) {
  const int maximum = target.maximum();
  TFormPodaj dialog(this);
  dialog.SetTitle(ValueEntryTitle(target.name, maximum));
  dialog.SetMaximum(maximum);
  const int before = target.read();
  dialog.SetValue(before);
  dialogs_->Exec(dialog);
  WriteValue(target, before, dialog.Result());
}

void TFormKwarcyt::WriteValue(const ValueTarget& target, int before, int value) {
  target.write(value);
  target.redraw();
  if (target.read() != before) MachineSetByHand();
}

}  // namespace kwarcyt
