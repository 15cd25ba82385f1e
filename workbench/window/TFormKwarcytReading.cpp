// The window side of reading and handing in a program: find and replace, go to a line, the size
// of the text, and printing.
#include <QAction>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "TextZoom.h"
#include "sourcefile/FileName.h"
#include "workbench/editor/EditorLines.h"
#include "workbench/editor/ProgramEditor.h"
#include "workbench/editor/SearchCommands.h"
#include "workbench/printing/PrintCommand.h"
#include "workbench/printing/ProgramPrint.h"
#include "workbench/session/ProgramDocument.h"
#include "workbench/views/ErrorListView.h"
#include "workbench/views/ProgramList.h"
#include "workbench/window/TFormKwarcyt.h"

namespace kwarcyt {

void TFormKwarcyt::ConnectReadingCommands(EditorArea& editorArea) {
  search_ = new SearchCommands(
      {Action(Command::Znajdz), Action(Command::Zamien), Action(Command::PrzejdzDoWiersza)},
      editorArea, *memo_, *list_, [this]() -> Dialogs& { return *dialogs_; });
  connect(search_, &SearchCommands::caretMoved, this, &TFormKwarcyt::UpdateCaretPanels);

  zoom_ = new TextZoom(
      {Action(Command::Powieksz), Action(Command::Pomniejsz), Action(Command::RozmiarDomyslny)},
      this);
  for (QWidget* control : std::initializer_list<QWidget*>{memo_, list_, listaBledow_}) {
    zoom_->Follow(control);
  }
  zoom_->FollowWheel(memo_->viewport());
  // The caret's line stays in sight while the lines grow or shrink around it.
  connect(zoom_, &TextZoom::zoomChanged, memo_, &QPlainTextEdit::ensureCursorVisible);

  connect(Action(Command::Drukuj), &QAction::triggered, this, &TFormKwarcyt::DrukujExecute);
}

void TFormKwarcyt::DrukujExecute() {
  PrintWithDialog(this, *dialogs_,
                  {ShownText(QFileInfo(session_->Document().FileName()).fileName()),
                   EditorTextLines(*memo_->document()), QDateTime::currentDateTime()});
}

}  // namespace kwarcyt
