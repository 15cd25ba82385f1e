#include "workbench/window/TFormKwarcyt.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>
#include <algorithm>
#include <memory>

#include "accessories/TFormAutor.h"
#include "accessories/TFormPomoc.h"
#include "accessories/TFormWygaszacz.h"
#include "displays/DisplayWindows.h"
#include "displays/TFormUstawieniaWyswietlaczy.h"
#include "look/Fonts.h"
#include "viewtext/ClockTime.h"
#include "workbench/commands/FileCommands.h"
#include "workbench/commands/FlagRulesCommand.h"
#include "workbench/commands/ValueEntry.h"
#include "workbench/editor/EditActions.h"
#include "workbench/editor/ProgramEditor.h"
#include "workbench/machinecode/MachineCodeWindows.h"
#include "workbench/memory/MemoryWindowCommand.h"
#include "workbench/session/ProgramDocument.h"
#include "workbench/views/BesidePlacement.h"
#include "workbench/views/CellWindowView.h"
#include "workbench/views/ElidedPanel.h"
#include "workbench/views/ErrorListView.h"
#include "workbench/views/FlagsView.h"
#include "workbench/views/MemoryView.h"
#include "workbench/views/RegisterGroup.h"
#include "workbench/views/StateViewKeyboard.h"
#include "workbench/views/TFormObjasnienie.h"
#include "workbench/window/ActionTable.h"
#include "workbench/window/TextZoom.h"
#include "workbench/window/WindowGeometry.h"
#include "workbench/window/WindowSettings.h"

