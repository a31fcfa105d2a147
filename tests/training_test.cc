// The training mode: every encounter it can draw is fair and, replayed in
// the advisor with the replies it shows, gives the explanation it shows; the
// draw of a class; and training runs as a learner meets them.
#include "training/training.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "picture/picture.h"
#include "session.h"
#include "string_terminal.h"
#include "training/draw.h"
#include "training/encounters.h"
#include "training/item.h"

namespace ausweich::testing {
namespace {

std::string replay_name(const Begegnung& b) {
  std::string name = "Enter, Enter";
  for (const int c : b.replies()) name += ", " + std::to_string(c);
  return name;
}

/// The advisor's lines that state each class, as it prints them.
std::vector<std::string_view> class_lines(Klasse k) {
  switch (k) {
    case Klasse::a_muss_ausweichen:
      return {"A ist ausweichpflichtig", "A muss als Ueberholer ausweichen",
              "B hat Vorfahrt, A ist ausweich- bzw. wartepflichtig",
              "Wer den Anderen an Steuerbord sieht, muss ausweichen"};
    case Klasse::b_muss_ausweichen:
      return {"B ist ausweichpflichtig", "B muss als Ueberholer ausweichen",
              "A hat Vorfahrt, B ist ausweich- bzw. wartepflichtig",
              "Wer den Anderen an Steuerbord sieht, muss ausweichen"};
    case Klasse::beide_muessen_ausweichen:
      return {"Regel 19: Jeder muss jedem ausweichen",
              "Beide weichen nach Steuerbord aus."};
    case Klasse::a_darf_b_nicht_behindern:
      return {"A darf das Wegerechtschiff nicht behindern!",
              "A darf das tiefgangbehinderte Fzg. nicht behindern,",
              "A darf B nicht behindern.",
              "A muss Queren vermeiden, um B nicht zu behindern."};
    case Klasse::b_darf_a_nicht_behindern:
      return {"Fischendes Fzg. B darf A nicht behindern.", "B darf A nicht behindern.",
              "B muss Queren vermeiden, um A nicht zu behindern.",
              "(B als Fischer darf anderes Fzg im FW nicht behindern)"};
    case Klasse::beide_fahren_rechts:
      return {"A und B halten scharf rechts, KVR#9"};
    case Klasse::keine:
      break;
  }
  return {};
}

/// The lines that make "must not impede" right only where the other vessel
/// is large (not sailing, not under 20 m, not fishing): the remark beside
/// keeping to starboard and crossing a narrow fairway.
constexpr std::string_view kLargeA[] = {
    "(A darf dabei ein grosses Fahrzeug nicht behindern)",
    "A darf beim Queren des FW B nicht behindern."};
constexpr std::string_view kLargeB[] = {
    "(B darf dabei ein grosses Fahrzeug nicht behindern)",
    "B darf beim Queren des FW A nicht behindern."};

/// Descriptions that no encounter may hold together.
constexpr std::pair<std::string_view, std::string_view> kContradictions[] = {
    {"Verkehrstrennungsgebiet", "Fahrwasser"},
    {"Außerhalb der Seeschifffahrtsstraßen", "Auf einer Seeschifffahrtsstraße"},
    {"Freier Seeraum", "Fahrwasser"},
    {"Freier Seeraum", "Einbahnweg"},
    {"Klare Sicht", "Verminderte Sicht"},
    {"nicht erkennbar", "B hat den Wind"},
    {"recht voraus auf Gegenkurs", "und folgt ihm"},
};

bool large(Code type, Code length) {
  return type != segler && type != fischend &&
         !(type == maschinenfahrzeug && length == kleiner_20m);
}

bool has(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

/// What the advisor wrote for one analysis with the replies of `b`.
std::string advisor_analysis(const Begegnung& b) {
  std::string input = "\n\n";
  for (const int c : b.replies()) input += std::to_string(c) + "\n";
  const Session advisor = run_session(input + "\n\n\n0\n");
  EXPECT_EQ(advisor.status, 0) << advisor.err;
  return advisor.out.substr(0, advisor.out.find("<=== ENDE der ANALYSE ===>"));
}

/// The description names every fact the analysis asked, the bearing and the
/// assumption, and no two of its lines contradict each other.
void check_description(const Aufgabe& a, const DrawnRun& run) {
  std::string text;
  for (std::size_t i = 0; i < a.beschreibung().size(); ++i) {
    text.append(a.beschreibung()[i]).append("\n");
  }
  for (const DrawnRun::Answer& answer : run.answers()) {
    if (answer.after_verdict) continue;
    const Antwort& meaning = answer.frage->antwort(answer.value);
    EXPECT_TRUE(has(text, meaning.satz.empty() ? meaning.knopf : meaning.satz))
        << meaning.knopf << " missing in\n"
        << text;
  }
  EXPECT_TRUE(has(text, in_worten(a.begegnung().peilung))) << text;
  EXPECT_TRUE(has(text, run.assumption())) << text;
  for (const auto& [one, other] : kContradictions) {
    EXPECT_FALSE(has(text, one) && has(text, other)) << text;
  }
}

/// The classes that count are exactly those the advisor's lines state,
/// the remark about a large vessel only where the other vessel is large.
void check_classes(const Aufgabe& a, const Situation& s, const std::string& analysis) {
  for (Code k = 1; k <= static_cast<Code>(std::size(kKlassen)); ++k) {
    bool stated = false;
    for (std::string_view line : class_lines(static_cast<Klasse>(k))) {
      stated = stated || has(analysis, line);
    }
    if (k == static_cast<Code>(Klasse::a_darf_b_nicht_behindern)) {
      for (std::string_view line : kLargeA) {
        stated = stated || (has(analysis, line) && large(s.kb1, s.kb2));
      }
    }
    if (k == static_cast<Code>(Klasse::b_darf_a_nicht_behindern)) {
      for (std::string_view line : kLargeB) {
        stated = stated || (has(analysis, line) && large(s.ka1, s.ka2));
      }
    }
    // The general text of rules 14 and 15 states three classes; the bearing
    // decides which one counts.
    const bool general = has(analysis, "Wer den Anderen an Steuerbord sieht");
    if (a.richtig(k) || !general) {
      EXPECT_EQ(a.richtig(k), stated) << "class " << k;
    }
  }
  for (const Pflicht& p : a.richtige()) {
    EXPECT_FALSE(p.grund.empty() || p.stelle.empty() || p.regel.empty()) << p.regel;
  }
}

// Not a sample: every encounter the training can draw is replayed in the
// advisor from a fresh start with exactly the replies the training shows.
// Each section of the explanation must stand in the advisor's output, whole
// and in order; the description names every fact without contradiction; the
// classes that count are those the verdict and the duties beside it state;
// and no encounter is one an examiner would not set.
TEST(TrainingTest, EveryDrawableEncounterIsFairAndReplaysInTheAdvisor) {
  struct Alle final : Besucher {
    std::vector<Begegnung> liste;
    void besuche(const Begegnung& b) override { liste.push_back(b); }
  } alle;
  jede_begegnung(alle);
  std::map<std::pair<Code, Klasse>, int> per_class;
  std::set<std::string> seen;
  int bearings = 0;
  for (const Begegnung& b : alle.liste) {
    const std::string name = replay_name(b) + " " + std::string(in_worten(b.peilung));
    SCOPED_TRACE(name);
    ASSERT_TRUE(seen.insert(name).second) << "drawable twice";
    const Wiedergabe w(b);
    const Aufgabe a(b);
    ASSERT_TRUE(w.run.complete());
    ASSERT_EQ(klasse(a.entscheidung()), b.klasse);
    ASSERT_NE(b.klasse, Klasse::keine);
    ++per_class[{b.kvr, b.klasse}];
    bearings += b.peilung != Peilung::offen;
    const Situation& s = w.situation;
    EXPECT_FALSE(s.kueb == b_ueberholt_a &&
                 (s.kb1 == manoevrierunfaehig || s.kb1 == manoevrierbehindert));
    EXPECT_FALSE(s.kvr == seeschifffahrtsstrassen && s.kb1 == manoevrierunfaehig &&
                 b.klasse == Klasse::b_muss_ausweichen);

    const std::string analysis = advisor_analysis(b);
    std::size_t at = 0;
    std::array<std::span<const DrawnRun::Line>, 16> sections;
    const std::size_t n = w.run.sections(sections);
    ASSERT_GT(n, 0u);
    for (const auto& section : std::span(sections.data(), n)) {
      std::string text;
      for (const DrawnRun::Line& l : section) {
        if (l.message) text.append(" ").append(l.text);
        text += '\n';
      }
      at = analysis.find(text, at);
      ASSERT_NE(at, std::string::npos) << "not in the advisor's output:\n" << text;
      at += text.size();
    }
    check_description(a, w.run);
    check_classes(a, s, analysis);
  }
  std::cout << "[ training ] " << alle.liste.size() << " drawable encounters, "
            << bearings << " of them at a drawn bearing\n";
  EXPECT_GT(bearings, 0);
  for (const Code kvr : {seeschifffahrtsstrassen, hohe_see}) {
    for (const Klasse k :
         {Klasse::a_muss_ausweichen, Klasse::b_muss_ausweichen,
          Klasse::beide_muessen_ausweichen, Klasse::a_darf_b_nicht_behindern}) {
      EXPECT_GE((per_class[{kvr, k}]), 6) << kvr << " " << static_cast<int>(k);
    }
  }
  EXPECT_GE((per_class[{seeschifffahrtsstrassen, Klasse::beide_fahren_rechts}]), 6);
  EXPECT_EQ((per_class[{hohe_see, Klasse::beide_fahren_rechts}]), 0);
}

// 400 items as a class draws them (seeds 1 to 40, ten each): every class is
// right somewhere and for more than one type of B, rules 14 and 15 decide at
// least a tenth of the items on the high seas, and the three areas of the
// KVR come about equally often.
TEST(TrainingTest, FortyDrawsCoverEveryClassAndArea) {
  std::map<Code, std::set<Code>> types_per_class;
  std::map<Code, int> areas;
  int kvr = 0;
  int rules14_15 = 0;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    Zufall zufall(seed);
    const Ziehung z = ziehe(10, zufall);
    ASSERT_EQ(z.anzahl, 10u);
    for (const Begegnung& b : z.begegnungen()) {
      const Aufgabe a(b);
      const Wiedergabe w(b);
      for (const Pflicht& p : a.richtige()) {
        types_per_class[static_cast<Code>(klasse(p))].insert(w.situation.kb1);
      }
      if (b.kvr == seeschifffahrtsstrassen) continue;
      ++kvr;
      ++areas[b.kvtg];
      rules14_15 += b.peilung != Peilung::offen;
    }
  }
  for (Code k = 1; k <= 6; ++k) EXPECT_GE(types_per_class[k].size(), 2u) << "class " << k;
  EXPECT_EQ(kvr, 200);
  EXPECT_GE(rules14_15 * 10, kvr);
  for (const Code area : {freier_seeraum, fahrwasser, verkehrstrennungsgebiet}) {
    EXPECT_NEAR(areas[area], kvr / 3, 8) << area;
  }
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

// The training's texts as a learner reads them, pinned: the introduction,
// descriptions, the question, a refused reply, right and wrong answers with
// their reasons, the advisor's lines, the replay line, a repeat, the score.
TEST(TrainingTest, AFixedRunWritesExactlyThis) {
  std::ifstream file(AUSWEICH_TRAINING_TRANSCRIPT, std::ios::binary);
  ASSERT_TRUE(file) << AUSWEICH_TRAINING_TRANSCRIPT;
  std::ostringstream expected;
  expected << file.rdbuf();
  constexpr std::string_view kInput = "7\n2\n\n2\n\n4\n\nx\n3\n\n1\n\n2\n\n";
  const Program run = training(kInput, {"--uebung", "--seed", "11", "--anzahl", "4"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, expected.str());
  // The same seed draws the same, another seed others.
  EXPECT_EQ(training(kInput, {"--uebung", "--seed=11", "--anzahl=4"}).out, run.out);
  EXPECT_NE(training(kInput, {"--uebung", "--seed", "12", "--anzahl", "4"}).out, run.out);
}

// Every new item answered wrongly, every repeat rightly: each comes back
// three new items later or at the end, and the score counts first answers.
TEST(TrainingTest, MissedItemsComeBackAndTheScoreCountsFirstAnswers) {
  constexpr std::uint64_t kSeed = 2026;
  Zufall zufall(kSeed);
  const Ziehung z = ziehe(5, zufall);
  const auto answer = [&z](std::size_t lage, bool right) {
    const Aufgabe a(z.lagen[lage]);
    for (Code k = 1; k <= 6; ++k) {
      if (a.richtig(k) == right) return std::to_string(k) + "\n\n";
    }
    return std::string("0\n");
  };
  // New items 1 to 4, the repeat of 1, new item 5, the repeats of 2 to 5.
  const std::vector<std::pair<std::size_t, bool>> order = {
      {0, false}, {1, false}, {2, false}, {3, false}, {0, true},
      {4, false}, {1, true},  {2, true},  {3, true},  {4, true}};
  std::string input;
  std::vector<std::string> headings;
  for (const auto& [lage, repeat] : order) {
    input += answer(lage, repeat);
    headings.push_back(repeat ? "Wiederholung von Lage " + std::to_string(lage + 1)
                              : "Lage " + std::to_string(lage + 1) + " von 5");
  }
  const Program run = training(input, {"--uebung", "--seed", "2026", "--anzahl", "5"});
  ASSERT_EQ(run.status, 0);
  std::size_t at = 0;
  for (const std::string& heading : headings) {
    at = run.out.find("\n " + heading + "\n", at);
    ASSERT_NE(at, std::string::npos) << heading;
  }
  EXPECT_EQ(count(run.out, "Wiederholung von Lage"), 5);
  const std::string score = run.out.substr(run.out.rfind(" Ergebnis: "));
  EXPECT_TRUE(
      score.starts_with(" Ergebnis: 0 von 5 richtig\n"
                        " Wiederholungen: 5 von 5 richtig\n   "))
      << score;
  // One line per rule, the most missed first, then the same as misses.
  std::map<std::string, int> misses;
  for (std::size_t i = 0; i < 5; ++i)
    ++misses[std::string(Aufgabe(z.lagen[i]).entscheidung().regel)];
  int last = 99;
  for (const auto& [rule, n] : misses) {
    EXPECT_TRUE(has(score, "   " + rule + ": 0 von " + std::to_string(n) + " richtig\n"));
    EXPECT_TRUE(has(score, "   " + rule + ": " + std::to_string(n) + "-mal\n"));
  }
  std::size_t line = score.find("\n   ");
  for (; line != std::string::npos && line < score.find("Falsch beantwortet");
       line = score.find("\n   ", line + 1)) {
    const int missed = std::atoi(score.c_str() + score.find("von ", line) + 4);
    EXPECT_LE(missed, last);
    last = missed;
  }
}

// 0 ends early with the score so far; so does the end of input.
TEST(TrainingTest, EndsEarlyWithTheScoreSoFar) {
  const Program quit = training("0\n", {"--uebung", "--seed", "1"});
  EXPECT_EQ(quit.status, 0);
  EXPECT_NE(quit.out.find(" Übung vorzeitig beendet.\n"), std::string::npos);
  EXPECT_NE(quit.out.find(" Ergebnis: 0 von 0 richtig\n"), std::string::npos);

  const Program cut =
      training("5\n\n5\n\n5", {"--uebung", "--anzahl", "3", "--seed", "9"});
  EXPECT_EQ(cut.status, 2);
  EXPECT_EQ(cut.err, "fmt: end of file\n");
  EXPECT_EQ(count(cut.out, "Lage 3 von 3"), 1);
  const std::size_t score = cut.out.rfind(" Ergebnis: ");
  ASSERT_NE(score, std::string::npos);
  EXPECT_GT(score, cut.out.rfind("Lage 3 von 3"));
  const int right = count(cut.out, "\n Richtig: ");
  EXPECT_NE(cut.out.find("Ergebnis: " + std::to_string(right) + " von 2 richtig\n"),
            std::string::npos);
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
           {"--anzahl", "5"},
           {"--uebung", "--bild", "1"},
           {"--uebung", "--seed", "1", "--anzahl", "3", "--bild", "4"},
           {"--bild", "1", "--seed", "1"}}) {
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
  // A worksheet: the picture of one item of the draw and nothing else.
  const Program blatt = training("", {"--uebung", "--seed", "11", "--bild", "3"});
  Zufall zufall(11);
  Bildpuffer puffer;
  const Aufgabe dritte(ziehe(10, zufall).lagen[2]);
  const std::string_view bild = zeichne(dritte, false, Tageszeit::tag, puffer).bild;
  EXPECT_EQ(blatt.out, std::string(bild) + "\n");
  EXPECT_EQ(blatt.status, 0);
  EXPECT_EQ(blatt.err, "");
  // No arguments: the advisor itself.
  const std::string input = analysis({"", "", "", "", "", "1", "2"}) + analysis({"0"});
  const Program advisor = training(input, {});
  const Session direct = run_session(input);
  EXPECT_EQ(advisor.out, direct.out);
  EXPECT_EQ(advisor.status, direct.status);
}

}  // namespace
}  // namespace ausweich::testing
