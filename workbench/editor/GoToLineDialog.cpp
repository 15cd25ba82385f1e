#include "GoToLineDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

namespace kwarcyt {

GoToLineDialog::GoToLineDialog(QWidget* parent, int lastLine, int currentLine)
    : QDialog(parent), number_(new QSpinBox(this)) {
  setObjectName(QStringLiteral("FormPrzejdzDoWiersza"));
  setWindowTitle(QStringLiteral("Kwarcyt - Przejdź do wiersza"));
  number_->setObjectName(QStringLiteral("NumerWiersza"));
  number_->setRange(0, std::max(0, lastLine));
  number_->setValue(currentLine);
  number_->selectAll();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QFormLayout(this);
  layout->addRow(QStringLiteral("Numer wiersza:"), number_);
  layout->addRow(buttons);
  // Wide enough for the whole title in the window's frame.
  constexpr int kTitleWidth = 320;
  setFixedSize(std::max(kTitleWidth, sizeHint().width()), sizeHint().height());
}

int GoToLineDialog::Line() const {
  return number_->value();
}

}  // namespace kwarcyt
