// The display settings dialog: what it shows on opening, what Zatwierdź applies, and that Esc and
// the close button apply nothing. The dialog is shown modelessly, so no test waits for a person.
#include <QApplication>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <memory>

#include "displays/DisplayWindows.h"
#include "displays/TFormUstawieniaWyswietlaczy.h"

Q_DECLARE_METATYPE(kwarcyt::DisplaySettings)

using namespace kwarcyt;

namespace {

QString SelectedText(const ColumnRadioGroup* group) {
  return group->ItemIndex() < 0 ? QString() : group->Item(group->ItemIndex())->text();
}

struct Page {
  ColumnRadioGroup* address;
  ColumnRadioGroup* rate;
  QCheckBox* border;
};

Page PageOf(TFormUstawieniaWyswietlaczy& dialog, int index) {
  const Page pages[] = {
      {dialog.RadioGroupAlfa, dialog.RadioGroupAlfaKlatki, nullptr},
      {dialog.RadioGroupMono, dialog.RadioGroupMonoKlatki, dialog.CheckBoxMono},
      {dialog.RadioGroupSzary, dialog.RadioGroupSzaryKlatki, dialog.CheckBoxSzary}};
  return pages[index];
}

}  // namespace

class SettingsDialogTest : public QObject {
  Q_OBJECT

  DisplaySettings settings_;

 private slots:
  void init() { settings_.SetDefaults(); }

  void pagesOfferEveryAddressAndRateInColumns() {
    TFormUstawieniaWyswietlaczy dialog(settings_, nullptr);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Kwarcyt - Ustawienia wyświetlaczy"));
    QCOMPARE(dialog.size(), QSize(286, 278));
    QCOMPARE(dialog.PageControlUstawienia->count(), 3);
    QCOMPARE(dialog.PageControlUstawienia->tabText(0), QStringLiteral("Alfanumeryczny"));
    QCOMPARE(dialog.PageControlUstawienia->tabText(1), QStringLiteral("Graficzny - Mono"));
    QCOMPARE(dialog.PageControlUstawienia->tabText(2), QStringLiteral("Graficzny - Szary"));
    QCOMPARE(dialog.Zatwierdz->text(), QStringLiteral("Zatwierdź"));
    QVERIFY(dialog.Zatwierdz->isDefault());
    QCOMPARE(dialog.CheckBoxMono->text(), QStringLiteral("Wyświetlaj obramowanie pikseli"));
    QCOMPARE(dialog.CheckBoxSzary->text(), QStringLiteral("Wyświetlaj obramowanie pikseli"));
    const QStringList addresses = {"0000h", "1000h", "2000h", "3000h", "4000h", "5000h",
                                   "6000h", "7000h", "8000h", "9000h", "A000h", "B000h",
                                   "C000h", "D000h", "E000h", "F000h"};
    for (int page = 0; page < 3; ++page) {
      const Page controls = PageOf(dialog, page);
      QCOMPARE(controls.address->title(), QStringLiteral("Adres:"));
      QCOMPARE(controls.rate->title(), QStringLiteral("Odświeżanie:"));
      QCOMPARE(controls.address->Count(), 16);
      for (int i = 0; i < 16; ++i) QCOMPARE(controls.address->Item(i)->text(), addresses[i]);
      QCOMPARE(controls.rate->Count(), 6);
      for (int i = 0; i < 6; ++i)
        QCOMPARE(controls.rate->Item(i)->text(),
                 QStringLiteral("%1 klatek/sekundę").arg(5 * i + 5));
    }
    // Four columns of addresses, filled downwards: 0000h..3000h share the first column.
    const auto* group = dialog.RadioGroupAlfa;
    QCOMPARE(group->Item(3)->x(), group->Item(0)->x());
    QVERIFY(group->Item(4)->x() > group->Item(0)->x());
    QCOMPARE(group->Item(4)->y(), group->Item(0)->y());
    QCOMPARE(group->Item(15)->y(), group->Item(3)->y());
    QCOMPARE(dialog.RadioGroupMonoKlatki->Item(3)->y(), dialog.RadioGroupMonoKlatki->Item(0)->y());
  }

