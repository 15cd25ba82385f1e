// kwarcyt-run --zadanie as a teacher calls it: options it refuses, files it cannot read, the CSV.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <ostream>

#include "RunnerProcess.h"

namespace kwarcyt::testing {
namespace {

const QByteArray kAssignment =
    R"({"cases": [{"name": "wynik", "expect": {"end": "hlt", "out": {"2": 3}}}]})";

class GradingFolder {
 public:
  GradingFolder() { Write("zadanie.json", kAssignment); }
  QString Path(const QString& name) const { return folder_.filePath(name); }
  void Write(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

 private:
  QTemporaryDir folder_;
};

struct RefusedCommand {
  const char* name;
  QStringList options;  // before the assignment and one right program
  QByteArray assignment;
  const char* message;  // after the file name of the assignment when it is about the file
  friend void PrintTo(const RefusedCommand& c, std::ostream* os) { *os << c.name; }
};

class RefusedCommandTest : public ::testing::TestWithParam<RefusedCommand> {};

TEST_P(RefusedCommandTest, ExitsWithTwoAndGradesNothing) {
  const GradingFolder folder;
  folder.Write("prace.txt", "MVI A,3\nOUT 2\nHLT\n");
  folder.Write("zadanie.json", GetParam().assignment);
  const RunnerOutcome run =
      RunWithArguments(QStringList(GetParam().options)
                       << "--zadanie" << folder.Path("zadanie.json") << folder.Path("prace.txt"));
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
  EXPECT_TRUE(run.err.startsWith("kwarcyt-run: ")) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(GetParam().message)) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RefusedCommandTest,
    ::testing::Values(RefusedCommand{"SingleRunSetting",
                                     {"--set", "A=1"},
                                     kAssignment,
                                     "opcji --set nie można łączyć z --zadanie"},
                      RefusedCommand{"TwoOutputForms",
                                     {"--json", "--csv"},
                                     kAssignment,
                                     "opcji --json i --csv nie można łączyć"},
                      RefusedCommand{
                          "BadAssignment",
                          {},
                          R"({"cases": [{"expect": {"out": {"1": 300}}}]})",
                          "zadanie.json: cases[0].expect.out.1: „300” nie jest liczbą z zakresu "
                          "0..255\n"},
                      RefusedCommand{"AssignmentNotUtf8",
                                     {},
                                     "{\"name\": \"Zadanie \xB3\", \"cases\": [{}]}",
                                     "zadanie.json: bajt nr 18 (licząc od 0): to nie jest tekst "
                                     "UTF-8; zapisz plik zadania w kodowaniu UTF-8\n"}));

TEST(GradingCommandTest, RefusesCsvWithoutAnAssignmentAndAnAssignmentWithoutPrograms) {
  EXPECT_EQ(RunOnFile({"--csv"}, "HLT").err.toStdString(),
            "kwarcyt-run: opcja --csv działa tylko z --zadanie\nOpis wszystkich opcji: kwarcyt-run "
            "--help\n");
  const GradingFolder folder;
  const RunnerOutcome run = RunWithArguments({"--zadanie", folder.Path("zadanie.json")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.err.startsWith("kwarcyt-run: nie podano żadnego programu do oceny"));
}

// Every case runs under the assignment's rules unless the command line names others.
TEST(GradingCommandTest, FlagRulesOfTheAssignmentUnlessTheCommandLineSaysOtherwise) {
  const GradingFolder folder;
  folder.Write("prace.txt", "MVI A,5\nCPI 0\nHLT\n");
  folder.Write("zadanie.json",
               R"({"flag_rules": "8085", "cases": [{"expect": {"flags": {"CY": 0}}}]})");
  const QStringList files{"--zadanie", folder.Path("zadanie.json"), folder.Path("prace.txt")};
  EXPECT_EQ(RunWithArguments(files).exitCode, 0);
  EXPECT_EQ(RunWithArguments(QStringList{"--flag-rules", "kwarcyt"} + files).exitCode, 5);
}

// Whatever a folder of hand-ins holds, each entry named *.txt is a row, in the order of names.
TEST(GradingCommandTest, EveryEntryOfAFolderIsARowWithItsReason) {
  const GradingFolder folder;
  ASSERT_TRUE(QDir(folder.Path({})).mkpath("prace/c-folder.txt"));
  folder.Write("prace/a-dobra.txt", "MVI A,3\nOUT 2\nHLT\n");
  folder.Write("prace/b-zla.txt", "MVI A,2\nOUT 2\nHLT\n");
  folder.Write("prace/notatki.md", "nie program");
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.Path("prace/d-potok.txt")).constData(), 0600), 0);
  folder.Write("prace/e-bledy.txt", "MVI A\n");

  const RunnerOutcome run = RunWithArguments({"--csv", "--zadanie", folder.Path("zadanie.json"),
                                              folder.Path("prace"), folder.Path("brak.txt")});
  EXPECT_EQ(run.exitCode, 5) << run.err.toStdString();
  const QString prace = folder.Path("prace/");
  const QString expected =
      QStringLiteral(
          "plik,przypadek,zaliczony,kroki,różnica\n"
          "\"%1a-dobra.txt\",\"wynik\",1,3,\"\"\n"
          "\"%1b-zla.txt\",\"wynik\",0,3,\"port wyjściowy 2: oczekiwano 3 (03h), jest 2 (02h)\"\n"
          "\"%1c-folder.txt\",\"wynik\",0,,\"nie można odczytać pliku: to jest folder, a nie "
          "plik\"\n"
          "\"%1d-potok.txt\",\"wynik\",0,,\"nie można odczytać pliku: to nie jest zwykły plik, "
          "lecz urządzenie, potok lub gniazdo\"\n"
          "\"%1e-bledy.txt\",\"wynik\",0,,\"program zawiera błędy: 0: Należy podać liczbę z "
          "zakresu {0..255}\"\n"
          "\"%2\",\"wynik\",0,,\"nie można odczytać pliku: plik lub folder nie istnieje\"\n")
          .arg(folder.Path("prace/"), folder.Path("brak.txt"));
  EXPECT_EQ(QString::fromUtf8(run.out).toStdString(), expected.toStdString());
}

// A name from an archive made on Windows, "zadłą.txt" in Windows-1250: a folder's listing holds
// it, and it is read, graded and shown with its bytes that are not UTF-8 escaped.
TEST(GradingCommandTest, NamesThatAreNotUtf8AreReadAndShown) {
  const GradingFolder folder;
  const QByteArray name = QFile::encodeName(folder.Path({})) + "/zad\xB3\xB9.txt";
  const QByteArray program = "MVI A,3\nOUT 2\nHLT\n";
  const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT, 0644);
  ASSERT_EQ(::write(descriptor, program.constData(), program.size()), program.size());
  ::close(descriptor);

  for (const auto& [form, shown] : {std::pair{"--csv", "/zad\\xB3\\xB9.txt\",\"wynik\",1,3,\"\"\n"},
                                    std::pair{"--json", "/zad\\\\xB3\\\\xB9.txt\",\"points\":1"}}) {
    const RunnerOutcome run =
        RunWithArguments({form, "--zadanie", folder.Path("zadanie.json"), folder.Path({})});
    EXPECT_EQ(run.exitCode, 0) << form << ": " << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(shown)) << form << ": " << run.out.toStdString();
  }
  ::unlink(name.constData());  // QTemporaryDir cannot remove it either
}

}  // namespace
}  // namespace kwarcyt::testing
