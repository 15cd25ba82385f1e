#include "FlagsView.h"

#include <QCheckBox>

#include "MachineState.h"

namespace kwarcyt {

namespace {

struct FlagBox {
  const char* name;
  const char* caption;
  int MachineState::*flag;
  int x;
  int width;
};

constexpr std::array<FlagBox, 5> kFlagBoxes{{
    {"CheckBoxFlagaS", "S", &MachineState::S, 8, 34},
    {"CheckBoxFlagaZ", "Z", &MachineState::Z, 46, 34},
    {"CheckBoxFlagaAC", "AC", &MachineState::AC, 84, 42},
    {"CheckBoxFlagaP", "P", &MachineState::P, 130, 32},
    {"CheckBoxFlagaC", "CY", &MachineState::CY, 164, 38},
}};

}  // namespace

FlagsView::FlagsView(MachineState& machine, QWidget* parent)
    : QGroupBox(QStringLiteral("Rejestr flagowy:"), parent), machine_(machine) {
  setObjectName(QStringLiteral("GroupBoxFlagi"));
  for (std::size_t i = 0; i < kFlagBoxes.size(); ++i) {
    auto* box = new QCheckBox(kFlagBoxes[i].caption, this);
    box->setObjectName(kFlagBoxes[i].name);
    box->setGeometry(kFlagBoxes[i].x, 16, kFlagBoxes[i].width, 18);
    // clicked, unlike toggled, comes only from the user, so PokazFlagi cannot echo into a flag.
    connect(box, &QCheckBox::clicked, this,
            [this, i](bool checked) { CheckBoxFlagaClick(static_cast<int>(i), checked); });
    boxes_[i] = box;
  }
}

void FlagsView::PokazFlagi() {
  for (std::size_t i = 0; i < kFlagBoxes.size(); ++i) {
    boxes_[i]->setChecked(machine_.*kFlagBoxes[i].flag == 1);
  }
}

void FlagsView::CheckBoxFlagaClick(int flag, bool checked) {
  machine_.*kFlagBoxes[static_cast<std::size_t>(flag)].flag = checked ? 1 : 0;
}

}  // namespace kwarcyt
