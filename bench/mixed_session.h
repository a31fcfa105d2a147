#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace ausweich::bench {

/// One analysis of the scripted session, and the verdict that it reaches.
struct Scenario {
  std::string_view verdict;  // a line of the screen that only this path writes
  std::string_view replies;  // the reply lines, from the type of A to the last answer
};

/// Analyses that between them reach every ending of the waterways regime
/// (its own verdicts and each hand-over to the collision regulations), both
/// rule 9 and rule 10 blocks, rule 19 without guidance and with each of its
/// two tables, rule 13 both ways, every rule 12 case, rule 18 and rules 14/15,
/// with refused answers and Enter alone mixed in. Every reply that decides the
/// path is typed, so each analysis takes the same path in every cycle.
std::span<const Scenario> scenarios();

/// A session that runs the scenario list `cycles` times and then answers 0 at
/// the first question of the next analysis, which ends the run with status 0.
struct MixedSession {
  std::string input;
  int analyses;  // cycles times the number of scenarios
  int cycles;
  std::size_t lines_per_cycle;  // input lines that one run of the list takes
  std::size_t closing_lines;    // input lines after the last cycle
};

MixedSession mixed_session(int cycles);

/// The first `analyses` analyses of the cycling scenario list, then the quit.
std::string mixed_input(int analyses);

/// The fewest cycles that make at least `analyses` analyses.
int cycles_for(int analyses);

}  // namespace ausweich::bench
