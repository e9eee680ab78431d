// Costs of the image button that the bar pays per launcher: creating and
// destroying a button with its picture and caption, and one paint of a
// launcher-sized button (off-screen pixmap and copy included).
#include <benchmark/benchmark.h>

#include <QPixmap>
#include <QWidget>
#include <memory>
#include <vector>

#include "controls/button.h"

namespace {

QPixmap Icon() {
  QPixmap icon(32, 32);
  icon.fill(Qt::darkBlue);
  return icon;
}

void BM_CreateAndDestroyLaunchers(benchmark::State& state) {
  const QPixmap icon = Icon();
  QWidget bar;
  for (auto _ : state) {
    std::vector<std::unique_ptr<tolvex::TrButton>> buttons;
    for (int i = 0; i < state.range(0); ++i) {
      auto button = std::make_unique<tolvex::TrButton>(&bar);
      button->setGeometry(0, 26 + 38 * i, 104, 38);
      button->SetCaption(QString("Programm %1").arg(i));
      button->SetHint(QString("/usr/bin/programm%1").arg(i));
      button->SetPicture(icon);
      buttons.push_back(std::move(button));
    }
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CreateAndDestroyLaunchers)->Arg(100)->Arg(1000)->Complexity(benchmark::oN);

void BM_PaintLauncher(benchmark::State& state) {
  tolvex::TrButton button;
  button.resize(104, 38);
  button.SetCaption("Ein ziemlich langer Programmname");
  button.SetPicture(Icon());
  QPixmap target(button.size());
  for (auto _ : state) button.render(&target);
}
BENCHMARK(BM_PaintLauncher);

}  // namespace
