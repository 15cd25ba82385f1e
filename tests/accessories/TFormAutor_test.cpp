// The About box: its texts in their places, closing with Esc.
#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include "accessories/TFormAutor.h"

using kwarcyt::TFormAutor;

namespace {

QLabel* Line(TFormAutor& form, const char* name) {
  return form.findChild<QLabel*>(QString::fromLatin1(name));
}

}  // namespace

class TFormAutorTest : public QObject {
  Q_OBJECT

 private slots:
  void captionAndFixedClientArea() {
    TFormAutor form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Kwarcyt - O autorze"));
    QCOMPARE(form.size(), QSize(491, 223));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(form.findChildren<QAbstractButton*>().isEmpty());
  }

  void linesStandInTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("left");  // -1: centred across the full width
    QTest::newRow("heading") << "headingLabel"
                             << "PRACA DYPLOMOWA" << 0 << -1;
    QTest::newRow("topic") << "topicLabel"
                           << "Temat pracy: \u201E" << 35 << -1;
    QTest::newRow("author") << "authorLabel"
                            << "Autor: Zespół Kwarcyt" << 64 << 143;
    QTest::newRow("supervisor") << "supervisorLabel"
                                << "Promotor: mgr " << 80 << 143;
    QTest::newRow("school year") << "schoolYearLabel"
                                 << "Rok szkolny: 20" << 96 << 143;
    QTest::newRow("terms 1") << "termsLabel1"
                             << "Program jest bezpłatny" << 131 << -1;
    QTest::newRow("terms 2, naming the school")
        << "termsLabel2"
        << "w szczególności na lekcjach w Zespole Szkół" << 147 << -1;
    QTest::newRow("terms 3") << "termsLabel3"
                             << "Wolno go kopiować" << 171 << -1;
    QTest::newRow("school") << "schoolLabel"
                            << "Zespół Szkół Technicznych nr 2, ul." << 200 << -1;
  }
  void linesStandInTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, start);
    QFETCH(int, top);
    QFETCH(int, left);
    TFormAutor form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QLabel* label = Line(form, qPrintable(name));
    QVERIFY(label);
    QVERIFY2(label->text().startsWith(start), qPrintable(label->text()));
    QCOMPARE(label->y(), top);
    if (left < 0) {
      QCOMPARE(label->x(), 0);
      QCOMPARE(label->width(), form.width());
      QVERIFY(label->alignment() & Qt::AlignHCenter);
    } else {
      QCOMPARE(label->x(), left);
      QVERIFY(label->alignment() & Qt::AlignLeft);
    }
    // The whole text is visible.
    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
             qPrintable(label->text()));
    QVERIFY(label->fontMetrics().height() <= label->height());
  }

  void topicIsQuotedAndHeadingBold() {
    TFormAutor form;
    const QString topic = Line(form, "topicLabel")->text();
    QVERIFY(topic.endsWith(QChar(0x201D)));
    QVERIFY(topic.size() > QStringLiteral("Temat pracy: \u201E\u201D").size());
    QVERIFY(Line(form, "headingLabel")->font().bold());
    QCOMPARE(Line(form, "headingLabel")->height(), 33);
  }

  void escCloses() {
    TFormAutor form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
  }
};

QTEST_MAIN(TFormAutorTest)
#include "TFormAutor_test.moc"
