// The window side of reading and handing in a program: find and replace, go to a line, the size
// of the text, and printing.
#include <QAction>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "TextZoom.h"
#include "sourcefile/FileName.h"
#include "workbench/EditorLines.h"
#include "workbench/ProgramDocument.h"
#include "workbench/ProgramEditor.h"
#include "workbench/ProgramList.h"
#include "workbench/TFormKwarcyt.h"
#include "workbench/editor/SearchCommands.h"
#include "workbench/printing/PrintCommand.h"
#include "workbench/printing/ProgramPrint.h"

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
                  {ShownText(QFileInfo(document_->FileName()).fileName()),
                   EditorTextLines(*memo_->document()), QDateTime::currentDateTime()});
}

}  // namespace kwarcyt
