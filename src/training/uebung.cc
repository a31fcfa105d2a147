#include "training/uebung.h"

#include <array>
#include <string_view>

#include "analysis/begegnungsregeln.h"
#include "core/line_builder.h"
#include "training/aufgabe.h"

namespace ausweich {
namespace {

// The rules and the prompt to go on are the console's frame of a screen, not
// its content: they go out as blocks, which the faces beside the screen do
// not show as lines.
constexpr std::string_view kStrich[] = {
    "-----------------------------------------------------",
};
constexpr std::string_view kDoppelstrich[] = {
    "=====================================================",
};
constexpr std::string_view kWeiter[] = {
    "",
    "                                     [Enter: weiter]",
};

/// The learner's question: its answers are the classes of duty.
constexpr Frage kWasGilt = {nullptr, "Was gilt?", {}, kKlassen, "Was gilt?"};

/// How many new items come between an item answered wrongly and its repeat.
constexpr std::size_t kAbstand = 3;

constexpr std::uint64_t nummer(Klasse k) {
  return static_cast<std::uint64_t>(k);
}

/// The words of a class and its number.
LineBuilder& klasse_nennen(LineBuilder& zeile, Klasse k) {
  return zeile << nummer(k) << ": " << in_worten(k);
}

/// "Richtig: ...", "Teilweise richtig: ... – A muss sogar ausweichen (...)."
/// or "Falsch (Ihre Wahl: n). Richtig ist m: ...", then every other class
/// that counts.
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

/// A rule's sentence without its full stop, to be followed by its citation.
std::string_view ohne_punkt(std::string_view satz) {
  if (!satz.empty() && satz.back() == '.') satz.remove_suffix(1);
  return satz;
}

/// One reason per class that counts, as a skipper cites the rule.
void gruende(Dialogue& d, const Aufgabe& a) {
  for (const Pflicht& p : a.richtige()) {
    const Eintrag& e = eintrag(p.regel);
    d.say(Zeilenart::grund,
          (LineBuilder() << "Grund: " << ohne_punkt(e.satz) << " (" << e.zitat << ").")
              .text());
  }
}

/// Where the advisor's own lines state a duty in looser words than the law
/// (only a weaker duty of the vessel that must give way), the feedback says
/// so before them.
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

/// The advisor's own lines, in the sections it wrote them.
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

/// Where rules 14 and 15 apply, the sentence that applies the advisor's
/// general text to the bearing drawn, from the duty they put on it.
void anwendung(Dialogue& d, const Aufgabe& a) {
  const Peilung p = a.begegnung().peilung;
  if (p == Peilung::offen) return;
  d.empty();
  d.line((LineBuilder() << "Angewandt: " << in_worten(p)
                        << ", also gilt: " << in_worten(klasse(regeln14_15(p))) << ".")
             .text());
}

/// The replies that replay the item in the advisor.
void nachspielen(Dialogue& d, const Begegnung& b) {
  LineBuilder zeile;
  zeile << "Im Berater nachspielen: Enter, Enter";
  for (const Code c : b.replies()) zeile << ", " << static_cast<std::uint64_t>(c);
  d.say(Zeilenart::nachspielen, zeile.text());
}

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
  std::size_t naechste = 0;
  while (naechste < ziehung_.anzahl || erste_wiederholung_ < wiederholungen_anzahl_) {
    const bool faellig = erste_wiederholung_ < wiederholungen_anzahl_ &&
                         (naechste == ziehung_.anzahl ||
                          wiederholungen_[erste_wiederholung_].nach <= neue_);
    const bool weiter = faellig
                            ? stelle(d, wiederholungen_[erste_wiederholung_++].lage, true)
                            : stelle(d, naechste++, false);
    if (!weiter) {
      d.spaces();
      d.say(Zeilenart::text, "Übung vorzeitig beendet.");
      return;
    }
  }
}

bool Uebung::stelle(Dialogue& d, std::size_t lage, bool wiederholung) {
  const Aufgabe a(ziehung_.lagen[lage]);
  d.spaces();
  d.block(textblock<kStrich>());
  LineBuilder kopf;
  if (wiederholung) {
    kopf << "Wiederholung von Lage " << lage + 1;
  } else {
    kopf << "Lage " << lage + 1 << " von " << ziehung_.anzahl;
  }
  d.say(Zeilenart::lage, kopf.text());
  d.block(textblock<kStrich>());
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
  urteil(d, a, antwort);
  gruende(d, a);
  schwaecher_gesagt(d, a);
  erklaerung(d, a.run());
  anwendung(d, a);
  d.empty();
  nachspielen(d, a.begegnung());
  d.block(textblock<kWeiter>());
  d.wait_enter({Halt::loesung, "Lösung", {}});
  return true;
}

Beurteilung Uebung::auswerten(std::size_t lage, bool wiederholung, const Aufgabe& a,
                              Code antwort) {
  const Loesung& l = a.loesung();
  const Bewertung bewertung = l.bewerte(antwort);
  const Pflicht* genannt = l.pflicht(antwort);
  const bool richtig = genannt != nullptr;
  const Pflicht& angerechnet = richtig ? *genannt : a.entscheidung();
  const Pflicht* staerker = l.staerker(antwort);
  const Pflicht& gemeint =
      bewertung == Bewertung::teilweise_richtig && staerker != nullptr ? *staerker
                                                                       : angerechnet;
  const Thema thema = eintrag(angerechnet.regel).thema;
  if (wiederholung) {
    wertung_.wiederholung(richtig);
  } else {
    ++neue_;
    wertung_.erste_antwort(lage, thema, richtig);
    if (!richtig) wiederholungen_[wiederholungen_anzahl_++] = {lage, neue_ + kAbstand};
  }
  return {bewertung,   static_cast<Klasse>(antwort), klasse(gemeint),
          thema,       herkunft_[lage].seed,         herkunft_[lage].nummer,
          wiederholung};
}

void Uebung::ergebnis(Dialogue& d) const {
  d.empty();
  d.block(textblock<kDoppelstrich>());
  wertung_.schreibe(d);
  d.block(textblock<kDoppelstrich>());
}

}  // namespace ausweich
