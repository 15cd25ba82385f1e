// The 21 pictures of the commands, in the order of the main window's image list: the tool bar,
// the menus and the help pages all take them from here.
#pragma once

#include <QIcon>
#include <QString>

#include <array>
#include <string_view>

namespace kwarcyt {

enum class CommandIcon {
  Nowy,
  Otworz,
  Zapisz,
  Wytnij,
  Kopiuj,
  Wklej,
  Wyczysc,
  Cofnij,
  Start,
  Pauza,
  Stop,
  Krok,
  Alfanumeryczny,
  Monochromatyczny,
  SkalaSzarosci,
  Pulapka,
  UsunPulapki,
  DoKursora,
  KrokNad,
  KrokWstecz,
  Pamiec,
};
inline constexpr int kCommandIconCount = 21;

// File names (without ".svg") under ":/icons/", indexed by CommandIcon.
inline constexpr std::array<std::string_view, kCommandIconCount> kCommandIconNames = {
    "nowy",           "otworz",           "zapisz",         "wytnij",  "kopiuj",       "wklej",
    "wyczysc",        "cofnij",           "start",          "pauza",   "stop",         "krok",
    "alfanumeryczny", "monochromatyczny", "skala-szarosci", "pulapka", "usun-pulapki", "do-kursora",
    "krok-nad",       "krok-wstecz",      "pamiec",
};

// ":/icons/NAME.svg"
QString CommandIconPath(CommandIcon icon);
QIcon CommandIconImage(CommandIcon icon);

}  // namespace kwarcyt
