#include <gtest/gtest.h>

#include "console/run_advisor.h"
#include "screen_markers.h"
#include "session.h"

namespace ausweich::testing {
namespace {

const std::string kTitleAndInfo = R"(~51
                                            [v_4]
              Ausweichregeln  
        fuer Segel- oder Motor-Schiffe 
~1
              im Bereich der 
~1
 ******************************************************
      FAHRWASSER & SEESCHIFFFAHRTSSTRASSEN, 
      ( => SeeSchifffahrtsStrassenOrdnung )
 ******************************************************
~1
             sowie im Bereich der 
~1
 ######################################################
                 HOHEN SEE 
      ( => Kollisionsverhuetungsregeln, KVR )
 ######################################################
~2
                                       <[enter]...> 
~30
 -----------------------------------------------------
 Info:  Prinzip der Situationsanalyse:
~1
 1) Ident A, B (A=Segel/Motor-Schiff, B=beliebig)
 2) SeeSchifffahrtsStrassenOrdnung:
       (KVR#9); #23, #24, #25(2,4,5)
 3) KVR:
       KVR#9,10,19,13,12,18,14,15
~1
 (Begegnungen z.B. von 2 Fischern werden analog
 zur Begegnung von 2 Motor-Schiffen behandelt).
 -----------------------------------------------------
 NOTE:  No guarantee whatsoever, handle with care !!!
~1
     <...Hit RETURN to continue>
~30
)";

const std::string kPrompt = R"(~1
 =====================================================
)";

// Two motor vessels on the high seas: every opening question with its menu,
// the length questions included, then open sea, clear visibility, rules 14/15.
TEST(MainLoopTest, FirstAnalysisScreenByScreen) {
  const Session s =
      run_session(analysis({"1", "2", "1", "", "2", "", "", ""}) + analysis({"0"}));
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(s.err, "");
  EXPECT_EQ(condense(s.out), kTitleAndInfo + R"( Typ des  Schiffes   A ?
~1
      1=Motorschiff,     2=Segler [0=stop]
)" + kPrompt + R"(        [Default:   2]    Input=
~50
 Laenge des  Schiffes A ?                
~1
    1= kleiner 20m , 2= groesser 20m 
)" + kPrompt + R"(        [Default:   1]    Input=
~50
 Typ des Gegners B ?
~1
  1=Maschine,    2=Segler 
  3=fischend,    4=manoevr.behind.   5=manoev.unf. 
  6=tiefgangbehindert
~1
 (Bei Nebel egal ob 2,3,4,5 oder 6!) 
)" + kPrompt + R"(        [Default:   2]    Input=
~50
 Laenge des Schiff B?                
~1
    1= kleiner 20m , 2= groesser 20m,  [0=stop])
)" + kPrompt + R"(        [Default:   1]    Input=
~50
 Welches Seegebiet?
~1
 1=SeeSchifffahrtsStrassen       2=Hohe See (KVR)
      (KVR=Kollosionsverhuetungsregeln) 
)" + kPrompt + R"(        [Default:   2]    Input=
~52
 Welche Fahrwassersituation liegt vor?
~1
   1=freier Seeraum, 2=Fahrwasser, 
   3=Verkehrstrennungsgebiet (VTG)
~1
 (Es gelten jetzt die Regeln nach KVR)
)" + kPrompt + R"(        [Default:   1]    Input=
~50
 Sichtverhaeltnisse ?
~1
    1= klare Sicht;  2= Nebel, verminderte Sicht
)" + kPrompt + R"(        [Default:   1]    Input=
~51
 Ist einer der beiden A oder B ein Ueberholer ?
~1
   1=Nein
   2=A ueberholt B
   3=B ueberholt A
)" + kPrompt + R"(        [Default:   1]    Input=
~50
 #####################################################
                   Maschinenfahrzeuge:
 Regel 14 - Entgegengesetzte Kurse:
 Beide weichen nach Steuerbord aus.
 Regel 15 - Kreuzende Kurse:
 Wer den Anderen an Steuerbord sieht, muss ausweichen
 (Nicht vor dem Bug des anderen Schiffs kreuzen).
 #####################################################
~2
             <=== ENDE der ANALYSE ===>
~1
                                        [enter]....
)" + kTitleAndInfo + R"( Typ des  Schiffes   A ?
~1
      1=Motorschiff,     2=Segler [0=stop]
)" + kPrompt + R"(        [Default:   1]    Input=
 #################### Ende des Programms ############
)");
}

TEST(MainLoopTest, LengthsAskedOnlyForAMotorVesselAAndAPowerDrivenB) {
  const char* kLengthA = "Laenge des  Schiffes A ?";
  const char* kLengthB = "Laenge des Schiff B?";
  for (const char* kb1 : {"2", "3", "4", "5", "6"}) {
    const Session s = run_session(analysis({"2", kb1, "0"}));
    EXPECT_EQ(count(s.out, kLengthA) + count(s.out, kLengthB), 0) << kb1;
  }
  const Session s = run_session(analysis({"1", "", "1", "0"}));
  EXPECT_EQ(count(s.out, kLengthA), 1);
  EXPECT_EQ(count(s.out, kLengthB), 1);
}

TEST(MainLoopTest, ZeroAtEveryOpeningQuestionEndsAtOnce) {
  const std::string kEnd = line(kQuitLine);
  for (auto answers : {analysis({"0"}), analysis({"1", "0"}),
                       analysis({"1", "", "1", "0"}), analysis({"", "", "-1"})}) {
    const Session s = run_session(answers);
    EXPECT_EQ(s.status, 0);
    ASSERT_GE(s.out.size(), kEnd.size());
    EXPECT_EQ(s.out.substr(s.out.size() - kEnd.size()), kEnd);
    EXPECT_EQ(count(s.out, "ENDE der ANALYSE"), 0);
  }
}

TEST(MainLoopTest, RefusedAnswersAreAskedAgain) {
  const Session s = run_session(analysis({"", "7", "3", "3", "2", "0"}));
  EXPECT_EQ(count(s.out, " falsche Eingabe : 7\n"), 1);
  EXPECT_EQ(count(s.out, " falsche Eingabe : 3\n"), 1);
  EXPECT_EQ(defaults(s), (std::vector<int>{2, 2, 2, 2, 2, 1}));
}

// The record is set once: every answer is the next analysis's default, also
// a motor vessel's length after the vessel has become a sailing vessel.
TEST(MainLoopTest, AnswersBecomeTheNextAnalysisDefaults) {
  const Session s = run_session(analysis({"1", "2", "1", "2", "", "1", "", ""}) +
                                analysis({"2", "3", "", "", "", ""}) +
                                analysis({"1", "", "1", "", "0"}));
  EXPECT_EQ(defaults(s), (std::vector<int>{2, 1, 2, 1, 2, 1, 1, 1,  // first analysis
                                           1, 1, 2, 1, 1, 1,        // second
                                           2, 2, 3, 2, 2}));        // third
}

TEST(MainLoopTest, EndOfInputAtAnEnterWaitRunsOnToTheNextRead) {
  const Session s = run_session("");
  EXPECT_EQ(s.status, 2);
  EXPECT_EQ(s.err, "read start: end of file\n");
  EXPECT_EQ(condense(s.out), kTitleAndInfo.substr(0, kTitleAndInfo.size() - 4));
}

}  // namespace
}  // namespace ausweich::testing
