#include "analysis/fahrwasserregeln.h"

#include <gtest/gtest.h>

#include "session.h"

namespace ausweich::testing {
namespace {

/// The lines between a block's header and its closing lines.
std::string rule_lines(const Session& s, std::string_view header) {
  const std::size_t from = s.out.find(header);
  if (from == std::string::npos) return "<no block>";
  const std::size_t begin = s.out.find('\n', from) + 1;
  return s.out.substr(begin, s.out.find(" Das Behinderungsverbot", begin) - begin);
}

constexpr std::string_view kRegel9 = " Regel 9 - (Rechtsfahrgebot im engen Fahrwasser)\n";
constexpr std::string_view kRegel10 =
    " Regel 10 - VTG: (Einbahnrichtung ist einzuhalten)\n";

struct Row {
  std::initializer_list<std::string_view>
      answers;  // types, sea area 2, situation, positions
  std::string_view line;
};

std::string line(std::string_view text) {
  if (text.empty()) return "";
  return std::string(" ").append(text).append("\n");
}

TEST(FairwayConductTest, Rule9FirstMatchingRowDecides) {
  const Row rows[] = {
      {{"2", "3", "2", "2", "2", "2"},
       "Fischendes Fzg. B darf A nicht behindern."},                       // 9.1
      {{"2", "1", "2", "2", "2", "2", "3"}, "A darf B nicht behindern."},  // 9.2
      {{"2", "1", "1", "2", "2", "3", "3"}, ""},                           // 9.3
      {{"1", "2", "2", "2", "2", "3", "2"}, "B darf A nicht behindern."},  // 9.4
      {{"1", "1", "2", "2", "2", "3", "3"}, ""},                           // 9.5
      {{"1", "2", "5", "2", "2", "2", "2"},
       "A und B weichen untereinander nach KVR aus."},  // 9.6
      {{"2", "2", "2", "2", "2", "3"},
       "A darf beim Queren des FW B nicht behindern."},  // 9.7
      {{"1", "1", "2", "2", "2", "2", "3"},
       "A darf beim Queren des FW B nicht behindern."},
      {{"2", "2", "2", "2", "3", "1"},
       "B darf beim Queren des FW A nicht behindern."},  // 9.8
      {{"2", "2", "2", "2", "1", "2"},
       "A und B weichen untereinander nach KVR aus."},  // 9.9
      {{"2", "2", "2", "2", "3", "3"}, ""},             // 9.10
      // One vessel outside: only the crossing rows apply, even to a fishing B.
      {{"2", "3", "2", "2", "1", "3"}, "A darf beim Queren des FW B nicht behindern."},
      {{"2", "3", "2", "2", "3", "1"}, "B darf beim Queren des FW A nicht behindern."},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(rule_lines(run_session(analysis(r.answers)), kRegel9), line(r.line))
        << r.line << " " << r.answers.size();
  }
}

TEST(FairwayConductTest, Rule10FirstMatchingRowDecides) {
  const Row rows[] = {
      {{"2", "3", "2", "3", "3", "3"},
       "Fischendes Fzg. B darf A nicht behindern."},  // 10.1
      {{"2", "3", "2", "3", "2", "3"},
       "A muss Queren vermeiden, um B nicht zu behindern."},
      {{"2", "1", "1", "2", "3", "3", "3"}, "A darf B nicht behindern."},  // 10.2
      {{"1", "1", "2", "2", "3", "3", "3"}, "B darf A nicht behindern."},  // 10.3
      {{"1", "2", "5", "2", "3", "3", "3"},
       "A und B weichen untereinander nach KVR aus."},
      {{"2", "2", "2", "3", "3", "3"}, ""},  // 10.5
      {{"2", "2", "2", "3", "1", "3"},
       "A muss Queren vermeiden, um B nicht zu behindern."},
      {{"2", "2", "2", "3", "3", "2"},
       "B muss Queren vermeiden, um A nicht zu behindern."},
      {{"2", "2", "2", "3", "2", "1"},
       "A und B weichen untereinander nach KVR aus."},  // 10.8
  };
  for (const Row& r : rows) {
    EXPECT_EQ(rule_lines(run_session(analysis(r.answers)), kRegel10), line(r.line))
        << r.line << " " << r.answers.size();
  }
}

TEST(FairwayConductTest, BlocksAreFramedAndLeadIntoTheEncounter) {
  const Session fw = run_session(analysis({"2", "2", "2", "2", "2", "3"}));
  EXPECT_NE(condense(fw.out).find(R"(        [Default:   3]    Input=
~50
 -----------------------------------------------------
 Regel 9 - (Rechtsfahrgebot im engen Fahrwasser)
 A darf beim Queren des FW B nicht behindern.
 Das Behinderungsverbot im FW soll Ausweichsituationen
 vermeiden! (KVR-Ausweichregeln 12-19 bleiben gueltig)
 -----------------------------------------------------
~1
 Sichtverhaeltnisse ?
)"),
            std::string::npos);
  const Session tss = run_session(analysis({"2", "2", "2", "3", "3", "2"}));
  EXPECT_NE(condense(tss.out).find(R"(        [Default:   3]    Input=
~50
 ------------------------------------------------------
 Regel 10 - VTG: (Einbahnrichtung ist einzuhalten)
 B muss Queren vermeiden, um A nicht zu behindern.
 Das Behinderungsverbot im VTG soll Ausweichsituationen
 vermeiden! (KVR-Ausweichregeln 12-19 bleiben gueltig)
 ------------------------------------------------------
~1
 Sichtverhaeltnisse ?
)"),
            std::string::npos);
  // Open sea: only the two empty lines and the question.
  EXPECT_NE(condense(run_session(analysis({"", "", "", "1"})).out)
                .find("    Input=\n~52\n Welche Fahrwassersituation liegt vor?\n"),
            std::string::npos);
}

// Through the waterways regime nothing is asked here: the fairway codes of the
// SeeSchStrO questions decide.
TEST(FairwayConductTest, HandOverAsksNoFairwayQuestion) {
  const Session s = run_session(analysis({"2", "2", "1", "3", "3", "1", "1", "1", "2"}));
  EXPECT_EQ(count(s.out, "Welche Fahrwassersituation"), 0);
  EXPECT_EQ(count(s.out, "  3=im FW, folgend"), 0);
  EXPECT_EQ(rule_lines(s, kRegel9), "");
}

// A 4 left by the waterways scale stands as the default of the three-valued
// question and puts the pair out of reach of the crossing rows.
TEST(FairwayConductTest, KeptFairwayCodeFourDecidesNoRow) {
  const Session s = run_session(analysis({"1", "1", "1", "1", "1", "4", "1"}) +
                                analysis({"", "", "", "", "2", "2", "", ""}));
  EXPECT_EQ(defaults(s), (std::vector<int>{2, 1, 2, 1, 2, 3, 3,  //
                                           1, 1, 1, 1, 1, 1, 4, 1, 1, 1}));
  EXPECT_EQ(rule_lines(s, kRegel9), "");
}

}  // namespace
}  // namespace ausweich::testing
