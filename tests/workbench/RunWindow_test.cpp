#include <QCheckBox>
#include <QDialog>
#include <QTextBlock>

#include "WindowFixture.h"
#include "workbench/editor/ProgramEditor.h"

using namespace kwarcyt;

namespace {

QString Lines(const QString& line, int count) {
  QStringList lines;
  for (int i = 0; i < count; ++i) lines << line;
  return lines.join('\n');
}

const QString kCountingLoop = "LXI H,0\nPETLA:\nINX H\nJMP PETLA";

}  // namespace

class RunWindowTest : public QObject, public WindowFixture {
  Q_OBJECT

  // Drawn in the colour of a changed value rather than the window's own.
  bool Marked(const char* label) {
    return Child<QLabel>(label)->palette().color(QPalette::WindowText) !=
           Window().palette().color(QPalette::WindowText);
  }

 private slots:
  void init() {
    Open();
    Window().resize(900, 700);
    QApplication::processEvents();
  }
  void cleanup() { Close(); }

  void commandStatesThroughAWholeRun() {
    Type(Lines("INX B", 2000));
    Window().StartExecute();
    QVERIFY(List()->isVisible());
    QVERIFY(!Memo()->isVisible());
    QCOMPARE(List()->count(), 2000);
    for (const char* name : {"Nowy", "Otworz", "Zapisz", "Zapiszjako", "Start", "Krok"}) {
      QVERIFY2(!Action(name)->isEnabled(), name);
    }
    QVERIFY(Action("Pauza")->isEnabled());
    QVERIFY(Action("Stop")->isEnabled());
    QTRY_VERIFY(Machine().BC() >= 3);

    Window().PauzaExecute();
    QVERIFY(Action("Krok")->isEnabled());
    QVERIFY(!Action("Start")->isEnabled());
    const int paused = Machine().BC();
    QVERIFY(RunComesToRest());
    QCOMPARE(Machine().BC(), paused);
    QCOMPARE(LabelText("BC10").trimmed().section(' ', 0, 0).toInt(), paused);

    Window().KrokExecute();
    QCOMPARE(Machine().BC(), paused + 1);
    QCOMPARE(Machine().PC, paused + 1);
    QCOMPARE(List()->currentRow(), paused + 1);
    QCOMPARE(StatusPanel(2), QString("Wykonano rozkaz: INX B"));

    Window().PauzaExecute();
    QVERIFY(!Action("Krok")->isEnabled());
    QTRY_VERIFY(Machine().BC() > paused + 3);

    Window().StopExecute();
    const int stopped = Machine().BC();
    QVERIFY(Memo()->isVisible());
    QVERIFY(!List()->isVisible());
    QVERIFY(Memo()->hasFocus());
    for (const char* name : {"Nowy", "Otworz", "Zapisz", "Zapiszjako", "Start", "Krok"}) {
      QVERIFY2(Action(name)->isEnabled(), name);
    }
    QVERIFY(!Action("Pauza")->isEnabled());
    QVERIFY(RunComesToRest());
    QCOMPARE(Machine().BC(), stopped);
    QCOMPARE(Machine().PC, stopped);

    // The next Start executes the line after the last one applied, and only that one first.
    Child<QSlider>("Czestotliwosc")->setValue(1);
    Window().StartExecute();
    QTRY_COMPARE(Machine().BC(), stopped + 1);
    QCOMPARE(Machine().PC, stopped + 1);
    Window().StopExecute();

    Window().StopExecute();
    QCOMPARE(Machine().BC(), 0);
    QCOMPARE(Machine().PC, 0);
    QCOMPARE(LabelText("BC10"), QString("    0  0000  0000000000000000"));
  }

