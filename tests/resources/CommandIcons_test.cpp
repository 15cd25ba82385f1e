// The command icons must be reachable from a program that merely links the resource library,
// must load through the SVG image plugin, and must show their subjects at tool-bar size.
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include "resources/CommandIcons.h"

using kwarcyt::CommandIcon;

namespace {

QImage Render(CommandIcon icon, int size = 16) {
  QImageReader reader(kwarcyt::CommandIconPath(icon));
  reader.setScaledSize(QSize(size, size));
  return reader.read().convertToFormat(QImage::Format_ARGB32);
}

int OpaquePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) > 128) ++count;
  return count;
}

}  // namespace

class CommandIconsTest : public QObject {
  Q_OBJECT

 private slots:
  void svgPluginIsAvailable() {
    QVERIFY2(QImageReader::supportedImageFormats().contains("svg"),
             "the Qt SVG image plugin (libqt6svg6) is missing");
  }

  void everyIconIsCompiledInAndNothingElse() {
    QStringList expected;
    for (std::string_view name : kwarcyt::kCommandIconNames)
      expected << QString::fromLatin1(name.data(), qsizetype(name.size())) + ".svg";
    expected.sort();
    QStringList present = QDir(":/icons").entryList(QDir::Files);
    present.sort();
    QCOMPARE(present, expected);
  }

  void everyIconRendersAtToolBarAndHighDpiSize_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("size");
    for (int i = 0; i < kwarcyt::kCommandIconCount; ++i) {
      const auto name = kwarcyt::kCommandIconNames[std::size_t(i)];
      for (int size : {16, 32, 64}) QTest::addRow("%s@%d", name.data(), size) << i << size;
    }
  }
  void everyIconRendersAtToolBarAndHighDpiSize() {
    QFETCH(int, icon);
    QFETCH(int, size);
    const QImage image = Render(CommandIcon(icon), size);
    QCOMPARE(image.size(), QSize(size, size));
    // A picture, not an empty frame: at least an eighth of the square is drawn.
    QVERIFY2(OpaquePixels(image) * 8 >= size * size,
             qPrintable(QString::number(OpaquePixels(image))));
    const QIcon qicon = kwarcyt::CommandIconImage(CommandIcon(icon));
    QVERIFY(!qicon.isNull());
    QCOMPARE(qicon.pixmap(size, size).size(), QSize(size, size));
  }

  // The background stays transparent except where the subject itself is a full square.
  void backgroundIsTransparent_data() {
    QTest::addColumn<int>("icon");
    for (int i = 0; i < kwarcyt::kCommandIconCount; ++i)
      if (CommandIcon(i) != CommandIcon::Monochromatyczny)
        QTest::addRow("%s", kwarcyt::kCommandIconNames[std::size_t(i)].data()) << i;
  }
  void backgroundIsTransparent() {
    QFETCH(int, icon);
    const QImage image = Render(CommandIcon(icon));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(15, 0)), 0);
  }

  // One pixel inside each subject that tells it from a plain picture of another colour.
  void subjectHasItsColour_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("colour");
    const auto row = [](CommandIcon icon, QPoint at, const char* colour) {
      QTest::addRow("%s", kwarcyt::kCommandIconNames[std::size_t(icon)].data())
          << int(icon) << at << QString(colour);
    };
    row(CommandIcon::Nowy, {7, 10}, "white");
    row(CommandIcon::Otworz, {7, 10}, "yellow");
    row(CommandIcon::Zapisz, {13, 6}, "grey");
    row(CommandIcon::Wytnij, {2, 12}, "blue");
    row(CommandIcon::Kopiuj, {12, 13}, "white");
    row(CommandIcon::Wklej, {3, 12}, "brown");
    row(CommandIcon::Wyczysc, {8, 8}, "black");
    row(CommandIcon::Cofnij, {2, 5}, "blue");
    row(CommandIcon::Start, {7, 8}, "green");
    row(CommandIcon::Pauza, {5, 8}, "green");
    row(CommandIcon::Stop, {8, 8}, "red");
    row(CommandIcon::Krok, {12, 8}, "green");
    row(CommandIcon::Alfanumeryczny, {5, 3}, "black");
    row(CommandIcon::Monochromatyczny, {2, 2}, "black");
    row(CommandIcon::SkalaSzarosci, {1, 8}, "black");
  }
  void subjectHasItsColour() {
    QFETCH(int, icon);
    QFETCH(QPoint, at);
    QFETCH(QString, colour);
    const QColor c = QColor::fromRgba(Render(CommandIcon(icon)).pixel(at));
    QVERIFY2(c.alpha() > 200, "transparent where the subject should be");
    const int r = c.red(), g = c.green(), b = c.blue();
    const int spread = std::max({r, g, b}) - std::min({r, g, b});
    bool matches = false;
    if (colour == "white") matches = std::min({r, g, b}) > 220;
    if (colour == "black") matches = std::max({r, g, b}) < 40;
    if (colour == "grey") matches = spread < 30 && r > 60 && r < 200;
    if (colour == "red") matches = r > 150 && g < 80 && b < 80;
    if (colour == "green") matches = g > 120 && r < 100 && b < 100;
    if (colour == "blue") matches = b > 120 && r < 80;
    if (colour == "yellow") matches = r > 200 && g > 150 && b < 120;
    if (colour == "brown") matches = r > g && g > b && r < 220 && b < 100;
    QVERIFY2(matches, qPrintable(QStringLiteral("%1 expected, got %2").arg(colour, c.name())));
  }

  void checkerboardAlternatesAndGradientBrightensToTheRight() {
    const QImage board = Render(CommandIcon::Monochromatyczny);
    QVERIFY(qGray(board.pixel(2, 2)) < 40);
    QVERIFY(qGray(board.pixel(6, 2)) > 220);
    QVERIFY(qGray(board.pixel(6, 6)) < 40);
    QVERIFY(qGray(board.pixel(2, 6)) > 220);

    const QImage ramp = Render(CommandIcon::SkalaSzarosci);
    int previous = -1;
    for (int x = 1; x <= 14; ++x) {
      const int gray = qGray(ramp.pixel(x, 8));
      QVERIFY2(gray > previous, qPrintable(QString::number(x)));
      previous = gray;
    }
    QVERIFY(previous > 200);
  }
};

QTEST_MAIN(CommandIconsTest)
#include "CommandIcons_test.moc"
