// Opening the element properties dialog on a launcher whose icon file is a
// library of 300 icons, up to an icon list ready to paint (the icons in
// view extracted and drawn). The goal is under 100 ms.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include "app/elements.h"
#include "dialogs/icon_list_box.h"
#include "dialogs/properties_dialog.h"
#include "large_library.h"

namespace {

// The library, written once for all runs.
QString Library() {
  static QTemporaryDir folder;
  static const QString path = [] {
    tolvex::bench::LargeLibrary library;
    library.paddingBytes = 1u << 20;
    library.namedGroups = 0;
    library.numberedGroups = 300;
    library.images = tolvex::bench::IconFileImages(TOLVEX_FIXTURE_DIR "/icons/red.ico");
    const std::vector<std::uint8_t> bytes = tolvex::bench::BuildLibrary(library);
    const QString file = folder.path() + "/icons300.dll";
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly)) std::abort();
    out.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    return file;
  }();
  return path;
}

void OpenPropertiesOn300Icons(benchmark::State& state) {
  tolvex::TTolvexElement element;
  element.Name = "Symbole";
  element.IconFile = Library();
  element.IconIndex = 150;
  for (auto _ : state) {
    tolvex::TwTolvexProperties dialog(nullptr);
    dialog.Fill(element);
    dialog.show();
    benchmark::DoNotOptimize(dialog.lbSymbole()->grab());
    if (dialog.lbSymbole()->count() != 300) state.SkipWithError("the icons were not listed");
  }
}
BENCHMARK(OpenPropertiesOn300Icons)->Unit(benchmark::kMillisecond);

}  // namespace
