#include "ProgramImport.h"

#include <algorithm>
#include <optional>
#include <set>

#include "DataPrologue.h"
#include "ImportValues.h"
#include "SourceStatement.h"
#include "checker/InstructionSet.h"
#include "checker/Mojefunkcje.h"

namespace kwarcyt {
namespace {

// The length of the machine code of an instruction: Kwarcyt keeps no code in memory, but the
// data that follows code in the source lies where the code ends.
long InstructionSize(InstructionClass operands) {
  switch (operands) {
    case InstructionClass::Byte:
    case InstructionClass::Mvi:
      return 2;
    case InstructionClass::Jump:
    case InstructionClass::Address:
    case InstructionClass::Lxi:
      return 3;
    default:
      return 1;
  }
}

bool IsString(std::string_view element) {
  return element.size() >= 2 && (element.front() == '\'' || element.front() == '"') &&
         QuotedEnd(element, 0) == element.size() && element.size() != 3;
}

// The Kwarcyt literals of the bytes a DB or DW statement places in memory; nothing when an
// element has no known value or does not fit.
std::optional<std::vector<std::string>> DataValues(const SourceStatement& statement,
                                                   const Symbols& symbols, long here,
                                                   std::set<std::string>& used) {
  std::vector<std::string> bytes;
  const bool words = statement.directive == Directive::Dw;
  for (const std::string& element : SplitOperands(statement.operands)) {
    if (!words && IsString(element)) {
      for (const char c : std::string_view(element).substr(1, element.size() - 2)) {
        bytes.push_back(ImportLiteral(std::string{'\'', c, '\''}, ValueKind::Byte)->text);
      }
      continue;
    }
    const auto value =
        ImportValue(element, words ? ValueKind::Word : ValueKind::Byte, symbols, here, &used);
    if (!value || value->value < 0 || value->value > (words ? 0xFFFF : 0xFF)) return std::nullopt;
    if (words) {
      bytes.push_back(HexLiteral(value->value & 0xFF, 2));
      bytes.push_back(HexLiteral(value->value >> 8, 2));
    } else {
      bytes.push_back(value->text);
    }
  }
  return bytes;
}

// How many bytes a data statement takes, also when its values are not yet known.
long DataSize(const SourceStatement& statement, const Symbols& symbols, long here) {
  if (statement.directive == Directive::Ds) {
    const auto count = ImportValue(statement.operands, ValueKind::Word, symbols, here);
    return count ? count->value : 0;
  }
  long size = 0;
  for (const std::string& element : SplitOperands(statement.operands)) {
    if (statement.directive == Directive::Dw) {
      size += 2;
    } else {
      size += IsString(element) ? static_cast<long>(element.size()) - 2 : 1;
    }
  }
  return size;
}

bool IsData(Directive directive) {
  return directive == Directive::Db || directive == Directive::Dw || directive == Directive::Ds;
}

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

class Importer {
 public:
  explicit Importer(const std::vector<std::string>& source) {
    statements_.reserve(source.size());
    for (const std::string& line : source) statements_.push_back(ParseSourceLine(line));
    // Twice: the second time every name is known, also those defined after their first use.
    Lay();
    Lay();
  }

  ImportedProgram Convert();

 private:
  // The address of every statement, the names of equates and data labels, and the labels of
  // code.
  void Lay();
  void ConvertStatement(const SourceStatement& statement, long here);
  void ConvertInstruction(const SourceStatement& statement, long here);
  // The operand in Kwarcyt's form, with a note when its reading was a guess.
  std::string ConvertOperand(const std::string& operand, ValueKind kind, long here);
  bool IsCodeLabel(std::string_view name) const { return codeLabels_.contains(UpperCase(name)); }
  // Keeps a statement that cannot be converted as a comment, and says why.
  void KeepAsComment(const SourceStatement& statement, const std::string& why);
  void NoteLine(std::string text) { notes_.push_back({static_cast<long>(lines_.size()), text}); }
  void InsertPrologue();
  void NoteNames();

  std::vector<SourceStatement> statements_;
  std::vector<long> addresses_;
  std::size_t end_ = 0;  // the statements before END
  Symbols symbols_;
  std::set<std::string> equates_;
  std::set<std::string> codeLabels_;

