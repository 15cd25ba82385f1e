#include "RunnerOptions.h"

#include <QCommandLineParser>
#include <limits>
#include <map>

#include "MachineSettings.h"
#include "checker/Operands.h"
#include "checker/ProgramCheck.h"
#include "internal/FieldNames.h"
#include "internal/OptionNumber.h"
#include "internal/RunReport.h"
#include "sourcefile/ProgramFile.h"
#include "viewtext/CommandLineTexts.h"

namespace kwarcyt {
namespace {

const QString kDescription =
    QStringLiteral(
        "Sprawdza i uruchamia bez okna program w asemblerze 8085 zapisany w pliku PLIK,\n"
        "tak jak robi to jedno naciśnięcie Start przy największej szybkości, i wypisuje\n"
        "stan maszyny po zakończeniu: listę błędów, rejestry, flagi, niezerowe porty\n"
        "wyjściowe i wybrane obszary pamięci. Z opcją --zadanie ocenia naraz wiele programów\n"
        "według przypadków opisanych w pliku zadania.\n"
        "\n"
        "Maszyna startuje wyzerowana, jak po Stop/Reset; potem opcje --set, --mem i --in\n"
        "działają w podanej kolejności. Liczby zapisuje się tak jak w programie: 75, 4Bh,\n"
        "01001011b albo 'K'. Plik w UTF-8 jest czytany jako UTF-8, każdy inny jako\n"
        "Windows-1250. Czytany jest tylko zwykły plik (albo standardowe wejście)\n"
        "o rozmiarze najwyżej %1 MB; program może mieć najwyżej %2 wierszy, nie licząc\n"
        "pustego wiersza po końcowym znaku nowego wiersza. Nazwa pliku nie musi być\n"
        "w UTF-8; jej bajty spoza UTF-8 i znaki sterujące są wypisywane jako \\x i dwie\n"
        "cyfry szesnastkowe, na przykład zad\\xB3.txt.\n"
        "\n"
        "Kody wyjścia:\n"
        "  0  program zatrzymany rozkazem HLT, doszedł do końca albo nie został uruchomiony\n"
        "     (także po pomyślnym --check)\n"
        "  1  program zawiera błędy (z --listing i --hex także: kod nie mieści się w pamięci)\n"
        "  2  błędna opcja lub wartość albo nie można odczytać pliku\n"
        "  3  błąd wykonania\n"
        "  4  program wciąż działał po --max-steps krokach\n"
        "  5  z --zadanie: któryś przypadek któregoś programu nie został zaliczony\n"
        "     (0: wszystkie zaliczone; 2: błędny plik zadania)\n"
        "\n"
        "kwarcyt-run --import PLIK przekształca program zapisany w zwykłej składni asemblerów "
        "8085\n"
        "(komentarze po średniku, // lub #, etykiety przed rozkazem, dane ORG/DB, stałe EQU,\n"
        "liczby $FF i 0xFF, wyrażenia z + - * /, nawiasami, HIGH i LOW) na składnię Kwarcytu\n"
        "i wypisuje go na standardowe wyjście (UTF-8), a uwagi o przekształceniu na standardowe\n"
        "wyjście błędów. Kody wyjścia: 0 - cały program przekształcono wiernie i przechodzi\n"
        "sprawdzenie, 1 - któryś wiersz zostawiono jako komentarz lub bez zmian albo zmieniono\n"
        "jego znaczenie (uwagi mówią, który), wynik nie przechodzi sprawdzenia lub miałby ponad\n"
        "%2 wierszy, 2 - nie można odczytać pliku.")
        .arg(kMaxProgramFileMegabytes)
        .arg(kMaxProgramLines);

const QString kJsonDescription =
    QStringLiteral(
        "Wypisuje na standardowe wyjście jeden obiekt JSON (UTF-8) o kluczach: checked (czy "
        "program przeszedł sprawdzenie), end (check: błędy w programie; idle: nic nie "
        "uruchomiono; hlt: rozkaz HLT; end: program doszedł do końca; error: błąd wykonania; "
        "limit: wyczerpano limit kroków; break: zatrzymany przed wierszem z --break), steps "
        "(liczba kroków), errors (wiersze listy błędów), status (tekst paska stanu), registers "
        "(%1), flags (%2), out (256 portów wyjściowych), memory (dla każdego --dump obiekt "
        "{\"address\", \"values\"}). Z --zadanie: jeden obiekt z wynikami oceny (zob. --zadanie).")
        .arg(NamesOf(JsonRegisterFields()), NamesOf(FlagFields()));

const QString kAssignmentDescription = QStringLiteral(
    "Ocenia programy: każdy podany PLIK, a z podanego folderu każdy plik *.txt (w kolejności "
    "nazw, bez podfolderów), jest uruchamiany w każdym przypadku zadania dokładnie tak, jak "
    "uruchomiłyby go opcje --set, --mem, --in i --max-steps, a stan maszyny po przebiegu jest "
    "porównywany z oczekiwanym. Wypisuje tabelę: wiersz na program, dla każdego przypadku + "
    "(zaliczony) albo - (niezaliczony), punkty, a pod tabelą pierwszą różnicę każdego "
    "niezaliczonego przypadku. Program z błędami nie zalicza żadnego przypadku; plik, którego "
    "nie można odczytać, jest wierszem z przyczyną; folder daje także pliki, których nazwy nie są "
    "w UTF-8. Plik zadania musi być w UTF-8 (inny jest odrzucany z numerem pierwszego "
    "błędnego bajtu) i zawierać JSON: {\"name\": "
    "nazwa, \"max_steps\": N, \"cases\": [{\"name\": nazwa, \"set\": {\"HL\": \"2000h\"}, "
    "\"mem\": {\"2000h\": [1, 2, 3]}, \"in\": {\"1\": 5}, \"expect\": {\"end\": \"hlt\", "
    "\"registers\": {\"A\": 6}, \"flags\": {\"Z\": 0}, \"out\": {\"1\": 6}, \"memory\": "
    "{\"2100h\": [6]}, \"max_steps\": N, \"max_tstates\": N}}]}. Liczby zapisuje się jak w "
    "programie, także w cudzysłowie (\"4Bh\", \"'K'\"); każda część expect jest opcjonalna, "
    "max_steps i max_tstates to górne granice liczby kroków i taktów zegara. Klucz "
    "\"flag_rules\": \"8085\" obok \"cases\" uruchamia wszystkie przypadki według reguł flag "
    "procesora 8085 (domyślnie \"kwarcyt\", zob. --flag-rules). Z --json wypisuje "
    "obiekt {name, cases, programs: [{file, points, error, cases: [{name, passed, differences, "
    "run}]}]}, gdzie run to obiekt, jaki --json wypisuje dla jednego przebiegu; z --csv wiersz "
    "na każdy program i przypadek.");

struct Options {
  QCommandLineOption check{"check",
                           "Tylko sprawdza cały program i wypisuje listę błędów; kod wyjścia 0, "
                           "gdy program jest poprawny, 1, gdy zawiera błędy."};
  QCommandLineOption json{"json", kJsonDescription};
  QCommandLineOption trace{"trace",
                           "Po każdym wykonanym kroku wypisuje na standardowe wyjście błędów numer "
                           "wiersza, spację i tekst paska stanu."};
  QCommandLineOption maxSteps{
      "max-steps",
      "Przerywa przebieg po N krokach (domyślnie 100000000). Krokiem jest każdy wykonany wiersz, "
      "także etykieta, komentarz i pusty wiersz, a także krok z rozkazem HLT lub z błędem.",
      "N"};
  QCommandLineOption set{
      "set",
      QStringLiteral("Ustawia rejestr, parę rejestrów lub flagę. NAZWA to jedno z: %1 (wielkość "
                     "liter dowolna). PC to numer wiersza programu, od 0.")
          .arg(SettableNames()),
      "NAZWA=WARTOŚĆ"};
  QCommandLineOption mem{"mem", "Wpisuje bajt do komórki pamięci o adresie 0..65535.",
                         "ADRES=WARTOŚĆ"};
  QCommandLineOption in{"in", "Ustawia port wejściowy 0..255.", "PORT=WARTOŚĆ"};
  QCommandLineOption dump{"dump", "Po zakończeniu wypisuje LICZBA komórek pamięci od adresu ADRES.",
                          "ADRES:LICZBA"};
  QCommandLineOption breakAt{
      "break",
      "Zatrzymuje przebieg przed wykonaniem wiersza N (numer jak w liście błędów, od 0); opcję "
      "można podać wiele razy. Pierwszy krok wykonuje się zawsze. Wiersz z etykietą zatrzymuje "
      "przebieg przy każdym dojściu do niej: przed sobą, gdy przebieg do niego dochodzi, i przed "
      "następnym wierszem, gdy prowadzi do niej skok, wywołanie albo RST. Zakończenie: break, "
      "kod wyjścia 0.",
      "N"};
  QCommandLineOption import{"import",
                            "Przekształca PLIK ze zwykłej składni asemblerów 8085 na składnię "
                            "Kwarcytu i wypisuje wynik, niczego nie uruchamiając; nie łączy się "
                            "z innymi opcjami.",
                            "PLIK"};
  QCommandLineOption assignment{"zadanie", kAssignmentDescription, "PLIK_ZADANIA"};
  QCommandLineOption csv{
      "csv",
      "Z --zadanie: wypisuje wyniki jako CSV (UTF-8, przecinki) z wierszem "
      "nagłówka plik,przypadek,zaliczony,kroki,różnica, do arkusza kalkulacyjnego."};
  QCommandLineOption flagRules{
      "flag-rules",
      "Reguły, według których rozkazy ustawiają flagi: kwarcyt (domyślnie) - reguły tego "
      "symulatora: parzystość wyniku zero wynosi 0 i liczy się w niej CY, odejmowanie "
      "i porównanie z zerem ustawiają CY, półprzeniesienie ADC i ACI jest liczone po dodaniu CY "
      "do argumentu, a SUB, SBB, CMP i DAA ustawiają AC po swojemu; 8085 - reguły procesora "
      "Intel 8085. Rejestry i pamięć wychodzą takie same, różnią się tylko flagi. Z --zadanie "
      "wygrywa nad \"flag_rules\" z pliku zadania.",
      "ZASADY"};
  QCommandLineOption listing{
      "listing",
      "Wypisuje kod maszynowy 8085 programu, niczego nie uruchamiając: dla każdego wiersza adres, "
      "bajty rozkazu, numer wiersza i wiersz, a po nich uwagi o tym, czym procesor różni się od "
      "Kwarcytu. Program z błędami: lista błędów i kod wyjścia 1, tak samo program, którego kod "
      "sięgałby poza adres 0FFFFh."};
  QCommandLineOption hex{"hex",
                         "Jak --listing, lecz wypisuje kod maszynowy w formacie Intel HEX (rekordy "
                         "danych po najwyżej 16 bajtów i rekord końca pliku)."};
  QCommandLineOption org{"org",
                         "Z --listing lub --hex: adres pierwszego bajtu kodu, 0..0FFFFh "
                         "(domyślnie 0).",
                         "N"};
  QCommandLineOption cycles{
      "cycles",
      "Po każdym wykonanym rozkazie wypisuje na standardowe wyjście błędów numer wiersza, "
      "dwukropek i cykle maszynowe, jakie wykonałby procesor 8085, każdy jako rodzaj (OF, MR, MW, "
      "IOR, IOW, BI, HALT) i liczbę taktów: 12: OF 4 MR 3 MR 3 MW 3. Z --trace wiersz śladu kroku "
      "jest przed jego wierszem cykli."};
  QCommandLineOption help = HelpOption();
};

std::optional<MemoryDump> ReadDump(const QString& text, QString& error) {
  const auto parts = SplitOption(text, ':', [](const QString& left) {
    return ReadOptionNumber(left, MachineState::kMemorySize - 1).has_value();
  });
  if (!parts) {
    const qsizetype at = text.indexOf(':');
    error = QStringLiteral("--dump %1: ").arg(text) +
            (at < 0 ? QStringLiteral("oczekiwano ADRES:LICZBA")
                    : NotANumberMessage(text.left(at), MachineState::kMemorySize - 1));
    return std::nullopt;
  }
  MemoryDump dump;
  dump.address = *ReadOptionNumber(parts->first, MachineState::kMemorySize - 1);
  const int mostCells = MachineState::kMemorySize - dump.address;
  const std::optional<int> count = ReadOptionNumber(parts->second, mostCells);
  if (!count) {
    error = QStringLiteral("--dump %1: ").arg(text) + NotANumberMessage(parts->second, mostCells);
    return std::nullopt;
  }
  dump.count = *count;
  return dump;
}

// --set, --mem, --in and --dump in the order they were written: optionNames() lists every
// occurrence in that order, so settings of different options keep their order too.
std::optional<QString> CollectInOrder(const QCommandLineParser& parser, RunnerOptions& options) {
  const std::map<QString, MachineSetting::Target> targets{
      {"set", MachineSetting::Target::Register},
      {"mem", MachineSetting::Target::Memory},
      {"in", MachineSetting::Target::InputPort}};
  std::map<QString, qsizetype> seen;
  for (const QString& name : parser.optionNames()) {
    const QString value = parser.values(name).value(seen[name]++);
    if (const auto target = targets.find(name); target != targets.end()) {
      options.settings.push_back({target->second, value});
    } else if (name == "dump") {
      QString error;
      const std::optional<MemoryDump> dump = ReadDump(value, error);
      if (!dump) return error;
      options.dumps.push_back(*dump);
    }
  }
  return std::nullopt;
}

ParsedCommandLine Failure(const QString& message) {
  ParsedCommandLine result;
  result.outcome = ParsedCommandLine::Outcome::Error;
  result.text = message;
  return result;
}

// --import stands alone: a teacher converts a folder file by file and checks the results after.
ParsedCommandLine ImportCommandLine(const QCommandLineParser& parser, const QString& file) {
  if (parser.optionNames().size() > 1 || !parser.positionalArguments().isEmpty()) {
    return Failure(QStringLiteral("--import nie łączy się z innymi opcjami ani plikami"));
  }
  ParsedCommandLine result;
  result.outcome = ParsedCommandLine::Outcome::Run;
  result.options.import = true;
  result.options.file = file;
  return result;
}

// The cases of the assignment say how each program runs, so the options of a single run do not
// apply.
ParsedCommandLine GradingCommandLine(const QCommandLineParser& parser, const Options& o,
                                     const QStringList& programs) {
  for (const QCommandLineOption& single : {o.check, o.trace, o.maxSteps, o.breakAt, o.set, o.mem,
                                           o.in, o.dump, o.cycles, o.listing, o.hex, o.org}) {
    if (parser.isSet(single)) {
      return Failure(QStringLiteral("opcji --%1 nie można łączyć z --zadanie: przebiegi opisuje "
                                    "plik zadania")
                         .arg(single.names().first()));
    }
  }
  if (parser.isSet(o.json) && parser.isSet(o.csv)) {
    return Failure(QStringLiteral("opcji --json i --csv nie można łączyć"));
  }
  if (programs.isEmpty()) return Failure(QStringLiteral("nie podano żadnego programu do oceny"));
  ParsedCommandLine result;
  result.outcome = ParsedCommandLine::Outcome::Run;
  result.options.assignment = parser.value(o.assignment);
  result.options.programs = programs;
  result.options.json = parser.isSet(o.json);
  result.options.csv = parser.isSet(o.csv);
  return result;
}

// --listing and --hex print the program's machine code instead of running it.
std::optional<QString> ReadMachineCodeOptions(const QCommandLineParser& parser, const Options& o,
                                              RunnerOptions& options) {
  options.listing = parser.isSet(o.listing);
  options.hex = parser.isSet(o.hex);
  if (options.listing && options.hex) {
    return QStringLiteral("opcji --listing i --hex nie można łączyć");
  }
  const bool machineCode = options.listing || options.hex;
  if (parser.isSet(o.org)) {
    if (!machineCode) return QStringLiteral("opcja --org działa tylko z --listing albo --hex");
    const QString text = parser.value(o.org);
    const std::optional<int> origin = ReadOptionNumber(text, kWordMaximum);
    if (!origin) return QStringLiteral("--org: ") + NotANumberMessage(text, kWordMaximum);
    options.origin = *origin;
  }
  if (!machineCode) return std::nullopt;
  for (const QCommandLineOption& run :
       {o.check, o.json, o.trace, o.cycles, o.maxSteps, o.breakAt, o.set, o.mem, o.in, o.dump}) {
    if (parser.isSet(run)) {
      return QStringLiteral(
                 "opcji --%1 nie można łączyć z --%2: kod maszynowy nie uruchamia "
                 "programu")
          .arg(run.names().first(), options.listing ? "listing" : "hex");
    }
  }
  return std::nullopt;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
  const Options o;
  QCommandLineParser parser;
  parser.setApplicationDescription(kDescription);
  parser.addOptions({o.check, o.json, o.trace, o.cycles, o.maxSteps, o.breakAt, o.set, o.mem, o.in,
                     o.dump, o.listing, o.hex, o.org, o.assignment, o.csv, o.import, o.flagRules,
                     o.help});
  parser.addPositionalArgument("PLIK",
                               "Plik z programem; - oznacza standardowe wejście. Z --zadanie: "
                               "jeden lub więcej plików albo folderów z plikami *.txt.");
  if (!parser.parse(arguments)) return Failure(parser.errorText());

  ParsedCommandLine result;
  if (parser.isSet(o.help)) {
    result.outcome = ParsedCommandLine::Outcome::Help;
    result.text = parser.helpText();
    return result;
  }

  if (parser.isSet(o.import)) return ImportCommandLine(parser, parser.value(o.import));

  std::optional<FlagRules> flagRules;
  if (parser.isSet(o.flagRules)) {
    flagRules = FlagRulesNamed(parser.value(o.flagRules));
    if (!flagRules) {
      return Failure(QStringLiteral("--flag-rules %1: nieznany zestaw reguł (dozwolone: %2)")
                         .arg(parser.value(o.flagRules), FlagRulesNames()));
    }
  }
  RunnerOptions& options = result.options;
  const QStringList files = parser.positionalArguments();
  if (parser.isSet(o.assignment)) {
    ParsedCommandLine grading = GradingCommandLine(parser, o, files);
    grading.options.flagRules = flagRules;
    return grading;
  }
  options.flagRules = flagRules;
  if (parser.isSet(o.csv)) return Failure(QStringLiteral("opcja --csv działa tylko z --zadanie"));
  if (files.isEmpty()) return Failure(QStringLiteral("nie podano pliku z programem"));
  if (files.size() > 1) {
    return Failure(QStringLiteral("podano więcej niż jeden plik: %1").arg(files.join(' ')));
  }
  options.file = files.first();
  options.checkOnly = parser.isSet(o.check);
  options.json = parser.isSet(o.json);
  options.trace = parser.isSet(o.trace);
  options.cycles = parser.isSet(o.cycles);
  if (const std::optional<QString> error = ReadMachineCodeOptions(parser, o, options)) {
    return Failure(*error);
  }
  options.breaks = parser.values(o.breakAt);
  if (parser.isSet(o.maxSteps)) {
    const QString text = parser.value(o.maxSteps);
    const std::optional<int> steps = ReadOptionNumber(text, std::numeric_limits<int>::max());
    if (!steps) {
      return Failure(QStringLiteral("--max-steps: ") +
                     NotANumberMessage(text, std::numeric_limits<int>::max()));
    }
    options.maxSteps = *steps;
  }

  if (const std::optional<QString> error = CollectInOrder(parser, options)) return Failure(*error);
  result.outcome = ParsedCommandLine::Outcome::Run;
  return result;
}

}  // namespace kwarcyt