  void openingShowsTheDefaultsAtStart() {
    TFormUstawieniaWyswietlaczy dialog(settings_, nullptr);
    dialog.show();
    QCOMPARE(dialog.PageControlUstawienia->currentIndex(), 0);
    QCOMPARE(SelectedText(dialog.RadioGroupAlfa), QStringLiteral("1000h"));
    QCOMPARE(SelectedText(dialog.RadioGroupMono), QStringLiteral("2000h"));
    QCOMPARE(SelectedText(dialog.RadioGroupSzary), QStringLiteral("3000h"));
    for (int page = 0; page < 3; ++page)
      QCOMPARE(SelectedText(PageOf(dialog, page).rate), QStringLiteral("25 klatek/sekundę"));
    QVERIFY(!dialog.CheckBoxMono->isChecked());
    QVERIFY(!dialog.CheckBoxSzary->isChecked());
  }

  void openingShowsTheCurrentSettings() {
    settings_ = {0xA000, 0x0000, 0xF000, 5, 30, 15, true, false};
    TFormUstawieniaWyswietlaczy dialog(settings_, nullptr);
    dialog.show();
    QCOMPARE(SelectedText(dialog.RadioGroupAlfa), QStringLiteral("A000h"));
    QCOMPARE(SelectedText(dialog.RadioGroupSzary), QStringLiteral("0000h"));
    QCOMPARE(SelectedText(dialog.RadioGroupMono), QStringLiteral("F000h"));
    QCOMPARE(SelectedText(dialog.RadioGroupAlfaKlatki), QStringLiteral("5 klatek/sekundę"));
    QCOMPARE(SelectedText(dialog.RadioGroupSzaryKlatki), QStringLiteral("30 klatek/sekundę"));
    QCOMPARE(SelectedText(dialog.RadioGroupMonoKlatki), QStringLiteral("15 klatek/sekundę"));
    QVERIFY(dialog.CheckBoxSzary->isChecked());
    QVERIFY(!dialog.CheckBoxMono->isChecked());
  }