namespace kwarcyt {

namespace {

const QString kRowPanel = QStringLiteral("Wiersz: ");
const QString kColumnPanel = QStringLiteral("Kolumna: ");

}  // namespace

TFormKwarcyt::TFormKwarcyt(QWidget* parent, const QString& recoveryFolder)
    : QMainWindow(parent), dialogs_(std::make_unique<QtDialogs>()) {
  setObjectName(QStringLiteral("FormKwarcyt"));
  setFont(CaptionFont());
  setMinimumSize(kMinimumWindowSize);

  CreateActions();
  CreateMenusAndToolBar();
  CreateControls(recoveryFolder);
  ConnectSession();
  ConnectCommands();
  auto* entry = new ValueEntry(*session_, *this, [this]() -> Dialogs& { return *dialogs_; },
                               {*rejestry8_, *rejestry16_, *pamiec_, *portyWej_});
  MakeStateViewsKeyboardReachable(*this, *pamiec_, *portyWej_, *portyWyj_,
                                  [entry](QLabel* row) { return entry->EditValueOf(row); });
  new MemoryWindowCommand(*session_, *entry, *Action(Command::PodgladPamieci), *this,
                          [this](const QString& key, QWidget* window) {
                            AdoptToolWindow(key, *window, /*keepSize=*/true);
                          });
  setWindowTitle(session_->Document().Title());
  MemoChange();
}

const QString& TFormKwarcyt::CurrentFileName() const {
  return session_->Document().FileName();
}

bool TFormKwarcyt::HasFileName() const {
  return session_->Document().HasFileName();
}

// The editing commands watch the focus and the text controls; they go before either does. The
// display windows are not this window's children (the desktop stacks them above it), so they are
// destroyed here, while the machine and the settings they read still exist.
TFormKwarcyt::~TFormKwarcyt() {
  delete editActions_;
  displays_.reset();
}

void TFormKwarcyt::ConnectCommands() {
  editActions_ =
      new EditActions({Action(Command::Wytnij), Action(Command::Kopiuj), Action(Command::Wklej),
                       Action(Command::Wyczysc), Action(Command::Cofnij)},
                      memo_, this);
  connect(Action(Command::Start), &QAction::triggered, this, &TFormKwarcyt::StartExecute);
  connect(Action(Command::Krok), &QAction::triggered, this, &TFormKwarcyt::KrokExecute);
  connect(Action(Command::Pauza), &QAction::triggered, this, &TFormKwarcyt::PauzaExecute);
  connect(Action(Command::Stop), &QAction::triggered, this, &TFormKwarcyt::StopExecute);
  connect(Action(Command::Przyspiesz), &QAction::triggered, this, &TFormKwarcyt::PrzyspieszExecute);
  connect(Action(Command::Zwolnij), &QAction::triggered, this, &TFormKwarcyt::ZwolnijExecute);
  connect(Action(Command::Nowy), &QAction::triggered, this, &TFormKwarcyt::NowyExecute);
  connect(Action(Command::Otworz), &QAction::triggered, this, &TFormKwarcyt::OtworzExecute);
  connect(Action(Command::Zapisz), &QAction::triggered, this, &TFormKwarcyt::ZapiszExecute);
  connect(Action(Command::Zapiszjako), &QAction::triggered, this, &TFormKwarcyt::ZapiszjakoExecute);
  connect(Action(Command::Zakoncz), &QAction::triggered, this, &TFormKwarcyt::ZakonczExecute);
  connect(Action(Command::Importuj), &QAction::triggered, this, &TFormKwarcyt::ImportujExecute);
  connect(czestotliwosc_, &QSlider::valueChanged, session_.get(), &Session::SetSpeed);
  connect(memo_, &QPlainTextEdit::textChanged, this, &TFormKwarcyt::MemoChange);
  connect(memo_, &QPlainTextEdit::textChanged, stopPanel_, &ElidedPanel::Clear);
  // An undo or a redo moves the caret only after the text changed: the line to check is the
  // one the caret lands on.
  connect(memo_, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    if (caretFollowsChange_ && memo_->textCursor().blockNumber() != checkedCaretLine_) {
      MemoChange();
    }
  });
  connect(Action(Command::ActionAlfanumeryczny), &QAction::triggered, this,
          &TFormKwarcyt::ActionAlfanumerycznyExecute);
  connect(Action(Command::ActionMonochromatyczny), &QAction::triggered, this,
          &TFormKwarcyt::ActionMonochromatycznyExecute);
  connect(Action(Command::ActionSkalaSzarosci), &QAction::triggered, this,
          &TFormKwarcyt::ActionSkalaSzarosciExecute);
  connect(Action(Command::ActionUstawieniaWyswietlaczy), &QAction::triggered, this,
          &TFormKwarcyt::ActionUstawieniaWyswietlaczyExecute);
  connect(Action(Command::ActionPomoc), &QAction::triggered, this,
          &TFormKwarcyt::ActionPomocExecute);
  connect(Action(Command::OAutorze), &QAction::triggered, this, &TFormKwarcyt::OAutorzeExecute);
  connect(Action(Command::ActionWygaszacz), &QAction::triggered, this,
          &TFormKwarcyt::ActionWygaszaczExecute);
  ConnectDebugCommands();
  connect(Action(Command::ObjasnienieKroku), &QAction::triggered, this,
          &TFormKwarcyt::ObjasnienieKrokuExecute);
  files_ = new FileCommands(
      *session_, *this, [this]() -> Dialogs& { return *dialogs_; },
      Action(Command::OstatnioOtwierane), Action(Command::Otworz));
  ConnectFlagRulesCommand(*Action(Command::FlagiProcesora8085), *statusBar(), Machine(),
                          [this] { session_->MachineSetByHand(); });
  machineCode_ = new MachineCodeWindows(
      {this, memo_, &session_->Machine(), &session_->Run(), [this] { return session_->Lines(); },
       [this]() -> Dialogs& { return *dialogs_; },
       [this] {
         return HasFileName() ? CurrentFileName() : files_->InLastFolder(CurrentFileName());
       },
       [this](const QString& path) { files_->SetLastFolder(QFileInfo(path).absolutePath()); },
       [this](const QString& key, QWidget* window) { AdoptToolWindow(key, *window); }},
      Action(Command::KodMaszynowy), Action(Command::CykleMaszynowe), this);
  connect(session_.get(), &Session::machineChanged, machineCode_,
          &MachineCodeWindows::MachineShown);
  setAcceptDrops(true);
}

