#include "analysis/nebelhinweise.h"

#include <gtest/gtest.h>

#include "session.h"

namespace ausweich::testing {
namespace {

/// Answers for a restricted-visibility analysis of two sailing vessels on the
/// open sea, followed by the guidance answers.
std::string fog(std::initializer_list<std::string_view> guidance) {
  std::string in = "\n\n2\n2\n2\n1\n2\n";
  for (std::string_view a : guidance) in.append(a).append("\n");
  return in + "\n";
}

/// The lines of the table the n-th analysis wrote, without their leading blank.
std::vector<std::string> table(const Session& s, int n) {
  const std::string v = verdict(s, n);
  std::vector<std::string> rows;
  std::size_t pos = v.find('\n') + 1;  // past the screen clear of the last answer
  while (pos < v.size()) {
    const std::size_t end = v.find('\n', pos);
    const std::string row = v.substr(pos, end - pos);
    pos = end + 1;
    if (pos >= v.size()) break;  // the empty lines before the end screen
    rows.push_back(row == "~1" ? "" : row.substr(1));
  }
  return rows;
}

std::vector<std::size_t> lengths(const std::vector<std::string>& rows) {
  std::vector<std::size_t> n;
  for (const std::string& r : rows) n.push_back(r.size());
  return n;
}

TEST(VisibilityGuidanceTest, TablesLineByLine) {
  const Session s = run_session(fog({"2", "1"}) + fog({"", "2"}));
  const std::vector<std::string> listening = table(s, 0);
  ASSERT_EQ(listening.size(), 10u);
  EXPECT_EQ(listening[0], "Von wo aus hoeren Sie das Nebelsignal ? ");
  EXPECT_EQ(listening[7], "               BB  achtern =     45 grd StB      -->");
  EXPECT_EQ(listening[8], "               StB achtern =  45 grd BB      <-- ");
  EXPECT_EQ(lengths(listening),
            (std::vector<std::size_t>{40, 0, 53, 38, 45, 0, 48, 52, 49, 53}));

  const std::vector<std::string> radar = table(s, 1);
  ASSERT_EQ(radar.size(), 17u);
  EXPECT_EQ(radar[0], "Von wo aus sehen Sie den Gegner kommen ? ");
  EXPECT_EQ(radar[6], "            02 Uhr =      -- Aufstoppen   0  ");
  EXPECT_EQ(radar[9], "            05 Uhr =   30 grd BB        <-");
  EXPECT_EQ(lengths(radar), (std::vector<std::size_t>{41, 0, 53, 38, 47, 47, 45, 42, 42,
                                                      42, 45, 45, 46, 46, 46, 47, 53}));
  // The table's closing empty line and the end screen's two.
  EXPECT_EQ(verdict(s, 1).substr(verdict(s, 1).size() - 3), "~3\n");
}

// The two answers live for the whole run and come back as their defaults;
// declining the information leaves the radar answer as it was.
TEST(VisibilityGuidanceTest, AnswersAreKeptAcrossAnalyses) {
  const Session s = run_session(fog({""}) + fog({"2", ""}) + fog({"", "2"}) + fog({"1"}) +
                                fog({"2", ""}) + analysis({"0"}));
  const std::vector<int> shown = defaults(s);
  const std::vector<int> guidance(shown.begin(), shown.end() - 1);
  std::vector<int> expected;
  for (std::vector<int> g : {std::vector<int>{1}, {1, 1}, {2, 1}, {2}, {1, 2}}) {
    // Types, sea area and situation, then the sight: clear at first, fog later.
    expected.insert(expected.end(), {2, 2, 2, 1, expected.empty() ? 1 : 2});
    expected.insert(expected.end(), g.begin(), g.end());
  }
  EXPECT_EQ(guidance, expected);
  // The first analysis declined at once: the end screen follows the answer.
  EXPECT_EQ(verdict(s, 0), "~52\n");
  EXPECT_EQ(count(s.out, "Von wo aus hoeren"), 1);
  EXPECT_EQ(count(s.out, "Von wo aus sehen"), 2);
}

TEST(VisibilityGuidanceTest, NeverOfferedInClearVisibility) {
  const Session s = run_session(analysis({"1", "1", "1", "1", "2", "1", "1", "1"}));
  EXPECT_EQ(count(s.out, "Zusatzinformationen"), 0);
}

}  // namespace
}  // namespace ausweich::testing