  // Each page changes its own display only.
  void zatwierdzAppliesEveryPage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<DisplaySettings>("expected");
    DisplaySettings alpha, mono, gray;
    alpha.alphanumericBase = 0xF000;
    alpha.alphanumericRate = 5;
    mono.monochromeBase = 0xF000;
    mono.monochromeRate = 5;
    mono.monochromeBorder = true;
    gray.grayscaleBase = 0xF000;
    gray.grayscaleRate = 5;
    gray.grayscaleBorder = true;
    QTest::newRow("Alfanumeryczny") << 0 << alpha;
    QTest::newRow("Graficzny - Mono") << 1 << mono;
    QTest::newRow("Graficzny - Szary") << 2 << gray;
  }
  void zatwierdzAppliesEveryPage() {
    QFETCH(int, page);
    QFETCH(DisplaySettings, expected);
    TFormUstawieniaWyswietlaczy dialog(settings_, nullptr);
    dialog.show();
    dialog.PageControlUstawienia->setCurrentIndex(page);
    const Page controls = PageOf(dialog, page);
    QTest::mouseClick(controls.address->Item(15), Qt::LeftButton);
    QTest::mouseClick(controls.rate->Item(0), Qt::LeftButton);
    if (controls.border) QTest::mouseClick(controls.border, Qt::LeftButton);
    QTest::mouseClick(dialog.Zatwierdz, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QVERIFY(settings_ == expected);
  }

  void enterPressesZatwierdzWhereverTheFocusIs() {
    TFormUstawieniaWyswietlaczy dialog(settings_, nullptr);
    dialog.show();
    QRadioButton* item = dialog.RadioGroupAlfa->Item(15);
    QTest::mouseClick(item, Qt::LeftButton);
    QTest::keyClick(item, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(settings_.alphanumericBase, 0xF000);
  }

  void escAndTheCloseButtonApplyNothing_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Esc") << true;
    QTest::newRow("close button") << false;
  }
  void escAndTheCloseButtonApplyNothing() {
    QFETCH(bool, escape);
    settings_.monochromeRate = 10;
    const DisplaySettings before = settings_;
    {
      TFormUstawieniaWyswietlaczy dialog(settings_, nullptr);
      dialog.show();
      for (int page = 0; page < 3; ++page) {
        const Page controls = PageOf(dialog, page);
        controls.address->SetItemIndex(7);
        controls.rate->SetItemIndex(5);
        if (controls.border) controls.border->setChecked(true);
      }
      if (escape)
        QTest::keyClick(dialog.RadioGroupMonoKlatki->Item(2), Qt::Key_Escape);
      else
        QVERIFY(dialog.close());
      QVERIFY(!dialog.isVisible());
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QVERIFY(settings_ == before);
    TFormUstawieniaWyswietlaczy reopened(settings_, nullptr);
    reopened.show();
    QCOMPARE(SelectedText(reopened.RadioGroupMonoKlatki), QStringLiteral("10 klatek/sekundę"));
    QCOMPARE(SelectedText(reopened.RadioGroupSzary), QStringLiteral("3000h"));
  }

  // Tab enters each group on its selected option; the arrow keys choose within the group.
  void keysMoveAsInRadioGroups() {
    TFormUstawieniaWyswietlaczy dialog(settings_, nullptr);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.PageControlUstawienia->tabBar()->setFocus();
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
      QTest::keyClick(QApplication::focusWidget(), key, modifiers);
      return QApplication::focusWidget();
    };
    ColumnRadioGroup* address = dialog.RadioGroupAlfa;
    ColumnRadioGroup* rate = dialog.RadioGroupAlfaKlatki;
    QCOMPARE(press(Qt::Key_Tab), address->Item(1));
    QCOMPARE(press(Qt::Key_Down), address->Item(2));
    QCOMPARE(press(Qt::Key_Right), address->Item(6));
    QCOMPARE(address->ItemIndex(), 6);
    QCOMPARE(press(Qt::Key_Tab), rate->Item(4));
    QCOMPARE(press(Qt::Key_Up), rate->Item(3));
    QCOMPARE(rate->ItemIndex(), 3);
    QCOMPARE(press(Qt::Key_Tab), dialog.Zatwierdz);
    QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), rate->Item(3));
    QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), address->Item(6));
  }

  // The displays take a new base and border at their next repaint and the new rate after it.
  void displaysFollowTheAppliedSettings() {
    auto machine = std::make_unique<MachineState>();
    machine->Memory[0xF000] = 0xFF;
    DisplayWindows windows(*machine, settings_, nullptr);
    TFormSkalaSzarosci& display = *windows.FormSkalaSzarosci;
    display.show();
    const QImage before = display.grab().toImage();
    TFormUstawieniaWyswietlaczy dialog(settings_, nullptr);
    dialog.show();
    dialog.RadioGroupSzary->Item(15)->click();
    dialog.RadioGroupSzaryKlatki->Item(0)->click();
    dialog.Zatwierdz->click();
    auto* timer = display.findChild<QTimer*>(QStringLiteral("Timer1"));
    QCOMPARE(timer->interval(), 40);
    display.Timer1Timer();
    QCOMPARE(timer->interval(), 200);
    const QImage after = display.grab().toImage();
    QCOMPARE(before.pixel(8, 8), qRgb(0, 0, 0));
    QCOMPARE(after.pixel(8, 8), qRgb(255, 255, 255));
  }
};

QTEST_MAIN(SettingsDialogTest)
#include "SettingsDialog_test.moc"
