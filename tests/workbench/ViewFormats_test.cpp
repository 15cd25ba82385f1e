#include <QTest>

#include "viewtext/ViewFormats.h"

using namespace kwarcyt;

class ViewFormatsTest : public QObject {
  Q_OBJECT

 private slots:
  void registerRows_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("wide");
    QTest::addColumn<QString>("row");
    QTest::newRow("zero") << 0 << false << "  0 00 00000000";
    QTest::newRow("A = 10") << 10 << false << " 10 0A 00001010";
    QTest::newRow("255") << 255 << false << "255 FF 11111111";
    QTest::newRow("pair zero") << 0 << true << "    0  0000  0000000000000000";
    QTest::newRow("pair 1234h") << 0x1234 << true << " 4660  1234  0001001000110100";
    QTest::newRow("pair FFFFh") << 0xFFFF << true << "65535  FFFF  1111111111111111";
  }
  void registerRows() {
    QFETCH(int, value);
    QFETCH(bool, wide);
    QFETCH(QString, row);
    QCOMPARE(wide ? Register16Row(value) : Register8Row(value), row);
  }

  void cellRows_data() {
    QTest::addColumn<bool>("memory");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("decHex");
    QTest::addColumn<bool>("hexAddress");
    QTest::addColumn<QString>("row");
    QTest::newRow("memory at start") << true << 0 << 0 << true << true << " 0000:    0  00";
    QTest::newRow("memory 1000h = 65") << true << 0x1000 << 65 << true << true << " 1000:   65  41";
    QTest::newRow("memory binary") << true << 0x1000 << 65 << false << true << " 1000: 01000001";
    QTest::newRow("memory decimal address")
        << true << 0 << 200 << true << false << "    0:  200  C8";
    QTest::newRow("memory decimal binary")
        << true << 65535 << 1 << false << false << "65535: 00000001";
    QTest::newRow("port at start") << false << 0 << 0 << true << true << " 00:    0  00";
    QTest::newRow("port FFh") << false << 255 << 171 << true << true << " FF:  171  AB";
    QTest::newRow("port decimal") << false << 0 << 171 << true << false << "  0:  171  AB";
    QTest::newRow("port binary") << false << 249 << 3 << false << true << " F9: 00000011";
    QTest::newRow("port decimal binary") << false << 7 << 128 << false << false << "  7: 10000000";
  }
  void cellRows() {
    QFETCH(bool, memory);
    QFETCH(int, address);
    QFETCH(int, value);
    QFETCH(bool, decHex);
    QFETCH(bool, hexAddress);
    QFETCH(QString, row);
    const RowModes modes{decHex, hexAddress};
    QCOMPARE(memory ? MemoryRow(address, value, modes) : PortRow(address, value, modes), row);
  }

  void ramHlRow() {
    QCOMPARE(RamHlRow(0, true), QString("RAM[HL]:   0  00"));
    QCOMPARE(RamHlRow(65, true), QString("RAM[HL]:  65  41"));
    QCOMPARE(RamHlRow(65, false), QString("RAM[HL]:01000001"));
  }

  void toggledCaption_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("next");
    QTest::newRow("first to second") << kValueDecHexCaption << kValueBinCaption;
    QTest::newRow("second to first") << kValueBinCaption << kValueDecHexCaption;
    QTest::newRow("anything else to first") << "Dec Hex" << kValueDecHexCaption;
  }
  void toggledCaption() {
    QFETCH(QString, current);
    QFETCH(QString, next);
    QCOMPARE(ToggledCaption(current, kValueDecHexCaption, kValueBinCaption), next);
  }
};

QTEST_APPLESS_MAIN(ViewFormatsTest)
#include "ViewFormats_test.moc"
