#include "TFormKwarcyt.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
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
#include <memory>

#include "ActionTable.h"
#include "CellWindowView.h"
#include "EditActions.h"
#include "EditorLineCache.h"
#include "EditorLines.h"
#include "FlagsView.h"
#include "MemoryView.h"
#include "ProgramDocument.h"
#include "ProgramEditor.h"
#include "RecentFiles.h"
#include "RegisterGroup.h"
#include "TFormObjasnienie.h"
#include "WindowGeometry.h"
#include "WindowSettings.h"
#include "accessories/TFormAutor.h"
#include "accessories/TFormPomoc.h"
#include "accessories/TFormWygaszacz.h"
#include "checker/ProgramCheck.h"
#include "core/StepExplanation.h"
#include "displays/DisplayWindows.h"
#include "displays/TFormUstawieniaWyswietlaczy.h"
#include "look/Fonts.h"
#include "sourceimport/CommonSyntax.h"
#include "sourceimport/ProgramImport.h"
#include "viewtext/ClockTime.h"
#include "workbench/views/BesidePlacement.h"
#include "workbench/views/ElidedPanel.h"

namespace kwarcyt {

namespace {

const QString kRowPanel = QStringLiteral("Wiersz: ");
const QString kColumnPanel = QStringLiteral("Kolumna: ");

}  // namespace

TFormKwarcyt::TFormKwarcyt(QWidget* parent, const QString& recoveryFolder)
    : QMainWindow(parent),
      run_(std::make_unique<RunController>(
          machine_, errors_, static_cast<RunHost&>(*this),
          [this](const std::string* statusText) { ShowMachine(statusText); }, nullptr)),
      dialogs_(std::make_unique<QtDialogs>()) {
  setObjectName(QStringLiteral("FormKwarcyt"));
  setFont(CaptionFont());
  setMinimumSize(kMinimumWindowSize);

  CreateActions();
  CreateMenusAndToolBar();
  CreateControls();
  ConnectCommands();
  CreateValueTargets();
  document_ = std::make_unique<ProgramDocument>(
      *memo_, recoveryFolder.isEmpty() ? RecoveryCopy::DefaultFolder() : recoveryFolder);
  setWindowTitle(document_->Title());
  MemoChange();
}

const QString& TFormKwarcyt::CurrentFileName() const {
  return document_->FileName();
}

bool TFormKwarcyt::HasFileName() const {
  return document_->HasFileName();
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
  connect(czestotliwosc_, &QSlider::valueChanged, this,
          [this](int position) { run_->Control().CzestotliwoscChange(position); });
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
  recent_ = new RecentFiles(Action(Command::OstatnioOtwierane), Action(Command::Otworz), this);
  connect(recent_, &RecentFiles::chosen, this, &TFormKwarcyt::OpenRecentFile);
  setAcceptDrops(true);
}

DisplayWindows& TFormKwarcyt::CreateDisplayWindows() {
  displays_ = std::make_unique<DisplayWindows>(machine_, settings_, this);
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
  run_->Control().CzestotliwoscChange(czestotliwosc_->value());
  settings_.SetDefaults();
  machine_.StopRequested = false;
  machine_.Running = false;
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
  const bool hasLines = CheckWhileEditing(memoLines_->Lines(), checkedCaretLine_,
                                          machine_.LabelTable, errors_, machine_.ProgramChecked);
  if (ReportsCommonSyntax(errors_, memoLines_->Lines())) errors_.emplace_back(kCommonSyntaxHint);
  ShowErrors(0);
  Action(Command::Pauza)->setEnabled(false);
  Action(Command::Start)->setEnabled(hasLines);
  EnableStepCommands(hasLines);
}

void TFormKwarcyt::PokazFlagi() {
  flagi_->PokazFlagi();
}

void TFormKwarcyt::PokazRejestry() {
  rejestry8_->Pokaz(machine_);
  rejestry16_->Pokaz(machine_);
}

void TFormKwarcyt::PokazPamiec() {
  pamiec_->Pokaz();
}
void TFormKwarcyt::PokazPortyWej() {
  portyWej_->Pokaz();
}
void TFormKwarcyt::PokazPortyWyj() {
  portyWyj_->Pokaz();
}

void TFormKwarcyt::PokazWszystko() {
  PokazFlagi();
  PokazPamiec();
  PokazPortyWej();
  PokazPortyWyj();
  PokazRejestry();
  PokazTakty();
  PokazObjasnienie();
}

void TFormKwarcyt::PokazTakty() {
  statusPanels_[3]->setText(ClockStatesText(machine_.TStates));
  statusPanels_[3]->setToolTip(ClockTimeText(machine_.TStates));
}

void TFormKwarcyt::PokazObjasnienie() {
  if (objasnienie_ == nullptr || !objasnienie_->isVisible()) return;
  auto before = std::make_unique<MachineState>(machine_);
  const RunControl& control = run_->Control();
  if (!control.History().StateBeforeLastStep(*before)) {
    objasnienie_->SetText(
        QString::fromStdString(NoStepToExplain(control.HistoryStartsAtHandEdit())));
    return;
  }
  objasnienie_->SetText(QString::fromStdString(ExplainStep(*before, control.CurrentProgram())));
}

void TFormKwarcyt::ObjasnienieKrokuExecute() {
  QAction* action = Action(Command::ObjasnienieKroku);
  if (objasnienie_ == nullptr) {
    objasnienie_ = new TFormObjasnienie(this);
    connect(objasnienie_, &TFormObjasnienie::visibilityChanged, action, &QAction::setChecked);
    PlaceBeside(*objasnienie_, *this, *statusBar());
    RememberToolWindow(QStringLiteral("stepExplanation"), objasnienie_);
  }
  objasnienie_->setVisible(!objasnienie_->isVisible());
  action->setChecked(objasnienie_->isVisible());
  PokazObjasnienie();
}

bool TFormKwarcyt::IsWindowShortcut(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const ActionRow& row : kActions) {
    if (row.shortcut.empty() || row.category == "Edycja") continue;
    if (Action(row.command)->shortcut() == pressed) return true;
  }
  return false;
}

bool TFormKwarcyt::eventFilter(QObject* watched, QEvent* event) {
  if (OpenValueEntry(watched, *event)) return true;
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
      if (TakeFileDrop(*static_cast<QDropEvent*>(event))) return true;
      break;
    case QEvent::MouseButtonDblClick:
      if (watched == listaBledow_->viewport()) {
        ShowErrorLine(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
      }
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

// A message that begins with a line number ("3: Nieprawidłowy rejestr [X]", also after
// "Import: ") leads to that line.
void TFormKwarcyt::ShowErrorLine(const QPoint& at) {
  if (!memo_->isVisible()) return;
  QString message = listaBledow_->cursorForPosition(at).block().text();
  const QString importNote = QString::fromUtf8(kImportNotePrefix);
  if (message.startsWith(importNote)) message.remove(0, importNote.size());
  const qsizetype colon = message.indexOf(QLatin1Char(':'));
  if (colon <= 0) return;
  bool isNumber = false;
  const int line = message.left(colon).toInt(&isNumber);
  const QTextBlock target = memo_->document()->findBlockByNumber(line);
  if (!isNumber || !target.isValid()) return;
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
