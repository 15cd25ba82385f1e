#include "FindBar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "TextSearch.h"

namespace kwarcyt {

FindBar::FindBar(QWidget* parent, std::function<SearchTarget&()> target, EditorSearch& editor)
    : QWidget(parent),
      target_(std::move(target)),
      editor_(editor),
      findField_(new QLineEdit(this)),
      notFound_(new QLabel(QStringLiteral("Nie znaleziono"), this)),
      replaceRow_(new QWidget(this)),
      replaceField_(new QLineEdit(replaceRow_)),
      replaceButton_(new QPushButton(QStringLiteral("Zamień"), replaceRow_)),
      replaceAllButton_(new QPushButton(QStringLiteral("Zamień wszystko"), replaceRow_)) {
  setObjectName(QStringLiteral("PasekZnajdz"));
  setAutoFillBackground(true);
  findField_->setObjectName(QStringLiteral("ZnajdzTekst"));
  findField_->setAccessibleName(QStringLiteral("Znajdź"));
  findField_->setPlaceholderText(QStringLiteral("Znajdź"));
  findField_->setClearButtonEnabled(true);
  notFound_->setObjectName(QStringLiteral("NieZnaleziono"));
  notFound_->hide();
  replaceField_->setObjectName(QStringLiteral("ZamienTekst"));
  replaceField_->setAccessibleName(QStringLiteral("Zamień na"));
  replaceField_->setPlaceholderText(QStringLiteral("Zamień na"));
  replaceButton_->setObjectName(QStringLiteral("ZamienPrzycisk"));
  replaceAllButton_->setObjectName(QStringLiteral("ZamienWszystko"));

  auto* replaceLayout = new QHBoxLayout(replaceRow_);
  replaceLayout->setContentsMargins(0, 0, 0, 0);
  replaceLayout->setSpacing(2);
  replaceLayout->addWidget(replaceField_, 1);
  replaceLayout->addWidget(replaceButton_);
  replaceLayout->addWidget(replaceAllButton_);
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(findField_, 0, 0);
  layout->addWidget(notFound_, 0, 1);
  layout->addWidget(replaceRow_, 1, 0, 1, 2);

  findField_->installEventFilter(this);
  connect(findField_, &QLineEdit::textChanged, this, [this] {
    Remark();
    Find(false, true);
  });
  connect(replaceField_, &QLineEdit::returnPressed, replaceButton_, &QPushButton::click);
  connect(replaceButton_, &QPushButton::clicked, this, [this] {
    editor_.ReplaceSelected(findField_->text(), replaceField_->text());
    Remark();
    emit caretMoved();
  });
  connect(replaceAllButton_, &QPushButton::clicked, this, [this] {
    editor_.ReplaceAll(findField_->text(), replaceField_->text());
    Remark();
    emit caretMoved();
  });
  hide();
}

void FindBar::Open(bool withReplacement, const QString& proposed) {
  replaceRow_->setVisible(withReplacement);
  show();
  if (!proposed.isEmpty() && !proposed.contains(QChar::ParagraphSeparator)) {
    findField_->setText(proposed);
  }
  Remark();
  findField_->setFocus();
  findField_->selectAll();
}

void FindBar::Close() {
  if (isHidden()) return;
  hide();
  target_().MarkAll(QString());
  editor_.MarkAll(QString());
  emit closed();
}

void FindBar::Remark() {
  if (isHidden()) return;
  const int count = target_().MarkAll(findField_->text());
  ShowNotFound(count == 0 && !findField_->text().isEmpty());
}

void FindBar::AllowReplacing(bool allowed) {
  replaceRow_->setEnabled(allowed);
}

void FindBar::Find(bool backward, bool here) {
  if (findField_->text().isEmpty()) return;
  const bool found = target_().Select(findField_->text(), backward, here);
  ShowNotFound(!found);
  if (found) emit caretMoved();
}

void FindBar::ShowNotFound(bool notFound) {
  notFound_->setVisible(notFound);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == findField_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      Find(key->modifiers().testFlag(Qt::ShiftModifier), false);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FindBar::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace kwarcyt
