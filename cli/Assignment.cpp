#include "Assignment.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <limits>

#include "MachineSettings.h"
#include "checker/ProgramCheck.h"
#include "internal/FieldNames.h"
#include "internal/OptionNumber.h"
#include "sourcefile/ProgramFile.h"
#include "sourcefile/Utf8Bytes.h"

namespace kwarcyt {
namespace {

constexpr int kLargestCount = std::numeric_limits<int>::max();
constexpr int kLastAddress = MachineState::kMemorySize - 1;
constexpr int kLastPort = MachineState::kPortCount - 1;
// An expected run cannot end on a failed check or a breakpoint: the first fails every case
// anyway, and no case sets breakpoints.
constexpr std::array kExpectableEnds{RunEnd::Halted, RunEnd::EndOfProgram, RunEnd::RuntimeError,
                                     RunEnd::StepsSpent, RunEnd::NotStarted};

QString ParseErrorText(QJsonParseError::ParseError error) {
  switch (error) {
    case QJsonParseError::NoError:
      break;
    case QJsonParseError::UnterminatedObject:
      return QStringLiteral("obiekt nie jest zamknięty znakiem „}” albo brak przecinka");
    case QJsonParseError::MissingNameSeparator:
      return QStringLiteral("brak dwukropka po nazwie klucza");
    case QJsonParseError::UnterminatedArray:
      return QStringLiteral("lista nie jest zamknięta znakiem „]” albo brak przecinka");
    case QJsonParseError::MissingValueSeparator:
      return QStringLiteral("brak przecinka między elementami");
    case QJsonParseError::IllegalValue:
      return QStringLiteral("niedozwolona wartość (tekst musi być w cudzysłowie)");
    case QJsonParseError::TerminationByNumber:
      return QStringLiteral("plik kończy się w środku liczby");
    case QJsonParseError::IllegalNumber:
      return QStringLiteral("niepoprawna liczba");
    case QJsonParseError::IllegalEscapeSequence:
      return QStringLiteral("niepoprawny znak po „\\”");
    case QJsonParseError::IllegalUTF8String:
      return QStringLiteral("niepoprawny tekst UTF-8");
    case QJsonParseError::UnterminatedString:
      return QStringLiteral("tekst nie jest zamknięty cudzysłowem");
    case QJsonParseError::MissingObject:
      return QStringLiteral("oczekiwano obiektu");
    case QJsonParseError::DeepNesting:
      return QStringLiteral("zbyt głębokie zagnieżdżenie");
    case QJsonParseError::DocumentTooLarge:
      return QStringLiteral("plik jest zbyt duży");
    case QJsonParseError::GarbageAtEnd:
      return QStringLiteral("nadmiarowe znaki po końcu obiektu");
  }
  return QStringLiteral("błąd składni JSON");
}

// The parser gives the byte offset just past the character it stumbled on; a teacher's editor
// shows lines and columns, both from 1.
QString PlaceOf(const QByteArray& json, int offset) {
  const QByteArray before = json.left(std::max(offset - 1, 0));
  const qsizetype lineStart = before.lastIndexOf('\n') + 1;
  return QStringLiteral("wiersz %1, kolumna %2")
      .arg(before.count('\n') + 1)
      .arg(QString::fromUtf8(before.mid(lineStart)).size() + 1);
}

QString Child(const QString& path, const QString& key) {
  return path.isEmpty() ? key : path + '.' + key;
}

QString Item(const QString& path, qsizetype index) {
  return QStringLiteral("%1[%2]").arg(path).arg(index);
}

QString Quoted(const QString& text) {
  return QStringLiteral("„%1”").arg(text);
}

// Walks the document; the first fault found is kept, with the key path where it is.
class Reader {
 public:
  const QString& Error() const { return error_; }

  bool Fail(const QString& path, const QString& message) {
    if (error_.isEmpty()) error_ = path.isEmpty() ? message : path + ": " + message;
    return false;
  }

