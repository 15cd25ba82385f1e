// The help window: page texts and pictures, accelerators, the size per page and Esc.
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolButton>

#include "accessories/TFormPomoc.h"

using kwarcyt::TFormPomoc;

namespace {

QString VisibleText(const QLabel* label) {
  return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
}

QList<QLabel*> PageLabels(TFormPomoc& form, int page) {
  return form.PageControl()->widget(page)->findChildren<QLabel*>();
}

QLabel* LabelStartingWith(TFormPomoc& form, int page, const QString& start) {
  for (QLabel* label : PageLabels(form, page))
    if (VisibleText(label).startsWith(start)) return label;
  return nullptr;
}

}  // namespace

class TFormPomocTest : public QObject {
  Q_OBJECT

 private slots:
  void opensOnTheFirstPageAtTextSize() {
    TFormPomoc form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Kwarcyt - Pomoc"));
    QCOMPARE(form.PageControl()->currentIndex(), 0);
    QCOMPARE(form.size(), QSize(490, 210));
  }

  void pageCaptionsCarryTheirAccelerators() {
    TFormPomoc form;
    QStringList captions;
    for (int i = 0; i < form.PageControl()->count(); ++i)
      captions << form.PageControl()->tabText(i);
    const QStringList expected = {"&Plik",        "&Edycja",    "&Wyświetlacz", "&Symulacja",
                                  "&Główne okno", "Sym&bolika", "&Kod",         "&Lista rozkazów"};
    QCOMPARE(captions, expected);
  }

  void sizeFollowsThePage_data() {
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<QSize>("size");
    QTest::newRow("instruction list") << QList<int>{7} << QSize(570, 400);
    QTest::newRow("back to symbols") << QList<int>{7, 5} << QSize(490, 210);
    QTest::newRow("back to the first") << QList<int>{7, 0} << QSize(490, 210);
    QTest::newRow("text pages only") << QList<int>{1, 2, 3, 4, 6} << QSize(490, 210);
    QTest::newRow("list again") << QList<int>{7, 2, 7} << QSize(570, 400);
  }
  void sizeFollowsThePage() {
    QFETCH(QList<int>, pages);
    QFETCH(QSize, size);
    TFormPomoc form;
    form.move(100, 120);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPoint corner = form.pos();
    for (int page : pages) form.PageControl()->setCurrentIndex(page);
    QCOMPARE(form.size(), size);
    QCOMPARE(form.pos(), corner);
  }

