// The application's style with narrower tab padding, so that a row of tabs takes less room.
#pragma once

#include <QProxyStyle>

namespace kwarcyt {

class CompactTabStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
};

}  // namespace kwarcyt
