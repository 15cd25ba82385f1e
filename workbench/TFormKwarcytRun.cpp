// The window side of a run: the program list in the editor's place, the command states, the
// error list and the refresh after steps.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "EditorLineCache.h"
#include "EditorLines.h"
#include "ListFollow.h"
#include "ProgramDocument.h"
#include "ProgramList.h"
#include "TFormKwarcyt.h"
#include "workbench/views/ElidedPanel.h"

namespace kwarcyt {

namespace {

constexpr int kListRowHeight = 16;

QString JoinedLines(const ErrorList& lines, std::size_t from) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(lines.size() - from));
  for (std::size_t i = from; i < lines.size(); ++i) texts.append(QString::fromStdString(lines[i]));
  return texts.join(QLatin1Char('\n'));
}

}  // namespace

std::vector<std::string> TFormKwarcyt::ProgramLines() const {
  return memoLines_->Lines();
}

int TFormKwarcyt::ProgramLineCount() const {
  return EditorLineCount(*memo_->document());
}

void TFormKwarcyt::SetCommandStates(const CommandStates& states) {
  run_->Refresh();
  for (const Command command :
       {Command::Nowy, Command::Otworz, Command::Importuj, Command::Zapisz, Command::Zapiszjako}) {
    Action(command)->setEnabled(states.fileCommands);
  }
  Action(Command::Start)->setEnabled(states.start);
  EnableStepCommands(states.krok);
  Action(Command::Pauza)->setEnabled(states.pauza);
  Action(Command::Stop)->setEnabled(states.stop);
  ShowDebugCommandStates(states);
}

void TFormKwarcyt::ShowProgramList(const std::vector<std::string>& lines, int pc) {
  memo_->hide();
  list_->setUpdatesEnabled(false);
  list_->clear();
  for (const std::string& line : lines) {
    QString text = QString::fromStdString(line);
    // Far more than the list can show; laying out a megabyte-long row would stall the start.
    constexpr qsizetype kMostShown = 1000;
    if (text.size() > kMostShown) text = text.left(kMostShown) + QChar(0x2026);
    auto* item = new QListWidgetItem(text, list_);
    item->setSizeHint(QSize(0, kListRowHeight));
  }
  list_->UpdateGutter();
  list_->show();
  list_->doItemsLayout();
  list_->setUpdatesEnabled(true);
  list_->setCurrentRow(pc);
  list_->scrollToItem(list_->item(pc));
}

void TFormKwarcyt::ShowEditor() {
  run_->Refresh();
  list_->hide();
  memo_->show();
  memo_->setFocus();
}

void TFormKwarcyt::ShowErrors(std::size_t from) {
  if (from == 0) {
    QString text = JoinedLines(errors_, 0);
    // The notes of an import stay below the check's messages while the imported program is
    // edited; during a run the list is the run's alone.
    if (document_ && !machine_.Running && !document_->ImportNotes().isEmpty()) {
      if (!text.isEmpty()) text += QLatin1Char('\n');
      text += document_->ImportNotes().join(QLatin1Char('\n'));
    }
    listaBledow_->setPlainText(text);
    return;
  }
  // Lines from `from` on may have been rewritten (the count of left-out reports grows).
  QTextDocument* shown = listaBledow_->document();
  if (static_cast<int>(from) < shown->blockCount()) {
    QTextCursor cursor(shown->findBlockByNumber(static_cast<int>(from) - 1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  }
  listaBledow_->appendPlainText(JoinedLines(errors_, from));
}

void TFormKwarcyt::ShowStop(const RunStop& stop) {
  stopPanel_->SetFullText(QString::fromStdString(RunStopText(stop)));
}

void TFormKwarcyt::ShowMachine(const std::string* statusText) {
  if (statusText != nullptr && !run_->Control().ContinuousRunActive()) marks_.Moment(machine_);
  PokazWszystko();
  UpdateStepBack();
  if (statusText == nullptr) return;
  statusPanels_[2]->setText(QString::fromStdString(*statusText));
  FollowPc();
}

void TFormKwarcyt::FollowPc() {
  const int pc = machine_.PC;
  if (pc < 0 || pc >= list_->count()) return;
  QScrollBar* bar = list_->verticalScrollBar();
  const int visibleRows = list_->viewport()->height() / kListRowHeight;
  const int top = FollowedTopRow(bar->value(), pc, visibleRows);
  // Turning updates back on repaints the whole list: not for a highlight that stayed put.
  if (pc == list_->currentRow() && top == bar->value()) return;
  list_->setUpdatesEnabled(false);
  list_->setCurrentRow(pc);
  bar->setValue(top);
  list_->setUpdatesEnabled(true);
}

void TFormKwarcyt::ResetWindow() {
  marks_.Forget(machine_);
  PokazWszystko();
  list_->verticalScrollBar()->setValue(0);
  memo_->setFocus();
}

}  // namespace kwarcyt
