#include <QImage>
#include <QLineEdit>
#include <QTableWidget>

#include "WindowFixture.h"
#include "workbench/window/WindowSettings.h"

using namespace kwarcyt;

namespace {

QString ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

}  // namespace

class MachineCodeWindowsTest : public QObject, public WindowFixture {
  Q_OBJECT

  QPlainTextEdit* Listing() { return Child<QPlainTextEdit>("Listing"); }
  QLineEdit* Origin() { return Child<QLineEdit>("AdresPoczatkowy"); }
  void EnterOrigin(const QString& text) {
    Origin()->setText(text);
    emit Origin()->editingFinished();
  }
  int HighlightedRow() {
    const QList<QTextEdit::ExtraSelection> marks = Listing()->extraSelections();
    return marks.size() == 1 ? marks.front().cursor.blockNumber() : -1;
  }
  QStringList Column(int column) {
    auto* table = Child<QTableWidget>("TabelaCykli");
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row) texts << table->item(row, column)->text();
    return texts;
  }

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  void listingFollowsTheProgramTheCaretAndTheOrigin() {
    QAction* command = Action("KodMaszynowy");
    command->trigger();
    auto* window = Child("FormKodMaszynowy");
    QVERIFY(window->isVisible() && command->isChecked());
    QCOMPARE(window->windowTitle(), QString::fromUtf8("Kwarcyt - Kod maszynowy"));

    Type("MVI A,5\nHLT");
    QTRY_COMPARE(Listing()->toPlainText(),
                 QString("0000  3E 05         0  MVI A,5\n0002  76            1  HLT\n"));
    QTextCursor caret = Memo()->textCursor();
    caret.movePosition(QTextCursor::End);
    Memo()->setTextCursor(caret);
    QCOMPARE(HighlightedRow(), 1);

    EnterOrigin("0F000h");
    QVERIFY(Listing()->toPlainText().startsWith("F000  3E 05"));
    EnterOrigin("70000");
    QCOMPARE(Origin()->text(), QString("0F000h"));
    QCOMPARE(Child<QLabel>("UwagaAdresu")->text(),
             QString::fromUtf8("„70000” nie jest liczbą z zakresu 0..65535"));
    EnterOrigin("0FFFFh");
    QVERIFY(Listing()->toPlainText().contains(QString::fromUtf8("nie mieści się w pamięci")));
    QVERIFY(!Child<QPushButton>("ZapiszHex")->isEnabled());

    Type("MVI A,5\nFOO");
    QTRY_VERIFY(
        Listing()->toPlainText().startsWith(QString::fromUtf8("Program zawiera błędy\n1: ")));

    window->close();
    QVERIFY(!command->isChecked());
  }

  void hexIsSavedThroughTheDialog() {
    QTemporaryDir folder;
    const QString path = folder.filePath("program.hex");
    Script().saveNames << path;
    Action("KodMaszynowy")->trigger();
    EnterOrigin("2000h");
    Type("MVI A,5\nHLT");
    QTRY_VERIFY(Child<QPushButton>("ZapiszHex")->isEnabled());
    Child<QPushButton>("ZapiszHex")->click();
    QCOMPARE(Script().fileDialogs.size(), 1);
    QCOMPARE(Script().fileDialogs.front().filter, QString("Intel HEX (*.hex)"));
    QCOMPARE(ReadFile(path), QString(":032000003E057624\n:00000001FF\n"));
  }

  void cyclesFollowStepsAndStepsBack() {
    QAction* command = Action("CykleMaszynowe");
    command->trigger();
    QVERIFY(Child("FormCykleMaszynowe")->isVisible() && command->isChecked());
    QCOMPARE(LabelText("OpisKroku"), QString::fromUtf8("Nie wykonano jeszcze żadnego kroku."));

    Type("LXI SP,0F000h\nCALL P\nHLT\nP:\nRET");
    for (int i = 0; i < 3; ++i) Window().KrokExecute();
    QVERIFY(LabelText("OpisKroku").startsWith("Wiersz 1: CALL P"));
    QCOMPARE(Column(0), QStringList({"OF", "MR", "MR", "MW", "MW"}));
    QCOMPARE(Column(1), QStringList({"6", "3", "3", "3", "3"}));
    QCOMPARE(Column(2), QStringList({"0003h", "0004h", "0005h", "EFFFh", "EFFEh"}));
    // Kwarcyt stacks the number of the line after the call.
    QCOMPARE(Column(3), QStringList({"CDh", "07h", "00h", "00h", "02h"}));
    QCOMPARE(Column(4), QStringList({"0", "0", "0", "0", "0"}));
    QCOMPARE(Column(5), QStringList({"1", "1", "1", "0", "0"}));

    Window().KrokWsteczExecute();
    QCOMPARE(Column(0), QStringList({"OF", "MR", "MR"}));

    QTemporaryDir folder;
    const QString path = folder.filePath("cykle.png");
    Script().saveNames << path;
    Child<QPushButton>("ZapiszObraz")->click();
    const QImage saved(path);
    QVERIFY(!saved.isNull());
    // The diagram widens with the clock states: LXI took ten, CALL takes eighteen.
    Window().KrokExecute();
    Script().saveNames << path;
    Child<QPushButton>("ZapiszObraz")->click();
    QVERIFY(QImage(path).width() > saved.width());
  }

  void originIsKeptInTheSettingsFile() {
    QTemporaryDir folder;
    const QString settings = folder.filePath("kwarcyt.conf");
    RememberedState state;
    state.machineCodeOrigin = 0x8000;
    QVERIFY(WindowSettings(settings).Store(state));
    Window().UseSettingsFile(settings);
    Action("KodMaszynowy")->trigger();
    QCOMPARE(Origin()->text(), QString("8000h"));
  }
};

QTEST_MAIN(MachineCodeWindowsTest)
#include "MachineCodeWindows_test.moc"
