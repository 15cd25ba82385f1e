// The texts of the checker's messages and help lines. A message is the line index followed by
// one of the texts that begin with ": "; help lines stand alone.
#pragma once

#include <string_view>

namespace kwarcyt::messages {

inline constexpr std::string_view kInvalidLabelName = ": Nieprawidłowa nazwa etykiety";
inline constexpr std::string_view kUnknownMnemonic = ": Nieznany rozkaz [";
inline constexpr std::string_view kSyntax = ": Prawidłowa składnia rozkazu: ";
inline constexpr std::string_view kInvalidRegister = ": Nieprawidłowy rejestr [";
inline constexpr std::string_view kNoSecondOperand = ": Rozkaz nie wymaga drugiego argumentu";
inline constexpr std::string_view kNoOperands = ": Rozkaz nie wymaga argumentów";
inline constexpr std::string_view kInvalidByte =
    ": Nieprawidłowa liczba lub jest poza zakresem {0..255} [";
inline constexpr std::string_view kInvalidWord =
    ": Nieprawidłowa liczba lub jest poza zakresem {0..65535} [";
inline constexpr std::string_view kInvalidAddress =
    ": Nieprawidłowy adres lub jest poza zakresem {0..65535} [";
inline constexpr std::string_view kUndefinedLabel = ": Brak zdefiniowanej etykiety [";
inline constexpr std::string_view kWordRequired = ": Należy podać liczbę z zakresu {0..65535}";
inline constexpr std::string_view kByteRequired = ": Należy podać liczbę z zakresu {0..255}";
inline constexpr std::string_view kSourceRegisterNotMRequired =
    ": Należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H lub L";
inline constexpr std::string_view kSourceRegisterRequired =
    ": Należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H,L lub M";
inline constexpr std::string_view kMovMM = ": Nieznany rozkaz MOV M,M";
inline constexpr std::string_view kInvalidRoutine = ": Nieprawidłowy numer procedury [";
inline constexpr std::string_view kInvalidRoutineTail = "], należy podać numer z zakresu {0..7}";
inline constexpr std::string_view kUndefinedRoutine =
    ": Brak zdefiniowanej etykiety do procedury [RST_";
// ": Przekroczono maksymalną liczbę etykiet (N)".
inline constexpr std::string_view kTooManyLabels = ": Przekroczono maksymalną liczbę etykiet (";
inline constexpr std::string_view kTooManyLabelsTail = ")";
inline constexpr std::string_view kRepeatedLabel = ": Etykieta powtarza się [";
inline constexpr std::string_view kEmptyProgram = "Program jest pusty";
// "Program ma za dużo wierszy (N), najwięcej M".
inline constexpr std::string_view kTooManyLines = "Program ma za dużo wierszy (";
inline constexpr std::string_view kTooManyLinesTail = "), najwięcej ";

// Help lines.
inline constexpr std::string_view kLabelCharacters =
    "Dozwolone tylko litery, cyfry oraz znak podkreślenia";
// "Pierwszym znakiem musi być litera, maksymalna długość N znaki".
inline constexpr std::string_view kLabelFirstCharacter =
    "Pierwszym znakiem musi być litera, maksymalna długość ";
inline constexpr std::string_view kLabelFirstCharacterTail = " znaki";
inline constexpr std::string_view kHelpRegister =
    "W miejsce [r] należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H,L lub M";
inline constexpr std::string_view kHelpByte =
    "W miejsce [v] należy podać liczbę z zakresu {0..255}";
inline constexpr std::string_view kHelpLabel = "W miejsce [nazwa] należy podać nazwę etykiety";
inline constexpr std::string_view kHelpPair =
    "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B,D,H lub SP";
inline constexpr std::string_view kHelpPairLetters =
    "B,D i H to pierwsze litery rejestrów BC, DE i HL";
inline constexpr std::string_view kHelpAddress =
    "W miejsce [aa] należy podać adres z zakresu {0..65535}";
inline constexpr std::string_view kHelpIndirect =
    "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B lub D";
inline constexpr std::string_view kHelpIndirectLetters =
    "B i D to pierwsze litery rejestrów BC i DE";
inline constexpr std::string_view kHelpLxiPair =
    "W miejsce [rr] należy podać jeden z rejestrów: B,D,H lub SP";
inline constexpr std::string_view kHelpWord =
    "W miejsce [vv] należy podać liczbę z zakresu {0..65535}";
inline constexpr std::string_view kHelpDestination =
    "W miejsce [r1] należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H lub L";
inline constexpr std::string_view kHelpBothRegisters =
    "W miejsce [r1] i [r2] należy podać jeden z 8-bitowych rejestrów: A,B,C,D,E,H,L lub M";
inline constexpr std::string_view kHelpStack =
    "W miejsce [rr] należy podać jeden z 16-bitowych rejestrów: B,D,H lub PSW";
inline constexpr std::string_view kHelpPsw =
    "PSW to rejestr będący połączeniem 8-bitowych rejestrów: A i flagowego";
inline constexpr std::string_view kHelpRoutine =
    "W miejsce [n] należy podać numer procedury z zakresu {0..7}";

}  // namespace kwarcyt::messages
