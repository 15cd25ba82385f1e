#include "ColumnRadioGroup.h"

#include <QGridLayout>

namespace kwarcyt {

ColumnRadioGroup::ColumnRadioGroup(const QString& caption, const QStringList& items, int columns,
                                   QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 2, 4, 2);
  grid->setVerticalSpacing(0);
  const int count = static_cast<int>(items.size());
  const int rows = (count + columns - 1) / columns;
  for (int index = 0; index < count; ++index) {
    auto* button = new QRadioButton(items[index], this);
    buttons_->addButton(button, index);
    grid->addWidget(button, index % rows, index / rows);
  }
  // Tab enters the group on its selected item and the arrow keys choose from there. Qt moves
  // the group's one tab stop only when a button takes the focus, so until then Tab would land
  // on the first item, where the arrows move the focus without selecting.
  connect(buttons_, &QButtonGroup::buttonToggled, this, [this](QAbstractButton* button, bool on) {
    if (on) KeepTabStopOn(button);
  });
}

void ColumnRadioGroup::KeepTabStopOn(QAbstractButton* selected) {
  for (QAbstractButton* button : buttons_->buttons())
    button->setFocusPolicy(button == selected ? Qt::StrongFocus : Qt::ClickFocus);
}

void ColumnRadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = buttons_->button(index)) button->setChecked(true);
}

QRadioButton* ColumnRadioGroup::Item(int index) const {
  return qobject_cast<QRadioButton*>(buttons_->button(index));
}

}  // namespace kwarcyt
