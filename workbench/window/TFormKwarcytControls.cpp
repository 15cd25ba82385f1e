// The window's controls, commands, menus and tool bar, placed as they were designed.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/Program.h"
#include "look/Fonts.h"
#include "resources/CommandIcons.h"
#include "viewtext/ClockTime.h"
#include "viewtext/ViewFormats.h"
#include "workbench/editor/EditorArea.h"
#include "workbench/editor/ProgramEditor.h"
#include "workbench/views/ElidedPanel.h"
#include "workbench/views/ErrorListView.h"
#include "workbench/views/FlagsView.h"
#include "workbench/views/MemoryView.h"
#include "workbench/views/ProgramList.h"
#include "workbench/views/RegisterGroup.h"
#include "workbench/window/ActionTable.h"
#include "workbench/window/AnchorLayout.h"
#include "workbench/window/TFormKwarcyt.h"
#include "workbench/window/WindowGeometry.h"

namespace kwarcyt {

namespace {

// The client area below the tool bar and above the status bar, as the controls were laid out.
constexpr int kToolBarHeight = 29;
constexpr int kStatusBarHeight = 19;
constexpr QSize kDesignCentralSize{kDesignClientSize.width(),
                                   kDesignClientSize.height() - kToolBarHeight - kStatusBarHeight};
// Design rectangles are given in client coordinates; the central widget starts under the tool bar.
QRect Design(int x, int y, int w, int h) {
  return {x, y - kToolBarHeight, w, h};
}

}  // namespace

void TFormKwarcyt::CreateActions() {
  for (const ActionRow& row : kActions) {
    auto* action = new QAction(ActionText(row.caption), this);
    action->setObjectName(ActionText(row.name));
    action->setProperty("category", ActionText(row.category));
    if (!row.hint.empty()) action->setToolTip(ActionText(row.hint));
    if (!row.shortcut.empty()) action->setShortcut(QKeySequence(ActionText(row.shortcut)));
    if (row.image >= 0) action->setIcon(CommandIconImage(static_cast<CommandIcon>(row.image)));
    action->setProperty("imageIndex", row.image);
    action->setEnabled(row.enabledAtStart);
    action->setCheckable(row.checkable);
    actions_[static_cast<std::size_t>(row.command)] = action;
  }
}

void TFormKwarcyt::CreateMenusAndToolBar() {
  auto addItems = [this](QWidget* target, std::span<const MenuItem> items) {
    for (const MenuItem& item : items) {
      if (!item) {
        auto* separator = new QAction(target);
        separator->setSeparator(true);
        target->addAction(separator);
      } else {
        target->addAction(Action(*item));
      }
    }
  };
  for (const MenuRow& row : kMenus) {
    QMenu* menu = menuBar()->addMenu(ActionText(row.title));
    menu->setObjectName(ActionText(row.name));
    addItems(menu, row.items);
  }
  menuBar()->setObjectName(QStringLiteral("Menu"));
  menuBar()->setAccessibleName(QStringLiteral("Menu główne"));

  QToolBar* toolBar = addToolBar(QStringLiteral("ToolBar1"));
  toolBar->setObjectName(QStringLiteral("ToolBar1"));
  toolBar->setAccessibleName(QStringLiteral("Pasek narzędzi"));
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

void TFormKwarcyt::CreateControls(const QString& recoveryFolder) {
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

  auto* editorArea = new EditorArea(central);
  layout->addAnchored(editorArea, Design(2, 32, 272, 440), kAllEdges);
  memo_ = new ProgramEditor(editorArea);
  memo_->setObjectName(QStringLiteral("Memo"));
  memo_->setAccessibleName(QStringLiteral("Program"));
  memo_->setFont(ValueFont());
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setTabChangesFocus(true);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  session_ = std::make_unique<Session>(
      *memo_->document(), [this](const QString& text) { memo_->setPlainText(text); },
      recoveryFolder);

  list_ = new ProgramList(
      editorArea, [this](int line) { return session_->HasBreakpoint(line); },
      [this](int line) { session_->ToggleBreakpoint(line); });
  list_->setObjectName(QStringLiteral("List"));
  list_->setAccessibleName(QStringLiteral("Wykonywany program"));
  list_->setFont(ValueFont());
  list_->setFocusPolicy(Qt::NoFocus);
  list_->setUniformItemSizes(true);
  list_->setAutoScroll(false);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->hide();

  rejestry8_ = new RegisterGroup({"GroupBoxRejestry8",
                                  "Rejestry 8-bitowe:",
                                  {"LabelDec", "LabelHex", "LabelBin"},
                                  15,
                                  {0, 4, 9},
                                  Register8Row,
                                  &FieldNamed("A")},
                                 central);
  for (const MachineField& field : ByteRegisterFields()) rejestry8_->AddRow(field);
  rejestry16_ = new RegisterGroup({"GroupBoxRejestry16",
                                   "Rejestry 16-bitowe:",
                                   {"Label1", "Label2", "Label3"},
                                   29,
                                   {1, 7, 19},
                                   Register16Row},
                                  central);
  for (const MachineField& field : WordRegisterFields()) rejestry16_->AddRow(field);
  const QString registerHint = QStringLiteral("Kliknij na wybrany rejestr aby go zmodyfikować");
  rejestry8_->setToolTip(registerHint);
  rejestry16_->setToolTip(registerHint);
  MachineState& machine = session_->Machine();
  flagi_ = new FlagsView(machine, central);

  auto* speedGroup = new QGroupBox(QStringLiteral("Częstotliwość:"), central);
  speedGroup->setObjectName(QStringLiteral("GroupBoxCzestotliwosc"));
  czestotliwosc_ = new QSlider(Qt::Horizontal, speedGroup);
  czestotliwosc_->setObjectName(QStringLiteral("Czestotliwosc"));
  czestotliwosc_->setAccessibleName(QStringLiteral("Częstotliwość"));
  czestotliwosc_->setRange(RunControl::kSlowestPosition, RunControl::kFastestPosition);
  czestotliwosc_->setValue(RunControl::kStartPosition);
  czestotliwosc_->setTickInterval(1);
  czestotliwosc_->setTickPosition(QSlider::TicksBelow);
  czestotliwosc_->setPageStep(1);
  czestotliwosc_->setGeometry(2, 14, 81, 22);

  pamiec_ = new MemoryView(machine, central);
  portyWej_ = MakeInputPortsView(machine, central);
  portyWyj_ = MakeOutputPortsView(machine, central);

  auto* logo =
      new QLabel(QStringLiteral(". .::010101010101010101010::. .     Kwarcyt v2004"), central);
  logo->setObjectName(QStringLiteral("LabelLogo"));
  logo->setFont(LogoFont());
  logo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  auto* errorGroup = new QGroupBox(QStringLiteral("Lista błędów:"), central);
  errorGroup->setObjectName(QStringLiteral("GroupBoxListaBledow"));
  listaBledow_ = new ErrorListView(*session_, errorGroup);
  listaBledow_->setObjectName(QStringLiteral("ListaBledow"));
  listaBledow_->setAccessibleName(QStringLiteral("Lista błędów"));
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
  status->setAccessibleName(QStringLiteral("Pasek stanu"));
  status->setSizeGripEnabled(true);
  const std::array<int, 4> widths{80, 90, 300, 150};
  const std::array<QString, 4> texts{QString(), QString(), QString::fromUtf8(kExecutedCaption),
                                     ClockStatesText(0)};
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    statusPanels_[i] = new QLabel(texts[i], status);
    statusPanels_[i]->setObjectName(QStringLiteral("StatusBarPanel%1").arg(i));
    statusPanels_[i]->setFixedWidth(widths[i]);
    status->addWidget(statusPanels_[i]);
  }
  stopPanel_ = new ElidedPanel(status);
  stopPanel_->setObjectName(QStringLiteral("StatusBarPanel4"));
  status->addWidget(stopPanel_, 1);

  memo_->installEventFilter(this);
  memo_->viewport()->installEventFilter(this);
  listaBledow_->installEventFilter(this);
  listaBledow_->viewport()->installEventFilter(this);
  setTabOrder(memo_, czestotliwosc_);
  ConnectReadingCommands(*editorArea);
  UpdateCaretPanels();
}

}  // namespace kwarcyt
