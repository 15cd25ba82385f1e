// The screen saver's animation without a window: a chain of balls on springs that chases a
// target point, is pulled down by a weight growing towards the head, bounces off the edges of
// the screen and keeps its balls apart. One Tick is one frame of 20 ms.
#pragma once

#include <algorithm>
#include <array>

namespace kwarcyt {

class BallChain {
 public:
  static constexpr int kCapacity = 20;
  static constexpr int kMaxBrightness = 255;

  // The point the head ball chases; the pointer's position once the mouse has moved.
  int targetX = 0;
  int targetY = 0;
  int ballCount = 5;
  std::array<double, kCapacity> x{};
  std::array<double, kCapacity> y{};
  std::array<double, kCapacity> vx{};
  std::array<double, kCapacity> vy{};
  double distanceScale = 5.0;
  double weight = 220.0;
  double stiffness = 150.0;
  double radius = 8.0;
  // Grows by 4 per tick up to 255: the balls fade in over about one and a quarter seconds.
  int brightness = 0;

  BallChain();

  // One frame on a screen of the given size. Each ball chases the one before it; the head
  // chases the target, which is left as it was.
  void Tick(int width, int height);

  // Moves every ball that touches another one unit away from it along each axis; a move counts
  // at once for the pairs that follow.
  void SeparationPass();

  // Grey levels for drawing: the outline and the fill of the balls.
  int OutlineGray() const { return brightness / 2; }
  int FillGray() const { return brightness * 3 / 4; }

 private:
  int UsedBalls() const { return std::clamp(ballCount, 0, kCapacity); }
  void MoveBall(int i, double tx, double ty, int width, int height);
};

}  // namespace kwarcyt
