// The "Stos" view's rows, built only for the rows the list shows. Refresh tells the list about
// a change only when SP, the words on the stack or the program behind the return lines changed.
#pragma once

#include <QAbstractListModel>
#include <functional>
#include <vector>

namespace kwarcyt {

struct MachineState;
class Program;

class StackModel : public QAbstractListModel {
  Q_OBJECT

 public:
  // The program whose lines the return notes quote: the one the last run ran.
  StackModel(const MachineState& machine, std::function<const Program&()> program,
             QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  void Refresh();

 private:
  const MachineState& machine_;
  std::function<const Program&()> program_;
  int rows_ = 0;
  int shownSp_ = 0;
  const void* shownLines_ = nullptr;
  std::vector<std::uint8_t> shownStack_;
};

}  // namespace kwarcyt
