#include "StackModel.h"

#include "StackText.h"
#include "core/MachineState.h"
#include "core/Program.h"

namespace kwarcyt {

StackModel::StackModel(const MachineState& machine, std::function<const Program&()> program,
                       QObject* parent)
    : QAbstractListModel(parent), machine_(machine), program_(std::move(program)) {}

int StackModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

QVariant StackModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  return StackRowText(machine_, program_(), index.row());
}

void StackModel::Refresh() {
  const auto top = machine_.Memory.begin() + machine_.SP;
  const Program& program = program_();
  const void* lines = program.Lines().empty() ? nullptr : program.Lines().data();
  const int rows = StackRowCount(machine_);
  if (rows != rows_ || machine_.SP != shownSp_) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
  } else if (lines != shownLines_ ||
             !std::equal(top, machine_.Memory.end(), shownStack_.begin(), shownStack_.end())) {
    if (rows_ > 0) emit dataChanged(index(0), index(rows_ - 1));
  } else {
    return;
  }
  shownSp_ = machine_.SP;
  shownLines_ = lines;
  shownStack_.assign(top, machine_.Memory.end());
}

}  // namespace kwarcyt
