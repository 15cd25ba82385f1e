// The window among the desktop's programs: a file named at start, dropped on it or chosen
// among the recent ones; what it remembers between runs; what a screen reader hears.
#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include "WindowFixture.h"
#include "displays/DisplayWindows.h"
#include "sourcefile/FileName.h"
#include "sourcefile/ProgramFile.h"
#include "workbench/views/BesidePlacement.h"
#include "workbench/window/StartCommandLine.h"
#include "workbench/window/WindowSettings.h"

using namespace kwarcyt;

namespace {

const QString kQuestion = QStringLiteral("Program został zmieniony, zapisać?");
const QString kReadError = QStringLiteral("Wystąpił błąd podczas próby otwarcia pliku");

void WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text);
}

}  // namespace

class DesktopTest : public QObject, public WindowFixture {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  QString Path(const QString& name) { return folder_->filePath(name); }
  QString SettingsPath() { return Path(QStringLiteral("kwarcyt.conf")); }

  // Drags the file onto a control and lets it go there.
  void DropFile(QWidget* target, const QUrl& url) {
    QMimeData mime;
    mime.setUrls({url});
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
  }
  QStringList RecentItems() {
    QStringList texts;
    for (const QAction* item : Action("OstatnioOtwierane")->menu()->actions()) {
      texts << item->text();
    }
    return texts;
  }
  QString AccessibleText(QObject* control, QAccessible::Text kind = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(control)->text(kind);
  }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    Open();
  }
  void cleanup() { Close(); }

  void commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("file");
    using O = StartRequest::Outcome;
    QTest::newRow("nothing") << QStringList{} << int(O::Start) << "";
    QTest::newRow("a file") << QStringList{"suma.txt"} << int(O::Start) << "suma.txt";
    QTest::newRow("two files") << QStringList{"a.txt", "b.txt"} << int(O::Error) << "";
    QTest::newRow("unknown option") << QStringList{"--szybko"} << int(O::Error) << "";
    QTest::newRow("help wins") << QStringList{"--szybko", "-h"} << int(O::Help) << "";
    QTest::newRow("version") << QStringList{"--version", "a.txt"} << int(O::Version) << "";
  }
  void commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, outcome);
    QFETCH(QString, file);
    const StartRequest request = ParseStartCommandLine(QStringList{"kwarcyt"} + arguments);
    QCOMPARE(int(request.outcome), outcome);
    QCOMPARE(request.file, file);
    QVERIFY(MayHoldQtOptions({"kwarcyt", "-platform", "xcb"}));
    QVERIFY(!MayHoldQtOptions({"kwarcyt", "--szybko", "-h", "a.txt"}));
  }

  void fileNamedAtStartOpensOrReportsAsOpenDoes() {
    WriteText(Path("suma.txt"), "MVI A,1\nHLT\n");
    Window().OpenFile(Path("brak.txt"));
    QCOMPARE(Script().shown, QStringList{kReadError});
    QCOMPARE(Window().windowTitle(), QString("Kwarcyt - Nowy.txt"));
    Window().OpenFile(Path("suma.txt"));
    QCOMPARE(Window().windowTitle(), QString("Kwarcyt - suma.txt"));
    QCOMPARE(Memo()->toPlainText(), QString("MVI A,1\nHLT\n"));
  }

  void droppedFileOpensAfterTheSaveQuestion() {
    WriteText(Path("petla.txt"), "NOP");
    TypeByKeys("MVI B,2");
    Script().answers << QMessageBox::Cancel;
    DropFile(Memo()->viewport(), QUrl::fromLocalFile(Path("petla.txt")));
    QCOMPARE(Script().shown, QStringList{kQuestion});
    QCOMPARE(Memo()->toPlainText(), QString("MVI B,2"));

    Script().answers << QMessageBox::No;
    DropFile(Child("GroupBoxRejestry8"), QUrl::fromLocalFile(Path("petla.txt")));
    QCOMPARE(Memo()->toPlainText(), QString("NOP"));
    QCOMPARE(Window().windowTitle(), QString("Kwarcyt - petla.txt"));
  }

  void recentFilesKeepTheNewestEight() {
    QVERIFY(!Action("OstatnioOtwierane")->isEnabled());
    for (int i = 1; i <= 9; ++i) {
      const QString name = QStringLiteral("p%1.txt").arg(i);
      WriteText(Path(name), "NOP");
      Window().OpenFile(Path(name));
    }
    Window().OpenFile(Path("p5.txt"));
    const QStringList items = RecentItems();
    QCOMPARE(items.size(), 8);
    QVERIFY(items[0].startsWith("&1 p5.txt ("));
    QVERIFY(items[1].startsWith("&2 p9.txt ("));
    QVERIFY(items.filter("p1.txt").isEmpty());
    QVERIFY(Action("OstatnioOtwierane")->isEnabled());

    QFile::remove(Path("p9.txt"));
    Action("OstatnioOtwierane")->menu()->actions()[1]->trigger();
    QVERIFY(Script().shown.last().contains("został usunięty lub przeniesiony"));
    QCOMPARE(RecentItems().size(), 7);
    QCOMPARE(Window().windowTitle(), QString("Kwarcyt - p5.txt"));
    Action("OstatnioOtwierane")->menu()->actions()[1]->trigger();
    QCOMPARE(Window().windowTitle(), QString("Kwarcyt - p8.txt"));
  }

  // A name from an archive made on Windows, "zadł.txt" in Windows-1250: dropped, saved and
  // remembered, the file keeps its name's bytes; the window shows the one that is not UTF-8.
  void fileNameThatIsNotUtf8() {
    const QByteArray name = QFile::encodeName(Path({})) + "/zad\xB3.txt";
    const QString path = FileNameFromBytes(name);
    QVERIFY(WriteProgramFile(path, {"NOP"}, TextEncoding::Utf8).ok);
    DropFile(Memo()->viewport(), QUrl::fromEncoded("file://" + name.toPercentEncoding("/")));
    QCOMPARE(Window().windowTitle(), QString("Kwarcyt - zad\\xB3.txt"));
    TypeByKeys("HLT\n");
    Action("Zapisz")->trigger();
    QCOMPARE(ReadProgramFile(path).text.lines.join('\n'), Memo()->toPlainText());
    QVERIFY(RecentItems().value(0).startsWith("&1 zad\\xB3.txt ("));
    RememberedState state;
    state.recentFiles = QStringList{path};
    QVERIFY(WindowSettings(SettingsPath()).Store(state));
    QCOMPARE(WindowSettings(SettingsPath()).Remembered().recentFiles, state.recentFiles);
    QCOMPARE(::unlink(name.constData()), 0);
  }

  // The speed, the recent files, the dialogs' folder and the memory window's size come back at
  // the next start; the displays, shown when the window closed, stay hidden.
  void settingsComeBackAtTheNextStart() {
    WriteText(Path("suma.txt"), "NOP");
    Window().UseSettingsFile(SettingsPath());
    DisplayWindows& displays = Window().CreateDisplayWindows();
    Child<QSlider>("Czestotliwosc")->setValue(27);
    Script().openNames << Path("suma.txt");
    Action("Otworz")->trigger();
    Action("ActionAlfanumeryczny")->trigger();
    Action("FlagiProcesora8085")->trigger();
    displays.FormAlfanumeryczny->move(40, 50);
    Action("PodgladPamieci")->trigger();
    Child<QWidget>("FormPamiec")->resize(500, 300);
    QVERIFY(Window().close());

    Reopen();
    Window().UseSettingsFile(SettingsPath());
    DisplayWindows& next = Window().CreateDisplayWindows();
    QCOMPARE(Child<QSlider>("Czestotliwosc")->value(), 27);
    QCOMPARE(RecentItems().size(), 1);
    QVERIFY(Action("FlagiProcesora8085")->isChecked() &&
            Machine().FlagRuleSet != FlagRules::Kwarcyt);
    QVERIFY(!next.FormAlfanumeryczny->isVisible());
    next.FormAlfanumeryczny->show();
    QCOMPARE(next.FormAlfanumeryczny->pos(), QPoint(40, 50));
    Action("PodgladPamieci")->trigger();
    QCOMPARE(Child<QWidget>("FormPamiec")->size(), QSize(500, 300));
    Action("Zapiszjako")->trigger();
    QCOMPARE(Script().fileDialogs.last().proposed, Path("Nowy.txt"));
  }

  void displaySettingsRoundTrip() {
    RememberedState state;
    state.displays.alphanumericBase = 0xF000;
    state.displays.grayscaleRate = 5;
    state.displays.monochromeBorder = true;
    QVERIFY(WindowSettings(SettingsPath()).Store(state));
    QVERIFY(WindowSettings(SettingsPath()).Remembered().displays == state.displays);
  }

  void unusableSettingsAreIgnored_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe[[[\x01=\x02\n", 10);
    QTest::newRow("values out of range") << QByteArray(
        "speed=99\n[displays]\nalphanumericBase=4097\nmonochromeRate=7\n"
        "grayscaleBorder=@Point(1 2)\n[window]\nposition=@Point(-90000 5)\n");
    QTest::newRow("wrong types") << QByteArray("speed=szybko\n[files]\nlastFolder=/brak/takiego\n");
    QTest::newRow("a folder") << QByteArray();
  }
  void unusableSettingsAreIgnored() {
    QFETCH(QByteArray, contents);
    if (contents.isEmpty()) {
      QVERIFY(QDir().mkpath(SettingsPath()));
      QVERIFY(!WindowSettings(SettingsPath()).Remembered().speed);
      return;
    }
    WriteText(SettingsPath(), contents);
    const RememberedState read = WindowSettings(SettingsPath()).Remembered();
    QVERIFY(!read.speed && !read.position && read.lastFolder.isEmpty());
    QVERIFY(read.displays == DisplaySettings{});
    // The next close writes a usable file over it.
    Window().UseSettingsFile(SettingsPath());
    QVERIFY(Window().close());
    QCOMPARE(WindowSettings(SettingsPath()).Remembered().speed, std::optional<int>(10));
  }

  // A pipe in place of the settings or of their lock would stop the program inside QSettings:
  // it is neither read nor written.
  void specialSettingsFilesAreLeftAlone() {
    for (const QString& special : {SettingsPath(), SettingsPath() + ".lock"}) {
      QCOMPARE(::mkfifo(QFile::encodeName(special).constData(), 0600), 0);
      WindowSettings settings(SettingsPath());
      QVERIFY(!settings.Remembered().speed);
      QVERIFY(!settings.Store(RememberedState()));
      QVERIFY(QFile::remove(special));
    }
  }

  // The explanation window first opens beside the main window where the screen has room, and
  // otherwise whole on the screen, above the main window's status bar.
  void toolWindowOpensBesideTheMainWindow() {
    const QRect screen(0, 0, 1600, 1000);
    const std::pair<QRect, QRect> besideAndAbove[]{
        {QRect(0, 100, 700, 500), QRect(700, 100, 400, 300)},
        {QRect(900, 100, 700, 500), QRect(500, 100, 400, 300)},
        {screen, QRect(1200, 680, 400, 300)}};
    for (const auto& [main, frame] : besideAndAbove) {
      const QRect statusBar(main.left(), main.bottom() - 19, main.width(), 20);
      QCOMPARE(BesideFrame(main, statusBar, {400, 300}, screen), frame);
    }
  }

  void controlsHavePolishAccessibleNames() {
    Machine().A = 7;
    Machine().setHL(0x2FF);
    Machine().Memory[1] = 65;
    Machine().InputPorts[0] = 9;
    Window().PokazRejestry();
    Window().PokazPamiec();
    Window().PokazPortyWej();
    const std::pair<const char*, const char*> kNames[] = {
        {"Memo", "Program"},
        {"Czestotliwosc", "Częstotliwość"},
        {"A10", "Akumulator A: 7, 07h, 00000111b"},
        {"HL10", "Para rejestrów HL: 767, 02FFh, 0000001011111111b"},
        {"PC10", "Licznik rozkazów PC: 0, 0000h, 0000000000000000b"},
        {"CheckBoxFlagaC", "Flaga przeniesienia CY"},
        {"LabelA2", "Komórka pamięci 0001h: 65, 41h, 01000001b"},
        {"LabelRamHL", "Komórka pamięci wskazywana przez HL, 02FFh: 0, 00h, 00000000b"},
        {"LabelIN1", "Port wejściowy 00h: 9, 09h, 00001001b"},
        {"ScrollBarRAM", "Pamięć RAM – przewijanie"},
    };
    for (const auto& [control, name] : kNames) {
      QCOMPARE(AccessibleText(Child(control)), QString::fromUtf8(name));
    }
  }

  void valuesOfControlsAreSpoken() {
    Machine().CY = 1;
    Window().PokazFlagi();
    QVERIFY(QAccessible::queryAccessibleInterface(Child("CheckBoxFlagaC"))->state().checked);
    QCOMPARE(AccessibleText(Child("Czestotliwosc"), QAccessible::Value), QString("10"));
    DisplayWindows displays(Machine(), Window().Settings(), &Window());
    QCOMPARE(AccessibleText(displays.FormAlfanumeryczny.get()),
             QString("Kwarcyt - Wyświetlacz alfanumeryczny"));
  }
};

QTEST_MAIN(DesktopTest)
#include "Desktop_test.moc"
