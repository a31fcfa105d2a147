#include "analysis/begegnungsregeln.h"

#include <gtest/gtest.h>

#include "screen_markers.h"
#include "session.h"

namespace ausweich::testing {
namespace {

const std::string kFrame = line(kFrameLine);

/// The lines inside the verdict frame of the first analysis.
std::string framed(const Session& s) {
  const std::string v = verdict(s);
  const std::size_t open = v.find(kFrame);
  const std::size_t close = v.rfind(kFrame);
  if (open == std::string::npos || open == close) return "<no frame>";
  return v.substr(open + kFrame.size(), close - open - kFrame.size());
}

/// Message lines, condensed: an empty text stands for an empty line.
std::string lines(std::initializer_list<std::string_view> texts) {
  std::string s;
  for (std::string_view t : texts)
    s.append(t.empty() ? "~1" : " ").append(t).append("\n");
  return s;
}

TEST(EncounterRulesTest, RestrictedVisibilityGoesBeforeEverything) {
  const Session s = run_session(analysis({"2", "2", "2", "1", "2", "1"}));
  EXPECT_NE(condense(s.out).find(R"(        [Default:   1]    Input=
~50
 #####################################################
 Verminderte Sicht,
 (die ganze Zeit mit sicherer Geschwindigkeit fahren!)
 Regel 19: Jeder muss jedem ausweichen
 #####################################################
~2
 Wollen Sie Zusatzinformationen zu Regel 19 KVR?
)"),
            std::string::npos);
  EXPECT_EQ(count(s.out, "Ueberholer"), 0);
  EXPECT_EQ(count(s.out, "Wind, von welcher Seite"), 0);
}

TEST(EncounterRulesTest, OvertakingGoesBeforeTheTypes) {
  const Session a = run_session(analysis({"2", "2", "2", "1", "1", "2"}));
  EXPECT_EQ(framed(a), lines({"Regel 13: A muss als Ueberholer ausweichen"}));
  EXPECT_EQ(count(a.out, "Wind, von welcher Seite"), 0);
  const Session b = run_session(analysis({"1", "1", "3", "2", "1", "1", "3"}));
  EXPECT_EQ(framed(b), lines({"Regel 13: B muss als Ueberholer ausweichen"}));
}

TEST(EncounterRulesTest, Rule12WindSidesAndWindwardPosition) {
  const std::string kUnclear =
      lines({"A kann die Segelstellung auf B nicht klar erkennen,",
             "umgekehrt muss das Gleiche angenommen werden", ""});
  struct Case {
    std::string_view ka3, kb3, kluv;  // kluv empty: the windward question is not asked
    std::string before_frame, in_frame;
  } cases[] = {
      {"1", "2", "", "", lines({"Regel 12a(i): A ist ausweichpflichtig"})},
      {"2", "1", "", "", lines({"Regel 12a(i): B ist ausweichpflichtig"})},
      {"1", "1", "1", "", lines({"Regel 12a(ii): A ist ausweichpflichtig"})},
      {"2", "2", "2", "", lines({"Regel 12a(ii): B ist ausweichpflichtig"})},
      {"1", "3", "2", kUnclear, lines({"Regel 12a(iii): A ist ausweichpflichtig"})},
      {"1", "4", "1", kUnclear, lines({"Regel 12a(i,ii): A ist ausweichpflichtig"})},
      {"2", "3", "2", kUnclear, lines({"Regel 12a(i,ii): B ist ausweichpflichtig"})},
      {"2", "4", "1", kUnclear,
       lines({"Wenn B anscheinend nicht ausweicht, muss A im Zweifel",
              "nach Regel 2(a) damit rechnen, dass B in LEE liegend",
              "Wind auch von StB hat.",
              "Dann gilt Regel 12a(ii)):   A ist ausweichpflichtig"})},
  };
  for (const Case& c : cases) {
    const Session s =
        run_session(analysis({"2", "2", "2", "1", "1", "1", c.ka3, c.kb3, c.kluv}));
    EXPECT_EQ(verdict(s), "~50\n" + c.before_frame + std::string(kFrame) + c.in_frame +
                              std::string(kFrame) + "~2\n")
        << c.in_frame;
    EXPECT_EQ(count(s.out, "Wie liegt A zu B relativ zum Wind?"), c.kluv.empty() ? 0 : 1);
  }
  // A wind side of B that A cannot recognise: port or starboard makes no difference.
  EXPECT_EQ(run_session(analysis({"2", "2", "2", "1", "1", "1", "2", "3", "1"})).out,
            run_session(analysis({"2", "2", "2", "1", "1", "1", "2", "4", "1"})).out);
}

// Only after a hand-over, and only when the vessel roughly following the
// fairway is the one that must give way to a vessel outside it.
TEST(EncounterRulesTest, FairwayRemarkAfterRule12) {
  const auto via_waterways = [](std::string_view kafw, std::string_view kbfw,
                                std::string_view ka3, std::string_view kb3) {
    return framed(run_session(analysis({"2", "2", "1", kafw, kbfw, "1", "1", ka3, kb3})));
  };
  EXPECT_EQ(via_waterways("3", "1", "1", "2"),
            lines({"Regel 12a(i): A ist ausweichpflichtig", "",
                   "(Aber: A folgt immerhin grob dem FW, B ist ausserhalb,",
                   "B sollte kein Vorfahrtsrecht durchzusetzen versuchen!)"}));
  EXPECT_EQ(via_waterways("1", "3", "2", "1"),
            lines({"Regel 12a(i): B ist ausweichpflichtig", "",
                   "(Aber: B folgt immerhin grob dem FW, A ist ausserhalb,",
                   "A sollte kein Vorfahrtsrecht durchzusetzen versuchen!)"}));
  EXPECT_EQ(via_waterways("3", "1", "2", "1"),
            lines({"Regel 12a(i): B ist ausweichpflichtig"}));
  EXPECT_EQ(via_waterways("2", "1", "1", "2"),
            lines({"Regel 12a(i): A ist ausweichpflichtig"}));

  // The direct path never writes the remark, whatever the fairway codes hold.
  const Session direct =
      run_session(analysis({"2", "2", "1", "3", "1", "1", "1", "1", "2"}) +
                  analysis({"", "", "2", "1", "", "", "", ""}));
  EXPECT_EQ(count(direct.out, "(Aber: A folgt immerhin grob dem FW"), 1);
  EXPECT_EQ(verdict(direct, 1).find("(Aber:"), std::string::npos);
}

// The wind and windward questions, each screen word for word.
TEST(EncounterRulesTest, WindAndWindwardScreensWordForWord) {
  const std::string kPromptHead =
      "~1\n" + line(kPromptRule) + std::string(testing::kPromptHead) + "  ";
  const Session s = run_session(analysis({"2", "2", "2", "1", "1", "1", "2", "3", "1"}));
  EXPECT_EQ(between(s, " Wind, von welcher Seite", " A kann die Segelstellung"),
            " Wind, von welcher Seite fuer eigenes Schiff A ?\n"
            "~1\n"
            " 1=von BB\n"
            " 2=von StB\n" +
                kPromptHead + "2]    Input=\n~50\n" +
                " Wind, von welcher Seite fuer gegner. Schiff B ?\n"
                "~1\n"
                " 1=von BB,  3= BB,  aber vom A nicht erkennbar!\n"
                " 2=von StB, 4= StB, aber vom A nicht erkennbar!\n" +
                kPromptHead + "3]    Input=\n~50\n" +
                " Wie liegt A zu B relativ zum Wind?\n"
                "~1\n"
                "   1= A ist in LUV (von B)\n"
                "   2= A ist in LEE (von B)\n" +
                kPromptHead + "1]    Input=\n~50\n");
}

// The fairway remark follows the vessel that each rule 12 verdict obliges to
// give way, on the paths where the windward question decides.
TEST(EncounterRulesTest, FairwayRemarkFollowsEveryWindwardVerdict) {
  const std::string kRemarkA =
      lines({"", "(Aber: A folgt immerhin grob dem FW, B ist ausserhalb,",
             "B sollte kein Vorfahrtsrecht durchzusetzen versuchen!)"});
  const std::string kRemarkB =
      lines({"", "(Aber: B folgt immerhin grob dem FW, A ist ausserhalb,",
             "A sollte kein Vorfahrtsrecht durchzusetzen versuchen!)"});
  const std::string kDoubt = lines(
      {"Wenn B anscheinend nicht ausweicht, muss A im Zweifel",
       "nach Regel 2(a) damit rechnen, dass B in LEE liegend", "Wind auch von StB hat.",
       "Dann gilt Regel 12a(ii)):   A ist ausweichpflichtig"});
  struct Case {
    std::string_view kafw, kbfw, ka3, kb3, kluv;
    std::string in_frame;
  } cases[] = {
      {"3", "1", "1", "3", "2",
       lines({"Regel 12a(iii): A ist ausweichpflichtig"}) + kRemarkA},
      {"1", "3", "1", "4", "2", lines({"Regel 12a(iii): A ist ausweichpflichtig"})},
      {"3", "1", "1", "3", "1",
       lines({"Regel 12a(i,ii): A ist ausweichpflichtig"}) + kRemarkA},
      {"1", "3", "2", "4", "2",
       lines({"Regel 12a(i,ii): B ist ausweichpflichtig"}) + kRemarkB},
      {"3", "1", "2", "3", "1", kDoubt + kRemarkA},
      {"3", "1", "1", "1", "1",
       lines({"Regel 12a(ii): A ist ausweichpflichtig"}) + kRemarkA},
      {"1", "3", "2", "2", "2",
       lines({"Regel 12a(ii): B ist ausweichpflichtig"}) + kRemarkB},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(framed(run_session(analysis(
                  {"2", "2", "1", c.kafw, c.kbfw, "1", "1", c.ka3, c.kb3, c.kluv}))),
              c.in_frame)
        << c.kafw << c.kbfw << c.ka3 << c.kb3 << c.kluv;
  }
}

TEST(EncounterRulesTest, Rule18TheLowerTypeGivesWay) {
  const std::string kDraught =
      lines({"A darf das tiefgangbehinderte Fzg. nicht behindern,",
             "muss also versuchen, den Weg freizumachen (KVR#8fii)."});
  const std::string kHead = lines({"Regel 18 - Fahrzeuge untereinander:"});
  const std::string kA = lines({"A ist ausweichpflichtig"});
  const std::string kB = lines({"B ist ausweichpflichtig"});
  struct Case {
    std::initializer_list<std::string_view> answers;
    std::string lines;
  } cases[] = {
      {{"1", "1", "2", "2", "1", "1", "1"}, kA},
      {{"1", "2", "3", "2", "1", "1", "1"}, kA},
      {{"1", "1", "4", "2", "1", "1", "1"}, kA},
      {{"1", "1", "5", "2", "1", "1", "1"}, kA},
      {{"1", "2", "6", "2", "1", "1", "1"}, kDraught + kA},
      {{"2", "1", "2", "2", "1", "1", "1"}, kB},
      {{"2", "3", "2", "1", "1", "1"}, kA},
      {{"2", "4", "2", "1", "1", "1"}, kA},
      {{"2", "5", "2", "1", "1", "1"}, kA},
      {{"2", "6", "2", "1", "1", "1"},
       kDraught + lines({"A ist also NICHT Kurshalter.   Aber: ",
                         "Wenn jetzt Nahbereichslage eingetreten ist, muss",
                         "das tiefgangbehinderte Maschinenfahrzeug B trotz",
                         "der Tiefgangbehinderung versuchen, dem Fahrzeug A",
                         "auszuweichen, bzw. aufzustoppen (KVR#8fiii)."})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(framed(run_session(analysis(c.answers))), kHead + c.lines) << c.lines;
  }
}

TEST(EncounterRulesTest, PowerDrivenVesselsWhateverTheirLengths) {
  const std::string small =
      verdict(run_session(analysis({"1", "1", "1", "1", "2", "1", "1", "1"})));
  EXPECT_EQ(verdict(run_session(analysis({"1", "2", "1", "2", "2", "1", "1", "1"}))),
            small);
  EXPECT_NE(small.find(" Regel 14 - Entgegengesetzte Kurse:\n"), std::string::npos);
}

// Rules 14 and 15 at a known bearing: head-on both alter course to
// starboard; crossing, the vessel that has the other on her own starboard
// side keeps out of the way: A where B comes from starboard, B where B comes
// from port. At an open bearing the rules stand in general.
TEST(EncounterRulesTest, Rules14And15AtABearing) {
  const struct {
    Peilung peilung;
    Klasse klasse;
    std::string_view stelle;
  } cases[] = {
      {Peilung::recht_voraus_gegenkurs, Klasse::beide_muessen_ausweichen,
       "KVR Regel 14 a)"},
      {Peilung::kreuzt_von_stb, Klasse::a_muss_ausweichen, "KVR Regel 15"},
      {Peilung::kreuzt_von_bb, Klasse::b_muss_ausweichen, "KVR Regel 15"},
      {Peilung::offen, Klasse::keine, "KVR Regeln 14 und 15"},
  };
  for (const auto& c : cases) {
    const Pflicht p = regeln14_15(c.peilung);
    EXPECT_EQ(klasse(p), c.klasse) << c.stelle;
    EXPECT_EQ(eintrag(p.regel).zitat, c.stelle);
  }
}

}  // namespace
}  // namespace ausweich::testing
