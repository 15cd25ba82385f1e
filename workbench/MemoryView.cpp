#include "MemoryView.h"

#include <QFrame>
#include <QLabel>

#include "ChangeMarks.h"
#include "ValueLabel.h"
#include "core/MachineState.h"
#include "look/Fonts.h"

namespace kwarcyt {

namespace {

const CellWindowInfo kMemorySpec{"GroupBoxPamiec",
                                 "Pamięć RAM:",
                                 "Kliknij na wybraną komórkę pamięci aby ją zmodyfikować",
                                 "ButtonAdres",
                                 kAddressHexCaption,
                                 kAddressDecCaption,
                                 56,
                                 "ButtonDecHex",
                                 70,
                                 "LabelA",
                                 15,
                                 "ScrollBarRAM",
                                 65529,
                                 "PopupMenuRam",
                                 "Wyczyść pamięć",
                                 "Wyczypami1"};

const CellWindowInfo kInputSpec{"GroupBoxPortyWej",
                                "Porty wejściowe IN:",
                                "Kliknij na wybrany port aby go zmodyfikować",
                                "ButtonINAdresHex",
                                kPortHexCaption,
                                kPortDecCaption,
                                40,
                                "ButtonINWartHex",
                                70,
                                "LabelIN",
                                13,
                                "ScrollBarIN",
                                249,
                                "PopupMenuIN",
                                "Wyczyść porty wejściowe",
                                "Wyczyportywejciowe1"};

const CellWindowInfo kOutputSpec{"GroupBoxPortyWyj",
                                 "Porty wyjściowe OUT:",
                                 "",
                                 "ButtonOUTAdresHex",
                                 kPortHexCaption,
                                 kPortDecCaption,
                                 40,
                                 "ButtonOUTWartHex",
                                 70,
                                 "LabelOUT",
                                 13,
                                 "ScrollBarOUT",
                                 249,
                                 "PopupMenuOUT",
                                 "Wyczyść porty wyjściowe",
                                 "Wyczyportywyjciowe1"};

constexpr int kMargin = 6;

}  // namespace

MemoryView::MemoryView(MachineState& machine, QWidget* parent)
    : CellWindowView(
          kMemorySpec,
          [&machine](int address, RowModes modes) {
            return MemoryRow(address, machine.Memory[static_cast<std::size_t>(address)], modes);
          },
          [&machine] { machine.WyczyscPamiec(); }, parent),
      machine_(machine) {
  const int bottom = kFirstRowY + kRows * kRowHeight;
  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("BevelKreska"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(kMargin, bottom + 1, ValueTextWidth(16) + 4, 3);
  ramHl_ = new QLabel(this);
  ramHl_->setObjectName(QStringLiteral("LabelRamHL"));
  ramHl_->setFont(ValueFont());
  ramHl_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  ramHl_->setGeometry(kMargin, bottom + 5, ValueTextWidth(16) + 4, kRowHeight);
}

void MemoryView::Pokaz() {
  CellWindowView::Pokaz();
  ramHl_->setText(
      RamHlRow(machine_.Memory[static_cast<std::size_t>(machine_.HL())], Modes().decHexValues));
  ShowChanged(*ramHl_, ramHlChanged_ && ramHlChanged_());
}

CellWindowView* MakeInputPortsView(MachineState& machine, QWidget* parent) {
  return new CellWindowView(
      kInputSpec,
      [&machine](int port, RowModes modes) {
        return PortRow(port, machine.InputPorts[static_cast<std::size_t>(port)], modes);
      },
      [&machine] { machine.WyczyscPortyWej(); }, parent);
}

CellWindowView* MakeOutputPortsView(MachineState& machine, QWidget* parent) {
  return new CellWindowView(
      kOutputSpec,
      [&machine](int port, RowModes modes) {
        return PortRow(port, machine.OutputPorts[static_cast<std::size_t>(port)], modes);
      },
      [&machine] { machine.WyczyscPortyWyj(); }, parent);
}

}  // namespace kwarcyt
