// What kwarcyt-run prints: the trace, the text for a person, the JSON shape, standard input, help.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "RunnerProcess.h"

namespace kwarcyt::testing {
namespace {

const QByteArray kCountdown = "MVI A,2\nPETLA:\nDCR A\nJNZ PETLA\nOUT 3\nHLT\n";

TEST(TraceTest, OneLinePerCompletedStepOnStandardError) {
  const RunnerOutcome run = RunOnFile({"--trace", "--json"}, kCountdown);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.Steps(), 8) << "HLT counts as a step";
  EXPECT_EQ(run.ErrLines(), std::vector<std::string>({
                                "0 Wykonano rozkaz: MVI A,2",
                                "1 Wykonano rozkaz: ",
                                "2 Wykonano rozkaz: DCR A",
                                "3 Wykonano rozkaz: JNZ PETLA",
                                "2 Wykonano rozkaz: DCR A",
                                "3 Wykonano rozkaz: JNZ PETLA",
                                "4 Wykonano rozkaz: OUT 3",
                            }))
      << "HLT ends the run before its step completes, so it has no line";
  EXPECT_EQ(run.json["status"].toString().toStdString(), "Wykonano rozkaz: OUT 3");
}

TEST(TraceTest, FailingStepHasNoLine) {
  const RunnerOutcome run = RunOnFile({"--trace"}, "LXI H,5\nPCHL\n");
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(run.ErrLines(), std::vector<std::string>({"0 Wykonano rozkaz: LXI H,5"}));
}

TEST(TraceTest, StepLimitCutsTheTrace) {
  const RunnerOutcome run = RunOnFile({"--trace", "--max-steps", "3"}, kCountdown);
  EXPECT_EQ(run.exitCode, 4);
  EXPECT_EQ(run.ErrLines().size(), 3u);
}

TEST(JsonTest, HasEveryKeyInItsShape) {
  const RunnerOutcome run = RunOnFile({"--json", "--dump", "0:2"}, kCountdown);
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.json.keys(), QStringList({"checked", "end", "errors", "flags", "memory", "out",
                                          "registers", "status", "steps", "tstates"}));
  EXPECT_EQ(run.json["registers"].toObject().keys(),
            QStringList({"A", "B", "C", "D", "E", "H", "L", "PC", "SP"}));
  EXPECT_EQ(run.json["flags"].toObject().keys(), QStringList({"AC", "CY", "P", "S", "Z"}));
  const QJsonArray out = run.json["out"].toArray();
  ASSERT_EQ(out.size(), 256);
  for (int port = 0; port < 256; ++port) EXPECT_EQ(out[port].toInt(-1), 0) << port;
  EXPECT_EQ(run.Flag("Z"), 1);
  EXPECT_TRUE(run.out.endsWith("}\n"));
  EXPECT_EQ(run.out.count('\n'), 1) << "exactly one object";
}

TEST(JsonTest, MessagesKeepPolishLetters) {
  const RunnerOutcome run = RunOnFile({"--json"}, "MVI A,300\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.Errors(), std::vector<std::string>(
                              {"0: Nieprawidłowa liczba lub jest poza zakresem {0..255} [300]"}));
}

TEST(InputTest, DashReadsStandardInput) {
  const RunnerOutcome run = RunWithArguments({"--json", "-"}, "MVI B,42\r\nHLT\r\n");
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.End(), "hlt");
  EXPECT_EQ(run.Register("B"), 42);
}

TEST(InputTest, Windows1250FileWithLoneCrBreaks) {
  // A comment in the Central European code page, lines ended by CR alone.
  const RunnerOutcome run = RunOnFile({"--json"}, "/p\xEAtla \xB3\xB9\x9C\rMVI C,3\rHLT");
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.Register("C"), 3);
  EXPECT_EQ(run.Steps(), 3);
}

TEST(InputTest, ByteOrderMarkIsNotPartOfTheFirstLine) {
  const RunnerOutcome run = RunOnFile({"--json"}, "\xEF\xBB\xBFMVI D,1\nHLT");
  EXPECT_EQ(run.exitCode, 0) << run.Errors().size();
  EXPECT_EQ(run.Register("D"), 1);
}