DisplayWindows& TFormKwarcyt::CreateDisplayWindows() {
  displays_ = std::make_unique<DisplayWindows>(session_->Machine(), settings_, this);
  FollowDisplay(displays_->FormAlfanumeryczny.get(), Command::ActionAlfanumeryczny);
  FollowDisplay(displays_->FormMonochromatyczny.get(), Command::ActionMonochromatyczny);
  FollowDisplay(displays_->FormSkalaSzarosci.get(), Command::ActionSkalaSzarosci);
  RememberToolWindow(QStringLiteral("alphanumericDisplay"), displays_->FormAlfanumeryczny.get());
  RememberToolWindow(QStringLiteral("monochromeDisplay"), displays_->FormMonochromatyczny.get());
  RememberToolWindow(QStringLiteral("grayscaleDisplay"), displays_->FormSkalaSzarosci.get());
  return *displays_;
}

void TFormKwarcyt::FollowDisplay(MemoryDisplayWindow* display, Command command) {
  QAction* action = Action(command);
  auto* button = qobject_cast<QAbstractButton*>(
      findChild<QToolBar*>(QStringLiteral("ToolBar1"))->widgetForAction(action));
  connect(display, &MemoryDisplayWindow::visibilityChanged, this, [action, button](bool visible) {
    action->setChecked(visible);
    if (!action->isCheckable() && button != nullptr) button->setDown(visible);
  });
}

// Before the display windows exist a display command only keeps its check mark off.
void TFormKwarcyt::ToggleDisplay(MemoryDisplayWindow* display, QAction* action) {
  action->setChecked(display != nullptr && display->ToggleVisibility());
}

void TFormKwarcyt::ActionAlfanumerycznyExecute() {
  ToggleDisplay(displays_ ? displays_->FormAlfanumeryczny.get() : nullptr,
                Action(Command::ActionAlfanumeryczny));
}

void TFormKwarcyt::ActionMonochromatycznyExecute() {
  ToggleDisplay(displays_ ? displays_->FormMonochromatyczny.get() : nullptr,
                Action(Command::ActionMonochromatyczny));
}

void TFormKwarcyt::ActionSkalaSzarosciExecute() {
  ToggleDisplay(displays_ ? displays_->FormSkalaSzarosci.get() : nullptr,
                Action(Command::ActionSkalaSzarosci));
}

void TFormKwarcyt::ActionUstawieniaWyswietlaczyExecute() {
  TFormUstawieniaWyswietlaczy dialog(settings_, this);
  dialogs_->Exec(dialog);
}

void TFormKwarcyt::ActionPomocExecute() {
  TFormPomoc dialog(this);
  dialogs_->Exec(dialog);
}

void TFormKwarcyt::OAutorzeExecute() {
  TFormAutor dialog(this);
  dialogs_->Exec(dialog);
}

void TFormKwarcyt::ActionWygaszaczExecute() {
  TFormWygaszacz dialog(this);
  dialogs_->Exec(dialog);
}

void TFormKwarcyt::setVisible(bool visible) {
  const bool firstShowing = visible && !shown_ && !isVisible();
  if (firstShowing) PlaceAtFirstShowing();
  QMainWindow::setVisible(visible);
  if (firstShowing) KeepInsideScreenOnceFramed(*this);
}

void TFormKwarcyt::PlaceAtFirstShowing() {
  const QScreen* screen = this->screen();
  resize(InitialWindowSize(screen->geometry().width()));
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
  MoveToRememberedPlace();
}

void TFormKwarcyt::MoveToRememberedPlace() {
  if (!windowSettings_) return;
  if (const std::optional<QPoint> place = windowSettings_->Remembered().position) {
    MoveInsideScreen(*this, *place);
  }
}

void TFormKwarcyt::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void TFormKwarcyt::FormShow() {
  session_->SetSpeed(czestotliwosc_->value());
  settings_.SetDefaults();
  session_->Machine().StopRequested = false;
  session_->Machine().Running = false;
  Reset();
  if (windowSettings_) ApplyRemembered(windowSettings_->Remembered());
}

void TFormKwarcyt::PrzyspieszExecute() {
  if (czestotliwosc_->value() < RunControl::kFastestPosition) {
    czestotliwosc_->setValue(czestotliwosc_->value() + 1);
  }
}

