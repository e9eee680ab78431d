// The main of the benchmarks that need widgets: an offscreen application on
// the simulated platform, so a benchmark never reaches the real system.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("TOLVEX_PLATFORM", "sim", 0);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
