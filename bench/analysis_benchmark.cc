// The in-process cost of analyses, with the screen going to a null sink: what
// the advisor itself spends, without the system calls of a real console.
#include <benchmark/benchmark.h>

#include "console/advisor.h"
#include "null_terminal.h"
#include "mixed_session.h"

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
    benchmark::DoNotOptimize(ausweich::run(terminal));
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
    benchmark::DoNotOptimize(ausweich::run(terminal));
  }
}
BENCHMARK(StartAnalysisQuit);

}  // namespace

BENCHMARK_MAIN();
