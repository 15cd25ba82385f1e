#include "TimingDiagram.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <optional>

#include "look/Fonts.h"

namespace kwarcyt {

namespace {

constexpr int kMargin = 8;
constexpr int kNameWidth = 76;
constexpr int kStateWidth = 52;
constexpr int kCycleNameHeight = 18;
constexpr int kStateNameHeight = 18;
constexpr int kTop = kMargin + kCycleNameHeight + kStateNameHeight;
constexpr int kRowHeight = 30;
constexpr int kSwing = 16;      // from the high to the low level
constexpr int kRowPadding = 7;  // above the high level
constexpr int kBusSlope = 4;    // of the crossing where a bus changes
constexpr double kHalfState = 0.5;

enum class Level : std::uint8_t { Low, High, Floating };

Level Of(bool high) {
  return high ? Level::High : Level::Low;
}

// One clock state of the step.
struct State {
  const MachineCycle* cycle;
  int cycleIndex;
  int number;  // T1 is 1
};

// A stretch of a clock state at one level, from the fraction `from` of the state on.
struct Stretch {
  double from;
  Level level;
};
using LineShape = std::vector<Stretch>;

enum class SignalRow : std::uint8_t { Clk, Ale, IoM, S1, S0, Rd, Wr };

struct RowName {
  const char* plain;      // before the overlined part
  const char* overlined;  // active low
};

constexpr std::array<RowName, 9> kRowNames{{{"CLK", ""},
                                            {"ALE", ""},
                                            {"IO/", "M"},
                                            {"S1", ""},
                                            {"S0", ""},
                                            {"", "RD"},
                                            {"", "WR"},
                                            {"A15-A8", ""},
                                            {"AD7-AD0", ""}}};
constexpr int kHighBusRow = 7;
constexpr int kLowBusRow = 8;

// The clock is high in the first half of every state; ALE pulses in the first half of T1; RD
// and WR are low from T2 to the end of T3.
LineShape LineIn(SignalRow row, const State& state) {
  const CycleSignals& lines = state.cycle->lines;
  const bool strobe = state.number == 2 || state.number == 3;
  switch (row) {
    case SignalRow::Clk:
      return {{0, Level::High}, {kHalfState, Level::Low}};
    case SignalRow::Ale:
      if (lines.ale && state.number == 1) return {{0, Level::High}, {kHalfState, Level::Low}};
      return {{0, Level::Low}};
    case SignalRow::IoM:
      return {{0, lines.floating ? Level::Floating : Of(lines.ioM)}};
    case SignalRow::S1:
      return {{0, Of(lines.s1)}};
    case SignalRow::S0:
      return {{0, Of(lines.s0)}};
    case SignalRow::Rd:
      return {{0, lines.floating ? Level::Floating : Of(!(lines.read && strobe))}};
    case SignalRow::Wr:
      return {{0, lines.floating ? Level::Floating : Of(!(lines.write && strobe))}};
  }
  return {};
}

enum class BusKind : std::uint8_t { Floating, Invalid, Byte, Unknown };

struct BusValue {
  BusKind kind = BusKind::Invalid;
  int byte = 0;
  bool operator==(const BusValue&) const = default;
};

BusValue ByteOrUnknown(int value, int shift) {
  if (value == kNotKnown) return {BusKind::Unknown};
  return {BusKind::Byte, value >> shift & 0xFF};
}

// A15-A8 hold the address's high byte; AD7-AD0 the low byte in T1, the data from T2. After T3
// of a fetch, and in a bus idle cycle, neither carries anything valid.
BusValue BusIn(bool highByte, const State& state) {
  const MachineCycle& cycle = *state.cycle;
  if (cycle.lines.floating) return {BusKind::Floating};
  if (cycle.kind == CycleKind::BusIdle || state.number > 3) return {BusKind::Invalid};
  if (highByte) return ByteOrUnknown(cycle.address, 8);
  return state.number == 1 ? ByteOrUnknown(cycle.address, 0) : ByteOrUnknown(cycle.data, 0);
}

QString StateName(const State& state) {
  if (state.cycle->kind == CycleKind::Halt) return QStringLiteral("THALT");
  return QStringLiteral("T%1").arg(state.number);
}

class Painting {
 public:
  Painting(QPainter& painter, const std::vector<MachineCycle>& cycles, int width, int height)
      : p_(painter), width_(width), height_(height) {
    for (std::size_t i = 0; i < cycles.size(); ++i) {
      for (int t = 1; t <= cycles[i].clockStates; ++t) {
        states_.push_back({&cycles[i], static_cast<int>(i), t});
      }
    }
  }

  void Paint() {
    p_.fillRect(0, 0, width_, height_, Qt::white);
    p_.setFont(CaptionFont());
    Grid();
    for (std::size_t row = 0; row < kRowNames.size(); ++row) RowLabel(static_cast<int>(row));
    p_.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < kHighBusRow; ++row) Line(row);
    p_.setFont(FixedFont(12));
    Bus(kHighBusRow);
    Bus(kLowBusRow);
  }

 private:
  static int X(std::size_t state, double fraction = 0) {
    return kMargin + kNameWidth +
           static_cast<int>((static_cast<double>(state) + fraction) * kStateWidth);
  }
  static int RowTop(int row) { return kTop + row * kRowHeight; }
  static int Y(int row, Level level) {
    const int high = RowTop(row) + kRowPadding;
    switch (level) {
      case Level::High:
        return high;
      case Level::Low:
        return high + kSwing;
      case Level::Floating:
        break;
    }
    return high + kSwing / 2;
  }

  bool StartsCycle(std::size_t i) const {
    return i == 0 || states_[i].cycleIndex != states_[i - 1].cycleIndex;
  }

