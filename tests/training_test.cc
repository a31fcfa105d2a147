// The training mode: every encounter it can draw is fair and, replayed in
// the advisor with the replies it shows, gives the explanation it shows; the
// draw of a class; and training runs as a learner meets them.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/invocation.h"
#include "gesetz.h"
#include "picture/bilder.h"
#include "program.h"
#include "session.h"
#include "string_terminal.h"
#include "training/aufgabe.h"
#include "training/begegnung.h"
#include "training/uebung.h"
#include "training/ziehung.h"

namespace ausweich::testing {
namespace {

std::string replay_name(const Begegnung& b) {
  std::string name = "Enter, Enter";
  for (const int c : b.replies()) name += ", " + std::to_string(c);
  return name;
}

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
/// assumptions, and no two of its lines contradict each other.
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
  for (const std::string_view satz : run.assumptions())
    EXPECT_TRUE(has(text, satz)) << text;
  for (const auto& [one, other] : kContradictions) {
    EXPECT_FALSE(has(text, one) && has(text, other)) << text;
  }
}

Gefragt asked(const DrawnRun& run) {
  Gefragt felder;
  for (const DrawnRun::Answer& a : run.answers()) {
    if (!a.after_verdict) felder.insert(a.frage->feld);
  }
  return felder;
}

std::set<Klasse> classes(std::span<const Pflicht> duties) {
  std::set<Klasse> k;
  for (const Pflicht& p : duties) k.insert(klasse(p));
  return k;
}

std::string names(const std::set<Klasse>& k) {
  std::string s;
  for (const Klasse c : k) s += std::string(in_worten(c)) + "; ";
  return s;
}

/// Both vessels follow the same fairway or lane the same way with nobody
/// overtaking, or one overtakes the other across the fairway or lane that
/// the other follows: facts without an encounter, or that cannot be.
bool without_encounter_or_impossible(const Situation& s, const Gefragt& f) {
  const bool overtaking = s.kueb != keiner_ueberholt && f.count(&Situation::kueb);
  if (f.count(&Situation::kavt)) {
    const bool both = s.kavt == im_einbahnweg_folgend && s.kbvt == im_einbahnweg_folgend;
    const bool across =
        (s.kavt == im_einbahnweg_folgend) != (s.kbvt == im_einbahnweg_folgend);
    return (both && !overtaking) || (across && overtaking);
  }
  if (!f.count(&Situation::kafw)) return false;
  const bool both = s.kafw >= im_fw_folgend && s.kbfw >= im_fw_folgend;
  const bool same_way =
      s.kvr == hohe_see || (f.count(&Situation::kent) && s.kent != gegenkurse);
  const bool across = (s.kafw >= im_fw_folgend) != (s.kbfw >= im_fw_folgend);
  return (both && same_way && !overtaking) || (across && overtaking);
}

// Not a sample: every encounter the training can draw. Each is replayed in
// the advisor from a fresh start with exactly the replies the training
// shows, and each section of the explanation must stand in the advisor's
// output, whole and in order. The description names every fact without
// contradiction. The classes that count are those the law gives for the
// facts (tests/gesetz.cc, written apart from the analyses), the deciding
// one and the partly right ones too; every class the advisor's own lines
// state is right or partly right; and no item lacks an encounter, is
// undecided or cannot happen.
TEST(TrainingTest, EveryDrawableEncounterIsSetAsAnExaminerWould) {
  struct Alle final : Visitor {
    std::vector<Begegnung> liste;
    void visit(const Begegnung& b) override { liste.push_back(b); }
  } alle;
  jede_begegnung(alle);
  std::set<std::string> seen;
  std::set<Regel> deciding;
  for (const Begegnung& b : alle.liste) {
    const std::string name = replay_name(b) + " " + std::string(in_worten(b.peilung));
    SCOPED_TRACE(name);
    ASSERT_TRUE(seen.insert(name).second) << "drawable twice";
    const Aufgabe a(b);
    const DrawnRun& run = a.run();
    ASSERT_TRUE(run.complete());
    ASSERT_EQ(klasse(a.entscheidung()), b.klasse);
    ASSERT_EQ(a.entscheidung().regel, b.regel);
    deciding.insert(b.regel);
    const Situation& s = a.situation();
    const Gefragt f = asked(run);
    EXPECT_FALSE(without_encounter_or_impossible(s, f));

    const Gesetz law = gesetz(s, b.peilung, f);
    EXPECT_EQ(names(classes(a.richtige())), names(law.richtig));
    EXPECT_EQ(klasse(a.entscheidung()), law.entscheidet);
    for (Code k = 1; k <= 6; ++k) {
      const bool partly = a.loesung().bewerte(k) == Bewertung::teilweise_richtig;
      EXPECT_EQ(partly, law.teilweise.count(static_cast<Klasse>(k)) > 0) << "class " << k;
    }
    for (const Klasse k : run.stated()) {
      EXPECT_TRUE(law.richtig.count(k) || law.teilweise.count(k))
          << "the screen states " << in_worten(k);
    }

    const std::string analysis = advisor_analysis(b);
    std::size_t at = 0;
    std::array<std::span<const DrawnRun::Line>, 16> sections;
    const std::size_t n = run.sections(sections);
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
    check_description(a, run);
  }
  std::cout << "[ training ] " << alle.liste.size() << " drawable encounters, decided by "
            << deciding.size() << " rules\n";
  // Every rule that a duty can name decides some item, but the general ones;
  // the rules on lights and shapes name no duty.
  for (const Eintrag& e : regelbuch()) {
    if (e.gebot == Gebot::allgemein || e.gebot == Gebot::kennzeichnen ||
        e.regel == Regel::kvr_9_a) {
      continue;
    }
    const bool decides = deciding.count(e.regel) > 0;
    const bool beside = e.regel == Regel::see_24_1 || e.regel == Regel::kvr_9_a;
    EXPECT_TRUE(decides || beside) << e.zitat;
  }
}

// 400 items as the learners draw them (seeds 1 to 40, ten each): the mix is
// the exam's, and no right answer is marked wrong nor a wrong one right.
TEST(TrainingTest, FortyDrawsMixLikeTheExamAndMarkEveryAnswerByTheLaw) {
  std::map<std::string_view, int> groups;
  int items = 0;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    Random zufall(seed);
    const Ziehung z = ziehe(10, zufall);
    ASSERT_EQ(z.anzahl, 10u);
    for (const Begegnung& b : z.begegnungen()) {
      ++items;
      ++groups[mischung()[gruppe(b.regel)].name];
      const Aufgabe a(b);
      const Gesetz law = gesetz(a.situation(), b.peilung, asked(a.run()));
      for (Code k = 1; k <= 6; ++k) {
        EXPECT_EQ(a.richtig(k), law.richtig.count(static_cast<Klasse>(k)) > 0)
            << replay_name(b) << " answer " << k;
      }
    }
  }
  const auto share = [&](std::string_view group) {
    return 100.0 * groups[group] / items;
  };
  for (const Gruppe& g : mischung())
    std::cout << "[ mix ] " << g.name << ": " << share(g.name) << " %\n";
  EXPECT_GE(share("Regel 18"), 15);
  EXPECT_GE(share("§ 25 Abs. 2 und 4"), 10);
  EXPECT_GE(share("Regeln 9 b) bis d), 10 i) und j)"), 10);
  EXPECT_GE(share("Regel 12"), 10);
  EXPECT_GE(share("Regeln 14 und 15"), 10);
  EXPECT_LE(share("Regel 13, § 23"), 15);
  EXPECT_LE(share("Regel 19"), 8);
}

