// The training mode: every encounter it can draw, replayed in the advisor
// with the replies it shows, gives the explanation it shows; and a training
// run as a learner meets it.
#include "training/training.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "string_terminal.h"
#include "session.h"
#include "training/description.h"
#include "training/encounters.h"

namespace ausweich::testing {
namespace {

std::string replay_name(const Begegnung& b) {
  std::string name = "Enter, Enter";
  for (const int c : b.replies()) name += ", " + std::to_string(c);
  return name;
}

/// A line of the verdict that each class of verdict must contain.
std::vector<std::string_view> class_lines(Klasse k) {
  switch (k) {
    case Klasse::a_muss_ausweichen:
      return {"A ist ausweichpflichtig", "A muss als Ueberholer ausweichen",
              "B hat Vorfahrt, A ist ausweich- bzw. wartepflichtig"};
    case Klasse::b_muss_ausweichen:
      return {"B ist ausweichpflichtig", "B muss als Ueberholer ausweichen",
              "A hat Vorfahrt, B ist ausweich- bzw. wartepflichtig"};
    case Klasse::beide_muessen_ausweichen:
      return {"Regel 19: Jeder muss jedem ausweichen"};
    case Klasse::a_darf_b_nicht_behindern:
      return {"A darf das Wegerechtschiff nicht behindern!",
              "A darf das tiefgangbehinderte Fzg. nicht behindern,"};
    case Klasse::beide_fahren_rechts:
      return {"A und B halten scharf rechts, KVR#9"};
    default:
      break;
  }
  return {};
}

// Not a sample: every encounter the generator can draw is replayed in the
// advisor from a fresh start with exactly the replies the training shows.
// Each section of the explanation must stand in the advisor's output, whole
// and in order, and the class the verdict reports must be the one its lines
// state.
TEST(TrainingTest, EveryDrawableEncounterReplaysInTheAdvisor) {
  struct Alle final : Besucher {
    std::vector<Begegnung> liste;
    void besuche(const Begegnung& b) override { liste.push_back(b); }
  } alle;
  jede_begegnung(alle);
  std::map<std::pair<Code, Klasse>, int> per_class;
  std::set<std::string> seen;
  for (const Begegnung& b : alle.liste) {
    const std::string name = replay_name(b);
    SCOPED_TRACE(name);
    ASSERT_TRUE(seen.insert(name).second) << "drawable twice";
    const Wiedergabe w(b);
    ASSERT_TRUE(w.run.complete());
    ASSERT_EQ(klasse(w.run.reported()), b.klasse);
    ASSERT_NE(b.klasse, Klasse::keine);
    ++per_class[{b.kvr, b.klasse}];

    std::string input = "\n\n";
    for (const int c : b.replies()) input += std::to_string(c) + "\n";
    const Session advisor = run_session(input + "\n\n\n0\n");
    ASSERT_EQ(advisor.status, 0) << advisor.err;
    const std::size_t end = advisor.out.find("<=== ENDE der ANALYSE ===>");
    ASSERT_NE(end, std::string::npos);
    const std::string_view first = std::string_view(advisor.out).substr(0, end);

    std::size_t at = 0;
    std::string last_section;
    std::array<std::span<const DrawnRun::Line>, 16> sections;
    const std::size_t n = w.run.sections(sections);
    ASSERT_GT(n, 0u);
    for (const auto& section : std::span(sections.data(), n)) {
      std::string text;
      for (const DrawnRun::Line& l : section) {
        if (l.message) text.append(" ").append(l.text);
        text += '\n';
      }
      at = first.find(text, at);
      ASSERT_NE(at, std::string::npos) << "not in the advisor's output:\n" << text;
      at += text.size();
      last_section = text;
    }
    bool stated = false;
    for (std::string_view line : class_lines(b.klasse)) {
      stated = stated || last_section.find(line) != std::string::npos;
    }
    EXPECT_TRUE(stated) << "the verdict does not state its class:\n" << last_section;
  }
  // Both regimes offer every class, but keeping to starboard, which only the
  // waterways regime has; and no class is a rarity there.
  for (const Code kvr : {seeschifffahrtsstrassen, hohe_see}) {
    for (const Klasse p :
         {Klasse::a_muss_ausweichen, Klasse::b_muss_ausweichen,
          Klasse::beide_muessen_ausweichen, Klasse::a_darf_b_nicht_behindern}) {
      EXPECT_GE((per_class[{kvr, p}]), 6) << kvr << " " << static_cast<int>(p);
    }
  }
  EXPECT_GE((per_class[{seeschifffahrtsstrassen, Klasse::beide_fahren_rechts}]), 6);
  EXPECT_EQ((per_class[{hohe_see, Klasse::beide_fahren_rechts}]), 0);
}

std::string described(std::vector<Code> replies) {
  const Wiedergabe w(replies);
  const Lagebeschreibung zeilen(w.run);
  std::string text;
  for (std::size_t i = 0; i < zeilen.size(); ++i) text.append(zeilen[i]).append("\n");
  return text;
}

// Only what the analysis asked, in the order asked: the length with a motor
// vessel's type, the roughly following of the waterways regime, the wind.
TEST(TrainingTest, DescribesWhatTheAnalysisAsked) {
  EXPECT_EQ(described({1, 2, 1, 1, 1, 3, 1}),
            "A (eigenes Schiff) ist ein Maschinenfahrzeug, 20 m lang oder länger\n"
            "B ist ein Maschinenfahrzeug, unter 20 m lang\n"
            "Auf einer Seeschifffahrtsstraße (SeeSchStrO)\n"
            "A ist im Fahrwasser und folgt ihm ungefähr\n"
            "B ist nicht im Fahrwasser\n");
  EXPECT_EQ(described({2, 1, 2, 1, 3, 3, 1, 2}),
            "A (eigenes Schiff) ist ein Segelfahrzeug\n"
            "B ist ein Maschinenfahrzeug, 20 m lang oder länger\n"
            "Auf einer Seeschifffahrtsstraße (SeeSchStrO)\n"
            "A ist im Fahrwasser und folgt ihm ungefähr\n"
            "B ist im Fahrwasser und folgt ihm ungefähr\n"
            "Es gibt nur ein Fahrwasser\n"
            "A überholt B\n");
  EXPECT_EQ(described({2, 2, 2, 3, 2, 3, 1, 1, 2, 4, 2}),
            "A (eigenes Schiff) ist ein Segelfahrzeug\n"
            "B ist ein Segelfahrzeug\n"
            "Außerhalb der Seeschifffahrtsstraßen (KVR)\n"
            "In einem Verkehrstrennungsgebiet\n"
            "A quert den Einbahnweg\n"
            "B ist im Einbahnweg und folgt ihm\n"
            "Klare Sicht\n"
            "Keiner überholt den anderen\n"
            "A hat den Wind von Steuerbord\n"
            "B: Windseite von A aus nicht erkennbar\n"
            "A liegt in Lee von B\n");
}

struct Program {
  std::string out, err;
  int status;
};

Program training(std::string_view input, std::vector<const char*> args) {
  StringTerminal t(input);
  const int status = ausweichregeln(args, t, 0);
  return {t.output(), t.diagnostics(), status};
}

std::vector<std::string> replays(const std::string& out) {
  std::vector<std::string> found;
  constexpr std::string_view kReplay = " Im Berater nachvollziehen: ";
  for (std::size_t at = out.find(kReplay); at != std::string::npos;
       at = out.find(kReplay, at + 1)) {
    found.push_back(out.substr(at, out.find('\n', at) - at));
  }
  return found;
}

// A learner's run: refused replies asked again, right and wrong answers
// scored, the same seed the same encounters, a new seed others; ten encounters
// spread over both regimes and at least three classes.
TEST(TrainingTest, ASeededRunIsScoredAndRepeatable) {
  std::string input = "7\n\nx\n-1\n1\n\n";  // three refusals, then answer 1
  for (int i = 0; i < 9; ++i) input += "2\n\n";
  const Program a = training(input, {"--uebung", "--seed", "42"});
  EXPECT_EQ(a.status, 0);
  EXPECT_EQ(a.err, "");
  EXPECT_EQ(count(a.out, " Bitte eine Zahl von 1 bis 6 eingeben (0 = Ende).\n"), 4);
  EXPECT_EQ(count(a.out, "\n richtig: ") + count(a.out, "\n falsch, richtig ist: "), 10);
  const std::vector<std::string> encounters = replays(a.out);
  ASSERT_EQ(encounters.size(), 10u);
  EXPECT_EQ(std::set<std::string>(encounters.begin(), encounters.end()).size(), 10u);
  const int sea = count(a.out, "\n Auf einer Seeschifffahrtsstraße (SeeSchStrO)\n");
  EXPECT_EQ(sea, 5);
  EXPECT_EQ(count(a.out, "\n Außerhalb der Seeschifffahrtsstraßen (KVR)\n"), 5);
  int classes = 0;
  for (std::string_view c :
       {"A muss ausweichen\n", "B muss ausweichen\n", "Beide müssen ausweichen\n",
        "A darf B nicht behindern\n", "Keiner: beide fahren möglichst weit rechts\n"}) {
    classes += count(a.out, c) > 0 ? 1 : 0;
  }
  EXPECT_GE(classes, 3);
  const std::string score =
      "Ergebnis: " + std::to_string(count(a.out, "\n richtig: ")) + " von 10 richtig\n";
  EXPECT_NE(a.out.find(score), std::string::npos);

  EXPECT_EQ(training(input, {"--uebung", "--seed=42"}).out, a.out);
  EXPECT_NE(replays(training(input, {"--uebung", "--seed", "43"}).out), encounters);
}

// 0 ends early with the score so far; the end of input and the missed rules.
TEST(TrainingTest, EndsEarlyWithTheScoreSoFar) {
  const Program quit = training("0\n", {"--uebung", "--seed", "1"});
  EXPECT_EQ(quit.status, 0);
  EXPECT_NE(quit.out.find(" Uebung vorzeitig beendet.\n"), std::string::npos);
  EXPECT_NE(quit.out.find(" Ergebnis: 0 von 0 richtig\n"), std::string::npos);

  // Every class but 5 answered wrongly as 5, then the input ends.
  const Program cut =
      training("5\n\n5\n\n5", {"--uebung", "--anzahl", "3", "--seed", "9"});
  EXPECT_EQ(cut.status, 2);
  EXPECT_EQ(cut.err, "fmt: end of file\n");
  EXPECT_EQ(count(cut.out, "Lage 3 von 3"), 1);
  const std::size_t score = cut.out.rfind(" Ergebnis: ");
  ASSERT_NE(score, std::string::npos);
  EXPECT_GT(score, cut.out.rfind("Lage 3 von 3"));
  const int right = count(cut.out, "\n richtig: ");
  EXPECT_NE(cut.out.find("Ergebnis: " + std::to_string(right) + " von 2 richtig\n"),
            std::string::npos);
  if (right < 2) {
    EXPECT_NE(cut.out.find("\n Verpasst:\n    "), std::string::npos);
  }
}

/// The class of the verdict that the advisor wrote, found in its own lines:
/// 1 A gives way, 2 B, 3 each, 4 A must not impede B, 6 both keep to starboard.
int advisor_class(std::string_view out) {
  const auto has = [&](std::string_view line) { return out.find(line) != out.npos; };
  if (has("A ist also NICHT Kurshalter") || has("A darf das Wegerechtschiff nicht"))
    return 4;
  if (has("Regel 19: Jeder muss jedem ausweichen")) return 3;
  if (has("A und B halten scharf rechts")) return 6;
  if (has("A ist ausweichpflichtig") || has("A muss als Ueberholer") ||
      has("B hat Vorfahrt, A ist")) {
    return 1;
  }
  if (has("B ist ausweichpflichtig") || has("B muss als Ueberholer") ||
      has("A hat Vorfahrt, B ist")) {
    return 2;
  }
  return 0;
}

std::string line_at(const std::string& out, std::size_t at) {
  return out.substr(at, out.find('\n', at) - at);
}

// A run read as the learner reads it, always answering 1 ("A"): the replies
// printed for each encounter, replayed in the advisor, give a verdict whose
// class is the one the training names as the solution; the answer counts as
// right exactly when that is A; the explanation carries the advisor's rule 9
// and 10 blocks and its SeeSchStrO start where the advisor wrote them; the
// score counts the right answers and every missed rule is named once.
TEST(TrainingTest, WhatTheLearnerReadsAgreesWithTheAdvisor) {
  constexpr std::string_view kSolutions[] = {
      "A muss ausweichen",        "B muss ausweichen",
      "Beide müssen ausweichen",  "A darf B nicht behindern",
      "B darf A nicht behindern", "Keiner: beide fahren möglichst weit rechts"};
  std::string input;
  for (int i = 0; i < 30; ++i) input += "1\n\n";
  const Program run = training(input, {"--uebung", "--anzahl", "30", "--seed", "2026"});
  ASSERT_EQ(run.status, 0);
  constexpr std::string_view kReplay = "\n Im Berater nachvollziehen: Enter, Enter, ";
  int right = 0;
  int encounters = 0;
  for (std::size_t at = run.out.find(kReplay); at != std::string::npos;
       at = run.out.find(kReplay, at + 1)) {
    ++encounters;
    const std::string replies = line_at(run.out, at + kReplay.size());
    std::string replay = "\n\n";
    for (const char c : replies) {
      if (c >= '1' && c <= '9') replay.append(1, c).append("\n");
    }
    const Session advisor = run_session(replay + "\n\n\n0\n");
    ASSERT_EQ(advisor.status, 0) << replies;
    const std::string analysis =
        advisor.out.substr(0, advisor.out.find("ENDE der ANALYSE"));
    const int expected = advisor_class(analysis);
    ASSERT_GE(expected, 1) << replies;

    const std::size_t lage = run.out.rfind("\n Lage ", at);
    const std::size_t solution =
        run.out.find("\n\n ", run.out.find("0 = Ende):\n", lage)) + 2;
    const std::string verdict = line_at(run.out, solution);
    const std::string explained = run.out.substr(solution, at - solution);
    const std::string_view name = kSolutions[expected - 1];
    if (expected == 1) {
      ++right;
      EXPECT_EQ(verdict, " richtig: " + std::string(name)) << replies;
    } else {
      EXPECT_EQ(verdict, " falsch, richtig ist: " + std::string(name)) << replies;
    }
    for (std::string_view block :
         {" ... also gilt die SeeSchifffahrtsStrassenOrdnung.\n",
          " Regel 9 - (Rechtsfahrgebot im engen Fahrwasser)\n",
          " Regel 10 - VTG: (Einbahnrichtung ist einzuhalten)\n"}) {
      EXPECT_EQ(count(explained, block), count(analysis, block)) << replies << block;
    }
  }
  EXPECT_EQ(encounters, 30);
  EXPECT_NE(run.out.find(" Ergebnis: " + std::to_string(right) + " von 30 richtig\n"),
            std::string::npos);
  const std::size_t missed = run.out.find("\n Verpasst:\n");
  ASSERT_NE(missed, std::string::npos);
  std::set<std::string> named;
  for (std::size_t at = missed + 12; run.out.compare(at, 4, "    ") == 0;
       at = run.out.find('\n', at) + 1) {
    EXPECT_TRUE(named.insert(line_at(run.out, at)).second) << line_at(run.out, at);
  }
  EXPECT_GE(named.size(), 3u);
}

TEST(CommandLineTest, OptionsAndTheirErrors) {
  const Program help = training("", {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Aufruf: ausweichregeln\n", 0), 0u);
  EXPECT_NE(help.out.find("--uebung"), std::string::npos);
  // The usage text answers whatever else stands beside it.
  EXPECT_EQ(training("", {"--bogus", "--help"}).out, help.out);
  EXPECT_EQ(training("", {"--uebung", "-h", "--version"}).out, help.out);
  const Program version = training("", {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "ausweichregeln " AUSWEICH_VERSION "\n");

  for (const std::vector<const char*>& bad : std::vector<std::vector<const char*>>{
           {"--bogus"},
           {"extra"},
           {"--uebung", "--anzahl"},
           {"--uebung", "--anzahl", "0"},
           {"--uebung", "--anzahl", "101"},
           {"--uebung", "--anzahl", "5x"},
           {"--uebung", "--seed", "-1"},
           {"--uebung", "--seed", "18446744073709551616"},
           {"--anzahl", "5"}}) {
    const Program r = training("1\n", bad);
    EXPECT_EQ(r.status, 2) << bad.back();
    EXPECT_EQ(r.out, "") << bad.back();
    EXPECT_EQ(count(r.err, "\n"), 1) << r.err;
    EXPECT_EQ(r.err.rfind("ausweichregeln: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
  }
  EXPECT_EQ(training("", {"--uebung", "--seed="}).err,
            "ausweichregeln: --seed braucht eine ganze Zahl ab 0, nicht '' (siehe "
            "ausweichregeln --help)\n");
  // No arguments: the advisor itself.
  const std::string input = analysis({"", "", "", "", "", "1", "2"}) + analysis({"0"});
  const Program advisor = training(input, {});
  const Session direct = run_session(input);
  EXPECT_EQ(advisor.out, direct.out);
  EXPECT_EQ(advisor.status, direct.status);
}

}  // namespace
}  // namespace ausweich::testing
