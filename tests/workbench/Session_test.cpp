// The session driven without a window: what a view or a command relies on from its signals.
#include <QFile>
#include <QPlainTextDocumentLayout>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "workbench/session/RunController.h"
#include "workbench/session/Session.h"

using namespace kwarcyt;

class SessionTest : public QObject {
  Q_OBJECT

  struct Fixture {
    // A document tells of its changes only once it is laid out, as an editor's is.
    Fixture() { text.setDocumentLayout(new QPlainTextDocumentLayout(&text)); }
    QTemporaryDir recovery;
    QTextDocument text;
    Session session{text, [this](const QString& t) { text.setPlainText(t); }, recovery.path()};
  };

 private slots:
  // The first Krok opens the run on the program's lines; the next one executes a step and
  // announces it once with its status text.
  void aStepIsAnnouncedToTheViews() {
    Fixture f;
    f.text.setPlainText("MVI A,5\nHLT");
    QSignalSpy opened(&f.session, &Session::runOpened);
    QSignalSpy stepped(&f.session, &Session::stepped);
    QSignalSpy changed(&f.session, &Session::machineChanged);
    f.session.Step();
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened[0][1].toInt(), 0);
    QCOMPARE(stepped.count(), 0);
    f.session.Step();
    QCOMPARE(f.session.Machine().A, 5);
    QCOMPARE(stepped.count(), 1);
    QVERIFY(stepped[0][0].toString().contains("MVI A,5"));
    QVERIFY(changed.count() >= 1);
  }

  // Each record leads to the line its message names; a help line leads nowhere.
  void errorRecordsCarryTheirLine() {
    Fixture f;
    f.text.setPlainText("NOP\nMOV A,X\nNOP");
    QSignalSpy errors(&f.session, &Session::errorsChanged);
    f.session.CheckEdit(1);
    QCOMPARE(errors.count(), 1);
    const std::vector<ErrorRecord>& records = f.session.ErrorRecords();
    QVERIFY(!records.empty());
    QCOMPARE(records.front().line, 1);
    QCOMPARE(records.front().kind, ErrorKind::Fault);
    QVERIFY(records.front().text.startsWith("1: "));
  }

  // A breakpoint set through the session stops a run before its line.
  void aRunPausesAtABreakpoint() {
    Fixture f;
    f.text.setPlainText("MVI A,1\nMVI A,2\nMVI A,3\nHLT");
    QSignalSpy marks(&f.session, &Session::breakpointsChanged);
    f.session.ToggleBreakpoint(2);
    QCOMPARE(marks.count(), 1);
    QVERIFY(f.session.HasBreakpoint(2));
    f.session.SetSpeed(RunControl::kFastestPosition);
    f.session.Start();
    QVERIFY(QTest::qWaitFor([&] { return f.session.Pacing().AtRest(); }));
    QCOMPARE(f.session.Machine().PC, 2);
    QCOMPARE(f.session.Machine().A, 2);
  }

  // An opened file is checked once, not once per way the text got in.
  void anOpenedFileIsCheckedOnce() {
    Fixture f;
    QTemporaryDir folder;
    QFile file(folder.filePath("p.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("NOP\nHLT\n");
    file.close();
    QSignalSpy checks(&f.session, &Session::editChecked);
    QSignalSpy document(&f.session, &Session::documentChanged);
    QVERIFY(!f.session.Open(file.fileName()));
    QCOMPARE(checks.count(), 1);
    QCOMPARE(document.count(), 1);
    QVERIFY(f.session.Open(folder.filePath("missing.txt")).has_value());
    QCOMPARE(checks.count(), 1);
  }
};

QTEST_MAIN(SessionTest)
#include "Session_test.moc"
