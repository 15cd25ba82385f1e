// Places widgets at design-time rectangles and moves or stretches them with the edges they are
// anchored to, as the main window's controls do when the window is resized.
#pragma once

#include <QFlags>
#include <QLayout>
#include <QList>
#include <QRect>

namespace kwarcyt {

enum class Anchor { Left = 1, Top = 2, Right = 4, Bottom = 8 };
Q_DECLARE_FLAGS(Anchors, Anchor)
Q_DECLARE_OPERATORS_FOR_FLAGS(Anchors)

inline constexpr Anchors kAllEdges =
    Anchors(Anchor::Left) | Anchor::Top | Anchor::Right | Anchor::Bottom;
inline constexpr Anchors kTopRight = Anchors(Anchor::Top) | Anchor::Right;
inline constexpr Anchors kTopRightBottom = kTopRight | Anchor::Bottom;

// The rectangle a control anchored this way takes when its parent is `size` instead of `design`.
QRect AnchoredRect(const QRect& designRect, Anchors anchors, QSize design, QSize size);

class AnchorLayout : public QLayout {
 public:
  explicit AnchorLayout(QSize designSize, QWidget* parent = nullptr);
  ~AnchorLayout() override;

  void addAnchored(QWidget* widget, const QRect& designRect, Anchors anchors);

  void addItem(QLayoutItem* item) override;
  int count() const override { return static_cast<int>(entries_.size()); }
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  QSize sizeHint() const override { return design_; }
  QSize minimumSize() const override { return {0, 0}; }
  void setGeometry(const QRect& rect) override;

 private:
  struct Entry {
    QLayoutItem* item;
    QRect designRect;
    Anchors anchors;
  };
  QSize design_;
  QList<Entry> entries_;
};

}  // namespace kwarcyt
