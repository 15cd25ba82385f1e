#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QWheelEvent>

#include "WindowFixture.h"
#include "workbench/memory/DumpText.h"
#include "workbench/memory/MemoryTableModel.h"

using namespace kwarcyt;

namespace {

// A call whose subroutine pushes HL and points HL elsewhere.
const QString kCallAndPush = QStringLiteral(
    "LXI SP,3000h\nLXI H,8000h\nCALL PODPROGRAM\nHLT\nPODPROGRAM:\nPUSH H\nLXI H,0C000h\n"
    "POP H\nRET");

}  // namespace

class MemoryWindowTest : public QObject, public WindowFixture {
  Q_OBJECT

 private:
  QWidget* MemoryWindow() { return Child<QWidget>("FormPamiec"); }
  QTableView* Table() { return Child<QTableView>("Pamiec"); }
  int CurrentAddress() { return MemoryTableModel::AddressOf(Table()->currentIndex()); }
  bool CellInView(int address) {
    const QModelIndex cell = Table()->model()->index(address / 16, address % 16);
    return Table()->viewport()->rect().contains(Table()->visualRect(cell));
  }
  void GoTo(const QString& typed) {
    auto* field = Child<QLineEdit>("Adres");
    field->setText(typed);
    QTest::keyClick(field, Qt::Key_Return);
  }
  // Krok until the machine is as wanted, within a few steps.
  bool StepUntil(const std::function<bool()>& reached) {
    for (int step = 0; step < 20 && !reached(); ++step) Window().KrokExecute();
    return reached();
  }
  void Follow(const QString& choice) { Child<QComboBox>("Sledz")->setCurrentText(choice); }
  // The next value entry dialog is answered with `typed` and OK.
  void Answer(const QString& typed) {
    Script().onExec = [typed](QDialog& dialog) {
      dialog.show();
      auto* field = dialog.findChild<QLineEdit*>("Liczba");
      field->setText(typed);
      QTest::keyClick(field, Qt::Key_Return);
      return dialog.result();
    };
  }

