#include "ProgramImport.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "checker/InstructionSet.h"
#include "checker/Mojefunkcje.h"
#include "checker/ProgramCheck.h"
#include "internal/DataPrologue.h"
#include "internal/ImportValues.h"
#include "internal/ProgramLayout.h"
#include "internal/SourceStatement.h"

namespace kwarcyt {
namespace {

// A number with the form of the noun Polish puts after it: 1 wiersz, 3 wiersze, 5 wierszy.
std::string Counted(long count, std::string_view one, std::string_view few, std::string_view many) {
  const long tens = count % 100;
  const bool isFew = count % 10 >= 2 && count % 10 <= 4 && (tens < 12 || tens > 14);
  return std::to_string(count) + ' ' + std::string(count == 1 ? one : isFew ? few : many);
}

std::string GuessText(std::string_view written, const ImportedValue& value) {
  return std::string(written) + " odczytano jako " + value.text + " (" + value.guess + ")";
}

struct Note {
  long line;  // in the converted program; -1 for the whole program
  std::string text;
};

std::vector<SourceStatement> ParseAll(const std::vector<std::string>& source) {
  std::vector<SourceStatement> statements;
  statements.reserve(source.size());
  for (const std::string& line : source) statements.push_back(ParseSourceLine(line));
  return statements;
}

// A value in the place of an operand or of a data element, written as Kwarcyt reads it.
struct ConvertedValue {
  std::optional<std::string> text;
  long value = 0;
  std::string guess;
  std::string why;  // why there is no faithful text
  bool registerName = false;
};

// An absolute target of a jump or call that the import can point at a statement of the program.
struct JumpTarget {
  std::optional<std::size_t> statement;
  std::string why;  // why it cannot
};

class Importer {
 public:
  explicit Importer(const std::vector<std::string>& source)
      : statements_(ParseAll(source)), layout_(statements_) {
    NameJumpTargets();
  }

  ImportedProgram Convert();

 private:
  void ConvertStatement(std::size_t i);
  void ConvertInstruction(std::size_t i);
  void ConvertData(std::size_t i);
  void ConvertEquate(std::size_t i);
  // Writes the jump's target as a label; false when it was kept as a comment.
  bool ConvertJump(std::size_t i, std::string& target);
  void ConvertRestart(std::size_t i, const std::vector<std::string>& operands);
  ConvertedValue Value(const std::string& operand, ValueKind kind, std::size_t i);
  JumpTarget TargetOf(const std::string& operand, std::size_t i) const;
  // Labels for the statements that absolute jumps reach.
  void NameJumpTargets();
  void KeepAsComment(std::size_t i, const std::string& why);
  void NoteLine(std::string text) { notes_.push_back({static_cast<long>(lines_.size()), text}); }
  void InsertPrologue();
  void NoteNames();

  const std::vector<SourceStatement> statements_;
  const ProgramLayout layout_;
  std::map<std::size_t, std::string> targetLabels_;  // statement to the label jumps use
  std::map<std::size_t, std::string> addedLabels_;   // the labels the import writes itself

