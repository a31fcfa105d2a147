#include "mixed_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screen_markers.h"
#include "session.h"

namespace ausweich::bench {
namespace {

using testing::Session;

/// The screens of a run, cut after each end-of-analysis screen.
std::vector<std::string> analyses_of(const Session& s) {
  const std::string_view kEnde =
      testing::kEndeDerAnalyse.substr(testing::kEndeDerAnalyse.find('<'));
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at = s.out.find(kEnde); at != std::string::npos;
       at = s.out.find(kEnde, from)) {
    parts.push_back(s.out.substr(from, at - from));
    from = at + kEnde.size();
  }
  return parts;
}

// The benchmark's claim to mix every regime and verdict rests on this: in the
// first cycle (first-run defaults) and in the second (the defaults the first
// one left), each analysis reaches the verdict its scenario names.
TEST(MixedSessionTest, EveryScenarioReachesItsVerdict) {
  const MixedSession session = mixed_session(2);
  const Session s = testing::run_session(session.input);
  ASSERT_EQ(s.status, 0) << s.err;
  EXPECT_EQ(s.err, "");
  const std::vector<std::string> screens = analyses_of(s);
  const auto list = scenarios();
  ASSERT_EQ(screens.size(), 2 * list.size());
  for (std::size_t i = 0; i < screens.size(); ++i) {
    const Scenario& scenario = list[i % list.size()];
    EXPECT_NE(screens[i].find(scenario.verdict), std::string::npos)
        << "analysis " << i << " does not reach \"" << scenario.verdict << "\"";
  }
}

// Each analysis reads exactly its own lines: a scenario with a reply too many
// or too few would shift every later one onto the wrong questions, and the
// session would not end on its closing 0 after the last cycle.
TEST(MixedSessionTest, EndsWithTheQuitAfterTheLastCycle) {
  const MixedSession session = mixed_session(3);
  EXPECT_EQ(session.analyses, 3 * static_cast<int>(scenarios().size()));
  const Session s = testing::run_session(session.input);
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(testing::count(s.out, "<=== ENDE der ANALYSE ===>"), session.analyses);
  EXPECT_EQ(testing::count(s.out, "Ende des Programms"), 1);
  EXPECT_TRUE(s.out.ends_with(" #################### Ende des Programms ############\n"));
}

TEST(MixedSessionTest, AnyNumberOfAnalysesEndsWithTheQuit) {
  for (int n : {0, 1, 10, 40}) {
    const Session s = testing::run_session(mixed_input(n));
    EXPECT_EQ(s.status, 0) << n;
    EXPECT_EQ(testing::count(s.out, "<=== ENDE der ANALYSE ===>"), n);
  }
}

TEST(MixedSessionTest, LinesAreCountedPerCycleAndForTheQuit) {
  const MixedSession one = mixed_session(1);
  const MixedSession four = mixed_session(4);
  const auto lines = [](const std::string& in) {
    return static_cast<std::size_t>(std::count(in.begin(), in.end(), '\n'));
  };
  EXPECT_EQ(lines(one.input), one.lines_per_cycle + one.closing_lines);
  EXPECT_EQ(lines(four.input), 4 * four.lines_per_cycle + four.closing_lines);
  EXPECT_EQ(cycles_for(1), 1);
  EXPECT_EQ(cycles_for(10000) * static_cast<int>(scenarios().size()) >= 10000, true);
  EXPECT_LT((cycles_for(10000) - 1) * static_cast<int>(scenarios().size()), 10000);
}

}  // namespace
}  // namespace ausweich::bench
