#include "workbench/views/RegisterGroup.h"

#include <QLabel>

#include "workbench/session/ChangeMarks.h"
#include "workbench/views/AccessibleText.h"
#include "workbench/views/ChangedMark.h"
#include "workbench/views/ValueLabel.h"

namespace kwarcyt {

namespace {
constexpr int kNameX = 8;
constexpr int kNameWidth = 26;
constexpr int kValueX = kNameX + kNameWidth;
constexpr int kHeadingY = 14;
constexpr int kFirstRowY = 30;
constexpr int kBoldRowHeight = 24;
}  // namespace

QString NameLabelOf(const MachineField& field) {
  return QStringLiteral("Label") + QString::fromLatin1(field.name);
}

QString ValueLabelOf(const MachineField& field) {
  return QString::fromLatin1(field.name) + QStringLiteral("10");
}

RegisterGroup::RegisterGroup(const RegisterGroupInfo& spec, QWidget* parent)
    : QGroupBox(QString::fromUtf8(spec.title), parent), spec_(spec), nextRowY_(kFirstRowY) {
  setObjectName(spec.name);
  const int charWidth = ValueTextWidth(1);
  static const std::array<const char*, 3> kHeadings{"Dec", "Hex", "Bin"};
  for (int i = 0; i < 3; ++i) {
    MakeCaptionLabel(this, spec.headingNames[i], kHeadings[i],
                     kValueX + 2 + spec.headingColumns[i] * charWidth, kHeadingY, 30);
  }
}

void RegisterGroup::AddRow(const MachineField& field) {
  const bool bold = &field == spec_.boldRow;
  const int height = bold ? kBoldRowHeight : kRowHeight;
  QLabel* name = MakeCaptionLabel(this, NameLabelOf(field), QString::fromLatin1(field.name) + ':',
                                  kNameX, nextRowY_, kNameWidth, height);
  QFont nameFont = name->font();
  nameFont.setBold(bold);
  name->setFont(nameFont);
  rows_.append({&field, name,
                MakeValueLabel(this, ValueLabelOf(field), spec_.format(0), kValueX, nextRowY_,
                               ValueTextWidth(spec_.valueChars) + 4, height, bold)});
  nextRowY_ += height;
}

QList<QLabel*> RegisterGroup::LabelsOf(const MachineField& field) const {
  for (const Row& row : rows_) {
    if (row.field == &field) return {row.name, row.value};
  }
  return {};
}

void RegisterGroup::Pokaz(const MachineState& machine) {
  for (const Row& row : rows_) {
    const int value = row.field->read(machine);
    row.value->setText(spec_.format(value));
    row.value->setAccessibleName(SpokenFieldValue(*row.field, value));
    ShowChanged(*row.value, marks_ != nullptr && marks_->FieldChanged(*row.field, machine));
  }
}

}  // namespace kwarcyt
