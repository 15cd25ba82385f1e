#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include "workbench/editor/EditorLineCache.h"
#include "workbench/editor/EditorLines.h"
#include "workbench/editor/ProgramEditor.h"

using namespace kwarcyt;

namespace {

// What a paste, a drop or a middle click hands to the editor.
class PastingEditor : public ProgramEditor {
 public:
  using ProgramEditor::canInsertFromMimeData;
  using ProgramEditor::insertFromMimeData;
};

}  // namespace

// The lines kept up to date edit by edit must always equal the lines read afresh.
class EditorLinesTest : public QObject {
  Q_OBJECT

 private slots:
  void lineRule_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty text has no line") << "" << QStringList();
    QTest::newRow("one line") << "NOP" << QStringList({"NOP"});
    QTest::newRow("final line break") << "NOP\n" << QStringList({"NOP", ""});
    QTest::newRow("blank lines") << "\n\nHLT" << QStringList({"", "", "HLT"});
    QTest::newRow("Polish letters") << "/ żółw" << QStringList({"/ żółw"});
  }
  void lineRule() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QPlainTextEdit editor;
    EditorLineCache cache(*editor.document());
    editor.setPlainText(text);
    std::vector<std::string> expected;
    for (const QString& line : lines) expected.push_back(line.toStdString());
    QCOMPARE(EditorLines(*editor.document()), expected);
    QCOMPARE(cache.Lines(), expected);
    QCOMPARE(EditorLineCount(*editor.document()), static_cast<int>(lines.size()));
  }

  // A clipboard whose owner is gone gives no data, or data without text: nothing is inserted
  // and nothing breaks; real text still arrives.
  void pasteTakesOnlyText() {
    PastingEditor editor;
    editor.setPlainText("NOP");
    QMimeData empty;
    QMimeData picture;
    picture.setData("image/png", "\x89PNG");
    const QMimeData* const sources[] = {nullptr, &empty, &picture};
    for (const QMimeData* source : sources) {
      QVERIFY(!editor.canInsertFromMimeData(source));
      editor.insertFromMimeData(source);
    }
    QCOMPARE(editor.toPlainText(), QString("NOP"));
    QMimeData text;
    text.setText("HLT\n");
    QVERIFY(editor.canInsertFromMimeData(&text));
    editor.insertFromMimeData(&text);
    QCOMPARE(editor.toPlainText(), QString("HLT\nNOP"));
  }

  // A breakpoint keeps to its line's text: a line break typed before the text, or removed after
  // the previous line, takes it along; it leaves with the whole line.
  void breakpointFollowsItsText_data() {
    using Keys = QList<QKeyCombination>;
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QStringList>("marked");
    const Keys enter{Qt::Key_Return};
    QTest::newRow("break before") << enter << QStringList{"DCR B"};
    QTest::newRow("break removed")
        << enter + Keys{Qt::Key_Backspace, Qt::Key_Backspace} << QStringList{"DALEJ:DCR B"};
    QTest::newRow("undone") << enter + Keys{Qt::CTRL | Qt::Key_Z} << QStringList{"DCR B"};
    QTest::newRow("deleted") << Keys{Qt::SHIFT | Qt::Key_Down, Qt::Key_Delete} << QStringList{};
  }
  void breakpointFollowsItsText() {
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(QStringList, marked);
    ProgramEditor editor;
    editor.setPlainText("DALEJ:\nDCR B\nJNZ DALEJ");
    editor.ToggleBreakpoint(1);
    editor.setTextCursor(QTextCursor(editor.document()->findBlockByNumber(1)));
    for (const QKeyCombination key : keys)
      QTest::keyClick(&editor, key.key(), key.keyboardModifiers());
    QStringList shown;
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
      if (editor.HasBreakpoint(block.blockNumber())) shown << block.text();
    }
    QCOMPARE(shown, marked);
  }

  void cacheFollowsEdits_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("type a character") << 1 << 3 << 0 << "X";
    QTest::newRow("new line in the middle") << 1 << 2 << 0 << "\n";
    QTest::newRow("join two lines") << 0 << 5 << 1 << "";
    QTest::newRow("paste several lines") << 2 << 0 << 0 << "A:\nB:\nC:\n";
    QTest::newRow("delete across lines") << 0 << 1 << 12 << "";
    QTest::newRow("replace across lines") << 1 << 1 << 9 << "x\ny";
    QTest::newRow("delete everything") << 0 << 0 << 24 << "";
    QTest::newRow("final line break") << 3 << 3 << 0 << "\n";
  }
  void cacheFollowsEdits() {
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(int, removed);
    QFETCH(QString, inserted);
    QPlainTextEdit editor;
    EditorLineCache cache(*editor.document());
    editor.setPlainText("MVI A\nMOV B\nINR C\nHLT");
    QTextCursor cursor(editor.document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
    cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, removed);
    cursor.insertText(inserted);
    QCOMPARE(cache.Lines(), EditorLines(*editor.document()));
    editor.undo();
    QCOMPARE(cache.Lines(), EditorLines(*editor.document()));
    editor.redo();
    QCOMPARE(cache.Lines(), EditorLines(*editor.document()));
  }
};

QTEST_MAIN(EditorLinesTest)
#include "EditorLines_test.moc"
