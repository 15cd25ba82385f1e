#include "internal/HelpPages.h"

#include "checker/Mojefunkcje.h"

namespace kwarcyt {

namespace {

using K = HelpLineKind;

HelpLine Command(const char* text, std::optional<CommandIcon> icon = std::nullopt) {
  return {K::Command, QString::fromUtf8(text), icon};
}
HelpLine Line(K kind, const char* text) {
  return {kind, QString::fromUtf8(text)};
}

HelpPage FilePage() {
  return {QStringLiteral("&Plik"),
          {{
              Command("[&Nowy] - Tworzy nowy kod", CommandIcon::Nowy),
              Command("[&Otwórz...] - Otwiera gotowy kod z pliku", CommandIcon::Otworz),
              Command("[&Importuj...] - Przekształca kod w składni innych asemblerów 8085"),
              Command("[Zapi&sz] - Zapisuje aktualny kod do pliku", CommandIcon::Zapisz),
              Command("[&Zapisz jako...] - Zapisuje aktualny kod do nowego pliku"),
              Command("[Ostatnio otwie&rane] - Otwiera jeden z ostatnio używanych plików"),
              Command("[&Drukuj...] - Drukuje kod z numerami wierszy (także do pliku PDF)"),
              Command("[Za&kończ] - Kończy działanie programu Kwarcyt"),
          }},
          /*scrolls=*/true};
}

HelpPage EditPage() {
  return {QStringLiteral("&Edycja"),
          {{
              Command("[&Wytnij] - Wycina zaznaczony tekst do schowka", CommandIcon::Wytnij),
              Command("[&Kopiuj] - Kopiuje zaznaczony tekst do schowka", CommandIcon::Kopiuj),
              Command("[Wkl&ej] - Wkleja zawartość schowka do okna tekstowego", CommandIcon::Wklej),
              Command("[Wyc&zyść] - Czyści zaznaczony tekst", CommandIcon::Wyczysc),
              Command("[&Cofnij] - Cofa ostatnią operację w tekście", CommandIcon::Cofnij),
              Command("[Zn&ajdź...] - Wyszukuje tekst w kodzie (Enter - następny, Esc - koniec)"),
              Command("[Za&mień...] - Zamienia wyszukany tekst na inny (jeden lub wszystkie)"),
              Command("[&Przejdź do wiersza...] - Przenosi kursor do wiersza o podanym numerze"),
          }},
          /*scrolls=*/true};
}

HelpPage DisplayPage() {
  return {
      QStringLiteral("&Wyświetlacz"),
      {{
          Command("[&Ustawienia...] - Otwiera okno ustawień wyświetlaczy"),
          Command("[&Alfanumeryczny] - Włącza/wyłącza wyświetlacz alfanumeryczny",
                  CommandIcon::Alfanumeryczny),
          Line(K::CommandDetail,
               "Rozmiar: 4 linie po 32 znaki - wyświetla znaki w kodzie ASCII - kody {32..127}"),
          Command("[Graficzny - &Mono] - Włącza/wyłącza wyświetlacz monochromatyczny",
                  CommandIcon::Monochromatyczny),
          Line(K::CommandDetail,
               "Rozmiar: 8x8 punktów - kolor 1-bitowy (0 - czarny, 1 - biały) - pierwszy piksel "
               "to bit 0"),
          Command("[Graficzny - &Szary] - Włącza/wyłącza wyświetlacz w skali szarości",
                  CommandIcon::SkalaSzarosci),
          Line(K::CommandDetail,
               "Rozmiar: 16x16 punktów - kolor 8-bitowy w skali szarości (00h - czarny, FFh - "
               "biały)"),
          Command("[&Podgląd pamięci] - Pokazuje/ukrywa okno całej pamięci i stosu",
                  CommandIcon::Pamiec),
          Line(K::CommandDetail,
               "Śledź: HL, SP, BC lub DE - dwie cyfry szesnastkowe lub Enter zmieniają komórkę"),
          Command("[Po&większ] - Powiększa tekst kodu, listy błędów i objaśnienia"),
          Command("[Pomn&iejsz] - Pomniejsza tekst kodu, listy błędów i objaśnienia"),
          Command("[&Rozmiar domyślny] - Przywraca domyślny rozmiar tekstu"),
      }},
      /*scrolls=*/true};
}

HelpPage SimulationPage() {
  return {QStringLiteral("&Symulacja"),
          {{
              Command("[Zwolnij] - Zmniejsza częstotliwość wykonywania rozkazów"),
              Command("[Przyśpiesz] - Zwiększa częstotliwość wykonywania rozkazów"),
              Command("[Start] - Uruchamia symulację w trybie ciągłym", CommandIcon::Start),
              Command("[Krok] - Uruchamia symulację w trybie krokowym / Wykonuje bieżący rozkaz",
                      CommandIcon::Krok),
              Command("[Pauza] - Wstrzymuje symulację / Wznawia symulację", CommandIcon::Pauza),
              Command("[Stop/Reset] - Kończy symulację / Resetuje pamięć, rejestry oraz porty",
                      CommandIcon::Stop),
              Command("[Uruchom do kursora] - Uruchamia symulację do wiersza z kursorem",
                      CommandIcon::DoKursora),
              Command("[Krok nad] - Wykonuje cały wywołany podprogram jako jeden krok",
                      CommandIcon::KrokNad),
              Command("[Krok wstecz] - Cofa ostatni wykonany rozkaz", CommandIcon::KrokWstecz),
              Command("[Przełącz pułapkę] - Ustawia lub usuwa pułapkę w bieżącym wierszu",
                      CommandIcon::Pulapka),
              Command("[Usuń wszystkie pułapki] - Usuwa pułapki ze wszystkich wierszy",
                      CommandIcon::UsunPulapki),
              Command("[Objaśnienie kroku] - Włącza/wyłącza okno z objaśnieniem ostatniego kroku"),
              Command("[Kod maszynowy] - Włącza/wyłącza okno z kodem maszynowym (zapis HEX)"),
              Command("[Cykle maszynowe] - Włącza/wyłącza okno z cyklami ostatniego kroku"),
              Command("[Flagi procesora 8085] - Ustawia flagi według reguł procesora 8085 zamiast "
                      "reguł Kwarcytu"),
          }},
          /*scrolls=*/true};
}

HelpPage MainWindowPage() {
  return {
      QStringLiteral("&Główne okno"),
      {{
          Line(K::Text, "- Pole tekstowe umożliwia wprowadzanie kodu przez użytkownika."),
          Line(K::Text, "- Pola oznaczone jako [Rejestry 8 / 16-bitowe], [Pamięć RAM] oraz"),
          Line(K::Continuation,
               "[Porty wejściowe IN / Porty wyjściowe OUT] prezentują ich aktualną zawartość"),
          Line(K::Continuation, "oraz umożliwiają edycję po dwukrotnym kliknięciu myszą"),
          Line(K::Continuation, "(edycja nieaktywna w polu [Porty wyjściowe OUT])."),
          Line(K::UnderlinedContinuation,
               "(Wszystkie powyższe pola mogą być modyfikowane również w trakcie działania "
               "kodu)."),
          Line(K::Text, "- Pole [Rejestr flagowy] prezentuje aktualny stan flag mikroprocesora."),
          Line(K::Text, "- Suwak [Częstotliwość] reguluje prędkość wykonywania kodu."),
          Line(K::Text,
               "- Pole [Lista błędów] informuje o błędach w kodzie oraz podpowiada użytkownikowi"),
          Line(K::Continuation, "składnię rozkazów w trakcie wprowadzania kodu."),
      }}};
}

HelpPage SymbolsPage() {
  return {QStringLiteral("Sym&bolika"),
          {
              {
                  Line(K::Heading, "Rejestr flagowy:"),
                  Line(K::Text, "S - znak, liczba ujemna"),
                  Line(K::Text, "Z - zero"),
                  Line(K::Text, "AC - przeniesienie połówkowe"),
                  Line(K::Text, "P - parzystość jedynek"),
                  Line(K::Text, "CY - przeniesienie, pożyczka"),
                  Line(K::Text, "Flagi są ustawiane domyślnie według reguł Kwarcytu."),
                  Line(K::Text, "Reguły procesora 8085 włącza [Flagi procesora 8085]."),
                  Line(K::Heading, "Liczby:"),
                  Line(K::Text, "Dec - system dziesiętny"),
                  Line(K::Text, "Hex - system szesnastkowy, heksadecymalny"),
                  Line(K::Text, "Bin - system dwójkowy, binarny"),
              },
              {
                  Line(K::Heading, "Rejestry:"),
                  Line(K::Text, "A,B,C,D,E,H,L - 8-bitowe rejestry robocze"),
                  Line(K::Text, "M lub RAM[HL] - 8-bitowa zawartość komórki pamięci"),
                  Line(K::Text, "o adresie zawartym w 16-bitowym rejestrze HL"),
                  Line(K::Text, "BC, DE, HL - 16-bitowe rejestry będące połączeniem"),
                  Line(K::Text, "pary 8-bitowych rejestrów B, C, D, E, H i L,"),
                  Line(K::Text, "gdzie pierwsza litera oznacza starszy bajt"),
                  Line(K::Text, "PC - 16-bitowy licznik rozkazów"),
                  Line(K::Text, "SP - 16-bitowy wskaźnik stosu"),
              },
          }};
}

HelpPage CodePage() {
  return {
      QStringLiteral("&Kod"),
      {{
          Line(K::Text, "Komentarze w kodzie: rozpoczynamy znakiem ukośnika, np. /komentarz"),
          HelpLine{K::Text, QString::fromUtf8("Etykiety: długość do %1 znaków, dozwolone litery "
                                              "A..Z, cyfry 0..9 oraz znak podkreślenia")
                                .arg(kMaxLabelLength)},
          Line(K::Continuation, "(pierwszym znakiem musi być litera)"),
          Line(K::Text,
               "Etykieta stoi sama w wierszu, a komentarz zajmuje cały wiersz od znaku /."),
          Line(K::Text,
               "Program w składni innych asemblerów (np. START: MVI A,5 ; opis) wczytasz przez "
               "Plik > Importuj."),
          Line(K::Heading, "Składnia rozkazów:"),
          Line(K::Text, "[r] - rejestr 8-bitowy A,B,C,D,E,H,L lub M"),
          Line(K::Text,
               "[rr] - rejestr 16-bitowy B(C), D(E), H(L), SP lub PSW (w zależności od rozkazu)"),
          Line(K::Text,
               "[aa] - 16-bitowy adres komórki pamięci z zakresu {0..65535, FFFFh, "
               "1111111111111111b}"),
          Line(K::Text, "[v] - 8-bitowa liczba z zakresu {0..255, FFh, 11111111b}"),
          Line(K::Text, "[vv] - 16-bitowa liczba z zakresu {0..65535, FFFFh, 1111111111111111b}"),
          Line(K::Text, "[n] - 3-bitowy numer procedury RST z zakresu {0..7, 7h, 111b}"),
      }}};
}

}  // namespace

std::vector<HelpPage> HelpTextPages() {
  return {FilePage(),       EditPage(),    DisplayPage(), SimulationPage(),
          MainWindowPage(), SymbolsPage(), CodePage()};
}

QString AcceleratorHtml(const QString& text) {
  QString html;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      const QString letter = QString(text[i]).toHtmlEscaped();
      html += text[i] == '&' ? letter : QStringLiteral("<u>") + letter + QStringLiteral("</u>");
    } else {
      html += QString(text[i]).toHtmlEscaped();
    }
  }
  return html;
}

}  // namespace kwarcyt
