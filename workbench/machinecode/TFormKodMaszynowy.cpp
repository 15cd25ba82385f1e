#include "TFormKodMaszynowy.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include "look/Fonts.h"

namespace kwarcyt {

TFormKodMaszynowy::TFormKodMaszynowy(QWidget* mainWindow)
    : ToolWindow(mainWindow, QStringLiteral("FormKodMaszynowy"),
                 QStringLiteral("Kwarcyt - Kod maszynowy")),
      origin_(new QLineEdit(this)),
      saveHex_(new QPushButton(QStringLiteral("Zapisz jako HEX..."), this)),
      listing_(new QPlainTextEdit(this)),
      note_(new QLabel(this)) {
  auto* originLabel = new QLabel(QStringLiteral("Adres początkowy:"), this);
  originLabel->setBuddy(origin_);
  origin_->setObjectName(QStringLiteral("AdresPoczatkowy"));
  origin_->setMaximumWidth(120);
  saveHex_->setObjectName(QStringLiteral("ZapiszHex"));
  listing_->setObjectName(QStringLiteral("Listing"));
  listing_->setReadOnly(true);
  listing_->setLineWrapMode(QPlainTextEdit::NoWrap);
  listing_->setFont(ValueFont());
  MarkZoomedText(*listing_);
  note_->setObjectName(QStringLiteral("UwagaAdresu"));
  note_->hide();

  auto* top = new QHBoxLayout;
  top->addWidget(originLabel);
  top->addWidget(origin_);
  top->addStretch();
  top->addWidget(saveHex_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(top);
  layout->addWidget(listing_);
  layout->addWidget(note_);
  resize(640, 420);

  connect(origin_, &QLineEdit::editingFinished, this,
          [this] { emit originEdited(origin_->text()); });
  connect(saveHex_, &QPushButton::clicked, this, &TFormKodMaszynowy::saveHexRequested);
}

// The field loses the focus while the window's children are destroyed, after this part of the
// window is gone: its editingFinished must not reach the window then.
TFormKodMaszynowy::~TFormKodMaszynowy() {
  origin_->blockSignals(true);
}

void TFormKodMaszynowy::ShowListing(const QString& text, int rows) {
  ShowText(text, rows);
}

void TFormKodMaszynowy::ShowProblem(const QString& text) {
  ShowText(text, 0);
}

void TFormKodMaszynowy::ShowText(const QString& text, int rows) {
  saveHex_->setEnabled(rows > 0);
  rowCount_ = rows;
  if (listing_->toPlainText() != text) {
    // The reader keeps the place scrolled to while the listing follows an edit.
    const int scrolled = listing_->verticalScrollBar()->value();
    listing_->setPlainText(text);
    listing_->verticalScrollBar()->setValue(scrolled);
  }
  const int line = highlighted_;
  highlighted_ = -2;
  HighlightLine(line);
}

void TFormKodMaszynowy::HighlightLine(int line) {
  if (line == highlighted_) return;
  highlighted_ = line;
  QList<QTextEdit::ExtraSelection> marks;
  if (line >= 0 && line < rowCount_) {
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(listing_->document()->findBlockByNumber(line));
    mark.format.setBackground(palette().color(QPalette::Highlight).lighter(170));
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    marks.append(mark);
    listing_->setTextCursor(mark.cursor);
    listing_->ensureCursorVisible();
  }
  listing_->setExtraSelections(marks);
}

void TFormKodMaszynowy::SetOriginText(const QString& text) {
  origin_->setText(text);
}

void TFormKodMaszynowy::SetNote(const QString& text) {
  note_->setText(text);
  note_->setVisible(!text.isEmpty());
}

}  // namespace kwarcyt
