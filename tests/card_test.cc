// The web page's card: everything the program tells between two reads as
// one JSON object, and what does not fit left out whole.
#include "web/card.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/console_dialogue.h"
#include "console/run_training.h"
#include "core/angaben.h"

namespace ausweich {
namespace {

/// A terminal that takes the page's card before every read, as the web
/// edition's does, and hands over its input one line per read.
class CardTerminal final : public Terminal {
 public:
  explicit CardTerminal(std::string_view input) : input_(input) {}
  std::size_t read(char* buf, std::size_t n) override {
    if (const std::string_view k = card.take(); !k.empty()) cards.emplace_back(k);
    const std::size_t len = std::min({n, input_.size(), input_.find('\n') + 1});
    std::copy_n(input_.data(), len, buf);
    input_.remove_prefix(len);
    return len;
  }
  void write(const char*, std::size_t) override {}
  void diagnostic(std::string_view) override {}
  Listener* listener() override { return &both; }

  Angaben angaben;
  Card card{angaben};
  Listeners both{&angaben, &card};
  std::vector<std::string> cards;

 private:
  std::string_view input_;
};

constexpr std::string_view kTafel[] = {"** Titel **", ""};
constexpr std::string_view kText[] = {"Zeile 1", "\"zitiert\" \\ Grüße"};
constexpr Antwort kJaNein[] = {{1, "Ja", {}}, {2, "Nein", {}}};
constexpr Frage kFrage = {nullptr, "Frage ?", {}, kJaNein, "Wirklich?", Schiff::b};

TEST(CardTest, EverythingToldBetweenTwoReadsIsOneCard) {
  CardTerminal t("\n5\n1\n");
  ConsoleDialogue d(t);
  d.block(textblock<kTafel>());
  d.wait_enter({Halt::titel, "Titel", kText});
  d.line("Zeile\tmit\x01");
  d.empty();
  d.verdict({Regel::kvr_18_a_iv, Schiff::b});
  d.duty({Regel::kvr_9_b, Schiff::a});
  d.assume("B ist im Hauptfahrwasser");
  Code code = 2;
  d.ask(kFrage, code);  // 5 is refused and the question read again
  d.listener().judged({Bewertung::teilweise_richtig, "A darf B nicht behindern",
                       "A muss ausweichen", Thema::ueberholen, Uebungsart::begegnungen,
                       18446744073709551615u, 7, true});
  d.say(Zeilenart::grund, "Grund: so");
  t.cards.emplace_back(t.card.last(0));
  const std::vector<std::string> want = {
      R"j({"art":"pause","pause":{"halt":"titel","titel":"Titel","text":["Zeile 1","\"zitiert\" \\ Grüße"]},)j"
      R"j("zeilen":[],"tafel":["** Titel **",""],"pflichten":[],"annahmen":[]})j",
      R"j({"art":"frage","frage":{"titel":"Wirklich?","schiff":"B","kmax":2,"vorschlag":2,)j"
      R"j("antworten":[{"code":1,"knopf":"Ja"},{"code":2,"knopf":"Nein"}]},)j"
      R"j("zeilen":["Zeile\tmit\u0001",""],"tafel":[],"pflichten":[{"gebot":"nicht_behindern",)j"
      R"j("schiff":"A","klasse":4,"worte":"A darf B nicht behindern",)j"
      R"j("regel":"Enges Fahrwasser (KVR Regel 9)","stelle":"KVR Regel 9 b)",)j"
      R"j("grund":"Ein Fahrzeug unter 20 m Länge oder ein Segelfahrzeug darf im engen )j"
      R"j(Fahrwasser die Durchfahrt eines Fahrzeugs nicht behindern, das nur innerhalb des )j"
      R"j(Fahrwassers sicher fahren kann."}],"urteil":{"gebot":"ausweichen","schiff":"B",)j"
      R"j("klasse":2,"worte":"B muss ausweichen",)j"
      R"j("regel":"Verantwortlichkeiten der Fahrzeuge untereinander (KVR Regel 18)",)j"
      R"j("stelle":"KVR Regel 18 a) iv)",)j"
      R"j("grund":"Ein Maschinenfahrzeug in Fahrt muss einem Segelfahrzeug ausweichen."},)j"
      R"j("annahmen":["B ist im Hauptfahrwasser"]})j",
      R"j({"art":"ende","status":0,"genommen":{"titel":"Wirklich?","code":1,"knopf":"Ja"},)j"
      R"j("bewertung":{"ergebnis":"teilweise_richtig","wahl":"A darf B nicht behindern",)j"
      R"j("richtig":"A muss ausweichen","thema":"Überholen (KVR Regel 13, § 23 SeeSchStrO)",)j"
      R"j("art":"begegnungen",)j"
      R"j("seed":"18446744073709551615","lage":7,"wiederholung":true},)j"
      R"j("zeilen":[{"art":"grund","text":"Grund: so"}],"tafel":[],"pflichten":[],)j"
      R"j("annahmen":[]})j",
  };
  EXPECT_EQ(t.cards, want);
}

