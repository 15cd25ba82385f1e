// The main window: the source editor, the program list shown in its place during a run, the
// error list, the state views, the speed track bar, the status bar, the menus, the tool bar and
// every command. It builds the widgets and connects them to the session, which owns the machine
// and the program; its commands hand over to the session and the command objects.
#pragma once

#include <QMainWindow>
#include <memory>

#include "displays/DisplaySettings.h"
#include "workbench/commands/AccessoryCommands.h"
#include "workbench/commands/FileCommands.h"
#include "workbench/editor/ProgramEditor.h"
#include "workbench/session/ProgramDocument.h"
#include "workbench/session/RunController.h"
#include "workbench/session/Session.h"
#include "workbench/views/StateViews.h"
#include "workbench/window/CommandTable.h"
#include "workbench/window/Dialogs.h"

class QPlainTextEdit;

namespace kwarcyt {

class EditorArea;
class EditActions;
class MachineCodeWindows;
class ProgramList;
class SearchCommands;
class StatusPanels;
class TextZoom;
class TFormObjasnienie;
class ErrorListView;
class WindowSettings;
struct RememberedState;

class TFormKwarcyt : public QMainWindow {
  Q_OBJECT

 public:
  // The copy of unsaved work is kept in the recovery folder: the user's data folder unless
  // another is named.
  explicit TFormKwarcyt(QWidget* parent = nullptr, const QString& recoveryFolder = {});
  ~TFormKwarcyt() override;

  MachineState& Machine() { return session_->Machine(); }
  Session& CurrentSession() { return *session_; }
  const DisplaySettings& Settings() const { return settings_; }
  // The display windows, created once at start-up after the settings file is named, so that
  // they come back where they stood. They read this window's machine and display settings, so
  // this window owns them and they go before it does; their actions show and hide them.
  DisplayWindows& CreateDisplayWindows() { return accessories_->CreateDisplayWindows(); }
  const ErrorList& Errors() const { return session_->Errors(); }
  QAction* Action(Command command) const { return commands_->Action(command); }
  // Replaces the desktop dialogs, e.g. by scripted answers in tests.
  void SetDialogs(std::unique_ptr<Dialogs> dialogs) { dialogs_ = std::move(dialogs); }
  Dialogs& ModalDialogs() { return *dialogs_; }

  // Run commands.
  void StartExecute() { session_->Start(); }
  void KrokExecute() { session_->Step(); }
  void PauzaExecute() { session_->Pause(); }
  void StopExecute() { session_->Stop(); }
  void PrzyspieszExecute();
  void ZwolnijExecute();

  // File commands. Save and Save As return whether the program was written.
  void NowyExecute() { files_->New(); }
  void OtworzExecute() { files_->Open(); }
  bool ZapiszExecute() { return files_->Save(); }
  bool ZapiszjakoExecute() { return files_->SaveAs(); }
  void ZakonczExecute();
  // Converts a program written in the common assembler syntax into a new, unsaved program.
  void ImportujExecute() { files_->Import(); }
  // Opens the named file as Open does once its dialog is answered, the save question first:
  // for a file named on the command line, dropped on the window or chosen among the recent.
  void OpenFile(const QString& path) { files_->OpenFile(path); }

  // Breakpoints: on the caret's line, or on the highlighted line of the list during a run.
  void PrzelaczPulapkeExecute() { session_->ToggleBreakpoint(ChosenLine()); }
  void UsunPulapkiExecute() { session_->ClearBreakpoints(); }
  // Debugging: as Start up to the caret's or the highlighted line, over a call, one step back.
  void UruchomDoKursoraExecute() { session_->RunToLine(ChosenLine()); }
  void KrokNadExecute() { session_->StepOver(); }
  void KrokWsteczExecute() { session_->StepBack(); }
  const RunControl& Run() const { return session_->Run(); }
  // How the run is paced in the event loop: what a test waits on instead of a time.
  const RunController& RunPacing() const { return session_->Pacing(); }
  // The program's file and whether it names a real file, as ProgramDocument keeps them.
  const QString& CurrentFileName() const { return session_->Document().FileName(); }
  bool HasFileName() const { return session_->Document().HasFileName(); }

