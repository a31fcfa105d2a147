#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/console_dialogue.h"
#include "web/karte.h"

namespace ausweich {
namespace {

/// A terminal that takes the page's card before every read, as the web
/// edition's does, and hands over its input one line per read.
class CardTerminal final : public Terminal {
 public:
  explicit CardTerminal(std::string_view input) : input_(input) {}
  std::size_t read(char* buf, std::size_t n) override {
    if (const std::string_view k = karte.abholen(); !k.empty()) karten.emplace_back(k);
    const std::size_t len = std::min({n, input_.size(), input_.find('\n') + 1});
    std::copy_n(input_.data(), len, buf);
    input_.remove_prefix(len);
    return len;
  }
  void write(const char*, std::size_t) override {}
  void diagnostic(std::string_view) override {}
  Reports* reports() override { return &karte; }

  Karte karte;
  std::vector<std::string> karten;

 private:
  std::string_view input_;
};

constexpr std::string_view kTafel[] = {"** Titel **", ""};
constexpr std::string_view kText[] = {"Zeile 1", "\"zitiert\" \\ Grüße"};
constexpr Antwort kJaNein[] = {{1, "Ja", {}}, {2, "Nein", {}}};
constexpr Frage kFrage = {"Frage ?", {}, kJaNein, "Wirklich?", Schiff::b};

TEST(CardTest, EverythingBetweenTwoReadsIsOneCard) {
  CardTerminal t("\n5\n1\n");
  ConsoleDialogue d(t);
  d.block(textblock<kTafel>());
  d.wait_enter({Halt::titel, "Titel", kText});
  d.line("Zeile\tmit\x01");
  d.empty();
  d.verdict(
      {Gebot::ausweichen, Schiff::b, "KVR Regel 18", "KVR Regel 18 a) iv)", "Weil"});
  d.duty({Gebot::nicht_behindern, Schiff::a, "R", "S", "G"});
  d.assume("B ist im Hauptfahrwasser");
  Code code = 2;
  d.ask(kFrage, code);  // 5 is refused and the question read again
  d.say(Zeilenart::grund, "Grund: so");
  t.karten.emplace_back(t.karte.schluss(0));
  const std::vector<std::string> want = {
      R"j({"art":"pause","pause":{"halt":"titel","titel":"Titel","text":["Zeile 1","\"zitiert\" \\ Grüße"]},)j"
      R"j("zeilen":[],"tafel":["** Titel **",""],"pflichten":[],"annahmen":[],"bild":"","sicht":""})j",
      R"j({"art":"frage","frage":{"titel":"Wirklich?","schiff":"B","kmax":2,"vorschlag":2,)j"
      R"j("antworten":[{"code":1,"knopf":"Ja"},{"code":2,"knopf":"Nein"}]},)j"
      R"j("zeilen":["Zeile\tmit\u0001",""],"tafel":[],"pflichten":[{"gebot":"nicht_behindern",)j"
      R"j("schiff":"A","klasse":4,"worte":"A darf B nicht behindern","regel":"R","stelle":"S",)j"
      R"j("grund":"G"}],"urteil":{"gebot":"ausweichen","schiff":"B","klasse":2,)j"
      R"j("worte":"B muss ausweichen","regel":"KVR Regel 18","stelle":"KVR Regel 18 a) iv)",)j"
      R"j("grund":"Weil"},"annahmen":["B ist im Hauptfahrwasser"],"bild":"","sicht":""})j",
      R"j({"art":"ende","status":0,"genommen":{"titel":"Wirklich?","code":1,"knopf":"Ja"},)j"
      R"j("zeilen":[{"art":"grund","text":"Grund: so"}],"tafel":[],"pflichten":[],)j"
      R"j("annahmen":[],"bild":"","sicht":""})j",
  };
  EXPECT_EQ(t.karten, want);
}

TEST(CardTest, WhatDoesNotFitIsLeftOutWhole) {
  Karte k;
  for (int i = 0; i < 1000; ++i) k.line("Eine Zeile, die nicht auf die Karte passt");
  const std::string_view karte = k.schluss(2);
  EXPECT_TRUE(karte.ends_with(R"j(passt"],"tafel":[],"pflichten":[],"annahmen":[],)j"
                              R"j("gekuerzt":true,"bild":"","sicht":""})j"))
      << karte.substr(karte.size() - 200);
  EXPECT_LT(karte.size(), 16384u);
}

}  // namespace
}  // namespace ausweich
