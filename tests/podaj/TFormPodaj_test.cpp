#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "workbench/podaj/TFormPodaj.h"

namespace {

struct Preview {
  QString dec, hex, bin, ascii;
  bool okEnabled;
};

Preview Read(TFormPodaj& dialog) {
  return {dialog.findChild<QLabel*>("R10")->text(), dialog.findChild<QLabel*>("R16")->text(),
          dialog.findChild<QLabel*>("R2")->text(), dialog.findChild<QLabel*>("RASCII")->text(),
          dialog.findChild<QPushButton*>("OK")->isEnabled()};
}

// Runs the dialog modally and lets the given action close it from inside the event loop; a
// check that fails inside the action closes it too, so that the test cannot hang.
template <typename Action>
int RunDialog(TFormPodaj& dialog, Action action) {
  QTimer::singleShot(0, &dialog, [&dialog, action] {
    action(dialog);
    if (QTest::currentTestFailed() && dialog.isVisible()) dialog.close();
  });
  dialog.exec();
  return dialog.Result();
}

}  // namespace

class TFormPodajTest : public QObject {
  Q_OBJECT

 private slots:
  void previewOfTypedText_data() {
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("dec");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("bin");
    QTest::addColumn<QString>("ascii");
    QTest::addColumn<bool>("ok");
    const QString none = QStringLiteral("-");
    const QString noChar = QStringLiteral("'-'");
    QTest::newRow("zero") << 255 << "0"
                          << "0"
                          << "00"
                          << "00000000" << QString("'\x7f'") << true;
    QTest::newRow("K") << 255 << "'K'"
                       << "75"
                       << "4B"
                       << "01001011"
                       << "'K'" << true;
    QTest::newRow("small a as typed") << 255 << "'a'"
                                      << "97"
                                      << "61"
                                      << "01100001"
                                      << "'a'" << true;
    QTest::newRow("hex") << 255 << "4Bh"
                         << "75"
                         << "4B"
                         << "01001011"
                         << "'K'" << true;
    QTest::newRow("binary") << 255 << "01001011b"
                            << "75"
                            << "4B"
                            << "01001011"
                            << "'K'" << true;
    QTest::newRow("above a byte") << 255 << "256" << none << none << none << noChar << false;
    QTest::newRow("empty") << 255 << "" << none << none << none << noChar << false;
    QTest::newRow("negative") << 255 << "-1" << none << none << none << noChar << false;
    QTest::newRow("code above 127") << 255 << "200"
                                    << "200"
                                    << "C8"
                                    << "11001000" << QString("'\x7f'") << true;
    QTest::newRow("pair all ones") << 65535 << "FFFFh"
                                   << "65535"
                                   << "FFFF"
                                   << "1111111111111111" << noChar << true;
    QTest::newRow("above a pair") << 65535 << "65536" << none << none << none << noChar << false;
    QTest::newRow("pc limit") << 9 << "9"
                              << "9"
                              << "09"
                              << "00001001" << noChar << true;
    QTest::newRow("above pc limit") << 9 << "10" << none << none << none << noChar << false;
  }

  void previewOfTypedText() {
    QFETCH(int, maximum);
    QFETCH(QString, text);
    TFormPodaj dialog;
    dialog.SetMaximum(maximum);
    dialog.findChild<QLineEdit*>("Liczba")->setText(text);
    const Preview preview = Read(dialog);
    QTEST(preview.dec, "dec");
    QTEST(preview.hex, "hex");
    QTEST(preview.bin, "bin");
    QTEST(preview.ascii, "ascii");
    QTEST(preview.okEnabled, "ok");
  }

  void openingFillsThePreview() {
    TFormPodaj dialog;
    dialog.SetMaximum(255);
    dialog.SetValue(0);
    QCOMPARE(dialog.findChild<QLineEdit*>("Liczba")->text(), QStringLiteral("0"));
    QVERIFY(dialog.findChild<QPushButton*>("OK")->isEnabled());
    QCOMPARE(dialog.findChild<QLabel*>("R2")->text(), QStringLiteral("00000000"));
  }

  void okReturnsTheLastValidValue() {
    TFormPodaj dialog;
    dialog.SetMaximum(65535);
    dialog.SetValue(7);
    const int result = RunDialog(dialog, [](TFormPodaj& d) {
      auto* edit = d.findChild<QLineEdit*>("Liczba");
      edit->setText(QStringLiteral("258"));
      QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(result, 258);
  }

  void enterDoesNothingWhileTheTextIsInvalid() {
    TFormPodaj dialog;
    dialog.SetMaximum(255);
    dialog.SetValue(5);
    const int result = RunDialog(dialog, [](TFormPodaj& d) {
      auto* edit = d.findChild<QLineEdit*>("Liczba");
      edit->setText(QStringLiteral("300"));
      QTest::keyClick(edit, Qt::Key_Return);
      QVERIFY(d.isVisible());
      QTest::keyClick(edit, Qt::Key_Escape);
    });
    QCOMPARE(result, 5);
  }

  void escapeAndCloseLeaveTheTargetUnchanged() {
    for (bool useClose : {false, true}) {
      TFormPodaj dialog;
      dialog.SetMaximum(255);
      dialog.SetValue(12);
      const int result = RunDialog(dialog, [useClose](TFormPodaj& d) {
        auto* edit = d.findChild<QLineEdit*>("Liczba");
        edit->setText(QStringLiteral("4Bh"));
        if (useClose) {
          d.close();
        } else {
          QTest::keyClick(edit, Qt::Key_Escape);
        }
      });
      QCOMPARE(result, 12);
    }
  }

  void characterPreviewIsGreyedForWideTargets() {
    TFormPodaj dialog;
    dialog.SetMaximum(65535);
    dialog.SetValue(0);
    RunDialog(dialog, [](TFormPodaj& d) {
      QVERIFY(!d.findChild<QLabel*>("RASCII")->isEnabled());
      d.close();
    });
  }

  void rulesTextIsShown() {
    TFormPodaj dialog;
    QCOMPARE(dialog.findChild<QLabel*>("Label7")->text(),
             QStringLiteral("Reguły wprowadzania liczb:"));
    QCOMPARE(dialog.findChild<QLabel*>("Label4")->text(),
             QStringLiteral("Znaki ASCII - w apostrofach, np. 'K'"));
    QCOMPARE(dialog.findChild<QLineEdit*>("Liczba")->maxLength(), 17);
  }
};

QTEST_MAIN(TFormPodajTest)
#include "TFormPodaj_test.moc"