 private slots:
  void init() {
    Open();
    Action("PodgladPamieci")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(MemoryWindow()));
  }
  void cleanup() { Close(); }

  void commandShowsAndHidesTheWindow() {
    QVERIFY(Action("PodgladPamieci")->isChecked());
    QCOMPARE(MemoryWindow()->windowTitle(), QStringLiteral("Kwarcyt - Pamięć"));
    QTest::keyClick(&Window(), Qt::Key_M, Qt::ControlModifier);
    QVERIFY(!MemoryWindow()->isVisible());
    QVERIFY(!Action("PodgladPamieci")->isChecked());
  }

  void addressFieldReadsWhatAProgramReads_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("address");  // -1: refused
    QTest::addColumn<QString>("refusal");
    QTest::newRow("hex") << "2100h" << 0x2100 << "";
    QTest::newRow("decimal") << "8448" << 0x2100 << "";
    QTest::newRow("binary") << "10000100000000b" << 0x2100 << "";
    QTest::newRow("character") << "'k'" << int{'K'} << "";
    QTest::newRow("spaces, lower case") << "  0ffffh " << 0xFFFF << "";
    const QString refused =
        QStringLiteral("Nieprawidłowy adres lub jest poza zakresem {0..65535} [%1]");
    QTest::newRow("too large") << "65536" << -1 << refused.arg("65536");
    QTest::newRow("hex too large") << "10000h" << -1 << refused.arg("10000H");
    QTest::newRow("label") << "petla" << -1 << refused.arg("PETLA");
    QTest::newRow("empty") << "" << -1 << refused.arg("");
  }
  void addressFieldReadsWhatAProgramReads() {
    QFETCH(QString, typed);
    QFETCH(int, address);
    QFETCH(QString, refusal);
    GoTo("100h");
    GoTo(typed);
    QCOMPARE(LabelText("BladAdresu"), refusal);
    QCOMPARE(CurrentAddress(), address < 0 ? 0x100 : address);
    QVERIFY(CellInView(CurrentAddress()));
    QCOMPARE(Table()->selectionModel()->selectedIndexes(),
             QModelIndexList{Table()->currentIndex()});
  }

  // The view keeps the followed register's cell in sight after each step; the cells at HL and
  // at SP keep their marks wherever the view stands.
  void followsHlAndSpAcrossCallAndPush() {
    Type(kCallAndPush);
    Follow("SP");
    QVERIFY(StepUntil([this] { return Machine().SP == 0x2FFE; }));  // through the CALL
    QVERIFY(CellInView(0x2FFE));
    Follow("HL");
    QVERIFY(StepUntil([this] { return Machine().HL() == 0xC000; }));  // PUSH H, LXI H,0C000h
    QVERIFY(CellInView(0xC000));
    QVERIFY(!CellInView(0x2FFC));
    auto background = [this](int address) {
      return Table()->model()->index(address / 16, address % 16).data(Qt::BackgroundRole);
    };
    QCOMPARE(background(0xC000).value<QBrush>().color(), HlCellColour());
    QCOMPARE(background(0x2FFC).value<QBrush>().color(), SpCellColour());
    QVERIFY(!background(0x8000).isValid());
    // A cell written by hand elsewhere keeps the view where the user took it.
    GoTo("100h");
    QTest::keyClicks(Table(), "12");
    QVERIFY(CellInView(0x101));
    QVERIFY(!CellInView(0xC000));
  }

  // Two typed digits and the value entry write alike: the cell, the main window's views, the
  // steps that can no longer be taken back.
  void editingInPlaceWritesAsValueEntryDoes() {
    Type("NOP\nNOP");
    Window().KrokExecute();
    Window().KrokExecute();
    QVERIFY(Action("KrokWstecz")->isEnabled());
    GoTo("0");
    QTest::keyClicks(Table(), "4b");
    QCOMPARE(Machine().Memory[0], 0x4B);
    QCOMPARE(CurrentAddress(), 1);
    QVERIFY(!Action("KrokWstecz")->isEnabled());
    QVERIFY(LabelText("LabelA1").endsWith("4B"));
    QCOMPARE(Table()->model()->index(0, 0).data().toString(), QStringLiteral("4B"));

    Window().KrokExecute();
    QVERIFY(Action("KrokWstecz")->isEnabled());
    Answer("'K'");
    QTest::keyClick(Table(), Qt::Key_Return);
    QCOMPARE(Machine().Memory[1], 'K');
    QCOMPARE(DialogsShown(), QStringList{"TFormPodaj"});
    QVERIFY(!Action("KrokWstecz")->isEnabled());
    QVERIFY(LabelText("LabelA2").endsWith("4B"));
    QCOMPARE(Table()->model()->index(0, 1).data().toString(), QStringLiteral("4B"));
  }

  void copiesSelectedRowsAsShown() {
    Machine().Memory[0x2100] = 0xB9;  // "ą" in Windows-1250
    Machine().Memory[0x2101] = 0x81;  // undefined there
    GoTo("2100h");
    QTest::keyClick(Table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("2100  B9 81 00 00 00 00 00 00 00 00 00 00 00 00 00 00  ą.") +
                 QString(14, QLatin1Char('.')));
  }

  void stackShowsReturnLines() {
    QFile example(QStringLiteral(KWARCYT_EXAMPLES "/podprogram.txt"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    Type(QString::fromUtf8(example.readAll()));
    QVERIFY(StepUntil([this] { return Machine().SP == 0xEFFE; }));  // into MNOZ
    Child<QTabWidget>("Zakladki")->setCurrentIndex(1);
    const QAbstractItemModel* stack = Child<QAbstractItemView>("Stos")->model();
    QCOMPARE(stack->rowCount(), 0x801);
    QCOMPARE(stack->index(0, 0).data().toString(),
             QStringLiteral("EFFEh: 0008h  powrót do wiersza 8: / 6 * 7 = 42, wynik na porcie "
                            "wyjściowym 2"));
    QCOMPARE(stack->index(1, 0).data().toString(), QStringLiteral("F000h: 0000h"));
  }

  void wheelScrollsTheMainViewsOneRowANotch_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("scrollBar");
    QTest::newRow("memory") << "LabelA3"
                            << "ScrollBarRAM";
    QTest::newRow("input ports") << "LabelIN3"
                                 << "ScrollBarIN";
    QTest::newRow("output ports") << "LabelOUT3"
                                  << "ScrollBarOUT";
  }
  void wheelScrollsTheMainViewsOneRowANotch() {
    QFETCH(QString, row);
    QFETCH(QString, scrollBar);
    auto* label = Child<QLabel>(qPrintable(row));
    auto* bar = Child<QScrollBar>(qPrintable(scrollBar));
    // The rows pass the wheel on to their view, as a label does.
    QWidget* view = label->parentWidget();
    auto turn = [label, view](int delta) {
      const QPointF at = label->geometry().center();
      QWheelEvent wheel(at, view->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(view, &wheel);
    };
    turn(-3 * 120);
    QCOMPARE(bar->value(), 3);
    turn(60);
    QCOMPARE(bar->value(), 3);
    turn(60);
    QCOMPARE(bar->value(), 2);
  }

  void keyboardOpensTheEntryOfARegisterAndAMemoryRow() {
    QApplication::setActiveWindow(&Window());
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    auto* a = Child<QLabel>("A10");
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Down);
    QVERIFY(Child<QLabel>("B10")->hasFocus());
    Answer("7");
    QTest::keyClick(Child<QLabel>("B10"), Qt::Key_Space);
    QCOMPARE(Machine().B, 7);
    auto* row = Child<QLabel>("LabelA2");
    row->setFocus();
    Answer("99");
    QTest::keyClick(row, Qt::Key_Return);
    QCOMPARE(Machine().Memory[1], 99);
    QTest::keyClick(Child<QLabel>("LabelA1"), Qt::Key_Up);
    QCOMPARE(Child<QScrollBar>("ScrollBarRAM")->value(), 0);
    QTest::keyClick(Child<QLabel>("LabelA7"), Qt::Key_Down);
    QCOMPARE(Child<QScrollBar>("ScrollBarRAM")->value(), 1);
    QCOMPARE(DialogsShown(), QStringList({"TFormPodaj", "TFormPodaj"}));
    QCOMPARE(Child<QLabel>("LabelOUT1")->focusPolicy(), Qt::StrongFocus);
  }
};

QTEST_MAIN(MemoryWindowTest)
#include "MemoryWindow_test.moc"
