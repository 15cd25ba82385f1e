// The 8085 machine code of programs: every instruction's encoding, whole programs against listings
// and Intel HEX assembled by hand, and the origin's limits.
#include <gtest/gtest.h>

#include <set>

#include "checker/ProgramCheck.h"
#include "core/MachineCode.h"

namespace kwarcyt::testing {
namespace {

// A checked program, so that every line a test writes is one Kwarcyt accepts.
Program Checked(const std::vector<std::string>& lines) {
  LabelTable labels;
  ErrorList errors;
  bool checked = false;
  Kompiluj(lines, labels, errors, checked);
  EXPECT_TRUE(checked) << (errors.empty() ? "" : errors.front());
  return Program(lines, labels);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (const char c : text) c == separator ? parts.emplace_back() : parts.back().append(1, c);
  return parts;
}

// Each operand after the prefix, with its bytes, from the processor's opcode table. L stands at
// 1234h.
struct EncodingRow {
  std::string prefix;
  std::string operands;  // separated by "|"
  std::string bytes;     // separated by "|"
};

// clang-format off
const std::vector<EncodingRow> kEncodings = {
    {"ADD ", "B|C|D|E|H|L|M|A", "80|81|82|83|84|85|86|87"},
    {"ADC ", "B|C|D|E|H|L|M|A", "88|89|8A|8B|8C|8D|8E|8F"},
    {"SUB ", "B|C|D|E|H|L|M|A", "90|91|92|93|94|95|96|97"},
    {"SBB ", "B|C|D|E|H|L|M|A", "98|99|9A|9B|9C|9D|9E|9F"},
    {"ANA ", "B|C|D|E|H|L|M|A", "A0|A1|A2|A3|A4|A5|A6|A7"},
    {"XRA ", "B|C|D|E|H|L|M|A", "A8|A9|AA|AB|AC|AD|AE|AF"},
    {"ORA ", "B|C|D|E|H|L|M|A", "B0|B1|B2|B3|B4|B5|B6|B7"},
    {"CMP ", "B|C|D|E|H|L|M|A", "B8|B9|BA|BB|BC|BD|BE|BF"},
    {"INR ", "B|C|D|E|H|L|M|A", "04|0C|14|1C|24|2C|34|3C"},
    {"DCR ", "B|C|D|E|H|L|M|A", "05|0D|15|1D|25|2D|35|3D"},
    {"MOV B,", "B|C|D|E|H|L|M|A", "40|41|42|43|44|45|46|47"},
    {"MOV C,", "B|C|D|E|H|L|M|A", "48|49|4A|4B|4C|4D|4E|4F"},
    {"MOV D,", "B|C|D|E|H|L|M|A", "50|51|52|53|54|55|56|57"},
    {"MOV E,", "B|C|D|E|H|L|M|A", "58|59|5A|5B|5C|5D|5E|5F"},
    {"MOV H,", "B|C|D|E|H|L|M|A", "60|61|62|63|64|65|66|67"},
    {"MOV L,", "B|C|D|E|H|L|M|A", "68|69|6A|6B|6C|6D|6E|6F"},
    {"MOV M,", "B|C|D|E|H|L|A",   "70|71|72|73|74|75|77"},
    {"MOV A,", "B|C|D|E|H|L|M|A", "78|79|7A|7B|7C|7D|7E|7F"},
    {"MVI ", "B,5|C,5|D,5|E,5|H,5|L,5|M,5|A,5", "06 05|0E 05|16 05|1E 05|26 05|2E 05|36 05|3E 05"},
    {"LXI ", "B,2050h|D,2050h|H,2050h|SP,2050h", "01 50 20|11 50 20|21 50 20|31 50 20"},
    {"DAD ", "B|D|H|SP", "09|19|29|39"},
    {"INX ", "B|D|H|SP", "03|13|23|33"},
    {"DCX ", "B|D|H|SP", "0B|1B|2B|3B"},
    {"PUSH ", "B|D|H|PSW", "C5|D5|E5|F5"},
    {"POP ", "B|D|H|PSW", "C1|D1|E1|F1"},
    {"LDAX ", "B|D", "0A|1A"},
    {"STAX ", "B|D", "02|12"},
    {"RST ", "0|1|2|3|4|5|6|7", "C7|CF|D7|DF|E7|EF|F7|FF"},
    {"", "ACI 7Fh|ADI 7Fh|ANI 7Fh|CPI 7Fh|ORI 7Fh|SBI 7Fh|SUI 7Fh|XRI 7Fh|IN 7Fh|OUT 7Fh",
         "CE 7F|C6 7F|E6 7F|FE 7F|F6 7F|DE 7F|D6 7F|EE 7F|DB 7F|D3 7F"},
    {"", "LDA 2050h|STA 2050h|LHLD 2050h|SHLD 2050h", "3A 50 20|32 50 20|2A 50 20|22 50 20"},
    {"", "JMP L|JNZ L|JZ L|JNC L|JC L|JPO L|JPE L|JP L|JM L",
         "C3 34 12|C2 34 12|CA 34 12|D2 34 12|DA 34 12|E2 34 12|EA 34 12|F2 34 12|FA 34 12"},
    {"", "CALL L|CNZ L|CZ L|CNC L|CC L|CPO L|CPE L|CP L|CM L",
         "CD 34 12|C4 34 12|CC 34 12|D4 34 12|DC 34 12|E4 34 12|EC 34 12|F4 34 12|FC 34 12"},
    {"", "RET|RNZ|RZ|RNC|RC|RPO|RPE|RP|RM", "C9|C0|C8|D0|D8|E0|E8|F0|F8"},
    {"", "NOP|HLT|DI|EI|RIM|SIM|DAA|CMA|CMC|STC|RLC|RRC|RAL|RAR|XCHG|XTHL|SPHL|PCHL",
         "00|76|F3|FB|20|30|27|2F|3F|37|07|0F|17|1F|EB|E3|F9|E9"},
};
// clang-format on

std::string BytesOf(const CodeLine& line) {
  return ListingRow(line, 0, "").substr(6, 3 * line.size - 1u);  // the listing's bytes column
}

TEST(MachineCode, EncodesEveryInstructionWithEveryOperand) {
  std::set<std::string> mnemonics;
  for (const EncodingRow& row : kEncodings) {
    const auto operands = Split(row.operands, '|');
    const auto bytes = Split(row.bytes, '|');
    ASSERT_EQ(operands.size(), bytes.size()) << row.prefix;
    for (std::size_t i = 0; i < operands.size(); ++i) {
      const std::string line = row.prefix + operands[i];
      const Program program = Checked({"L:", "RST_0:", "RST_1:", "RST_2:", "RST_3:", "RST_4:",
                                       "RST_5:", "RST_6:", "RST_7:", line});
      const MachineCode code(program, 0x1234);
      EXPECT_EQ(BytesOf(code.Lines().back()), bytes[i]) << line;
      mnemonics.insert(Split(line, ' ').front());
    }
  }
  EXPECT_EQ(mnemonics.size(), std::size(kInstructions));
}

struct WholeProgram {
  int origin;
  std::vector<std::string> lines;
  std::string listing;  // the rows, without the notes
  std::string hex;
  std::vector<std::string> noteWords;  // a word of each note, in order
};

// clang-format off
const WholeProgram kPrograms[] = {
    {0, {"/ licznik", "START:", "MVI C,3", "PETLA:", "DCR C", "JNZ PETLA", "OUT 10h", "HLT"},
     "0000                0  / licznik\n"
     "0000                1  START:\n"
     "0000  0E 03         2  MVI C,3\n"
     "0002                3  PETLA:\n"
     "0002  0D            4  DCR C\n"
     "0003  C2 02 00      5  JNZ PETLA\n"
     "0006  D3 10         6  OUT 10h\n"
     "0008  76            7  HLT\n",
     ":090000000E030DC20200D31076BC\n:00000001FF\n", {}},
    {0xFFF0, {"LXI SP,0", "CALL PODPROGRAM", "RST 1", "HLT", "PODPROGRAM:", "RET", "RST_1:", "HLT"},
     "FFF0  31 00 00      0  LXI SP,0\n"
     "FFF3  CD F8 FF      1  CALL PODPROGRAM\n"
     "FFF6  CF            2  RST 1\n"
     "FFF7  76            3  HLT\n"
     "FFF8                4  PODPROGRAM:\n"
     "FFF8  C9            5  RET\n"
     "FFF9                6  RST_1:\n"
     "FFF9  76            7  HLT\n",
     ":0AFFF000310000CDF8FFCF76C9768E\n:00000001FF\n", {"RST", "PCHL"}},
    {0x2000, {"LXI H,2005h", "MVI M,0", "STA 2000h", "LXI B,1234h", "LXI D,5678h", "PUSH B",
              "POP D", "MOV A,M", "XCHG", "HLT"},
     "2000  21 05 20      0  LXI H,2005h\n"
     "2003  36 00         1  MVI M,0\n"
     "2005  32 00 20      2  STA 2000h\n"
     "2008  01 34 12      3  LXI B,1234h\n"
     "200B  11 78 56      4  LXI D,5678h\n"
     "200E  C5            5  PUSH B\n"
     "200F  D1            6  POP D\n"
     "2010  7E            7  MOV A,M\n"
     "2011  EB            8  XCHG\n"
     "2012  76            9  HLT\n",
     ":102000002105203600320020013412117856C5D146\n:032010007EEB76EE\n:00000001FF\n",
     {"2000h..2012h"}},
};
// clang-format on

TEST(MachineCode, LaysOutWholeProgramsAsAssembledByHand) {
  for (const WholeProgram& p : kPrograms) {
    const Program program = Checked(p.lines);
    const MachineCode code(program, p.origin);
    ASSERT_TRUE(code.Fits());
    std::string notes;
    for (const std::string& note : code.Notes()) notes += note + '\n';
    EXPECT_EQ(ListingText(program, code), p.listing + notes);
    EXPECT_EQ(IntelHex(code), p.hex);
    ASSERT_EQ(code.Notes().size(), p.noteWords.size()) << p.lines.front();
    for (std::size_t i = 0; i < p.noteWords.size(); ++i) {
      EXPECT_TRUE(code.Notes()[i].starts_with("Uwaga: ") &&
                  code.Notes()[i].find(p.noteWords[i]) != std::string::npos)
          << code.Notes()[i];
    }
  }
}

TEST(MachineCode, TheOriginReachesToTheLastAddressAndNoFurther) {
  const MachineCode last(Checked({"NOP"}), 0xFFFF);
  EXPECT_TRUE(last.Fits());
  EXPECT_EQ(IntelHex(last), ":01FFFF000001\n:00000001FF\n");
  // A label after code that ends at FFFFh is where the program counter wraps to.
  const MachineCode wrapped(Checked({"JMP KONIEC", "KONIEC:"}), 0xFFFD);
  EXPECT_TRUE(wrapped.Fits());
  EXPECT_EQ(BytesOf(wrapped.Lines()[0]), "C3 00 00");
  const MachineCode past(Checked({"NOP", "MVI A,1"}), 0xFFFE);
  EXPECT_FALSE(past.Fits());
  EXPECT_NE(past.TooLongMessage().find("od adresu FFFEh zajmuje 3 bajty i"), std::string::npos)
      << past.TooLongMessage();
  const MachineCode twelve(Checked({"LXI H,0", "LXI H,0", "LXI H,0", "LXI H,0"}), 0xFFF8);
  EXPECT_NE(twelve.TooLongMessage().find("zajmuje 12 bajtów i"), std::string::npos);
  EXPECT_TRUE(MachineCode(Checked({"NOP", "NOP"}), 0xFFFE).TooLongMessage().empty());
}

}  // namespace
}  // namespace kwarcyt::testing
