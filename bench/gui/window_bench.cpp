// The main window, run offscreen: how fast a continuous run goes and how often the views are
// refreshed meanwhile, the pace at a slow speed, the cost of one keystroke in a long program
// and in a very long line, and the time from creating the window to seeing it.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "workbench/window/TFormKwarcyt.h"

using kwarcyt::TFormKwarcyt;

namespace {

// Counts HL through DE:HL, so the number of executed lines can be read back from the registers.
const QString kLongLoop =
    "LXI H,0\nLXI D,0\nPETLA:\nINX H\nMOV A,H\nORA L\nJNZ PETLA\nINX D\nJMP PETLA";

std::unique_ptr<TFormKwarcyt> ShownWindow() {
  // Unsaved text typed here is kept for recovery in a folder of the benchmark's own.
  static const QTemporaryDir recovery;
  auto window = std::make_unique<TFormKwarcyt>(nullptr, recovery.path());
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) qFatal("window not exposed");
  return window;
}

struct RunSample {
  double seconds;
  int refreshes;
};

// Runs the event loop for `duration`, sampling a register view every 2 ms to count how often
// it changed.
RunSample RunFor(TFormKwarcyt& window, const char* watchedLabel, int duration) {
  auto* label = window.findChild<QLabel*>(watchedLabel);
  QString last = label->text();
  int refreshes = 0;
  QTimer sampler;
  QObject::connect(&sampler, &QTimer::timeout, [&] {
    if (label->text() != last) {
      ++refreshes;
      last = label->text();
    }
  });
  sampler.start(2);
  QElapsedTimer clock;
  clock.start();
  window.StartExecute();
  // A real event loop: QTest::qWait would sleep between its rounds of event processing.
  QEventLoop loop;
  QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
  window.PauzaExecute();
  return {clock.nsecsElapsed() / 1e9, refreshes};
}

// With state.range(0) breakpoints on lines the loop never reaches, so that the run checks them
// at every step without pausing. Every step is kept for stepping back.
void BM_TopSpeedLongLoop(benchmark::State& state) {
  auto window = ShownWindow();
  window->findChild<QSlider*>("Czestotliwosc")->setValue(32);
  auto* memo = window->findChild<QPlainTextEdit*>("Memo");
  const auto breakpoints = static_cast<int>(state.range(0));
  memo->setPlainText(kLongLoop + QString("\nNOP").repeated(breakpoints));
  for (int i = 0; i < breakpoints; ++i) {
    memo->moveCursor(QTextCursor::End);
    for (int up = 0; up < i; ++up) memo->moveCursor(QTextCursor::Up);
    window->PrzelaczPulapkeExecute();
  }
  RunSample sample{};
  for (auto _ : state) sample = RunFor(*window, "HL10", 2000);
  const auto& m = window->Machine();
  const double iterations = m.DE() * 65536.0 + m.HL();
  const double lines = 2 + 4 * iterations + 2 * m.DE();
  state.counters["lines_per_s"] = lines / sample.seconds;
  state.counters["refreshes_per_s"] = sample.refreshes / sample.seconds;
}
BENCHMARK(BM_TopSpeedLongLoop)->Arg(0)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);

// The same run with the memory window shown (1) or never opened (0), following HL, which the
// loop counts through every address.
void BM_TopSpeedMemoryWindow(benchmark::State& state) {
  auto window = ShownWindow();
  window->findChild<QSlider*>("Czestotliwosc")->setValue(32);
  window->findChild<QPlainTextEdit*>("Memo")->setPlainText(kLongLoop);
  if (state.range(0) != 0) {
    window->Action(kwarcyt::Command::PodgladPamieci)->trigger();
    window->findChild<QComboBox*>("Sledz")->setCurrentText("HL");
  }
  RunSample sample{};
  for (auto _ : state) sample = RunFor(*window, "HL10", 2000);
  const auto& m = window->Machine();
  const double iterations = m.DE() * 65536.0 + m.HL();
  state.counters["lines_per_s"] = (2 + 4 * iterations + 2 * m.DE()) / sample.seconds;
  state.counters["refreshes_per_s"] = sample.refreshes / sample.seconds;
}
BENCHMARK(BM_TopSpeedMemoryWindow)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Position10Pace(benchmark::State& state) {
  auto window = ShownWindow();
  QStringList lines;
  for (int i = 0; i < 1000; ++i) lines << "INX B";
  window->findChild<QPlainTextEdit*>("Memo")->setPlainText(lines.join('\n'));
  RunSample sample{};
  for (auto _ : state) sample = RunFor(*window, "BC10", 3000);
  state.counters["steps_per_s"] = window->Machine().BC() / sample.seconds;
  state.counters["refreshes_per_s"] = sample.refreshes / sample.seconds;
}
BENCHMARK(BM_Position10Pace)->Iterations(1)->Unit(benchmark::kMillisecond);

// One typed character in the middle of a 5,000-line program: the editor's change handler.
void BM_KeystrokeIn5000Lines(benchmark::State& state) {
  auto window = ShownWindow();
  auto* memo = window->findChild<QPlainTextEdit*>("Memo");
  QStringList lines;
  for (int i = 0; i < 5000; ++i) {
    lines << (i % 10 == 0 ? QString("ETYKIETA%1:").arg(i) : QString("MVI A,%1").arg(i % 256));
  }
  memo->setPlainText(lines.join('\n'));
  QTextCursor cursor(memo->document()->findBlockByNumber(2500));
  cursor.movePosition(QTextCursor::EndOfBlock);
  memo->setTextCursor(cursor);
  for (auto _ : state) {
    memo->textCursor().insertText("h");
    memo->textCursor().deletePreviousChar();
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_KeystrokeIn5000Lines)->Unit(benchmark::kMicrosecond);

// A line of the given length read into the editor, then a character typed at its end and
// painted: a student's file with one enormous line must stay editable.
void BM_LongLine(benchmark::State& state) {
  auto window = ShownWindow();
  auto* memo = window->findChild<QPlainTextEdit*>("Memo");
  const QString text = "MVI A,5\nNOP " + QString(state.range(0), 'X') + "\nHLT";
  QElapsedTimer clock;
  clock.start();
  memo->setPlainText(text);
  QApplication::processEvents();
  state.counters["open_ms"] = clock.nsecsElapsed() / 1e6;
  QTextCursor cursor(memo->document()->findBlockByNumber(1));
  cursor.movePosition(QTextCursor::EndOfBlock);
  memo->setTextCursor(cursor);
  for (auto _ : state) {
    QTest::keyClick(memo, Qt::Key_A);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_LongLine)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_WindowShown(benchmark::State& state) {
  for (auto _ : state) {
    auto window = ShownWindow();
    benchmark::DoNotOptimize(window.get());
  }
}
BENCHMARK(BM_WindowShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
