#include "analysis/seeschstro.h"

#include <gtest/gtest.h>

#include "session.h"

namespace ausweich::testing {
namespace {

std::string tail(std::initializer_list<std::string_view> answers) {
  return verdict(run_session(analysis(answers)));
}

constexpr std::string_view kStart =
    "~50\n ... also gilt die SeeSchifffahrtsStrassenOrdnung.\n";

std::string urteil(std::string_view paragraph, std::string_view vorfahrt) {
  std::string s = "~50\n ****************** SeeSchStrO ***********************\n";
  if (!paragraph.empty()) s.append(" ").append(paragraph).append("\n");
  s.append(" ").append(vorfahrt).append("\n");
  return s + " *****************************************************\n~2\n";
}

constexpr std::string_view kA = "A hat Vorfahrt, B ist ausweich- bzw. wartepflichtig";
constexpr std::string_view kB = "B hat Vorfahrt, A ist ausweich- bzw. wartepflichtig";

TEST(WaterwaysRegimeTest, RightOfWayVesselsEndWithoutAQuestion) {
  const std::string kLines = R"( B gilt als manoevrierbehindert (Lichter:R-W-R).
~1
 #2 SeeSchStrO  u.  KVR-Regel #18:
   A darf das Wegerechtschiff nicht behindern!
 (Wir gehen davon aus, dass B im Hauptfahrwasser ist).
~2
)";
  EXPECT_EQ(tail({"2", "4", "1"}), std::string(kStart) + kLines);
  EXPECT_EQ(tail({"1", "2", "6", "1"}),
            std::string(kStart) +
                " Der Tiefgangbehinderte zeigt sich als Wegerechtschiff,\n" + kLines);
}

// Every verdict with its paragraph line and the direction that vorf gives it;
// the three two-way branches map the code 2 to different vessels.
TEST(WaterwaysRegimeTest, VerdictsAndTheirDirections) {
  struct Case {
    std::initializer_list<std::string_view> answers;
    std::string_view paragraph, vorfahrt;
  } cases[] = {
      // Two sailing vessels in one fairway, one of them clearly following it.
      {{"2", "2", "1", "4", "2"}, "", kA},
      {{"2", "2", "1", "3", "4", "1"}, "", kB},
      // Main and secondary fairway.
      {{"1", "1", "5", "1", "2", "3", "2"}, "# 25(4):", kB},
      {{"2", "2", "1", "4", "4", "3"}, "# 25(4):", kA},
      // Only one vessel follows the fairway.
      {{"1", "1", "3", "1", "4", "1"}, "# 25(2):", kA},
      {{"1", "2", "1", "1", "1", "2", "3"}, "# 25(2):", kB},
      // Overtaking.
      {{"1", "2", "1", "2", "1", "3", "3", "1", "2"}, "# 23:", kB},
      {{"1", "2", "5", "1", "4", "4", "1", "3"}, "# 23:", kA},
      // A narrow passage on opposite courses.
      {{"1", "1", "3", "1", "3", "3", "1", "1", "2", "2"}, "# 25(5):", kA},
      {{"2", "2", "1", "4", "4", "1", "1", "2", "3"}, "# 25(5):", kB},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tail(c.answers), urteil(c.paragraph, c.vorfahrt))
        << c.paragraph << " " << c.vorfahrt << " " << c.answers.size();
  }
}

TEST(WaterwaysRegimeTest, KeepToStarboardNamesWhoMustNotImpede) {
  const std::string kHead = R"(~50
 ****************** SeeSchStrO ***********************
 # 21 und 22:
 A und B halten scharf rechts, KVR#9
)";
  const std::string kFoot =
      " *****************************************************\n~2\n";
  // A large motor vessel and a fishing B: only the fisherman's remark.
  EXPECT_EQ(tail({"1", "2", "3", "1", "3", "3", "1", "1", "1"}),
            kHead + " (B als Fischer darf anderes Fzg im FW nicht behindern)\n" + kFoot);
  // A small motor vessel and a small power-driven B, no narrow passage.
  EXPECT_EQ(tail({"1", "1", "1", "1", "1", "4", "3", "1", "1", "2", "1"}),
            kHead + " (A darf dabei ein grosses Fahrzeug nicht behindern)\n" +
                " (B darf dabei ein grosses Fahrzeug nicht behindern)\n" + kFoot);
  // A not under command B counts as large.
  EXPECT_EQ(tail({"2", "5", "1", "3", "3", "1", "1", "1"}),
            kHead + " (A darf dabei ein grosses Fahrzeug nicht behindern)\n" + kFoot);
}

// The hand-over: the notice, sokvr's line only when both are in the fairway,
// then the KVR path without the fairway-situation question.
TEST(WaterwaysRegimeTest, HandOverToTheCollisionRegulations) {
  const Session outside =
      run_session(analysis({"2", "2", "1", "1", "1", "1", "1", "1", "2"}));
  EXPECT_NE(condense(outside.out).find(R"(        [Default:   3]    Input=
~50
 *************** SeeSchStrO **************************
 # 25(3): 
 ... also 2 Segler, ausweichen nach KVR ....wie folgt
 *****************************************************
~2
 Sichtverhaeltnisse ?
)"),
            std::string::npos);
  EXPECT_EQ(count(outside.out, "Welche Fahrwassersituation"), 0);

  const Session in_fairway =
      run_session(analysis({"1", "1", "1", "1", "1", "2", "2", "1", "1", "1"}));
  EXPECT_NE(condense(in_fairway.out).find(R"(        [Default:   1]    Input=
~50
 *************** SeeSchStrO **************************
 # 21:
 ... nicht dem FW folgend, Ausweichen nach KVR
 *****************************************************
 ... beide Schiffe im Fahrwasser.
~3
 -----------------------------------------------------
 Regel 9 - (Rechtsfahrgebot im engen Fahrwasser)
 A und B weichen untereinander nach KVR aus.
)"),
            std::string::npos);
}

