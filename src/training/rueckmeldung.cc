#include "training/rueckmeldung.h"

#include <array>
#include <cstdint>

#include "analysis/begegnungsregeln.h"
#include "core/line_builder.h"

namespace ausweich {
namespace {

constexpr std::uint64_t nummer(Klasse k) {
  return static_cast<std::uint64_t>(k);
}

}  // namespace

LineBuilder& klasse_nennen(LineBuilder& zeile, Klasse k) {
  return zeile << nummer(k) << ": " << in_worten(k);
}

void urteil(Dialogue& d, const Aufgabe& a, Code antwort) {
  const Klasse gewaehlt = static_cast<Klasse>(antwort);
  const Loesung& l = a.loesung();
  const Bewertung b = l.bewerte(antwort);
  const Pflicht* genannt = &a.entscheidung();
  LineBuilder zeile;
  if (b == Bewertung::richtig) {
    genannt = l.pflicht(antwort);
    zeile << "Richtig: " << in_worten(gewaehlt) << ".";
  } else if (b == Bewertung::teilweise_richtig) {
    genannt = l.staerker(antwort);
    zeile << "Teilweise richtig: " << in_worten(gewaehlt) << " – "
          << buchstabe(genannt->schiff) << " muss sogar ausweichen ("
          << eintrag(genannt->regel).zitat << ").";
  } else {
    zeile << "Falsch (Ihre Wahl: " << nummer(gewaehlt) << "). Richtig ist ";
    klasse_nennen(zeile, klasse(*genannt)) << ".";
  }
  d.say(Zeilenart::urteil, zeile.text());
  for (const Pflicht& p : a.richtige()) {
    if (&p == genannt) continue;
    LineBuilder auch;
    auch << "Auch richtig: ";
    klasse_nennen(auch, klasse(p)) << ".";
    d.say(Zeilenart::auch_richtig, auch.text());
  }
}

Beurteilung beurteile(const Aufgabe& a, Code antwort) {
  const Loesung& l = a.loesung();
  const Bewertung bewertung = l.bewerte(antwort);
  const Pflicht* genannt = l.pflicht(antwort);
  const Pflicht& angerechnet = genannt != nullptr ? *genannt : a.entscheidung();
  const Pflicht* staerker = l.staerker(antwort);
  const Pflicht& gemeint =
      bewertung == Bewertung::teilweise_richtig && staerker != nullptr ? *staerker
                                                                       : angerechnet;
  return {bewertung,
          in_worten(static_cast<Klasse>(antwort)),
          in_worten(klasse(gemeint)),
          eintrag(angerechnet.regel).thema,
          Uebungsart::begegnungen,
          0,
          0,
          false};
}

std::string_view ohne_punkt(std::string_view satz) {
  if (!satz.empty() && satz.back() == '.') satz.remove_suffix(1);
  return satz;
}

void gruende(Dialogue& d, const Aufgabe& a) {
  for (const Pflicht& p : a.richtige()) {
    const Eintrag& e = eintrag(p.regel);
    d.say(Zeilenart::grund,
          (LineBuilder() << "Grund: " << ohne_punkt(e.satz) << " (" << e.zitat << ").")
              .text());
  }
}

void schwaecher_gesagt(Dialogue& d, const Aufgabe& a) {
  for (const Klasse k : a.run().stated()) {
    const Pflicht* staerker = a.loesung().staerker(static_cast<Code>(k));
    if (staerker == nullptr) continue;
    d.say(Zeilenart::hinweis,
          (LineBuilder() << "Eine Zeile des Beraters unten sagt nur: „" << in_worten(k)
                         << "“. " << buchstabe(staerker->schiff)
                         << " muss sogar ausweichen (" << eintrag(staerker->regel).zitat
                         << ").")
              .text());
    return;
  }
}

void erklaerung(Dialogue& d, const DrawnRun& run) {
  std::array<std::span<const DrawnRun::Line>, 16> abschnitte;
  const std::size_t n = run.sections(abschnitte);
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
}

void anwendung(Dialogue& d, const Aufgabe& a) {
  const Peilung p = a.begegnung().peilung;
  if (p == Peilung::offen) return;
  d.empty();
  d.line((LineBuilder() << "Angewandt: " << in_worten(p)
                        << ", also gilt: " << in_worten(klasse(regeln14_15(p))) << ".")
             .text());
}

void nachspielen(Dialogue& d, const Begegnung& b) {
  LineBuilder zeile;
  zeile << "Im Berater nachspielen: Enter, Enter";
  for (const Code c : b.replies()) zeile << ", " << static_cast<std::uint64_t>(c);
  d.say(Zeilenart::nachspielen, zeile.text());
}

void rueckmeldung(Dialogue& d, const Aufgabe& a, Code antwort) {
  urteil(d, a, antwort);
  gruende(d, a);
  schwaecher_gesagt(d, a);
  erklaerung(d, a.run());
  anwendung(d, a);
  d.empty();
  nachspielen(d, a.begegnung());
}

}  // namespace ausweich
