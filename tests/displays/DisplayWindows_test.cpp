// The three display windows as the user sees them: their pixels for given memory contents, their
// window kind, their refresh timer and the visibility they report to the main window.
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <memory>

#include "displays/DisplayWindows.h"

using namespace kwarcyt;

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

QImage Shot(QWidget& window) {
  return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Character (line, column) of the alphanumeric display lies in an 11 x 20 cell from x = 2. The
// fixed-pitch font is a touch wider than the cells, so the fringe of a glyph may fall on the first
// pixel column of the next cell; that column is left out here.
QImage Cell(const QImage& shot, int line, int column) {
  return shot.copy(2 + 11 * column + 1, 20 * line, 10, 20);
}

bool AllBlack(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != kBlack) return false;
  return true;
}

// The colour a graphic display must show at screen pixel (x, y) when squareColour(row, column)
// gives each pixel's colour: squares of 16 from (1, 1), black elsewhere and, with the border on,
// on the outermost ring of every square.
template <typename SquareColour>
void CompareGrid(const QImage& shot, int side, bool border, SquareColour squareColour) {
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      QRgb expected = kBlack;
      const int column = (x - 1) / 16, row = (y - 1) / 16;
      if (x >= 1 && y >= 1 && column < side && row < side) {
        const int inX = (x - 1) % 16, inY = (y - 1) % 16;
        const bool ring = inX == 0 || inY == 0 || inX == 15 || inY == 15;
        if (!(border && ring)) expected = squareColour(row, column);
      }
      if (shot.pixel(x, y) != expected)
        QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                             .arg(x)
                             .arg(y)
                             .arg(shot.pixel(x, y), 8, 16)
                             .arg(expected, 8, 16)));
    }
  }
}

}  // namespace

class DisplayWindowsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MachineState> machine_;
  DisplaySettings settings_;
  std::unique_ptr<DisplayWindows> windows_;

  void WriteText(int address, const char* text) {
    std::memcpy(&machine_->Memory[address], text, std::strlen(text));
  }

 private slots:
  void init() {
    machine_ = std::make_unique<MachineState>();
    settings_.SetDefaults();
    windows_ = std::make_unique<DisplayWindows>(*machine_, settings_, nullptr);
  }
  void cleanup() { windows_.reset(); }

  void windowsAreHiddenStayOnTopToolWindowsOfTheirOwn_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QSize>("size");
    QTest::newRow("alphanumeric") << 0 << "Kwarcyt - Wyświetlacz alfanumeryczny"
                                  << "Kwarcyt - Wyświetlacz alfanumeryczny" << QSize(357, 80);
    QTest::newRow("monochrome") << 1 << "Kwarcyt - Graficzny Mono"
                                << "Kwarcyt - Wyświetlacz Monochromatyczny" << QSize(130, 130);
    QTest::newRow("grayscale") << 2 << "Kwarcyt - Graficzny - Szary"
                               << "Kwarcyt - Wyświetlacz graficzny - Skala szarości"
                               << QSize(258, 258);
  }
  void windowsAreHiddenStayOnTopToolWindowsOfTheirOwn() {
    QFETCH(int, which);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QSize, size);
    MemoryDisplayWindow* windows[] = {windows_->FormAlfanumeryczny.get(),
                                      windows_->FormMonochromatyczny.get(),
                                      windows_->FormSkalaSzarosci.get()};
    MemoryDisplayWindow& window = *windows[which];
    QVERIFY(!window.isVisible());
    QVERIFY(window.isWindow());
    QCOMPARE(window.parentWidget(), nullptr);
    QCOMPARE(window.windowTitle(), caption);
    QCOMPARE(window.toolTip(), hint);
    QCOMPARE(window.minimumSize(), size);
    QCOMPARE(window.maximumSize(), size);
    const Qt::WindowFlags flags = window.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!window.testAttribute(Qt::WA_QuitOnClose));
    auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 40);
  }

  void helloAtTheBaseIsTheStartOfTheFirstLine() {
    std::memset(&machine_->Memory[0x1000], ' ', 128);
    WriteText(0x1000, "Hello");
    WriteText(0x1040, "H e l o");  // the same letters apart, as references
    TFormAlfanumeryczny& window = *windows_->FormAlfanumeryczny;
    window.show();
    const QImage shot = Shot(window);
    QCOMPARE(shot.size(), QSize(357, 80));
    QCOMPARE(Cell(shot, 0, 0), Cell(shot, 2, 0));
    QCOMPARE(Cell(shot, 0, 1), Cell(shot, 2, 2));
    QCOMPARE(Cell(shot, 0, 2), Cell(shot, 2, 4));
    QCOMPARE(Cell(shot, 0, 3), Cell(shot, 2, 4));
    QCOMPARE(Cell(shot, 0, 4), Cell(shot, 2, 6));
    QVERIFY(Cell(shot, 0, 0) != Cell(shot, 0, 1));
    QVERIFY(!AllBlack(Cell(shot, 0, 4)));
    QVERIFY(AllBlack(shot.copy(0, 0, 357, 40).copy(2 + 11 * 5, 0, 357 - 57, 40)));
  }

  // Every byte outside printable ASCII shows the same visible placeholder; a space shows nothing.
  void unprintableBytesShowOnePlaceholder() {
    std::memset(&machine_->Memory[0x1000], ' ', 128);
    const std::uint8_t bytes[] = {0, 10, 200, 127, 32, 255, 128};
    for (int i = 0; i < 7; ++i) machine_->Memory[0x1000 + 2 * i] = bytes[i];
    machine_->Memory[0x1040] = '?';
    TFormAlfanumeryczny& window = *windows_->FormAlfanumeryczny;
    window.show();
    const QImage shot = Shot(window);
    const QImage placeholder = Cell(shot, 0, 0);
    QVERIFY(!AllBlack(placeholder));
    QVERIFY(placeholder != Cell(shot, 2, 0));
    for (int column : {2, 4, 6, 10, 12}) QCOMPARE(Cell(shot, 0, column), placeholder);
    QVERIFY(AllBlack(Cell(shot, 0, 8)));
    QVERIFY(AllBlack(Cell(shot, 0, 1)));
  }

  void lineStartsAndTheLastColumnLieInsideTheWindow() {
    std::memset(&machine_->Memory[0x1000], ' ', 128);
    machine_->Memory[0x1020] = 'X';
    machine_->Memory[0x107F] = 'W';
    machine_->Memory[0x1060] = 'W';
    TFormAlfanumeryczny& window = *windows_->FormAlfanumeryczny;
    window.show();
    QImage shot = Shot(window);
    QVERIFY(!AllBlack(Cell(shot, 1, 0)));
    QCOMPARE(Cell(shot, 3, 31), Cell(shot, 3, 0));
    // Apart from those three cells the window is black.
    for (auto [line, column] : {std::pair{1, 0}, {3, 0}, {3, 31}}) {
      QPainter eraser(&shot);
      eraser.fillRect(2 + 11 * column, 20 * line, 12, 20, Qt::black);
    }
    QVERIFY(AllBlack(shot));
  }

  void theLastBaseShowsTheLastBytesItCovers_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("alphanumeric") << 0;
    QTest::newRow("monochrome") << 1;
    QTest::newRow("grayscale") << 2;
  }
  void theLastBaseShowsTheLastBytesItCovers() {
    QFETCH(int, which);
    settings_.alphanumericBase = settings_.monochromeBase = settings_.grayscaleBase = 0xF000;
    if (which == 0) {
      std::memset(&machine_->Memory[0xF000], ' ', 128);
      machine_->Memory[0xF07F] = 'W';
      machine_->Memory[0xF000] = 'W';
      windows_->FormAlfanumeryczny->show();
      const QImage text = Shot(*windows_->FormAlfanumeryczny);
      QVERIFY(!AllBlack(Cell(text, 3, 31)));
      QCOMPARE(Cell(text, 3, 31), Cell(text, 0, 0));
    } else if (which == 1) {
      machine_->Memory[0xF007] = 0x80;
      windows_->FormMonochromatyczny->show();
      CompareGrid(Shot(*windows_->FormMonochromatyczny), 8, false,
                  [](int row, int column) { return row == 7 && column == 7 ? kWhite : kBlack; });
    } else {
      machine_->Memory[0xF0FF] = 0x40;
      windows_->FormSkalaSzarosci->show();
      CompareGrid(Shot(*windows_->FormSkalaSzarosci), 16, false, [](int row, int column) {
        return row == 15 && column == 15 ? qRgb(0x40, 0x40, 0x40) : kBlack;
      });
    }
  }

  void monochromeBitsLightTheirPixels_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("columnMask");  // bit c set: column c lit
    QTest::addColumn<bool>("border");
    QTest::newRow("01h top left") << 0x2000 << 0x01 << 0 << 0x01 << false;
    QTest::newRow("80h top right") << 0x2000 << 0x80 << 0 << 0x80 << false;
    QTest::newRow("FFh bottom row") << 0x2007 << 0xFF << 7 << 0xFF << false;
    QTest::newRow("FFh bottom row, border") << 0x2007 << 0xFF << 7 << 0xFF << true;
    QTest::newRow("0Ah row 3") << 0x2003 << 0x0A << 3 << 0x0A << false;
    QTest::newRow("past the display") << 0x2008 << 0xFF << -1 << 0 << false;
  }
  void monochromeBitsLightTheirPixels() {
    QFETCH(int, address);
    QFETCH(int, value);
    QFETCH(int, row);
    QFETCH(int, columnMask);
    QFETCH(bool, border);
    machine_->Memory[address] = static_cast<std::uint8_t>(value);
    settings_.monochromeBorder = border;
    windows_->FormMonochromatyczny->show();
    CompareGrid(Shot(*windows_->FormMonochromatyczny), 8, border,
                [&](int r, int c) { return r == row && (columnMask >> c & 1) ? kWhite : kBlack; });
  }

  void grayLevelsFillTheirPixels_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("FFh top left white") << 0x3000 << 0xFF << 0 << 0;
    QTest::newRow("80h top left middle gray") << 0x3000 << 0x80 << 0 << 0;
    QTest::newRow("300Fh top right") << 0x300F << 0xC0 << 0 << 15;
    QTest::newRow("3010h second row") << 0x3010 << 0x11 << 1 << 0;
    QTest::newRow("30FFh bottom right") << 0x30FF << 0xFF << 15 << 15;
    QTest::newRow("past the display") << 0x3100 << 0xFF << -1 << -1;
  }
  void grayLevelsFillTheirPixels() {
    QFETCH(int, address);
    QFETCH(int, value);
    QFETCH(int, row);
    QFETCH(int, column);
    machine_->Memory[address] = static_cast<std::uint8_t>(value);
    windows_->FormSkalaSzarosci->show();
    CompareGrid(Shot(*windows_->FormSkalaSzarosci), 16, false, [&](int r, int c) {
      return r == row && c == column ? qRgb(value, value, value) : kBlack;
    });
  }

  void borderFramesEveryPixelAndOffLeavesOneWhiteArea() {
    std::memset(&machine_->Memory[0x3000], 0xFF, 256);
    windows_->FormSkalaSzarosci->show();
    CompareGrid(Shot(*windows_->FormSkalaSzarosci), 16, false, [](int, int) { return kWhite; });
    settings_.grayscaleBorder = true;
    CompareGrid(Shot(*windows_->FormSkalaSzarosci), 16, true, [](int, int) { return kWhite; });
  }

  // Each window follows its own rate only; the others are set to 10 to tell them apart.
  void aShownWindowTakesItsIntervalFromTheRateAfterATick_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("interval");
    QTest::newRow("alphanumeric at 5") << 0 << 5 << 200;
    QTest::newRow("monochrome at 15") << 1 << 15 << 66;
    QTest::newRow("grayscale at 30") << 2 << 30 << 33;
  }
  void aShownWindowTakesItsIntervalFromTheRateAfterATick() {
    QFETCH(int, which);
    QFETCH(int, rate);
    QFETCH(int, interval);
    settings_.alphanumericRate = settings_.monochromeRate = settings_.grayscaleRate = 10;
    int* rates[] = {&settings_.alphanumericRate, &settings_.monochromeRate,
                    &settings_.grayscaleRate};
    *rates[which] = rate;
    MemoryDisplayWindow* windows[] = {windows_->FormAlfanumeryczny.get(),
                                      windows_->FormMonochromatyczny.get(),
                                      windows_->FormSkalaSzarosci.get()};
    MemoryDisplayWindow& window = *windows[which];
    auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    window.Timer1Timer();
    QCOMPARE(timer->interval(), 40);  // hidden: no work at all
    window.show();
    QCOMPARE(timer->interval(), 40);  // the new rate waits for the next tick
    window.Timer1Timer();
    QCOMPARE(timer->interval(), interval);
    QVERIFY(timer->isActive());
  }

  void visibilityIsReportedOnShowHideAndClose() {
    TFormMonochromatyczny& window = *windows_->FormMonochromatyczny;
    QSignalSpy spy(&window, &MemoryDisplayWindow::visibilityChanged);
    QVERIFY(window.ToggleVisibility());
    QVERIFY(window.isVisible());
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QVERIFY(window.ToggleVisibility());
    QVERIFY(!window.ToggleVisibility());
    window.hide();  // already hidden: nothing to report
    QCOMPARE(spy.size(), 4);
    const bool expected[] = {true, false, true, false};
    for (int i = 0; i < 4; ++i) QCOMPARE(spy[i][0].toBool(), expected[i]);
  }

  void aClosedWindowIsKeptAndRedrawsTheMemoryOfNow() {
    TFormSkalaSzarosci& window = *windows_->FormSkalaSzarosci;
    window.show();
    window.close();
    machine_->Memory[0x3000] = 0xFF;
    window.show();
    CompareGrid(Shot(window), 16, false,
                [](int r, int c) { return r == 0 && c == 0 ? kWhite : kBlack; });
  }

  void theFirstShowingCentresOnTheMainWindowOnlyOnce() {
    QWidget mainWindow;
    mainWindow.setGeometry(200, 150, 800, 600);
    mainWindow.show();
    TFormSkalaSzarosci window(*machine_, settings_, &mainWindow);
    window.show();
    const QPoint offset = window.frameGeometry().center() - mainWindow.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 40,
             qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
    window.hide();
    window.move(10, 10);
    window.show();
    QCOMPARE(window.pos(), QPoint(10, 10));
  }
};

QTEST_MAIN(DisplayWindowsTest)
#include "DisplayWindows_test.moc"
