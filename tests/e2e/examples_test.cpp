// Runs every example program through kwarcyt-run and checks the machine it leaves behind.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <map>
#include <string>
#include <vector>

namespace {

struct Expected {
  std::string file;
  std::map<std::string, int> registers;
  std::map<std::string, int> flags;
  std::map<int, int> out;                                // port -> value
  std::vector<std::pair<int, std::vector<int>>> memory;  // address -> bytes from there
  friend void PrintTo(const Expected& e, std::ostream* os) { *os << e.file; }
};

std::vector<int> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

std::vector<int> GradientRow() {
  std::vector<int> row;
  for (int column = 0; column < 16; ++column) row.push_back(17 * column);
  return row;
}

QJsonObject RunExample(const QString& file, const QStringList& dumps) {
  QStringList arguments{"--json"};
  for (const QString& dump : dumps) arguments << "--dump" << dump;
  arguments << file;
  QProcess runner;
  runner.start(QStringLiteral(KWARCYT_RUN), arguments);
  EXPECT_TRUE(runner.waitForFinished(60000));
  EXPECT_EQ(runner.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(runner.exitCode(), 0) << runner.readAllStandardError().toStdString();
  QJsonParseError error;
  const QJsonDocument json = QJsonDocument::fromJson(runner.readAllStandardOutput(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  return json.object();
}

class ExampleTest : public ::testing::TestWithParam<Expected> {};

TEST_P(ExampleTest, HaltsWithTheExpectedState) {
  const Expected& e = GetParam();
  QStringList dumps;
  for (const auto& [address, bytes] : e.memory) {
    dumps << QStringLiteral("%1:%2").arg(address).arg(bytes.size());
  }
  const QJsonObject result = RunExample(
      QDir(QStringLiteral(KWARCYT_EXAMPLES)).filePath(QString::fromStdString(e.file)), dumps);

  EXPECT_TRUE(result["checked"].toBool());
  EXPECT_EQ(result["end"].toString().toStdString(), "hlt");
  EXPECT_TRUE(result["errors"].toArray().isEmpty());
  for (const auto& [name, value] : e.registers) {
    EXPECT_EQ(result["registers"].toObject()[QString::fromStdString(name)].toInt(), value)
        << "register " << name;
  }
  for (const auto& [name, value] : e.flags) {
    EXPECT_EQ(result["flags"].toObject()[QString::fromStdString(name)].toInt(), value)
        << "flag " << name;
  }
  const QJsonArray out = result["out"].toArray();
  ASSERT_EQ(out.size(), 256);
  for (const auto& [port, value] : e.out) EXPECT_EQ(out[port].toInt(), value) << "port " << port;
  const QJsonArray memory = result["memory"].toArray();
  ASSERT_EQ(memory.size(), static_cast<qsizetype>(e.memory.size()));
  for (std::size_t i = 0; i < e.memory.size(); ++i) {
    const QJsonObject dump = memory[static_cast<qsizetype>(i)].toObject();
    EXPECT_EQ(dump["address"].toInt(), e.memory[i].first);
    std::vector<int> values;
    for (const QJsonValue& v : dump["values"].toArray()) values.push_back(v.toInt());
    EXPECT_EQ(values, e.memory[i].second) << "memory from " << e.memory[i].first;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleTest,
    ::testing::Values(
        Expected{"suma.txt",
                 {{"A", 55}, {"B", 0}, {"H", 0x21}, {"L", 0x0A}},
                 {{"Z", 1}, {"CY", 0}},
                 {{1, 55}},
                 {{0x2100, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, {0x2200, {55}}}},
        Expected{"petla.txt", {{"A", 1}, {"B", 0}, {"C", 5}}, {{"Z", 1}}, {{0, 1}}, {}},
        Expected{"podprogram.txt",
                 {{"A", 42}, {"B", 0}, {"D", 6}, {"E", 7}, {"SP", 0xF000}},
                 {},
                 {{2, 42}},
                 {}},
        Expected{"sortowanie.txt", {}, {}, {}, {{0x2100, {1, 7, 15, 30, 42, 63, 99, 250}}}},
        Expected{"bcd.txt", {{"A", 0x26}}, {{"CY", 1}}, {{0, 0x83}, {1, 0x26}}, {}},
        Expected{"tekst.txt",
                 {},
                 {},
                 {},
                 {{0x1000, Bytes("Witaj, swiecie!")}, {0x1020, Bytes("Kwarcyt 8085")}}},
        Expected{"obrazek.txt",
                 {{"H", 0x20}, {"L", 0x08}},
                 {},
                 {},
                 {{0x2000, {0x3C, 0x42, 0xA5, 0x81, 0xA5, 0x99, 0x42, 0x3C}}}},
        Expected{"gradient.txt",
                 {{"H", 0x31}, {"L", 0x00}, {"C", 0}},
                 {},
                 {},
                 {{0x3000, GradientRow()}, {0x30F0, GradientRow()}}}));

TEST(ExamplesFolderTest, EveryExampleIsCovered) {
  const QStringList files =
      QDir(QStringLiteral(KWARCYT_EXAMPLES)).entryList({QStringLiteral("*.txt")}, QDir::Files);
  EXPECT_EQ(files.size(), 8) << files.join(' ').toStdString();
}

}  // namespace
