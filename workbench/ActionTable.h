// The commands of the main window, their menus and their tool bar, as data.
#pragma once

#include <QString>
#include <array>
#include <span>
#include <string_view>

namespace kwarcyt {

struct ActionSpec {
  std::string_view name;      // objectName of the QAction
  std::string_view category;  // the command's group, kept as the action's "category" property
  std::string_view caption;   // with the "&" of the menu accelerator
  std::string_view hint;      // tool tip; empty for none
  std::string_view shortcut;  // portable key text; empty for none
  int image;                  // index into the command icons; -1 for none
  bool enabledAtStart;
  bool checkable;
};

inline constexpr std::array<ActionSpec, 23> kActions{{
    {"Nowy", "Plik", "&Nowy", "Nowy", "Ctrl+N", 0, true, false},
    {"Otworz", "Plik", "&Otwórz...", "Otwórz", "Ctrl+O", 1, true, false},
    {"Zapisz", "Plik", "Zapi&sz", "Zapisz", "Ctrl+S", 2, true, false},
    {"Zapiszjako", "Plik", "&Zapisz jako...", "Zapisz jako...", "", -1, true, false},
    {"Zakoncz", "Plik", "Za&kończ", "Zakończ", "", -1, true, false},
    {"Wytnij", "Edycja", "&Wytnij", "Wytnij", "Ctrl+X", 3, true, false},
    {"Kopiuj", "Edycja", "&Kopiuj", "Kopiuj", "Ctrl+C", 4, true, false},
    {"Wklej", "Edycja", "Wkl&ej", "Wklej", "Ctrl+V", 5, true, false},
    {"Wyczysc", "Edycja", "Wyc&zyść", "Wyczyść", "", 6, true, false},
    {"Cofnij", "Edycja", "&Cofnij", "Cofnij", "Ctrl+Z", 7, true, false},
    {"Start", "Symulacja", "&Start", "Start", "F9", 8, false, false},
    {"Pauza", "Symulacja", "&Pauza", "Pauza", "F11", 9, false, false},
    {"Stop", "Symulacja", "Stop/&Reset", "Stop/Reset", "F12", 10, true, false},
    {"Krok", "Symulacja", "&Krok", "Krok", "F10", 11, false, false},
    {"Zwolnij", "Symulacja", "Zwolnij", "", "F7", -1, true, false},
    {"Przyspiesz", "Symulacja", "Przyśpiesz", "", "F8", -1, true, false},
    {"ActionAlfanumeryczny", "Wyswietlacz", "&Alfanumeryczny", "Alfanumeryczny", "F4", 12, true,
     true},
    {"ActionMonochromatyczny", "Wyswietlacz", "Graficzny - &Mono", "Monochromatyczny", "F5", 13,
     true, true},
    {"ActionSkalaSzarosci", "Wyswietlacz", "Graficzny - &Szary", "Skala szarości", "F6", 14, true,
     false},
    {"ActionUstawieniaWyswietlaczy", "Wyswietlacz", "&Ustawienia...", "", "F3", -1, true, false},
    {"ActionPomoc", "Inne", "&Pomoc", "", "F1", -1, true, false},
    {"OAutorze", "Inne", "O &autorze...", "", "Ctrl+A", -1, true, false},
    {"ActionWygaszacz", "Inne", "&Wygaszacz", "", "Ctrl+W", -1, true, false},
}};

// A menu: its title and its items by action name; "-" is a separator line.
struct MenuSpec {
  std::string_view name;
  std::string_view title;
  std::span<const std::string_view> items;
};

inline constexpr std::string_view kSeparator = "-";

inline constexpr std::array<std::string_view, 6> kPlikItems{"Nowy",       "Otworz", "Zapisz",
                                                            "Zapiszjako", "-",      "Zakoncz"};
inline constexpr std::array<std::string_view, 6> kEdycjaItems{"Cofnij", "-",     "Wytnij",
                                                              "Kopiuj", "Wklej", "Wyczysc"};
inline constexpr std::array<std::string_view, 5> kWyswietlaczItems{
    "ActionUstawieniaWyswietlaczy", "-", "ActionAlfanumeryczny", "ActionMonochromatyczny",
    "ActionSkalaSzarosci"};
inline constexpr std::array<std::string_view, 8> kSymulacjaItems{
    "Zwolnij", "Przyspiesz", "-", "Start", "Krok", "Pauza", "-", "Stop"};
inline constexpr std::array<std::string_view, 3> kInneItems{"ActionPomoc", "OAutorze",
                                                            "ActionWygaszacz"};

inline constexpr std::array<MenuSpec, 5> kMenus{{
    {"MenuPlik", "&Plik", kPlikItems},
    {"MenuEdycja", "&Edycja", kEdycjaItems},
    {"MenuWyswietlacz", "&Wyświetlacz", kWyswietlaczItems},
    {"MenuSymulacja", "&Symulacja", kSymulacjaItems},
    {"MenuInne", "&Inne", kInneItems},
}};

inline constexpr std::array<std::string_view, 19> kToolBarItems{"Nowy",
                                                                "Otworz",
                                                                "Zapisz",
                                                                "-",
                                                                "Wytnij",
                                                                "Kopiuj",
                                                                "Wklej",
                                                                "Wyczysc",
                                                                "Cofnij",
                                                                "-",
                                                                "ActionAlfanumeryczny",
                                                                "ActionMonochromatyczny",
                                                                "ActionSkalaSzarosci",
                                                                "-",
                                                                "Start",
                                                                "Krok",
                                                                "Pauza",
                                                                "-",
                                                                "Stop"};

// The table's UTF-8 texts as Qt strings.
inline QString ActionText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kwarcyt
