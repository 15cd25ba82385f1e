#include "RegisterGroup.h"

#include <QLabel>

#include "ValueLabel.h"

namespace kwarcyt {

namespace {
constexpr int kNameX = 8;
constexpr int kNameWidth = 26;
constexpr int kHeadingY = 14;
constexpr int kFirstRowY = 30;
constexpr int kBoldRowHeight = 24;
}  // namespace

RegisterGroup::RegisterGroup(const RegisterGroupSpec& spec, QWidget* parent)
    : QGroupBox(QString::fromUtf8(spec.title), parent) {
  setObjectName(spec.name);
  const int valueX = kNameX + kNameWidth;
  const int textWidth = ValueTextWidth(spec.valueChars);
  const int charWidth = ValueTextWidth(1);
  static const std::array<const char*, 3> kHeadings{"Dec", "Hex", "Bin"};
  for (int i = 0; i < 3; ++i) {
    MakeCaptionLabel(this, spec.headingNames[i], kHeadings[i],
                     valueX + 2 + spec.headingColumns[i] * charWidth, kHeadingY, 30);
  }
  int y = kFirstRowY;
  for (const RegisterRowSpec& row : spec.rows) {
    const int height = row.bold ? kBoldRowHeight : kRowHeight;
    QLabel* name =
        MakeCaptionLabel(this, row.nameLabel, row.caption, kNameX, y, kNameWidth, height);
    QFont nameFont = name->font();
    nameFont.setBold(row.bold);
    name->setFont(nameFont);
    values_.append(MakeValueLabel(this, row.valueLabel, spec.initialRow, valueX, y, textWidth + 4,
                                  height, row.bold));
    y += height;
  }
}

void RegisterGroup::SetRow(int row, const QString& text) {
  values_[row]->setText(text);
}

}  // namespace kwarcyt
