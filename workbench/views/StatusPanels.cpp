#include "workbench/views/StatusPanels.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>

#include "core/Program.h"
#include "viewtext/ClockTime.h"
#include "workbench/session/Session.h"
#include "workbench/views/ElidedPanel.h"

namespace kwarcyt {

StatusPanels::StatusPanels(QStatusBar& statusBar, const Session& session,
                           const QPlainTextEdit& editor)
    : QObject(&statusBar), session_(session), editor_(editor) {
  statusBar.setObjectName(QStringLiteral("StatusBar"));
  statusBar.setAccessibleName(QStringLiteral("Pasek stanu"));
  statusBar.setSizeGripEnabled(true);
  const std::array<int, 4> widths{80, 90, 300, 150};
  const std::array<QString, 4> texts{QString(), QString(), QString::fromUtf8(kExecutedCaption),
                                     ClockStatesText(0)};
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    panels_[i] = new QLabel(texts[i], &statusBar);
    panels_[i]->setObjectName(QStringLiteral("StatusBarPanel%1").arg(i));
    panels_[i]->setFixedWidth(widths[i]);
    statusBar.addWidget(panels_[i]);
  }
  stopPanel_ = new ElidedPanel(&statusBar);
  stopPanel_->setObjectName(QStringLiteral("StatusBarPanel4"));
  statusBar.addWidget(stopPanel_, 1);

  connect(&session, &Session::machineChanged, this, &StatusPanels::ShowClockStates);
  connect(&session, &Session::stepped, panels_[2], &QLabel::setText);
  connect(&session, &Session::runStopped, stopPanel_, [this](const RunStop& stop) {
    stopPanel_->SetFullText(QString::fromStdString(RunStopText(stop)));
  });
  connect(&editor, &QPlainTextEdit::textChanged, stopPanel_, &ElidedPanel::Clear);
}

void StatusPanels::ShowClockStates() {
  const MachineState& machine = session_.Machine();
  panels_[3]->setText(ClockStatesText(machine.TStates));
  panels_[3]->setToolTip(ClockTimeText(machine.TStates));
}

void StatusPanels::ShowCaret() {
  const QTextCursor cursor = editor_.textCursor();
  const QTextBlock block = editor_.document()->findBlock(cursor.selectionEnd());
  panels_[0]->setText(QStringLiteral("Wiersz: ") + QString::number(block.blockNumber()));
  panels_[1]->setText(QStringLiteral("Kolumna: ") +
                      QString::number(cursor.selectionEnd() - block.position()));
}

}  // namespace kwarcyt
