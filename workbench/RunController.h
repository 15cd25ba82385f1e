// Drives a run from the window's event loop: it owns run control and the timer that brings each
// continuation, and hands the window at most one refresh of the views per screen frame, however
// many slices of a fast run went by.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <string>

#include "core/RunControl.h"

namespace kwarcyt {

// The window's part of a run: everything run control asks for except the timer, with the
// views' refresh split from the status text so that both can wait for the next frame.
class RunView {
 public:
  virtual ~RunView() = default;
  virtual std::vector<std::string> ProgramLines() const = 0;
  virtual int ProgramLineCount() const = 0;
  virtual void SetCommandStates(const CommandStates& states) = 0;
  virtual void ShowProgramList(const std::vector<std::string>& lines, int pc) = 0;
  virtual void ShowEditor() = 0;
  virtual void ShowErrors(std::size_t from) = 0;
  // Redraws the views from the machine; with a status text, also the status bar and the list
  // highlight (after executed steps).
  virtual void ShowMachine(const std::string* statusText) = 0;
  virtual void ResetWindow() = 0;
};

class RunController : public QObject, private RunHost {
  Q_OBJECT

 public:
  RunController(MachineState& machine, ErrorList& errors, RunView& view, QObject* parent);

  RunControl& Control() { return control_; }
  // Exit and the close: whatever runs ends now and nothing is left waiting.
  void Abandon();

 private:
  // RunHost
  std::vector<std::string> ProgramLines() const override { return view_.ProgramLines(); }
  int ProgramLineCount() const override { return view_.ProgramLineCount(); }
  void SetCommandStates(const CommandStates& states) override;
  void ShowProgramList(const std::vector<std::string>& lines, int pc) override;
  void ShowEditor() override;
  void ShowErrors(std::size_t from) override { view_.ShowErrors(from); }
  void ShowStep(const std::string& statusText) override;
  void ShowMachineState() override;
  void ResetWindow() override { view_.ResetWindow(); }
  void ScheduleContinuation(std::chrono::milliseconds delay) override;

  void ContinuationDue();
  // Shows what waits for the next frame, if anything does.
  void Refresh();

  RunView& view_;
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
