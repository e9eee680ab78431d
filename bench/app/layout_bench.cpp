// Speed of the layout file: saving and loading element lists of growing
// size, one key read from a large file once it has been parsed, and many
// keys of one section written in one batch and listed.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/elements.h"
#include "app/ini_file.h"

namespace tolvex {
namespace {

TTolvexElementList MakeList(int count) {
  TTolvexElementList list;
  for (int i = 0; i < count; ++i) {
    auto element = std::make_unique<TTolvexElement>();
    element->Name = QString("Programm %1").arg(i);
    element->Description = QString("Startet Programm %1").arg(i);
    element->Target = QString("/usr/local/bin/programm-%1").arg(i);
    element->Parameters = "--fenster --datei \"/home/benutzer/Dokumente/liste.txt\"";
    element->WorkingDir = "/home/benutzer";
    element->ShowCommand = 1;
    element->IconFile = element->Target;
    element->Size = ls32;
    list.Add(std::move(element));
  }
  return list;
}

void SaveToFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/layout.dat";
  const TTolvexElementList list = MakeList(int(state.range(0)));
  for (auto _ : state) list.SaveToFile(path);
  state.SetComplexityN(state.range(0));
}
BENCHMARK(SaveToFile)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

void LoadFromFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/layout.dat";
  MakeList(int(state.range(0))).SaveToFile(path);
  TTolvexElementList list;
  for (auto _ : state) {
    list.LoadFromFile(path);
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(LoadFromFile)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// One key of the last section of a 10 000-element layout (about 2 MB),
// after the first read has parsed the file.
void ReadKeyFromLargeFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/layout.dat";
  MakeList(10000).SaveToFile(path);
  const TtxIniFile file(path);
  file.ReadString("Link1", "Name", QString());
  for (auto _ : state) {
    benchmark::DoNotOptimize(file.ReadString("Link10000", "IconFile", QString()));
  }
}
BENCHMARK(ReadKeyFromLargeFile)->Unit(benchmark::kMicrosecond);

// Keys "Key0" … of one section, each with its number as value.
void WriteKeys(TtxIniFile& file, int count) {
  TtxIniBatch batch(file);
  for (int i = 0; i < count; ++i) file.WriteInteger("Viele", QString("Key%1").arg(i), i);
  batch.Commit();
}

void WriteKeysOfOneSectionInABatch(benchmark::State& state) {
  QTemporaryDir dir;
  TtxIniFile file(dir.path() + "/keys.ini");
  for (auto _ : state) {
    state.PauseTiming();
    QFile::remove(file.FileName());
    state.ResumeTiming();
    WriteKeys(file, int(state.range(0)));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(WriteKeysOfOneSectionInABatch)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void ListKeysOfOneSection(benchmark::State& state) {
  QTemporaryDir dir;
  TtxIniFile file(dir.path() + "/keys.ini");
  WriteKeys(file, int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(file.ReadSection("Viele").size());
  state.SetComplexityN(state.range(0));
}
BENCHMARK(ListKeysOfOneSection)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace tolvex

BENCHMARK_MAIN();
