// Drives a run from the window's event loop: it owns run control and the timer that brings each
// continuation, and lets the views be redrawn at most once a screen frame, however many slices of
// a fast run went by. The session is run control's host and hands it the pacing.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "core/RunControl.h"

namespace kwarcyt {

class RunController : public QObject {
  Q_OBJECT

 public:
  // Redraws the views from the machine; with a status text, also the status bar and the list
  // highlight (after executed steps).
  using Redraw = std::function<void(const std::string* statusText)>;

  RunController(MachineState& machine, ErrorList& errors, RunHost& host, Redraw redraw,
                QObject* parent);

  RunControl& Control() { return control_; }
  // Exit and the close: whatever runs ends now and nothing is left waiting.
  void Abandon();

  // The host's pacing, handed over: a user's command shows its step at once, a running program
  // at most once a frame.
  void ShowStep(const std::string& statusText);
  void ShowMachineState();
  void ScheduleContinuation(std::chrono::milliseconds delay);
  // Shows what waits for the next frame, if anything does: before the run changes its state,
  // so that a paused or ended run never shows an older state than the one it stopped in.
  void Refresh();
  // Nothing waits: no continuation for its time and no refresh for its frame, so what the
  // machine and the views hold now stays until the next command.
  bool AtRest() const { return !continuation_.isActive() && !frame_.isActive(); }

 signals:
  // A continuation fell due and was handled: the run went on, found itself paused or ended, or
  // waited for a modal window to close. Lets a test wait for the run's turn, not for a time.
  void ContinuationHandled();

 private:
  void ContinuationDue();

  Redraw redraw_;
  RunControl control_;
  QTimer continuation_;
  QTimer frame_;
  QElapsedTimer sinceRefresh_;
  bool inContinuation_ = false;
  bool refreshPending_ = false;
  bool statusPending_ = false;
  std::string pendingStatus_;
};

}  // namespace kwarcyt
