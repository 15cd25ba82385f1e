// The screen saver's animation, stepped without a window.
#include <QTest>

#include "accessories/BallChain.h"

using kwarcyt::BallChain;

namespace {

double TwoDecimals(double value) {
  return std::round(value * 100) / 100;
}

}  // namespace

class BallChainTest : public QObject {
  Q_OBJECT

 private slots:
  void firstTickOnA1024By768Screen() {
    BallChain chain;
    chain.Tick(1024, 768);
    QCOMPARE(TwoDecimals(chain.x[0]), 149.84);
    QCOMPARE(TwoDecimals(chain.y[0]), 160.84);
    QCOMPARE(TwoDecimals(chain.vx[0]), -50.14);
    QCOMPARE(TwoDecimals(chain.vy[0]), -39.14);
    // The second ball chases the head, which now stands up and to the left of it.
    QVERIFY(chain.x[1] < 200);
    // The head goes on chasing the pointer, which has not moved.
    QCOMPARE(chain.targetX, 0);
    QCOMPARE(chain.targetY, 0);
  }

  void headChasesThePointer() {
    BallChain chain;
    chain.targetX = 900;
    chain.targetY = 200;
    chain.Tick(1024, 768);
    QVERIFY(chain.x[0] > 200);
    QCOMPARE(chain.targetX, 900);
    QCOMPARE(chain.targetY, 200);
  }

  void fadesInOverSixtyFourTicks_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("brightness");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("1") << 1 << 4;
    QTest::newRow("63") << 63 << 252;
    QTest::newRow("64") << 64 << 255;
    QTest::newRow("500") << 500 << 255;
  }
  void fadesInOverSixtyFourTicks() {
    QFETCH(int, ticks);
    QFETCH(int, brightness);
    BallChain chain;
    for (int i = 0; i < ticks; ++i) chain.Tick(1024, 768);
    QCOMPARE(chain.brightness, brightness);
    QCOMPARE(chain.OutlineGray(), brightness / 2);
    QCOMPARE(chain.FillGray(), brightness * 3 / 4);
  }

  // A single ball thrown at an edge, chasing the point where it starts: it is put back at the
  // radius from the edge and its speed across the edge is reversed in the same tick.
  void ballBouncesOffEveryEdge_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("vx");
    QTest::addColumn<double>("vy");
    QTest::addColumn<double>("expectedX");  // NAN: not pressed against a side edge
    QTest::addColumn<double>("expectedY");
    QTest::newRow("left") << 10.0 << 400.0 << -30.0 << 0.0 << 8.0 << qQNaN();
    QTest::newRow("right") << 1014.0 << 400.0 << 30.0 << 0.0 << 1016.0 << qQNaN();
    QTest::newRow("top") << 500.0 << 10.0 << 0.0 << -40.0 << qQNaN() << 8.0;
    QTest::newRow("bottom") << 500.0 << 758.0 << 0.0 << 30.0 << qQNaN() << 760.0;
    QTest::newRow("corner") << 10.0 << 758.0 << -30.0 << 30.0 << 8.0 << 760.0;
  }
  void ballBouncesOffEveryEdge() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, vx);
    QFETCH(double, vy);
    QFETCH(double, expectedX);
    QFETCH(double, expectedY);
    BallChain chain;
    chain.ballCount = 1;
    chain.x[0] = x;
    chain.y[0] = y;
    chain.vx[0] = vx;
    chain.vy[0] = vy;
    chain.targetX = int(x);
    chain.targetY = int(y);
    chain.Tick(1024, 768);
    if (!qIsNaN(expectedX)) {
      QCOMPARE(chain.x[0], expectedX);
      QVERIFY(chain.vx[0] * vx < 0);
    }
    if (!qIsNaN(expectedY)) {
      QCOMPARE(chain.y[0], expectedY);
      QVERIFY(chain.vy[0] * vy < 0);
    }
    QVERIFY(chain.x[0] >= 8 && chain.x[0] <= 1016);
    QVERIFY(chain.y[0] >= 8 && chain.y[0] <= 760);
  }

  // One separation pass over two balls; a move counts at once for the pair that follows.
  void separationPushesTouchingBallsApart_data() {
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<QPointF>("firstAfter");
    QTest::addColumn<QPointF>("secondAfter");
    QTest::newRow("overlapping") << QPointF(100, 100) << QPointF(105, 100) << QPointF(99, 100)
                                 << QPointF(106, 100);
    QTest::newRow("diagonal") << QPointF(100, 100) << QPointF(110, 110) << QPointF(99, 99)
                              << QPointF(111, 111);
    QTest::newRow("just touching: the first move frees the second ball")
        << QPointF(100, 100) << QPointF(116, 100) << QPointF(99, 100) << QPointF(116, 100);
    QTest::newRow("apart") << QPointF(100, 100) << QPointF(117, 100) << QPointF(100, 100)
                           << QPointF(117, 100);
    QTest::newRow("coinciding: no direction to move in")
        << QPointF(200, 200) << QPointF(200, 200) << QPointF(200, 200) << QPointF(200, 200);
  }
  void separationPushesTouchingBallsApart() {
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(QPointF, firstAfter);
    QFETCH(QPointF, secondAfter);
    BallChain chain;
    chain.ballCount = 2;
    chain.x[0] = first.x();
    chain.y[0] = first.y();
    chain.x[1] = second.x();
    chain.y[1] = second.y();
    chain.SeparationPass();
    QCOMPARE(QPointF(chain.x[0], chain.y[0]), firstAfter);
    QCOMPARE(QPointF(chain.x[1], chain.y[1]), secondAfter);
  }

  void ballsStayOnScreenWhateverThePointerDoes() {
    BallChain chain;
    const QPoint path[] = {{0, 0}, {1023, 767}, {0, 767}, {1023, 0}, {512, 384}};
    for (int i = 0; i < 1000; ++i) {
      chain.targetX = path[(i / 50) % 5].x();
      chain.targetY = path[(i / 50) % 5].y();
      chain.Tick(1024, 768);
      // Separation may push a ball a few pixels past the edge after it was put back; its
      // centre still stays on the screen.
      for (int b = 0; b < chain.ballCount; ++b) {
        QVERIFY(chain.x[b] >= 0 && chain.x[b] <= 1024);
        QVERIFY(chain.y[b] >= 0 && chain.y[b] <= 768);
        QVERIFY(std::isfinite(chain.vx[b]) && std::isfinite(chain.vy[b]));
      }
    }
  }
};

QTEST_GUILESS_MAIN(BallChainTest)
#include "BallChain_test.moc"
