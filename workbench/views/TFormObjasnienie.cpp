#include "workbench/views/TFormObjasnienie.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "look/Fonts.h"

namespace kwarcyt {

TFormObjasnienie::TFormObjasnienie(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool), text_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("FormObjasnienie"));
  setWindowTitle(QStringLiteral("Kwarcyt - Objaśnienie"));
  text_->setObjectName(QStringLiteral("Objasnienie"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text_->setFont(ValueFont());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(text_);
  resize(720, 340);
}

void TFormObjasnienie::SetText(const QString& text) {
  // A run at speed asks once a frame; an unchanged text keeps the reader's scroll position.
  if (text_->toPlainText() != text) text_->setPlainText(text);
}

void TFormObjasnienie::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  emit visibilityChanged(true);
}

void TFormObjasnienie::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit visibilityChanged(false);
}

}  // namespace kwarcyt
