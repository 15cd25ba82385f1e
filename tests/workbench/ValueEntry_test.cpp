#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "WindowFixture.h"

using namespace kwarcyt;

namespace {

// How the scripted user leaves the value entry dialog after typing.
enum class Leave { Enter, Escape, CloseButton };

// What the dialog showed when it opened and after the text was typed.
struct Seen {
  QString title;
  QString atOpening;
  QString dec, hex, bin, ascii;
  bool okEnabled = false;
  bool asciiEnabled = false;
  bool stillOpenAfterEnter = false;
};

QString Text(QDialog& dialog, const char* name) {
  return dialog.findChild<QLabel*>(name)->text();
}

const QString kTenLines = QStringLiteral("NOP\nNOP\nNOP\nNOP\nNOP\nNOP\nNOP\nNOP\nNOP\nHLT");

}  // namespace

class ValueEntryTest : public QObject, public WindowFixture {
  Q_OBJECT

 private:
  Seen seen_;

  // The next value entry dialog gets `typed` in place of its text and is left by `leave`.
  void Answer(const QString& typed, Leave leave = Leave::Enter) {
    Script().onExec = [this, typed, leave](QDialog& dialog) {
      dialog.show();
      auto* liczba = dialog.findChild<QLineEdit*>("Liczba");
      seen_ = {};
      seen_.title = Text(dialog, "Tytul");
      seen_.atOpening = liczba->text();
      liczba->selectAll();
      QTest::keyClick(liczba, Qt::Key_Delete);
      QTest::keyClicks(liczba, typed);
      seen_.dec = Text(dialog, "R10");
      seen_.hex = Text(dialog, "R16");
      seen_.bin = Text(dialog, "R2");
      seen_.ascii = Text(dialog, "RASCII");
      seen_.asciiEnabled = dialog.findChild<QLabel*>("RASCII")->isEnabled();
      seen_.okEnabled = dialog.findChild<QPushButton*>("OK")->isEnabled();
      switch (leave) {
        case Leave::Enter:
          QTest::keyClick(liczba, Qt::Key_Return);
          seen_.stillOpenAfterEnter = dialog.isVisible();
          if (seen_.stillOpenAfterEnter) QTest::keyClick(liczba, Qt::Key_Escape);
          break;
        case Leave::Escape:
          QTest::keyClick(liczba, Qt::Key_Escape);
          break;
        case Leave::CloseButton:
          dialog.close();
          break;
      }
      return dialog.result();
    };
  }

  // Registers, pairs, SP and PC open on a click; memory rows, "RAM[HL]" and ports on a
  // double-click.
  void Click(const char* control) { QTest::mouseClick(Child<QLabel>(control), Qt::LeftButton); }
  void DoubleClick(const char* control) {
    QTest::mouseDClick(Child<QLabel>(control), Qt::LeftButton);
  }

