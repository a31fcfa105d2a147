#include "training/uebung.h"

#include <array>
#include <string_view>

#include "core/line_builder.h"
#include "training/aufgabe.h"
#include "training/reihenfolge.h"
#include "training/rueckmeldung.h"

namespace ausweich {
namespace {

/// The learner's question: its answers are the classes of duty.
constexpr Frage kWasGilt = {nullptr, "Was gilt?", {}, kKlassen, "Was gilt?"};

}  // namespace

Uebung::Uebung(int anzahl, std::uint64_t seed) : seed_(seed) {
  Random zufall(seed);
  ziehung_ = ziehe(anzahl, zufall);
  for (std::size_t i = 0; i < ziehung_.anzahl; ++i) {
    herkunft_[i] = {seed, static_cast<int>(i) + 1};
  }
}

Uebung::Uebung(std::span<const Herkunft> lagen) : ausgewaehlt_(true) {
  ziehung_ = ziehe(lagen, herkunft_);
}

void Uebung::einleitung(Dialogue& d) const {
  d.spaces();
  d.block(textblock<kStrich>());
  d.say(Zeilenart::text, "Übung: Wer muss ausweichen?");
  d.empty();
  d.say(Zeilenart::text, "Zu jeder Lage wählen Sie, was gilt; danach erklärt");
  d.say(Zeilenart::text, "der Berater die Lösung. Falsch beantwortete Lagen");
  d.say(Zeilenart::text, "kommen einmal wieder.");
  d.say(Zeilenart::text, "Bestanden ist die Übung mit mindestens 80 % richtigen");
  d.say(Zeilenart::text, "ersten Antworten.");
  if (ausgewaehlt_) {
    d.say(Zeilenart::text,
          (LineBuilder() << "Diese Übung stellt " << ziehung_.anzahl << " ausgewählte")
              .text());
    d.say(Zeilenart::text, "Lagen früherer Übungen noch einmal.");
  } else {
    d.say(Zeilenart::text,
          (LineBuilder() << "Übung Nr. " << seed_ << " – mit derselben Nummer kommen")
              .text());
    d.say(Zeilenart::text,
          (LineBuilder() << "dieselben " << ziehung_.anzahl << " Lagen.").text());
  }
  d.block(textblock<kStrich>());
  d.say(Zeilenart::text, "Ohne jede Gewähr, mit Vorsicht zu gebrauchen.");
}

void Uebung::run(Dialogue& d) {
  einleitung(d);
  std::size_t lage = 0;
  bool wiederholung = false;
  while (reihenfolge_.naechste(ziehung_.anzahl, lage, wiederholung)) {
    if (!stelle(d, lage, wiederholung)) {
      vorzeitig_beendet(d);
      return;
    }
  }
}

bool Uebung::stelle(Dialogue& d, std::size_t lage, bool wiederholung) {
  const Aufgabe a(ziehung_.lagen[lage]);
  lagenkopf(d, lage, ziehung_.anzahl, wiederholung);
  for (std::size_t i = 0; i < a.beschreibung().size(); ++i) {
    d.say(Zeilenart::beschreibung, a.beschreibung()[i]);
  }
  d.block(textblock<kStrich>());
  d.empty();
  a.vorlegen(d.listener());
  const Code antwort = d.choose(kWasGilt);
  if (antwort == 0) return false;
  a.aufloesen(d.listener());
  d.listener().judged(auswerten(lage, wiederholung, a, antwort));
  d.empty();
  rueckmeldung(d, a, antwort);
  d.block(textblock<kWeiter>());
  d.wait_enter({Halt::loesung, "Lösung", {}});
  return true;
}

Beurteilung Uebung::auswerten(std::size_t lage, bool wiederholung, const Aufgabe& a,
                              Code antwort) {
  Beurteilung b = beurteile(a, antwort);
  const bool richtig = b.bewertung == Bewertung::richtig;
  if (wiederholung) {
    wertung_.wiederholung(richtig);
  } else {
    wertung_.erste_antwort(lage, b.thema, richtig);
  }
  reihenfolge_.beantwortet(lage, wiederholung, richtig);
  b.seed = herkunft_[lage].seed;
  b.nummer = herkunft_[lage].nummer;
  b.wiederholung = wiederholung;
  return b;
}

void Uebung::ergebnis(Dialogue& d) const {
  d.empty();
  d.block(textblock<kDoppelstrich>());
  wertung_.schreibe(d);
  d.block(textblock<kDoppelstrich>());
}

}  // namespace ausweich