  // The object at path, when it is one and holds none but the allowed keys.
  std::optional<QJsonObject> Object(const QJsonValue& value, const QString& path,
                                    std::initializer_list<const char*> allowed) {
    if (!value.isObject()) {
      Fail(path, QStringLiteral("oczekiwano obiektu {…}"));
      return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    if (allowed.size() == 0) return object;
    QStringList names;
    for (const char* name : allowed) names << QString::fromLatin1(name);
    for (const QString& key : object.keys()) {
      if (!names.contains(key)) {
        Fail(
            Child(path, key),
            QStringLiteral("nieznany klucz (dozwolone: %1)").arg(names.join(QStringLiteral(", "))));
        return std::nullopt;
      }
    }
    return object;
  }

  std::optional<QString> Text(const QJsonValue& value, const QString& path) {
    if (!value.isString()) {
      Fail(path, QStringLiteral("oczekiwano tekstu w cudzysłowie"));
      return std::nullopt;
    }
    return value.toString();
  }

  // A JSON number, or a string with a number written as in programs.
  std::optional<int> Number(const QJsonValue& value, const QString& path, int maximum) {
    QString written;
    if (value.isString()) {
      written = value.toString();
      if (const std::optional<int> number = ReadOptionNumber(written, maximum)) return number;
    } else if (value.isDouble()) {
      const double number = value.toDouble();
      if (number >= 0 && number <= maximum && number == static_cast<int>(number)) {
        return static_cast<int>(number);
      }
      written = QString::number(number, 'g', 17);
    } else {
      Fail(path, QStringLiteral("oczekiwano liczby, na przykład 75, \"4Bh\", \"01001011b\" lub "
                                "\"'K'\""));
      return std::nullopt;
    }
    Fail(path, NotANumberMessage(written, maximum));
    return std::nullopt;
  }

  // A key that names an address or a port.
  std::optional<int> KeyNumber(const QString& key, const QString& path, int maximum) {
    return Number(QJsonValue(key), path, maximum);
  }

  // {"ADDRESS": [bytes]}: a list of bytes from each address on, or one byte.
  std::optional<std::vector<ExpectedCells>> Cells(const QJsonValue& value, const QString& path,
                                                  int lastCell, bool oneValue) {
    const std::optional<QJsonObject> object = Object(value, path, {});
    if (!object) return std::nullopt;
    std::vector<ExpectedCells> cells;
    for (auto entry = object->begin(); entry != object->end(); ++entry) {
      const QString at = Child(path, entry.key());
      const std::optional<int> address = KeyNumber(entry.key(), at, lastCell);
      if (!address) return std::nullopt;
      const bool listed = entry.value().isArray() && !oneValue;
      const QJsonArray list = listed ? entry.value().toArray() : QJsonArray{entry.value()};
      if (list.size() > lastCell + 1 - *address) {
        Fail(at, QStringLiteral("lista %1 bajtów wychodzi poza ostatnią komórkę %2")
                     .arg(list.size())
                     .arg(lastCell));
        return std::nullopt;
      }
      ExpectedCells run{.address = *address, .values = {}};
      for (qsizetype i = 0; i < list.size(); ++i) {
        const std::optional<int> byte = Number(list[i], listed ? Item(at, i) : at, 255);
        if (!byte) return std::nullopt;
        run.values.push_back(*byte);
      }
      cells.push_back(std::move(run));
    }
    return cells;
  }

  // {"NAME": value} for the rows of the register table of the given kinds.
  template <typename Fields>
  std::optional<std::vector<ExpectedValue>> Values(const QJsonValue& value, const QString& path,
                                                   const Fields& allowed, const QString& unknown) {
    const std::optional<QJsonObject> object = Object(value, path, {});
    if (!object) return std::nullopt;
    std::vector<ExpectedValue> values;
    for (auto entry = object->begin(); entry != object->end(); ++entry) {
      const QString at = Child(path, entry.key());
      const MachineField* field = FindField(entry.key().toUpper().toStdString());
      bool known = false;
      for (const MachineField& row : allowed) known = known || &row == field;
      if (!known) {
        Fail(at, QStringLiteral("%1 %2 (dozwolone: %3)")
                     .arg(unknown, Quoted(entry.key()), NamesOf(allowed)));
        return std::nullopt;
      }
      const std::optional<int> number =
          Number(entry.value(), at, field->Maximum(static_cast<int>(kMaxProgramLines)));
      if (!number) return std::nullopt;
      values.push_back({field, *number});
    }
    // In the table's order, whatever the case of the names: A before HL before PC, and a
    // register set before the pair that holds it.
    std::stable_sort(
        values.begin(), values.end(),
        [](const ExpectedValue& a, const ExpectedValue& b) { return a.field < b.field; });
    return values;
  }

  std::optional<Expectation> Expect(const QJsonValue& value, const QString& path) {
    const std::optional<QJsonObject> object = Object(
        value, path, {"end", "registers", "flags", "out", "memory", "max_steps", "max_tstates"});
    if (!object) return std::nullopt;
    Expectation expect;
    if (object->contains("end")) {
      const QString at = Child(path, "end");
      const std::optional<QString> name = Text(object->value("end"), at);
      if (!name) return std::nullopt;
      QStringList names;
      for (const RunEnd end : kExpectableEnds) {
        names << QString::fromLatin1(EndName(end));
        if (names.last() == *name) expect.end = end;
      }
      if (!expect.end) {
        Fail(at, QStringLiteral("nieznane zakończenie %1 (dozwolone: %2)")
                     .arg(Quoted(*name), names.join(QStringLiteral(", "))));
        return std::nullopt;
      }
    }
    for (const auto& [key, fields, unknown] :
         {std::tuple{"registers",
                     FieldsOf(FieldKind::Register, FieldKind::Pair, FieldKind::ProgramCounter,
                              FieldKind::StackPointer),
                     QStringLiteral("nieznany rejestr")},
          std::tuple{"flags", FlagFields(), QStringLiteral("nieznana flaga")}}) {
      if (!object->contains(key)) continue;
      const auto values = Values(object->value(key), Child(path, key), fields, unknown);
      if (!values) return std::nullopt;
      expect.registers.insert(expect.registers.end(), values->begin(), values->end());
    }
    if (object->contains("out")) {
      const auto ports = Cells(object->value("out"), Child(path, "out"), kLastPort, true);
      if (!ports) return std::nullopt;
      expect.out = *ports;
    }
    if (object->contains("memory")) {
      const auto memory =
          Cells(object->value("memory"), Child(path, "memory"), kLastAddress, false);
      if (!memory) return std::nullopt;
      expect.memory = *memory;
    }
    if (object->contains("max_steps")) {
      expect.maxSteps = Number(object->value("max_steps"), Child(path, "max_steps"), kLargestCount);
      if (!expect.maxSteps) return std::nullopt;
    }
    if (object->contains("max_tstates")) {
      const std::optional<int> most =
          Number(object->value("max_tstates"), Child(path, "max_tstates"), kLargestCount);
      if (!most) return std::nullopt;
      expect.maxTStates = static_cast<std::uint64_t>(*most);
    }
    return expect;
  }

  // "set", "mem" and "in" become what --set, --mem and --in would be given.
  bool Settings(const QJsonObject& object, const QString& path,
                std::vector<MachineSetting>& settings) {
    if (object.contains("set")) {
      const QString at = Child(path, "set");
      const auto values = Values(object.value("set"), at, kMachineFields,
                                 QStringLiteral("nieznany rejestr lub flaga"));
      if (!values) return false;
      for (const ExpectedValue& value : *values) {
        settings.push_back({MachineSetting::Target::Register,
                            QStringLiteral("%1=%2").arg(value.field->name).arg(value.value)});
      }
    }
    for (const auto& [key, target, lastCell] :
         {std::tuple{"mem", MachineSetting::Target::Memory, kLastAddress},
          std::tuple{"in", MachineSetting::Target::InputPort, kLastPort}}) {
      if (!object.contains(key)) continue;
      const auto cells = Cells(object.value(key), Child(path, key), lastCell,
                               target == MachineSetting::Target::InputPort);
      if (!cells) return false;
      for (const ExpectedCells& run : *cells) {
        for (std::size_t i = 0; i < run.values.size(); ++i) {
          settings.push_back(
              {target,
               QStringLiteral("%1=%2").arg(run.address + static_cast<int>(i)).arg(run.values[i])});
        }
      }
    }
    return true;
  }

  std::optional<AssignmentCase> Case(const QJsonValue& value, const QString& path, int number,
                                     int maxSteps, FlagRules flagRules) {
    const std::optional<QJsonObject> object =
        Object(value, path, {"name", "set", "mem", "in", "expect"});
    if (!object) return std::nullopt;
    AssignmentCase result;
    result.name = QString::number(number);
    result.maxSteps = maxSteps;
    result.flagRules = flagRules;
    if (object->contains("name")) {
      const std::optional<QString> name = Text(object->value("name"), Child(path, "name"));
      if (!name) return std::nullopt;
      result.name = *name;
    }
    if (!Settings(*object, path, result.settings)) return std::nullopt;
    if (object->contains("expect")) {
      const std::optional<Expectation> expect =
          Expect(object->value("expect"), Child(path, "expect"));
      if (!expect) return std::nullopt;
      result.expect = *expect;
    }
    return result;
  }

  std::optional<Assignment> Whole(const QJsonDocument& document, const QString& defaultName) {
    if (!document.isObject()) {
      Fail({},
           QStringLiteral("oczekiwano obiektu {…} z kluczami name, max_steps, flag_rules, cases"));
      return std::nullopt;
    }
    const std::optional<QJsonObject> root =
        Object(document.object(), {}, {"name", "max_steps", "flag_rules", "cases"});
    if (!root) return std::nullopt;
    Assignment assignment{.name = defaultName, .cases = {}};
    if (root->contains("name")) {
      const std::optional<QString> name = Text(root->value("name"), "name");
      if (!name) return std::nullopt;
      assignment.name = *name;
    }
    int maxSteps = RunnerOptions{}.maxSteps;
    if (root->contains("max_steps")) {
      const std::optional<int> steps = Number(root->value("max_steps"), "max_steps", kLargestCount);
      if (!steps) return std::nullopt;
      maxSteps = *steps;
    }
    FlagRules flagRules = FlagRules::Kwarcyt;
    if (root->contains("flag_rules")) {
      const std::optional<QString> name = Text(root->value("flag_rules"), "flag_rules");
      if (!name) return std::nullopt;
      const std::optional<FlagRules> named = FlagRulesNamed(*name);
      if (!named) {
        Fail("flag_rules", QStringLiteral("nieznany zestaw reguł %1 (dozwolone: %2)")
                               .arg(Quoted(*name), FlagRulesNames()));
        return std::nullopt;
      }
      flagRules = *named;
    }
    const QJsonValue cases = root->value("cases");
    if (!cases.isArray() || cases.toArray().isEmpty()) {
      Fail("cases", QStringLiteral("oczekiwano niepustej listy przypadków [{…}, …]"));
      return std::nullopt;
    }
    const QJsonArray list = cases.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
      const std::optional<AssignmentCase> one =
          Case(list[i], Item("cases", i), static_cast<int>(i) + 1, maxSteps, flagRules);
      if (!one) return std::nullopt;
      assignment.cases.push_back(*one);
    }
    return assignment;
  }

