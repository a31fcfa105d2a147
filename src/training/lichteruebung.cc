#include "training/lichteruebung.h"

#include <string_view>

#include "core/line_builder.h"
#include "training/lichteraufgabe.h"
#include "training/reihenfolge.h"
#include "training/rueckmeldung.h"

namespace ausweich {
namespace {

/// The second question: its answers are the classes of duty.
constexpr Frage kWerMussAusweichen = {
    nullptr, "Wer muss ausweichen?", {}, kKlassen, "Wer muss ausweichen?"};

/// "Richtig: ..." or "Falsch (Ihre Wahl: n). Richtig ist m: ...", then why:
/// what the right kind shows, and by night the arcs of the lights.
void urteil_gesehen(Dialogue& d, const Lichteraufgabe& a, Code antwort) {
  const Frage& f = a.was_sehen_sie();
  LineBuilder zeile;
  if (antwort == a.richtig()) {
    zeile << "Richtig: " << f.antwort(antwort).knopf << ".";
  } else {
    zeile << "Falsch (Ihre Wahl: " << static_cast<std::uint64_t>(antwort)
          << "). Richtig ist " << static_cast<std::uint64_t>(a.richtig()) << ": "
          << f.antwort(a.richtig()).knopf << ".";
  }
  d.say(Zeilenart::urteil, zeile.text());
  for (const Regel r : a.gruende()) {
    const Eintrag& e = eintrag(r);
    d.say(Zeilenart::grund,
          (LineBuilder() << "Grund: " << ohne_punkt(e.satz) << " (" << e.zitat << ").")
              .text());
  }
}

}  // namespace

Lichteruebung::Lichteruebung(int anzahl, std::uint64_t seed) : seed_(seed) {
  Random zufall(seed);
  ziehung_ = ziehe_lichter(anzahl, zufall);
}

void Lichteruebung::einleitung(Dialogue& d) const {
  d.spaces();
  d.block(textblock<kStrich>());
  d.say(Zeilenart::text, "Übung: Lichter und Signalkörper");
  d.empty();
  d.say(Zeilenart::text, "Zu jeder Lage lesen Sie, was Ihr Ausguck von B sieht:");
  d.say(Zeilenart::text, "nachts die Lichter, am Tag die Signalkörper. Sie sagen,");
  d.say(Zeilenart::text, "was für ein Fahrzeug B ist und welche Seite sie zeigt,");
  d.say(Zeilenart::text, "dann, wer ausweichen muss. Lagen mit einer falschen");
  d.say(Zeilenart::text, "ersten Antwort kommen einmal wieder.");
  d.say(Zeilenart::text, "Bestanden ist die Übung mit mindestens 80 % richtigen");
  d.say(Zeilenart::text, "ersten Antworten.");
  d.say(Zeilenart::text,
        (LineBuilder() << "Übung Nr. " << seed_ << " – mit derselben Nummer kommen")
            .text());
  d.say(Zeilenart::text,
        (LineBuilder() << "dieselben " << ziehung_.anzahl << " Lagen.").text());
  d.block(textblock<kStrich>());
  d.say(Zeilenart::text, "Ohne jede Gewähr, mit Vorsicht zu gebrauchen.");
}

void Lichteruebung::run(Dialogue& d) {
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

bool Lichteruebung::stelle(Dialogue& d, std::size_t lage, bool wiederholung) {
  const Lichteraufgabe a(ziehung_.lagen[lage]);
  lagenkopf(d, lage, ziehung_.anzahl, wiederholung);
  for (const LineBuilder& zeile : a.beschreibung()) {
    d.say(Zeilenart::beschreibung, zeile.text());
  }
  d.block(textblock<kStrich>());
  d.empty();
  a.vorlegen(d.listener());
  const Code gesehen = d.choose(a.was_sehen_sie());
  if (gesehen == 0) return false;
  d.empty();
  const Frage& f = a.was_sehen_sie();
  d.listener().judged({gesehen == a.richtig() ? Bewertung::richtig : Bewertung::falsch,
                       f.antwort(gesehen).knopf, f.antwort(a.richtig()).knopf,
                       Thema::lichter_und_signalkoerper, Uebungsart::lichter, seed_,
                       static_cast<int>(lage) + 1, wiederholung});
  urteil_gesehen(d, a, gesehen);
  d.empty();
  const Code ausweichen = d.choose(kWerMussAusweichen);
  if (ausweichen == 0) return false;
  a.aufgabe().aufloesen(d.listener());
  Beurteilung b = beurteile(a.aufgabe(), ausweichen);
  b.art = Uebungsart::lichter;
  b.seed = seed_;
  b.nummer = static_cast<int>(lage) + 1;
  b.wiederholung = wiederholung;
  d.listener().judged(b);
  auswerten(lage, wiederholung, a, gesehen, ausweichen);
  d.empty();
  rueckmeldung(d, a.aufgabe(), ausweichen);
  d.block(textblock<kWeiter>());
  d.wait_enter({Halt::loesung, "Lösung", {}});
  return true;
}

void Lichteruebung::auswerten(std::size_t lage, bool wiederholung,
                              const Lichteraufgabe& a, Code gesehen, Code ausweichen) {
  const bool erkannt = gesehen == a.richtig();
  const Aufgabe& aufgabe = a.aufgabe();
  const Pflicht* genannt = aufgabe.loesung().pflicht(ausweichen);
  const bool entschieden = genannt != nullptr;
  reihenfolge_.beantwortet(lage, wiederholung, erkannt && entschieden);
  if (wiederholung) {
    wertung_.wiederholung(erkannt);
    wertung_.wiederholung(entschieden);
    return;
  }
  wertung_.erste_antwort(lage, Thema::lichter_und_signalkoerper, erkannt);
  const Pflicht& angerechnet = entschieden ? *genannt : aufgabe.entscheidung();
  wertung_.erste_antwort(lage, eintrag(angerechnet.regel).thema, entschieden);
}

void Lichteruebung::ergebnis(Dialogue& d) const {
  d.empty();
  d.block(textblock<kDoppelstrich>());
  wertung_.schreibe(d);
  d.block(textblock<kDoppelstrich>());
}

}  // namespace ausweich
