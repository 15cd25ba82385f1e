#include "MemoryTable.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <set>

#include "MemoryTableModel.h"
#include "core/MachineState.h"
#include "look/Fonts.h"

namespace kwarcyt {

MemoryTable::MemoryTable(MemoryTableModel& model, QWidget* parent)
    : QTableView(parent), model_(model) {
  setModel(&model);
  setFont(ValueFont());
  MarkZoomedText(*this);
  setEditTriggers(NoEditTriggers);
  setSelectionMode(ExtendedSelection);
  setSelectionBehavior(SelectItems);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setAlternatingRowColors(false);
  setHorizontalScrollMode(ScrollPerPixel);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setStretchLastSection(true);
  FitSectionsToFont();
}

// Fixed section sizes: the table never measures 4,096 rows to lay itself out.
void MemoryTable::FitSectionsToFont() {
  const QFontMetrics metrics(font());
  QHeaderView* rows = verticalHeader();
  rows->setFont(font());
  rows->setDefaultSectionSize(metrics.height() + 2);
  QHeaderView* columns = horizontalHeader();
  columns->setFont(font());
  columns->setDefaultSectionSize(metrics.horizontalAdvance(QStringLiteral("0000")));
  columns->resizeSection(
      MemoryTableModel::kCharactersColumn,
      metrics.horizontalAdvance(QString(kDumpCellsPerRow + 2, QLatin1Char('W'))));
}

void MemoryTable::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitSectionsToFont();
}

void MemoryTable::ShowCell(int address, ScrollHint hint, bool select) {
  const QModelIndex cell = model_.index(address / kDumpCellsPerRow, address % kDumpCellsPerRow);
  scrollTo(cell, hint);
  if (select) {
    setCurrentIndex(cell);
    selectionModel()->select(cell, QItemSelectionModel::ClearAndSelect);
  }
}

std::optional<int> MemoryTable::CurrentAddress() const {
  const QModelIndex current = currentIndex();
  if (!current.isValid() || current.column() == MemoryTableModel::kCharactersColumn) return {};
  return MemoryTableModel::AddressOf(current);
}

QString MemoryTable::SelectedRowsText() const {
  std::set<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.insert(index.row());
  if (rows.empty() && currentIndex().isValid()) rows.insert(currentIndex().row());
  QStringList lines;
  for (const int row : rows) lines << DumpRowText(model_.Machine(), row, model_.Decimal());
  return lines.join(QLatin1Char('\n'));
}

void MemoryTable::Refresh() {
  const int first = rowAt(0);
  const int last = rowAt(viewport()->height() - 1);
  model_.Refresh(first, last < 0 ? kDumpRows - 1 : last);
}

// The main window's Kopiuj has the same key; in the dump, Ctrl+C copies the dump's rows.
bool MemoryTable::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    event->accept();
    return true;
  }
  return QTableView::event(event);
}

void MemoryTable::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(SelectedRowsText());
    return;
  }
  const std::optional<int> address = CurrentAddress();
  if (address && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    emit cellEditRequested(*address);
    return;
  }
  if (address && (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0 &&
      TypeDigit(event->text())) {
    return;
  }
  firstDigit_.reset();
  QTableView::keyPressEvent(event);
}

bool MemoryTable::TypeDigit(const QString& text) {
  bool isDigit = false;
  const int digit = text.size() == 1 ? text.toInt(&isDigit, 16) : 0;
  if (!isDigit) return false;
  if (!firstDigit_) {
    firstDigit_ = digit;
    return true;
  }
  const int address = *CurrentAddress();
  const int value = *firstDigit_ * 16 + digit;
  firstDigit_.reset();
  emit cellTyped(address, value);
  if (address < 0xFFFF) ShowCell(address + 1, EnsureVisible, true);
  return true;
}

void MemoryTable::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex cell = indexAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && cell.isValid() &&
      cell.column() != MemoryTableModel::kCharactersColumn) {
    emit cellEditRequested(MemoryTableModel::AddressOf(cell));
    return;
  }
  QTableView::mouseDoubleClickEvent(event);
}

void MemoryTable::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // A digit typed on one cell never joins one typed on another.
  firstDigit_.reset();
  QTableView::currentChanged(current, previous);
}

}  // namespace kwarcyt
