// The screen saver window: what closes it, what does not, and what it draws.
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "accessories/TFormWygaszacz.h"

using kwarcyt::TFormWygaszacz;

namespace {

// Shows the saver with its timer stopped, so that the test decides when a frame passes.
void ShowStill(TFormWygaszacz& saver) {
  saver.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
  saver.show();
  saver.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&saver));
}

}  // namespace

class TFormWygaszaczTest : public QObject {
  Q_OBJECT

 private slots:
  void coversTheScreenAndAnimatesByItself() {
    TFormWygaszacz saver;
    saver.show();
    QVERIFY(QTest::qWaitForWindowExposed(&saver));
    QCOMPARE(saver.geometry(), saver.screen()->geometry());
    QVERIFY(saver.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(saver.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(saver.cursor().shape(), Qt::PointingHandCursor);
    QTRY_VERIFY(saver.Animation().brightness > 0);
  }

  void mouseMovesAreChasedAndNeverClose() {
    TFormWygaszacz saver;
    ShowStill(saver);
    QTest::mouseMove(&saver, QPoint(300, 250));
    QTest::mouseMove(&saver, QPoint(310, 260));
    QVERIFY(saver.isVisible());
    QCOMPARE(saver.Animation().targetX, 310);
    QCOMPARE(saver.Animation().targetY, 260);
  }

  void anyMouseButtonReleaseCloses_data() {
    QTest::addColumn<int>("button");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
  }
  void anyMouseButtonReleaseCloses() {
    QFETCH(int, button);
    TFormWygaszacz saver;
    ShowStill(saver);
    QTest::mousePress(&saver, Qt::MouseButton(button), {}, QPoint(50, 50));
    QVERIFY(saver.isVisible());
    QTest::mouseRelease(&saver, Qt::MouseButton(button), {}, QPoint(50, 50));
    QVERIFY(!saver.isVisible());
  }

  void onlyEscOfAllKeysCloses_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << false;
    QTest::newRow("Space") << int(Qt::Key_Space) << false;
    QTest::newRow("A") << int(Qt::Key_A) << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << false;
  }
  void onlyEscOfAllKeysCloses() {
    QFETCH(int, key);
    QFETCH(bool, closes);
    TFormWygaszacz saver;
    ShowStill(saver);
    QTest::keyClick(&saver, Qt::Key(key));
    QCOMPARE(saver.isVisible(), !closes);
  }

  // The balls fade in from black; the texts are drawn in silver from the first frame.
  void ballsFadeInWhileTheTextsStandAtFullColour_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("fillGray");
    QTest::newRow("before the first frame") << 0 << 0;
    QTest::newRow("after 20 frames") << 20 << 60;
    QTest::newRow("at full brightness") << 64 << 0xBF;
  }
  void ballsFadeInWhileTheTextsStandAtFullColour() {
    QFETCH(int, ticks);
    QFETCH(int, fillGray);
    TFormWygaszacz saver;
    ShowStill(saver);
    for (int i = 0; i < ticks; ++i) saver.Timer1Timer();
    const QImage frame = saver.grab().toImage();
    const auto& chain = saver.Animation();
    const QPoint head(int(chain.x[0]), int(chain.y[0]));
    QCOMPARE(QColor(frame.pixel(head)), QColor(fillGray, fillGray, fillGray));

    // Some pixel of the exit text, in the band 20 pixels above the bottom edge.
    bool silver = false;
    for (int y = frame.height() - 20; y < frame.height() && !silver; ++y)
      for (int x = 0; x < 200 && !silver; ++x)
        silver = QColor(frame.pixel(x, y)) == QColor(0xC0, 0xC0, 0xC0);
    QVERIFY(silver);
  }
};

QTEST_MAIN(TFormWygaszaczTest)
#include "TFormWygaszacz_test.moc"