void TFormKwarcyt::ZwolnijExecute() {
  if (czestotliwosc_->value() > RunControl::kSlowestPosition) {
    czestotliwosc_->setValue(czestotliwosc_->value() - 1);
  }
}

void TFormKwarcyt::MemoChange() {
  checkedCaretLine_ = memo_->textCursor().blockNumber();
  if (!caretFollowsChange_) {
    caretFollowsChange_ = true;
    QMetaObject::invokeMethod(
        this, [this] { caretFollowsChange_ = false; }, Qt::QueuedConnection);
  }
  session_->CheckEdit(checkedCaretLine_);
}

// Every view follows the session; these ask it to have them all read the machine again.
void TFormKwarcyt::PokazFlagi() {
  session_->ShowMachine();
}

void TFormKwarcyt::PokazRejestry() {
  session_->ShowMachine();
}

void TFormKwarcyt::PokazPamiec() {
  session_->ShowMachine();
}

void TFormKwarcyt::PokazPortyWej() {
  session_->ShowMachine();
}

void TFormKwarcyt::PokazPortyWyj() {
  session_->ShowMachine();
}

void TFormKwarcyt::PokazTakty() {
  const MachineState& machine = session_->Machine();
  statusPanels_[3]->setText(ClockStatesText(machine.TStates));
  statusPanels_[3]->setToolTip(ClockTimeText(machine.TStates));
}

void TFormKwarcyt::AdoptToolWindow(const QString& key, QWidget& window, bool keepSize) {
  // Beside the main window the first time; a place kept from an earlier run wins.
  PlaceBeside(window, *this, *statusBar());
  RememberToolWindow(key, &window, keepSize);
  zoom_->FollowMarkedTexts(window);
}

void TFormKwarcyt::ObjasnienieKrokuExecute() {
  QAction* action = Action(Command::ObjasnienieKroku);
  if (objasnienie_ == nullptr) {
    objasnienie_ = new TFormObjasnienie(*session_, this);
    connect(objasnienie_, &TFormObjasnienie::visibilityChanged, action, &QAction::setChecked);
    AdoptToolWindow(QStringLiteral("stepExplanation"), *objasnienie_);
  }
  objasnienie_->setVisible(!objasnienie_->isVisible());
  action->setChecked(objasnienie_->isVisible());
}

bool TFormKwarcyt::IsWindowShortcut(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const ActionRow& row : kActions) {
    // The text controls handle the keys of the editing commands themselves.
    const bool editing =
        std::ranges::find(kEdycjaItems, MenuItem(row.command)) != kEdycjaItems.end();
    if (row.shortcut.empty() || editing) continue;
    if (Action(row.command)->shortcut() == pressed) return true;
  }
  return false;
}

bool TFormKwarcyt::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // The text controls claim Ctrl+A for themselves; the window's commands come first.
      if (IsWindowShortcut(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
      }
      break;
    case QEvent::KeyRelease:
      if (watched == memo_ && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        UpdateCaretPanels();  // MemoKeyUp
      }
      break;
    case QEvent::MouseButtonRelease:
      if (watched == memo_->viewport() &&
          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        UpdateCaretPanels();  // MemoClick
      }
      break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      // A file goes to the window; text dropped on the editor stays the editor's.
      if (files_->TakeFileDrop(*static_cast<QDropEvent*>(event))) return true;
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

// A row of the error list that concerns a line leads to it while the editor is shown.
void TFormKwarcyt::ShowErrorLine(int line) {
  const QTextBlock target = memo_->document()->findBlockByNumber(line);
  if (!memo_->isVisible() || !target.isValid()) return;
  memo_->setTextCursor(QTextCursor(target));
  memo_->setFocus();
  UpdateCaretPanels();
}

void TFormKwarcyt::UpdateCaretPanels() {
  const QTextCursor cursor = memo_->textCursor();
  const QTextBlock block = memo_->document()->findBlock(cursor.selectionEnd());
  statusPanels_[0]->setText(kRowPanel + QString::number(block.blockNumber()));
  statusPanels_[1]->setText(kColumnPanel +
                            QString::number(cursor.selectionEnd() - block.position()));
}

}  // namespace kwarcyt
