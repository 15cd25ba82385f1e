#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include "WindowFixture.h"
#include "displays/DisplayWindows.h"

using namespace kwarcyt;

class MainWindowTest : public QObject, public WindowFixture {
  Q_OBJECT

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void startUpState() {
    QCOMPARE(Window().windowTitle(), QString("Kwarcyt - Nowy.txt"));
    QCOMPARE(ErrorText(), QString("Program jest pusty"));
    QVERIFY(!Action("Start")->isEnabled());
    QVERIFY(!Action("Krok")->isEnabled());
    QVERIFY(!Action("Pauza")->isEnabled());
    QVERIFY(Action("Stop")->isEnabled());
    QCOMPARE(StatusPanel(0), QString("Wiersz: 0"));
    QCOMPARE(StatusPanel(1), QString("Kolumna: 0"));
    QCOMPARE(StatusPanel(2), QString("Wykonano rozkaz:"));
    QVERIFY(Memo()->isVisible());
    QVERIFY(!List()->isVisible());
    QVERIFY(Memo()->hasFocus());
    QCOMPARE(Child<QSlider>("Czestotliwosc")->value(), 10);
    QCOMPARE(Machine().DelayCount, 10);
    QVERIFY(Window().width() >= 630 && Window().height() >= 460);
    QCOMPARE(Window().minimumSize(), QSize(630, 460));
    QCOMPARE(LabelText("A10"), QString("  0 00 00000000"));
    QCOMPARE(LabelText("SP10"), QString("    0  0000  0000000000000000"));
    QCOMPARE(LabelText("LabelA1"), QString(" 0000:    0  00"));
    QCOMPARE(LabelText("LabelRamHL"), QString("RAM[HL]:   0  00"));
    QCOMPARE(LabelText("LabelOUT7"), QString(" 06:    0  00"));
  }