  void Grid() {
    const int bottom = RowTop(static_cast<int>(kRowNames.size()));
    for (std::size_t i = 0; i <= states_.size(); ++i) {
      const bool cycleEdge = i == states_.size() || StartsCycle(i);
      p_.setPen(QPen(cycleEdge ? QColor(110, 110, 110) : QColor(190, 190, 190), 1,
                     cycleEdge ? Qt::SolidLine : Qt::DotLine));
      p_.drawLine(X(i), cycleEdge ? kMargin : kTop - kStateNameHeight, X(i), bottom);
    }
    p_.setPen(Qt::black);
    for (std::size_t i = 0; i < states_.size(); ++i) {
      p_.drawText(QRect(X(i), kMargin + kCycleNameHeight, kStateWidth, kStateNameHeight),
                  Qt::AlignCenter, StateName(states_[i]));
      if (!StartsCycle(i)) continue;
      const int count = states_[i].cycle->clockStates;
      QFont bold = p_.font();
      bold.setBold(true);
      p_.save();
      p_.setFont(bold);
      p_.drawText(QRect(X(i), kMargin, count * kStateWidth, kCycleNameHeight), Qt::AlignCenter,
                  QString::fromUtf8(CycleName(states_[i].cycle->kind).data()));
      p_.restore();
    }
  }

  void RowLabel(int row) {
    const RowName& name = kRowNames[static_cast<std::size_t>(row)];
    const int baseline = Y(row, Level::Floating) + p_.fontMetrics().ascent() / 2;
    const QString plain = QString::fromLatin1(name.plain);
    p_.setPen(Qt::black);
    p_.drawText(kMargin, baseline, plain);
    QFont overlined = p_.font();
    overlined.setOverline(true);
    p_.save();
    p_.setFont(overlined);
    p_.drawText(kMargin + p_.fontMetrics().horizontalAdvance(plain), baseline,
                QString::fromLatin1(name.overlined));
    p_.restore();
  }

  // A level line: floating stretches dashed at mid-height, every change a vertical edge.
  void Line(int row) {
    std::optional<int> lastY;
    for (std::size_t i = 0; i < states_.size(); ++i) {
      const LineShape shape = LineIn(static_cast<SignalRow>(row), states_[i]);
      for (std::size_t k = 0; k < shape.size(); ++k) {
        const int x0 = X(i, shape[k].from);
        const int x1 = k + 1 < shape.size() ? X(i, shape[k + 1].from) : X(i + 1);
        const int y = Y(row, shape[k].level);
        p_.setPen(QPen(Qt::black, 1.5));
        if (lastY && *lastY != y) p_.drawLine(x0, *lastY, x0, y);
        if (shape[k].level == Level::Floating) p_.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
        p_.drawLine(x0, y, x1, y);
        lastY = y;
      }
    }
  }

  void Bus(int row) {
    const bool highByte = row == kHighBusRow;
    std::size_t first = 0;
    while (first < states_.size()) {
      const BusValue value = BusIn(highByte, states_[first]);
      std::size_t end = first + 1;
      while (end < states_.size() && !StartsCycle(end) && BusIn(highByte, states_[end]) == value) {
        ++end;
      }
      BusStretch(row, X(first), X(end), value);
      first = end;
    }
  }

  void BusStretch(int row, int x0, int x1, const BusValue& value) {
    const int top = Y(row, Level::High);
    const int bottom = Y(row, Level::Low);
    const int middle = Y(row, Level::Floating);
    if (value.kind == BusKind::Floating) {
      p_.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
      p_.drawLine(x0, middle, x1, middle);
      return;
    }
    QPainterPath outline;
    outline.moveTo(x0, middle);
    outline.lineTo(x0 + kBusSlope, top);
    outline.lineTo(x1 - kBusSlope, top);
    outline.lineTo(x1, middle);
    outline.lineTo(x1 - kBusSlope, bottom);
    outline.lineTo(x0 + kBusSlope, bottom);
    outline.closeSubpath();
    p_.setPen(QPen(Qt::black, 1.5));
    p_.setBrush(value.kind == BusKind::Invalid ? QBrush(Qt::gray, Qt::BDiagPattern)
                                               : QBrush(Qt::NoBrush));
    p_.drawPath(outline);
    p_.setBrush(Qt::NoBrush);
    if (value.kind == BusKind::Invalid) return;
    const QString text =
        value.kind == BusKind::Unknown
            ? QStringLiteral("?")
            : QStringLiteral("%1").arg(value.byte, 2, 16, QLatin1Char('0')).toUpper();
    p_.drawText(QRect(x0, top, x1 - x0, bottom - top), Qt::AlignCenter, text);
  }

  QPainter& p_;
  int width_;
  int height_;
  std::vector<State> states_;
};

}  // namespace

TimingDiagram::TimingDiagram(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Przebiegi"));
}

void TimingDiagram::SetCycles(std::vector<MachineCycle> cycles) {
  cycles_ = std::move(cycles);
  clockStates_ = 0;
  for (const MachineCycle& cycle : cycles_) clockStates_ += cycle.clockStates;
  updateGeometry();
  resize(sizeHint());
  update();
}

QSize TimingDiagram::sizeHint() const {
  return {2 * kMargin + kNameWidth + std::max(clockStates_, 1) * kStateWidth,
          kTop + static_cast<int>(kRowNames.size()) * kRowHeight + kMargin};
}

QImage TimingDiagram::Image() const {
  const QSize size = sizeHint();
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  Painting(painter, cycles_, size.width(), size.height()).Paint();
  return image;
}

void TimingDiagram::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  Painting(painter, cycles_, width(), height()).Paint();
}

}  // namespace kwarcyt
