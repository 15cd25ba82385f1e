// A scrollable window of seven cells (memory or ports) with an address-mode and a value-mode
// button, a vertical scroll bar whose position is the first address shown, and a context menu
// that clears the whole bank.
#pragma once

#include <QGroupBox>
#include <QList>
#include <functional>

#include "viewtext/ViewFormats.h"

class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;

namespace kwarcyt {

struct CellWindowInfo {
  const char* groupName;
  const char* title;
  const char* hint;  // empty: no hint
  const char* addressButton;
  QString addressFirst;
  QString addressSecond;
  int addressButtonWidth;
  const char* valueButton;
  int valueButtonWidth;
  const char* rowPrefix;  // rows are named rowPrefix + "1" .. rowPrefix + "7"
  int rowChars;
  const char* scrollBar;
  int scrollMaximum;
  const char* menuName;
  const char* menuItem;
  const char* menuItemName;  // objectName of the menu item's action
  QString (*rowText)(int address, int value, RowModes modes);
  const char* spokenCell;  // what a screen reader calls one row's cell: "Port wejściowy"
  int addressDigits;       // of an address in hexadecimal
};

class CellWindowView : public QGroupBox {
  Q_OBJECT

 public:
  static constexpr int kRows = 7;

  using CellValue = std::function<int(int address)>;
  CellWindowView(const CellWindowInfo& spec, CellValue cellValue, std::function<void()> clearBank,
                 QWidget* parent);

  // Rewrites every row from the machine.
  virtual void Pokaz();
  // Rows whose cell changed since the previous moment are drawn marked.
  void TrackChanges(std::function<bool(int address)> changed) { changed_ = std::move(changed); }

  RowModes Modes() const { return modes_; }
  int FirstAddress() const;
  // The label of row 0 .. kRows - 1, which shows the cell FirstAddress() + row.
  QLabel* RowLabel(int row) const { return rows_[row]; }
  // Moves the window by whole rows, as the scroll bar's arrows do.
  void ScrollBy(int rows);

 signals:
  // The context menu cleared the whole bank.
  void setByHand();

 protected:
  static constexpr int kFirstRowY = 34;
  void resizeEvent(QResizeEvent* event) override;
  // One row a notch over the rows; a fine-grained wheel adds up to whole notches.
  void wheelEvent(QWheelEvent* event) override;

 private:
  // The buttons' captions say the modes they would switch away from.
  void ShowModeCaptions();
  void SwitchMode(bool RowModes::*mode);

  CellValue cellValue_;
  QString (*rowText_)(int address, int value, RowModes modes);
  QString spokenCell_;
  int addressDigits_;
  std::function<bool(int address)> changed_;
  QString addressFirst_;
  QString addressSecond_;
  RowModes modes_{.decHexValues = true, .hexAddresses = true};
  QPushButton* addressButton_;
  QPushButton* valueButton_;
  QScrollBar* scrollBar_;
  QList<QLabel*> rows_;
  QMenu* menu_;
  int wheelRemainder_ = 0;
};

}  // namespace kwarcyt
