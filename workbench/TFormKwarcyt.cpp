#include "TFormKwarcyt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ActionTable.h"
#include "AnchorLayout.h"
#include "CellWindowView.h"
#include "CommandIcons.h"
#include "DisplayWindows.h"
#include "EditActions.h"
#include "EditorLineCache.h"
#include "EditorLines.h"
#include "FlagsView.h"
#include "Fonts.h"
#include "ListFollow.h"
#include "MemoryView.h"
#include "RegisterGroup.h"
#include "Sprawdzanie.h"
#include "TFormAutor.h"
#include "TFormPomoc.h"
#include "TFormUstawieniaWyswietlaczy.h"
#include "TFormWygaszacz.h"
#include "ViewFormats.h"
#include "WindowGeometry.h"

namespace kwarcyt {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The client area below the tool bar and above the status bar, as the controls were laid out.
constexpr int kToolBarHeight = 29;
constexpr int kStatusBarHeight = 19;
constexpr QSize kDesignCentralSize{kDesignClientSize.width(),
                                   kDesignClientSize.height() - kToolBarHeight - kStatusBarHeight};
// Design rectangles are given in client coordinates; the central widget starts under the tool bar.
QRect Design(int x, int y, int w, int h) {
  return {x, y - kToolBarHeight, w, h};
}

constexpr int kListRowHeight = 16;
// While a modal window is open the run waits; this is how often it looks again.
constexpr std::chrono::milliseconds kModalPoll{15};

const QString kProgramEmpty = QStringLiteral("Program jest pusty");
const QString kRowPanel = QStringLiteral("Wiersz: ");
const QString kColumnPanel = QStringLiteral("Kolumna: ");

constexpr std::array<RegisterRowSpec, 7> kRows8{{
    {"LabelA", "A:", "A10", true},
    {"LabelB", "B:", "B10", false},
    {"LabelC", "C:", "C10", false},
    {"LabelD", "D:", "D10", false},
    {"LabelE", "E:", "E10", false},
    {"LabelH", "H:", "H10", false},
    {"LabelL", "L:", "L10", false},
}};
constexpr std::array<RegisterRowSpec, 5> kRows16{{
    {"LabelBC", "BC:", "BC10", false},
    {"LabelDE", "DE:", "DE10", false},
    {"LabelHL", "HL:", "HL10", false},
    {"LabelPC", "PC:", "PC10", false},
    {"LabelSP", "SP:", "SP10", false},
}};

QString JoinedLines(const ErrorList& lines, std::size_t from) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(lines.size() - from));
  for (std::size_t i = from; i < lines.size(); ++i) texts.append(QString::fromStdString(lines[i]));
  return texts.join(QLatin1Char('\n'));
}

}  // namespace

TFormKwarcyt::TFormKwarcyt(QWidget* parent)
    : QMainWindow(parent),
      runControl_(machine_, errors_, *this),
      dialogs_(std::make_unique<QtDialogs>()) {
  setObjectName(QStringLiteral("FormKwarcyt"));
  setWindowTitle(QStringLiteral("Kwarcyt - Nowy.txt"));
  setFont(CaptionFont());
  setMinimumSize(kMinimumWindowSize);
  continuation_.setSingleShot(true);
  continuation_.setTimerType(Qt::PreciseTimer);
  connect(&continuation_, &QTimer::timeout, this, &TFormKwarcyt::ContinuationDue);

  CreateActions();
  CreateMenusAndToolBar();
  CreateControls();
  ConnectCommands();
  MemoChange();
}

// The editing commands watch the focus and the text controls; they go before either does.
TFormKwarcyt::~TFormKwarcyt() {
  delete editActions_;
}

void TFormKwarcyt::CreateActions() {
  for (const ActionSpec& spec : kActions) {
    auto* action = new QAction(Text(spec.caption), this);
    action->setObjectName(Text(spec.name));
    action->setProperty("category", Text(spec.category));
    if (!spec.hint.empty()) action->setToolTip(Text(spec.hint));
    if (!spec.shortcut.empty()) action->setShortcut(QKeySequence(Text(spec.shortcut)));
    if (spec.image >= 0) action->setIcon(CommandIconImage(static_cast<CommandIcon>(spec.image)));
    action->setProperty("imageIndex", spec.image);
    action->setEnabled(spec.enabledAtStart);
    action->setCheckable(spec.checkable);
    actions_.insert(action->objectName(), action);
  }
}