  // The views after an edit must already show what a full redraw would.
  void ExpectViewsCurrent() {
    QStringList before;
    const QList<QLabel*> labels = Window().findChildren<QLabel*>();
    for (QLabel* label : labels) before << label->text();
    Window().PokazRejestry();
    Window().PokazPamiec();
    Window().PokazPortyWej();
    for (qsizetype i = 0; i < labels.size(); ++i) {
      QVERIFY2(labels[i]->text() == before[i],
               qPrintable(labels[i]->objectName() + ": " + before[i] + " / " + labels[i]->text()));
    }
  }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  // Every control that opens the entry: its title, the value shown, and the value written back.
  void everyTarget() {
    struct Target {
      const char* control;
      const char* title;
      int current;  // set up before the double-click
      const char* typed;
      std::function<int&(MachineState&)> field;
      int written;
    };
    auto reg = [](int MachineState::*field) {
      return [field](MachineState& m) -> int& { return m.*field; };
    };
    const QString byteTitle = QStringLiteral("{0..255}:");
    const std::vector<Target> targets{
        {"LabelA", "Wprowadź nową wartość do Akumulatora {0..255}:", 1, "200",
         reg(&MachineState::A), 200},
        {"A10", "Wprowadź nową wartość do Akumulatora {0..255}:", 1, "201", reg(&MachineState::A),
         201},
        {"LabelB", "Wprowadź nową wartość do rejestru B {0..255}:", 2, "11b", reg(&MachineState::B),
         3},
        {"B10", "Wprowadź nową wartość do rejestru B {0..255}:", 2, "12", reg(&MachineState::B),
         12},
        {"LabelC", "Wprowadź nową wartość do rejestru C {0..255}:", 3, "'c'", reg(&MachineState::C),
         99},
        {"C10", "Wprowadź nową wartość do rejestru C {0..255}:", 3, "13", reg(&MachineState::C),
         13},
        {"LabelD", "Wprowadź nową wartość do rejestru D {0..255}:", 4, "14", reg(&MachineState::D),
         14},
        {"D10", "Wprowadź nową wartość do rejestru D {0..255}:", 4, "15", reg(&MachineState::D),
         15},
        {"LabelE", "Wprowadź nową wartość do rejestru E {0..255}:", 5, "16", reg(&MachineState::E),
         16},
        {"E10", "Wprowadź nową wartość do rejestru E {0..255}:", 5, "17", reg(&MachineState::E),
         17},
        {"LabelH", "Wprowadź nową wartość do rejestru H {0..255}:", 6, "18", reg(&MachineState::H),
         18},
        {"H10", "Wprowadź nową wartość do rejestru H {0..255}:", 6, "19", reg(&MachineState::H),
         19},
        {"LabelL", "Wprowadź nową wartość do rejestru L {0..255}:", 7, "20", reg(&MachineState::L),
         20},
        {"L10", "Wprowadź nową wartość do rejestru L {0..255}:", 7, "21", reg(&MachineState::L),
         21},
        {"LabelSP", "Wprowadź nową wartość do wskaźnika stosu {0..65535}:", 9, "FFFEh",
         reg(&MachineState::SP), 65534},
        {"SP10", "Wprowadź nową wartość do wskaźnika stosu {0..65535}:", 9, "1000",
         reg(&MachineState::SP), 1000},
        {"LabelPC", "Wprowadź nową wartość do licznika rozkazów PC {0..9}:", 2, "9",
         reg(&MachineState::PC), 9},
        {"PC10", "Wprowadź nową wartość do licznika rozkazów PC {0..9}:", 2, "5",
         reg(&MachineState::PC), 5},
    };
    Type(kTenLines);
    for (const Target& t : targets) {
      t.field(Machine()) = t.current;
      Window().PokazRejestry();
      Answer(t.typed);
      Click(t.control);
      QCOMPARE(seen_.title, QString(t.title));
      QCOMPARE(seen_.atOpening, QString::number(t.current));
      QVERIFY2(t.field(Machine()) == t.written, t.control);
      ExpectViewsCurrent();
    }

    struct Pair {
      const char* control;
      const char* title;
      int MachineState::*high;
      int MachineState::*low;
    };
    for (const Pair& p : std::vector<Pair>{
             {"LabelBC", "BC", &MachineState::B, &MachineState::C},
             {"BC10", "BC", &MachineState::B, &MachineState::C},
             {"LabelDE", "DE", &MachineState::D, &MachineState::E},
             {"DE10", "DE", &MachineState::D, &MachineState::E},
             {"LabelHL", "HL", &MachineState::H, &MachineState::L},
             {"HL10", "HL", &MachineState::H, &MachineState::L},
         }) {
      Machine().*p.high = 0x12;
      Machine().*p.low = 0x34;
      Window().PokazRejestry();
      Answer("258");
      Click(p.control);
      QCOMPARE(
          seen_.title,
          QStringLiteral("Wprowadź nową wartość do pary rejestrów %1 {0..65535}:").arg(p.title));
      QCOMPARE(seen_.atOpening, QString("4660"));
      QCOMPARE(Machine().*p.high, 1);
      QCOMPARE(Machine().*p.low, 2);
      ExpectViewsCurrent();
    }

    Child<QScrollBar>("ScrollBarRAM")->setValue(100);
    Child<QScrollBar>("ScrollBarIN")->setValue(10);
    for (int row = 1; row <= 7; ++row) {
      const QByteArray memoryRow = "LabelA" + QByteArray::number(row);
      Machine().Memory[99 + row] = static_cast<std::uint8_t>(row);
      Answer(QString::number(100 + row));
      DoubleClick(memoryRow.constData());
      QCOMPARE(seen_.title, QString("Wprowadź nową wartość do pamięci {0..255}:"));
      QCOMPARE(seen_.atOpening, QString::number(row));
      QCOMPARE(int{Machine().Memory[99 + row]}, 100 + row);
      ExpectViewsCurrent();

      const QByteArray portRow = "LabelIN" + QByteArray::number(row);
      Machine().InputPorts[9 + row] = static_cast<std::uint8_t>(row);
      Answer(QString::number(50 + row));
      DoubleClick(portRow.constData());
      QCOMPARE(seen_.title, QString("Wprowadź nową wartość do portu wejściowego {0..255}:"));
      QCOMPARE(seen_.atOpening, QString::number(row));
      QCOMPARE(int{Machine().InputPorts[9 + row]}, 50 + row);
      ExpectViewsCurrent();
    }
    QCOMPARE(int{Machine().Memory[99]}, 0);
    QCOMPARE(int{Machine().Memory[107]}, 0);
    QCOMPARE(int{Machine().InputPorts[17]}, 0);
    QVERIFY(Machine().OutputPorts == decltype(Machine().OutputPorts){});

    Machine().setHL(0x4000);
    Machine().Memory[0x4000] = 1;
    Window().PokazRejestry();
    Answer("'K'");
    DoubleClick("LabelRamHL");
    QCOMPARE(seen_.title, QString("Wprowadź nową wartość do pamięci {0..255}:"));
    QCOMPARE(seen_.atOpening, QString("1"));
    QCOMPARE(int{Machine().Memory[0x4000]}, 75);
    ExpectViewsCurrent();
  }

