// What a screen reader says for the state views: the name of what a row shows and its value in
// the three notations, whatever notation the row itself is written in.
#pragma once

#include <QString>

namespace kwarcyt {

struct MachineField;

// "Akumulator A", "Para rejestrów BC", "Flaga zera Z".
QString SpokenFieldName(const MachineField& field);
// "Akumulator A: 7, 07h, 00000111b"; 16-bit fields in four hexadecimal and 16 binary digits.
QString SpokenFieldValue(const MachineField& field, int value);
// "Komórka pamięci 1000h: 65, 41h, 01000001b", "Port wejściowy 0Ah: 0, 00h, 00000000b".
QString SpokenCell(const QString& what, int address, int addressDigits, int value);

}  // namespace kwarcyt