 private:
  QString error_;
};

}  // namespace

AssignmentLoad ParseAssignment(const QByteArray& json, const QString& defaultName) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    return {std::nullopt,
            PlaceOf(json, parseError.offset) + ": " + ParseErrorText(parseError.error)};
  }
  Reader reader;
  std::optional<Assignment> assignment = reader.Whole(document, defaultName);
  return {std::move(assignment), reader.Error()};
}

AssignmentLoad LoadAssignment(const QString& path) {
  // Read as program files are: only a regular file of bounded size, so a pipe cannot block.
  const FileBytesResult read = ReadFileBytes(path);
  if (!read.ok) {
    return {
        std::nullopt,
        QStringLiteral("nie można odczytać pliku zadania %1: %2").arg(Quoted(path), read.error)};
  }
  // Guessing another encoding would turn the names of cases into other words without a sign.
  if (const std::optional<std::size_t> bad = FirstInvalidUtf8Byte(
          std::string_view(read.bytes.constData(), static_cast<std::size_t>(read.bytes.size())))) {
    return {std::nullopt,
            QStringLiteral("%1: bajt nr %2 (licząc od 0): to nie jest tekst UTF-8; zapisz plik "
                           "zadania w kodowaniu UTF-8")
                .arg(path)
                .arg(*bad)};
  }
  AssignmentLoad load = ParseAssignment(read.bytes, QFileInfo(path).completeBaseName());
  if (!load.assignment) load.error = path + ": " + load.error;
  return load;
}

}  // namespace kwarcyt
