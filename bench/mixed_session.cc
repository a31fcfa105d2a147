#include "mixed_session.h"

#include <algorithm>
#include <array>

namespace ausweich::bench {
namespace {

// Replies in the order asked. Waterways: type of A (and its length), type of
// B (and its length), sea area 1, then A and B in the fairway, main and
// secondary fairway, overtaking, opposite courses, narrow passage as far as
// the path asks them. High seas: the same opening, sea area 2, fairway
// situation (with A and B in the fairway or the lane), visibility, then
// overtaking and the wind questions, or the rule 19 guidance.
constexpr std::array kScenarios = {
    // Refused answers, reply forms and Enter alone on the way to rule 12. Enter
    // keeps the sea area 2 and the open sea that the last scenario typed (and
    // the first-run defaults hold); the wind from port on both sides makes the
    // two sailing vessels of the #25(5) scenario below jibe.
    Scenario{"falsche Eingabe : 7", "3\n2\n7\n 2\n\n\n+1\n01\n1\n1\n2\n"},
    // Waterways regime: its own verdicts.
    Scenario{"B gilt als manoevrierbehindert", "2\n4\n1\n"},
    Scenario{"Der Tiefgangbehinderte zeigt sich", "1\n1\n6\n1\n"},
    Scenario{"A hat Vorfahrt", "2\n2\n1\n4\n3\n1\n"},  // #25(3), A clearly following
    Scenario{"B hat Vorfahrt", "2\n2\n1\n2\n4\n1\n"},  // #25(3), B clearly following
    Scenario{"# 25(4):", "1\n2\n1\n1\n1\n3\n3\n2\n"},  // B in the main fairway
    Scenario{"# 25(4):", "1\n1\n3\n1\n2\n2\n3\n"},     // A in the main fairway
    Scenario{"# 25(2):", "1\n1\n1\n1\n1\n4\n1\n"},     // A follows, B does not
    Scenario{"# 25(2):", "2\n5\n1\n2\n3\n1\n"},        // B follows, A does not
    Scenario{"# 23:", "1\n2\n1\n2\n1\n3\n4\n1\n2\n"},  // A overtakes
    Scenario{"# 23:", "2\n3\n1\n4\n4\n1\n3\n"},        // B overtakes
    Scenario{"Patenthalse", "2\n2\n1\n4\n4\n1\n1\n2\n2\n"},  // #25(5), A with the current
    Scenario{"# 25(5):", "1\n1\n5\n1\n3\n3\n1\n1\n2\n3\n"},  // B with the current
    Scenario{"(B als Fischer darf", "1\n1\n3\n1\n3\n3\n1\n1\n2\n1\n"},  // #21/22
    Scenario{"(B darf dabei ein grosses", "1\n2\n2\n1\n3\n3\n1\n1\n1\n"},
    // Waterways regime handing over to the collision regulations.
    Scenario{"# 25(3): ", "2\n2\n1\n3\n2\n1\n1\n1\n1\n2\n"},  // then rule 9, rule 12
    Scenario{"(Aber: A folgt", "2\n2\n1\n3\n1\n1\n1\n1\n2\n"},
    Scenario{"(Aber: B folgt", "2\n2\n1\n1\n3\n1\n1\n2\n1\n"},
    Scenario{"# 21:", "1\n2\n3\n1\n1\n2\n2\n2\n1\n"},  // then rule 19, listening watch
    Scenario{"... beide Schiffe im Fahrwasser.", "2\n1\n1\n1\n2\n2\n1\n1\n1\n"},
    // Collision regulations: rule 12 in all its cases.
    Scenario{"Regel 12a(i): A", "2\n2\n2\n1\n1\n1\n1\n2\n"},
    Scenario{"Regel 12a(i): B", "2\n2\n2\n1\n1\n1\n2\n1\n"},
    Scenario{"Regel 12a(ii): A", "2\n2\n2\n1\n1\n1\n2\n2\n1\n"},
    Scenario{"Regel 12a(ii): B", "2\n2\n2\n1\n1\n1\n1\n1\n2\n"},
    Scenario{"Regel 12a(iii): A", "2\n2\n2\n1\n1\n1\n1\n3\n2\n"},
    Scenario{"Regel 12a(i,ii): A", "2\n2\n2\n1\n1\n1\n1\n4\n1\n"},
    Scenario{"Regel 12a(i,ii): B", "2\n2\n2\n1\n1\n1\n2\n3\n2\n"},
    Scenario{"Regel 2(a)", "2\n2\n2\n1\n1\n1\n2\n4\n1\n"},
    // Rule 13 after a rule 9 and a rule 10 block.
    Scenario{"Regel 13: A", "1\n1\n1\n2\n2\n2\n2\n3\n1\n2\n"},
    Scenario{"Regel 13: B", "2\n3\n2\n3\n3\n3\n1\n3\n"},
    // Rule 18, rules 14/15.
    Scenario{"A muss Queren vermeiden", "1\n2\n2\n2\n3\n2\n3\n1\n1\n"},
    Scenario{"A ist also NICHT Kurshalter", "2\n6\n2\n1\n1\n1\n"},
    Scenario{"B darf beim Queren des FW A", "1\n1\n6\n2\n2\n3\n1\n1\n1\n"},
    Scenario{"Regel 14 - Entgegengesetzte", "1\n2\n1\n2\n2\n2\n3\n3\n1\n1\n"},
    // Rule 19 without guidance, with the radar table, with the listening watch.
    Scenario{"Regel 19: Jeder muss", "1\n1\n1\n1\n2\n1\n2\n1\n"},
    Scenario{"Von wo aus sehen Sie", "2\n5\n2\n3\n1\n1\n2\n2\n2\n"},
    Scenario{"Von wo aus hoeren Sie", "2\n4\n2\n1\n2\n2\n1\n"},
};

constexpr std::string_view kQuit = "\n\n0\n";

void append_analysis(std::string& input, const Scenario& s) {
  input += "\n\n";  // title and info screen
  input += s.replies;
  input += "\n";  // end of the analysis
}

std::size_t count_lines(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

std::span<const Scenario> scenarios() {
  return kScenarios;
}

MixedSession mixed_session(int cycles) {
  std::string cycle;
  for (const Scenario& s : kScenarios) append_analysis(cycle, s);
  MixedSession session{{},
                       cycles * static_cast<int>(kScenarios.size()),
                       cycles,
                       count_lines(cycle),
                       count_lines(kQuit)};
  session.input.reserve(cycle.size() * static_cast<std::size_t>(cycles) + kQuit.size());
  for (int i = 0; i < cycles; ++i) session.input += cycle;
  session.input += kQuit;
  return session;
}

std::string mixed_input(int analyses) {
  std::string input;
  for (int i = 0; i < analyses; ++i) {
    append_analysis(input, kScenarios[static_cast<std::size_t>(i) % kScenarios.size()]);
  }
  return input += kQuit;
}

int cycles_for(int analyses) {
  const int per_cycle = static_cast<int>(kScenarios.size());
  return std::max(1, (analyses + per_cycle - 1) / per_cycle);
}

}  // namespace ausweich::bench