constexpr auto training = run_program;

// The training's texts as a learner reads them, pinned: the introduction,
// descriptions, the question, refused replies, a right, a wrong and a partly
// right answer with their reasons, the note where the advisor's lines say
// less than the law, the advisor's lines, the replay line, the repeats, the
// score by topic with its pass mark.
TEST(TrainingTest, AFixedRunWritesExactlyThis) {
  std::ifstream file(AUSWEICH_TRAINING_TRANSCRIPT, std::ios::binary);
  ASSERT_TRUE(file) << AUSWEICH_TRAINING_TRANSCRIPT;
  std::ostringstream expected;
  expected << file.rdbuf();
  constexpr std::string_view kInput = "7\n1\n\n5\n\nx\n4\n\n6\n\n1\n\n2\n\n";
  const Program run = training(kInput, {"--uebung", "--seed", "6", "--anzahl", "4"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, expected.str());
  // The same seed draws the same, another seed others.
  EXPECT_EQ(training(kInput, {"--uebung", "--seed=6", "--anzahl=4"}).out, run.out);
  EXPECT_NE(training(kInput, {"--uebung", "--seed", "7", "--anzahl", "4"}).out, run.out);
}

// The same fixed run as a face beside the console hears it: each answer
// judged once, with the class named as right, the topic it counts under and
// the item by its draw and number, repeats marked.
TEST(TrainingTest, EachAnswerIsJudgedForTheFacesBesideTheConsole) {
  struct Gesicht final : Dialogue, Listener {
    Gesicht() : Dialogue(static_cast<Listener&>(*this)) {}
    void read_answer(const Frage&, Code&) override {}
    void read_enter() override {}
    Code read_choice(const Frage&) override { return antworten.at(gelesen++); }
    void judged(const Beurteilung& b) override { urteile.push_back(b); }
    std::vector<Code> antworten{1, 5, 4, 6, 1, 2};
    std::size_t gelesen = 0;
    std::vector<Beurteilung> urteile;
  } gesicht;
  Uebung(4, 6).run(gesicht);
  using B = Bewertung;
  using K = Klasse;
  struct Erwartet {
    B bewertung;
    K richtig;
    int nummer;
    bool wiederholung;
  };
  // As tests/data/training_seed_6.txt shows them.
  const Erwartet erwartet[] = {
      {B::richtig, K::a_muss_ausweichen, 1, false},
      {B::teilweise_richtig, K::b_muss_ausweichen, 2, false},
      {B::falsch, K::b_muss_ausweichen, 3, false},
      {B::richtig, K::beide_fahren_rechts, 4, false},
      {B::falsch, K::b_muss_ausweichen, 2, true},
      {B::richtig, K::b_muss_ausweichen, 3, true},
  };
  ASSERT_EQ(gesicht.urteile.size(), std::size(erwartet));
  for (std::size_t i = 0; i < std::size(erwartet); ++i) {
    const Beurteilung& b = gesicht.urteile[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(b.bewertung, erwartet[i].bewertung);
    EXPECT_EQ(b.gewaehlt, in_worten(static_cast<K>(gesicht.antworten[i])));
    EXPECT_EQ(b.richtig, in_worten(erwartet[i].richtig));
    EXPECT_EQ(b.art, Uebungsart::begegnungen);
    EXPECT_EQ(b.seed, 6u);
    EXPECT_EQ(b.nummer, erwartet[i].nummer);
    EXPECT_EQ(b.wiederholung, erwartet[i].wiederholung);
  }
  EXPECT_EQ(titel(gesicht.urteile[0].thema),
            "Segelfahrzeuge untereinander (KVR Regel 12)");
  EXPECT_EQ(titel(gesicht.urteile[2].thema), "Überholen (KVR Regel 13, § 23 SeeSchStrO)");

  // Named again, the items keep their origin.
  const Herkunft nochmal[] = {{6, 3}, {6, 2}};
  gesicht.antworten = {2, 2};
  gesicht.gelesen = 0;
  gesicht.urteile.clear();
  Uebung(nochmal).run(gesicht);
  ASSERT_EQ(gesicht.urteile.size(), 2u);
  EXPECT_EQ(gesicht.urteile[0].nummer, 3);
  EXPECT_EQ(gesicht.urteile[0].bewertung, B::richtig);
  EXPECT_EQ(gesicht.urteile[1].nummer, 2);
  EXPECT_FALSE(gesicht.urteile[1].wiederholung);
}

// Every new item answered wrongly, every repeat rightly: each comes back
// three new items later or at the end. The score counts first answers, by
// the topic of the rule that decided each, against the pass mark, and names
// each missed item once.
TEST(TrainingTest, MissedItemsComeBackAndTheScoreCountsFirstAnswers) {
  constexpr std::uint64_t kSeed = 2026;
  Random zufall(kSeed);
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
  std::string want =
      " Ergebnis: 0 von 5 richtig (0 %): nicht bestanden, bestanden ist ab 80 %\n"
      " Wiederholungen: 5 von 5 richtig\n";
  std::map<Thema, int> per_topic;
  for (std::size_t i = 0; i < 5; ++i) {
    ++per_topic[eintrag(Aufgabe(z.lagen[i]).entscheidung().regel).thema];
  }
  for (const Thema t : kThemen) {
    if (per_topic[t] == 0) continue;
    want += "   " + std::string(titel(t)) + ": 0 von " + std::to_string(per_topic[t]) +
            " richtig\n";
  }
  want += " Nicht richtig beantwortet:\n";
  for (std::size_t i = 0; i < 5; ++i) {
    want += "   Lage " + std::to_string(i + 1) + ": " +
            std::string(titel(eintrag(Aufgabe(z.lagen[i]).entscheidung().regel).thema)) +
            "\n";
  }
  const std::size_t score = run.out.rfind(" Ergebnis: ");
  ASSERT_NE(score, std::string::npos);
  EXPECT_EQ(run.out.substr(score, want.size()), want);
}

// The score marks the pass: four of five right is 80 %, and passes.
TEST(TrainingTest, FourOfFiveRightPass) {
  Random zufall(7);
  const Ziehung z = ziehe(5, zufall);
  std::string input;
  for (std::size_t i = 0; i < 5; ++i) {
    const Aufgabe a(z.lagen[i]);
    for (Code k = 1; k <= 6; ++k) {
      if (a.richtig(k) == (i != 2)) {
        input += std::to_string(k) + "\n\n";
        break;
      }
    }
  }
  const Program run =
      training(input + "1\n\n", {"--uebung", "--seed", "7", "--anzahl", "5"});
  EXPECT_NE(run.out.find(
                " Ergebnis: 4 von 5 richtig (80 %): bestanden, bestanden ist ab 80 %\n"),
            std::string::npos)
      << run.out.substr(run.out.rfind(" Ergebnis"));
  EXPECT_NE(run.out.find("   Lage 3: "), std::string::npos);
}

// A partly right answer: the weaker duty of the vessel that must give way
// is named as such, and counts as not right.
TEST(TrainingTest, AWeakerDutyIsPartlyRight) {
  struct Erste final : Visitor {
    std::vector<Begegnung> liste;
    void visit(const Begegnung& b) override {
      if (liste.empty() && b.regel == Regel::kvr_13_a &&
          b.klasse == Klasse::a_muss_ausweichen) {
        liste.push_back(b);
      }
    }
  } erste;
  jede_begegnung(erste);
  ASSERT_EQ(erste.liste.size(), 1u);
  const Aufgabe a(erste.liste[0]);
  EXPECT_EQ(a.loesung().bewerte(4), Bewertung::teilweise_richtig);
  EXPECT_EQ(a.loesung().bewerte(2), Bewertung::falsch);
  EXPECT_EQ(a.loesung().bewerte(1), Bewertung::richtig);
}

// 0 ends early with the score so far; so does the end of input, where the
// last answer counts with or without its line end.
TEST(TrainingTest, EndsEarlyWithTheScoreSoFar) {
  const Program quit = training("0\n", {"--uebung", "--seed", "1"});
  EXPECT_EQ(quit.status, 0);
  EXPECT_NE(quit.out.find(" Übung vorzeitig beendet.\n"), std::string::npos);
  EXPECT_NE(quit.out.find(" Ergebnis: 0 von 0 richtig\n"), std::string::npos);

  const Program cut =
      training("5\n\n5\n\n5", {"--uebung", "--anzahl", "3", "--seed", "9"});
  EXPECT_EQ(cut.status, 2);
  EXPECT_EQ(cut.err, "read start: end of file\n");
  EXPECT_EQ(count(cut.out, "Lage 3 von 3"), 1);
  const std::size_t score = cut.out.rfind(" Ergebnis: ");
  ASSERT_NE(score, std::string::npos);
  EXPECT_GT(score, cut.out.rfind("Lage 3 von 3"));
  const int right = count(cut.out, "\n Richtig: ");
  EXPECT_NE(cut.out.find("Ergebnis: " + std::to_string(right) + " von 3 richtig"),
            std::string::npos);
  // The end of input itself is no answer.
  const Program none = training("5\n\n", {"--uebung", "--anzahl", "3", "--seed", "9"});
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.err, "fmt: end of file\n");
  EXPECT_NE(none.out.find("Ergebnis: "), std::string::npos);
}

}  // namespace
}  // namespace ausweich::testing