void TFormKwarcyt::CreateMenusAndToolBar() {
  auto addItems = [this](QWidget* target, std::span<const std::string_view> items) {
    for (std::string_view item : items) {
      if (item == kSeparator) {
        auto* separator = new QAction(target);
        separator->setSeparator(true);
        target->addAction(separator);
      } else {
        target->addAction(actions_.value(Text(item)));
      }
    }
  };
  for (const MenuSpec& spec : kMenus) {
    QMenu* menu = menuBar()->addMenu(Text(spec.title));
    menu->setObjectName(Text(spec.name));
    addItems(menu, spec.items);
  }
  menuBar()->setObjectName(QStringLiteral("Menu"));

  QToolBar* toolBar = addToolBar(QStringLiteral("ToolBar1"));
  toolBar->setObjectName(QStringLiteral("ToolBar1"));
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  toolBar->setIconSize(QSize(16, 16));
  toolBar->setFixedHeight(kToolBarHeight);
  toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
  addItems(toolBar, kToolBarItems);
  for (QAction* action : toolBar->actions()) {
    if (QWidget* button = toolBar->widgetForAction(action); button && !action->isSeparator()) {
      button->setMinimumWidth(24);
      if (action->objectName().startsWith(QLatin1String("Action"))) {
        button->setObjectName(QStringLiteral("ToolButton") + action->objectName().mid(6));
      }
    }
  }
}

