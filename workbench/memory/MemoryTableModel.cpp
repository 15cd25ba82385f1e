#include "MemoryTableModel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

#include "core/MachineState.h"

namespace kwarcyt {

namespace {

const QColor kChangedColour(0xC8, 0x00, 0x00);

enum class Pointer { None, Hl, Sp };

// Where HL and SP point at the same cell, the cell shows SP's colour: the stack is the rarer
// sight, and HL's cell is also shown as "RAM[HL]" in the main window.
Pointer PointerAt(int address, int hl, int sp) {
  if (address == sp) return Pointer::Sp;
  return address == hl ? Pointer::Hl : Pointer::None;
}

}  // namespace

QColor HlCellColour() {
  return {0xFF, 0xE0, 0x80};
}

QColor SpCellColour() {
  return {0xA8, 0xD8, 0xFF};
}

MemoryTableModel::MemoryTableModel(const MachineState& machine, QObject* parent)
    : QAbstractTableModel(parent),
      machine_(machine),
      shownValues_(machine.Memory.begin(), machine.Memory.end()),
      shownChanged_(machine.Memory.size(), false) {}

int MemoryTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kDumpRows;
}

int MemoryTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kDumpCellsPerRow + 1;
}

QVariant MemoryTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (index.column() == kCharactersColumn) {
    if (role == Qt::DisplayRole) return DumpCharacters(machine_, index.row());
    return {};
  }
  const int address = AddressOf(index);
  const int value = machine_.Memory[static_cast<std::size_t>(address)];
  switch (role) {
    case Qt::DisplayRole:
      return DumpCellText(value, decimal_);
    case Qt::TextAlignmentRole:
      return int{Qt::AlignCenter};
    case Qt::ForegroundRole:
      return Changed(address) ? QVariant(QBrush(kChangedColour)) : QVariant();
    case Qt::BackgroundRole:
      switch (PointerAt(address, machine_.HL(), machine_.SP)) {
        case Pointer::Sp:
          return QBrush(SpCellColour());
        case Pointer::Hl:
          return QBrush(HlCellColour());
        case Pointer::None:
          return {};
      }
      return {};
    case Qt::AccessibleTextRole:
      return QStringLiteral("%1h: %2").arg(address, 4, 16, QLatin1Char('0')).arg(value);
    default:
      return {};
  }
}

QVariant MemoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) {
    return QStringLiteral("%1").arg(section * kDumpCellsPerRow, 4, 16, QLatin1Char('0')).toUpper();
  }
  if (section == kCharactersColumn) return QStringLiteral("Znaki");
  return QString::number(section, 16).toUpper();
}

Qt::ItemFlags MemoryTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (index.column() == kCharactersColumn) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void MemoryTableModel::SetDecimal(bool decimal) {
  if (decimal_ == decimal) return;
  decimal_ = decimal;
  emit dataChanged(index(0, 0), index(kDumpRows - 1, kCharactersColumn));
}

void MemoryTableModel::Refresh(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, kDumpRows - 1);
  const int hl = machine_.HL();
  const int sp = machine_.SP;
  for (int row = first; row <= last; ++row) {
    bool differs = false;
    for (int address = row * kDumpCellsPerRow; address < (row + 1) * kDumpCellsPerRow; ++address) {
      const auto cell = static_cast<std::size_t>(address);
      const bool changed = Changed(address);
      if (shownValues_[cell] != machine_.Memory[cell] || shownChanged_[cell] != changed ||
          PointerAt(address, hl, sp) != PointerAt(address, shownHl_, shownSp_)) {
        differs = true;
        shownValues_[cell] = machine_.Memory[cell];
        shownChanged_[cell] = changed;
      }
    }
    if (differs) emit dataChanged(index(row, 0), index(row, kCharactersColumn));
  }
  shownHl_ = hl;
  shownSp_ = sp;
}

}  // namespace kwarcyt
