// A full rebuild of the bar (message 2028 with 0) with n launchers, offscreen
// on the simulated platform: with icons (the target is this program, so the
// shell extracts its icon) and without (targets that do not exist).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/bar_window.h"
#include "app/ini_file.h"

namespace {

using tolvex::TwTolvexDesktop;

// The private home folder of the bars, made once; each benchmark run has a
// bar of its own that ends before the application does.
void UsePrivateHome() {
  static QTemporaryDir home;
  static const bool once = [] {
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    return QDir().mkpath(home.path() + "/.config");
  }();
  (void)once;
}

void WriteLayout(TwTolvexDesktop& bar, int count, bool icons) {
  tolvex::TtxIniFile& layout = bar.LayoutFile();
  tolvex::TtxIniBatch batch(layout, tolvex::platform::BatchStart::Empty);
  layout.WriteInteger("tolvexBar", "Count", count);
  const QString target =
      icons ? QCoreApplication::applicationFilePath() : QStringLiteral("/nonexistent/program");
  for (int n = 1; n <= count; ++n) {
    const QString section = "Link" + QString::number(n);
    layout.WriteString(section, "Type", "P");
    layout.WriteString(section, "Name", "Programm " + QString::number(n));
    layout.WriteString(section, "Target", target);
  }
  batch.Commit();
}

void FullRebuild(benchmark::State& state, bool icons) {
  const int count = int(state.range(0));
  UsePrivateHome();
  TwTolvexDesktop bar;
  WriteLayout(bar, count, icons);
  for (auto _ : state) {
    bar.BuildElements(0);
    bar.LoadPendingIcons();
    QCoreApplication::processEvents();
  }
  state.SetComplexityN(count);
  state.counters["elements"] = bar.ElementControls().Count();
}
BENCHMARK_CAPTURE(FullRebuild, WithoutIcons, false)
    ->RangeMultiplier(2)
    ->Range(125, 1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK_CAPTURE(FullRebuild, WithIcons, true)
    ->RangeMultiplier(2)
    ->Range(125, 1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
