// Loading the translator's tables: "Dialogs.ini" and "DialogsFr.ini" of 160
// and of 1,600 entries, with "Translator.log" written. The load should grow
// about linearly with the entries (at most 12 times for 10 times as many).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "Application.h"
#include "BenchFolder.h"
#include "Lumbrick.h"
#include "Translator.h"

namespace {

namespace fs = std::filesystem;

// A folder holding both tables of Count entries: English texts of a few
// words, numbered in a shuffled order, and every second French text present.
class TranslationTables {
 public:
  explicit TranslationTables(int Count) : Folder("corvane-translator-bench"), Dir(Folder.Path()) {
    std::string english = "; The assistant's texts\r\n[Text]\r\n";
    std::string french = "[Text]\r\n";
    for (int i = 0; i < Count; ++i) {
      const int num = (i * 7919) % Count + 1;
      const std::string text = "Text number " + std::to_string(num) + " of the window " + std::to_string(num % 17);
      english += std::to_string(num) + "=" + text + "\r\n";
      if (num % 2 == 0) french += Int4(num) + "=Texte numero " + std::to_string(num) + "\r\n";
    }
    std::ofstream(Dir + "Dialogs.ini", std::ios::binary) << english;
    std::ofstream(Dir + "DialogsFr.ini", std::ios::binary) << french;
  }
  TBenchFolder Folder;
  std::string Dir;
};

const TranslationTables& TablesOf(int Count) {
  static std::map<int, TranslationTables> tables;
  return tables.try_emplace(Count, Count).first->second;
}

void BM_TranslatorLoad(benchmark::State& state) {
  static TApplication app;
  static TLumbrick* library = new TLumbrick(&app);
  if (VIX == nullptr) VIX = library;
  const TranslationTables& tables = TablesOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TTextTranslator translator(tables.Dir);
    benchmark::DoNotOptimize(translator.Dialogs.Count());
  }
  state.counters["entries"] = static_cast<double>(state.range(0));
}

}  // namespace

BENCHMARK(BM_TranslatorLoad)->Arg(160)->Arg(1600)->Unit(benchmark::kMillisecond);