  std::vector<std::string> lines_;
  std::vector<Note> notes_;
  std::vector<DataBytes> data_;
  std::set<std::string> used_;
  std::optional<std::size_t> firstCode_;
  bool complete_ = true;
};

void Importer::Lay() {
  addresses_.assign(statements_.size(), 0);
  codeLabels_.clear();
  long here = 0;
  std::vector<std::string> waiting;  // labels whose statement is still to come
  std::size_t i = 0;
  for (; i < statements_.size(); ++i) {
    const SourceStatement& statement = statements_[i];
    addresses_[i] = here;
    if (statement.directive == Directive::End) break;
    if (statement.directive == Directive::Equ) {
      const auto value = ImportValue(statement.operands, ValueKind::Word, symbols_, here);
      if (value && !statement.label.empty()) {
        symbols_[UpperCase(statement.label)] = {value->text, value->value};
        equates_.insert(UpperCase(statement.label));
      }
      continue;
    }
    if (!statement.label.empty()) waiting.push_back(UpperCase(statement.label));
    if (statement.word.empty()) continue;
    for (const std::string& label : waiting) {
      if (IsData(statement.directive)) {
        symbols_[label] = {HexLiteral(here, 4), here};
      } else {
        codeLabels_.insert(label);
      }
    }
    waiting.clear();
    if (statement.directive == Directive::Org) {
      if (const auto origin = ImportValue(statement.operands, ValueKind::Address, symbols_, here)) {
        here = origin->value;
      }
    } else if (IsData(statement.directive)) {
      here += DataSize(statement, symbols_, here);
    } else if (const InstructionInfo* row = FindInstruction(UpperCase(statement.word))) {
      here += InstructionSize(row->operands);
    }
  }
  end_ = i;
  codeLabels_.insert(waiting.begin(), waiting.end());
}

ImportedProgram Importer::Convert() {
  for (std::size_t i = 0; i < end_; ++i) ConvertStatement(statements_[i], addresses_[i]);
  const auto after = std::count_if(statements_.begin() + static_cast<long>(end_), statements_.end(),
                                   [](const SourceStatement& statement) {
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

void Importer::ConvertStatement(const SourceStatement& statement, long here) {
  // The data is written before the first statement of code, and before its label and comment.
  const bool code = statement.directive == Directive::None &&
                    (!statement.word.empty() || IsCodeLabel(statement.label));
  if (code && !firstCode_) firstCode_ = lines_.size();
  const bool data = statement.directive == Directive::Db || statement.directive == Directive::Dw;
  if (!statement.label.empty() && statement.directive != Directive::Equ &&
      IsCodeLabel(statement.label)) {
    if (statement.labelWithoutColon) {
      NoteLine("nazwę " + statement.label + " przed rozkazem uznano za etykietę");
    }
    lines_.push_back(statement.label + ':');
  }
  if (statement.comment && !data) lines_.push_back('/' + *statement.comment);
  if (statement.word.empty()) {
    if (statement.label.empty() && !statement.comment) lines_.emplace_back();
    return;
  }
  switch (statement.directive) {
    case Directive::None:
      ConvertInstruction(statement, here);
      return;
    case Directive::Org:
      if (const auto origin = ImportValue(statement.operands, ValueKind::Address, symbols_, here);
          origin && !origin->guess.empty()) {
        notes_.push_back({-1, statement.text + ": " + GuessText(statement.operands, *origin)});
      }
      return;
    case Directive::Db:
    case Directive::Dw:
      if (const auto values = DataValues(statement, symbols_, here, used_)) {
        data_.push_back({here, *values, statement.comment});
        if (here + static_cast<long>(values->size()) > 0x10000) {
          KeepAsComment(statement, "dane wychodzą poza pamięć 0..65535");
          data_.pop_back();
        }
      } else {
        if (statement.comment) lines_.push_back('/' + *statement.comment);
        KeepAsComment(statement, "wartość danych jest nieznana lub nie mieści się w komórce");
      }
      return;
    case Directive::Unknown:
      KeepAsComment(statement, "nieznana dyrektywa " + statement.word);
      return;
    default:  // DS reserves memory that Kwarcyt has anyway, EQU is written where used
      return;
  }
}

void Importer::ConvertInstruction(const SourceStatement& statement, long here) {
  const InstructionInfo* row = FindInstruction(UpperCase(statement.word));
  if (row == nullptr) {
    lines_.push_back(statement.text);
    return;
  }
  std::vector<std::string> operands = SplitOperands(statement.operands);
  const auto convert = [&](std::size_t at, ValueKind kind) {
    if (at < operands.size()) operands[at] = ConvertOperand(operands[at], kind, here);
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
      if (!operands.empty() && !IsCodeLabel(operands[0]) &&
          ImportValue(operands[0], ValueKind::Address, symbols_, here)) {
        KeepAsComment(statement,
                      "skok lub wywołanie pod adres: program w Kwarcycie nie leży w pamięci, "
                      "w miejsce adresu należy podać etykietę");
        return;
      }
      break;
    default:
      break;
  }
  std::string line = statement.word;
  for (std::size_t i = 0; i < operands.size(); ++i) line += (i == 0 ? " " : ",") + operands[i];
  lines_.push_back(line);
}

std::string Importer::ConvertOperand(const std::string& operand, ValueKind kind, long here) {
  if (IsCodeLabel(operand)) return operand;
  const auto value = ImportValue(operand, kind, symbols_, here, &used_);
  if (!value) return operand;
  if (!value->guess.empty()) NoteLine(GuessText(operand, *value));
  return value->text;
}

void Importer::KeepAsComment(const SourceStatement& statement, const std::string& why) {
  NoteLine("nie przekształcono, zostawiono jako komentarz (" + why + ")");
  lines_.push_back('/' + statement.text);
  complete_ = false;
}

void Importer::NoteNames() {
  for (const std::string& name : used_) {
    const SymbolValue& symbol = symbols_.at(name);
    notes_.push_back(
        {-1, equates_.contains(name)
                 ? "stałą " + name + " (EQU) zastąpiono jej wartością " + symbol.text
                 : "etykietę danych " + name + " zastąpiono jej adresem " + symbol.text});
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

}  // namespace

ImportedProgram ImportProgram(const std::vector<std::string>& source) {
  return Importer(source).Convert();
}

}  // namespace kwarcyt
