// The window's controls, placed as they were designed, and the reading commands around the
// editor: find and replace, go to a line and the size of the text.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "look/Fonts.h"
#include "workbench/editor/EditorArea.h"
#include "workbench/editor/ProgramEditor.h"
#include "workbench/editor/SearchCommands.h"
#include "workbench/views/CellWindowView.h"
#include "workbench/views/ErrorListView.h"
#include "workbench/views/FlagsView.h"
#include "workbench/views/MemoryView.h"
#include "workbench/views/ProgramList.h"
#include "workbench/views/RegisterGroup.h"
#include "workbench/views/StatusPanels.h"
#include "workbench/window/AnchorLayout.h"
#include "workbench/window/TFormKwarcyt.h"
#include "workbench/window/TextZoom.h"
#include "workbench/window/WindowGeometry.h"

namespace kwarcyt {

namespace {

// The client area below the tool bar and above the status bar, as the controls were laid out.
constexpr int kStatusBarHeight = 19;
constexpr QSize kDesignCentralSize{kDesignClientSize.width(),
                                   kDesignClientSize.height() - kToolBarHeight - kStatusBarHeight};
// Design rectangles are given in client coordinates; the central widget starts under the tool bar.
QRect Design(int x, int y, int w, int h) {
  return {x, y - kToolBarHeight, w, h};
}

}  // namespace

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

  views_ = MakeStateViews(*session_, central);

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

  layout->addAnchored(views_.rejestry8, Design(278, 31, 160, 154), kTopRight);
  layout->addAnchored(views_.flagi, Design(442, 31, 204, 38), kTopRight);
  layout->addAnchored(views_.speedGroup, Design(650, 31, 86, 38), kTopRight);
  layout->addAnchored(views_.rejestry16, Design(442, 69, 294, 116), kTopRight);
  layout->addAnchored(views_.pamiec, Design(278, 185, 160, 175), kTopRight);
  layout->addAnchored(views_.portyWej, Design(442, 185, 145, 154), kTopRight);
  layout->addAnchored(views_.portyWyj, Design(591, 185, 145, 154), kTopRight);
  layout->addAnchored(logo, Design(444, 344, 290, 16), kTopRight);
  layout->addAnchored(errorGroup, Design(278, 360, 458, 112), kTopRightBottom);

  status_ = new StatusPanels(*statusBar(), *session_, *memo_);

  memo_->installEventFilter(this);
  memo_->viewport()->installEventFilter(this);
  listaBledow_->installEventFilter(this);
  listaBledow_->viewport()->installEventFilter(this);
  setTabOrder(memo_, views_.czestotliwosc);
  ConnectReadingCommands(*editorArea);
  status_->ShowCaret();
}

void TFormKwarcyt::ConnectReadingCommands(EditorArea& editorArea) {
  search_ = new SearchCommands(
      {Action(Command::Znajdz), Action(Command::Zamien), Action(Command::PrzejdzDoWiersza)},
      editorArea, *memo_, *list_, [this]() -> Dialogs& { return *dialogs_; });
  connect(search_, &SearchCommands::caretMoved, status_, &StatusPanels::ShowCaret);

  zoom_ = new TextZoom(
      {Action(Command::Powieksz), Action(Command::Pomniejsz), Action(Command::RozmiarDomyslny)},
      this);
  for (QWidget* control : std::initializer_list<QWidget*>{memo_, list_, listaBledow_}) {
    zoom_->Follow(control);
  }
  zoom_->FollowWheel(memo_->viewport());
  // The caret's line stays in sight while the lines grow or shrink around it.
  connect(zoom_, &TextZoom::zoomChanged, memo_, &QPlainTextEdit::ensureCursorVisible);
}

}  // namespace kwarcyt
