// The clock-state count, and how long a number of the 8085's clock states takes on a processor
// clocked at kClockHertz, in Polish units and followed by that clock: "1 234,5 µs przy ... MHz".
#pragma once

#include <QString>
#include <cstdint>

namespace kwarcyt {

inline constexpr double kClockHertz = 3'072'000.0;

QString ClockTimeText(std::uint64_t tstates);

// The count as the status bar and kwarcyt-run's report show it.
inline QString ClockStatesText(std::uint64_t tstates) {
  return QStringLiteral("Takty: %1").arg(tstates);
}

}  // namespace kwarcyt
