// The commands of the main window, their menus and their tool bar, as data.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kwarcyt {

// Every command of the window, in the order of the table below.
enum class Command : std::uint8_t {
  Nowy,
  Otworz,
  Zapisz,
  Zapiszjako,
  Zakoncz,
  Wytnij,
  Kopiuj,
  Wklej,
  Wyczysc,
  Cofnij,
  Start,
  Pauza,
  Stop,
  Krok,
  Zwolnij,
  Przyspiesz,
  ActionAlfanumeryczny,
  ActionMonochromatyczny,
  ActionSkalaSzarosci,
  ActionUstawieniaWyswietlaczy,
  ActionPomoc,
  OAutorze,
  ActionWygaszacz,
  PrzelaczPulapke,
  UsunPulapki,
  UruchomDoKursora,
  KrokNad,
  KrokWstecz,
  ObjasnienieKroku,
  Importuj,
  OstatnioOtwierane,
  Znajdz,
  Zamien,
  PrzejdzDoWiersza,
  Powieksz,
  Pomniejsz,
  RozmiarDomyslny,
  Drukuj,
  FlagiProcesora8085,
  KodMaszynowy,
  CykleMaszynowe,
  PodgladPamieci,
};

struct ActionRow {
  Command command;
  std::string_view name;      // objectName of the QAction
  std::string_view category;  // the command's group, kept as the action's "category" property
  std::string_view caption;   // with the "&" of the menu accelerator
  std::string_view hint;      // tool tip; empty for none
  std::string_view shortcut;  // portable key text; empty for none
  int image;                  // index into the command icons; -1 for none
  bool enabledAtStart;
  bool checkable;
};

