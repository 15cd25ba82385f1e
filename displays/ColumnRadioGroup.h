// A captioned group of radio buttons laid out in columns, filled top to bottom and then left to
// right; exactly one item is selected once ItemIndex has been set.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

namespace kwarcyt {

class ColumnRadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  ColumnRadioGroup(const QString& caption, const QStringList& items, int columns,
                   QWidget* parent = nullptr);

  // The index of the selected item, -1 when none is selected.
  int ItemIndex() const { return buttons_->checkedId(); }
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const;
  int Count() const { return static_cast<int>(buttons_->buttons().size()); }

 private:
  void KeepTabStopOn(QAbstractButton* selected);

  QButtonGroup* buttons_;
};

}  // namespace kwarcyt
