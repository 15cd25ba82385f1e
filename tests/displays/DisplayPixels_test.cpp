// What the displays show for given memory contents and settings, without any window.
#include <QTest>
#include <memory>

#include "displays/DisplayPixels.h"
#include "displays/DisplaySettings.h"

using namespace kwarcyt;

class DisplayPixelsTest : public QObject {
  Q_OBJECT

 private slots:
  void printableBytesShowThemselvesOthersThePlaceholder_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("code");
    QTest::newRow("zero") << 0 << 127;
    QTest::newRow("line feed") << 10 << 127;
    QTest::newRow("last control code") << 31 << 127;
    QTest::newRow("space") << 32 << 32;
    QTest::newRow("H") << 0x48 << 0x48;
    QTest::newRow("tilde") << 126 << 126;
    QTest::newRow("127 itself") << 127 << 127;
    QTest::newRow("first upper byte") << 128 << 127;
    QTest::newRow("200") << 200 << 127;
    QTest::newRow("255") << 255 << 127;
  }
  void printableBytesShowThemselvesOthersThePlaceholder() {
    QFETCH(int, byte);
    QFETCH(int, code);
    QCOMPARE(CharacterCode(static_cast<std::uint8_t>(byte)), code);
  }

  // Only a record set by hand can place a display across the end of memory; it must wrap to
  // 0000h rather than read outside the 64 KB.
  void addressesWrapAtTheEndOfMemory() {
    auto memory = std::make_unique<MemoryCells>();
    (*memory)[0xFFFF] = 'Z';
    (*memory)[0x0000] = 'A';
    (*memory)[0x0070] = 0x99;
    QCOMPARE(CharacterCodeAt(*memory, 0xFFF0, 0, 15), int('Z'));
    QCOMPARE(CharacterCodeAt(*memory, 0xFFF0, 0, 16), int('A'));
    QCOMPARE(GrayscaleColour(*memory, 0xFF80, 8, 0), qRgb('A', 'A', 'A'));
    QCOMPARE(GrayscaleColour(*memory, 0xFF80, 15, 0), qRgb(0x99, 0x99, 0x99));
    QCOMPARE(CharacterCodeAt(*memory, -1, 0, 0), int('Z'));
  }

  void refreshIntervalsAreWholeMilliseconds_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("interval");
    QTest::newRow("5") << 5 << 200;
    QTest::newRow("10") << 10 << 100;
    QTest::newRow("15") << 15 << 66;
    QTest::newRow("20") << 20 << 50;
    QTest::newRow("25") << 25 << 40;
    QTest::newRow("30") << 30 << 33;
    QTest::newRow("0 never divides by zero") << 0 << 1000;
  }
  void refreshIntervalsAreWholeMilliseconds() {
    QFETCH(int, rate);
    QFETCH(int, interval);
    QCOMPARE(RefreshInterval(rate), interval);
  }

  void settingsChoicesMapToBasesAndRates() {
    for (int choice = 0; choice < DisplaySettings::kBaseChoices; ++choice)
      QCOMPARE(ChoiceFromBase(BaseFromChoice(choice)), choice);
    for (int choice = 0; choice < DisplaySettings::kRateChoices; ++choice)
      QCOMPARE(ChoiceFromRate(RateFromChoice(choice)), choice);
    QCOMPARE(BaseFromChoice(15), 0xF000);
    QCOMPARE(RateFromChoice(0), 5);
    QCOMPARE(RateFromChoice(5), 30);
    // Values no choice stands for select the nearest choice.
    QCOMPARE(ChoiceFromBase(0x1FFF), 1);
    QCOMPARE(ChoiceFromBase(0x10000), 15);
    QCOMPARE(ChoiceFromBase(-0x1000), 0);
    QCOMPARE(ChoiceFromRate(60), 5);
    QCOMPARE(ChoiceFromRate(0), 0);
  }

  void defaultsAreRestoredBySetDefaults() {
    DisplaySettings settings{0, 0, 0, 5, 5, 5, true, true};
    settings.SetDefaults();
    QCOMPARE(settings.alphanumericBase, 0x1000);
    QCOMPARE(settings.monochromeBase, 0x2000);
    QCOMPARE(settings.grayscaleBase, 0x3000);
    QCOMPARE(settings.alphanumericRate, 25);
    QCOMPARE(settings.monochromeRate, 25);
    QCOMPARE(settings.grayscaleRate, 25);
    QVERIFY(!settings.monochromeBorder);
    QVERIFY(!settings.grayscaleBorder);
  }
};

QTEST_APPLESS_MAIN(DisplayPixelsTest)
#include "DisplayPixels_test.moc"