inline constexpr auto kActions = std::to_array<ActionRow>({
    {Command::Nowy, "Nowy", "Plik", "&Nowy", "Nowy", "Ctrl+N", 0, true, false},
    {Command::Otworz, "Otworz", "Plik", "&Otwórz...", "Otwórz", "Ctrl+O", 1, true, false},
    {Command::Zapisz, "Zapisz", "Plik", "Zapi&sz", "Zapisz", "Ctrl+S", 2, true, false},
    {Command::Zapiszjako, "Zapiszjako", "Plik", "&Zapisz jako...", "Zapisz jako...", "", -1, true,
     false},
    {Command::Zakoncz, "Zakoncz", "Plik", "Za&kończ", "Zakończ", "", -1, true, false},
    {Command::Wytnij, "Wytnij", "Edycja", "&Wytnij", "Wytnij", "Ctrl+X", 3, true, false},
    {Command::Kopiuj, "Kopiuj", "Edycja", "&Kopiuj", "Kopiuj", "Ctrl+C", 4, true, false},
    {Command::Wklej, "Wklej", "Edycja", "Wkl&ej", "Wklej", "Ctrl+V", 5, true, false},
    {Command::Wyczysc, "Wyczysc", "Edycja", "Wyc&zyść", "Wyczyść", "", 6, true, false},
    {Command::Cofnij, "Cofnij", "Edycja", "&Cofnij", "Cofnij", "Ctrl+Z", 7, true, false},
    {Command::Start, "Start", "Symulacja", "&Start", "Start", "F9", 8, false, false},
    {Command::Pauza, "Pauza", "Symulacja", "&Pauza", "Pauza", "F11", 9, false, false},
    {Command::Stop, "Stop", "Symulacja", "Stop/&Reset", "Stop/Reset", "F12", 10, true, false},
    {Command::Krok, "Krok", "Symulacja", "&Krok", "Krok", "F10", 11, false, false},
    {Command::Zwolnij, "Zwolnij", "Symulacja", "Zwolnij", "", "F7", -1, true, false},
    {Command::Przyspiesz, "Przyspiesz", "Symulacja", "Przyśpiesz", "", "F8", -1, true, false},
    {Command::ActionAlfanumeryczny, "ActionAlfanumeryczny", "Wyswietlacz", "&Alfanumeryczny",
     "Alfanumeryczny", "F4", 12, true, true},
    {Command::ActionMonochromatyczny, "ActionMonochromatyczny", "Wyswietlacz", "Graficzny - &Mono",
     "Monochromatyczny", "F5", 13, true, true},
    {Command::ActionSkalaSzarosci, "ActionSkalaSzarosci", "Wyswietlacz", "Graficzny - &Szary",
     "Skala szarości", "F6", 14, true, false},
    {Command::ActionUstawieniaWyswietlaczy, "ActionUstawieniaWyswietlaczy", "Wyswietlacz",
     "&Ustawienia...", "", "F3", -1, true, false},
    {Command::ActionPomoc, "ActionPomoc", "Inne", "&Pomoc", "", "F1", -1, true, false},
    {Command::OAutorze, "OAutorze", "Inne", "O &autorze...", "", "Ctrl+A", -1, true, false},
    {Command::ActionWygaszacz, "ActionWygaszacz", "Inne", "&Wygaszacz", "", "Ctrl+W", -1, true,
     false},
    {Command::PrzelaczPulapke, "PrzelaczPulapke", "Symulacja", "Przełącz pułapkę",
     "Przełącz pułapkę", "F2", 15, true, false},
    {Command::UsunPulapki, "UsunPulapki", "Symulacja", "Usuń wszystkie pułapki",
     "Usuń wszystkie pułapki", "Ctrl+F2", 16, true, false},
    {Command::UruchomDoKursora, "UruchomDoKursora", "Symulacja", "Uruchom do kursora",
     "Uruchom do kursora", "Ctrl+F9", 17, false, false},
    {Command::KrokNad, "KrokNad", "Symulacja", "Krok nad", "Krok nad", "Ctrl+F10", 18, false,
     false},
    {Command::KrokWstecz, "KrokWstecz", "Symulacja", "Krok wstecz", "Krok wstecz", "Ctrl+Shift+F10",
     19, false, false},
    {Command::ObjasnienieKroku, "ObjasnienieKroku", "Symulacja", "&Objaśnienie kroku",
     "Objaśnienie kroku", "", -1, true, true},
    {Command::Importuj, "Importuj", "Plik", "&Importuj...", "Importuj", "", -1, true, false},
    // Carries the submenu of the files last opened or saved.
    {Command::OstatnioOtwierane, "OstatnioOtwierane", "Plik", "Ostatnio otwie&rane", "", "", -1,
     false, false},
    {Command::Znajdz, "Znajdz", "Edycja", "Zn&ajdź...", "Znajdź", "Ctrl+F", -1, true, false},
    {Command::Zamien, "Zamien", "Edycja", "Za&mień...", "Zamień", "Ctrl+H", -1, true, false},
    {Command::PrzejdzDoWiersza, "PrzejdzDoWiersza", "Edycja", "&Przejdź do wiersza...",
     "Przejdź do wiersza", "Ctrl+G", -1, true, false},
    // Ctrl+= is the second key of Powiększ, for keyboards where + needs Shift.
    {Command::Powieksz, "Powieksz", "Wyswietlacz", "Po&większ", "Powiększ", "Ctrl++", -1, true,
     false},
    {Command::Pomniejsz, "Pomniejsz", "Wyswietlacz", "Pomn&iejsz", "Pomniejsz", "Ctrl+-", -1, true,
     false},
    {Command::RozmiarDomyslny, "RozmiarDomyslny", "Wyswietlacz", "&Rozmiar domyślny",
     "Rozmiar domyślny", "Ctrl+0", -1, true, false},
    {Command::Drukuj, "Drukuj", "Plik", "&Drukuj...", "Drukuj", "Ctrl+P", -1, true, false},
    {Command::FlagiProcesora8085, "FlagiProcesora8085", "Symulacja", "&Flagi procesora 8085",
     "Flagi ustawiane według reguł procesora 8085 zamiast reguł Kwarcytu", "", -1, true, true},
    {Command::KodMaszynowy, "KodMaszynowy", "Symulacja", "Kod &maszynowy",
     "Kod maszynowy programu (listing i zapis do pliku Intel HEX)", "", -1, true, true},
    {Command::CykleMaszynowe, "CykleMaszynowe", "Symulacja", "&Cykle maszynowe",
     "Cykle maszynowe i przebiegi czasowe ostatniego kroku", "", -1, true, true},
    {Command::PodgladPamieci, "PodgladPamieci", "Wyswietlacz", "&Podgląd pamięci",
     "Podgląd całej pamięci i stosu", "Ctrl+M", 20, true, true},
});
inline constexpr std::size_t kCommandCount = kActions.size();

