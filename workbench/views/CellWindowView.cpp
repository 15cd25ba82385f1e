#include "workbench/views/CellWindowView.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include "workbench/views/AccessibleText.h"
#include "workbench/views/ChangedMark.h"
#include "workbench/views/ValueLabel.h"

namespace kwarcyt {

namespace {
constexpr int kMargin = 6;
constexpr int kButtonY = 14;
constexpr int kButtonHeight = 18;
constexpr int kScrollBarWidth = 16;
constexpr int kPageRows = 7;
}  // namespace

CellWindowView::CellWindowView(const CellWindowInfo& spec, CellValue cellValue,
                               std::function<void()> clearBank, QWidget* parent)
    : QGroupBox(QString::fromUtf8(spec.title), parent),
      cellValue_(std::move(cellValue)),
      rowText_(spec.rowText),
      spokenCell_(QString::fromUtf8(spec.spokenCell)),
      addressDigits_(spec.addressDigits),
      addressFirst_(spec.addressFirst),
      addressSecond_(spec.addressSecond) {
  setObjectName(spec.groupName);
  if (*spec.hint != '\0') setToolTip(QString::fromUtf8(spec.hint));

  addressButton_ = new QPushButton(this);
  addressButton_->setObjectName(spec.addressButton);
  addressButton_->setGeometry(kMargin, kButtonY, spec.addressButtonWidth, kButtonHeight);
  valueButton_ = new QPushButton(this);
  valueButton_->setObjectName(spec.valueButton);
  valueButton_->setGeometry(kMargin + spec.addressButtonWidth, kButtonY, spec.valueButtonWidth,
                            kButtonHeight);
  ShowModeCaptions();
  connect(addressButton_, &QPushButton::clicked, this,
          [this] { SwitchMode(&RowModes::hexAddresses); });
  connect(valueButton_, &QPushButton::clicked, this,
          [this] { SwitchMode(&RowModes::decHexValues); });

  const int rowWidth = ValueTextWidth(spec.rowChars) + 4;
  for (int k = 1; k <= kRows; ++k) {
    rows_.append(MakeValueLabel(this, spec.rowPrefix + QString::number(k), QString(), kMargin,
                                kFirstRowY + (k - 1) * kRowHeight, rowWidth));
  }

  scrollBar_ = new QScrollBar(Qt::Vertical, this);
  scrollBar_->setObjectName(spec.scrollBar);
  scrollBar_->setRange(0, spec.scrollMaximum);
  scrollBar_->setSingleStep(1);
  scrollBar_->setPageStep(kPageRows);
  // "Pamięć RAM – przewijanie": the group's title without its colon.
  scrollBar_->setAccessibleName(title().chopped(1) + QStringLiteral(" – przewijanie"));
  connect(scrollBar_, &QScrollBar::valueChanged, this, [this] { Pokaz(); });

  menu_ = new QMenu(this);
  menu_->setObjectName(spec.menuName);
  QAction* clear = menu_->addAction(QString::fromUtf8(spec.menuItem));
  clear->setObjectName(spec.menuItemName);
  connect(clear, &QAction::triggered, this, [this, clearBank = std::move(clearBank)] {
    clearBank();
    Pokaz();
    emit setByHand();
  });
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { menu_->popup(mapToGlobal(pos)); });
}

// The scroll bar runs along the right side whatever the group's width.
void CellWindowView::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  scrollBar_->setGeometry(width() - kMargin - kScrollBarWidth, kButtonY, kScrollBarWidth,
                          kFirstRowY + kRows * kRowHeight - kButtonY);
}

int CellWindowView::FirstAddress() const {
  return scrollBar_->value();
}

void CellWindowView::ScrollBy(int rows) {
  scrollBar_->setValue(scrollBar_->value() + rows);
}

void CellWindowView::wheelEvent(QWheelEvent* event) {
  wheelRemainder_ += event->angleDelta().y();
  const int notches = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
  wheelRemainder_ -= notches * QWheelEvent::DefaultDeltasPerStep;
  ScrollBy(-notches);
  event->accept();
}

void CellWindowView::Pokaz() {
  const RowModes modes = Modes();
  const int first = FirstAddress();
  for (int k = 0; k < kRows; ++k) {
    const int address = first + k;
    const int value = cellValue_(address);
    rows_[k]->setText(rowText_(address, value, modes));
    rows_[k]->setAccessibleName(SpokenCell(spokenCell_, address, addressDigits_, value));
    ShowChanged(*rows_[k], changed_ && changed_(address));
  }
}

void CellWindowView::ShowModeCaptions() {
  addressButton_->setText(modes_.hexAddresses ? addressFirst_ : addressSecond_);
  valueButton_->setText(modes_.decHexValues ? kValueDecHexCaption : kValueBinCaption);
}

void CellWindowView::SwitchMode(bool RowModes::*mode) {
  modes_.*mode = !(modes_.*mode);
  ShowModeCaptions();
  Pokaz();
}

}  // namespace kwarcyt
