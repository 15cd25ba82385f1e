#include "workbench/views/MemoryView.h"

#include <QFrame>
#include <QLabel>

#include "core/MachineState.h"
#include "look/Fonts.h"
#include "workbench/views/AccessibleText.h"
#include "workbench/views/ChangedMark.h"
#include "workbench/views/ValueLabel.h"

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
                                 "Wyczypami1",
                                 MemoryRow,
                                 "Komórka pamięci",
                                 4};

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
                                "Wyczyportywejciowe1",
                                PortRow,
                                "Port wejściowy",
                                2};

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
                                 "Wyczyportywyjciowe1",
                                 PortRow,
                                 "Port wyjściowy",
                                 2};

constexpr int kMargin = 6;

}  // namespace

MemoryView::MemoryView(MachineState& machine, QWidget* parent)
    : CellWindowView(
          kMemorySpec,
          [&machine](int address) { return machine.Memory[static_cast<std::size_t>(address)]; },
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
  const int value = machine_.Memory[static_cast<std::size_t>(machine_.HL())];
  ramHl_->setText(RamHlRow(value, Modes().decHexValues));
  ramHl_->setAccessibleName(
      SpokenCell(QStringLiteral("Komórka pamięci wskazywana przez HL,"), machine_.HL(), 4, value));
  ShowChanged(*ramHl_, ramHlChanged_ && ramHlChanged_());
}

CellWindowView* MakeInputPortsView(MachineState& machine, QWidget* parent) {
  return new CellWindowView(
      kInputSpec,
      [&machine](int port) { return machine.InputPorts[static_cast<std::size_t>(port)]; },
      [&machine] { machine.WyczyscPortyWej(); }, parent);
}

CellWindowView* MakeOutputPortsView(MachineState& machine, QWidget* parent) {
  return new CellWindowView(
      kOutputSpec,
      [&machine](int port) { return machine.OutputPorts[static_cast<std::size_t>(port)]; },
      [&machine] { machine.WyczyscPortyWyj(); }, parent);
}

}  // namespace kwarcyt