  void altWithTheUnderlinedLetterSelectsThePage_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("page");
    QTest::newRow("Alt+E") << int(Qt::Key_E) << 1;
    QTest::newRow("Alt+B") << int(Qt::Key_B) << 5;
    QTest::newRow("Alt+K") << int(Qt::Key_K) << 6;
    QTest::newRow("Alt+L") << int(Qt::Key_L) << 7;
    QTest::newRow("Alt+P") << int(Qt::Key_P) << 0;
  }
  void altWithTheUnderlinedLetterSelectsThePage() {
    QFETCH(int, key);
    QFETCH(int, page);
    TFormPomoc form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.PageControl()->setCurrentIndex(3);
    QTest::keyClick(&form, Qt::Key(key), Qt::AltModifier);
    QCOMPARE(form.PageControl()->currentIndex(), page);
  }

  void escCloses_data() {
    QTest::addColumn<int>("page");
    for (int page = 0; page < 8; ++page) QTest::addRow("page %d", page) << page;
  }
  void escCloses() {
    QFETCH(int, page);
    TFormPomoc form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.PageControl()->setCurrentIndex(page);
    auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    if (page == 7) memo->setFocus();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
    QTest::keyClick(target, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
  }

  // Each page's lines in order, as they are drawn ("&" underlines and is not shown): how many,
  // and the first and last of them.
  void pagesHoldTheirLines_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("Plik") << 0 << 8 << "[Nowy] - Tworzy nowy kod"
                          << "[Zakończ] - Kończy działanie programu Kwarcyt";
    QTest::newRow("Edycja") << 1 << 8 << "[Wytnij] - Wycina zaznaczony tekst do schowka"
                            << "[Przejdź do wiersza...] - Przenosi kursor do wiersza o podanym "
                               "numerze";
    QTest::newRow("Wyświetlacz") << 2 << 12
                                 << "[Ustawienia...] - Otwiera okno ustawień wyświetlaczy"
                                 << "[Rozmiar domyślny] - Przywraca domyślny rozmiar tekstu";
    QTest::newRow("Symulacja")
        << 3 << 15 << "[Zwolnij] - Zmniejsza częstotliwość wykonywania rozkazów"
        << "[Flagi procesora 8085] - Ustawia flagi według reguł procesora 8085 zamiast reguł "
           "Kwarcytu";
    QTest::newRow("Główne okno") << 4 << 10
                                 << "- Pole tekstowe umożliwia wprowadzanie kodu przez użytkownika."
                                 << "składnię rozkazów w trakcie wprowadzania kodu.";
    QTest::newRow("Symbolika") << 5 << 21 << "Rejestr flagowy:"
                               << "SP - 16-bitowy wskaźnik stosu";
    // [v] is an 8-bit number, so its binary form has eight ones and the suffix b.
    QTest::newRow("Kod") << 6 << 12
                         << "Komentarze w kodzie: rozpoczynamy znakiem ukośnika, np. /komentarz"
                         << "[n] - 3-bitowy numer procedury RST z zakresu {0..7, 7h, 111b}";
  }
  void pagesHoldTheirLines() {
    QFETCH(int, page);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    TFormPomoc form;
    const QList<QLabel*> labels = PageLabels(form, page);
    QCOMPARE(labels.size(), count);
    QCOMPARE(VisibleText(labels.first()), first);
    QCOMPARE(VisibleText(labels.last()), last);
  }

  void eightBitRangeGivesItsBinaryFormCorrectly() {
    TFormPomoc form;
    QLabel* label = LabelStartingWith(form, 6, QStringLiteral("[v] - "));
    QVERIFY(label);
    QCOMPARE(VisibleText(label),
             QStringLiteral("[v] - 8-bitowa liczba z zakresu {0..255, FFh, 11111111b}"));
  }

  // Lines that continue a sentence or describe the command above stand further right.
  void continuationLinesAreIndented_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("continuation");
    QTest::newRow("ports") << 4 << "- Pola oznaczone"
                           << "[Porty wejściowe IN";
    QTest::newRow("underlined") << 4 << "- Pola oznaczone"
                                << "(Wszystkie powyższe";
    QTest::newRow("error list") << 4 << "- Pole [Lista błędów]"
                                << "składnię rozkazów";
    QTest::newRow("labels") << 6 << "Etykiety:"
                            << "(pierwszym znakiem";
    QTest::newRow("display size") << 2 << "[Alfanumeryczny]"
                                  << "Rozmiar: 4 linie";
  }
  void continuationLinesAreIndented() {
    QFETCH(int, page);
    QFETCH(QString, sentence);
    QFETCH(QString, continuation);
    TFormPomoc form;
    form.show();
    form.PageControl()->setCurrentIndex(page);
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget* pageWidget = form.PageControl()->widget(page);
    QLabel* first = LabelStartingWith(form, page, sentence);
    QLabel* next = LabelStartingWith(form, page, continuation);
    QVERIFY(first && next);
    QVERIFY(next->mapTo(pageWidget, QPoint(0, 0)).x() > first->mapTo(pageWidget, QPoint(0, 0)).x());
    QVERIFY(next->y() > first->y() || next->parentWidget() != first->parentWidget());
  }

  void onlyTheReminderAboutRunningProgramsIsUnderlined() {
    TFormPomoc form;
    for (int page = 0; page < 7; ++page) {
      for (const QLabel* label : PageLabels(form, page)) {
        const bool whole = label->text().startsWith(QStringLiteral("<u>")) &&
                           label->text().endsWith(QStringLiteral("</u>"));
        QCOMPARE(whole, VisibleText(label).startsWith(QStringLiteral("(Wszystkie powyższe")));
      }
    }
  }

  void commandCaptionsUnderlineTheirAccelerator_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("underlined");
    QTest::newRow("Nowy") << 0 << "[Nowy]"
                          << "<u>N</u>owy";
    QTest::newRow("Zapisz") << 0 << "[Zapisz]"
                            << "Zapi<u>s</u>z";
    QTest::newRow("Zakończ") << 0 << "[Zakończ]"
                             << "Za<u>k</u>ończ";
    QTest::newRow("Wklej") << 1 << "[Wklej]"
                           << "Wkl<u>e</u>j";
    QTest::newRow("Wyczyść") << 1 << "[Wyczyść]"
                             << "Wyc<u>z</u>yść";
    QTest::newRow("Mono") << 2 << "[Graficzny - Mono]"
                          << "Graficzny - <u>M</u>ono";
  }
  void commandCaptionsUnderlineTheirAccelerator() {
    QFETCH(int, page);
    QFETCH(QString, line);
    QFETCH(QString, underlined);
    TFormPomoc form;
    QLabel* label = LabelStartingWith(form, page, line);
    QVERIFY(label);
    QVERIFY2(label->text().contains(underlined), qPrintable(label->text()));
    QVERIFY(!VisibleText(label).contains('&'));
  }

  // The pictures stand beside the lines of their commands, and only there.
  void toolBarPicturesStandBesideTheirCommands_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("icons");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("Plik") << 0 << QStringList{"nowy", "otworz", "zapisz"}
                          << QStringList{"[Nowy]", "[Otwórz...]", "[Zapisz]"};
    QTest::newRow("Edycja") << 1 << QStringList{"wytnij", "kopiuj", "wklej", "wyczysc", "cofnij"}
                            << QStringList{"[Wytnij]", "[Kopiuj]", "[Wklej]", "[Wyczyść]",
                                           "[Cofnij]"};
    QTest::newRow("Wyświetlacz") << 2
                                 << QStringList{"alfanumeryczny", "monochromatyczny",
                                                "skala-szarosci", "pamiec"}
                                 << QStringList{"[Alfanumeryczny]", "[Graficzny - Mono]",
                                                "[Graficzny - Szary]", "[Podgląd pamięci]"};
    QTest::newRow("Symulacja") << 3 << QStringList{"start",       "krok",       "pauza",
                                                   "stop",        "do-kursora", "krok-nad",
                                                   "krok-wstecz", "pulapka",    "usun-pulapki"}
                               << QStringList{"[Start]",
                                              "[Krok]",
                                              "[Pauza]",
                                              "[Stop/Reset]",
                                              "[Uruchom do kursora]",
                                              "[Krok nad]",
                                              "[Krok wstecz]",
                                              "[Przełącz pułapkę]",
                                              "[Usuń wszystkie pułapki]"};
    QTest::newRow("Główne okno") << 4 << QStringList{} << QStringList{};
    QTest::newRow("Kod") << 6 << QStringList{} << QStringList{};
  }
  void toolBarPicturesStandBesideTheirCommands() {
    QFETCH(int, page);
    QFETCH(QStringList, icons);
    QFETCH(QStringList, lines);
    TFormPomoc form;
    form.show();
    form.PageControl()->setCurrentIndex(page);
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget* pageWidget = form.PageControl()->widget(page);
    const QList<QToolButton*> buttons = pageWidget->findChildren<QToolButton*>();
    QCOMPARE(buttons.size(), icons.size());
    for (int i = 0; i < buttons.size(); ++i) {
      QToolButton* button = buttons[i];
      QCOMPARE(button->objectName(), QStringLiteral("icon_") + icons[i]);
      QVERIFY(!button->icon().pixmap(16, 16).isNull());
      QCOMPARE(button->focusPolicy(), Qt::NoFocus);
      QLabel* label = LabelStartingWith(form, page, lines[i]);
      QVERIFY(label);
      const int buttonMiddle = button->mapTo(pageWidget, button->rect().center()).y();
      const int labelMiddle = label->mapTo(pageWidget, label->rect().center()).y();
      QVERIFY2(qAbs(buttonMiddle - labelMiddle) <= 2, qPrintable(lines[i]));
      QVERIFY(button->mapTo(pageWidget, QPoint(button->width(), 0)).x() <=
              label->mapTo(pageWidget, QPoint(0, 0)).x());
    }
  }

  // No line is cut off at the window's size for text pages.
  void everyLineFitsOnItsPage_data() {
    QTest::addColumn<int>("page");
    for (int page = 0; page < 7; ++page) QTest::addRow("page %d", page) << page;
  }
  void everyLineFitsOnItsPage() {
    QFETCH(int, page);
    TFormPomoc form;
    form.show();
    form.PageControl()->setCurrentIndex(page);
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget* pageWidget = form.PageControl()->widget(page);
    // A page longer than the window scrolls: each line must fit once scrolled to.
    auto* scroll = qobject_cast<QScrollArea*>(pageWidget);
    if (scroll != nullptr) pageWidget = scroll->viewport();
    for (QLabel* label : PageLabels(form, page)) {
      if (scroll != nullptr) scroll->ensureWidgetVisible(label, 0, 0);
      const QRect area(label->mapTo(pageWidget, QPoint(0, 0)), label->size());
      QVERIFY2(pageWidget->rect().contains(area), qPrintable(VisibleText(label)));
      QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(VisibleText(label)));
      QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(VisibleText(label)));
    }
  }

  void instructionListIsFixedPitchReadOnlyAndScrolls() {
    TFormPomoc form;
    form.show();
    form.PageControl()->setCurrentIndex(7);
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QVERIFY(memo);
    QVERIFY(memo->isVisible());
    QVERIFY(QFontInfo(memo->font()).fixedPitch());
    QVERIFY(memo->verticalScrollBar()->maximum() > 0);
    QVERIFY(memo->toPlainText().contains(QStringLiteral("CZ          N   ...jeśli zero\n")));

    const QString before = memo->toPlainText();
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("xyz"));
    QTest::keyClick(memo, Qt::Key_Delete);
    QTest::keyClick(memo, Qt::Key_Backspace);
    QCOMPARE(memo->toPlainText(), before);

    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(memo->verticalScrollBar()->value(), memo->verticalScrollBar()->maximum());
  }
};

QTEST_MAIN(TFormPomocTest)
#include "TFormPomoc_test.moc"
