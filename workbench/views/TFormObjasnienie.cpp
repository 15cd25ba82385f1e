#include "workbench/views/TFormObjasnienie.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/StepExplanation.h"
#include "look/Fonts.h"
#include "workbench/session/Session.h"

namespace kwarcyt {

TFormObjasnienie::TFormObjasnienie(const Session& session, QWidget* mainWindow)
    : ToolWindow(mainWindow, QStringLiteral("FormObjasnienie"),
                 QStringLiteral("Kwarcyt - Objaśnienie")),
      session_(session),
      text_(new QPlainTextEdit(this)) {
  text_->setObjectName(QStringLiteral("Objasnienie"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text_->setFont(ValueFont());
  MarkZoomedText(*text_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(text_);
  resize(720, 340);
  connect(&session, &Session::machineChanged, this, &TFormObjasnienie::ExplainLastStep);
}

void TFormObjasnienie::ExplainLastStep() {
  if (!isVisible()) return;
  auto before = std::make_unique<MachineState>(session_.Machine());
  const RunControl& control = session_.Run();
  const QString text =
      QString::fromStdString(control.History().StateBeforeLastStep(*before)
                                 ? ExplainStep(*before, control.CurrentProgram())
                                 : NoStepToExplain(control.HistoryStartsAtHandEdit()));
  // A run at speed asks once a frame; an unchanged text keeps the reader's scroll position.
  if (text_->toPlainText() != text) text_->setPlainText(text);
}

void TFormObjasnienie::showEvent(QShowEvent* event) {
  ExplainLastStep();
  ToolWindow::showEvent(event);
}

}  // namespace kwarcyt
