// Grading the sample programs of the example assignments: each scores what its mistake deserves,
// and the teacher's table names the mistake.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <map>
#include <string>

namespace {

struct Graded {
  int exitCode = -1;
  QString out;
};

Graded Grade(const QStringList& arguments) {
  QProcess runner;
  runner.setWorkingDirectory(QStringLiteral(KWARCYT_EXAMPLES "/zadania"));
  runner.start(QStringLiteral(KWARCYT_RUN), arguments);
  EXPECT_TRUE(runner.waitForFinished(60000));
  EXPECT_EQ(runner.exitStatus(), QProcess::NormalExit);
  EXPECT_TRUE(runner.readAllStandardError().isEmpty());
  return {runner.exitCode(), QString::fromUtf8(runner.readAllStandardOutput())};
}

struct Assignment {
  const char* name;
  std::map<std::string, int> points;  // per sample program; the one that fails the check has 0
  friend void PrintTo(const Assignment& a, std::ostream* os) { *os << a.name; }
};

class GradedExampleTest : public ::testing::TestWithParam<Assignment> {};

TEST_P(GradedExampleTest, EverySampleScoresWhatItDeserves) {
  const QString name = QString::fromLatin1(GetParam().name);
  const Graded graded = Grade({"--json", "--zadanie", name + ".json", name});
  EXPECT_EQ(graded.exitCode, 5);
  std::map<std::string, int> points;
  for (const QJsonValue& program :
       QJsonDocument::fromJson(graded.out.toUtf8())["programs"].toArray()) {
    points[QFileInfo(program["file"].toString()).fileName().toStdString()] =
        program["points"].toInt(-1);
    for (const QJsonValue& one : program["cases"].toArray()) {
      EXPECT_EQ(one["passed"].toBool(), one["differences"].toArray().isEmpty());
      EXPECT_TRUE(one["run"].isObject());
    }
  }
  EXPECT_EQ(points, GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Assignments, GradedExampleTest,
    ::testing::Values(
        Assignment{"suma", {{"dobra.txt", 5}, {"dziewiec-bajtow.txt", 1}, {"literowka.txt", 0}}},
        Assignment{"maksimum",
                   {{"dobra.txt", 3}, {"ze-znakiem.txt", 2}, {"bez-etykiety.txt", 0}}}));

TEST(GradedExampleTableTest, ShowsMarksPointsAndTheFirstDifference) {
  const Graded graded = Grade({"--zadanie", "suma.json", "suma"});
  EXPECT_EQ(graded.exitCode, 5);
  const QStringList lines = graded.out.split('\n');
  for (const char* line :
       {"suma/dobra.txt           + + + + +  5/5",
        "suma/literowka.txt       - - - - -  0/5  program zawiera błędy: 7: Brak zdefiniowanej "
        "etykiety [SUMOJ]",
        "suma/dziewiec-bajtow.txt, przypadek „same jedynki”: A: oczekiwano 10 (0Ah), jest 9 "
        "(09h)"}) {
    EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << graded.out.toStdString();
  }
}

TEST(GradedExampleTableTest, AllPassedExitsWithZero) {
  EXPECT_EQ(Grade({"--zadanie", "suma.json", "suma/dobra.txt"}).exitCode, 0);
  EXPECT_EQ(Grade({"--zadanie", "maksimum.json", "maksimum/dobra.txt"}).exitCode, 0);
}

}  // namespace
