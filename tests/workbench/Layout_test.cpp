#include <QTest>

#include "workbench/views/ListFollow.h"
#include "workbench/window/AnchorLayout.h"
#include "workbench/window/WindowGeometry.h"

using namespace kwarcyt;

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initialWindowSize_data() {
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<QSize>("size");
    QTest::newRow("640") << 640 << QSize(630, 460);
    QTest::newRow("800") << 800 << QSize(700, 500);
    QTest::newRow("848") << 848 << QSize(700, 460);
    QTest::newRow("1024") << 1024 << QSize(800, 600);
    QTest::newRow("1280") << 1280 << QSize(900, 700);
    QTest::newRow("1920") << 1920 << QSize(900, 700);
  }
  void initialWindowSize() {
    QFETCH(int, screenWidth);
    QFETCH(QSize, size);
    QCOMPARE(InitialWindowSize(screenWidth), size);
  }

  // A 902 x 725 frame on a 1920 x 1080 screen whose top 30 px are a panel, and a second screen
  // to its right.
  void keptInside_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("topLeft");
    const QRect first(0, 30, 1920, 1050), second(1920, 0, 1280, 1024);
    QTest::newRow("inside stays") << QRect(100, 200, 902, 725) << first << QPoint(100, 200);
    QTest::newRow("touching the edges") << QRect(1018, 355, 902, 725) << first << QPoint(1018, 355);
    QTest::newRow("near the corner") << QRect(1832, 1048, 902, 725) << first << QPoint(1018, 355);
    QTest::newRow("under the panel") << QRect(-40, 10, 902, 725) << first << QPoint(0, 30);
    QTest::newRow("second screen") << QRect(3000, -5, 902, 725) << second << QPoint(2298, 0);
    QTest::newRow("larger than the area")
        << QRect(700, 90, 902, 725) << QRect(0, 0, 800, 600) << QPoint(0, 0);
  }
  void keptInside() {
    QFETCH(QRect, frame);
    QFETCH(QRect, area);
    QFETCH(QPoint, topLeft);
    QCOMPARE(KeptInside(frame, area), topLeft);
  }

  void anchoredRect_data() {
    QTest::addColumn<int>("anchors");
    QTest::addColumn<QRect>("rect");
    // Design 738 x 444, parent grown by 100 x 50.
    QTest::newRow("all edges stretch") << int(kAllEdges) << QRect(2, 3, 372, 490);
    QTest::newRow("top right follows") << int(kTopRight) << QRect(102, 3, 272, 440);
    QTest::newRow("top right bottom grows down") << int(kTopRightBottom) << QRect(102, 3, 272, 490);
    QTest::newRow("left top stays")
        << int(Anchors(Anchor::Left) | Anchor::Top) << QRect(2, 3, 272, 440);
  }
  void anchoredRect() {
    QFETCH(int, anchors);
    QFETCH(QRect, rect);
    QCOMPARE(AnchoredRect(QRect(2, 3, 272, 440), Anchors::fromInt(anchors), QSize(738, 444),
                          QSize(838, 494)),
             rect);
  }

  void followedTopRow_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("pc");
    QTest::addColumn<int>("visibleRows");
    QTest::addColumn<int>("newTop");
    QTest::newRow("within the slack") << 0 << 26 << 40 << 0;
    QTest::newRow("27 rows below scrolls by 20") << 0 << 27 << 40 << 20;
    QTest::newRow("above the top becomes the top") << 30 << 5 << 40 << 5;
    QTest::newRow("back to line 0") << 40 << 0 << 40 << 0;
    QTest::newRow("far jump stays in sight") << 0 << 200 << 40 << 161;
    QTest::newRow("short list keeps the row in sight") << 0 << 24 << 20 << 5;
    QTest::newRow("unknown height follows the rule") << 0 << 27 << 0 << 20;
  }
  void followedTopRow() {
    QFETCH(int, top);
    QFETCH(int, pc);
    QFETCH(int, visibleRows);
    QFETCH(int, newTop);
    QCOMPARE(FollowedTopRow(top, pc, visibleRows), newTop);
  }
};

QTEST_APPLESS_MAIN(LayoutTest)
#include "Layout_test.moc"
