// The timing diagram of one step's machine cycles, as a data book draws it: the clock, ALE,
// IO/M, S1, S0, RD and WR as levels, A15-A8 and AD7-AD0 as buses with their bytes, every clock
// state marked and labelled under the name of its cycle.
#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "core/MachineCycles.h"

namespace kwarcyt {

class TimingDiagram : public QWidget {
  Q_OBJECT

 public:
  explicit TimingDiagram(QWidget* parent = nullptr);

  void SetCycles(std::vector<MachineCycle> cycles);
  // The diagram on a white ground, as the window shows it.
  QImage Image() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<MachineCycle> cycles_;
  int clockStates_ = 0;
};

}  // namespace kwarcyt
