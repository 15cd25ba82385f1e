#include "workbench/window/TFormKwarcyt.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTextBlock>

#include "look/Fonts.h"
#include "sourcefile/FileName.h"
#include "workbench/commands/FlagRulesCommand.h"
#include "workbench/commands/ValueEntry.h"
#include "workbench/editor/EditActions.h"
#include "workbench/editor/EditorLines.h"
#include "workbench/machinecode/MachineCodeWindows.h"
#include "workbench/memory/MemoryWindowCommand.h"
#include "workbench/printing/PrintCommand.h"
#include "workbench/printing/ProgramPrint.h"
#include "workbench/session/ProgramDocument.h"
#include "workbench/views/BesidePlacement.h"
#include "workbench/views/ErrorListView.h"
#include "workbench/views/ProgramList.h"
#include "workbench/views/StateViewKeyboard.h"
#include "workbench/views/StatusPanels.h"
#include "workbench/views/TFormObjasnienie.h"
#include "workbench/window/TextZoom.h"
#include "workbench/window/WindowGeometry.h"
#include "workbench/window/WindowSettings.h"

namespace kwarcyt {

TFormKwarcyt::TFormKwarcyt(QWidget* parent, const QString& recoveryFolder)
    : QMainWindow(parent), dialogs_(std::make_unique<QtDialogs>()) {
  setObjectName(QStringLiteral("FormKwarcyt"));
  setFont(CaptionFont());
  setMinimumSize(kMinimumWindowSize);

  commands_ = std::make_unique<CommandTable>(*this);
  CreateControls(recoveryFolder);
  ConnectSession();
  ConnectCommands();
  auto* entry =
      new ValueEntry(*session_, *this, [this]() -> Dialogs& { return *dialogs_; },
                     {*views_.rejestry8, *views_.rejestry16, *views_.pamiec, *views_.portyWej});
  MakeStateViewsKeyboardReachable(*this, *views_.pamiec, *views_.portyWej, *views_.portyWyj,
                                  [entry](QLabel* row) { return entry->EditValueOf(row); });
  new MemoryWindowCommand(*session_, *entry, *Action(Command::PodgladPamieci), *this,
                          [this](const QString& key, QWidget* window) {
                            AdoptToolWindow(key, *window, /*keepSize=*/true);
                          });
  setWindowTitle(session_->Document().Title());
  MemoChange();
}

// The editing commands watch the focus and the text controls; they go before either does. The
// display windows are not this window's children (the desktop stacks them above it), so they are
// destroyed here, while the machine and the settings they read still exist.
TFormKwarcyt::~TFormKwarcyt() {
  delete editActions_;
  accessories_.reset();
}

void TFormKwarcyt::ConnectCommands() {
  editActions_ =
      new EditActions({Action(Command::Wytnij), Action(Command::Kopiuj), Action(Command::Wklej),
                       Action(Command::Wyczysc), Action(Command::Cofnij)},
                      memo_, this);
  accessories_ = std::make_unique<AccessoryCommands>(
      *this, session_->Machine(), settings_,
      AccessoryCommands::DisplayActions{Action(Command::ActionAlfanumeryczny),
                                        Action(Command::ActionMonochromatyczny),
                                        Action(Command::ActionSkalaSzarosci)},
      [this]() -> Dialogs& { return *dialogs_; },
      [this](const QString& key, QWidget* window) { RememberToolWindow(key, window); });
  commands_->Connect({
      {Command::Start, [this] { StartExecute(); }},
      {Command::Krok, [this] { KrokExecute(); }},
      {Command::Pauza, [this] { PauzaExecute(); }},
      {Command::Stop, [this] { StopExecute(); }},
      {Command::Przyspiesz, [this] { PrzyspieszExecute(); }},
      {Command::Zwolnij, [this] { ZwolnijExecute(); }},
      {Command::Nowy, [this] { NowyExecute(); }},
      {Command::Otworz, [this] { OtworzExecute(); }},
      {Command::Zapisz, [this] { ZapiszExecute(); }},
      {Command::Zapiszjako, [this] { ZapiszjakoExecute(); }},
      {Command::Zakoncz, [this] { ZakonczExecute(); }},
      {Command::Importuj, [this] { ImportujExecute(); }},
      {Command::ActionAlfanumeryczny, [this] { ActionAlfanumerycznyExecute(); }},
      {Command::ActionMonochromatyczny, [this] { ActionMonochromatycznyExecute(); }},
      {Command::ActionSkalaSzarosci, [this] { ActionSkalaSzarosciExecute(); }},
      {Command::ActionUstawieniaWyswietlaczy, [this] { ActionUstawieniaWyswietlaczyExecute(); }},
      {Command::ActionPomoc, [this] { ActionPomocExecute(); }},
      {Command::OAutorze, [this] { OAutorzeExecute(); }},
      {Command::ActionWygaszacz, [this] { ActionWygaszaczExecute(); }},
      {Command::PrzelaczPulapke, [this] { PrzelaczPulapkeExecute(); }},
      {Command::UsunPulapki, [this] { UsunPulapkiExecute(); }},
      {Command::UruchomDoKursora, [this] { UruchomDoKursoraExecute(); }},
      {Command::KrokNad, [this] { KrokNadExecute(); }},
      {Command::KrokWstecz, [this] { KrokWsteczExecute(); }},
      {Command::ObjasnienieKroku, [this] { ObjasnienieKrokuExecute(); }},
      {Command::Drukuj, [this] { DrukujExecute(); }},
  });
  connect(views_.czestotliwosc, &QSlider::valueChanged, session_.get(), &Session::SetSpeed);
  connect(memo_, &QPlainTextEdit::textChanged, this, &TFormKwarcyt::MemoChange);
  // An undo or a redo moves the caret only after the text changed: the line to check is the
  // one the caret lands on.
  connect(memo_, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    if (caretFollowsChange_ && memo_->textCursor().blockNumber() != checkedCaretLine_) {
      MemoChange();
    }
  });
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

void TFormKwarcyt::ConnectSession() {
  Session* session = session_.get();
  list_->Follow(*session);
  commands_->Follow(*session);
  connect(session, &Session::runOpened, this, &TFormKwarcyt::ShowProgramList);
  connect(session, &Session::runClosed, this, &TFormKwarcyt::ShowEditor);
  connect(session, &Session::machineReset, memo_, [this] { memo_->setFocus(); });
  // A new text puts the caret at its top: the caret panels say so rather than keep the old place.
  connect(session, &Session::documentChanged, this, [this] {
    setWindowTitle(session_->Document().Title());
    status_->ShowCaret();
  });
  connect(listaBledow_, &ErrorListView::lineChosen, this, &TFormKwarcyt::ShowErrorLine);
}

void TFormKwarcyt::ShowProgramList(const std::vector<std::string>& lines, int pc) {
  memo_->hide();
  list_->ShowProgram(lines, pc);
}

void TFormKwarcyt::ShowEditor() {
  list_->hide();
  memo_->show();
  memo_->setFocus();
}

void TFormKwarcyt::DrukujExecute() {
  PrintWithDialog(this, *dialogs_,
                  {ShownText(QFileInfo(session_->Document().FileName()).fileName()),
                   EditorTextLines(*memo_->document()), QDateTime::currentDateTime()});
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
  session_->SetSpeed(views_.czestotliwosc->value());
  settings_.SetDefaults();
  session_->Machine().StopRequested = false;
  session_->Machine().Running = false;
  Reset();
  if (windowSettings_) ApplyRemembered(windowSettings_->Remembered());
}

void TFormKwarcyt::PrzyspieszExecute() {
  if (views_.czestotliwosc->value() < RunControl::kFastestPosition) {
    views_.czestotliwosc->setValue(views_.czestotliwosc->value() + 1);
  }
}

void TFormKwarcyt::ZwolnijExecute() {
  if (views_.czestotliwosc->value() > RunControl::kSlowestPosition) {
    views_.czestotliwosc->setValue(views_.czestotliwosc->value() - 1);
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

int TFormKwarcyt::ChosenLine() const {
  return list_->isVisible() ? list_->currentRow() : memo_->textCursor().blockNumber();
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

bool TFormKwarcyt::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // The text controls claim Ctrl+A for themselves; the window's commands come first.
      if (commands_->IsWindowShortcut(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
      }
      break;
    case QEvent::KeyRelease:
      if (watched == memo_ && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        status_->ShowCaret();  // MemoKeyUp
      }
      break;
    case QEvent::MouseButtonRelease:
      if (watched == memo_->viewport() &&
          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        status_->ShowCaret();  // MemoClick
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
  status_->ShowCaret();
}

}  // namespace kwarcyt
