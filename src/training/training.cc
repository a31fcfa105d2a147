#include "training/training.h"

#include <array>
#include <string_view>

#include "core/line_builder.h"
#include "training/description.h"
#include "training/encounters.h"

namespace ausweich {
namespace {

constexpr std::string_view kStrich =
    "-----------------------------------------------------";
constexpr std::string_view kDoppelstrich =
    "=====================================================";

/// The learner's question: its answers are the classes.
constexpr Frage kWasGilt = {"Was gilt?", {}, kKlassen, "Was gilt?"};

}  // namespace

Uebung::Uebung(int anzahl, std::uint64_t seed) : seed_(seed) {
  Zufall zufall(seed);
  ziehung_ = ziehe(anzahl, zufall);
}

void Uebung::run(Dialogue& d) {
  d.spaces();
  d.line(kStrich);
  d.line("Uebung: Wer muss ausweichen?");
  d.empty();
  d.line("Zu jeder Lage waehlen Sie, wer ausweichpflichtig ist;");
  d.line("danach erklaert der Berater die Loesung.");
  d.line((LineBuilder() << "Lagen: " << ziehung_.anzahl << "   (--seed " << seed_ << ")")
             .text());
  d.line(kStrich);
  d.line("NOTE:  No guarantee whatsoever, handle with care !!!");
  for (const Begegnung& b : ziehung_.begegnungen()) {
    if (!lage(d, b)) {
      d.spaces();
      d.line("Uebung vorzeitig beendet.");
      break;
    }
  }
}

/// One encounter, from its description to the explanation. False when the
/// learner ended the training.
bool Uebung::lage(Dialogue& d, const Begegnung& b) {
  const Wiedergabe w(b);
  d.spaces();
  d.line(kStrich);
  d.line(
      (LineBuilder() << "Lage " << gestellt_ + 1 << " von " << ziehung_.anzahl).text());
  d.line(kStrich);
  const Lagebeschreibung beschreibung(w.run);
  for (std::size_t i = 0; i < beschreibung.size(); ++i) d.line(beschreibung[i]);
  d.line(kStrich);
  d.empty();
  const Code antwort = d.choose(kWasGilt);
  if (antwort == 0) return false;
  ++gestellt_;
  aufloesung(d, b, w, antwort);
  return true;
}

void Uebung::aufloesung(Dialogue& d, const Begegnung& b, const Wiedergabe& w,
                        Code antwort) {
  const std::string_view loesung = in_worten(b.klasse);
  d.empty();
  if (antwort == static_cast<Code>(b.klasse)) {
    ++richtige_;
    d.line((LineBuilder() << "richtig: " << loesung).text());
  } else {
    verpasst_[falsche_++] = w.run.reported().regel;
    d.line((LineBuilder() << "falsch, richtig ist: " << loesung).text());
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
  d.wait_enter({Halt::loesung, "Lösung", {}});
}

void Uebung::ergebnis(Dialogue& d) const {
  d.empty();
  d.line(kDoppelstrich);
  d.line(
      (LineBuilder() << "Ergebnis: " << richtige_ << " von " << gestellt_ << " richtig")
          .text());
  if (falsche_ > 0) {
    d.line("Verpasst:");
    for (std::size_t i = 0; i < falsche_; ++i) {
      bool genannt = false;
      for (std::size_t j = 0; j < i; ++j)
        genannt = genannt || verpasst_[j] == verpasst_[i];
      if (!genannt) d.line((LineBuilder() << "   " << verpasst_[i]).text());
    }
  }
  d.line(kDoppelstrich);
}

}  // namespace ausweich
