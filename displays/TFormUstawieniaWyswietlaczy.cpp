#include "TFormUstawieniaWyswietlaczy.h"

#include <QTabBar>
#include <QVBoxLayout>

#include "look/CompactTabStyle.h"
#include "look/Fonts.h"

namespace kwarcyt {

namespace {

QStringList AddressItems() {
  QStringList items;
  for (int choice = 0; choice < DisplaySettings::kBaseChoices; ++choice)
    items << QStringLiteral("%1h").arg(
        QString::number(BaseFromChoice(choice), 16).toUpper().rightJustified(4, QLatin1Char('0')));
  return items;
}

QStringList RateItems() {
  QStringList items;
  for (int choice = 0; choice < DisplaySettings::kRateChoices; ++choice)
    items << QStringLiteral("%1 klatek/sekundę").arg(RateFromChoice(choice));
  return items;
}

}  // namespace

TFormUstawieniaWyswietlaczy::TFormUstawieniaWyswietlaczy(DisplaySettings& settings, QWidget* parent)
    : ModalDialog(parent), settings_(settings) {
  setWindowTitle(QStringLiteral("Kwarcyt - Ustawienia wyświetlaczy"));
  setFixedSize(286, 278);
  // The program's small caption font, or a metric-compatible stand-in; wider fonts would not
  // fit the pages.
  setFont(CaptionFont());

  PageControlUstawienia = new QTabWidget(this);
  PageControlUstawienia->setObjectName(QStringLiteral("PageControlUstawienia"));
  PageControlUstawienia->setUsesScrollButtons(false);
  // Common styles pad page tabs so generously that the third caption would not fit the dialog.
  auto* tabStyle = new CompactTabStyle;
  tabStyle->setParent(this);
  PageControlUstawienia->tabBar()->setStyle(tabStyle);
  AddPage(QStringLiteral("Alfanumeryczny"), QStringLiteral("Alfa"), RadioGroupAlfa,
          RadioGroupAlfaKlatki, nullptr);
  AddPage(QStringLiteral("Graficzny - Mono"), QStringLiteral("Mono"), RadioGroupMono,
          RadioGroupMonoKlatki, &CheckBoxMono);
  AddPage(QStringLiteral("Graficzny - Szary"), QStringLiteral("Szary"), RadioGroupSzary,
          RadioGroupSzaryKlatki, &CheckBoxSzary);

  Zatwierdz = new QPushButton(QStringLiteral("Zatwierdź"), this);
  Zatwierdz->setObjectName(QStringLiteral("Zatwierdz"));
  Zatwierdz->setDefault(true);
  connect(Zatwierdz, &QPushButton::clicked, this, &TFormUstawieniaWyswietlaczy::ZatwierdzClick);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(3, 4, 3, 6);
  layout->addWidget(PageControlUstawienia);
  layout->addWidget(Zatwierdz, 0, Qt::AlignHCenter);

  LoadControls(DisplaySettings{});
}

void TFormUstawieniaWyswietlaczy::AddPage(const QString& caption, const QString& name,
                                          ColumnRadioGroup*& address, ColumnRadioGroup*& rate,
                                          QCheckBox** border) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(3, 3, 3, 3);
  address = new ColumnRadioGroup(QStringLiteral("Adres:"), AddressItems(), 4, page);
  address->setObjectName(QStringLiteral("RadioGroup") + name);
  rate = new ColumnRadioGroup(QStringLiteral("Odświeżanie:"), RateItems(), 2, page);
  rate->setObjectName(QStringLiteral("RadioGroup") + name + QStringLiteral("Klatki"));
  layout->addWidget(address);
  layout->addWidget(rate);
  if (border) {
    *border = new QCheckBox(QStringLiteral("Wyświetlaj obramowanie pikseli"), page);
    (*border)->setObjectName(QStringLiteral("CheckBox") + name);
    layout->addWidget(*border);
  }
  layout->addStretch();
  PageControlUstawienia->addTab(page, caption);
}

void TFormUstawieniaWyswietlaczy::showEvent(QShowEvent* event) {
  ModalDialog::showEvent(event);
  FormShow();
}

void TFormUstawieniaWyswietlaczy::FormShow() {
  PageControlUstawienia->setCurrentIndex(0);
  LoadControls(settings_);
}

void TFormUstawieniaWyswietlaczy::LoadControls(const DisplaySettings& values) {
  RadioGroupAlfa->SetItemIndex(ChoiceFromBase(values.alphanumericBase));
  RadioGroupMono->SetItemIndex(ChoiceFromBase(values.monochromeBase));
  RadioGroupSzary->SetItemIndex(ChoiceFromBase(values.grayscaleBase));
  RadioGroupAlfaKlatki->SetItemIndex(ChoiceFromRate(values.alphanumericRate));
  RadioGroupMonoKlatki->SetItemIndex(ChoiceFromRate(values.monochromeRate));
  RadioGroupSzaryKlatki->SetItemIndex(ChoiceFromRate(values.grayscaleRate));
  CheckBoxMono->setChecked(values.monochromeBorder);
  CheckBoxSzary->setChecked(values.grayscaleBorder);
}

void TFormUstawieniaWyswietlaczy::ZatwierdzClick() {
  settings_.alphanumericBase = BaseFromChoice(RadioGroupAlfa->ItemIndex());
  settings_.monochromeBase = BaseFromChoice(RadioGroupMono->ItemIndex());
  settings_.grayscaleBase = BaseFromChoice(RadioGroupSzary->ItemIndex());
  settings_.alphanumericRate = RateFromChoice(RadioGroupAlfaKlatki->ItemIndex());
  settings_.grayscaleRate = RateFromChoice(RadioGroupSzaryKlatki->ItemIndex());
  settings_.monochromeRate = RateFromChoice(RadioGroupMonoKlatki->ItemIndex());
  settings_.monochromeBorder = CheckBoxMono->isChecked();
  settings_.grayscaleBorder = CheckBoxSzary->isChecked();
  accept();
}

}  // namespace kwarcyt
