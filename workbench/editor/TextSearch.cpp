#include "TextSearch.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace kwarcyt {

namespace {

const QColor kMatchColour(0xFF, 0xE0, 0x60);

bool Matches(const QString& line, const QString& text) {
  return line.contains(text, Qt::CaseInsensitive);
}

}  // namespace

int EditorSearch::MarkAll(const QString& text) {
  QList<QTextEdit::ExtraSelection> marks;
  if (!text.isEmpty()) {
    const QTextDocument& document = *editor_.document();
    for (QTextCursor found = document.find(text, 0); !found.isNull();
         found = document.find(text, found)) {
      QTextEdit::ExtraSelection mark;
      mark.cursor = found;
      mark.format.setBackground(kMatchColour);
      marks.append(mark);
    }
  }
  editor_.setExtraSelections(marks);
  return static_cast<int>(marks.size());
}

bool EditorSearch::Select(const QString& text, bool backward, bool here) {
  if (text.isEmpty()) return false;
  const QTextDocument& document = *editor_.document();
  const QTextDocument::FindFlags flags =
      backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  QTextCursor from = editor_.textCursor();
  if (here) from.setPosition(from.selectionStart());
  QTextCursor found = document.find(text, from, flags);
  if (found.isNull()) {
    QTextCursor round(editor_.document());
    if (backward) round.movePosition(QTextCursor::End);
    found = document.find(text, round, flags);
  }
  if (found.isNull()) return false;
  editor_.setTextCursor(found);
  editor_.ensureCursorVisible();
  return true;
}

void EditorSearch::ReplaceSelected(const QString& text, const QString& replacement) {
  QTextCursor cursor = editor_.textCursor();
  if (!text.isEmpty() && cursor.selectedText().compare(text, Qt::CaseInsensitive) == 0) {
    cursor.insertText(replacement);
    editor_.setTextCursor(cursor);
  }
  Select(text, false, false);
}

int EditorSearch::ReplaceAll(const QString& text, const QString& replacement) {
  if (text.isEmpty()) return 0;
  QTextDocument& document = *editor_.document();
  QTextCursor edit(&document);
  int count = 0;
  edit.beginEditBlock();
  for (QTextCursor found = document.find(text, 0); !found.isNull();
       found = document.find(text, found)) {
    found.insertText(replacement);
    ++count;
  }
  edit.endEditBlock();
  return count;
}

int ListSearch::MarkAll(const QString& text) {
  int count = 0;
  for (int row = 0; row < list_.count(); ++row) {
    QListWidgetItem* item = list_.item(row);
    const bool match = !text.isEmpty() && Matches(item->text(), text);
    item->setBackground(match ? QBrush(kMatchColour) : QBrush());
    count += match ? 1 : 0;
  }
  return count;
}

bool ListSearch::Select(const QString& text, bool backward, bool here) {
  const int rows = list_.count();
  if (text.isEmpty() || rows == 0) return false;
  const int current = std::max(0, list_.currentRow());
  for (int i = here ? 0 : 1; i <= rows; ++i) {
    const int row = backward ? (current - i % rows + rows) % rows : (current + i) % rows;
    if (Matches(list_.item(row)->text(), text)) {
      list_.setCurrentRow(row);
      list_.scrollToItem(list_.item(row));
      return true;
    }
  }
  return false;
}

}  // namespace kwarcyt
