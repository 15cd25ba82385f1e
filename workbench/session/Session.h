// The program being worked on, without a widget: the machine, the program document, the error
// records, the breakpoints, the step history, the change marks and the run controller. Commands
// come in as slots; the views follow its signals and read the state they show. Tests drive it
// without a window.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "checker/ErrorList.h"
#include "core/MachineState.h"
#include "core/RunControl.h"
#include "workbench/session/ChangeMarks.h"
#include "workbench/session/ErrorRecords.h"

class QTextDocument;

namespace kwarcyt {

class BreakpointLines;
class EditorLineCache;
class ProgramDocument;
class RunController;
struct RecoveredProgram;

class Session : public QObject, private RunHost {
  Q_OBJECT

 public:
  // Puts a whole new text into the program, as its editor does when it takes one: caret and
  // view at the top, no undo back into the text before.
  using ReplaceText = std::function<void(const QString& text)>;

  Session(QTextDocument& program, ReplaceText replaceText, const QString& recoveryFolder,
          QObject* parent = nullptr);
  ~Session() override;

  MachineState& Machine() { return machine_; }
  const MachineState& Machine() const { return machine_; }
  const ErrorList& Errors() const { return errors_; }
  const std::vector<ErrorRecord>& ErrorRecords() const { return records_; }
  ProgramDocument& Document() { return *document_; }
  const ProgramDocument& Document() const { return *document_; }
  const ChangeMarks& Marks() const { return marks_; }
  const RunControl& Run() const;
  // How the run is paced in the event loop: what a test waits on instead of a time.
  const RunController& Pacing() const { return *run_; }
  // The program's lines as the checker and the interpreter see them.
  const std::vector<std::string>& Lines() const;
  int LineCount() const;
  bool HasBreakpoint(int line) const;
  bool CanStepBack() const;

 public slots:
  void Start();
  void Step();
  void Pause();
  void Stop();
  // As Start, or a resume, that also pauses before `line` the first time it gets there.
  void RunToLine(int line);
  void StepOver();
  void StepBack();
  void ToggleBreakpoint(int line);
  void ClearBreakpoints();
  // A track bar position, from kSlowestPosition to kFastestPosition.
  void SetSpeed(int position);
  // Zeroes the machine and returns to the idle state.
  void Reset();
  // Exit and the close end a run completely before they ask anything.
  void EndRunForClosing();

  // The check after an edit, with the caret's line checked in full.
  void CheckEdit(int caretLine);
  // A value was set by hand: the steps before cannot be taken back, nothing is marked changed.
  void MachineSetByHand();
  // Every view reads the machine again, e.g. after a value was written into it.
  void ShowMachine() { emit machineChanged(); }

  // The file side: each replaces the program, checks it once and resets the machine. Open and
  // Import return the reason when the file cannot be taken, and then change nothing.
  void New();
  std::optional<QString> Open(const QString& path);
  std::optional<QString> Import(const QString& path);
  void Restore(const RecoveredProgram& program);
  std::optional<QString> SaveTo(const QString& path);

 signals:
  // The machine changed: each view reads what it shows. At most once a screen frame during a
  // run.
  void machineChanged();
  // After executed steps, with the status bar's text; the program list follows PC.
  void stepped(const QString& statusText);
  // A run began: the program list shows these lines in the editor's place, row pc current.
  void runOpened(const std::vector<std::string>& lines, int pc);
  // A run ended: the editor is back.
  void runClosed();
  // The machine was reset: the list back at its first row, the editor ready for typing.
  void machineReset();
  void commandStatesChanged(const CommandStates& states);
  // After an edit's check: the run commands are available exactly when the program has lines.
  void editChecked(bool hasLines);
  void stepBackChanged(bool possible);
  // The records from `from` on changed (0: all of them).
  void errorsChanged(std::size_t from);
  // The program's file, its name or its saved state changed.
  void documentChanged();
  void breakpointsChanged();
  // Why the last run stopped, for the status bar; an empty reason when a run or step begins.
  void runStopped(const RunStop& stop);

 private:
  // RunHost
  std::vector<std::string> ProgramLines() const override;
  int ProgramLineCount() const override { return LineCount(); }
  void SetCommandStates(const CommandStates& states) override;
  void ShowProgramList(const std::vector<std::string>& lines, int pc) override;
  void ShowEditor() override;
  void ShowErrors(std::size_t from) override;
  void ShowStep(const std::string& statusText) override;
  void ShowMachineState() override;
  void ResetWindow() override;
  void ScheduleContinuation(std::chrono::milliseconds delay) override;
  void ShowStop(const RunStop& stop) override { emit runStopped(stop); }
  std::vector<std::uint8_t> Breakpoints() const override;

  // The views' refresh, at most once a frame; with a status text after executed steps.
  void Redraw(const std::string* statusText);
  void EmitStepBack();
  // A new text replaces the program: checked once when it is in, not on the way. Nothing is
  // checked when the replacement fails and returns its reason.
  std::optional<QString> TakeNewText(const std::function<std::optional<QString>()>& replace);

  QTextDocument& program_;
  MachineState machine_;
  ErrorList errors_;
  std::vector<ErrorRecord> records_;
  ChangeMarks marks_;
  BreakpointLines& breakpoints_;
  EditorLineCache* lines_;
  std::unique_ptr<ProgramDocument> document_;
  // Declared after what it runs on, so that it goes first.
  std::unique_ptr<RunController> run_;
  bool replacingText_ = false;
};

}  // namespace kwarcyt
