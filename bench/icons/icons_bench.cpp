// Speed of icon extraction: counting the icons of a 30 MB library and
// extracting one icon, by the parser alone and through the Linux shell
// service (which adds scaling and the conversion of the image).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "large_library.h"
#include "platform/icons/icon_loader.h"
#include "platform/qt_icon_image.h"
#include "platform/linux/linux_shell.h"

namespace {

using namespace tolvex::platform;

std::string g_library;  // the path of the generated library
constexpr int kGroups = 1000;

void CountIcons(benchmark::State& state) {
  for (auto _ : state) {
    icons::FileSource source(g_library);
    benchmark::DoNotOptimize(icons::OpenIcons(source)->Count());
  }
}
BENCHMARK(CountIcons)->Unit(benchmark::kMicrosecond);

void ExtractIcon(benchmark::State& state) {
  int index = 0;
  for (auto _ : state) {
    icons::FileSource source(g_library);
    const auto container = icons::OpenIcons(source);
    benchmark::DoNotOptimize(
        icons::LoadIcon(*container, index, int(state.range(0)), DecodePng).pixels.data());
    index = (index + 7) % kGroups;
  }
}
BENCHMARK(ExtractIcon)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

void ShellIconCount(benchmark::State& state) {
  LinuxShell shell;
  for (auto _ : state) benchmark::DoNotOptimize(shell.IconCount(g_library));
}
BENCHMARK(ShellIconCount)->Unit(benchmark::kMicrosecond);

// Size 32 at ratios 1 (the stored image as it is) and 1.5 (scaled to 48).
void ShellExtractIcon(benchmark::State& state) {
  LinuxShell shell;
  const double ratio = double(state.range(0)) / 100;
  int index = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(shell.ExtractIcon(g_library, index, 32, ratio).pixels.data());
    index = (index + 7) % kGroups;
  }
}
BENCHMARK(ShellExtractIcon)->Arg(100)->Arg(150)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  QTemporaryDir dir;
  tolvex::bench::LargeLibrary library;
  library.paddingBytes = 24u << 20;
  library.namedGroups = 50;
  library.numberedGroups = kGroups - 50;
  library.images = tolvex::bench::IconFileImages(TOLVEX_FIXTURE_DIR "/icons/red.ico");
  const std::vector<std::uint8_t> bytes = tolvex::bench::BuildLibrary(library);
  g_library = dir.filePath("large.dll").toStdString();
  QFile file(QString::fromStdString(g_library));
  if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(bytes.data()),
                                                     qint64(bytes.size())) != qint64(bytes.size()))
    return 1;
  file.close();
  icons::FileSource check(g_library);
  std::printf("library: %.1f MB, %d icons\n", double(bytes.size()) / (1 << 20),
              icons::OpenIcons(check)->Count());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
