#include "TFormCykleMaszynowe.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "TimingDiagram.h"
#include "look/Fonts.h"

namespace kwarcyt {

namespace {

enum Column : std::uint8_t { Kind, States, Address, Data, IoM, S1, S0, Note, kColumns };

QString Hex(int value, int digits) {
  if (value == kNotKnown) return QStringLiteral("-");
  return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper() + QLatin1Char('h');
}

// "Z" where the line floats.
QString LineLevel(bool high, bool floating) {
  if (floating) return QStringLiteral("Z");
  return high ? QStringLiteral("1") : QStringLiteral("0");
}

QStringList Row(const MachineCycle& cycle) {
  const CycleSignals& lines = cycle.lines;
  QStringList row(kColumns);
  row[Kind] = QString::fromUtf8(CycleName(cycle.kind).data());
  row[States] = QString::number(cycle.clockStates);
  row[Address] = Hex(cycle.address, 4);
  row[Data] = Hex(cycle.data, 2);
  row[IoM] = LineLevel(lines.ioM, lines.floating);
  row[S1] = LineLevel(lines.s1, false);
  row[S0] = LineLevel(lines.s0, false);
  row[Note] = QString::fromStdString(cycle.note);
  return row;
}

}  // namespace

TFormCykleMaszynowe::TFormCykleMaszynowe(QWidget* mainWindow)
    : ToolWindow(mainWindow, QStringLiteral("FormCykleMaszynowe"),
                 QStringLiteral("Kwarcyt - Cykle maszynowe")),
      caption_(new QLabel(this)),
      table_(new QTableWidget(0, kColumns, this)),
      diagram_(new TimingDiagram),
      saveImage_(new QPushButton(QStringLiteral("Zapisz obraz..."), this)) {
  caption_->setObjectName(QStringLiteral("OpisKroku"));
  caption_->setFont(ValueFont());
  table_->setObjectName(QStringLiteral("TabelaCykli"));
  table_->setHorizontalHeaderLabels({QStringLiteral("Cykl"), QStringLiteral("Takty"),
                                     QStringLiteral("Adres"), QStringLiteral("Dane"),
                                     QStringLiteral("IO/M"), QStringLiteral("S1"),
                                     QStringLiteral("S0"), QStringLiteral("Uwagi")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setFont(ValueFont());
  MarkZoomedText(*table_);
  table_->installEventFilter(this);
  auto* scroll = new QScrollArea;
  scroll->setWidget(diagram_);
  scroll->setBackgroundRole(QPalette::Base);
  saveImage_->setObjectName(QStringLiteral("ZapiszObraz"));

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(table_);
  splitter->addWidget(scroll);
  splitter->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(caption_);
  layout->addWidget(splitter);
  layout->addWidget(saveImage_, 0, Qt::AlignRight);
  resize(860, 560);
  connect(saveImage_, &QPushButton::clicked, this, &TFormCykleMaszynowe::saveImageRequested);
}

void TFormCykleMaszynowe::ShowStep(const QString& caption,
                                   const std::vector<MachineCycle>& cycles) {
  caption_->setText(caption);
  table_->setRowCount(static_cast<int>(cycles.size()));
  for (int i = 0; i < table_->rowCount(); ++i) {
    const QStringList row = Row(cycles[static_cast<std::size_t>(i)]);
    for (int column = 0; column < kColumns; ++column) {
      table_->setItem(i, column, new QTableWidgetItem(row[column]));
    }
  }
  table_->resizeColumnsToContents();
  table_->resizeRowsToContents();
  diagram_->SetCycles(cycles);
  saveImage_->setEnabled(!cycles.empty());
}

bool TFormCykleMaszynowe::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::FontChange) {
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
  }
  return ToolWindow::eventFilter(watched, event);
}

QImage TFormCykleMaszynowe::DiagramImage() const {
  return diagram_->Image();
}

}  // namespace kwarcyt
