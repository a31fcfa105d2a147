#include "training/training.h"

#include <array>
#include <string_view>

#include "console/console_dialogue.h"
#include "console/line_builder.h"
#include "training/description.h"
#include "training/draw.h"
#include "training/encounters.h"

namespace ausweich {
namespace {

constexpr std::string_view kStrich =
    "-----------------------------------------------------";
constexpr std::string_view kDoppelstrich =
    "=====================================================";

constexpr std::string_view kKlassenMenue[] = {
    "   1=A,   2=B,   3=jeder muss jedem ausweichen",
    "   4=A darf B nicht behindern",
    "   5=keiner: beide halten sich scharf rechts",
};

/// The menu number of each class of verdict, and how the solution names it.
struct Klasse {
  Pflicht pflicht;
  int nummer;
  std::string_view loesung;
};

constexpr Klasse kKlassen[] = {
    {Pflicht::a_weicht_aus, 1, "A ist ausweichpflichtig"},
    {Pflicht::b_weicht_aus, 2, "B ist ausweichpflichtig"},
    {Pflicht::jeder_weicht_jedem_aus, 3, "Jeder muss jedem ausweichen"},
    {Pflicht::a_darf_b_nicht_behindern, 4, "A darf B nicht behindern"},
    {Pflicht::beide_halten_rechts, 5, "Beide halten sich scharf rechts"},
};
constexpr int kHoechsteAntwort = 5;

const Klasse& klasse(Pflicht p) {
  for (const Klasse& k : kKlassen) {
    if (k.pflicht == p) return k;
  }
  return kKlassen[0];
}

/// The learner's answer: a number from 0 to the highest class, blanks around
/// it allowed; -1 for anything else.
int lies_zahl(const std::array<char, kReplyWidth>& feld) {
  std::size_t i = 0;
  while (i < feld.size() && (feld[i] == ' ' || feld[i] == '\t')) ++i;
  int wert = 0;
  std::size_t ziffern = 0;
  for (; i < feld.size() && feld[i] >= '0' && feld[i] <= '9'; ++i, ++ziffern) {
    wert = wert * 10 + (feld[i] - '0');
    if (wert > kHoechsteAntwort) return -1;
  }
  while (i < feld.size() && (feld[i] == ' ' || feld[i] == '\t')) ++i;
  return ziffern > 0 && i == feld.size() ? wert : -1;
}

class Uebung final : public ConsoleProgram {
 public:
  Uebung(int anzahl, std::uint64_t seed) : seed_(seed) {
    Zufall zufall(seed);
    ziehung_ = ziehe(anzahl, zufall);
  }

  void run(ConsoleDialogue& d) override {
    einleitung(d);
    for (const Begegnung& b : ziehung_.begegnungen()) {
      if (!lage(d, b)) {
        d.spaces();
        d.line("Uebung vorzeitig beendet.");
        break;
      }
    }
  }

  /// However the training ended: the score so far.
  void at_end(ConsoleDialogue& d) override { ergebnis(d); }

 private:
  void einleitung(ConsoleDialogue& d) {
    d.spaces();
    d.line(kStrich);
    d.line("Uebung: Wer muss ausweichen?");
    d.empty();
    d.line("Zu jeder Lage waehlen Sie, wer ausweichpflichtig ist;");
    d.line("danach erklaert der Berater die Loesung.");
    d.line(
        (LineBuilder() << "Lagen: " << ziehung_.anzahl << "   (--seed " << seed_ << ")")
            .text());
    d.line(kStrich);
    d.line("NOTE:  No guarantee whatsoever, handle with care !!!");
  }

  /// One encounter, from its description to the explanation. False when the
  /// learner ended the training.
  bool lage(ConsoleDialogue& d, const Begegnung& b) {
    const Wiedergabe w(b);
    d.spaces();
    d.line(kStrich);
    d.line(
        (LineBuilder() << "Lage " << gestellt_ + 1 << " von " << ziehung_.anzahl).text());
    d.line(kStrich);
    std::array<std::string_view, DrawnRun::kMaxQuestions> zeilen;
    const std::size_t n = beschreibung(w.situation, w.run, zeilen);
    for (std::size_t i = 0; i < n; ++i) d.line(zeilen[i]);
    d.line(kStrich);
    d.empty();
    d.line("Wer ist ausweichpflichtig?");
    d.empty();
    for (const std::string_view zeile : kKlassenMenue) d.line(zeile);
    const int antwort = frage(d);
    if (antwort == 0) return false;
    ++gestellt_;
    aufloesung(d, b, w, antwort);
    return true;
  }

  /// Asks until the learner gives a number of the menu or 0.
  int frage(ConsoleDialogue& d) {
    for (;;) {
      d.empty();
      d.line(kDoppelstrich);
      d.line("       [1 bis 5, 0=Ende]    Input=");
      std::array<char, kReplyWidth> feld;
      d.read_reply(feld);
      const int antwort = lies_zahl(feld);
      if (antwort >= 0) return antwort;
      d.line("Bitte eine Zahl von 1 bis 5 eingeben (0 = Ende).");
    }
  }

  void aufloesung(ConsoleDialogue& d, const Begegnung& b, const Wiedergabe& w,
                  int antwort) {
    const Klasse& richtig = klasse(b.pflicht);
    d.empty();
    if (antwort == richtig.nummer) {
      ++richtige_;
      d.line((LineBuilder() << "richtig: " << richtig.loesung).text());
    } else {
      verpasst_[falsche_++] = w.run.reported().regel;
      d.line((LineBuilder() << "falsch, richtig ist: " << richtig.loesung).text());
    }
    std::array<std::span<const DrawnRun::Line>, 16> abschnitte;
    const std::size_t n = w.run.sections(abschnitte);
    for (const std::span<const DrawnRun::Line> abschnitt :
         std::span(abschnitte.data(), n)) {
      d.empty();
      for (const DrawnRun::Line& l : abschnitt) {
        if (l.message) {
          d.line(l.text);
        } else {
          d.empty();
        }
      }
    }
    d.empty();
    LineBuilder replay;
    replay << "Im Berater nachvollziehen: Enter, Enter";
    for (const Code c : b.replies()) replay << ", " << static_cast<std::uint64_t>(c);
    d.line(replay.text());
    d.empty();
    d.line("                                       [enter]....");
    d.wait_enter();
  }

  void ergebnis(ConsoleDialogue& d) {
    d.empty();
    d.line(kDoppelstrich);
    d.line(
        (LineBuilder() << "Ergebnis: " << richtige_ << " von " << gestellt_ << " richtig")
            .text());
    if (falsche_ > 0) {
      d.line("Verpasst:");
      for (std::size_t i = 0; i < falsche_; ++i) {
        if (!schon_genannt(i)) d.line((LineBuilder() << "   " << verpasst_[i]).text());
      }
    }
    d.line(kDoppelstrich);
  }

  bool schon_genannt(std::size_t i) const {
    for (std::size_t j = 0; j < i; ++j) {
      if (verpasst_[j] == verpasst_[i]) return true;
    }
    return false;
  }

  std::uint64_t seed_;
  Ziehung ziehung_;
  std::size_t gestellt_ = 0;
  std::size_t richtige_ = 0;
  std::array<std::string_view, kMaxLagen> verpasst_{};  // the rule of each wrong answer
  std::size_t falsche_ = 0;
};

}  // namespace

int uebung(Terminal& terminal, int anzahl, std::uint64_t seed) {
  Uebung training(anzahl, seed);
  return run_dialogue(terminal, training);
}

}  // namespace ausweich