// Each command's row stands at the command's own index.
static_assert([] {
  for (std::size_t i = 0; i < kActions.size(); ++i) {
    if (static_cast<std::size_t>(kActions[i].command) != i) return false;
  }
  return true;
}());

// A menu or tool bar item: a command, or a separator line where there is none.
using MenuItem = std::optional<Command>;
inline constexpr MenuItem kSeparatorItem = std::nullopt;

// A menu: its object name, its title and its items.
struct MenuRow {
  std::string_view name;
  std::string_view title;
  std::span<const MenuItem> items;
};

inline constexpr std::array<MenuItem, 10> kPlikItems{
    Command::Nowy,       Command::Otworz, Command::Importuj,          Command::Zapisz,
    Command::Zapiszjako, kSeparatorItem,  Command::OstatnioOtwierane, Command::Drukuj,
    kSeparatorItem,      Command::Zakoncz};
inline constexpr std::array<MenuItem, 10> kEdycjaItems{
    Command::Cofnij,  kSeparatorItem, Command::Wytnij, Command::Kopiuj, Command::Wklej,
    Command::Wyczysc, kSeparatorItem, Command::Znajdz, Command::Zamien, Command::PrzejdzDoWiersza};
inline constexpr std::array<MenuItem, 11> kWyswietlaczItems{Command::ActionUstawieniaWyswietlaczy,
                                                            kSeparatorItem,
                                                            Command::ActionAlfanumeryczny,
                                                            Command::ActionMonochromatyczny,
                                                            Command::ActionSkalaSzarosci,
                                                            kSeparatorItem,
                                                            Command::PodgladPamieci,
                                                            kSeparatorItem,
                                                            Command::Powieksz,
                                                            Command::Pomniejsz,
                                                            Command::RozmiarDomyslny};
inline constexpr std::array<MenuItem, 22> kSymulacjaItems{Command::Zwolnij,
                                                          Command::Przyspiesz,
                                                          kSeparatorItem,
                                                          Command::Start,
                                                          Command::Krok,
                                                          Command::Pauza,
                                                          kSeparatorItem,
                                                          Command::Stop,
                                                          kSeparatorItem,
                                                          Command::UruchomDoKursora,
                                                          Command::KrokNad,
                                                          Command::KrokWstecz,
                                                          kSeparatorItem,
                                                          Command::PrzelaczPulapke,
                                                          Command::UsunPulapki,
                                                          kSeparatorItem,
                                                          Command::ObjasnienieKroku,
                                                          kSeparatorItem,
                                                          Command::KodMaszynowy,
                                                          Command::CykleMaszynowe,
                                                          kSeparatorItem,
                                                          Command::FlagiProcesora8085};
inline constexpr std::array<MenuItem, 3> kInneItems{Command::ActionPomoc, Command::OAutorze,
                                                    Command::ActionWygaszacz};

inline constexpr std::array<MenuRow, 5> kMenus{{
    {"MenuPlik", "&Plik", kPlikItems},
    {"MenuEdycja", "&Edycja", kEdycjaItems},
    {"MenuWyswietlacz", "&Wyświetlacz", kWyswietlaczItems},
    {"MenuSymulacja", "&Symulacja", kSymulacjaItems},
    {"MenuInne", "&Inne", kInneItems},
}};

inline constexpr std::array<MenuItem, 25> kToolBarItems{Command::Nowy,
                                                        Command::Otworz,
                                                        Command::Zapisz,
                                                        kSeparatorItem,
                                                        Command::Wytnij,
                                                        Command::Kopiuj,
                                                        Command::Wklej,
                                                        Command::Wyczysc,
                                                        Command::Cofnij,
                                                        kSeparatorItem,
                                                        Command::ActionAlfanumeryczny,
                                                        Command::ActionMonochromatyczny,
                                                        Command::ActionSkalaSzarosci,
                                                        kSeparatorItem,
                                                        Command::Start,
                                                        Command::Krok,
                                                        Command::Pauza,
                                                        kSeparatorItem,
                                                        Command::Stop,
                                                        kSeparatorItem,
                                                        Command::PrzelaczPulapke,
                                                        Command::UsunPulapki,
                                                        Command::UruchomDoKursora,
                                                        Command::KrokNad,
                                                        Command::KrokWstecz};

// The table's UTF-8 texts as Qt strings.
inline QString ActionText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kwarcyt
