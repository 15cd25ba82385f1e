#include "sourcefile/ProgramText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Readable failure messages for the Qt types compared below.
void PrintTo(const QStringList& lines, std::ostream* os) {
  *os << "[";
  for (const QString& line : lines) *os << '"' << line.toStdString() << "\" ";
  *os << "]";
}

namespace kwarcyt {

void PrintTo(TextEncoding encoding, std::ostream* os) {
  *os << (encoding == TextEncoding::Utf8 ? "UTF-8" : "Windows-1250");
}

namespace {

struct DecodeCase {
  const char* name;
  QByteArray bytes;
  QStringList lines;
  TextEncoding encoding;
  friend void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }
};

class DecodeProgramTextTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeProgramTextTest, GivesTheEditorsLinesAndTheEncoding) {
  const DecodeCase& c = GetParam();
  const ProgramText text = DecodeProgramText(c.bytes);
  EXPECT_EQ(text.lines, c.lines);
  EXPECT_EQ(text.encoding, c.encoding);
}

using enum TextEncoding;
const QString kByteOrderMark(QChar(0xFEFF));

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, DecodeProgramTextTest,
    ::testing::Values(DecodeCase{"EmptyFileHasNoLines", "", {}, Utf8},
                      DecodeCase{"NoLineBreak", "HLT", {"HLT"}, Utf8},
                      DecodeCase{"LfOnly", "MVI A,5\nHLT", {"MVI A,5", "HLT"}, Utf8},
                      DecodeCase{"CrOnly", "MVI A,5\rHLT", {"MVI A,5", "HLT"}, Utf8},
                      DecodeCase{"CrLf", "MVI A,5\r\nHLT", {"MVI A,5", "HLT"}, Utf8},
                      DecodeCase{"Mixed", "A:\r\nNOP\rNOP\nHLT", {"A:", "NOP", "NOP", "HLT"}, Utf8},
                      DecodeCase{"FinalBreakGivesFinalEmptyLine", "HLT\r\n", {"HLT", ""}, Utf8},
                      DecodeCase{"LoneBreakIsTwoEmptyLines", "\n", {"", ""}, Utf8},
                      DecodeCase{"CrLfIsOneBreak", "\r\n", {"", ""}, Utf8},
                      DecodeCase{"LfCrIsTwoBreaks", "\n\r", {"", "", ""}, Utf8},
                      DecodeCase{
                          "BlankLinesKept", "NOP\r\n\r\n\r\nHLT", {"NOP", "", "", "HLT"}, Utf8},
                      DecodeCase{"TabsAndSpacesKept", " \tMOV A,B \t", {" \tMOV A,B \t"}, Utf8}));

INSTANTIATE_TEST_SUITE_P(
    Encodings, DecodeProgramTextTest,
    ::testing::Values(
        DecodeCase{"ValidUtf8",
                   "/za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\r\nHLT",
                   {QString::fromUtf8("/zażółć"), "HLT"},
                   Utf8},
        DecodeCase{"Windows1250", "/\xB9\x9C\xB3\r\n/\xA5\x8C\xA3", {"/ąśł", "/ĄŚŁ"}, Windows1250},
        DecodeCase{"OneInvalidByteMakesTheWholeFileWindows1250",
                   "/\xC5\xBC\r\n/\xB9",
                   {"/ĹĽ", "/ą"},
                   Windows1250},
        DecodeCase{"IncompleteSequenceAtTheEnd", "/abc\xC4", {"/abcÄ"}, Windows1250},
        DecodeCase{"ByteOrderMarkDropped", "\xEF\xBB\xBFHLT", {"HLT"}, Utf8},
        DecodeCase{"ByteOrderMarkAloneIsAnEmptyFile", "\xEF\xBB\xBF", {}, Utf8},
        DecodeCase{"OnlyTheFirstByteOrderMarkIsDropped",
                   "\xEF\xBB\xBF\xEF\xBB\xBFHLT",
                   {kByteOrderMark + "HLT"},
                   Utf8},
        DecodeCase{
            "ByteOrderMarkDroppedBeforeWindows1250Text", "\xEF\xBB\xBF/\xB9", {"/ą"}, Windows1250},
        DecodeCase{"ByteOrderMarkLaterInTheLineIsText",
                   "NOP\n\xEF\xBB\xBFHLT",
                   {"NOP", kByteOrderMark + "HLT"},
                   Utf8}));

