#include "BallChain.h"

#include <algorithm>
#include <cmath>

namespace kwarcyt {

namespace {

int Sign(double value) {
  return (value > 0) - (value < 0);
}

}  // namespace

BallChain::BallChain() {
  x.fill(200.0);
  y.fill(200.0);
}

void BallChain::Tick(int width, int height) {
  if (brightness < kMaxBrightness) brightness = std::min(brightness + 4, kMaxBrightness);

  const int mouseX = targetX;
  const int mouseY = targetY;
  for (int i = 0; i < UsedBalls(); ++i) {
    MoveBall(i, targetX, targetY, width, height);
    SeparationPass();
    // The next ball chases this one, at whole pixels.
    targetX = static_cast<int>(x[i]);
    targetY = static_cast<int>(y[i]);
  }
  targetX = mouseX;
  targetY = mouseY;
}

void BallChain::MoveBall(int i, double tx, double ty, int width, int height) {
  const double pull = std::max(std::hypot(tx - x[i], ty - y[i]) / distanceScale, 1.0);
  vx[i] += (tx - x[i] + 0.5) * pull / stiffness;
  vy[i] += (ty - y[i] + 0.5) * pull / stiffness;
  vx[i] /= stiffness * 0.01;
  vy[i] /= stiffness * 0.01;
  vy[i] += (UsedBalls() - i) * weight * 0.01;
  x[i] += vx[i];
  y[i] += vy[i];

  if (x[i] < radius || x[i] > width - radius) vx[i] = -vx[i];
  if (y[i] < radius || y[i] > height - radius) vy[i] = -vy[i];
  x[i] = std::min(std::max(x[i], radius), width - radius);
  y[i] = std::min(std::max(y[i], radius), height - radius);

  if (i + 1 < UsedBalls()) {
    // The next ball holds this one back, measured from where it stood in the last frame.
    const double dx = x[i] - x[i + 1];
    const double dy = y[i] - y[i + 1];
    const double hold = std::max(std::hypot(dx, dy) / distanceScale, 1.0);
    vx[i] -= dx * hold / stiffness / weight;
    vy[i] -= dy * hold / stiffness / weight;
  }
}

void BallChain::SeparationPass() {
  for (int k = 0; k < UsedBalls(); ++k) {
    for (int l = 0; l < UsedBalls(); ++l) {
      if (k == l) continue;
      if (std::hypot(x[k] - x[l], y[k] - y[l]) <= 2 * radius) {
        x[k] += Sign(x[k] - x[l]);
        y[k] += Sign(y[k] - y[l]);
      }
    }
  }
}

}  // namespace kwarcyt
