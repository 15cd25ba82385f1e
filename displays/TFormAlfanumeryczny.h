// The alphanumeric display: 128 bytes of memory as 4 lines of 32 characters, white on black.
#pragma once

#include <QFont>
#include <array>

#include "MemoryDisplayWindow.h"

namespace kwarcyt {

class TFormAlfanumeryczny : public MemoryDisplayWindow {
  Q_OBJECT

 public:
  static constexpr int kCellWidth = 11;
  static constexpr int kLineHeight = 20;
  static constexpr int kLeftMargin = 2;

  TFormAlfanumeryczny(const MachineState& machine, const DisplaySettings& settings,
                      QWidget* mainWindow);

 protected:
  void FormPaint(QPainter& painter) override;
  int RefreshRate() const override { return Settings().alphanumericRate; }

 private:
  // The glyph drawn for a character code of the display (32..127).
  QChar Glyph(int code) const;

  QFont textFont_;
  QChar placeholder_;
  int baseline_ = 0;
  std::array<QChar, kTextColumns> line_{};
};

}  // namespace kwarcyt
