#include "TFormPomoc.h"

#include "InstructionList.h"
#include "internal/HelpPages.h"
#include "look/CompactTabStyle.h"
#include "look/Fonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kwarcyt {

namespace {

constexpr int kIconButtonSize = 22;
constexpr int kIndent = 16;
constexpr int kSmallestPixels = 9;

QLabel* TextLabel(const HelpLine& line) {
  QString html = AcceleratorHtml(line.text);
  if (line.kind == HelpLineKind::UnderlinedContinuation)
    html = QStringLiteral("<u>") + html + QStringLiteral("</u>");
  if (line.kind == HelpLineKind::Heading)
    html = QStringLiteral("<b>") + html + QStringLiteral("</b>");
  auto* label = new QLabel(html);
  label->setTextFormat(Qt::RichText);
  return label;
}

// The tool-bar picture of a command: a flat button that only decorates.
QWidget* IconButton(std::optional<CommandIcon> icon) {
  if (!icon) {
    auto* gap = new QWidget;
    gap->setFixedSize(kIconButtonSize, kIconButtonSize);
    return gap;
  }
  auto* button = new QToolButton;
  button->setObjectName(QStringLiteral("icon_") +
                        QString::fromLatin1(kCommandIconNames[std::size_t(*icon)].data()));
  button->setIcon(CommandIconImage(*icon));
  button->setIconSize(QSize(16, 16));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFixedSize(kIconButtonSize, kIconButtonSize);
  return button;
}

int LineIndent(HelpLineKind kind, bool commandPage) {
  const int base = commandPage ? kIconButtonSize + 6 : 0;
  switch (kind) {
    case HelpLineKind::CommandDetail:
    case HelpLineKind::Continuation:
    case HelpLineKind::UnderlinedContinuation:
      return base + kIndent;
    default:
      return base;
  }
}

QWidget* ColumnWidget(const std::vector<HelpLine>& lines) {
  const bool commandPage = std::any_of(lines.begin(), lines.end(), [](const HelpLine& line) {
    return line.kind == HelpLineKind::Command;
  });
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(commandPage ? 1 : 2);
  for (const HelpLine& line : lines) {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    if (line.kind == HelpLineKind::Command)
      row->addWidget(IconButton(line.icon));
    else
      row->addSpacing(LineIndent(line.kind, commandPage));
    row->addWidget(TextLabel(line), 1);
    layout->addLayout(row);
  }
  layout->addStretch(1);
  return column;
}

QWidget* TextPage(const HelpPage& page) {
  auto* widget = new QWidget;
  auto* layout = new QHBoxLayout(widget);
  layout->setContentsMargins(8, 8, 8, 4);
  layout->setSpacing(24);
  for (const auto& column : page.columns) layout->addWidget(ColumnWidget(column));
  layout->addStretch(1);
  if (!page.scrolls) return widget;
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidget(widget);
  return scroll;
}

}  // namespace

TFormPomoc::TFormPomoc(QWidget* parent) : ModalDialog(parent) {
  setObjectName(QStringLiteral("FormPomoc"));
  setWindowTitle(QStringLiteral("Kwarcyt - Pomoc"));
  setFont(SansFont(11));

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  // All eight captions fit in one row at the window's width; should a wider font still not
  // leave room, the tab bar scrolls.
  auto* tabStyle = new CompactTabStyle;
  tabStyle->setParent(PageControl1);
  PageControl1->tabBar()->setStyle(tabStyle);
  for (const HelpPage& page : HelpTextPages()) PageControl1->addTab(TextPage(page), page.caption);

  Memo1 = new QPlainTextEdit;
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  // Read-only, but the caret still moves with the keyboard, so the list scrolls with the keys.
  Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setFont(FixedFont(13));
  QPalette palette = Memo1->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  Memo1->setPalette(palette);
  Memo1->setPlainText(InstructionListLines().join('\n'));
  auto* listPage = new QWidget;
  auto* listLayout = new QVBoxLayout(listPage);
  listLayout->setContentsMargins(0, 0, 0, 0);
  listLayout->addWidget(Memo1);
  PageControl1->addTab(listPage, QString::fromUtf8(kInstructionListCaption));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(PageControl1);

  PageControl1->setCurrentIndex(0);
  setFixedSize(kTextPageSize);
  connect(PageControl1, &QTabWidget::currentChanged, this, &TFormPomoc::PageControl1Change);
}

void TFormPomoc::PageControl1Change(int index) {
  setFixedSize(index == PageControl1->count() - 1 ? kInstructionListSize : kTextPageSize);
}

void TFormPomoc::showEvent(QShowEvent* event) {
  ModalDialog::showEvent(event);
  if (!pagesFitted_) FitTextPages();
  pagesFitted_ = true;
}

// The pages were laid out for a narrow sans font; where the font found here is wider, a page
// whose lines would be cut off is set a pixel smaller until they fit.
void TFormPomoc::FitTextPages() {
  const int available = PageControl1->currentWidget()->width();
  for (int i = 0; i < PageControl1->count() - 1; ++i) {
    QWidget* page = PageControl1->widget(i);
    QFont font = page->font();
    while (page->minimumSizeHint().width() > available && font.pixelSize() > kSmallestPixels) {
      font.setPixelSize(font.pixelSize() - 1);
      page->setFont(font);
    }
  }
}

}  // namespace kwarcyt
