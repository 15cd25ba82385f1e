// A strip beside the program's lines, in the editor and in the program list: each line's
// number, counted from 0 as the error list and the status bar count them, and a mark on each
// line with a breakpoint. A click toggles the breakpoint of the line under it.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

namespace kwarcyt {

class LineGutter : public QWidget {
 public:
  struct VisibleLine {
    int number;
    int top;  // in the gutter's coordinates
    int height;
  };
  struct Lines {
    std::function<std::vector<VisibleLine>()> visible;
    std::function<bool(int line)> hasBreakpoint;
    std::function<void(int line)> toggleBreakpoint;
  };

  LineGutter(QWidget& owner, const QString& name, Lines lines);
  // Wide enough for the mark and the numbers of lineCount lines.
  int WidthFor(int lineCount) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Lines lines_;
};

}  // namespace kwarcyt