TEST(TextTest, ShowsTheStateInTheViewsFormats) {
  const RunnerOutcome run =
      RunOnFile({"--dump", "2000h:10", "--set", "SP=0F000h"},
                "MVI A,75\nOUT 1\nLXI H,2009h\nMVI M,0FFh\nMVI A,0\nSTC\nHLT");
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QString text = QString::fromUtf8(run.out);
  for (const char* expected : {
           "Program zatrzymany rozkazem HLT.",
           "Wykonane kroki: 7",
           "Takty: 53",
           "Pasek stanu: Wykonano rozkaz: STC",
           "  A:    0 00 00000000",
           "  H:   32 20 00100000",
           "  L:    9 09 00001001",
           "  HL:  8201  2009  0010000000001001",
           "  PC:     6  0006  0000000000000110",
           "  SP: 61440  F000  1111000000000000",
           "S=0  Z=0  AC=0  P=0  CY=1",
           "   01:   75  4B",
           "   2000:    0 00    0 00    0 00    0 00    0 00    0 00    0 00    0 00",
           "   2008:    0 00  255 FF",
       }) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                            << text.toStdString();
  }
  EXPECT_FALSE(text.contains("   00:")) << "output ports that hold 0 are left out";
}

TEST(TextTest, SyntaxErrorPrintsTheErrorList) {
  const RunnerOutcome run = RunOnFile({}, "MVI A,5\nMOV A\nJMP NIGDZIE\n");
  EXPECT_EQ(run.exitCode, 1);
  const QString text = QString::fromUtf8(run.out);
  EXPECT_TRUE(text.contains("\n  1: ")) << text.toStdString();
  EXPECT_TRUE(text.contains("\n  2: ")) << text.toStdString();
  EXPECT_TRUE(text.contains("nie został uruchomiony")) << text.toStdString();
}

// ESC, BEL and their kind from a student's file must not reach the teacher's terminal raw.
TEST(TextTest, ControlCharactersAreShownEscaped) {
  const RunnerOutcome run = RunOnFile({"--trace"}, "MVI A,'\x1B'\nMVI B,'\x7F'\nHLT\n");
  EXPECT_EQ(run.ErrLines(), std::vector<std::string>({"0 Wykonano rozkaz: MVI A,'\\x1B'",
                                                      "1 Wykonano rozkaz: MVI B,'\\x7F'"}));
  EXPECT_TRUE(run.out.contains("Pasek stanu: Wykonano rozkaz: MVI B,'\\x7F'"))
      << run.out.toStdString();

  const RunnerOutcome check = RunOnFile({"--check"}, "ADD X\x07\xC2\x85\tY\n");
  EXPECT_TRUE(check.out.contains("0: Nieprawidłowy rejestr [X\\x07\\x85\\x09Y]"))
      << check.out.toStdString();
}

TEST(TextTest, CheckPrintsTheVerdict) {
  const RunnerOutcome passed = RunOnFile({"--check"}, "HLT");
  EXPECT_EQ(passed.exitCode, 0);
  EXPECT_TRUE(passed.out.contains("Program jest poprawny.")) << passed.out.toStdString();
  const RunnerOutcome failed = RunOnFile({"--check"}, "MOV A");
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_TRUE(failed.out.startsWith("Lista błędów:\n  0: ")) << failed.out.toStdString();
  EXPECT_TRUE(failed.out.contains("Program zawiera błędy.")) << failed.out.toStdString();
}

TEST(HelpTest, ExplainsEveryOptionInPolish) {
  const RunnerOutcome run = RunWithArguments({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.err.isEmpty());
  const QString text = QString::fromUtf8(run.out);
  for (const char* expected :
       {"Sposób użycia:", "Opcje:", "--check", "--json", "--trace", "--max-steps", "--set", "--mem",
        "--in", "--dump", "PLIK", "standardowe wejście", "Kody wyjścia"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
  }
  EXPECT_FALSE(text.contains("Usage")) << text.toStdString();
}

}  // namespace
}  // namespace kwarcyt::testing
