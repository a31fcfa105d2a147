// The in-process cost of analyses, with the screen going to a null sink: what
// the advisor itself spends, without the system calls of a real console.
#include <benchmark/benchmark.h>

#include <vector>

#include "console/run_advisor.h"
#include "mixed_session.h"
#include "null_terminal.h"
#include "picture/bilder.h"
#include "training/aufgabe.h"
#include "training/ziehung.h"

namespace {

using ausweich::bench::mixed_input;

/// A whole run of `state.range(0)` analyses of the mixed session per
/// iteration; the counter per_analysis is the time of one analysis.
void MixedAnalyses(benchmark::State& state) {
  const int analyses = static_cast<int>(state.range(0));
  const std::string input = mixed_input(analyses);
  std::size_t written = 0;
  for (auto _ : state) {
    ausweich::NullTerminal terminal(input);
    benchmark::DoNotOptimize(ausweich::run_advisor(terminal));
    written = terminal.bytes_written();
  }
  state.counters["per_analysis"] =
      benchmark::Counter(analyses, benchmark::Counter::kIsIterationInvariantRate |
                                       benchmark::Counter::kInvert);
  state.counters["analyses/s"] =
      benchmark::Counter(analyses, benchmark::Counter::kIsIterationInvariantRate);
  state.SetBytesProcessed(static_cast<std::int64_t>(written) * state.iterations());
}
BENCHMARK(MixedAnalyses)->Arg(1)->Arg(37)->Arg(1000);

/// One analysis alone (the first of the scenario list) in a run of its own,
/// start of the dialogue and the quit included.
void StartAnalysisQuit(benchmark::State& state) {
  const std::string input = mixed_input(1);
  for (auto _ : state) {
    ausweich::NullTerminal terminal(input);
    benchmark::DoNotOptimize(ausweich::run_advisor(terminal));
  }
}
BENCHMARK(StartAnalysisQuit);

/// The pictures of one encounter as a face draws them: the view from above,
/// the lookout's view and the text, by day or by night, in turn over the ten
/// items of a training run with their solutions.
void Picture(benchmark::State& state) {
  ausweich::Random zufall(7);
  const ausweich::Ziehung ziehung = ausweich::ziehe(10, zufall);
  std::vector<ausweich::Angaben> angaben;
  for (const ausweich::Begegnung& b : ziehung.begegnungen()) {
    const ausweich::Aufgabe aufgabe(b);
    ausweich::Angaben a;
    aufgabe.vorlegen(a);
    aufgabe.aufloesen(a);
    angaben.push_back(a);
  }
  ausweich::Bildpuffer puffer;
  std::size_t i = 0;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto zeit = i % 2 == 0 ? ausweich::Tageszeit::tag : ausweich::Tageszeit::nacht;
    const ausweich::Angaben& a = angaben[i++ / 2 % angaben.size()];
    const ausweich::Bilder b = ausweich::zeichne(a, zeit, puffer);
    bytes += b.bild.size() + b.sicht.size() + b.text.size();
    benchmark::DoNotOptimize(b);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(Picture);

}  // namespace

BENCHMARK_MAIN();