bool hat(std::string_view karte, std::string_view teil) {
  return karte.find(teil) != std::string_view::npos;
}

// An item of lights and shapes as the page gets it: the card that asks "Was
// sehen Sie?" carries the description and the lookout's view of B, by day
// and by night, with her lights and shapes marked, and no verdict yet; the
// card that asks "Wer muss ausweichen?" carries the judgement of the first
// answer and its reasons; the card of the solution carries the verdict.
TEST(CardTest, AnItemOfLightsAndShapes) {
  CardTerminal t("1\n1\n\n0\n");  // a wrong first answer: the item comes back
  const int status = run_lichteruebung(t, 1, 1);
  EXPECT_EQ(status, 0);
  std::vector<std::string> wahl;
  std::string loesung;
  for (const std::string& k : t.cards) {
    if (k.starts_with(R"j({"art":"wahl")j")) wahl.push_back(k);
    if (k.starts_with(R"j({"art":"pause","pause":{"halt":"loesung")j")) loesung = k;
  }
  ASSERT_EQ(wahl.size(), 3u);  // the item, its second question, its repeat
  const std::string& gesehen = wahl[0];
  EXPECT_TRUE(hat(gesehen,
                  R"j("frage":{"titel":"Was sehen Sie?","schiff":"A und B","kmax":4,)j"));
  EXPECT_TRUE(hat(gesehen, R"j({"art":"beschreibung","text":"Sie sehen )j"));
  EXPECT_TRUE(hat(gesehen, R"j("sicht":"<svg )j"));
  EXPECT_TRUE(hat(gesehen, R"j(,"zeit":"nacht","bilder":{)j")) << gesehen;
  EXPECT_TRUE(hat(gesehen, "data-licht=\\\"rundum-gruen\\\"")) << gesehen;
  EXPECT_TRUE(hat(gesehen, "data-signal=\\\"kegel-spitzen-zusammen\\\""));
  EXPECT_FALSE(hat(gesehen, R"j("urteil":)j"));
  EXPECT_FALSE(hat(gesehen, "gekuerzt"));
  const std::string& ausweichen = wahl[1];
  EXPECT_TRUE(hat(ausweichen, R"j("frage":{"titel":"Wer muss ausweichen?")j"));
  EXPECT_TRUE(hat(ausweichen, R"j("genommen":{"titel":"Was sehen Sie?","code":1,)j"));
  EXPECT_TRUE(hat(ausweichen, R"j({"art":"urteil","text":"Falsch (Ihre Wahl: 1). )j"));
  EXPECT_TRUE(hat(ausweichen, R"j({"art":"grund","text":"Grund: Ein trawlendes )j"));
  EXPECT_FALSE(hat(ausweichen, R"j("urteil":)j"));
  EXPECT_TRUE(hat(loesung, R"j("urteil":{"gebot":"ausweichen","schiff":"A")j"))
      << loesung;
  EXPECT_TRUE(hat(loesung, R"j({"art":"nachspielen","text":"Im Berater nachspielen: )j"));
}

TEST(CardTest, WhatDoesNotFitIsLeftOutWhole) {
  Angaben angaben;
  Card k(angaben);
  for (int i = 0; i < 1000; ++i) k.line("Eine Zeile, die nicht auf die Karte passt");
  const std::string_view karte = k.last(2);
  EXPECT_TRUE(karte.ends_with(R"j(passt"],"tafel":[],"pflichten":[],"annahmen":[],)j"
                              R"j("gekuerzt":true})j"))
      << karte.substr(karte.size() - 200);
  EXPECT_LT(karte.size(), 16384u);
}

}  // namespace
}  // namespace ausweich
