#include "TFormPamiec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTabWidget>
#include <QVBoxLayout>

#include "AddressText.h"
#include "MemoryTable.h"
#include "MemoryTableModel.h"
#include "StackModel.h"
#include "core/MachineState.h"
#include "look/Fonts.h"

namespace kwarcyt {

namespace {

// The choices of "Śledź:", in their order in the list.
enum Followed { Nothing, Hl, Sp, Bc, De };

QLabel* LegendLabel(const QString& text, const QColor& background, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, background);
  label->setPalette(palette);
  label->setContentsMargins(4, 0, 4, 0);
  return label;
}

}  // namespace

TFormPamiec::TFormPamiec(const MachineState& machine, std::function<const Program&()> program,
                         QWidget* mainWindow)
    : ToolWindow(mainWindow, QStringLiteral("FormPamiec"), QStringLiteral("Kwarcyt - Pamięć")),
      machine_(machine),
      model_(new MemoryTableModel(machine, this)),
      stack_(new StackModel(machine, std::move(program), this)) {
  // The accelerators keep clear of P, E, W, S and I: those open the main window's menus, which
  // take their keys from this window too.
  auto* adresLabel = new QLabel(QStringLiteral("&Adres:"), this);
  adres_ = new QLineEdit(this);
  adres_->setObjectName(QStringLiteral("Adres"));
  adres_->setAccessibleName(QStringLiteral("Adres"));
  adres_->setFont(ValueFont());
  adres_->setMaximumWidth(140);
  adresLabel->setBuddy(adres_);
  bladAdresu_ = new QLabel(this);
  bladAdresu_->setObjectName(QStringLiteral("BladAdresu"));
  bladAdresu_->setStyleSheet(QStringLiteral("color: #c80000"));

  auto* sledzLabel = new QLabel(QStringLiteral("Śle&dź:"), this);
  sledz_ = new QComboBox(this);
  sledz_->setObjectName(QStringLiteral("Sledz"));
  sledz_->setAccessibleName(QStringLiteral("Śledź"));
  sledz_->addItems({QStringLiteral("nic"), QStringLiteral("HL"), QStringLiteral("SP"),
                    QStringLiteral("BC"), QStringLiteral("DE")});
  sledzLabel->setBuddy(sledz_);
  dziesietnie_ = new QCheckBox(QStringLiteral("Dziesię&tnie"), this);
  dziesietnie_->setObjectName(QStringLiteral("Dziesietnie"));

  auto* top = new QHBoxLayout;
  top->addWidget(adresLabel);
  top->addWidget(adres_);
  top->addWidget(bladAdresu_);
  top->addWidget(sledzLabel);
  top->addWidget(sledz_);
  top->addWidget(dziesietnie_);
  top->addStretch();
  top->addWidget(LegendLabel(QStringLiteral("HL"), HlCellColour(), this));
  top->addWidget(LegendLabel(QStringLiteral("SP"), SpCellColour(), this));
  auto* changedLegend = new QLabel(QStringLiteral("zmienione"), this);
  changedLegend->setStyleSheet(QStringLiteral("color: #c80000"));
  top->addWidget(changedLegend);

  table_ = new MemoryTable(*model_, this);
  table_->setObjectName(QStringLiteral("Pamiec"));
  table_->setAccessibleName(QStringLiteral("Pamięć"));
  stos_ = new QListView(this);
  stos_->setObjectName(QStringLiteral("Stos"));
  stos_->setAccessibleName(QStringLiteral("Stos"));
  stos_->setFont(ValueFont());
  MarkZoomedText(*stos_);
  stos_->setUniformItemSizes(true);
  stos_->setModel(stack_);
  zakladki_ = new QTabWidget(this);
  zakladki_->setObjectName(QStringLiteral("Zakladki"));
  zakladki_->addTab(table_, QStringLiteral("Pa&mięć"));
  zakladki_->addTab(stos_, QStringLiteral("St&os"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(top);
  layout->addWidget(zakladki_, 1);
  resize(760, 480);

  connect(adres_, &QLineEdit::returnPressed, this, &TFormPamiec::GoToTypedAddress);
  connect(dziesietnie_, &QCheckBox::toggled, model_, &MemoryTableModel::SetDecimal);
  connect(sledz_, &QComboBox::currentIndexChanged, this, [this] {
    followed_.reset();
    Pokaz(true);
  });
  connect(zakladki_, &QTabWidget::currentChanged, this, [this] { Pokaz(false); });
  connect(table_, &MemoryTable::cellEditRequested, this, &TFormPamiec::cellEditRequested);
  connect(table_, &MemoryTable::cellTyped, this, &TFormPamiec::cellTyped);
}

void TFormPamiec::TrackChanges(std::function<bool(int address)> changed) {
  model_->TrackChanges(std::move(changed));
}

void TFormPamiec::Pokaz(bool follow) {
  if (!isVisible()) return;
  const FollowedMoment now{FollowedAddress(), machine_.TStates};
  if (follow && sledz_->currentIndex() != Nothing && followed_ != now) {
    table_->ShowCell(now.address, MemoryTable::EnsureVisible, false);
    followed_ = now;
  }
  if (zakladki_->currentWidget() == table_) {
    table_->Refresh();
  } else {
    stack_->Refresh();
  }
}

int TFormPamiec::FollowedAddress() const {
  switch (sledz_->currentIndex()) {
    case Sp:
      return machine_.SP;
    case Bc:
      return machine_.BC();
    case De:
      return machine_.DE();
    default:
      return machine_.HL();
  }
}

void TFormPamiec::GoToTypedAddress() {
  const AddressReading reading = ReadAddress(adres_->text());
  bladAdresu_->setText(reading.refusal);
  if (!reading.address) return;
  zakladki_->setCurrentWidget(table_);
  table_->ShowCell(*reading.address, MemoryTable::PositionAtTop, true);
}

}  // namespace kwarcyt
