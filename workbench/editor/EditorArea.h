// The place of the editor and of the program list that replaces it during a run, with room for
// a bar under them (the find bar) while that bar is shown.
#pragma once

#include <QWidget>

namespace kwarcyt {

class EditorArea : public QWidget {
 public:
  explicit EditorArea(QWidget* parent);

  // The bar takes its height at the bottom while it is shown; every other child fills the rest.
  void SetBottomBar(QWidget* bar);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceChildren();

  QWidget* bar_ = nullptr;
};

}  // namespace kwarcyt
