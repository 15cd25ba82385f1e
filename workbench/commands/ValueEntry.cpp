#include "workbench/commands/ValueEntry.h"

#include <QLabel>
#include <QMouseEvent>

#include "checker/Operands.h"
#include "core/MachineFields.h"
#include "workbench/podaj/TFormPodaj.h"
#include "workbench/session/Session.h"
#include "workbench/views/MemoryView.h"
#include "workbench/views/RegisterGroup.h"
#include "workbench/window/Dialogs.h"

namespace kwarcyt {

namespace {

// What the entry's title calls each register, pair, SP and PC.
struct RegisterTarget {
  const MachineField* field;
  const char* name;
};

constexpr std::array<RegisterTarget, 12> kRegisters{{
    {&FieldNamed("A"), "Akumulatora"},
    {&FieldNamed("B"), "rejestru B"},
    {&FieldNamed("C"), "rejestru C"},
    {&FieldNamed("D"), "rejestru D"},
    {&FieldNamed("E"), "rejestru E"},
    {&FieldNamed("H"), "rejestru H"},
    {&FieldNamed("L"), "rejestru L"},
    {&FieldNamed("BC"), "pary rejestrów BC"},
    {&FieldNamed("DE"), "pary rejestrów DE"},
    {&FieldNamed("HL"), "pary rejestrów HL"},
    {&FieldNamed("SP"), "wskaźnika stosu"},
    {&FieldNamed("PC"), "licznika rozkazów PC"},
}};

int Byte() {
  return kByteMaximum;
}

}  // namespace

QString ValueEntryTitle(const QString& name, int maximum) {
  return QStringLiteral("Wprowadź nową wartość do %1 {0..%2}:").arg(name).arg(maximum);
}

ValueEntry::ValueEntry(Session& session, QWidget& window, std::function<Dialogs&()> dialogs,
                       const EditableViews& views)
    : QObject(&window), session_(session), window_(window), dialogs_(std::move(dialogs)) {
  MachineState& machine = session.Machine();
  for (const RegisterTarget& r : kRegisters) {
    const MachineField& field = *r.field;
    QList<QLabel*> labels = views.registers8.LabelsOf(field);
    labels += views.registers16.LabelsOf(field);
    AddTarget({labels, EntryGesture::Click, QString::fromUtf8(r.name),
               // The limit of PC follows the editor as it stands, not the program of a run.
               [this, &field] { return std::max(field.Maximum(session_.LineCount()), 0); },
               [&machine, &field] { return field.read(machine); },
               [&machine, &field](int value) { field.write(machine, value); }});
  }
  const MemoryView& memory = views.memory;
  for (int row = 0; row < CellWindowView::kRows; ++row) {
    auto cell = [&memory, &machine, row]() -> std::uint8_t& {
      return machine.Memory[memory.FirstAddress() + row];
    };
    AddTarget({{memory.RowLabel(row)},
               EntryGesture::DoubleClick,
               QStringLiteral("pamięci"),
               Byte,
               [cell] { return int{cell()}; },
               [cell](int value) { cell() = static_cast<std::uint8_t>(value); }});
  }
  AddTarget(
      {{memory.RamHlLabel()},
       EntryGesture::DoubleClick,
       QStringLiteral("pamięci"),
       Byte,
       [&machine] { return int{machine.Memory[machine.HL()]}; },
       [&machine](int value) { machine.Memory[machine.HL()] = static_cast<std::uint8_t>(value); }});
  const CellWindowView& ports = views.inputPorts;
  for (int row = 0; row < CellWindowView::kRows; ++row) {
    auto port = [&ports, &machine, row]() -> std::uint8_t& {
      return machine.InputPorts[ports.FirstAddress() + row];
    };
    AddTarget({{ports.RowLabel(row)},
               EntryGesture::DoubleClick,
               QStringLiteral("portu wejściowego"),
               Byte,
               [port] { return int{port()}; },
               [port](int value) { port() = static_cast<std::uint8_t>(value); }});
  }
}

void ValueEntry::AddTarget(ValueTarget target) {
  for (QLabel* label : target.controls) {
    Q_ASSERT(label != nullptr);
    label->installEventFilter(this);
    targetOf_.insert(label, targets_.size());
  }
  targets_.push_back(std::move(target));
}

bool ValueEntry::eventFilter(QObject* watched, QEvent* event) {
  const bool click = event->type() == QEvent::MouseButtonRelease;
  if (!click && event->type() != QEvent::MouseButtonDblClick) return false;
  const auto found = targetOf_.constFind(watched);
  if (found == targetOf_.cend()) return false;
  const ValueTarget& target = targets_[*found];
  if (click != (target.gesture == EntryGesture::Click)) return false;
  const auto& mouse = static_cast<const QMouseEvent&>(*event);
  // A click counts only when the button comes up over the label it went down on.
  const auto* label = static_cast<const QWidget*>(watched);
  if (mouse.button() != Qt::LeftButton || !label->rect().contains(mouse.position().toPoint())) {
    return false;
  }
  EditValue(target);
  return true;
}

bool ValueEntry::EditValueOf(const QObject* label) {
  const auto found = targetOf_.constFind(label);
  if (found == targetOf_.cend()) return false;
  EditValue(targets_[*found]);
  return true;
}

void ValueEntry::EditValue(const ValueTarget& target) {
  const int maximum = target.maximum();
  TFormPodaj dialog(&window_);
  dialog.SetTitle(ValueEntryTitle(target.name, maximum));
  dialog.SetMaximum(maximum);
  const int before = target.read();
  dialog.SetValue(before);
  dialogs_().Exec(dialog);
  WriteValue(target, before, dialog.Result());
}

void ValueEntry::WriteValue(const ValueTarget& target, int before, int value) {
  target.write(value);
  session_.ShowMachine();
  if (target.read() != before) session_.MachineSetByHand();
}

ValueTarget ValueEntry::MemoryCell(int address) {
  MachineState& machine = session_.Machine();
  const auto cell = static_cast<std::size_t>(address & 0xFFFF);
  return {{},
          EntryGesture::DoubleClick,
          QStringLiteral("pamięci"),
          Byte,
          [&machine, cell] { return int{machine.Memory[cell]}; },
          [&machine, cell](int value) { machine.Memory[cell] = static_cast<std::uint8_t>(value); }};
}

}  // namespace kwarcyt
