#include "workbench/session/RunController.h"

#include <QApplication>

namespace kwarcyt {

namespace {
// While a modal window is open the run waits; this is how often it looks again.
constexpr std::chrono::milliseconds kModalPoll{15};
// About one screen frame: views refreshed more often than this show nothing more.
constexpr qint64 kFrameMs = 16;
}  // namespace

RunController::RunController(MachineState& machine, ErrorList& errors, RunHost& host, Redraw redraw,
                             QObject* parent)
    : QObject(parent), redraw_(std::move(redraw)), control_(machine, errors, host) {
  continuation_.setSingleShot(true);
  continuation_.setTimerType(Qt::PreciseTimer);
  connect(&continuation_, &QTimer::timeout, this, &RunController::ContinuationDue);
  frame_.setSingleShot(true);
  connect(&frame_, &QTimer::timeout, this, &RunController::Refresh);
  sinceRefresh_.start();
}

void RunController::Abandon() {
  control_.AbandonRun();
  continuation_.stop();
  Refresh();
}

void RunController::ShowStep(const std::string& statusText) {
  refreshPending_ = true;
  statusPending_ = true;
  pendingStatus_ = statusText;
  const qint64 waited = sinceRefresh_.elapsed();
  if (!inContinuation_ || waited >= kFrameMs) {
    Refresh();
  } else if (!frame_.isActive()) {
    frame_.start(static_cast<int>(kFrameMs - waited));
  }
}

void RunController::ShowMachineState() {
  refreshPending_ = true;
  Refresh();
}

void RunController::Refresh() {
  frame_.stop();
  if (!refreshPending_) return;
  refreshPending_ = false;
  redraw_(statusPending_ ? &pendingStatus_ : nullptr);
  statusPending_ = false;
  sinceRefresh_.restart();
}

void RunController::ScheduleContinuation(std::chrono::milliseconds delay) {
  continuation_.start(delay);
}

// The run never advances while one of the program's modal windows is open: it waits, as if
// the run were inside that window's handler, and goes on when the window closes.
void RunController::ContinuationDue() {
  if (QApplication::activeModalWidget() != nullptr) {
    continuation_.start(kModalPoll);
  } else {
    inContinuation_ = true;
    control_.Continue();
    inContinuation_ = false;
  }
  emit ContinuationHandled();
}

}  // namespace kwarcyt
