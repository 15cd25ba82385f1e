// A status-bar panel that takes whatever width is left: a text too long for it is cut with "…",
// and the whole text is its tool tip.
#pragma once

#include <QLabel>

namespace kwarcyt {

class ElidedPanel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedPanel(QWidget* parent = nullptr);

  const QString& FullText() const { return full_; }
  void SetFullText(const QString& text);
  void Clear() { SetFullText({}); }

  // Small, so that the panel never widens the window; it grows into the space left over.
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Elide();

  QString full_;
};

}  // namespace kwarcyt
