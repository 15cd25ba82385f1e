#include "TFormPodaj.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "checker/Mojefunkcje.h"
#include "look/Fonts.h"
#include "viewtext/ViewFormats.h"

namespace {

constexpr QSize kClientSize{294, 202};

QLabel* PreviewLabel(QWidget* parent, const QString& name, const QString& text, bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(kwarcyt::ValueFont(bold));
  return label;
}

// Each preview column is as wide as the longest text it shows, so the row of previews keeps
// its place and stays centred whatever is typed.
int PreviewWidth(int characters, bool bold = false) {
  return QFontMetrics(kwarcyt::ValueFont(bold)).horizontalAdvance(QString(characters, 'W'));
}

}  // namespace

TFormPodaj::TFormPodaj(QWidget* parent) : ModalDialog(parent, Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("FormPodaj"));
  setWindowTitle(QStringLiteral("Kwarcyt"));
  setFont(kwarcyt::CaptionFont());
  setFixedSize(kClientSize);
  setAttribute(Qt::WA_DeleteOnClose, false);

  tytul_ = new QLabel(this);
  tytul_->setObjectName(QStringLiteral("Tytul"));
  tytul_->setAlignment(Qt::AlignCenter);
  tytul_->setWordWrap(true);

  liczba_ = new QLineEdit(this);
  liczba_->setObjectName(QStringLiteral("Liczba"));
  liczba_->setMaxLength(17);
  liczba_->setFont(kwarcyt::ValueFont());

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("OK"));
  ok_->setDefault(true);
  ok_->setEnabled(false);

  r10_ = PreviewLabel(this, QStringLiteral("R10"), QStringLiteral("-"));
  r16_ = PreviewLabel(this, QStringLiteral("R16"), QStringLiteral("-"));
  r2_ = PreviewLabel(this, QStringLiteral("R2"), QStringLiteral("-"));
  rascii_ = PreviewLabel(this, QStringLiteral("RASCII"), QStringLiteral("'-'"), true);

  auto* entryRow = new QHBoxLayout;
  entryRow->addWidget(liczba_, 1);
  entryRow->addWidget(ok_);

  auto* preview = new QGridLayout;
  preview->setObjectName(QStringLiteral("Label1"));
  preview->setHorizontalSpacing(12);
  preview->setVerticalSpacing(0);
  const struct {
    const char* caption;
    QLabel* value;
    int width;
  } columns[] = {
      {"Dec", r10_, PreviewWidth(5)},
      {"Hex", r16_, PreviewWidth(4)},
      {"Bin", r2_, PreviewWidth(16)},
      {"ASCII", rascii_, PreviewWidth(3, true)},
  };
  for (int column = 0; column < 4; ++column) {
    auto* caption = new QLabel(QString::fromLatin1(columns[column].caption), this);
    caption->setAlignment(Qt::AlignCenter);
    columns[column].value->setFixedWidth(columns[column].width);
    preview->addWidget(caption, 0, column);
    preview->addWidget(columns[column].value, 1, column);
  }
  auto* previewRow = new QHBoxLayout;
  previewRow->addStretch();
  previewRow->addLayout(preview);
  previewRow->addStretch();

  auto* bevel = new QFrame(this);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  layout->addWidget(tytul_);
  layout->addLayout(entryRow);
  layout->addLayout(previewRow);
  layout->addWidget(bevel);
  const QList<QPair<QString, QString>> rules = {
      {QStringLiteral("Label7"), QStringLiteral("Reguły wprowadzania liczb:")},
      {QStringLiteral("Label8"), QStringLiteral("Liczby dziesiętne - bez przyrostka, np. 75")},
      {QStringLiteral("Label5"),
       QStringLiteral("Liczby binarne - z przyrostkiem b, np. 01001011b")},
      {QStringLiteral("Label6"), QStringLiteral("Liczby szesnastkowe - z przyrostkiem h, np. 4Bh")},
      {QStringLiteral("Label4"), QStringLiteral("Znaki ASCII - w apostrofach, np. 'K'")},
  };
  for (const auto& [name, text] : rules) {
    auto* rule = new QLabel(text, this);
    rule->setObjectName(name);
    layout->addWidget(rule);
  }
  layout->addStretch();

  connect(liczba_, &QLineEdit::textChanged, this, &TFormPodaj::LiczbaChange);
  connect(ok_, &QPushButton::clicked, this, &TFormPodaj::OKClick);
}

void TFormPodaj::SetTitle(const QString& title) {
  tytul_->setText(title);
}

void TFormPodaj::SetMaximum(int maximum) {
  maximum_ = maximum;
}

void TFormPodaj::SetValue(int value) {
  // Setting the same text again would not run the change handler; the preview must be filled.
  liczba_->setText(QString::number(value));
  LiczbaChange();
}

void TFormPodaj::LiczbaChange() {
  const int value = kwarcyt::ParseNumber(liczba_->text().toStdString(), maximum_);
  if (value < 0) {
    ok_->setEnabled(false);
    r10_->setText(QStringLiteral("-"));
    r16_->setText(QStringLiteral("-"));
    r2_->setText(QStringLiteral("-"));
    rascii_->setText(QStringLiteral("'-'"));
    return;
  }
  ok_->setEnabled(true);
  const int digits = maximum_ == 65535 ? 4 : 2;
  r10_->setText(QString::number(value));
  r16_->setText(kwarcyt::HexField(value, digits));
  r2_->setText(QString::fromStdString(kwarcyt::BinaryText(value, 4 * digits)));
  if (maximum_ == 255) {
    const QChar shown(kwarcyt::CharacterCode(static_cast<std::uint8_t>(value)));
    rascii_->setText(QLatin1Char('\'') + shown + QLatin1Char('\''));
  }
  lastValid_ = value;
}

void TFormPodaj::showEvent(QShowEvent* event) {
  rascii_->setEnabled(maximum_ <= 255);
  valueAtOpening_ = liczba_->text().toInt();
  result_ = valueAtOpening_;
  liczba_->setFocus();
  ModalDialog::showEvent(event);
}

void TFormPodaj::reject() {
  // Esc and the close button leave the target as it was.
  result_ = valueAtOpening_;
  ModalDialog::reject();
}

void TFormPodaj::OKClick() {
  result_ = lastValid_;
  accept();
}
