#include "workbench/session/Session.h"

#include <QTextDocument>

#include "checker/ProgramCheck.h"
#include "sourceimport/CommonSyntax.h"
#include "workbench/editor/EditorLineCache.h"
#include "workbench/editor/EditorLines.h"
#include "workbench/session/BreakpointLines.h"
#include "workbench/session/ProgramDocument.h"
#include "workbench/session/RunController.h"

namespace kwarcyt {

Session::Session(QTextDocument& program, ReplaceText replaceText, const QString& recoveryFolder,
                 QObject* parent)
    : QObject(parent),
      program_(program),
      breakpoints_(BreakpointLines::Of(program)),
      lines_(new EditorLineCache(program)),
      document_(std::make_unique<ProgramDocument>(
          program, std::move(replaceText),
          recoveryFolder.isEmpty() ? RecoveryCopy::DefaultFolder() : recoveryFolder)),
      run_(std::make_unique<RunController>(
          machine_, errors_, static_cast<RunHost&>(*this),
          [this](const std::string* statusText) { Redraw(statusText); }, nullptr)) {
  // An edited program is no longer the one the steps were taken in.
  connect(&program_, &QTextDocument::contentsChanged, this, [this] {
    run_->Control().ForgetHistory();
    EmitStepBack();
  });
  connect(&breakpoints_, &BreakpointLines::changed, this, [this] {
    run_->Control().RefreshBreakpoints();
    emit breakpointsChanged();
  });
}

Session::~Session() = default;

const RunControl& Session::Run() const {
  return run_->Control();
}

const std::vector<std::string>& Session::Lines() const {
  return lines_->Lines();
}

int Session::LineCount() const {
  return EditorLineCount(program_);
}

bool Session::HasBreakpoint(int line) const {
  return breakpoints_.Has(line);
}

bool Session::CanStepBack() const {
  return run_->Control().CanStepBack();
}

void Session::Start() {
  run_->Control().StartExecute();
}

void Session::Step() {
  run_->Control().KrokExecute();
}

void Session::Pause() {
  run_->Control().PauzaExecute();
}

void Session::Stop() {
  run_->Control().StopExecute();
}

void Session::RunToLine(int line) {
  run_->Control().UruchomDoKursoraExecute(line);
}

void Session::StepOver() {
  run_->Control().KrokNadExecute();
}

void Session::StepBack() {
  run_->Control().KrokWsteczExecute();
  EmitStepBack();
}

void Session::ToggleBreakpoint(int line) {
  breakpoints_.Toggle(line);
}

void Session::ClearBreakpoints() {
  breakpoints_.Clear();
}

void Session::SetSpeed(int position) {
  run_->Control().CzestotliwoscChange(position);
}

void Session::Reset() {
  run_->Control().Reset();
}

void Session::EndRunForClosing() {
  // A run stopped here is stopped for good, so that a cancelled Exit leaves the window ready
  // for editing rather than half in the run layout.
  if (machine_.Running) Stop();
  run_->Abandon();
}

void Session::CheckEdit(int caretLine) {
  if (replacingText_) return;
  const bool hasLines =
      CheckWhileEditing(Lines(), caretLine, machine_.LabelTable, errors_, machine_.ProgramChecked);
  if (ReportsCommonSyntax(errors_, Lines())) errors_.emplace_back(kCommonSyntaxHint);
  ShowErrors(0);
  emit editChecked(hasLines);
}

void Session::MachineSetByHand() {
  run_->Control().MachineSetByHand();
  marks_.Forget(machine_);
  EmitStepBack();
  emit machineChanged();
}

std::optional<QString> Session::TakeNewText(
    const std::function<std::optional<QString>()>& replace) {
  replacingText_ = true;
  std::optional<QString> error = replace();
  replacingText_ = false;
  if (error) return error;
  // The caret of a text just put in stands on its first line.
  CheckEdit(0);
  emit documentChanged();
  return std::nullopt;
}

void Session::New() {
  TakeNewText([this] {
    document_->New();
    return std::nullopt;
  });
}

std::optional<QString> Session::Open(const QString& path) {
  std::optional<QString> error = TakeNewText([&] { return document_->Open(path); });
  if (!error) Reset();
  return error;
}

std::optional<QString> Session::Import(const QString& path) {
  if (std::optional<QString> error = TakeNewText([&] { return document_->Import(path); })) {
    return error;
  }
  Reset();
  // Every fault of the converted program at once, not only the caret line's: the student did
  // not type it and has to see what is left to do.
  Kompiluj(Lines(), machine_.LabelTable, errors_, machine_.ProgramChecked);
  ShowErrors(0);
  return std::nullopt;
}

void Session::Restore(const RecoveredProgram& program) {
  TakeNewText([&] {
    document_->Restore(program);
    return std::nullopt;
  });
  Reset();
}

std::optional<QString> Session::SaveTo(const QString& path) {
  std::optional<QString> error = document_->SaveTo(path);
  if (!error) emit documentChanged();
  return error;
}

std::vector<std::string> Session::ProgramLines() const {
  return Lines();
}

void Session::SetCommandStates(const CommandStates& states) {
  run_->Refresh();
  emit commandStatesChanged(states);
  EmitStepBack();
  if (states == kContinuousRunStates) {
    marks_.Hide();
  } else if (marks_.Moment(machine_)) {
    emit machineChanged();
  }
}

void Session::ShowProgramList(const std::vector<std::string>& lines, int pc) {
  emit runOpened(lines, pc);
}

void Session::ShowEditor() {
  run_->Refresh();
  emit runClosed();
}

void Session::ShowErrors(std::size_t from) {
  records_.resize(std::min(from, records_.size()));
  for (ErrorRecord& record : FaultRecords(errors_, from)) records_.push_back(std::move(record));
  // The notes of an import stay below the check's messages while the imported program is
  // edited; during a run the list is the run's alone.
  if (from == 0 && !machine_.Running) {
    for (ErrorRecord& note : ImportNoteRecords(document_->ImportNotes())) {
      records_.push_back(std::move(note));
    }
  }
  emit errorsChanged(from);
}

void Session::ShowStep(const std::string& statusText) {
  run_->ShowStep(statusText);
}

void Session::ShowMachineState() {
  run_->ShowMachineState();
}

void Session::ResetWindow() {
  marks_.Forget(machine_);
  emit machineChanged();
  emit machineReset();
}

void Session::ScheduleContinuation(std::chrono::milliseconds delay) {
  run_->ScheduleContinuation(delay);
}

std::vector<std::uint8_t> Session::Breakpoints() const {
  const std::vector<int> marked = breakpoints_.Lines();
  // None at all: an empty list, so that a run checks nothing before its steps.
  if (marked.empty()) return {};
  std::vector<std::uint8_t> lines(static_cast<std::size_t>(program_.blockCount()), 0);
  for (const int line : marked) lines[static_cast<std::size_t>(line)] = 1;
  return lines;
}

void Session::Redraw(const std::string* statusText) {
  if (statusText != nullptr && !run_->Control().ContinuousRunActive()) marks_.Moment(machine_);
  emit machineChanged();
  EmitStepBack();
  if (statusText != nullptr) emit stepped(QString::fromStdString(*statusText));
}

void Session::EmitStepBack() {
  emit stepBackChanged(CanStepBack());
}

}  // namespace kwarcyt
