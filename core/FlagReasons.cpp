#include "internal/FlagReasons.h"

#include <array>
#include <bit>
#include <cstdio>

#include "MachineFields.h"
#include "checker/Mojefunkcje.h"

namespace kwarcyt {
namespace {

std::string Hex(int value, int digits) {
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "%0*Xh", digits, static_cast<unsigned>(value));
  return text.data();
}

std::string DigitHex(int value) {
  return Hex(value, 1);
}

std::string Number(int value) {
  return std::to_string(value);
}

std::string Binary(int value) {
  return BinaryText(static_cast<std::uint32_t>(value), 8) + "b";
}

std::string Exceeds(bool exceeds) {
  return exceeds ? " przekracza FFh" : " nie przekracza FFh";
}

std::string ExceedsDigit(bool exceeds) {
  return exceeds ? " przekracza Fh" : " nie przekracza Fh";
}

// The bit of the flag byte (S Z 0 AC 0 P 0 CY) that holds each flag.
constexpr std::array<int, 5> kFlagBits{7, 6, 4, 2, 0};

constexpr std::array<const char*, 5> kFlagNames{FieldNamed("S").name, FieldNamed("Z").name,
                                                FieldNamed("AC").name, FieldNamed("P").name,
                                                FieldNamed("CY").name};

std::string Evenness(int value) {
  return value == 1 ? "parzystą" : "nieparzystą";
}

std::string ParityReason(int value, int result, int carry) {
  const int ones = std::popcount(static_cast<unsigned>(result));
  if (result == 0) return "wynik jest zerem, a w tym symulatorze zero ma zawsze P=0";
  if (carry == 0) return "wynik ma " + Evenness(value) + " liczbę jedynek (" + Number(ones) + ")";
  return "liczba jedynek wyniku (" + Number(ones) + ") plus CY=1 daje " + Number(ones + 1) +
         ", liczbę " + Evenness(value);
}

std::string EvenParityReason(int value, int result) {
  const int ones = std::popcount(static_cast<unsigned>(result));
  if (result == 0) return "wynik jest zerem: zero jedynek to liczba parzysta";
  return "wynik ma " + Evenness(value) + " liczbę jedynek (" + Number(ones) + ")";
}

std::string DecimalLowReason(int value, int lowDigit, int acBefore) {
  if (value == 0) {
    return "młodsza cyfra " + DigitHex(lowDigit) +
           " nie przekracza 9, a AC było 0: bez korekcji o 06h";
  }
  if (lowDigit > 9) return "młodsza cyfra " + DigitHex(lowDigit) + " przekracza 9: dodano 06h";
  return "AC było " + Number(acBefore) + ": dodano 06h";
}

// The processor's half carry of DAA: the low digit plus the low correction.
std::string DecimalLowSumReason(const FlagNote& n) {
  if (n.z == 0) return DecimalLowReason(0, n.x, n.y) + ", więc nie ma przeniesienia";
  const std::string why =
      n.x > 9 ? "młodsza cyfra " + DigitHex(n.x) + " przekracza 9" : "AC było " + Number(n.y);
  return why + ": dodano 06h, a " + DigitHex(n.x) + " + 6h = " + DigitHex(n.x + n.z) +
         ExceedsDigit(n.value == 1);
}

// The processor's carry of DAA: set exactly when 60h is added.
std::string DecimalHighDigitReason(const FlagNote& n) {
  const std::string high = "starsza cyfra " + DigitHex(n.y);
  if (n.x == 1) return "CY było 1: dodano 60h, a DAA nie zeruje CY";
  if (n.y > 9) return high + " przekracza 9: dodano 60h";
  if (n.y == 9 && n.z > 9) {
    return high + " wynosi 9, a młodsza " + DigitHex(n.z) + " przekracza 9: dodano 60h";
  }
  return high + " nie przekracza 9 (ani 9 z młodszą powyżej 9), a CY było 0: bez korekcji o 60h";
}

std::string DecimalCarryReason(int value, int carryBefore, int overflowed) {
  if (overflowed == 1) return "korekcja przekroczyła FFh";
  if (value == 1 && carryBefore == 1) return "DAA nie zeruje CY, a CY było 1";
  return "korekcja nie przekroczyła FFh, a CY było 0";
}

std::string Because(const FlagNote& n) {
  const bool set = n.value == 1;
  switch (n.rule) {
    case FlagRule::Sign:
      return "bit 7 wyniku " + ByteHex(n.x) + (set ? " jest jedynką" : " jest zerem");
    case FlagRule::Zero:
      return set ? "wynik jest zerem" : "wynik jest różny od zera";
    case FlagRule::Parity:
      return ParityReason(n.value, n.x, n.y);
    case FlagRule::EvenParity:
      return EvenParityReason(n.value, n.x);
    case FlagRule::HalfCarryAdd:
      return "suma młodszych cyfr " + DigitHex(n.x) + " + " + DigitHex(n.y) +
             (n.z == 1 ? " + CY (1)" : "") + " = " + DigitHex(n.x + n.y + n.z) + ExceedsDigit(set);
    case FlagRule::HalfCarrySubtract:
      return "młodsza cyfra A (" + DigitHex(n.x) + ") plus młodsza cyfra dopełnienia odjemnej (" +
             DigitHex(n.y) + ") = " + DigitHex(n.x + n.y) + ExceedsDigit(set);
    case FlagRule::HalfCarryInverted:
      return "młodsza cyfra A (" + DigitHex(n.x) + ") plus młodsza cyfra odwróconej odjemnej (" +
             DigitHex(n.y) + ") plus " + Number(n.z) + " = " + DigitHex(n.x + n.y + n.z) +
             ExceedsDigit(set);
    case FlagRule::CarryAdd:
      return "suma " + ByteHex(n.x) + Exceeds(set);
    case FlagRule::CarrySubtract:
      return "A plus dopełnienie odjemnej = " + ByteHex(n.x) + Exceeds(!set) +
             " (w tym symulatorze brak przeniesienia oznacza pożyczkę)";
    case FlagRule::BorrowInverted:
      return "A plus odwrócona odjemna plus " + Number(n.y) + " = " + ByteHex(n.x) + Exceeds(!set) +
             (set ? ", więc jest pożyczka (A mniejsze od odjemnej)"
                  : ", więc nie ma pożyczki (A nie mniejsze od odjemnej)");
    case FlagRule::LogicAnd:
      return "ANA i ANI zawsze ustawiają AC";
    case FlagRule::LogicOther:
      return "XRA, XRI, ORA i ORI zawsze zerują AC";
    case FlagRule::LogicCarry:
      return "rozkazy logiczne zawsze zerują CY";
    case FlagRule::IncrementDigit:
      return set ? "młodsza cyfra Fh przeszła w 0h"
                 : "młodsza cyfra " + DigitHex(n.x) + " nie jest Fh";
    case FlagRule::DecrementDigit:
      return set ? "młodsza cyfra " + DigitHex(n.x) + " jest różna od 0h"
                 : "młodsza cyfra 0h przeszła w Fh";
    case FlagRule::DecimalLowDigit:
      return DecimalLowReason(n.value, n.x, n.y);
    case FlagRule::DecimalLowSum:
      return DecimalLowSumReason(n);
    case FlagRule::DecimalCarry:
      return DecimalCarryReason(n.value, n.x, n.y);
    case FlagRule::DecimalHighDigit:
      return DecimalHighDigitReason(n);
    case FlagRule::DoubleAddCarry:
      return "suma starszych bajtów z przeniesieniem " + ByteHex(n.x) + Exceeds(set);
    case FlagRule::RotatedOutBit7:
      return "tyle wynosił wysunięty bit 7 A (" + ByteHex(n.x) + ", " + Binary(n.x) + ")";
    case FlagRule::RotatedOutBit0:
      return "tyle wynosił wysunięty bit 0 A (" + ByteHex(n.x) + ", " + Binary(n.x) + ")";
    case FlagRule::Complemented:
      return "CMC odwraca CY, które było " + Number(n.x);
    case FlagRule::SetCarry:
      return "STC zawsze ustawia CY";
    case FlagRule::FromFlagByte:
      return "tyle wynosi bit " + Number(kFlagBits[static_cast<std::size_t>(n.flag)]) +
             " bajtu flag zdjętego ze stosu (" + ByteHex(n.x) + ", " + Binary(n.x) + ")";
  }
  return {};
}

}  // namespace

const char* FlagName(FlagId flag) {
  return kFlagNames[static_cast<std::size_t>(flag)];
}

std::string FlagReason(const FlagNote& note) {
  return std::string(FlagName(note.flag)) + "=" + Number(note.value) + ", bo " + Because(note);
}

std::string ByteHex(int value) {
  return Hex(value, 2);
}

std::string WordHex(int value) {
  return Hex(value, 4);
}

}  // namespace kwarcyt