/// The end of a question screen: the prompt block with its default, then the
/// screen clear after the answer.
std::string prompt(std::string_view shown) {
  return std::string("~1\n =====================================================\n") +
         "        [Default:   " + std::string(shown) + "]    Input=\n~50\n";
}

// Two large power-driven vessels that both follow one fairway meet in a narrow
// passage: every question of the regime is asked, each screen word for word.
TEST(WaterwaysRegimeTest, EveryQuestionScreenWordForWord) {
  const Session s =
      run_session(analysis({"1", "2", "1", "2", "1", "3", "4", "1", "1", "2", "3"}));
  EXPECT_EQ(between(s, " ... also gilt", " ****************** SeeSchStrO"),
            " ... also gilt die SeeSchifffahrtsStrassenOrdnung.\n"
            "~4\n"
            " Wie liegt A relativ zum Fahrwasser?\n"
            "~1\n"
            "   1=nicht im FW, 2=im FW, aber nicht folgend\n"
            "   3=im FW, etwa folgend, 4=im FW, deutlich folgend\n" +
                prompt("3") +
                " Wie liegt B relativ zum Fahrwasser?\n"
                "~1\n"
                "   1=nicht im FW, 2=im FW, aber nicht folgend\n"
                "   3=im FW, etwa folgend, 4=im FW, deutlich folgend\n" +
                prompt("3") +
                " Gibt es Haupt- und Nebenfahrwasser?\n"
                "~1\n"
                "   1=es gibt nur 1 Fahrwasser \n"
                "   2=B im Haupt-, A im Nebenfahrwasser\n"
                "   3=A im Haupt-, B im Nebenfahrwasser\n" +
                prompt("1") +
                " Ist einer der beiden A oder B ein Ueberholer ?\n"
                "~1\n"
                "   1=Nein\n"
                "   2=A ueberholt B\n"
                "   3=B ueberholt A\n" +
                prompt("1") +
                " Fahren A und B entgegengesetzte Kurse? \n"
                "~1\n"
                "   1=Nein   2=JA\n" +
                prompt("1") +
                " Gibt es beim Begegnen eine Engstelle ?\n"
                "~1\n"
                "   1=Nein\n"
                "   2=A faehrt mit (zukuenftiger) Stroemung\n"
                "      (bzw. haelt die Steuerbord-FW-Seite an)\n"
                "   3=B faehrt mit (zukuenftiger) Stroemung\n"
                "      (bzw. haelt die Steuerbord-FW-Seite an)\n" +
                prompt("1"));
  EXPECT_EQ(verdict(s), urteil("# 25(5):", kB));
}

// After a hand-over, one vessel in the fairway is not both: no fairway line and
// no rule 9 block, the open-sea path straight on to the visibility question.
TEST(WaterwaysRegimeTest, HandOverWithOneVesselOutsideTheFairway) {
  const std::string kNotice = R"( *************** SeeSchStrO **************************
 # 21:
 ... nicht dem FW folgend, Ausweichen nach KVR
 *****************************************************
~2
)";
  for (std::string_view kafw : {"1", "2"}) {
    const std::string_view kbfw = kafw == "1" ? "2" : "1";
    const Session s =
        run_session(analysis({"1", "2", "1", "2", "1", kafw, kbfw, "1", "1"}));
    EXPECT_EQ(between(s, " *************** SeeSchStrO", " Sichtverhaeltnisse ?"), kNotice)
        << kafw << kbfw;
  }
}

// The crash-gybe note reads wind sides that only the encounter analysis asks.
TEST(WaterwaysRegimeTest, CrashGybeNoteNeedsEqualWindSidesFromAnEarlierAnalysis) {
  const auto opposite = analysis({"2", "2", "1", "4", "4", "1", "1", "2", "1"});
  const std::string kNote = " ... das duerfte eine Patenthalse geben!\n~1\n";
  EXPECT_EQ(count(run_session(opposite).out, "Patenthalse"), 0);

  const auto same_wind = analysis({"2", "2", "2", "1", "1", "1", "1", "1", "1"});
  const Session s = run_session(same_wind + opposite);
  EXPECT_EQ(verdict(s, 1).substr(0, 4 + kNote.size()), "~50\n" + kNote);
  EXPECT_NE(verdict(s, 1).find(" # 21 und 22:\n"), std::string::npos);
}

// Codes set without a question: kent becomes 1 after overtaking, keng keeps
// its answer, khnfw becomes 1 when a vessel is outside the fairway.
TEST(WaterwaysRegimeTest, SkippedQuestionsLeaveTheirDefaults) {
  const Session s =
      run_session(analysis({"1", "2", "1", "2", "1", "3", "3", "1", "1", "2", "3"}) +
                  analysis({"", "", "", "", "", "", "", "", "2"}) +
                  analysis({"", "", "", "", "", "", "", "", "1", "2", "0"}));
  EXPECT_EQ(defaults(s), (std::vector<int>{2, 1, 2, 1, 2, 3, 3, 1, 1, 1, 1,  //
                                           1, 2, 1, 2, 1, 3, 3, 1, 1,        //
                                           1, 2, 1, 2, 1, 3, 3, 1, 2, 1, 3}));
}

}  // namespace
}  // namespace ausweich::testing
