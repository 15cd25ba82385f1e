// Value entry: a click on a register, or a double-click on a memory row, the "RAM[HL]" row or an
// input port, opens TFormPodaj for that value and writes the answer back. It works in every run
// state; a running program waits while the dialog is open.
#include <QLabel>
#include <QMouseEvent>

#include "CellWindowView.h"
#include "MemoryView.h"
#include "TFormKwarcyt.h"
#include "TFormPodaj.h"

namespace kwarcyt {

namespace {

constexpr int kByteMaximum = 255;
constexpr int kWordMaximum = 65535;

struct RegisterTarget {
  const char* nameLabel;
  const char* valueLabel;
  const char* name;
  int MachineState::*field;
  bool addressesMemory;  // H and L choose the "RAM[HL]" cell
};

constexpr std::array<RegisterTarget, 7> kRegisters{{
    {"LabelA", "A10", "Akumulatora", &MachineState::A, false},
    {"LabelB", "B10", "rejestru B", &MachineState::B, false},
    {"LabelC", "C10", "rejestru C", &MachineState::C, false},
    {"LabelD", "D10", "rejestru D", &MachineState::D, false},
    {"LabelE", "E10", "rejestru E", &MachineState::E, false},
    {"LabelH", "H10", "rejestru H", &MachineState::H, true},
    {"LabelL", "L10", "rejestru L", &MachineState::L, true},
}};

struct PairTarget {
  const char* nameLabel;
  const char* valueLabel;
  const char* name;
  int MachineState::*high;
  int MachineState::*low;
  bool addressesMemory;
};

constexpr std::array<PairTarget, 3> kPairs{{
    {"LabelBC", "BC10", "pary rejestrów BC", &MachineState::B, &MachineState::C, false},
    {"LabelDE", "DE10", "pary rejestrów DE", &MachineState::D, &MachineState::E, false},
    {"LabelHL", "HL10", "pary rejestrów HL", &MachineState::H, &MachineState::L, true},
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
  auto word = [] { return kWordMaximum; };
  auto registersThenMemory = [this](bool addressesMemory) {
    return [this, addressesMemory] {
      PokazRejestry();
      if (addressesMemory) PokazPamiec();
    };
  };
  for (const RegisterTarget& r : kRegisters) {
    valueTargets_.push_back({{Utf8(r.nameLabel), Utf8(r.valueLabel)},
                             EntryGesture::Click,
                             Utf8(r.name),
                             byte,
                             [this, field = r.field] { return machine_.*field; },
                             [this, field = r.field](int value) { machine_.*field = value; },
                             registersThenMemory(r.addressesMemory)});
  }
  for (const PairTarget& p : kPairs) {
    valueTargets_.push_back({{Utf8(p.nameLabel), Utf8(p.valueLabel)},
                             EntryGesture::Click,
                             Utf8(p.name),
                             word,
                             [this, p] { return machine_.*p.high * 256 + machine_.*p.low; },
                             [this, p](int value) {
                               machine_.*p.high = value / 256;
                               machine_.*p.low = value % 256;
                             },
                             registersThenMemory(p.addressesMemory)});
  }
  valueTargets_.push_back({{QStringLiteral("LabelSP"), QStringLiteral("SP10")},
                           EntryGesture::Click,
                           QStringLiteral("wskaźnika stosu"),
                           word,
                           [this] { return machine_.SP; },
                           [this](int value) { machine_.SP = value; },
                           registersThenMemory(false)});
  // The limit follows the editor as it stands, not the program of a run.
  valueTargets_.push_back({{QStringLiteral("LabelPC"), QStringLiteral("PC10")},
                           EntryGesture::Click,
                           QStringLiteral("licznika rozkazów PC"),
                           [this] { return std::max(ProgramLineCount() - 1, 0); },
                           [this] { return machine_.PC; },
                           [this](int value) { machine_.PC = value; },
                           registersThenMemory(false)});

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
  dialog.SetValue(target.read());
  dialogs_->Exec(dialog);
  target.write(dialog.Result());
  target.redraw();
}

}  // namespace kwarcyt