  void actionTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<bool>("onToolBar");
    QTest::newRow("Nowy") << "Nowy"
                          << "MenuPlik"
                          << "&Nowy"
                          << "Ctrl+N" << true << true;
    QTest::newRow("Otworz") << "Otworz"
                            << "MenuPlik"
                            << "&Otwórz..."
                            << "Ctrl+O" << true << true;
    QTest::newRow("Zapisz") << "Zapisz"
                            << "MenuPlik"
                            << "Zapi&sz"
                            << "Ctrl+S" << true << true;
    QTest::newRow("Zapiszjako") << "Zapiszjako"
                                << "MenuPlik"
                                << "&Zapisz jako..."
                                << "" << false << false;
    QTest::newRow("Zakoncz") << "Zakoncz"
                             << "MenuPlik"
                             << "Za&kończ"
                             << "" << false << false;
    QTest::newRow("Wytnij") << "Wytnij"
                            << "MenuEdycja"
                            << "&Wytnij"
                            << "Ctrl+X" << true << true;
    QTest::newRow("Kopiuj") << "Kopiuj"
                            << "MenuEdycja"
                            << "&Kopiuj"
                            << "Ctrl+C" << true << true;
    QTest::newRow("Wklej") << "Wklej"
                           << "MenuEdycja"
                           << "Wkl&ej"
                           << "Ctrl+V" << true << true;
    QTest::newRow("Wyczysc") << "Wyczysc"
                             << "MenuEdycja"
                             << "Wyc&zyść"
                             << "" << true << true;
    QTest::newRow("Cofnij") << "Cofnij"
                            << "MenuEdycja"
                            << "&Cofnij"
                            << "Ctrl+Z" << true << true;
    QTest::newRow("Start") << "Start"
                           << "MenuSymulacja"
                           << "&Start"
                           << "F9" << true << true;
    QTest::newRow("Pauza") << "Pauza"
                           << "MenuSymulacja"
                           << "&Pauza"
                           << "F11" << true << true;
    QTest::newRow("Stop") << "Stop"
                          << "MenuSymulacja"
                          << "Stop/&Reset"
                          << "F12" << true << true;
    QTest::newRow("Krok") << "Krok"
                          << "MenuSymulacja"
                          << "&Krok"
                          << "F10" << true << true;
    QTest::newRow("PrzelaczPulapke") << "PrzelaczPulapke"
                                     << "MenuSymulacja"
                                     << "Przełącz pułapkę"
                                     << "F2" << true << true;
    QTest::newRow("UsunPulapki") << "UsunPulapki"
                                 << "MenuSymulacja"
                                 << "Usuń wszystkie pułapki"
                                 << "Ctrl+F2" << true << true;
    QTest::newRow("UruchomDoKursora") << "UruchomDoKursora"
                                      << "MenuSymulacja"
                                      << "Uruchom do kursora"
                                      << "Ctrl+F9" << true << true;
    QTest::newRow("KrokNad") << "KrokNad"
                             << "MenuSymulacja"
                             << "Krok nad"
                             << "Ctrl+F10" << true << true;
    QTest::newRow("KrokWstecz") << "KrokWstecz"
                                << "MenuSymulacja"
                                << "Krok wstecz"
                                << "Ctrl+Shift+F10" << true << true;
    QTest::newRow("Zwolnij") << "Zwolnij"
                             << "MenuSymulacja"
                             << "Zwolnij"
                             << "F7" << false << false;
    QTest::newRow("Przyspiesz") << "Przyspiesz"
                                << "MenuSymulacja"
                                << "Przyśpiesz"
                                << "F8" << false << false;
    QTest::newRow("Alfanumeryczny") << "ActionAlfanumeryczny"
                                    << "MenuWyswietlacz"
                                    << "&Alfanumeryczny"
                                    << "F4" << true << true;
    QTest::newRow("Monochromatyczny") << "ActionMonochromatyczny"
                                      << "MenuWyswietlacz"
                                      << "Graficzny - &Mono"
                                      << "F5" << true << true;
    QTest::newRow("SkalaSzarosci") << "ActionSkalaSzarosci"
                                   << "MenuWyswietlacz"
                                   << "Graficzny - &Szary"
                                   << "F6" << true << true;
    QTest::newRow("PodgladPamieci") << "PodgladPamieci"
                                    << "MenuWyswietlacz"
                                    << "&Podgląd pamięci"
                                    << "Ctrl+M" << true << false;
    QTest::newRow("Ustawienia") << "ActionUstawieniaWyswietlaczy"
                                << "MenuWyswietlacz"
                                << "&Ustawienia..."
                                << "F3" << false << false;
    QTest::newRow("Pomoc") << "ActionPomoc"
                           << "MenuInne"
                           << "&Pomoc"
                           << "F1" << false << false;
    QTest::newRow("OAutorze") << "OAutorze"
                              << "MenuInne"
                              << "O &autorze..."
                              << "Ctrl+A" << false << false;
    QTest::newRow("Wygaszacz") << "ActionWygaszacz"
                               << "MenuInne"
                               << "&Wygaszacz"
                               << "Ctrl+W" << false << false;
  }
  void actionTable() {
    QFETCH(QString, name);
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, icon);
    QFETCH(bool, onToolBar);
    QAction* action = Window().findChild<QAction*>(name);
    QVERIFY(action != nullptr);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QCOMPARE(!action->icon().isNull(), icon);
    if (icon) QVERIFY(!action->icon().pixmap(16, 16).isNull());
    QVERIFY(Window().findChild<QMenu*>(menu)->actions().contains(action));
    QCOMPARE(Window().findChild<QToolBar*>("ToolBar1")->actions().contains(action), onToolBar);
  }

  void menusInOrder() {
    QStringList titles;
    for (QAction* menu : Window().menuBar()->actions()) titles << menu->text();
    QCOMPARE(titles, QStringList({"&Plik", "&Edycja", "&Wyświetlacz", "&Symulacja", "&Inne"}));
    QStringList items;
    for (QAction* item : Window().findChild<QMenu*>("MenuSymulacja")->actions()) {
      items << (item->isSeparator() ? "-" : item->objectName());
    }
    QCOMPARE(items.join(' '),
             QString("Zwolnij Przyspiesz - Start Krok Pauza - Stop - UruchomDoKursora KrokNad "
                     "KrokWstecz - PrzelaczPulapke UsunPulapki - ObjasnienieKroku - KodMaszynowy "
                     "CykleMaszynowe - FlagiProcesora8085"));
    QStringList buttons;
    for (QAction* item : Window().findChild<QToolBar*>("ToolBar1")->actions()) {
      buttons << (item->isSeparator() ? "|" : item->objectName());
    }
    QCOMPARE(buttons.join(' '),
             QString("Nowy Otworz Zapisz | Wytnij Kopiuj Wklej Wyczysc Cofnij | "
                     "ActionAlfanumeryczny ActionMonochromatyczny ActionSkalaSzarosci | "
                     "Start Krok Pauza | Stop | PrzelaczPulapke UsunPulapki UruchomDoKursora "
                     "KrokNad KrokWstecz"));
  }

  // The editor would take Ctrl+A as "select all"; the About command must win.
  void windowShortcutsWinOverTheEditor() {
    QApplication::setActiveWindow(&Window());
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    Memo()->setFocus();
    QSignalSpy about(Action("OAutorze"), &QAction::triggered);
    QSignalSpy faster(Action("Przyspiesz"), &QAction::triggered);
    QTest::keyClick(Memo(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Memo(), Qt::Key_F8);
    QCOMPARE(about.count(), 1);
    QCOMPARE(DialogsShown(), QStringList({"kwarcyt::TFormAutor"}));
    QCOMPARE(faster.count(), 1);
    QCOMPARE(Child<QSlider>("Czestotliwosc")->value(), 11);
  }

  void accessoriesOpenModally() {
    for (const char* name :
         {"ActionPomoc", "OAutorze", "ActionWygaszacz", "ActionUstawieniaWyswietlaczy"}) {
      Action(name)->trigger();
    }
    QCOMPARE(DialogsShown(),
             QStringList({"kwarcyt::TFormPomoc", "kwarcyt::TFormAutor", "kwarcyt::TFormWygaszacz",
                          "kwarcyt::TFormUstawieniaWyswietlaczy"}));
  }

  // Each dialog of the main window opens at its own client size, centred on the main window's
  // client area, staying on top and tied to no window, so that the display windows, which stay
  // on top as well, cannot cover it.
  void dialogsOpenCentredAboveTheDisplays_data() {
    QTest::addColumn<QString>("opener");  // a command, or a label that a click opens it from
    QTest::addColumn<QSize>("size");
    QTest::newRow("value entry") << "A10" << QSize(294, 202);
    QTest::newRow("display settings") << "ActionUstawieniaWyswietlaczy" << QSize(286, 278);
    QTest::newRow("help") << "ActionPomoc" << QSize(490, 210);
    QTest::newRow("about") << "OAutorze" << QSize(491, 223);
  }
  void dialogsOpenCentredAboveTheDisplays() {
    QFETCH(QString, opener);
    QFETCH(QSize, size);
    QRect shown;
    bool staysOnTop = false;
    const QWindow* tiedTo = nullptr;
    Script().onExec = [&](QDialog& dialog) {
      dialog.show();
      shown = dialog.geometry();
      staysOnTop = dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      tiedTo = dialog.windowHandle()->transientParent();
      return int{QDialog::Rejected};
    };
    if (auto* command = Window().findChild<QAction*>(opener))
      command->trigger();
    else
      QTest::mouseClick(Child<QLabel>(opener.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(shown.size(), size);
    QCOMPARE(shown.center(), Window().geometry().center());
    QVERIFY(staysOnTop);
    QCOMPARE(tiedTo, nullptr);
  }

  void displayCommandsFollowTheirWindows() {
    DisplayWindows& displays = Window().CreateDisplayWindows();
    QAction* alpha = Action("ActionAlfanumeryczny");
    alpha->trigger();
    QVERIFY(displays.FormAlfanumeryczny->isVisible());
    QVERIFY(alpha->isChecked());
    displays.FormAlfanumeryczny->close();
    QVERIFY(!alpha->isChecked());

    QAction* gray = Action("ActionSkalaSzarosci");
    auto* grayButton = Child<QToolButton>("ToolButtonSkalaSzarosci");
    gray->trigger();
    QVERIFY(displays.FormSkalaSzarosci->isVisible());
    QVERIFY(grayButton->isDown());
    gray->trigger();
    QVERIFY(!displays.FormSkalaSzarosci->isVisible());
    QVERIFY(!grayButton->isDown());
    QVERIFY(!displays.FormMonochromatyczny->isVisible());
  }

  void editingEnablesTheRunCommands() {
    Type("MVI A,5");
    QVERIFY(Action("Start")->isEnabled());
    QVERIFY(Action("Krok")->isEnabled());
    QVERIFY(!Action("Pauza")->isEnabled());
    QCOMPARE(ErrorText(), QString());
    Type("MOV A");
    QVERIFY(ErrorText().startsWith("0: "));
    QVERIFY(Action("Start")->isEnabled());
    Type("");
    QCOMPARE(ErrorText(), QString("Program jest pusty"));
    QVERIFY(!Action("Start")->isEnabled());
    QVERIFY(!Action("Krok")->isEnabled());
  }

  // Only the caret's line is checked while typing; the other lines' faults wait for Start.
  void typingChecksTheCaretLine() {
    Memo()->setFocus();
    QTest::keyClicks(Memo(), "MOV A");
    QVERIFY(ErrorText().startsWith("0: "));
    QTest::keyClick(Memo(), Qt::Key_Return);
    QTest::keyClicks(Memo(), "NOP");
    QCOMPARE(ErrorText(), QString());
    QVERIFY(Window().Errors().empty());
  }

  // Ctrl+Z puts back a line break and lands the caret on another line than the one it left:
  // that line is the one checked.
  void undoChecksTheLineTheCaretLandsOn() {
    Type("A:\nMVI X,5\nA:");
    Memo()->setFocus();
    QTest::keyClick(Memo(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(Memo(), Qt::Key_End);
    QTest::keyClick(Memo(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(Memo(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(Memo(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(Memo(), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(Memo(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(Memo(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Memo()->textCursor().blockNumber(), 1);
    QVERIFY(ErrorText().contains("1: Nieprawidłowy rejestr [X]"));
  }

  // A double click on a message that names a line puts the caret on that line.
  void errorMessageLeadsToItsLine() {
    Type("NOP\nNOP\nMVI X,5\nHLT");
    Action("Start")->trigger();
    auto* errors = Child<QPlainTextEdit>("ListaBledow");
    QVERIFY(errors->toPlainText().startsWith("2: "));
    const QPoint first = errors->cursorRect(QTextCursor(errors->document())).center();
    QTest::mouseDClick(errors->viewport(), Qt::LeftButton, Qt::NoModifier, first);
    QCOMPARE(Memo()->textCursor().blockNumber(), 2);
  }

  // Nothing to cut, copy, delete or undo in a new window, before anything had the focus.
  void editCommandsStartDisabled() {
    Close();  // no control of another window has the focus
    const QTemporaryDir recovery;
    QGuiApplication::clipboard()->clear();
    const TFormKwarcyt window(nullptr, recovery.path());
    for (const char* name : {"Wytnij", "Kopiuj", "Wklej", "Wyczysc", "Cofnij"}) {
      QVERIFY2(!window.findChild<QAction*>(name)->isEnabled(), name);
    }
  }

  void editorLinesCountAsTheRunnerCounts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("one line") << "NOP" << 1;
    QTest::newRow("final line break") << "NOP\n" << 2;
    QTest::newRow("only a line break") << "\n" << 2;
  }
  void editorLinesCountAsTheRunnerCounts() {
    QFETCH(QString, text);
    QFETCH(int, lines);
    Type(text);
    // PC may be set to the last line, not beyond: a Step at PC = lines - 1 opens a run.
    if (lines == 0) {
      QVERIFY(!Action("Krok")->isEnabled());
      return;
    }
    Machine().PC = lines - 1;
    Window().KrokExecute();
    QVERIFY(Machine().Running);
    Window().StopExecute();
    Machine().PC = lines;
    Window().KrokExecute();
    QVERIFY(!Machine().Running);
  }

  void tabLeavesTheEditor() {
    QApplication::setActiveWindow(&Window());
    QVERIFY(QTest::qWaitForWindowActive(&Window()));
    Memo()->setFocus();
    QTest::keyClicks(Memo(), "NOP");
    QTest::keyClick(Memo(), Qt::Key_Tab);
    QVERIFY(!Memo()->hasFocus());
    QCOMPARE(Memo()->toPlainText(), QString("NOP"));
  }

  void caretTracking() {
    Memo()->setFocus();
    QTest::keyClicks(Memo(), "NOP");
    QTest::keyClick(Memo(), Qt::Key_Return);
    QTest::keyClicks(Memo(), "MVI A");
    QCOMPARE(StatusPanel(0), QString("Wiersz: 1"));
    QCOMPARE(StatusPanel(1), QString("Kolumna: 5"));
    // Held keys repeat without release events that count.
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
    Memo()->moveCursor(QTextCursor::Start);
    QApplication::sendEvent(Memo(), &repeated);
    QCOMPARE(StatusPanel(0), QString("Wiersz: 1"));
    const QPoint start = Memo()->cursorRect(Memo()->textCursor()).center();
    QTest::mouseClick(Memo()->viewport(), Qt::LeftButton, {}, start);
    QCOMPARE(StatusPanel(0), QString("Wiersz: 0"));
    QCOMPARE(StatusPanel(1), QString("Kolumna: 0"));
  }

  void flagsRedrawWithoutWritingFlags() {
    auto* carry = Child<QCheckBox>("CheckBoxFlagaC");
    carry->click();
    QCOMPARE(Machine().CY, 1);
    QCOMPARE(Machine().P, 0);
    Machine().CY = 0;
    Machine().Z = 1;
    Window().PokazFlagi();
    QVERIFY(!carry->isChecked());
    QVERIFY(Child<QCheckBox>("CheckBoxFlagaZ")->isChecked());
    QCOMPARE(Machine().Z, 1);
    QCOMPARE(Machine().CY, 0);
    Child<QCheckBox>("CheckBoxFlagaZ")->click();
    QCOMPARE(Machine().Z, 0);
  }

  void registerViews() {
    Machine().A = 10;
    Machine().setHL(0x1000);
    Machine().PC = 3;
    Machine().SP = 0xFFFE;
    Window().PokazRejestry();
    QCOMPARE(LabelText("A10"), QString(" 10 0A 00001010"));
    QCOMPARE(LabelText("H10"), QString(" 16 10 00010000"));
    QCOMPARE(LabelText("HL10"), QString(" 4096  1000  0001000000000000"));
    QCOMPARE(LabelText("PC10"), QString("    3  0003  0000000000000011"));
    QCOMPARE(LabelText("SP10"), QString("65534  FFFE  1111111111111110"));
  }

  void memoryViewModesAndScrolling() {
    Machine().setHL(0x1000);
    Machine().Memory[0x1000] = 65;
    auto* scroll = Child<QScrollBar>("ScrollBarRAM");
    QCOMPARE(scroll->maximum(), 65529);
    QCOMPARE(scroll->pageStep(), 7);
    scroll->setValue(0x1000);
    QCOMPARE(LabelText("LabelA1"), QString(" 1000:   65  41"));
    QCOMPARE(LabelText("LabelA2"), QString(" 1001:    0  00"));
    QCOMPARE(LabelText("LabelRamHL"), QString("RAM[HL]:  65  41"));
    Child<QPushButton>("ButtonDecHex")->click();
    QCOMPARE(Child<QPushButton>("ButtonDecHex")->text(), QString("Bin"));
    QCOMPARE(LabelText("LabelA1"), QString(" 1000: 01000001"));
    QCOMPARE(LabelText("LabelRamHL"), QString("RAM[HL]:01000001"));
    Child<QPushButton>("ButtonAdres")->click();
    QCOMPARE(LabelText("LabelA1"), QString(" 4096: 01000001"));
    Child<QPushButton>("ButtonDecHex")->click();
    QCOMPARE(Child<QPushButton>("ButtonDecHex")->text(), QString("Dec     Hex"));
    QCOMPARE(LabelText("LabelA1"), QString(" 4096:   65  41"));
    scroll->setValue(65535);
    QCOMPARE(scroll->value(), 65529);
    QCOMPARE(LabelText("LabelA7"), QString("65535:    0  00"));
    scroll->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(LabelText("LabelA1"), QString("65522:    0  00"));
    QCOMPARE(LabelText("LabelRamHL"), QString("RAM[HL]:  65  41"));
  }

  void portViewsKeepSeparateModes() {
    Machine().InputPorts[0xF9] = 3;
    Machine().OutputPorts[0xFF] = 171;
    Child<QScrollBar>("ScrollBarIN")->setValue(249);
    Child<QScrollBar>("ScrollBarOUT")->setValue(300);
    QCOMPARE(Child<QScrollBar>("ScrollBarOUT")->value(), 249);
    QCOMPARE(LabelText("LabelIN1"), QString(" F9:    3  03"));
    QCOMPARE(LabelText("LabelOUT7"), QString(" FF:  171  AB"));
    Child<QPushButton>("ButtonINWartHex")->click();
    Child<QPushButton>("ButtonOUTAdresHex")->click();
    QCOMPARE(LabelText("LabelIN1"), QString(" F9: 00000011"));
    QCOMPARE(LabelText("LabelOUT7"), QString("255:  171  AB"));
    QCOMPARE(Child<QPushButton>("ButtonINAdresHex")->text(), QString("Nr Hex"));
    QCOMPARE(Child<QPushButton>("ButtonOUTWartHex")->text(), QString("Dec     Hex"));
    Child<QScrollBar>("ScrollBarIN")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(LabelText("LabelIN2"), QString(" F9: 00000011"));
  }

  void clearingMenus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::newRow("memory") << "PopupMenuRam"
                            << "Wyczyść pamięć";
    QTest::newRow("input ports") << "PopupMenuIN"
                                 << "Wyczyść porty wejściowe";
    QTest::newRow("output ports") << "PopupMenuOUT"
                                  << "Wyczyść porty wyjściowe";
  }
  void clearingMenus() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    Machine().Memory.fill(9);
    Machine().InputPorts.fill(9);
    Machine().OutputPorts.fill(9);
    Machine().A = 9;
    Window().PokazPamiec();
    Window().PokazPortyWej();
    Window().PokazPortyWyj();
    QAction* item = Window().findChild<QMenu*>(menu)->actions().value(0);
    QCOMPARE(item->text(), caption);
    item->trigger();
    const bool memory = menu == "PopupMenuRam";
    const bool input = menu == "PopupMenuIN";
    QCOMPARE(Machine().Memory[0xFFFF], memory ? 0 : 9);
    QCOMPARE(Machine().InputPorts[255], input ? 0 : 9);
    QCOMPARE(Machine().OutputPorts[255], !memory && !input ? 0 : 9);
    QCOMPARE(Machine().A, 9);
    QCOMPARE(LabelText("LabelA1") == " 0000:    0  00", memory);
    QCOMPARE(LabelText("LabelRamHL") == "RAM[HL]:   0  00", memory);
    QCOMPARE(LabelText("LabelIN1") == " 00:    0  00", input);
    QCOMPARE(LabelText("LabelOUT1") == " 00:    0  00", !memory && !input);
  }

  void speedCommandsStopAtTheirLimits() {
    auto* slider = Child<QSlider>("Czestotliwosc");
    for (int i = 0; i < 9; ++i) Window().ZwolnijExecute();
    QCOMPARE(slider->value(), 1);
    QCOMPARE(Machine().DelayCount, 1024);
    Window().ZwolnijExecute();
    QCOMPARE(slider->value(), 1);
    QCOMPARE(Machine().DelayCount, 1024);
    for (int i = 0; i < 40; ++i) Window().PrzyspieszExecute();
    QCOMPARE(slider->value(), 32);
    QCOMPARE(Machine().DelayCount, 1);
    slider->setValue(15);
    QCOMPARE(Machine().DelayCount, 4);
  }

  void editCommandsFollowTheFocusedControl() {
    Type("NOP\nHLT");
    Memo()->setFocus();
    QVERIFY(!Action("Kopiuj")->isEnabled());
    Memo()->selectAll();
    QVERIFY(Action("Kopiuj")->isEnabled());
    QVERIFY(Action("Wytnij")->isEnabled());
    Action("Wyczysc")->trigger();
    QCOMPARE(Memo()->toPlainText(), QString());
    QVERIFY(Action("Cofnij")->isEnabled());
    Action("Cofnij")->trigger();
    QCOMPARE(Memo()->toPlainText(), QString("NOP\nHLT"));

    auto* errors = Child<QPlainTextEdit>("ListaBledow");
    Type("MOV A");
    errors->setFocus();
    errors->selectAll();
    QVERIFY(Action("Kopiuj")->isEnabled());
    QVERIFY(!Action("Wytnij")->isEnabled());
    QVERIFY(!Action("Wklej")->isEnabled());
    QVERIFY(!Action("Cofnij")->isEnabled());
    Child<QPushButton>("ButtonDecHex")->setFocus();
    QVERIFY(!Action("Kopiuj")->isEnabled());
  }

  void rightGroupsFollowTheRightEdge() {
    auto* memory = Child<QGroupBox>("GroupBoxPamiec");
    auto* errors = Child<QGroupBox>("GroupBoxListaBledow");
    Window().resize(900, 700);
    QApplication::processEvents();
    const int memoWidth = Memo()->width();
    const QRect memoryRect = memory->geometry();
    const int errorsHeight = errors->height();
    Window().resize(1000, 760);
    QApplication::processEvents();
    QCOMPARE(Memo()->width(), memoWidth + 100);
    QCOMPARE(memory->geometry(), memoryRect.translated(100, 0));
    QCOMPARE(errors->height(), errorsHeight + 60);
    Window().resize(100, 100);
    QApplication::processEvents();
    QCOMPARE(Window().size(), QSize(630, 460));
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindow_test.moc"