  void runEndings_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("pc");
    QTest::addColumn<QString>("errors");
    QTest::addColumn<QString>("pcRow");
    QTest::addColumn<QString>("spRow");
    QTest::newRow("HLT") << "MVI A,1\nHLT\nMVI A,2" << 1 << ""
                         << "    1  0001  0000000000000001"
                         << "    0  0000  0000000000000000";
    QTest::newRow("return outside the program")
        << "MVI A,1\nLXI H,1234h\nPUSH H\nRET" << 3
        << "3: Nie można wykonać skoku pod adres 4660\n"
           "Adres odłożony na stosie jest poza kodem programu"
        << "    3  0003  0000000000000011"
        << "    0  0000  0000000000000000";
    QTest::newRow("end of program") << "MVI A,1\nPUSH B" << 0 << ""
                                    << "    0  0000  0000000000000000"
                                    << "65534  FFFE  1111111111111110";
  }
  void runEndings() {
    QFETCH(QString, program);
    QFETCH(int, pc);
    QFETCH(QString, errors);
    QFETCH(QString, pcRow);
    QFETCH(QString, spRow);
    for (int speed : {32, 10}) {
      Window().StopExecute();  // reset
      Child<QSlider>("Czestotliwosc")->setValue(speed);
      Type(program);
      Window().StartExecute();
      QTRY_VERIFY(!Machine().Running);
      QCOMPARE(Machine().PC, pc);
      QCOMPARE(ErrorText(), errors);
      QCOMPARE(LabelText("PC10"), pcRow);
      QCOMPARE(LabelText("SP10"), spRow);
      QCOMPARE(LabelText("A10"), QString("  1 01 00000001"));
      QVERIFY(Memo()->isVisible());
      QVERIFY(Action("Start")->isEnabled());
      QVERIFY(!Action("Pauza")->isEnabled());
    }
  }

  void startWithAFaultShowsTheChecker() {
    Type("NOP\nMOV A\nJMP NIGDZIE");
    Window().StartExecute();
    QVERIFY(!Machine().Running);
    QVERIFY(Memo()->isVisible());
    QVERIFY(ErrorText().contains("1: "));
    QVERIFY(ErrorText().contains("2: "));
  }

  void listFollowsPcBeyond26Rows() {
    Type(Lines("NOP", 120));
    Window().KrokExecute();
    QVERIFY(List()->viewport()->height() / 16 > 27);
    QCOMPARE(List()->currentRow(), 0);
    for (int i = 0; i < 26; ++i) Window().KrokExecute();
    QCOMPARE(List()->currentRow(), 26);
    QCOMPARE(List()->verticalScrollBar()->value(), 0);
    Window().KrokExecute();
    QCOMPARE(List()->currentRow(), 27);
    QCOMPARE(List()->verticalScrollBar()->value(), 20);
    Machine().PC = 5;
    Window().KrokExecute();
    QCOMPARE(List()->currentRow(), 6);
    QCOMPARE(List()->verticalScrollBar()->value(), 6);
    Machine().PC = 110;  // far below: the highlight must not leave the list's sight
    Window().KrokExecute();
    const int top = List()->verticalScrollBar()->value();
    const int rows = List()->viewport()->height() / 16;
    QVERIFY(111 >= top && 111 < top + rows);
  }

  // F2 marks the caret's line; the mark moves down with its line when a line is inserted above,
  // and a run at the top speed pauses before that line, Krok going on from it.
  void breakpointPausesTheRunBeforeItsLine() {
    Child<QSlider>("Czestotliwosc")->setValue(32);
    Type("MVI B,5\nPETLA:\nDCR B\nJNZ PETLA\nHLT");
    auto* editor = qobject_cast<ProgramEditor*>(Memo());
    QTextCursor cursor(Memo()->document()->findBlockByNumber(1));
    Memo()->setTextCursor(cursor);
    Action("PrzelaczPulapke")->trigger();
    QVERIFY(editor->HasBreakpoint(1));
    Memo()->moveCursor(QTextCursor::Start);
    QTest::keyClick(Memo(), Qt::Key_Return);
    QVERIFY(editor->HasBreakpoint(2));
    QVERIFY(!editor->HasBreakpoint(1));
    Action("Cofnij")->trigger();

    Memo()->setTextCursor(QTextCursor(Memo()->document()->findBlockByNumber(2)));
    Action("UsunPulapki")->trigger();
    Action("PrzelaczPulapke")->trigger();
    Window().StartExecute();
    QTRY_VERIFY(Machine().StopRequested);
    QVERIFY(Machine().Running);
    QCOMPARE(Machine().PC, 2);
    QCOMPARE(Machine().B, 5);
    QCOMPARE(List()->currentRow(), 2);
    QVERIFY(Action("Krok")->isEnabled());
    Window().KrokExecute();
    QCOMPARE(Machine().B, 4);
  }

  // Run to cursor pauses on the caret's line, Krok nad runs a whole call, Krok wstecz takes
  // steps back with the list's highlight and the status bar; what a step changed is drawn
  // marked; a value set by hand ends the way back.
  void debuggingCommands() {
    Child<QSlider>("Czestotliwosc")->setValue(1);
    Type("LXI SP,0\nMVI A,1\nCALL DODAJ\nMVI B,7\nHLT\nDODAJ:\nADI 2\nRET");
    Memo()->setTextCursor(QTextCursor(Memo()->document()->findBlockByNumber(2)));
    QVERIFY(Action("UruchomDoKursora")->isEnabled());
    Action("UruchomDoKursora")->trigger();
    QTRY_VERIFY(Machine().StopRequested);
    QCOMPARE(Machine().PC, 2);
    QCOMPARE(List()->currentRow(), 2);
    QVERIFY(Marked("A10"));
    QVERIFY(!Marked("B10"));

    Action("KrokNad")->trigger();
    QTRY_COMPARE(Machine().PC, 3);
    QVERIFY(Machine().StopRequested);
    QCOMPARE(Machine().A, 3);
    QCOMPARE(Machine().SP, 0);
    Action("Krok")->trigger();
    QCOMPARE(Machine().B, 7);
    QVERIFY(Marked("B10"));
    QVERIFY(!Marked("A10"));

    for (int i = 0; i < 4; ++i) Action("KrokWstecz")->trigger();
    QCOMPARE(Machine().PC, 2);
    QCOMPARE(Machine().A, 1);
    QCOMPARE(Machine().B, 0);
    QCOMPARE(Machine().SP, 0);
    QCOMPARE(List()->currentRow(), 2);
    QCOMPARE(StatusPanel(2), QString("Wykonano rozkaz: MVI A,1"));
    // The last step taken back was the call: SP changed, A did not.
    QVERIFY(Marked("SP10"));
    QVERIFY(!Marked("A10"));

    auto* gutter = Child<QWidget>("ListGutter");
    QTest::mouseClick(gutter, Qt::LeftButton, {},
                      QPoint(4, List()->visualItemRect(List()->item(4)).center().y()));
    QVERIFY(qobject_cast<ProgramEditor*>(Memo())->HasBreakpoint(4));

    QVERIFY(Action("KrokWstecz")->isEnabled());
    Child<QCheckBox>("CheckBoxFlagaZ")->click();
    QVERIFY(!Action("KrokWstecz")->isEnabled());
    QVERIFY(!Marked("SP10"));
  }

  void topSpeedKeepsTheWindowLive() {
    Child<QSlider>("Czestotliwosc")->setValue(32);
    Type(kCountingLoop);
    Window().StartExecute();
    // The views go on following the run, not only once; how often is the window benchmark's
    // to say.
    for (int refresh = 0; refresh < 2; ++refresh) {
      const QString before = LabelText("HL10");
      QTRY_VERIFY(LabelText("HL10") != before);
    }
    QVERIFY(Machine().Running);
    QVERIFY(Machine().HL() > 0);
    Window().PauzaExecute();
    const int pc = Machine().PC;
    QVERIFY(RunComesToRest());
    QCOMPARE(Machine().PC, pc);
    QCOMPARE(List()->currentRow(), pc);
  }

  void modalWindowHoldsTheRun() {
    Child<QSlider>("Czestotliwosc")->setValue(32);
    Type(kCountingLoop);
    Window().StartExecute();
    QTRY_VERIFY(Machine().HL() > 0);
    QDialog dialog(&Window());
    dialog.setModal(true);
    dialog.show();
    const int held = Machine().HL();
    QVERIFY(ContinuationsFallDue(2));
    QCOMPARE(Machine().HL(), held);
    dialog.close();
    QTRY_VERIFY(Machine().HL() != held);
  }

  void stepOnIdleOnlyHighlights() {
    Type("MVI A,7\nHLT");
    Window().KrokExecute();
    QVERIFY(List()->isVisible());
    QCOMPARE(List()->currentRow(), 0);
    QCOMPARE(Machine().A, 0);
    QVERIFY(Action("Krok")->isEnabled());
    QVERIFY(!Action("Start")->isEnabled());
    Window().KrokExecute();
    QCOMPARE(Machine().A, 7);
    QCOMPARE(LabelText("A10"), QString("  7 07 00000111"));
    QCOMPARE(StatusPanel(2), QString("Wykonano rozkaz: MVI A,7"));
    Window().KrokExecute();
    QVERIFY(!Machine().Running);
    QCOMPARE(Machine().PC, 1);
  }

  void clockStatesPanelCountsTheStepsAndTellsTheirTime() {
    QCOMPARE(StatusPanel(3), QString("Takty: 0"));
    Type("MVI B,2\nPETLA:\nDCR B\nJNZ PETLA\nHLT");
    Window().KrokExecute();
    for (const char* expected : {"Takty: 7", "Takty: 7", "Takty: 11", "Takty: 21"}) {
      Window().KrokExecute();
      QCOMPARE(StatusPanel(3), QString(expected));
    }
    QCOMPARE(Child<QLabel>("StatusBarPanel3")->toolTip(),
             QString::fromUtf8("6,8\u00A0µs przy 3,072 MHz"));
    Window().StartExecute();
    QTRY_VERIFY(!Machine().Running);
    QCOMPARE(StatusPanel(3), QString("Takty: 37"));  // DCR 4, JNZ not taken 7, HLT 5
    Window().StopExecute();
    QCOMPARE(StatusPanel(3), QString("Takty: 0"));
  }

  // The last panel says why the run stopped, whole in its tool tip however narrow the window.
  void stopPanelTellsWhyTheRunStopped() {
    Type("MVI A,1\nHLT");
    Window().StartExecute();
    QTRY_VERIFY(!Machine().Running);
    QLabel* panel = Child<QLabel>("StatusBarPanel4");
    QCOMPARE(panel->toolTip(), QString("Zatrzymano: HLT w wierszu 1 (takty przebiegu: 12)"));
    Window().resize(Window().minimumWidth() + 150, Window().height());
    QTRY_VERIFY(panel->text().endsWith(QChar(0x2026)));
    QTest::keyClick(Memo(), Qt::Key_Space);
    QCOMPARE(panel->toolTip(), QString());
  }

  void explanationWindowFollowsTheSteps() {
    QAction* command = Action("ObjasnienieKroku");
    QVERIFY(command->isCheckable());
    command->trigger();
    auto* window = Window().findChild<QWidget*>("FormObjasnienie");
    QVERIFY(window != nullptr && window->isVisible());
    QVERIFY(command->isChecked());
    QCOMPARE(window->windowTitle(), QString::fromUtf8("Kwarcyt - Objaśnienie"));
    auto* text = Child<QPlainTextEdit>("Objasnienie");
    QCOMPARE(text->toPlainText(), QString::fromUtf8("Nie wykonano jeszcze żadnego kroku."));

    Type("MVI A,7\nMVI B,6\nADD B");
    for (int i = 0; i < 4; ++i) Window().KrokExecute();
    const QString shown = text->toPlainText();
    QVERIFY2(shown.startsWith("Wiersz 2: ADD B\nADD B: A = A + B = 07h + 06h = 0Dh\n"),
             qPrintable(shown));
    QVERIFY(shown.contains(QString::fromUtf8("P=0, bo wynik ma nieparzystą liczbę jedynek (3)")));
    Child<QCheckBox>("CheckBoxFlagaZ")->click();
    QCOMPARE(text->toPlainText(),
             QString::fromUtf8("Historia kroków zaczyna się od ręcznej zmiany wartości."));

    window->close();
    QVERIFY(!command->isChecked());
    command->trigger();
    QVERIFY(window->isVisible());
  }

  // Switched while paused: the next step follows the other rules, and the steps before cannot
  // be taken back.
  void flagRulesSwitchWhilePaused() {
    auto* panel = Child<QLabel>("StatusBarFlagRules");
    Type("MVI A,5\nCPI 0\nCPI 0\nHLT");
    for (int i = 0; i < 3; ++i) Window().KrokExecute();
    QCOMPARE(Machine().CY, 1);
    Action("FlagiProcesora8085")->trigger();
    QVERIFY(!panel->isHidden() && Window().Run().HistoryStartsAtHandEdit());
    Window().KrokExecute();
    QCOMPARE(Machine().CY, 0);
    Action("FlagiProcesora8085")->trigger();
    QVERIFY(panel->isHidden() && Machine().FlagRuleSet == FlagRules::Kwarcyt);
  }

  void closingTheWindowEndsTheRun() {
    Type(kCountingLoop);
    Window().StartExecute();
    QTRY_VERIFY(Machine().HL() > 0);
    Window().close();
    const int held = Machine().HL();
    QVERIFY(RunComesToRest());
    QCOMPARE(Machine().HL(), held);
    QVERIFY(!Machine().Running);
    QVERIFY(!Machine().StopRequested);
  }
};

QTEST_MAIN(RunWindowTest)
#include "RunWindow_test.moc"
