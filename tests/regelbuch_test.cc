// The rule book: every rule the program cites stands in it once, each duty's
// rule is reported by some path of the analyses and each rule on lights and
// shapes cited for some kind of vessel, and the duties that the analyses
// report are the law's, finding by finding.
#include "core/regelbuch.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "analysis/begegnungsregeln.h"
#include "analysis/hauptprogramm.h"
#include "core/line_builder.h"
#include "core/signale.h"
#include "training/drawn_run.h"

namespace ausweich::testing {
namespace {

/// One analysis from a fresh start on `answers`.
struct Lauf {
  explicit Lauf(const std::vector<Code>& answers) : given(answers), run(given) {
    analyse(run, situation, guidance);
  }
  std::vector<Code> given;
  DrawnRun run;
  Situation situation;
  Nebelhinweise guidance;
};

/// Every way of answering one analysis, depth first; `visit` sees each.
void every_path(const std::function<void(const DrawnRun&)>& visit) {
  std::vector<Code> answers;
  for (;;) {
    const Lauf l(answers);
    visit(l.run);
    // The next way: the last answer that can still grow grows.
    std::vector<DrawnRun::Answer> asked(l.run.answers().begin(), l.run.answers().end());
    while (!asked.empty() && (asked.back().after_verdict ||
                              asked.back().value >= asked.back().frage->kmax())) {
      asked.pop_back();
    }
    if (asked.empty()) return;
    answers.clear();
    for (const DrawnRun::Answer& a : asked) answers.push_back(a.value);
    ++answers.back();
  }
}

TEST(RegelbuchTest, EveryRuleStandsOnceAndSomePathReportsIt) {
  std::set<Regel> reported;
  int paths = 0;
  every_path([&](const DrawnRun& run) {
    ++paths;
    ASSERT_TRUE(run.complete());
    ASSERT_TRUE(run.decided());
    reported.insert(run.reported().regel);
    for (const Pflicht& p : run.duties()) reported.insert(p.regel);
    // A rule on lights and shapes is no duty: no analysis reports one.
    EXPECT_NE(gebot(run.reported()), Gebot::kennzeichnen);
    for (const Pflicht& p : run.duties()) EXPECT_NE(gebot(p), Gebot::kennzeichnen);
    // The training applies the general text of rules 14 and 15 at a bearing.
    if (run.reported().regel != Regel::kvr_14_15) return;
    for (const Peilung b : {Peilung::recht_voraus_gegenkurs, Peilung::kreuzt_von_stb,
                            Peilung::kreuzt_von_bb}) {
      reported.insert(regeln14_15(b).regel);
    }
  });
  EXPECT_GT(paths, 1000);
  // The rules on lights and shapes are cited by the kinds of vessel they
  // prescribe for, and the arcs by every side the lookout sees.
  std::set<Regel> cited;
  for (Kennzeichnung k = Kennzeichnung::nach_typ; k <= Kennzeichnung::wegerechtschiff;
       k = static_cast<Kennzeichnung>(static_cast<int>(k) + 1)) {
    cited.insert(vorschrift(k));
    EXPECT_EQ(eintrag(vorschrift(k)).gebot, Gebot::kennzeichnen);
  }
  std::set<std::string_view> citations;
  for (const Eintrag& e : regelbuch()) {
    if (e.gebot == Gebot::kennzeichnen) {
      EXPECT_TRUE(cited.count(e.regel)) << e.zitat << " is cited for no kind of vessel";
    } else {
      EXPECT_TRUE(reported.count(e.regel)) << e.zitat << " is reported by no path";
    }
    EXPECT_TRUE(citations.insert(e.satz).second) << e.zitat << " says what another says";
  }
}

// A learner reads a rule, not the program's reasoning; each sentence is a
// whole sentence, and its reason line fits the line it is written on.
TEST(RegelbuchTest, SentencesStateTheLawInTheLearnersWords) {
  for (const Eintrag& e : regelbuch()) {
    SCOPED_TRACE(e.zitat);
    EXPECT_TRUE(e.zitat.find("KVR Regel") != std::string_view::npos ||
                e.zitat.find("SeeSchStrO") != std::string_view::npos);
    EXPECT_TRUE(e.satz.ends_with("."));
    EXPECT_EQ(e.satz.find("Berater"), std::string_view::npos);
    EXPECT_EQ(e.satz.find("leitet"), std::string_view::npos);
    EXPECT_FALSE(titel(e.thema).empty());
    const std::string grund =
        "Grund: " + std::string(e.satz) + " (" + std::string(e.zitat) + ").";
    EXPECT_EQ((LineBuilder() << grund).text(), grund) << "cut";
    EXPECT_TRUE(e.vereinfacht.empty() || e.vereinfacht.ends_with("."));
  }
}

/// What an analysis reports, in the rule book's words.
std::string duties(const std::vector<Code>& answers) {
  const Lauf l(answers);
  const auto name = [](const Pflicht& p) {
    return std::string(eintrag(p.regel).zitat) + " " + std::string(buchstabe(p.schiff));
  };
  std::string out = name(l.run.reported());
  for (const Pflicht& p : l.run.duties()) out += " + " + name(p);
  return out;
}

// Each finding of the review against the published text, as the analyses now
// report it. The answers run from A's type; an analysis declines further
// information.
TEST(RegelbuchTest, DutiesAsTheLawGivesThem) {
  const struct {
    std::vector<Code> answers;
    std::string want;
  } rows[] = {
      // KVR Regel 10 c) puts no duty not to impede on anyone: a power-driven
      // vessel of 20 m or more crossing keeps her rights under Regel 15; a
      // sailing vessel is bound by 10 j), crossing or outside the scheme.
      {{1, 2, 1, 2, 2, 3, 2, 3, 1, 1}, "KVR Regeln 14 und 15 A und B"},
      {{2, 1, 2, 2, 3, 2, 3, 1, 1}, "KVR Regel 18 a) iv) B + KVR Regel 10 j) A"},
      {{2, 1, 2, 2, 3, 1, 3, 1, 1}, "KVR Regel 18 a) iv) B + KVR Regel 10 j) A"},
      {{1, 1, 3, 2, 3, 3, 2, 1, 1}, "KVR Regel 18 a) iii) A + KVR Regel 10 i) B"},
      // The Wegerechtschiff counts as restricted in her ability to
      // manoeuvre: A keeps out of her way; so of a vessel restricted.
      {{1, 1, 6, 1}, "§ 2 Abs. 1 Nr. 13 Buchstabe a SeeSchStrO, KVR Regel 18 a) ii) A"},
      {{2, 6, 1}, "§ 2 Abs. 1 Nr. 13 Buchstabe a SeeSchStrO, KVR Regel 18 b) ii) A"},
      {{1, 2, 4, 1}, "KVR Regel 18 a) ii) A"},
      {{2, 4, 1}, "KVR Regel 18 b) ii) A"},
      // Keeping right is KVR Regel 9 a); on opposite courses each alters to
      // starboard (§ 24 Abs. 1); a small vessel must not impede a large one.
      {{1, 1, 1, 2, 1, 3, 3, 1, 1, 2, 1},
       "§ 24 Abs. 1 SeeSchStrO A und B + KVR Regel 9 a) A und B + KVR Regel 9 b) A"},
      {{2, 3, 1, 3, 4, 1, 1, 2, 1},
       "§ 24 Abs. 1 SeeSchStrO A und B + KVR Regel 9 a) A und B + KVR Regel 9 c) B"},
      // Not under command in the fairway: A keeps out of her way.
      {{1, 1, 5, 1, 3, 3, 1, 1, 2, 1}, "KVR Regel 18 a) i) A + KVR Regel 9 b) A"},
      {{2, 5, 1, 3, 3, 1, 1, 2, 1}, "KVR Regel 18 b) i) A + KVR Regel 9 b) A"},
      // Constrained by her draught under the KVR: not impeding, for either A;
      // towards a sailing vessel she stays bound by 18 a) iv) (Regel 8 f)).
      {{1, 1, 6, 2, 1, 1, 1}, "KVR Regel 18 d) i) A"},
      {{2, 6, 2, 1, 1, 1}, "KVR Regel 18 d) i) A + KVR Regel 18 a) iv) B"},
      // Rule 2 a) decides nothing: two sailing vessels, A to windward with
      // the wind from starboard, B's side unseen.
      {{2, 2, 2, 1, 1, 1, 2, 3, 1}, "KVR Regel 12 a) A"},
      // Regel 9 d) binds the vessel that crosses, and one of 20 m or more too.
      {{1, 2, 1, 2, 2, 2, 2, 3, 1, 1}, "KVR Regeln 14 und 15 A und B + KVR Regel 9 d) A"},
      // Outside the fairway on a Seeschifffahrtsstraße Regel 18 holds in full.
      {{1, 2, 3, 1, 1, 1, 1, 1}, "KVR Regel 18 a) iii) A"},
      // § 25: the right of way and its paragraphs; between two sailing
      // vessels Abs. 3 only where the other is in the fairway.
      {{2, 2, 1, 4, 3, 1}, "§ 25 Abs. 2 und 3 SeeSchStrO B"},
      {{2, 2, 1, 4, 2, 1}, "§ 25 Abs. 2 SeeSchStrO B"},
      {{1, 1, 1, 1, 1, 2, 3, 2}, "§ 25 Abs. 4 SeeSchStrO A"},
      {{1, 1, 1, 1, 1, 1, 3}, "§ 25 Abs. 2 SeeSchStrO A"},
      {{1, 1, 1, 1, 1, 3, 3, 1, 1, 2, 3}, "§ 25 Abs. 5 SeeSchStrO A"},
      {{1, 1, 1, 1, 1, 3, 3, 1, 2}, "§ 23 Abs. 1 und 2 SeeSchStrO, KVR Regel 13 a) A"},
  };
  for (const auto& row : rows) {
    std::string answers;
    for (const Code c : row.answers) answers += std::to_string(c) + " ";
    EXPECT_EQ(duties(row.answers), row.want) << answers;
  }
}

}  // namespace
}  // namespace ausweich::testing