void TFormKwarcyt::CreateControls() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("Client"));
  auto* layout = new AnchorLayout(kDesignCentralSize, central);
  setCentralWidget(central);

  auto* bevel = new QFrame(central);
  bevel->setObjectName(QStringLiteral("BevelLiniaPodMenu"));
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  layout->addAnchored(bevel, Design(0, 29, kDesignClientSize.width(), 2),
                      Anchors(Anchor::Left) | Anchor::Top | Anchor::Right);

  memo_ = new QPlainTextEdit(central);
  memo_->setObjectName(QStringLiteral("Memo"));
  memo_->setFont(ValueFont());
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setTabChangesFocus(true);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memoLines_ = new EditorLineCache(*memo_->document());
  layout->addAnchored(memo_, Design(2, 32, 272, 440), kAllEdges);

  list_ = new QListWidget(central);
  list_->setObjectName(QStringLiteral("List"));
  list_->setFont(ValueFont());
  list_->setFocusPolicy(Qt::NoFocus);
  list_->setUniformItemSizes(true);
  list_->setAutoScroll(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->hide();
  layout->addAnchored(list_, Design(2, 32, 272, 440), kAllEdges);

  rejestry8_ = new RegisterGroup({"GroupBoxRejestry8",
                                  "Rejestry 8-bitowe:",
                                  {"LabelDec", "LabelHex", "LabelBin"},
                                  kRows8,
                                  15,
                                  {0, 4, 9},
                                  Register8Row(0)},
                                 central);
  rejestry16_ = new RegisterGroup({"GroupBoxRejestry16",
                                   "Rejestry 16-bitowe:",
                                   {"Label1", "Label2", "Label3"},
                                   kRows16,
                                   29,
                                   {1, 7, 19},
                                   Register16Row(0)},
                                  central);
  const QString registerHint = QStringLiteral("Kliknij na wybrany rejestr aby go zmodyfikować");
  rejestry8_->setToolTip(registerHint);
  rejestry16_->setToolTip(registerHint);
  flagi_ = new FlagsView(machine_, central);

  auto* speedGroup = new QGroupBox(QStringLiteral("Częstotliwość:"), central);
  speedGroup->setObjectName(QStringLiteral("GroupBoxCzestotliwosc"));
  czestotliwosc_ = new QSlider(Qt::Horizontal, speedGroup);
  czestotliwosc_->setObjectName(QStringLiteral("Czestotliwosc"));
  czestotliwosc_->setRange(RunControl::kSlowestPosition, RunControl::kFastestPosition);
  czestotliwosc_->setValue(RunControl::kStartPosition);
  czestotliwosc_->setTickInterval(1);
  czestotliwosc_->setTickPosition(QSlider::TicksBelow);
  czestotliwosc_->setPageStep(1);
  czestotliwosc_->setGeometry(2, 14, 81, 22);

  pamiec_ = new MemoryView(machine_, central);
  portyWej_ = MakeInputPortsView(machine_, central);
  portyWyj_ = MakeOutputPortsView(machine_, central);

  auto* logo =
      new QLabel(QStringLiteral(". .::010101010101010101010::. .     Kwarcyt v2004"), central);
  logo->setObjectName(QStringLiteral("LabelLogo"));
  logo->setFont(LogoFont());
  logo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  auto* errorGroup = new QGroupBox(QStringLiteral("Lista błędów:"), central);
  errorGroup->setObjectName(QStringLiteral("GroupBoxListaBledow"));
  listaBledow_ = new QPlainTextEdit(errorGroup);
  listaBledow_->setObjectName(QStringLiteral("ListaBledow"));
  listaBledow_->setReadOnly(true);
  listaBledow_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  listaBledow_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* errorLayout = new QVBoxLayout(errorGroup);
  errorLayout->setContentsMargins(4, 2, 4, 4);
  errorLayout->addWidget(listaBledow_);

  layout->addAnchored(rejestry8_, Design(278, 31, 160, 154), kTopRight);
  layout->addAnchored(flagi_, Design(442, 31, 204, 38), kTopRight);
  layout->addAnchored(speedGroup, Design(650, 31, 86, 38), kTopRight);
  layout->addAnchored(rejestry16_, Design(442, 69, 294, 116), kTopRight);
  layout->addAnchored(pamiec_, Design(278, 185, 160, 175), kTopRight);
  layout->addAnchored(portyWej_, Design(442, 185, 145, 154), kTopRight);
  layout->addAnchored(portyWyj_, Design(591, 185, 145, 154), kTopRight);
  layout->addAnchored(logo, Design(444, 344, 290, 16), kTopRight);
  layout->addAnchored(errorGroup, Design(278, 360, 458, 112), kTopRightBottom);

  QStatusBar* status = statusBar();
  status->setObjectName(QStringLiteral("StatusBar"));
  status->setSizeGripEnabled(true);
  const std::array<int, 3> widths{80, 90, 300};
  const std::array<QString, 3> texts{kRowPanel + '0', kColumnPanel + '0',
                                     QStringLiteral("Wykonano rozkaz:")};
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    statusPanels_[i] = new QLabel(texts[i], status);
    statusPanels_[i]->setObjectName(QStringLiteral("StatusBarPanel%1").arg(i));
    statusPanels_[i]->setFixedWidth(widths[i]);
    status->addWidget(statusPanels_[i]);
  }

  memo_->installEventFilter(this);
  memo_->viewport()->installEventFilter(this);
  listaBledow_->installEventFilter(this);
  setTabOrder(memo_, czestotliwosc_);
}

