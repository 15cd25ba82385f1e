#include "workbench/views/FlagsView.h"

#include <QCheckBox>

#include "core/MachineFields.h"
#include "workbench/session/ChangeMarks.h"
#include "workbench/views/AccessibleText.h"
#include "workbench/views/ChangedMark.h"

namespace kwarcyt {

namespace {

// Left to right; each box shows its flag's name.
struct FlagBox {
  const MachineField* flag;
  const char* objectName;
  int x;
  int width;
};

constexpr std::array<FlagBox, 5> kFlagBoxes{{
    {&FieldNamed("S"), "CheckBoxFlagaS", 8, 34},
    {&FieldNamed("Z"), "CheckBoxFlagaZ", 46, 34},
    {&FieldNamed("AC"), "CheckBoxFlagaAC", 84, 42},
    {&FieldNamed("P"), "CheckBoxFlagaP", 130, 32},
    {&FieldNamed("CY"), "CheckBoxFlagaC", 164, 38},
}};

}  // namespace

FlagsView::FlagsView(MachineState& machine, QWidget* parent)
    : QGroupBox(QStringLiteral("Rejestr flagowy:"), parent), machine_(machine) {
  setObjectName(QStringLiteral("GroupBoxFlagi"));
  for (std::size_t i = 0; i < kFlagBoxes.size(); ++i) {
    auto* box = new QCheckBox(QString::fromLatin1(kFlagBoxes[i].flag->name), this);
    box->setObjectName(kFlagBoxes[i].objectName);
    box->setAccessibleName(SpokenFieldName(*kFlagBoxes[i].flag));
    box->setGeometry(kFlagBoxes[i].x, 16, kFlagBoxes[i].width, 18);
    // clicked, unlike toggled, comes only from the user, so PokazFlagi cannot echo into a flag.
    connect(box, &QCheckBox::clicked, this,
            [this, i](bool checked) { CheckBoxFlagaClick(static_cast<int>(i), checked); });
    boxes_[i] = box;
  }
}

void FlagsView::PokazFlagi() {
  for (std::size_t i = 0; i < kFlagBoxes.size(); ++i) {
    boxes_[i]->setChecked(kFlagBoxes[i].flag->read(machine_) == 1);
    ShowChanged(*boxes_[i],
                marks_ != nullptr && marks_->FieldChanged(*kFlagBoxes[i].flag, machine_));
  }
}

void FlagsView::CheckBoxFlagaClick(int flag, bool checked) {
  kFlagBoxes[static_cast<std::size_t>(flag)].flag->write(machine_, checked ? 1 : 0);
  emit setByHand();
}

}  // namespace kwarcyt
