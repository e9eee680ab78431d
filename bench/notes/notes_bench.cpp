// Speed of the notes panel: its start over 1000 hidden notes (goal: under
// 300 ms) and one alarm check over 1000 notes with repeated alarms (goal:
// well under 1 ms).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>
#include <map>
#include <memory>

#include "app/ini_file.h"
#include "app/ras_component.h"
#include "app/snapin_host.h"
#include "snapins/notes/note_file.h"
#include "snapins/notes/notes_panel.h"

namespace tolvex {
namespace {

constexpr int kNotes = 1000;

class BenchBar : public QWidget, public ISnapInHost {
 public:
  explicit BenchBar(const QString& configFile) : config_(configFile) {}
  QWidget& Bar() override { return *this; }
  TtxIniFile& ConfigFile() override { return config_; }
  TtxRas32& txRas() override { return ras_; }
  void AddBarSubmenu(QMenu& menu) override { menu.addMenu("&tolvexBar"); }
  void RestackElements() override {}

 private:
  TtxIniFile config_;
  TtxRas32 ras_{nullptr};
};

// A folder of hidden notes with a few lines each and a repeated alarm on
// working days.
class NotesFolder {
 public:
  explicit NotesFolder(int count) {
    const QString folder = dir_.path() + "/data/notes/";
    QDir().mkpath(folder);
    for (int i = 1; i <= count; ++i) {
      TNoteData note;
      note.title = QString("Notiz %1").arg(i);
      note.visible = false;
      note.alarm.on = true;
      note.alarm.schedule = asRepeated;
      note.alarm.moment = EncodeTime(3, 0, 0, 0);
      note.alarm.days = TWeekdaySet(0b0011111);
      note.text = {"Einkaufen: Milch, Brot, Käse", "Termin=Donnerstag 14:00", "",
                   "Anrufen bei Frau Müller"};
      WriteNoteFile(folder + QString("%1.tdn").arg(i), ComposeNoteFile(note, Now()));
    }
  }
  QString ConfigFile() const { return dir_.path() + "/tolvexbar.ini"; }

 private:
  QTemporaryDir dir_;
};

const NotesFolder& Folder(int count) {
  static std::map<int, std::unique_ptr<NotesFolder>> folders;
  auto& folder = folders[count];
  if (!folder) folder = std::make_unique<NotesFolder>(count);
  return *folder;
}

// The argument is the number of notes; the goal holds for 1000.
void BM_StartPanelWithHiddenNotes(benchmark::State& state) {
  BenchBar bar(Folder(int(state.range(0))).ConfigFile());
  for (auto _ : state) {
    auto panel = std::make_unique<TfrNotes>(bar);
    panel->Start();
    benchmark::DoNotOptimize(panel->Notes().size());
    state.PauseTiming();
    panel.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartPanelWithHiddenNotes)
    ->Arg(250)
    ->Arg(kNotes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void BM_AlarmCheckOver1000Notes(benchmark::State& state) {
  BenchBar bar(Folder(kNotes).ConfigFile());
  TfrNotes panel(bar);
  panel.Start();
  for (auto _ : state) panel.CheckAlarms();
}
BENCHMARK(BM_AlarmCheckOver1000Notes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tolvex