void TFormKwarcyt::ConnectCommands() {
  editActions_ = new EditActions(
      {Action("Wytnij"), Action("Kopiuj"), Action("Wklej"), Action("Wyczysc"), Action("Cofnij")},
      this);
  connect(Action("Start"), &QAction::triggered, this, &TFormKwarcyt::StartExecute);
  connect(Action("Krok"), &QAction::triggered, this, &TFormKwarcyt::KrokExecute);
  connect(Action("Pauza"), &QAction::triggered, this, &TFormKwarcyt::PauzaExecute);
  connect(Action("Stop"), &QAction::triggered, this, &TFormKwarcyt::StopExecute);
  connect(Action("Przyspiesz"), &QAction::triggered, this, &TFormKwarcyt::PrzyspieszExecute);
  connect(Action("Zwolnij"), &QAction::triggered, this, &TFormKwarcyt::ZwolnijExecute);
  connect(Action("Zakoncz"), &QAction::triggered, this, &TFormKwarcyt::ZakonczExecute);
  connect(czestotliwosc_, &QSlider::valueChanged, this,
          [this](int position) { runControl_.CzestotliwoscChange(position); });
  connect(memo_, &QPlainTextEdit::textChanged, this, &TFormKwarcyt::MemoChange);
  connect(Action("ActionAlfanumeryczny"), &QAction::triggered, this,
          &TFormKwarcyt::ActionAlfanumerycznyExecute);
  connect(Action("ActionMonochromatyczny"), &QAction::triggered, this,
          &TFormKwarcyt::ActionMonochromatycznyExecute);
  connect(Action("ActionSkalaSzarosci"), &QAction::triggered, this,
          &TFormKwarcyt::ActionSkalaSzarosciExecute);
  connect(Action("ActionUstawieniaWyswietlaczy"), &QAction::triggered, this,
          &TFormKwarcyt::ActionUstawieniaWyswietlaczyExecute);
  connect(Action("ActionPomoc"), &QAction::triggered, this, &TFormKwarcyt::ActionPomocExecute);
  connect(Action("OAutorze"), &QAction::triggered, this, &TFormKwarcyt::OAutorzeExecute);
  connect(Action("ActionWygaszacz"), &QAction::triggered, this,
          &TFormKwarcyt::ActionWygaszaczExecute);
  // New, Open, Save and Save As come with the file commands; until then they do nothing.
}

void TFormKwarcyt::SetDisplayWindows(DisplayWindows* displays) {
  displays_ = displays;
  FollowDisplay(displays_->FormAlfanumeryczny.get(), "ActionAlfanumeryczny");
  FollowDisplay(displays_->FormMonochromatyczny.get(), "ActionMonochromatyczny");
  FollowDisplay(displays_->FormSkalaSzarosci.get(), "ActionSkalaSzarosci");
}

void TFormKwarcyt::FollowDisplay(MemoryDisplayWindow* display, const char* actionName) {
  QAction* action = Action(actionName);
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
                Action("ActionAlfanumeryczny"));
}

void TFormKwarcyt::ActionMonochromatycznyExecute() {
  ToggleDisplay(displays_ ? displays_->FormMonochromatyczny.get() : nullptr,
                Action("ActionMonochromatyczny"));
}