  void openingOnZero() {
    Answer("0");
    Click("A10");
    QCOMPARE(seen_.atOpening, QString("0"));
    QCOMPARE(seen_.dec, QString("0"));
    QCOMPARE(seen_.hex, QString("00"));
    QCOMPARE(seen_.bin, QString("00000000"));
    QCOMPARE(seen_.ascii, QString("'\x7f'"));
    QVERIFY(seen_.okEnabled);
  }

  // What comes back for each way of typing and leaving: Enter with a valid text writes it,
  // Enter with an invalid one leaves the dialog open, Esc and the close button write nothing.
  void typingAndLeaving_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("leave");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");  // A, or BC for the pairs
    const int enter = int(Leave::Enter), esc = int(Leave::Escape), x = int(Leave::CloseButton);
    QTest::newRow("K") << "A10"
                       << "'K'" << enter << true << 75;
    QTest::newRow("256 for a byte") << "A10"
                                    << "256" << enter << false << 7;
    QTest::newRow("empty") << "A10"
                           << "" << enter << false << 7;
    QTest::newRow("4Bh, Esc") << "A10"
                              << "4Bh" << esc << true << 7;
    QTest::newRow("4Bh, close button") << "A10"
                                       << "4Bh" << x << true << 7;
    QTest::newRow("FFFFh for a pair") << "BC10"
                                      << "FFFFh" << enter << true << 65535;
    QTest::newRow("65536 for a pair") << "BC10"
                                      << "65536" << enter << false << 7;
    QTest::newRow("258 for a pair") << "BC10"
                                    << "258" << enter << true << 258;
  }
  void typingAndLeaving() {
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(int, leave);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const bool pair = control == "BC10";
    Machine().A = 7;
    Machine().setBC(7);
    Answer(typed, static_cast<Leave>(leave));
    Click(control.toLatin1().constData());
    QCOMPARE(seen_.okEnabled, ok);
    QCOMPARE(seen_.stillOpenAfterEnter, !ok);
    QCOMPARE(pair ? Machine().BC() : Machine().A, value);
    if (!ok) {
      QCOMPARE(seen_.dec, QString("-"));
      QCOMPARE(seen_.hex, QString("-"));
      QCOMPARE(seen_.bin, QString("-"));
      QCOMPARE(seen_.ascii, QString("'-'"));
    }
    QCOMPARE(seen_.asciiEnabled, !pair);
  }

  void pairAllOnes() {
    Answer("FFFFh");
    Click("LabelBC");
    QCOMPARE(seen_.dec, QString("65535"));
    QCOMPARE(seen_.hex, QString("FFFF"));
    QCOMPARE(seen_.bin, QString(16, '1'));
    QCOMPARE(seen_.ascii, QString("'-'"));
    QVERIFY(!seen_.asciiEnabled);
    QCOMPARE(Machine().B, 255);
    QCOMPARE(Machine().C, 255);
  }

  // The program counter's limit follows the editor's line count.
  void programCounterLimit_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<bool>("ok");
    QTest::newRow("10 lines, 9") << kTenLines << "9"
                                 << "9" << true;
    QTest::newRow("10 lines, 10") << kTenLines << "10"
                                  << "9" << false;
    QTest::newRow("empty editor, 0") << ""
                                     << "0"
                                     << "0" << true;
    QTest::newRow("empty editor, 1") << ""
                                     << "1"
                                     << "0" << false;
    QTest::newRow("final empty line counts") << "NOP\n"
                                             << "1"
                                             << "1" << true;
  }
  void programCounterLimit() {
    QFETCH(QString, program);
    QFETCH(QString, typed);
    QFETCH(QString, limit);
    QFETCH(bool, ok);
    Type(program);
    Machine().PC = 0;
    Answer(typed);
    Click("PC10");
    QCOMPARE(seen_.title, "Wprowadź nową wartość do licznika rozkazów PC {0.." + limit + "}:");
    QCOMPARE(seen_.okEnabled, ok);
    QCOMPARE(Machine().PC, ok ? typed.toInt() : 0);
  }

  void lastRowsReachTheEnds() {
    Child<QScrollBar>("ScrollBarRAM")->setValue(65529);
    Child<QScrollBar>("ScrollBarIN")->setValue(249);
    Answer("33");
    DoubleClick("LabelA7");
    QCOMPARE(int{Machine().Memory[65535]}, 33);
    Answer("44");
    DoubleClick("LabelIN7");
    QCOMPARE(int{Machine().InputPorts[255]}, 44);
    QVERIFY(LabelText("LabelA7").contains("33"));
    QVERIFY(LabelText("LabelIN7").contains("44"));
  }

  void registerHChangesTheRamHlRowAtOnce() {
    Machine().Memory[0x0500] = 0x99;
    Machine().L = 0;
    Window().PokazPamiec();
    const QString before = LabelText("LabelRamHL");
    Answer("5");
    Click("H10");
    QVERIFY(LabelText("LabelRamHL") != before);
    QVERIFY(LabelText("LabelRamHL").contains("99"));
  }

  // A continuous run waits while the real dialog is open and goes on after it, with the value.
  void editWhileRunning() {
    Window().SetDialogs(std::make_unique<QtDialogs>());
    Child<QSlider>("Czestotliwosc")->setValue(32);
    Type("LXI H,0\nPETLA:\nINX H\nJMP PETLA");
    Window().StartExecute();
    QTRY_VERIFY(Machine().HL() > 0);
    int heldAtOpening = -1;
    int heldLater = -2;
    QTimer::singleShot(0, this, [&] {
      QDialog* dialog = nullptr;
      QTRY_VERIFY((dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) != nullptr);
      heldAtOpening = Machine().HL();
      if (ContinuationsFallDue(2)) heldLater = Machine().HL();
      auto* liczba = dialog->findChild<QLineEdit*>("Liczba");
      liczba->selectAll();
      QTest::keyClicks(liczba, "42");
      QTest::keyClick(liczba, Qt::Key_Return);
      if (dialog->isVisible()) dialog->reject();  // the value did not go in: fail now, not hang
    });
    Click("B10");
    QCOMPARE(heldLater, heldAtOpening);
    QCOMPARE(Machine().B, 42);
    QVERIFY(Machine().Running);
    const int resumedFrom = Machine().HL();
    QTRY_VERIFY(Machine().HL() != resumedFrom);
    QVERIFY(LabelText("B10").startsWith(" 42"));
  }

  // The other gesture opens nothing: a double-click on a register, a click on a row.
  void eachTargetOpensOnItsOwnGesture_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("click");
    QTest::newRow("A10") << "A10" << true;
    QTest::newRow("LabelHL") << "LabelHL" << true;
    QTest::newRow("PC10") << "PC10" << true;
    QTest::newRow("LabelA1") << "LabelA1" << false;
    QTest::newRow("LabelRamHL") << "LabelRamHL" << false;
    QTest::newRow("LabelIN7") << "LabelIN7" << false;
  }
  void eachTargetOpensOnItsOwnGesture() {
    QFETCH(QString, control);
    QFETCH(bool, click);
    const QByteArray name = control.toLatin1();
    click ? DoubleClick(name.constData()) : Click(name.constData());
    QVERIFY(Script().shown.isEmpty());
    click ? Click(name.constData()) : DoubleClick(name.constData());
    QCOMPARE(Script().shown, QStringList("TFormPodaj"));
  }

  void outputPortsAndFlagsAreNotEdited() {
    for (const char* name : {"LabelOUT1", "LabelOUT7"}) {
      DoubleClick(name);
    }
    QVERIFY(Script().shown.isEmpty());
  }
};

QTEST_MAIN(ValueEntryTest)
#include "ValueEntry_test.moc"
