#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "WindowFixture.h"

using namespace kwarcyt;

namespace {

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
  return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

const QString kQuestion = QStringLiteral("Program został zmieniony, zapisać?");
const QString kOpenCaption = QStringLiteral("Kwarcyt - Wczytaj program");
const QString kSaveCaption = QStringLiteral("Kwarcyt - Zapisz program");
const QString kWriteError = QStringLiteral("Wystąpił błąd podczas próby zapisania pliku");
const QString kReadError = QStringLiteral("Wystąpił błąd podczas próby otwarcia pliku");

}  // namespace

class FileCommandsTest : public QObject, public WindowFixture {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  QString Path(const char* name) { return folder_->filePath(QLatin1String(name)); }

  void ExpectFileState(const QString& fileName, bool named, bool modified, const QString& title) {
    QCOMPARE(Window().CurrentFileName(), fileName);
    QCOMPARE(Window().HasFileName(), named);
    QCOMPARE(Modified(), modified);
    QCOMPARE(Window().windowTitle(), title);
  }

  // The command under test, by name, as the user gives it.
  void Run(const QString& command) {
    if (command == "close") {
      Window().close();
    } else {
      Action(command.toLatin1().constData())->trigger();
    }
  }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    Open();
  }
  void cleanup() { Close(); }

  // Start-up, editing, Save of a new program, Save, Open, Save As and New, each with the file
  // name, the file-name flag, the modified flag and the title it leaves.
  void fileStateThroughTheCommands() {
    ExpectFileState("Nowy.txt", false, false, "Kwarcyt - Nowy.txt");

    TypeByKeys("MVI A,1");
    ExpectFileState("Nowy.txt", false, true, "Kwarcyt - Nowy.txt");

    Script().saveNames << Path("pierwszy.txt");
    QVERIFY(Window().ZapiszExecute());
    QCOMPARE(Script().fileDialogs.size(), 1);
    QCOMPARE(Script().fileDialogs[0].caption, kSaveCaption);
    QCOMPARE(Script().fileDialogs[0].proposed, QString("Nowy.txt"));
    QCOMPARE(Script().fileDialogs[0].filter, QString("Pliki tekstowe (*.txt)"));
    QCOMPARE(Script().fileDialogs[0].defaultSuffix, QString("txt"));
    ExpectFileState(Path("pierwszy.txt"), true, false, "Kwarcyt - pierwszy.txt");
    QCOMPARE(ReadBytes(Path("pierwszy.txt")), QByteArray("MVI A,1"));

    // Save of a named program writes without a dialog and leaves the title alone.
    TypeByKeys("\nHLT");
    Action("Zapisz")->trigger();
    QCOMPARE(Script().fileDialogs.size(), 1);
    ExpectFileState(Path("pierwszy.txt"), true, false, "Kwarcyt - pierwszy.txt");
    QCOMPARE(ReadBytes(Path("pierwszy.txt")), QByteArray("MVI A,1\r\nHLT"));

    // Save As proposes the current file.
    Script().saveNames << Path("drugi.txt");
    Action("Zapiszjako")->trigger();
    QCOMPARE(Script().fileDialogs.last().proposed, Path("pierwszy.txt"));
    ExpectFileState(Path("drugi.txt"), true, false, "Kwarcyt - drugi.txt");

    WriteBytes(Path("trzeci.txt"), "NOP\r\nNOP");
    Script().openNames << Path("trzeci.txt");
    Action("Otworz")->trigger();
    QCOMPARE(Script().fileDialogs.last().caption, kOpenCaption);
    // The folder of the last file dialog.
    QCOMPARE(Script().fileDialogs.last().proposed, folder_->path());
    ExpectFileState(Path("trzeci.txt"), true, false, "Kwarcyt - trzeci.txt");
    QCOMPARE(Memo()->toPlainText(), QString("NOP\nNOP"));

    // The Open dialog starts from the last file chosen in it.
    Action("Otworz")->trigger();
    QCOMPARE(Script().fileDialogs.last().proposed, Path("trzeci.txt"));

    Action("Nowy")->trigger();
    ExpectFileState("Nowy.txt", false, false, "Kwarcyt - Nowy.txt");
    QCOMPARE(Memo()->toPlainText(), QString());
    QCOMPARE(ErrorText(), QString("Program jest pusty"));
    QVERIFY(!Action("Start")->isEnabled());
    QVERIFY(!Action("Krok")->isEnabled());
    QVERIFY(!Action("Pauza")->isEnabled());
    QVERIFY(!Script().shown.contains(kQuestion));
  }

  void failedSaveAsKeepsTheOldName() {
    TypeByKeys("HLT");
    Script().saveNames << "/proc/kwarcyt/nie.txt";
    QVERIFY(!Window().ZapiszjakoExecute());
    QCOMPARE(Script().shown.last(), kWriteError);
    QCOMPARE(Script().reasons, QStringList({"plik lub folder nie istnieje"}));
    ExpectFileState("Nowy.txt", false, true, "Kwarcyt - Nowy.txt");
  }

  // Targets that cannot be written even by the superuser: the error box, and nothing changes.
  void saveThatCannotWrite_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("inside /proc") << "/proc/kwarcyt/program.txt";
    QTest::newRow("parent is a file") << "plik.txt/program.txt";
  }
  void saveThatCannotWrite() {
    QFETCH(QString, target);
    WriteBytes(Path("plik.txt"), "NOP");
    WriteBytes(Path("program.txt"), "NOP");
    Script().openNames << Path("program.txt");
    Action("Otworz")->trigger();
    TypeByKeys("MVI B,2\n");
    const QString path = target.startsWith('/') ? target : folder_->filePath(target);
    Script().saveNames << path;
    QVERIFY(!Window().ZapiszjakoExecute());
    QCOMPARE(Script().shown.last(), kWriteError);
    ExpectFileState(Path("program.txt"), true, true, "Kwarcyt - program.txt");
    QCOMPARE(ReadBytes(Path("plik.txt")), QByteArray("NOP"));

    // Save still goes to the file the title names.
    QVERIFY(Window().ZapiszExecute());
    QCOMPARE(ReadBytes(Path("program.txt")), QByteArray("MVI B,2\r\nNOP"));
    QVERIFY(!Modified());
  }

  // Another program changed the file since it was opened: Save asks before it replaces it,
  // and No leaves both the file and the unsaved text as they are.
  void saveOverAFileChangedElsewhereAsks() {
    WriteBytes(Path("program.txt"), "NOP");
    Script().openNames << Path("program.txt");
    Action("Otworz")->trigger();
    TypeByKeys("HLT\n");
    QVERIFY(Window().ZapiszExecute());
    QCOMPARE(Script().shown.size(), 1);  // only the Open dialog: the file was unchanged

    TypeByKeys("MVI A,1\n");
    WriteBytes(Path("program.txt"), "/ zmiana z innego programu");
    Script().answers << QMessageBox::No;
    QVERIFY(!Window().ZapiszExecute());
    QVERIFY(Script().shown.last().startsWith("Plik „program.txt” został zmieniony"));
    QCOMPARE(ReadBytes(Path("program.txt")), QByteArray("/ zmiana z innego programu"));
    QVERIFY(Modified());

    Script().answers << QMessageBox::Yes;
    QVERIFY(Window().ZapiszExecute());
    QCOMPARE(ReadBytes(Path("program.txt")), QByteArray("HLT\r\nMVI A,1\r\nNOP"));
    QVERIFY(!Modified());
  }

  // Unsaved text outlives the window that held it: the next window offers it back, marked
  // modified, under its file's name; a copy the user declines is gone for good.
  void unsavedTextIsOfferedBackAtTheNextStart() {
    WriteBytes(Path("program.txt"), "NOP");
    Script().openNames << Path("program.txt");
    Action("Otworz")->trigger();
    TypeByKeys("HLT\n");
    Window().KeepUnsavedWork();

    Reopen();
    Script().answers << QMessageBox::Cancel;
    Window().OfferRecovery();
    QCOMPARE(Script().questionCaptions, QStringList({"Kwarcyt - odzyskiwanie programu"}));
    QVERIFY(Script().shown.last().contains("„program.txt”"));
    QVERIFY(!Script().shown.last().contains("na dysku"));
    QCOMPARE(Memo()->toPlainText(), QString());

    // Changed meanwhile: the offer says so, and Save after the restore asks as it would have.
    WriteBytes(Path("program.txt"), "/ zmiana");
    Reopen();
    Script().answers << QMessageBox::Yes << QMessageBox::No;
    Window().OfferRecovery();
    QVERIFY(Script().shown.last().contains(" Plik na dysku zmienił się od tamtej chwili.\n"));
    QCOMPARE(Memo()->toPlainText(), QString("HLT\nNOP"));
    ExpectFileState(Path("program.txt"), true, true, "Kwarcyt - program.txt");
    QVERIFY(!Window().ZapiszExecute());
    QCOMPARE(ReadBytes(Path("program.txt")), QByteArray("/ zmiana"));

    // The restored text is the new window's unsaved work, and Nie at exit throws it away.
    Script().answers << QMessageBox::No;
    Window().close();
    Reopen();
    Window().OfferRecovery();
    QVERIFY(Script().shown.isEmpty());
  }

  void saveIntoReadOnlyFolderKeepsTheOldFile() {
    if (geteuid() == 0) QSKIP("folder permissions do not bind the superuser");
    QVERIFY(QDir(folder_->path()).mkdir("zamkniety"));
    const QString path = Path("zamkniety/program.txt");
    WriteBytes(path, "NOP\r\nHLT");
    Script().openNames << path;
    Action("Otworz")->trigger();
    TypeByKeys("MVI A,5\n");
    QVERIFY(QFile::setPermissions(Path("zamkniety"), QFile::ReadOwner | QFile::ExeOwner));
    const bool saved = Window().ZapiszExecute();
    QFile::setPermissions(Path("zamkniety"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(Script().shown.last(), kWriteError);
    QCOMPARE(Script().reasons, QStringList({"brak uprawnień dostępu"}));
    QVERIFY(Modified());
    QCOMPARE(ReadBytes(path), QByteArray("NOP\r\nHLT"));
  }

  void openThatCannotReadChangesNothing() {
    TypeByKeys("MVI A,3");
    Machine().A = 3;
    Script().answers << QMessageBox::No;
    Script().openNames << Path("brak.txt");
    Action("Otworz")->trigger();
    QCOMPARE(Script().shown.last(), kReadError);
    ExpectFileState("Nowy.txt", false, true, "Kwarcyt - Nowy.txt");
    QCOMPARE(Memo()->toPlainText(), QString("MVI A,3"));
    QCOMPARE(Machine().A, 3);

    // Too long to run: refused at once, as the runner refuses it. The empty line after a final
    // line break is not counted.
    WriteBytes(Path("dlugi.txt"), QByteArray("NOP\n").repeated(65536));
    Script().answers << QMessageBox::No << QMessageBox::No;
    Script().openNames << Path("dlugi.txt") << Path("dlugi.txt");
    Action("Otworz")->trigger();
    QCOMPARE(Script().reasons.last(), "Program ma za dużo wierszy (65536), najwięcej 65535");
    WriteBytes(Path("dlugi.txt"), QByteArray("NOP\n").repeated(65535));
    Action("Otworz")->trigger();
    Action("Krok")->trigger();
    QCOMPARE(ErrorText(), QString());
  }

  void openResetsTheMachineAndChecksTheText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("errors");
    QTest::addColumn<bool>("runnable");
    QTest::newRow("program") << QByteArray("MVI A,1\r\nMOV A") << "" << true;
    QTest::newRow("empty file") << QByteArray() << "Program jest pusty" << false;
  }
  void openResetsTheMachineAndChecksTheText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, errors);
    QFETCH(bool, runnable);
    Machine().A = 7;
    Machine().Memory[100] = 9;
    Window().PokazRejestry();
    WriteBytes(Path("p.txt"), bytes);
    Script().openNames << Path("p.txt");
    Action("Otworz")->trigger();
    QVERIFY(Script().shown.contains(kOpenCaption));
    QVERIFY(!Script().shown.contains(kQuestion));
    QCOMPARE(Machine().A, 0);
    QCOMPARE(int{Machine().Memory[100]}, 0);
    QCOMPARE(LabelText("A10"), QString("  0 00 00000000"));
    QCOMPARE(ErrorText(), errors);
    QCOMPARE(Action("Start")->isEnabled(), runnable);
    QCOMPARE(Action("Krok")->isEnabled(), runnable);
  }

  // New keeps the machine when nothing was asked, and zeroes it after the question.
  void newResetsOnlyAfterTheQuestion_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("registerA");
    QTest::newRow("not modified") << false << int{QMessageBox::NoButton} << 7;
    QTest::newRow("answered No") << true << int{QMessageBox::No} << 0;
    QTest::newRow("answered Yes") << true << int{QMessageBox::Yes} << 0;
  }
  void newResetsOnlyAfterTheQuestion() {
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(int, registerA);
    if (modified) {
      TypeByKeys("NOP");
    } else {
      Type("NOP");
    }
    Machine().A = 7;
    Script().answers << static_cast<QMessageBox::StandardButton>(answer);
    Script().saveNames << Path("nowy.txt");
    Action("Nowy")->trigger();
    QCOMPARE(Script().shown.contains(kQuestion), modified);
    QCOMPARE(Machine().A, registerA);
    QCOMPARE(Memo()->toPlainText(), QString());
    QCOMPARE(ErrorText(), QString("Program jest pusty"));
    QCOMPARE(QFile::exists(Path("nowy.txt")), answer == QMessageBox::Yes);
  }

  // The save question of every command that replaces or ends the program: whether it is asked,
  // whether the command goes on, and whether the program was saved.
  void saveQuestion_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("editor");  // "unmodified", "emptied" or "modified"
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveName");  // the Save As dialog's answer; empty: cancelled
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("saved");
    const int yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel;
    for (const QString command : {"Nowy", "Otworz", "Zakoncz", "close"}) {
      const QByteArray c = command.toLatin1();
      QTest::addRow("%s: unmodified", c.data())
          << command << "unmodified" << yes << "x.txt" << false << true << false;
      QTest::addRow("%s: emptied", c.data())
          << command << "emptied" << yes << "x.txt" << false << true << false;
      QTest::addRow("%s: Yes", c.data())
          << command << "modified" << yes << "x.txt" << true << true << true;
      QTest::addRow("%s: Yes, Save As cancelled", c.data())
          << command << "modified" << yes << "" << true << false << false;
      QTest::addRow("%s: Yes, write failed", c.data())
          << command << "modified" << yes << "/proc/kwarcyt/x.txt" << true << false << false;
      QTest::addRow("%s: No", c.data())
          << command << "modified" << no << "x.txt" << true << true << false;
      QTest::addRow("%s: Cancel", c.data())
          << command << "modified" << cancel << "x.txt" << true << false << false;
    }
  }
  void saveQuestion() {
    QFETCH(QString, command);
    QFETCH(QString, editor);
    QFETCH(int, answer);
    QFETCH(QString, saveName);
    QFETCH(bool, asked);
    QFETCH(bool, goesOn);
    QFETCH(bool, saved);
    if (editor == "unmodified") {
      Type("NOP");
    } else if (editor == "emptied") {
      TypeByKeys("N");
      QTest::keyClick(Memo(), Qt::Key_Backspace);
      QVERIFY(Modified());
    } else {
      TypeByKeys("NOP");
    }
    Script().answers << static_cast<QMessageBox::StandardButton>(answer);
    const QString savePath = saveName.isEmpty()         ? Path("x.txt")
                             : saveName.startsWith('/') ? saveName
                                                        : folder_->filePath(saveName);
    if (!saveName.isEmpty()) Script().saveNames << savePath;

    Run(command);

    QCOMPARE(Script().shown.count(kQuestion), asked ? 1 : 0);
    if (asked) QCOMPARE(Script().questionCaptions, QStringList({"Kwarcyt - Nowy.txt"}));
    QCOMPARE(QFile::exists(savePath), saved);
    bool wentOn = false;
    if (command == "Nowy") wentOn = Memo()->toPlainText().isEmpty() && editor != "emptied";
    if (command == "Nowy" && editor == "emptied") wentOn = !Modified();
    if (command == "Otworz") wentOn = Script().shown.contains(kOpenCaption);
    if (command == "Zakoncz" || command == "close") wentOn = !Window().isVisible();
    QCOMPARE(wentOn, goesOn);
  }

  void exitCancelledDuringARunLeavesTheRunStopped_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("Exit") << "Zakoncz";
    QTest::newRow("close") << "close";
  }
  void exitCancelledDuringARunLeavesTheRunStopped() {
    QFETCH(QString, command);
    TypeByKeys("PETLA:\nINX H\nJMP PETLA");
    Window().StartExecute();
    QTRY_VERIFY(Machine().HL() > 0);
    Script().answers << QMessageBox::Cancel;
    Run(command);
    QVERIFY(Window().isVisible());
    QVERIFY(!Machine().Running);
    QVERIFY(!Machine().StopRequested);
    QVERIFY(Memo()->isVisible());
    QVERIFY(!List()->isVisible());
    for (const char* name : {"Nowy", "Otworz", "Zapisz", "Zapiszjako", "Start", "Krok", "Stop"}) {
      QVERIFY2(Action(name)->isEnabled(), name);
    }
    QVERIFY(!Action("Pauza")->isEnabled());
    const int held = Machine().HL();
    QVERIFY(RunComesToRest());
    QCOMPARE(Machine().HL(), held);
    QVERIFY(held > 0);  // the machine is kept, as after one Stop
  }

  void lineBreaksBecomeCrLf_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("LF only") << QByteArray("NOP\nHLT\n") << "NOP\nHLT\n"
                             << QByteArray("NOP\r\nHLT\r\n");
    QTest::newRow("LF, no final break")
        << QByteArray("NOP\nHLT") << "NOP\nHLT" << QByteArray("NOP\r\nHLT");
    QTest::newRow("CR only") << QByteArray("NOP\rHLT\r") << "NOP\nHLT\n"
                             << QByteArray("NOP\r\nHLT\r\n");
    QTest::newRow("mixed") << QByteArray("A:\r\nNOP\rJMP A\n\nHLT") << "A:\nNOP\nJMP A\n\nHLT"
                           << QByteArray("A:\r\nNOP\r\nJMP A\r\n\r\nHLT");
    QTest::newRow("empty lines only") << QByteArray("\r\n\r\n") << "\n\n" << QByteArray("\r\n\r\n");
  }
  void lineBreaksBecomeCrLf() {
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QFETCH(QByteArray, saved);
    WriteBytes(Path("wiersze.txt"), file);
    Script().openNames << Path("wiersze.txt");
    Action("Otworz")->trigger();
    QCOMPARE(Memo()->toPlainText(), text);
    QVERIFY(Window().ZapiszExecute());
    QCOMPARE(ReadBytes(Path("wiersze.txt")), saved);
  }

  void windows1250FileIsSavedBackInItsCodePage() {
    // "/ąęśćżźółń" and "MVI A,'ł'" in Windows-1250.
    const QByteArray original("/\xB9\xEA\x9C\xE6\xBF\x9F\xF3\xB3\xF1\r\nMVI A,'\xB3'\r\nHLT");
    WriteBytes(Path("cp1250.txt"), original);
    Script().openNames << Path("cp1250.txt");
    Action("Otworz")->trigger();
    QCOMPARE(Memo()->toPlainText(), QString("/ąęśćżźółń\nMVI A,'ł'\nHLT"));

    QVERIFY(Window().ZapiszExecute());
    QCOMPARE(ReadBytes(Path("cp1250.txt")), original);

    QTextCursor cursor = Memo()->textCursor();
    cursor.movePosition(QTextCursor::End);
    Memo()->setTextCursor(cursor);
    TypeByKeys("\n/Żółw");
    QVERIFY(Window().ZapiszExecute());
    QCOMPARE(ReadBytes(Path("cp1250.txt")), original + "\r\n/\xAF\xF3\xB3w");

    // A character the code page cannot hold: the whole file goes to UTF-8, nothing is lost.
    TypeByKeys(QString::fromUtf8(" \xE2\x86\x92"));  // →
    QVERIFY(Window().ZapiszExecute());
    QCOMPARE(ReadBytes(Path("cp1250.txt")),
             QString("/ąęśćżźółń\r\nMVI A,'ł'\r\nHLT\r\n/Żółw →").toUtf8());
  }

  void newProgramIsSavedAsUtf8WithoutMark() {
    TypeByKeys("/zażółć\nHLT");
    Script().saveNames << Path("utf8.txt");
    QVERIFY(Window().ZapiszExecute());
    QCOMPARE(ReadBytes(Path("utf8.txt")), QString("/zażółć\r\nHLT").toUtf8());
  }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommands_test.moc"