void TFormKwarcyt::ActionSkalaSzarosciExecute() {
  ToggleDisplay(displays_ ? displays_->FormSkalaSzarosci.get() : nullptr,
                Action("ActionSkalaSzarosci"));
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

void TFormKwarcyt::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void TFormKwarcyt::FormShow() {
  runControl_.CzestotliwoscChange(czestotliwosc_->value());
  const QScreen* screen = this->screen();
  resize(InitialWindowSize(screen->geometry().width()));
  settings_.SetDefaults();
  machine_.StopRequested = false;
  machine_.Running = false;
  Reset();
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void TFormKwarcyt::closeEvent(QCloseEvent* event) {
  runControl_.AbandonRun();
  continuation_.stop();
  event->accept();
}

void TFormKwarcyt::ZakonczExecute() {
  close();
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
  const bool hasLines = CheckWhileEditing(memoLines_->Lines(), memo_->textCursor().blockNumber(),
                                          machine_.LabelTable, errors_, machine_.ProgramChecked);
  ShowErrors(0);
  Action("Pauza")->setEnabled(false);
  Action("Start")->setEnabled(hasLines);
  Action("Krok")->setEnabled(hasLines);
}

void TFormKwarcyt::PokazFlagi() {
  flagi_->PokazFlagi();
}

void TFormKwarcyt::PokazRejestry() {
  const std::array<int, 7> registers8{machine_.A, machine_.B, machine_.C, machine_.D,
                                      machine_.E, machine_.H, machine_.L};
  for (int i = 0; i < 7; ++i) rejestry8_->SetRow(i, Register8Row(registers8[i]));
  const std::array<int, 5> registers16{machine_.BC(), machine_.DE(), machine_.HL(), machine_.PC,
                                       machine_.SP};
  for (int i = 0; i < 5; ++i) rejestry16_->SetRow(i, Register16Row(registers16[i]));
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
}

bool TFormKwarcyt::IsWindowShortcut(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (const ActionSpec& spec : kActions) {
    if (spec.shortcut.empty() || spec.category == "Edycja") continue;
    if (actions_.value(Text(spec.name))->shortcut() == pressed) return true;
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
      if (watched == memo_->viewport()) UpdateCaretPanels();  // MemoClick
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFormKwarcyt::UpdateCaretPanels() {
  const QTextCursor cursor = memo_->textCursor();
  const QTextBlock block = memo_->document()->findBlock(cursor.selectionEnd());
  statusPanels_[0]->setText(kRowPanel + QString::number(block.blockNumber()));
  statusPanels_[1]->setText(kColumnPanel +
                            QString::number(cursor.selectionEnd() - block.position()));
}

// ---- RunHost ----

std::vector<std::string> TFormKwarcyt::ProgramLines() const {
  return memoLines_->Lines();
}

int TFormKwarcyt::ProgramLineCount() const {
  return EditorLineCount(*memo_->document());
}

void TFormKwarcyt::SetCommandStates(const CommandStates& states) {
  for (const char* name : {"Nowy", "Otworz", "Zapisz", "Zapiszjako"}) {
    Action(name)->setEnabled(states.fileCommands);
  }
  Action("Start")->setEnabled(states.start);
  Action("Krok")->setEnabled(states.krok);
  Action("Pauza")->setEnabled(states.pauza);
  Action("Stop")->setEnabled(states.stop);
}

void TFormKwarcyt::ShowProgramList(const std::vector<std::string>& lines, int pc) {
  memo_->hide();
  list_->setUpdatesEnabled(false);
  list_->clear();
  for (const std::string& line : lines) {
    auto* item = new QListWidgetItem(QString::fromStdString(line), list_);
    item->setSizeHint(QSize(0, kListRowHeight));
  }
  list_->show();
  list_->doItemsLayout();
  list_->setUpdatesEnabled(true);
  list_->setCurrentRow(pc);
  list_->scrollToItem(list_->item(pc));
}

void TFormKwarcyt::ShowEditor() {
  list_->hide();
  memo_->show();
  memo_->setFocus();
}

void TFormKwarcyt::ShowErrors(std::size_t from) {
  if (from == 0) {
    listaBledow_->setPlainText(JoinedLines(errors_, 0));
  } else {
    listaBledow_->appendPlainText(JoinedLines(errors_, from));
  }
}

void TFormKwarcyt::ShowStep(const std::string& statusText) {
  PokazWszystko();
  statusPanels_[2]->setText(QString::fromStdString(statusText));
  FollowPc();
}

void TFormKwarcyt::FollowPc() {
  const int pc = machine_.PC;
  if (pc < 0 || pc >= list_->count()) return;
  QScrollBar* bar = list_->verticalScrollBar();
  const int visibleRows = list_->viewport()->height() / kListRowHeight;
  list_->setUpdatesEnabled(false);
  const int top = FollowedTopRow(bar->value(), pc, visibleRows);
  list_->setCurrentRow(pc);
  bar->setValue(top);
  list_->setUpdatesEnabled(true);
}

void TFormKwarcyt::ShowMachineState() {
  PokazWszystko();
}

void TFormKwarcyt::ResetWindow() {
  list_->verticalScrollBar()->setValue(0);
  memo_->setFocus();
}

void TFormKwarcyt::ScheduleContinuation(std::chrono::milliseconds delay) {
  continuation_.start(delay);
}

// The run never advances while one of the program's modal windows is open: it waits, as if
// the run were inside that window's handler, and goes on when the window closes.
void TFormKwarcyt::ContinuationDue() {
  if (QApplication::activeModalWidget() != nullptr) {
    continuation_.start(kModalPoll);
    return;
  }
  runControl_.Continue();
}

}  // namespace kwarcyt
