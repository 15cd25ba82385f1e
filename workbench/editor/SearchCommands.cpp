#include "SearchCommands.h"

#include <QAction>
#include <QEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "EditorArea.h"
#include "FindBar.h"
#include "GoToLineDialog.h"
#include "TextSearch.h"
#include "workbench/window/Dialogs.h"

namespace kwarcyt {

SearchCommands::SearchCommands(SearchCommandActions actions, EditorArea& area,
                               QPlainTextEdit& editor, QListWidget& list,
                               std::function<Dialogs&()> dialogs)
    : QObject(&area),
      actions_(actions),
      editor_(editor),
      list_(list),
      dialogs_(std::move(dialogs)),
      editorSearch_(std::make_unique<EditorSearch>(editor)),
      listSearch_(std::make_unique<ListSearch>(list)) {
  bar_ = new FindBar(
      &area,
      [this]() -> SearchTarget& {
        return DuringRun() ? static_cast<SearchTarget&>(*listSearch_) : *editorSearch_;
      },
      *editorSearch_);
  area.SetBottomBar(bar_);
  connect(bar_, &FindBar::caretMoved, this, &SearchCommands::caretMoved);
  connect(bar_, &FindBar::closed, this, [this] {
    if (!DuringRun()) editor_.setFocus();
  });
  connect(&editor_, &QPlainTextEdit::textChanged, bar_, &FindBar::Remark);
  connect(actions_.find, &QAction::triggered, this, &SearchCommands::ZnajdzExecute);
  connect(actions_.replace, &QAction::triggered, this, &SearchCommands::ZamienExecute);
  connect(actions_.goToLine, &QAction::triggered, this, &SearchCommands::PrzejdzDoWierszaExecute);
  list_.installEventFilter(this);
}

SearchCommands::~SearchCommands() = default;

bool SearchCommands::DuringRun() const {
  return list_.isVisibleTo(list_.parentWidget());
}

void SearchCommands::OpenBar(bool withReplacement) {
  const QString selected = DuringRun() ? QString() : editor_.textCursor().selectedText();
  bar_->Open(withReplacement, selected);
}

void SearchCommands::PrzejdzDoWierszaExecute() {
  const bool duringRun = DuringRun();
  const int last = duringRun ? list_.count() - 1 : editor_.blockCount() - 1;
  const int current = duringRun ? list_.currentRow() : editor_.textCursor().blockNumber();
  GoToLineDialog dialog(editor_.window(), last, std::max(0, current));
  if (dialogs_().Exec(dialog) != QDialog::Accepted) return;
  const int line = std::clamp(dialog.Line(), 0, std::max(0, last));
  if (duringRun) {
    if (line < list_.count()) {
      list_.setCurrentRow(line);
      list_.scrollToItem(list_.item(line));
    }
    return;
  }
  editor_.setTextCursor(QTextCursor(editor_.document()->findBlockByNumber(line)));
  editor_.centerCursor();
  editor_.setFocus();
  emit caretMoved();
}

// A run shows the list in the editor's place: replacing waits until the run ends, and the list's
// new rows are marked as the editor's text was.
void SearchCommands::FollowRunState() {
  const bool duringRun = DuringRun();
  actions_.replace->setEnabled(!duringRun);
  bar_->AllowReplacing(!duringRun);
  bar_->Remark();
}

bool SearchCommands::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &list_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
    FollowRunState();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kwarcyt
