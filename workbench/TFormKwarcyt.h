// The main window: the source editor, the program list shown in its place during a run, the
// error list, the state views, the speed track bar, the status bar, the menus, the tool bar and
// every command. It owns the one machine state of the program.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

#include "ActionTable.h"
#include "ChangeMarks.h"
#include "Dialogs.h"
#include "ProgramEditor.h"
#include "RunController.h"
#include "ValueTarget.h"
#include "checker/ErrorList.h"
#include "core/MachineState.h"
#include "displays/DisplaySettings.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QSlider;

namespace kwarcyt {

class CellWindowView;
class DisplayWindows;
class MemoryDisplayWindow;
class EditActions;
class ElidedPanel;
class EditorLineCache;
class FlagsView;
class MemoryView;
class ProgramDocument;
class ProgramList;
class RecentFiles;
class RegisterGroup;
class TFormObjasnienie;
class WindowSettings;
struct RememberedState;

class TFormKwarcyt : public QMainWindow, private RunHost {
  Q_OBJECT

 public:
  // The copy of unsaved work is kept in the recovery folder: the user's data folder unless
  // another is named.
  explicit TFormKwarcyt(QWidget* parent = nullptr, const QString& recoveryFolder = {});
  ~TFormKwarcyt() override;

  MachineState& Machine() { return machine_; }
  const DisplaySettings& Settings() const { return settings_; }
  // The display windows, created once at start-up after the settings file is named, so that
  // they come back where they stood. They read this window's machine and display settings, so
  // this window owns them and they go before it does; their actions show and hide them.
  DisplayWindows& CreateDisplayWindows();
  const ErrorList& Errors() const { return errors_; }
  QAction* Action(Command command) const { return actions_[static_cast<std::size_t>(command)]; }
  // Replaces the desktop dialogs, e.g. by scripted answers in tests.
  void SetDialogs(std::unique_ptr<Dialogs> dialogs) { dialogs_ = std::move(dialogs); }
  Dialogs& ModalDialogs() { return *dialogs_; }

  // Run commands.
  void StartExecute() { run_->Control().StartExecute(); }
  void KrokExecute() { run_->Control().KrokExecute(); }
  void PauzaExecute() { run_->Control().PauzaExecute(); }
  void StopExecute() { run_->Control().StopExecute(); }
  void PrzyspieszExecute();
  void ZwolnijExecute();

  // File commands. Save and Save As return whether the program was written.
  void NowyExecute();
  void OtworzExecute();
  bool ZapiszExecute();
  bool ZapiszjakoExecute();
  void ZakonczExecute();
  // Converts a program written in the common assembler syntax into a new, unsaved program.
  void ImportujExecute();
  // Opens the named file as Open does once its dialog is answered, the save question first:
  // for a file named on the command line, dropped on the window or chosen among the recent.
  void OpenFile(const QString& path);

  // Breakpoints: on the caret's line, or on the highlighted line of the list during a run.
  void PrzelaczPulapkeExecute();
  void UsunPulapkiExecute();
  // Debugging: as Start up to the caret's or the highlighted line, over a call, one step back.
  void UruchomDoKursoraExecute();
  void KrokNadExecute();
  void KrokWsteczExecute();
  const RunControl& Run() const { return run_->Control(); }
  // How the run is paced in the event loop: what a test waits on instead of a time.
  const RunController& RunPacing() const { return *run_; }
  // The program's file and whether it names a real file, as ProgramDocument keeps them.
  const QString& CurrentFileName() const;
  bool HasFileName() const;

  // At start: offers back the unsaved text of a window that ended without saving it.
  void OfferRecovery();
  // The program is about to be ended from outside: the copy of unsaved work is written now.
  void KeepUnsavedWork();

  // Remembers the speed, the display settings, the windows' places, the file dialogs' folder
  // and the recent files between runs in the settings file at path. Without it the window
  // starts from the defaults every time and keeps nothing.
  void UseSettingsFile(const QString& path);
  // A secondary window whose place on the screen is remembered too.
  void RememberToolWindow(const QString& key, QWidget* window);

  // Display and accessory commands.
  void ActionAlfanumerycznyExecute();
  void ActionMonochromatycznyExecute();
  void ActionSkalaSzarosciExecute();
  void ActionUstawieniaWyswietlaczyExecute();
  void ActionPomocExecute();
  void OAutorzeExecute();
  void ActionWygaszaczExecute();
  // Shows or hides the explanation of the last executed step.
  void ObjasnienieKrokuExecute();

  // The editor's change handler: error list, run command states, the caret line's faults.
  void MemoChange();
  void Reset() { run_->Control().Reset(); }

  // Views, each rewritten as a whole from the machine.
  void PokazFlagi();
  void PokazRejestry();
  void PokazPamiec();
  void PokazPortyWej();
  void PokazPortyWyj();

