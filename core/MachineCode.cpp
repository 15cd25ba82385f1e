#include "MachineCode.h"

#include <cstdio>

#include "internal/FlagReasons.h"

namespace kwarcyt {
namespace {

constexpr int kHexRecordBytes = 16;

// "1 bajt", "3 bajty", "12 bajtów", "54 bajty": the noun agrees with the number in Polish.
std::string BytesText(int count) {
  const int lastDigit = count % 10;
  const int lastTwo = count % 100;
  const char* noun = count == 1 ? "bajt"
                     : lastDigit >= 2 && lastDigit <= 4 && (lastTwo < 12 || lastTwo > 14)
                         ? "bajty"
                         : "bajtów";
  return std::to_string(count) + " " + noun;
}

// The value of the operand field of the opcode.
int FieldValue(const DecodedLine& decoded, InstructionClass operands) {
  using enum InstructionClass;
  switch (operands) {
    case Register:
    case Mvi:
    case Pair:
    case Indirect:
    case Lxi:
    case Stack:
    case Mov:  // the destination; the source goes into bits 0-2
      return decoded.a;
    case Rst:
      return decoded.b;
    case Byte:
    case Jump:
    case NoOperand:
    case Address:
      break;
  }
  return 0;
}

// The value of the bytes that follow the opcode.
int OperandValue(const DecodedLine& decoded, InstructionClass operands, const MachineCode& code) {
  return operands == InstructionClass::Jump ? code.LineAddress(decoded.value) : decoded.value;
}

std::string HexByte(int value) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", value & 0xFF);
  return text;
}

// Whether a constant address the program writes to, or makes HL point at, lies in its own code.
bool WritesIntoCode(const DecodedLine& decoded, const MachineCode& code) {
  const bool constantAddress = decoded.op == Op::Sta || decoded.op == Op::Shld ||
                               (decoded.op == Op::Lxi && decoded.a == PairHL);
  if (!constantAddress) return false;
  const int last = decoded.value + (decoded.op == Op::Shld ? 1 : 0);
  return last >= code.Origin() && decoded.value < code.End();
}

}  // namespace

MachineCode::MachineCode(const Program& program, int origin)
    : origin_(origin & 0xFFFF), lines_(static_cast<std::size_t>(program.LineCount())) {
  Encode(program);
  Note(program);
}

void MachineCode::Encode(const Program& program) {
  const auto& decoded = program.DecodedLines();
  int here = origin_;
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    lines_[i].address = here & 0xFFFF;
    if (decoded[i].row == kNoInstruction) continue;
    const InstructionInfo& row = kInstructions[decoded[i].row];
    lines_[i].size = static_cast<std::uint8_t>(InstructionSize(row.operands));
    here += lines_[i].size;
  }
  end_ = here;
  // Jumps may go forward, so operands follow once every address is known.
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    CodeLine& line = lines_[i];
    if (line.size == 0) continue;
    const InstructionInfo& row = kInstructions[decoded[i].row];
    int opcode = row.encoding.opcode | FieldValue(decoded[i], row.operands) << row.encoding.field;
    if (row.operands == InstructionClass::Mov) opcode |= decoded[i].b;
    line.bytes[0] = static_cast<std::uint8_t>(opcode);
    const int operand = OperandValue(decoded[i], row.operands, *this);
    if (line.size > 1) line.bytes[1] = static_cast<std::uint8_t>(operand & 0xFF);
    if (line.size > 2) line.bytes[2] = static_cast<std::uint8_t>(operand >> 8 & 0xFF);
  }
}

void MachineCode::Note(const Program& program) {
  bool restart = false;
  bool addressJump = false;
  bool overwrite = false;
  for (const DecodedLine& line : program.DecodedLines()) {
    restart = restart || line.op == Op::Rst;
    addressJump = addressJump || line.op == Op::Pchl || line.op == Op::Return;
    overwrite = overwrite || WritesIntoCode(line, *this);
  }
  if (restart) {
    notes_.emplace_back(
        "Uwaga: RST n na procesorze odkłada adres powrotu na stos i skacze pod adres 8·n, a nie do "
        "etykiety RST_n.");
  }
  if (addressJump) {
    notes_.emplace_back(
        "Uwaga: PCHL i rozkazy powrotu na procesorze skaczą pod adres wzięty z HL albo ze stosu, a "
        "nie do wiersza o tym numerze.");
  }
  if (overwrite) {
    notes_.push_back("Uwaga: STA, SHLD albo LXI H ze stałym adresem z obszaru kodu (" +
                     WordHex(origin_) + ".." + WordHex((end_ - 1) & 0xFFFF) +
                     ") na procesorze nadpisałyby kod programu.");
  }
}

std::string MachineCode::TooLongMessage() const {
  if (Fits()) return {};
  return "Kod maszynowy programu nie mieści się w pamięci: od adresu " + WordHex(origin_) +
         " zajmuje " + BytesText(end_ - origin_) + " i sięgałby poza adres FFFFh.";
}

int MachineCode::LineAddress(int line) const {
  if (line >= 0 && static_cast<std::size_t>(line) < lines_.size()) {
    return lines_[static_cast<std::size_t>(line)].address;
  }
  return end_ & 0xFFFF;
}

std::string ListingRow(const CodeLine& code, int lineNumber, std::string_view line) {
  std::string bytes;
  for (const std::uint8_t byte : code.Bytes()) {
    if (!bytes.empty()) bytes += ' ';
    bytes += HexByte(byte);
  }
  char head[32];
  std::snprintf(head, sizeof head, "%04X  %-8s  %5d  ", code.address & 0xFFFF, bytes.c_str(),
                lineNumber);
  return head + std::string(line);
}

std::string ListingText(const Program& program, const MachineCode& code) {
  std::string text;
  // The empty line a final line break leaves is no line of the program as written.
  int rows = program.LineCount();
  if (rows > 0 && program.Lines().back().empty()) --rows;
  for (int i = 0; i < rows; ++i) {
    const auto at = static_cast<std::size_t>(i);
    text += ListingRow(code.Lines()[at], i, program.Lines()[at]) + '\n';
  }
  for (const std::string& note : code.Notes()) text += note + '\n';
  return text;
}

std::string IntelHex(const MachineCode& code) {
  std::vector<std::uint8_t> bytes;
  for (const CodeLine& line : code.Lines()) {
    bytes.insert(bytes.end(), line.bytes.begin(), line.bytes.begin() + line.size);
  }
  std::string text;
  for (std::size_t from = 0; from < bytes.size(); from += kHexRecordBytes) {
    const std::size_t count = std::min<std::size_t>(kHexRecordBytes, bytes.size() - from);
    const int address = (code.Origin() + static_cast<int>(from)) & 0xFFFF;
    std::vector<int> record{static_cast<int>(count), address >> 8, address & 0xFF, 0x00};
    record.insert(record.end(), bytes.begin() + static_cast<std::ptrdiff_t>(from),
                  bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
    int sum = 0;
    text += ':';
    for (const int byte : record) {
      sum += byte;
      text += HexByte(byte);
    }
    text += HexByte(-sum) + '\n';
  }
  return text + ":00000001FF\n";
}

}  // namespace kwarcyt
