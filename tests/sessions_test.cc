// Whole sessions of several analyses in a row, through both regimes, where
// each analysis starts from what the ones before left in the record.
#include <gtest/gtest.h>

#include "session.h"

namespace ausweich::testing {
namespace {

TEST(SessionsTest, DefaultsCarryAcrossBothRegimes) {
  struct Step {
    std::string answers;
    std::string_view decisive_line;  // a line of the analysis's verdict
  } steps[] = {
      // Waterways: two sailing vessels in the fairway, neither clearly following:
      // hand-over, sokvr sets the fairway situation 2, rule 9 row 9.8, then
      // rule 12 with the wind from the same side.
      {analysis({"", "", "1", "3", "2", "", "", "1", "1", "1", "2"}),
       " Regel 12a(ii): B ist ausweichpflichtig\n"},
      // Direct: the fairway situation offers the 2 that sokvr set, the fairway
      // codes the waterways answers 3 and 2 (row 9.8), the wind the last answers.
      {analysis({"", "", "2", "", "", "", "", "", "", "", ""}),
       " Regel 12a(ii): B ist ausweichpflichtig\n"},
      // Waterways again: both clearly following, opposite courses; the wind
      // sides of the last encounter are the same, so the crash-gybe note.
      {analysis({"", "", "1", "4", "4", "", "", "2", "1"}),
       " ... das duerfte eine Patenthalse geben!\n"},
      // Fog on the high seas, with the radar table.
      {analysis({"1", "1", "2", "2", "1", "2", "2", "2"}),
       "            02 Uhr =      -- Aufstoppen   0  \n"},
      // Waterways with the motor vessel A of the fog analysis, now over 20 m.
      {analysis({"", "2", "", "1", "4", "1"}), " # 25(2):\n"},
  };
  std::string input;
  for (const Step& step : steps) input += step.answers;
  const Session s = run_session(input + analysis({"0"}));
  EXPECT_EQ(s.status, 0);
  for (int i = 0; i < 5; ++i) {
    EXPECT_NE(verdict(s, i).find(steps[i].decisive_line), std::string::npos)
        << "analysis " << i;
  }
  EXPECT_EQ(count(s.out, " B darf beim Queren des FW A nicht behindern.\n"), 2);
  EXPECT_EQ(defaults(s), (std::vector<int>{
                             2, 2, 2, 3, 3, 1, 1, 1, 2, 3, 1,  // hand-over, same wind
                             2, 2, 1, 2, 3, 2, 1, 1, 1, 1, 2,  // direct, fairway
                             2, 2, 2, 3, 2, 1, 1, 1, 1,        // waterways, crash gybe
                             2, 1, 2, 1, 2, 1, 1, 1,           // fog, radar
                             1, 1, 2, 2, 4, 4,                 // waterways, motor A
                             1,                                // the quit
                         }));
}

}  // namespace
}  // namespace ausweich::testing
