#include <QFile>

#include "WindowFixture.h"

using namespace kwarcyt;

class ImportCommandTest : public QObject, public WindowFixture {
  Q_OBJECT

 private slots:
  void init() { Open(); }
  void cleanup() { Close(); }

  // Unsaved work is offered for saving first; the converted program is new, unsaved work named
  // after its source, with the notes below the check's messages until another program replaces it.
  void importsAfterTheSaveQuestion() {
    QTemporaryDir folder;
    const QString source = folder.filePath("lab.asm");
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("; lab\n\tORG 3000H\nstart:\tlda 2050\n\tRST 1\n\tDB 5\n");
    file.close();

    TypeByKeys("NOP");
    Script().openNames << source;
    Script().answers << QMessageBox::Cancel;
    Action("Importuj")->trigger();
    QCOMPARE(Script().fileDialogs.size(), 0);

    Script().answers << QMessageBox::No;
    Action("Importuj")->trigger();
    QCOMPARE(DialogsShown().first(), QString("Program został zmieniony, zapisać?"));
    QCOMPARE(Script().fileDialogs.size(), 1);
    QCOMPARE(Script().fileDialogs[0].caption, QString("Kwarcyt - Importuj program"));
    QVERIFY(Script().fileDialogs[0].filter.endsWith("(*.asm *.a85 *.txt)"));

    QCOMPARE(Memo()->toPlainText(),
             QString("/ lab\n/ Dane programu wpisywane do pamięci przed jego startem\n"
                     "LXI H,3004h\nMVI M,5\nLXI H,0\nstart:\nlda 2050h\nHLT\n"));
    QVERIFY(Modified());
    QVERIFY(!Window().HasFileName());
    QCOMPARE(Window().windowTitle(), QString("Kwarcyt - lab.txt"));
    const QStringList errors = ErrorText().split('\n');
    QCOMPARE(errors.size(), 3);
    QVERIFY(errors[0].startsWith("Import: 1: dodano 4 wiersze"));
    QVERIFY(errors[1].startsWith("Import: 6: 2050 odczytano jako 2050h"));
    QVERIFY(errors[2].startsWith("Import: 7: RST 1 zamieniono na HLT"));

    TypeByKeys(" ");
    QVERIFY(ErrorText().endsWith(errors[2]));

    Action("Zapisz")->trigger();
    QCOMPARE(Script().fileDialogs.last().proposed, folder.filePath("lab.txt"));

    Script().answers << QMessageBox::No;
    Action("Nowy")->trigger();
    QCOMPARE(ErrorText(), QString("Program jest pusty"));

    // A result longer than a program may be replaces nothing and says why.
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("DB " + QByteArray("1,").repeated(40000) + "1\n");
    file.close();
    TypeByKeys("NOP");
    Script().answers << QMessageBox::No;
    Script().openNames << source;
    Action("Importuj")->trigger();
    QVERIFY(Script().reasons.last().contains("najwyżej 65535"));
    QCOMPARE(Memo()->toPlainText(), QString("NOP"));
  }

  // A checked line in the common syntax gets the hint once below the check's message; a fault
  // of Kwarcyt's own syntax does not.
  void hintPointsToTheImport() {
    const QString hint(
        "Wskazówka: w Kwarcycie etykieta stoi sama w wierszu, a komentarz zaczyna się od /. "
        "Program w innej składni wczytasz przez Plik > Importuj.");
    TypeByKeys("START: MVI A, 05H ; komentarz");
    QVERIFY2(ErrorText().endsWith("]\n" + hint), qPrintable(ErrorText()));
    Memo()->clear();
    TypeByKeys("MVI X,1");
    QVERIFY(!ErrorText().isEmpty());
    QVERIFY(!ErrorText().contains(hint));
  }

  // Open asks before it reads a file of the common syntax as written: Tak imports it, Nie opens it.
  void openOffersTheImport() {
    QTemporaryDir folder;
    const QString source = folder.filePath("lab.asm");
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("START: MVI A,5 ; pięć\n\tHLT\n") > 0);
    file.close();
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
      Script().openNames << source;
      Script().answers << answer;
      Action("Otworz")->trigger();
      QCOMPARE(DialogsShown().last(),
               QString("Ten plik wygląda na program w innej składni. Zaimportować go?"));
      QCOMPARE(Script().questionCaptions.last(), QString("Kwarcyt"));
      QCOMPARE(Window().HasFileName(), answer == QMessageBox::No);
      QCOMPARE(Memo()->toPlainText().contains(';'), answer == QMessageBox::No);
    }
  }
};

QTEST_MAIN(ImportCommandTest)
#include "ImportCommand_test.moc"
