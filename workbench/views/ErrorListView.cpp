#include "workbench/views/ErrorListView.h"

#include <QMouseEvent>
#include <QTextBlock>

#include "workbench/session/Session.h"

namespace kwarcyt {

ErrorListView::ErrorListView(const Session& session, QWidget* parent)
    : QPlainTextEdit(parent), session_(session) {
  setReadOnly(true);
  connect(&session, &Session::errorsChanged, this, &ErrorListView::ShowRecords);
}

void ErrorListView::ShowRecords(std::size_t from) {
  const std::vector<ErrorRecord>& records = session_.ErrorRecords();
  QTextDocument* shown = document();
  // Rows from `from` on may have been rewritten (the count of left-out reports grows).
  if (from > 0 && static_cast<int>(from) < shown->blockCount()) {
    QTextCursor cursor(shown->findBlockByNumber(static_cast<int>(from) - 1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  }
  rowLines_.resize(std::min(from, rowLines_.size()));
  QStringList texts;
  for (std::size_t i = from; i < records.size(); ++i) {
    texts.append(records[i].text);
    // A text of several rows leads to its line from each of them.
    for (qsizetype row = 0; row <= records[i].text.count(QLatin1Char('\n')); ++row) {
      rowLines_.push_back(records[i].line);
    }
  }
  if (from == 0) {
    setPlainText(texts.join(QLatin1Char('\n')));
  } else {
    appendPlainText(texts.join(QLatin1Char('\n')));
  }
}

void ErrorListView::mouseDoubleClickEvent(QMouseEvent* event) {
  // A double-click only ever leads to a line; it selects nothing.
  const int row = cursorForPosition(event->position().toPoint()).blockNumber();
  if (row >= 0 && static_cast<std::size_t>(row) < rowLines_.size() &&
      rowLines_[static_cast<std::size_t>(row)] >= 0) {
    emit lineChosen(rowLines_[static_cast<std::size_t>(row)]);
  }
}

}  // namespace kwarcyt