struct EncodeCase {
  const char* name;
  QStringList lines;
  TextEncoding preferred;
  QByteArray bytes;
  TextEncoding used;
  friend void PrintTo(const EncodeCase& c, std::ostream* os) { *os << c.name; }
};

class EncodeProgramTextTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeProgramTextTest, JoinsByCrLfInTheEncodingThatKeepsEveryCharacter) {
  const EncodeCase& c = GetParam();
  const EncodedProgram encoded = EncodeProgramText(c.lines, c.preferred);
  EXPECT_EQ(encoded.bytes.toHex(' '), c.bytes.toHex(' '));
  EXPECT_EQ(encoded.encoding, c.used);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncodeProgramTextTest,
    ::testing::Values(
        EncodeCase{"NoLines", {}, Utf8, "", Utf8},
        EncodeCase{"NothingAfterTheLastLine", {"MVI A,5", "HLT"}, Utf8, "MVI A,5\r\nHLT", Utf8},
        EncodeCase{"FinalEmptyLineGivesFinalBreak", {"HLT", ""}, Utf8, "HLT\r\n", Utf8},
        EncodeCase{"Utf8WithoutByteOrderMark", {"/ąś"}, Utf8, "/\xC4\x85\xC5\x9B", Utf8},
        EncodeCase{
            "Windows1250Kept", {"/ąśł", "HLT"}, Windows1250, "/\xB9\x9C\xB3\r\nHLT", Windows1250},
        EncodeCase{"Windows1250FallsBackToUtf8",
                   {"/ą", "/→"},
                   Windows1250,
                   "/\xC4\x85\r\n/\xE2\x86\x92",
                   Utf8},
        EncodeCase{"AsciiStaysWindows1250", {"HLT"}, Windows1250, "HLT", Windows1250}));

TEST(ProgramTextRoundTrip, Windows1250FileIsWrittenBackByteForByte) {
  // Every byte but the line breaks, in lines of sixteen; the five bytes the code page leaves
  // undefined must come back too.
  QByteArray file;
  for (int code = 0x00; code <= 0xFF; ++code) {
    if (code != '\r' && code != '\n') file.append(static_cast<char>(code));
    if (code % 16 == 15 && code != 0xFF) file.append("\r\n");
  }
  const ProgramText text = DecodeProgramText(file);
  ASSERT_EQ(text.encoding, TextEncoding::Windows1250);
  const EncodedProgram written = EncodeProgramText(text.lines, text.encoding);
  EXPECT_EQ(written.encoding, TextEncoding::Windows1250);
  EXPECT_EQ(written.bytes.toHex(' '), file.toHex(' '));
}

// Reading drops one byte order mark; text that itself begins like one must survive a save.
TEST(ProgramTextRoundTrip, TextThatBeginsLikeAByteOrderMarkIsKept) {
  for (const QByteArray& file :
       {QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xFF")}) {
    const ProgramText text = DecodeProgramText(file);
    const EncodedProgram written = EncodeProgramText(text.lines, text.encoding);
    EXPECT_EQ(DecodeProgramText(written.bytes).lines, text.lines) << file.toHex().constData();
  }
}

TEST(ProgramTextRoundTrip, LfFileIsWrittenBackWithCrLf) {
  const ProgramText text = DecodeProgramText("MVI A,5\nHLT\n");
  EXPECT_EQ(EncodeProgramText(text.lines, text.encoding).bytes, "MVI A,5\r\nHLT\r\n");
}

}  // namespace
}  // namespace kwarcyt