  std::vector<std::string> lines_;
  std::vector<Note> notes_;
  std::vector<DataBytes> data_;
  std::set<std::string> used_;
  std::optional<std::size_t> firstCode_;
  bool complete_ = true;
};

bool IsJump(const SourceStatement& statement) {
  const InstructionInfo* row =
      statement.directive == Directive::None ? FindInstruction(UpperCase(statement.word)) : nullptr;
  return row != nullptr && row->operands == InstructionClass::Jump;
}

void Importer::NameJumpTargets() {
  std::set<std::string> taken;
  for (std::size_t i = 0; i < layout_.End(); ++i) {
    const std::vector<std::string> operands = SplitOperands(statements_[i].operands);
    if (!IsJump(statements_[i]) || operands.empty() ||
        layout_.IsCodeLabel(UpperCase(operands[0]))) {
      continue;
    }
    const std::optional<std::size_t> target = TargetOf(operands[0], i).statement;
    if (!target || targetLabels_.contains(*target)) continue;
    for (const std::string& label : layout_.CodeLabelsOf(*target)) {
      if (IsLabelName(label)) targetLabels_[*target] = label;
    }
    if (targetLabels_.contains(*target)) continue;
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04lX", *layout_.AddressOf(*target));
    std::string name = std::string("ADR_") + digits + 'H';
    for (int n = 2; layout_.IsCodeLabel(name) || layout_.IsEquate(name) || taken.contains(name);
         ++n) {
      name = std::string("ADR_") + digits + "H_" + std::to_string(n);
    }
    taken.insert(name);
    targetLabels_[*target] = name;
    addedLabels_[*target] = name;
  }
}

JumpTarget Importer::TargetOf(const std::string& operand, std::size_t i) const {
  const ExpressionValue address = layout_.Evaluate(operand, ValueKind::Address, i);
  if (!address.value) return {std::nullopt, address.error};
  if (const auto target = layout_.InstructionAt(*address.value)) return {target, {}};
  return {std::nullopt, "pod adresem " + operand +
                            " nie zaczyna się żaden rozkaz programu, a program w Kwarcycie nie "
                            "leży w pamięci: w miejsce adresu należy podać etykietę"};
}

ImportedProgram Importer::Convert() {
  for (std::size_t i = 0; i < layout_.End(); ++i) ConvertStatement(i);
  const auto after = std::count_if(statements_.begin() + static_cast<long>(layout_.End()),
                                   statements_.end(), [](const SourceStatement& statement) {
                                     return !statement.text.empty() || !statement.label.empty() ||
                                            statement.comment.has_value();
                                   });
  if (after > 1) {
    notes_.push_back({-1, "pominięto tekst po dyrektywie END (" +
                              Counted(after - 1, "wiersz", "wiersze", "wierszy") + ")"});
  }
  NoteNames();
  InsertPrologue();

  ImportedProgram program;
  program.lines = std::move(lines_);
  program.complete = complete_;
  std::stable_sort(notes_.begin(), notes_.end(),
                   [](const Note& a, const Note& b) { return a.line < b.line; });
  for (const Note& note : notes_) {
    program.notes.push_back(std::string(kImportNotePrefix) +
                            (note.line < 0 ? "" : std::to_string(note.line) + ": ") + note.text);
  }
  return program;
}

void Importer::ConvertStatement(std::size_t i) {
  const SourceStatement& statement = statements_[i];
  const bool codeLabel = !statement.label.empty() && statement.directive != Directive::Equ &&
                         layout_.IsCodeLabel(UpperCase(statement.label));
  // The data is written before the first statement of code, and before its label and comment.
  const bool code =
      statement.directive == Directive::None && (!statement.word.empty() || codeLabel);
  if (code && !firstCode_) firstCode_ = lines_.size();
  if (const auto added = addedLabels_.find(i); added != addedLabels_.end()) {
    lines_.push_back(added->second + ':');
  }
  if (codeLabel) {
    if (statement.labelWithoutColon) {
      NoteLine("nazwę " + statement.label + " przed rozkazem uznano za etykietę");
    }
    lines_.push_back(statement.label + ':');
  }
  const bool data = statement.directive == Directive::Db || statement.directive == Directive::Dw;
  if (statement.comment && !data) lines_.push_back('/' + *statement.comment);
  if (statement.word.empty()) {
    if (statement.label.empty() && !statement.comment) lines_.emplace_back();
    return;
  }
  switch (statement.directive) {
    case Directive::None:
      ConvertInstruction(i);
      return;
    case Directive::Org:
    case Directive::Ds:
      if (const std::string& problem = layout_.LayoutProblem(i); !problem.empty()) {
        KeepAsComment(i, problem);
      } else if (const ExpressionValue origin =
                     layout_.Evaluate(statement.operands, ValueKind::Address, i);
                 statement.directive == Directive::Org && !origin.guess.empty()) {
        notes_.push_back({-1, statement.text + ": " +
                                  GuessText(statement.operands, {HexLiteral(*origin.value, 4),
                                                                 *origin.value, origin.guess})});
      }
      return;
    case Directive::Db:
    case Directive::Dw:
      ConvertData(i);
      return;
    case Directive::Equ:
      ConvertEquate(i);
      return;
    case Directive::Unknown:
      KeepAsComment(i, "nieznana dyrektywa " + statement.word);
      return;
    case Directive::End:
      return;
  }
}

void Importer::ConvertEquate(std::size_t i) {
  const SourceStatement& statement = statements_[i];
  if (statement.label.empty()) return KeepAsComment(i, "stała bez nazwy");
  const std::string name = UpperCase(statement.label);
  if (layout_.EquateStatement(name) != i) {
    return KeepAsComment(i, "stała " + statement.label + " jest już zdefiniowana");
  }
  const NameValue value = layout_.Name(name);
  if (!value.value) KeepAsComment(i, value.error);
}

void Importer::ConvertData(std::size_t i) {
  const SourceStatement& statement = statements_[i];
  const std::optional<long> here = layout_.AddressOf(i);
  const auto keep = [&](const std::string& why) {
    if (statement.comment) lines_.push_back('/' + *statement.comment);
    KeepAsComment(i, why);
  };
  if (!here)
    return keep("adres danych jest nieznany, bo wcześniejszy ORG lub DS ma nieznaną wartość");
  std::vector<std::string> bytes;
  const bool words = statement.directive == Directive::Dw;
  for (const std::string& element : SplitOperands(statement.operands)) {
    if (!words && IsQuotedText(element)) {
      for (const char c : std::string_view(element).substr(1, element.size() - 2)) {
        bytes.push_back(ImportLiteral(std::string{'\'', c, '\''}, ValueKind::Byte)->text);
      }
      continue;
    }
    const ConvertedValue value = Value(element, words ? ValueKind::Word : ValueKind::Byte, i);
    if (!value.text) return keep("dane „" + element + "”: " + value.why);
    if (words) {
      bytes.push_back(HexLiteral(value.value & 0xFF, 2));
      bytes.push_back(HexLiteral(value.value >> 8, 2));
    } else {
      bytes.push_back(*value.text);
    }
  }
  if (*here + static_cast<long>(bytes.size()) > 0x10000) {
    return keep("dane wychodzą poza pamięć 0..65535");
  }
  data_.push_back({*here, bytes, statement.comment});
}

void Importer::ConvertInstruction(std::size_t i) {
  const SourceStatement& statement = statements_[i];
  const InstructionInfo* row = FindInstruction(UpperCase(statement.word));
  if (row == nullptr) return KeepAsComment(i, "nieznany rozkaz lub dyrektywa " + statement.word);
  std::vector<std::string> operands = SplitOperands(statement.operands);
  bool faithful = true;
  const auto convert = [&](std::size_t at, ValueKind kind) {
    if (at >= operands.size() || !faithful) return;
    const ConvertedValue value = Value(operands[at], kind, i);
    if (value.text) {
      if (!value.guess.empty()) {
        NoteLine(GuessText(operands[at], {*value.text, value.value, value.guess}));
      }
      operands[at] = *value.text;
    } else if (value.registerName) {
      // Kept as written: the check then says what belongs there.
      NoteLine("zostawiono bez zmian, " + value.why);
      complete_ = false;
    } else {
      KeepAsComment(i, value.why);
      faithful = false;
    }
  };
  switch (row->operands) {
    case InstructionClass::Byte:
      convert(0, ValueKind::Byte);
      break;
    case InstructionClass::Address:
      convert(0, ValueKind::Address);
      break;
    case InstructionClass::Lxi:
      convert(1, ValueKind::Address);
      break;
    case InstructionClass::Mvi:
      convert(1, ValueKind::Byte);
      break;
    case InstructionClass::Jump:
      if (!operands.empty()) faithful = ConvertJump(i, operands[0]);
      break;
    case InstructionClass::Rst:
      if (!operands.empty()) return ConvertRestart(i, operands);
      break;
    default:
      break;
  }
  if (!faithful) return;
  std::string line = statement.word;
  for (std::size_t k = 0; k < operands.size(); ++k) line += (k == 0 ? " " : ",") + operands[k];
  lines_.push_back(line);
}

bool Importer::ConvertJump(std::size_t i, std::string& target) {
  if (layout_.IsCodeLabel(UpperCase(target))) return true;
  const JumpTarget reached = TargetOf(target, i);
  if (!reached.statement) {
    KeepAsComment(i, "skok lub wywołanie: " + reached.why);
    return false;
  }
  const std::string& label = targetLabels_.at(*reached.statement);
  NoteLine("skok pod adres " + target + " zamieniono na skok do etykiety " + label +
           ", która stoi przed rozkazem leżącym pod tym adresem");
  target = label;
  return true;
}

// RST 1, 5 and 7 return to the monitor of a training kit when the program has no routine there.
void Importer::ConvertRestart(std::size_t i, const std::vector<std::string>& operands) {
  const SourceStatement& statement = statements_[i];
  const ExpressionValue number = layout_.Evaluate(operands[0], ValueKind::Byte, i);
  if (!number.value || *number.value < 0 || *number.value > 7 || operands.size() > 1) {
    return KeepAsComment(i, number.value || operands.size() > 1
                                ? "RST wymaga jednego numeru procedury od 0 do 7"
                                : number.error);
  }
  const std::string digit = std::to_string(*number.value);
  if (layout_.IsCodeLabel("RST_" + digit)) {
    lines_.push_back(statement.word + ' ' + digit);
    return;
  }
  complete_ = false;
  if (digit == "1" || digit == "5" || digit == "7") {
    NoteLine("RST " + digit + " zamieniono na HLT: program nie ma procedury RST_" + digit +
             ", a na zestawach uruchomieniowych ten rozkaz wraca do programu monitora");
    lines_.emplace_back("HLT");
    return;
  }
  NoteLine("zostawiono bez zmian, ale program nie ma procedury RST_" + digit);
  lines_.push_back(statement.word + ' ' + digit);
}

ConvertedValue Importer::Value(const std::string& operand, ValueKind kind, std::size_t i) {
  std::set<std::string> used;
  const ExpressionValue value = layout_.Evaluate(operand, kind, i, &used);
  if (!value.value) return {std::nullopt, 0, {}, value.error, value.registerName};
  if (value.codeAddress) {
    return {
        std::nullopt,
        0,
        {},
        "wartość pochodzi od adresu etykiety rozkazu, a program w Kwarcycie nie leży w pamięci"};
  }
  const bool byte = kind == ValueKind::Byte;
  const long maximum = byte ? 0xFF : 0xFFFF;
  if (*value.value > maximum || *value.value < -(maximum + 1) / 2) {
    return {std::nullopt,
            0,
            {},
            "wartość " + std::to_string(*value.value) + " nie mieści się w zakresie " +
                (byte ? "-128..255" : "-32768..65535")};
  }
  const long masked = *value.value & maximum;
  std::string text = value.text;
  // Only a literal that Kwarcyt reads as the same number is kept as written.
  if (text.empty() || ParseNumber(text, static_cast<int>(maximum)) != masked) {
    text = HexLiteral(masked, byte ? 2 : 4);
  }
  used_.merge(used);
  return {text, masked, value.guess, {}};
}

void Importer::KeepAsComment(std::size_t i, const std::string& why) {
  NoteLine("nie przekształcono, zostawiono jako komentarz (" + why + ")");
  const SourceStatement& statement = statements_[i];
  // A label of code has a line of its own already; an equate's name or a data label has not.
  const bool labelWritten =
      statement.label.empty() ||
      (statement.directive != Directive::Equ && layout_.IsCodeLabel(UpperCase(statement.label)));
  lines_.push_back('/' + (labelWritten ? statement.text : statement.written));
  complete_ = false;
}

void Importer::NoteNames() {
  for (const std::string& name : used_) {
    const NameValue symbol = layout_.Name(name);
    const std::string text =
        symbol.text.empty() ? HexLiteral(*symbol.value & 0xFFFF, 4) : symbol.text;
    notes_.push_back({-1, layout_.IsEquate(name)
                              ? "stałą " + name + " (EQU) zastąpiono jej wartością " + text
                              : "etykietę danych " + name + " zastąpiono jej adresem " + text});
  }
}

// Below the comments that open the program and above its first label, so that the data is
// written once, before anything else runs.
void Importer::InsertPrologue() {
  const std::vector<std::string> prologue = DataPrologue(data_);
  if (prologue.empty()) return;
  const long at = static_cast<long>(firstCode_.value_or(lines_.size()));
  const auto top = lines_.begin() + at;
  const long count = static_cast<long>(prologue.size());
  lines_.insert(top, prologue.begin(), prologue.end());
  for (Note& note : notes_) {
    if (note.line >= at) note.line += count;
  }
  long bytes = 0;
  for (const DataBytes& statement : data_) bytes += static_cast<long>(statement.values.size());
  notes_.push_back({at, "dodano " + Counted(count, "wiersz", "wiersze", "wierszy") +
                            " (do wiersza " + std::to_string(at + count - 1) +
                            "), które wpisują do pamięci " +
                            Counted(bytes, "bajt", "bajty", "bajtów") +
                            " danych z dyrektyw ORG i DB/DW; ostatni, LXI H,0, zeruje HL "
                            "jak przed startem"});
}

// A result longer than a program may be is no use to anybody; the line a final line break
// leaves empty is not counted.
std::optional<std::string> TooLong(const std::vector<std::string>& lines) {
  std::size_t count = lines.size();
  if (count > 0 && lines.back().empty()) --count;
  if (count <= kMaxProgramLines) return std::nullopt;
  return std::string(kImportNotePrefix) + "przekształcony program miałby " +
         Counted(static_cast<long>(count), "wiersz", "wiersze", "wierszy") +
         ", a program może mieć najwyżej " + std::to_string(kMaxProgramLines) +
         "; niczego nie zaimportowano";
}

}  // namespace

ImportedProgram ImportProgram(const std::vector<std::string>& source) {
  ImportedProgram program = Importer(source).Convert();
  if (const std::optional<std::string> refusal = TooLong(program.lines)) {
    return {{}, {*refusal}, false, true};
  }
  // A line the import could not judge (a wrong register, a label name Kwarcyt does not accept)
  // reaches the check; only a result that passes it is a whole conversion.
  LabelTable labels;
  ErrorList errors;
  bool checked = false;
  Kompiluj(program.lines, labels, errors, checked);
  if (!checked) {
    program.complete = false;
    program.notes.push_back(std::string(kImportNotePrefix) +
                            "przekształcony program nie przechodzi sprawdzenia (błędy pokazuje "
                            "sprawdzenie programu)");
  }
  return program;
}

}  // namespace kwarcyt
