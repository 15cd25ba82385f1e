// Find, replace, go to line, zoom and printing in the main window.
#include <QHeaderView>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QTableView>

#include "WindowFixture.h"
#include "workbench/window/ZoomSteps.h"

using namespace kwarcyt;

class ReadingCommandsTest : public QObject, public WindowFixture {
  Q_OBJECT

  QLineEdit* FindField() { return Child<QLineEdit>("ZnajdzTekst"); }
  bool NotFoundShown() { return Child<QLabel>("NieZnaleziono")->isVisible(); }
  int MarkedInEditor() { return static_cast<int>(Memo()->extraSelections().size()); }
  // Go to line's dialog answered with the number typed into it.
  void AnswerGoTo(int typed, int* maximum = nullptr) {
    Script().onExec = [typed, maximum](QDialog& dialog) {
      auto* number = dialog.findChild<QSpinBox*>(QStringLiteral("NumerWiersza"));
      if (maximum != nullptr) *maximum = number->maximum();
      number->setValue(typed);
      return int{dialog.windowTitle() == QStringLiteral("Kwarcyt - Przejdź do wiersza")};
    };
  }

 private slots:
  void init() {
    Open();
    Window().resize(900, 700);
  }
  void cleanup() { Close(); }

  void findAndReplaceInTheEditor() {
    Type("MVI A, 5\nmvi B, 6\nHLT");
    Action("Zamien")->trigger();
    QTest::keyClicks(FindField(), "Mvi");
    QCOMPARE(MarkedInEditor(), 2);
    QCOMPARE(Memo()->textCursor().blockNumber(), 0);
    QTest::keyClick(FindField(), Qt::Key_Return);
    QCOMPARE(Memo()->textCursor().selectedText(), QString("mvi"));
    QTest::keyClick(FindField(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(Memo()->textCursor().blockNumber(), 0);
    QVERIFY(!NotFoundShown());

    Child<QLineEdit>("ZamienTekst")->setText("LXI");
    Child<QPushButton>("ZamienPrzycisk")->click();
    QCOMPARE(Memo()->toPlainText(), QString("LXI A, 5\nmvi B, 6\nHLT"));
    Child<QPushButton>("ZamienWszystko")->click();
    QCOMPARE(Memo()->toPlainText(), QString("LXI A, 5\nLXI B, 6\nHLT"));
    QTest::keyClick(FindField(), Qt::Key_Return);
    QVERIFY(NotFoundShown());
    // Replace all was one step of Cofnij, back in the editor.
    Memo()->setFocus();
    Action("Cofnij")->trigger();
    QCOMPARE(Memo()->toPlainText(), QString("LXI A, 5\nmvi B, 6\nHLT"));

    QTest::keyClick(FindField(), Qt::Key_Escape);
    QVERIFY(!Child<QWidget>("PasekZnajdz")->isVisible());
    QCOMPARE(MarkedInEditor(), 0);
  }

  void goToALineOfTheEditor() {
    Type("NOP\nNOP\nNOP\nHLT");
    int maximum = 0;
    AnswerGoTo(2, &maximum);
    Action("PrzejdzDoWiersza")->trigger();
    QCOMPARE(maximum, 3);
    QCOMPARE(Memo()->textCursor().blockNumber(), 2);
    QCOMPARE(StatusPanel(0), QString("Wiersz: 2"));
  }

  // During a run both work on the list; the program counter stays, and nothing is replaced.
  void findAndGoToInTheListOfARun() {
    Type("NOP\nINR A\nNOP\ninr b\nHLT");
    Window().KrokExecute();
    const int pc = Machine().PC;
    QVERIFY(List()->isVisible());
    QVERIFY(!Action("Zamien")->isEnabled());
    Action("Znajdz")->trigger();
    QTest::keyClicks(FindField(), "INR");
    QCOMPARE(List()->currentRow(), 1);
    QTest::keyClick(FindField(), Qt::Key_Return);
    QCOMPARE(List()->currentRow(), 3);
    QCOMPARE(List()->item(3)->background().color(), List()->item(1)->background().color());
    QVERIFY(List()->item(2)->background() == QBrush());
    AnswerGoTo(4);
    Action("PrzejdzDoWiersza")->trigger();
    QCOMPARE(List()->currentRow(), 4);
    QCOMPARE(Machine().PC, pc);
    Window().StopExecute();
    QVERIFY(Action("Zamien")->isEnabled());
  }

  void zoomLadder() {
    QCOMPARE(LargerZoom(kDesignZoom), 10);
    QCOMPARE(SmallerZoom(kDesignZoom), 9);
    QCOMPARE(SmallerZoom(8), 8);
    QCOMPARE(LargerZoom(40), 40);
    QCOMPARE(LargerZoom(7), 10);
  }

  void zoomIsKeptAcrossARestart() {
    QTemporaryDir folder;
    const QString settings = folder.filePath("kwarcyt.conf");
    Window().UseSettingsFile(settings);
    const int designPixels = Memo()->font().pixelSize();
    for (int i = 0; i < 20 && Memo()->font().pointSize() != 24; ++i) Action("Powieksz")->trigger();
    for (QWidget* text : {static_cast<QWidget*>(Memo()), static_cast<QWidget*>(List()),
                          Child<QWidget>("ListaBledow")}) {
      QCOMPARE(text->font().pointSize(), 24);
    }
    QVERIFY(Window().close());

    Reopen();
    Window().UseSettingsFile(settings);
    QCOMPARE(Memo()->font().pointSize(), 24);
    Window().ObjasnienieKrokuExecute();
    QCOMPARE(Child<QWidget>("Objasnienie")->font().pointSize(), 24);
    // The tool windows made after the zoom read at its size too, the dump's rows grown with it.
    Action("PodgladPamieci")->trigger();
    Action("KodMaszynowy")->trigger();
    Action("CykleMaszynowe")->trigger();
    for (const char* text : {"Pamiec", "Stos", "Listing", "TabelaCykli"}) {
      QCOMPARE(Child<QWidget>(text)->font().pointSize(), 24);
    }
    const QFontMetrics zoomed(Child<QTableView>("Pamiec")->font());
    QVERIFY(Child<QTableView>("Pamiec")->verticalHeader()->defaultSectionSize() > zoomed.height());
    Action("RozmiarDomyslny")->trigger();
    QCOMPARE(Memo()->font().pixelSize(), designPixels);
    QVERIFY(!Action("RozmiarDomyslny")->isEnabled());
  }

  // Printed through the print dialog into a PDF file, read back by pdftotext.
  void printsEveryLineNumberedWithAHeaderOnEachPage() {
    QStringList lines;
    for (int i = 0; i < 120; ++i) lines << QString("MVI A, %1").arg(i);
    lines << QString("/") + QString(300, QChar('k'));
    Type(lines.join('\n'));
    QTemporaryDir folder;
    const QString pdf = folder.filePath("program.pdf");
    Script().onExec = [&pdf](QDialog& dialog) {
      auto& print = dynamic_cast<QPrintDialog&>(dialog);
      print.printer()->setOutputFormat(QPrinter::PdfFormat);
      print.printer()->setOutputFileName(pdf);
      return int{QDialog::Accepted};
    };
    Action("Drukuj")->trigger();

    QProcess reader;
    reader.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY2(reader.waitForFinished(), "pdftotext from poppler-utils is needed");
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 2);
    for (int page = 1; page <= pages.size(); ++page) {
      QVERIFY(pages[page - 1].contains(QString("Strona %1 z %2").arg(page).arg(pages.size())));
      QVERIFY(pages[page - 1].contains("Nowy.txt"));
    }
    QVERIFY(text.contains(QRegularExpression("\\b0 +MVI A, 0\\n")));
    QVERIFY(text.contains(QRegularExpression("\\b119 +MVI A, 119\\n")));
    QVERIFY(text.contains(QRegularExpression("120 +/k+\\n +» +k+\\n")));
    QCOMPARE(text.count('k'), 300);
  }
};

QTEST_MAIN(ReadingCommandsTest)
#include "ReadingCommands_test.moc"
