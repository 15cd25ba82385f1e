// Arbitrary text must never break the checker: every outcome is a well-formed error list.
#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "checker/LabelTable.h"
#include "checker/ProgramCheck.h"

namespace kwarcyt {
namespace {

using Lines = std::vector<std::string>;

const std::set<std::string, std::less<>> kHelpLines = {
    "Dozwolone tylko litery, cyfry oraz znak podkreślenia",
    "Pierwszym znakiem musi być litera, maksymalna długość 32 znaki",
    "W miejsce [r] należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H,L lub M",
    "W miejsce [v] należy podać liczbę z zakresu {0..255}",
    "W miejsce [nazwa] należy podać nazwę etykiety",
    "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B,D,H lub SP",
    "B,D i H to pierwsze litery rejestrów BC, DE i HL",
    "W miejsce [aa] należy podać adres z zakresu {0..65535}",
    "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B lub D",
    "B i D to pierwsze litery rejestrów BC i DE",
    "W miejsce [rr] należy podać jeden z rejestrów: B,D,H lub SP",
    "W miejsce [vv] należy podać liczbę z zakresu {0..65535}",
    "W miejsce [r1] należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H lub L",
    "W miejsce [r1] i [r2] należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H,L lub M",
    "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B,D,H lub PSW",
    "PSW to rejestr będący połączeniem 8-bitowych rejestrów: A i flagowego",
    "W miejsce [n] należy podać numer procedury z zakresu {0..7}",
};

// The line index a message starts with, or -1 when the text is no message.
int MessageIndex(std::string_view text) {
  int index = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
  if (error != std::errc{} || end == text.data() || !std::string_view(end).starts_with(": ")) {
    return -1;
  }
  return index;
}

// Every line is a message about an existing line or a help line right after a message.
void ExpectWellFormed(const ErrorList& errors, std::size_t lineCount) {
  for (std::size_t i = 0; i < errors.size(); ++i) {
    const int index = MessageIndex(errors[i]);
    if (index >= 0) {
      EXPECT_LT(static_cast<std::size_t>(index), lineCount) << errors[i];
    } else {
      EXPECT_TRUE(kHelpLines.contains(errors[i])) << "not a message: [" << errors[i] << "]";
      EXPECT_GT(i, 0u) << "a help line opens the list";
    }
  }
}

class RandomProgram {
 public:
  explicit RandomProgram(unsigned seed) : random_(seed) {}

  Lines Next() {
    Lines lines(Pick(0, 12));
    for (std::string& line : lines) line = Line();
    return lines;
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  // Pieces of the language mixed with raw bytes, so that most lines get past the first tests.
  std::string Line() {
    static const std::vector<std::string> kPieces = {
        "MOV", "MVI", "LXI", "RST",   "JMP", "PUSH", "NOP",  "ADD", "CPI", "LDA", "A",
        "M",   "SP",  "PSW", "RST_3", "L1",  ",",    ",",    " ",   " ",   "\t",  ":",
        "/",   "'",   "0",   "7",     "255", "FFH",  "101B", "-",   "$",   "0X",  "ą"};
    std::string line;
    const int parts = Pick(0, 8);
    for (int i = 0; i < parts; ++i) {
      if (Pick(0, 4) == 0) {
        line += static_cast<char>(Pick(0, 255));
      } else {
        line += kPieces[static_cast<std::size_t>(Pick(0, static_cast<int>(kPieces.size()) - 1))];
      }
    }
    return line;
  }

  std::mt19937 random_;
};

TEST(CheckerRobustnessTest, RandomProgramsGiveWellFormedLists) {
  RandomProgram generator(20240611);
  for (int round = 0; round < 3000; ++round) {
    const Lines program = generator.Next();
    SCOPED_TRACE("round " + std::to_string(round));

    LabelTable labels;
    ErrorList errors;
    bool programChecked = false;
    Kompiluj(program, labels, errors, programChecked);
    ExpectWellFormed(errors, program.size());
    EXPECT_EQ(programChecked, errors.empty());
    EXPECT_LE(labels.LabelCount(), LabelTable::kSlots);

    const int caret = generator.Pick(-1, static_cast<int>(program.size()) + 1);
    programChecked = true;
    const bool any = CheckWhileEditing(program, caret, labels, errors, programChecked);
    EXPECT_EQ(any, !program.empty());
    if (any) {
      ExpectWellFormed(errors, program.size());
      EXPECT_EQ(programChecked, errors.empty());
    }
    if (::testing::Test::HasFailure()) break;
  }
}

TEST(CheckerRobustnessTest, HugeLinesAreCheckedLikeShortOnes) {
  const std::string longName(200000, 'A');
  const std::string commas(200000, ',');
  const Lines program = {longName + ":",
                         longName + ":",
                         "JMP " + longName,
                         "MOV A," + commas,
                         "MVI A," + std::string(200000, '1'),
                         std::string(200000, '\0'),
                         "RST " + std::string(100000, '0') + "1",
                         "LXI H," + commas + "5"};
  LabelTable labels;
  ErrorList errors;
  bool programChecked = true;
  Kompiluj(program, labels, errors, programChecked);
  ExpectWellFormed(errors, program.size());
  EXPECT_EQ(errors.size(), 13u);
  EXPECT_FALSE(programChecked);

  EXPECT_TRUE(CheckWhileEditing(program, 2, labels, errors, programChecked));
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_EQ(errors[0], "1: Etykieta powtarza się [" + longName.substr(0, 40) + "…]");
  EXPECT_EQ(errors[1], "2: Nieprawidłowa nazwa etykiety");
}

}  // namespace
}  // namespace kwarcyt
