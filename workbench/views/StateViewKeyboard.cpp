#include "workbench/views/StateViewKeyboard.h"

#include <QLabel>
#include <QWidget>

#include "core/MachineFields.h"
#include "workbench/views/MemoryView.h"
#include "workbench/views/RegisterGroup.h"

namespace kwarcyt {

void MakeStateViewsKeyboardReachable(QWidget& window, MemoryView& memory,
                                     CellWindowView& inputPorts, CellWindowView& outputPorts,
                                     RowKeyboard::Activate activate) {
  auto* keyboard = new RowKeyboard(std::move(activate), &window);
  auto labels = [&window](const QString& name) {
    return QList<QLabel*>{window.findChild<QLabel*>(name)};
  };
  QList<QLabel*> bytes;
  for (const MachineField& field : ByteRegisterFields()) bytes << labels(ValueLabelOf(field));
  keyboard->AddRows(bytes);
  QList<QLabel*> words;
  for (const MachineField& field : WordRegisterFields()) words << labels(ValueLabelOf(field));
  keyboard->AddRows(words);
  auto rows = [](const CellWindowView& view) {
    QList<QLabel*> list;
    for (int row = 0; row < CellWindowView::kRows; ++row) list << view.RowLabel(row);
    return list;
  };
  keyboard->AddRows(rows(memory), [&memory](int step) { memory.ScrollBy(step); });
  keyboard->AddRows({memory.RamHlLabel()});
  keyboard->AddRows(rows(inputPorts), [&inputPorts](int step) { inputPorts.ScrollBy(step); });
  keyboard->AddRows(rows(outputPorts), [&outputPorts](int step) { outputPorts.ScrollBy(step); });
}

}  // namespace kwarcyt