  // Places the window on its first showing, before it appears.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // RunHost
  std::vector<std::string> ProgramLines() const override;
  int ProgramLineCount() const override;
  void SetCommandStates(const CommandStates& states) override;
  void ShowProgramList(const std::vector<std::string>& lines, int pc) override;
  void ShowEditor() override;
  void ShowErrors(std::size_t from) override;
  void ShowStep(const std::string& statusText) override { run_->ShowStep(statusText); }
  void ShowMachineState() override { run_->ShowMachineState(); }
  void ResetWindow() override;
  void ScheduleContinuation(std::chrono::milliseconds delay) override {
    run_->ScheduleContinuation(delay);
  }
  std::vector<std::uint8_t> Breakpoints() const override;
  void ShowStop(const RunStop& stop) override;
  // Redraws the views; with a status text, after executed steps.
  void ShowMachine(const std::string* statusText);

  void CreateActions();
  void CreateMenusAndToolBar();
  void CreateControls();
  void ConnectCommands();
  void ConnectDebugCommands();
  // The caret's line in the editor, or the highlighted line of the list during a run.
  int ChosenLine() const;
  void ToggleBreakpointAt(int line);
  // Value entry, a flag's check box or a cleared bank changed the machine: the steps before
  // cannot be taken back, and nothing is marked as changed by them.
  void MachineSetByHand();
  void UpdateStepBack();
  void ShowDebugCommandStates(const CommandStates& states);
  void EnableStepCommands(bool enabled);
  void FormShow();
  // The size for the screen, centred on it or where the window was left in the last run. The
  // place is given before the window first appears, so that the desktop puts the frame's corner
  // there, not the client area's.
  void PlaceAtFirstShowing();
  void MoveToRememberedPlace();
  void PokazWszystko();
  // The clock states in the status bar, with their time at kClockHertz as the tool tip.
  void PokazTakty();
  // The explanation of the last executed step, built only while its window is shown.
  void PokazObjasnienie();
  void FollowPc();
  void UpdateCaretPanels();
  void ShowErrorLine(const QPoint& at);
  void ToggleDisplay(MemoryDisplayWindow* display, QAction* action);
  // The action's check mark and its tool button follow the window's visibility.
  void FollowDisplay(MemoryDisplayWindow* display, Command command);
  // Lets a window command's key reach its action even while a text control has the focus.
  bool IsWindowShortcut(const QKeyEvent& key) const;

  // The save question of New, Open, Exit and the close: true when the command may go on, that
  // is after No, or after Yes once the program is safely written.
  bool SaveQuestionAllows();
  // Open after its dialog: the file replaces the program.
  void LoadFile(const QString& path);
  // Importuj after its dialog: the converted file replaces the program as new, unsaved work.
  void ImportFile(const QString& path);
  bool WriteProgram(const QString& path);
  void OpenRecentFile(const QString& path);
  // A file dragged over the window, while Open is available; empty for anything else.
  QString DraggedFile(const QDropEvent& event) const;
  // Handles a drag or a drop that carries a file; false for anything else.
  bool TakeFileDrop(QDropEvent& event);
  // The folder the file dialogs start in, with the name they propose.
  QString InLastFolder(const QString& name) const;
  RememberedState Remembered() const;
  void ApplyRemembered(const RememberedState& state);
  // Save would replace a file that another program changed since it was read or written here:
  // true when it may, that is when the file is unchanged or the user agrees to replace it.
  bool OverwriteAllows();
  // Exit and the close end a run completely before they ask anything.
  void EndRunForClosing();

  // Value entry: each value of the views that a click or double-click edits with TFormPodaj.
  void CreateValueTargets();
  // Opens the entry when the event is the gesture of a value's control; true when it did.
  bool OpenValueEntry(const QObject* control, const QEvent& event);
  void EditValue(const ValueTarget& target);

  MachineState machine_;
  DisplaySettings settings_;
  std::unique_ptr<DisplayWindows> displays_;
  ErrorList errors_;
  ChangeMarks marks_;
  // Declared after what it runs on, so that it goes first.
  std::unique_ptr<RunController> run_;
  std::unique_ptr<Dialogs> dialogs_;
  bool shown_ = false;

  std::unique_ptr<ProgramDocument> document_;
  QString lastOpened_;
  QString lastImported_;
  QString lastFolder_;
  RecentFiles* recent_ = nullptr;
  std::unique_ptr<WindowSettings> windowSettings_;
  bool closeApproved_ = false;
  // The caret line the last check looked at, and whether the caret may still move as part of
  // the same change (until the event loop turns again).
  int checkedCaretLine_ = 0;
  bool caretFollowsChange_ = false;

  std::vector<ValueTarget> valueTargets_;
  QHash<const QObject*, const ValueTarget*> valueTargetOf_;

  std::array<QAction*, kCommandCount> actions_{};
  EditActions* editActions_ = nullptr;
  EditorLineCache* memoLines_ = nullptr;
  ProgramEditor* memo_ = nullptr;
  ProgramList* list_ = nullptr;
  QPlainTextEdit* listaBledow_ = nullptr;
  QSlider* czestotliwosc_ = nullptr;
  FlagsView* flagi_ = nullptr;
  RegisterGroup* rejestry8_ = nullptr;
  RegisterGroup* rejestry16_ = nullptr;
  MemoryView* pamiec_ = nullptr;
  CellWindowView* portyWej_ = nullptr;
  CellWindowView* portyWyj_ = nullptr;
  std::array<QLabel*, 4> statusPanels_{};
  ElidedPanel* stopPanel_ = nullptr;
  TFormObjasnienie* objasnienie_ = nullptr;
};

}  // namespace kwarcyt