  // At start: offers back the unsaved text of a window that ended without saving it.
  void OfferRecovery() { files_->OfferRecovery(); }
  // The program is about to be ended from outside: the copy of unsaved work is written now.
  void KeepUnsavedWork() { session_->Document().KeepUnsavedWork(); }

  // Remembers the speed, the display settings, the windows' places, the file dialogs' folder
  // and the recent files between runs in the settings file at path. Without it the window
  // starts from the defaults every time and keeps nothing.
  void UseSettingsFile(const QString& path);
  // A secondary window whose place on the screen, and with keepSize its size, is remembered too.
  void RememberToolWindow(const QString& key, QWidget* window, bool keepSize = false);
  // A secondary window on its first showing: placed, remembered, its text following the zoom.
  void AdoptToolWindow(const QString& key, QWidget& window, bool keepSize = false);

  // Display and accessory commands.
  void ActionAlfanumerycznyExecute() { accessories_->ToggleAlfanumeryczny(); }
  void ActionMonochromatycznyExecute() { accessories_->ToggleMonochromatyczny(); }
  void ActionSkalaSzarosciExecute() { accessories_->ToggleSkalaSzarosci(); }
  void ActionUstawieniaWyswietlaczyExecute() { accessories_->ShowDisplaySettings(); }
  void ActionPomocExecute() { accessories_->ShowHelp(); }
  void OAutorzeExecute() { accessories_->ShowAbout(); }
  void ActionWygaszaczExecute() { accessories_->ShowScreenSaver(); }
  // Shows or hides the explanation of the last executed step.
  void ObjasnienieKrokuExecute();
  // Prints the program, also during a run.
  void DrukujExecute();

  // The editor's change handler: error list, run command states, the caret line's faults.
  void MemoChange();
  void Reset() { session_->Reset(); }

  // Views, each rewritten as a whole from the machine (they all follow the session).
  void PokazFlagi() { session_->ShowMachine(); }
  void PokazRejestry() { session_->ShowMachine(); }
  void PokazPamiec() { session_->ShowMachine(); }
  void PokazPortyWej() { session_->ShowMachine(); }
  void PokazPortyWyj() { session_->ShowMachine(); }

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
  void CreateControls(const QString& recoveryFolder);
  void ConnectCommands();
  // Find, go to line, zoom and print.
  void ConnectReadingCommands(EditorArea& editorArea);
  // The caret's line in the editor, or the highlighted line of the list during a run.
  int ChosenLine() const;
  void ConnectSession();
  void ShowProgramList(const std::vector<std::string>& lines, int pc);
  void ShowEditor();
  void FormShow();
  // The size for the screen, centred on it or where the window was left in the last run. The
  // place is given before the window first appears, so that the desktop puts the frame's corner
  // there, not the client area's.
  void PlaceAtFirstShowing();
  void MoveToRememberedPlace();
  void ShowErrorLine(int line);

  RememberedState Remembered() const;
  void ApplyRemembered(const RememberedState& state);

  DisplaySettings settings_;
  std::unique_ptr<Dialogs> dialogs_;
  bool shown_ = false;
  std::unique_ptr<CommandTable> commands_;
  // Created with the editor that holds the program's text; goes before the widgets.
  std::unique_ptr<Session> session_;
  // Its display windows read the machine and the settings, so it goes before the session.
  std::unique_ptr<AccessoryCommands> accessories_;

  FileCommands* files_ = nullptr;
  std::unique_ptr<WindowSettings> windowSettings_;
  bool closeApproved_ = false;
  // The caret line the last check looked at, and whether the caret may still move as part of
  // the same change (until the event loop turns again).
  int checkedCaretLine_ = 0;
  bool caretFollowsChange_ = false;

  EditActions* editActions_ = nullptr;
  ProgramEditor* memo_ = nullptr;
  ProgramList* list_ = nullptr;
  ErrorListView* listaBledow_ = nullptr;
  StateViews views_;
  StatusPanels* status_ = nullptr;
  TFormObjasnienie* objasnienie_ = nullptr;
  SearchCommands* search_ = nullptr;
  TextZoom* zoom_ = nullptr;
  MachineCodeWindows* machineCode_ = nullptr;
};

}  // namespace kwarcyt
