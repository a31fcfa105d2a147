#include "picture/beschreibung.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "core/bogen.h"

namespace ausweich {
namespace {

constexpr std::string_view kZahl[] = {"kein", "ein", "zwei", "drei"};

/// Items written one after the other, with commas between them.
class CommaList {
 public:
  explicit CommaList(Writer& w) : w_(w) {}
  Writer& naechstes() {
    if (!leer_) w_ << ", ";
    leer_ = false;
    return w_;
  }
  bool leer() const { return leer_; }

 private:
  Writer& w_;
  bool leer_ = true;
};

/// A light's colour as an adjective: before a singular, before a plural, alone.
struct Farbwort {
  std::string_view einzahl, mehrzahl, allein;
};

Farbwort farbwort(Licht l) {
  if (l == Licht::rundum_rot || l == Licht::seitenlicht_rot)
    return {"rotes", "rote", "rot"};
  if (l == Licht::rundum_gruen || l == Licht::seitenlicht_gruen) {
    return {"grünes", "grüne", "grün"};
  }
  return {"weißes", "weiße", "weiß"};
}

/// The all-round lights as they hang: "zwei rote Rundumlichter",
/// "Rundumlichter rot über weiß".
void rundumlichter(CommaList& liste, std::span<const Licht> lichter) {
  std::array<Licht, 3> senkrecht{};
  std::size_t n = 0;
  bool gleich = true;
  for (const Licht l : lichter) {
    if (!rundum(l) || n == senkrecht.size()) continue;
    gleich = gleich && (n == 0 || l == senkrecht[0]);
    senkrecht[n++] = l;
  }
  if (n == 0) return;
  Writer& w = liste.naechstes();
  if (gleich) {
    const Farbwort f = farbwort(senkrecht[0]);
    w << kZahl[n] << ' ' << (n == 1 ? f.einzahl : f.mehrzahl)
      << (n == 1 ? " Rundumlicht" : " Rundumlichter");
    return;
  }
  w << "Rundumlichter";
  for (std::size_t i = 0; i < n; ++i)
    w << (i == 0 ? " " : " über ") << farbwort(senkrecht[i]).allein;
}

bool hat(std::span<const Licht> lichter, Licht gesucht) {
  for (const Licht l : lichter) {
    if (l == gesucht) return true;
  }
  return false;
}

/// The lights of a vessel, all of them, or those seen from `aspekt` degrees
/// off her bow (-1: all).
void lichter(CommaList& liste, std::span<const Licht> alle, int aspekt) {
  const auto zu_sehen = [&](Licht l) {
    return hat(alle, l) && (aspekt < 0 || sichtbar(l, aspekt));
  };
  if (zu_sehen(Licht::topplicht)) {
    liste.naechstes() << (zu_sehen(Licht::topplicht_achtern) ? "zwei Topplichter"
                                                             : "Topplicht");
  }
  const bool rot = zu_sehen(Licht::seitenlicht_rot);
  const bool gruen = zu_sehen(Licht::seitenlicht_gruen);
  if (rot && gruen) liste.naechstes() << "rotes und grünes Seitenlicht";
  if (rot != gruen) liste.naechstes() << (rot ? "rotes" : "grünes") << " Seitenlicht";
  if (zu_sehen(Licht::hecklicht)) liste.naechstes() << "Hecklicht";
  if (hat(alle, Licht::dreifarben)) {
    Writer& w = liste.naechstes() << "Dreifarbenlaterne";
    if (aspekt >= 0) w << " (" << farbwort(dreifarben_sektor(aspekt)).allein << ')';
  }
  rundumlichter(liste, alle);
}

/// A shape's name: with its number where it hangs alone, as one of several,
/// and several of it.
struct Koerperwort {
  std::string_view allein, einer, mehrere;
};

Koerperwort koerperwort(Signalkoerper k) {
  switch (k) {
    case Signalkoerper::ball:
      return {"ein Ball", "Ball", "Bälle"};
    case Signalkoerper::kegel_spitzen_zusammen:
      return {"zwei Kegel mit den Spitzen zueinander", "Doppelkegel", "Doppelkegel"};
    case Signalkoerper::rhombus:
      return {"ein Rhombus", "Rhombus", "Rhomben"};
    case Signalkoerper::kegel_spitze_unten:
      return {"ein Kegel, Spitze unten", "Kegel", "Kegel"};
    case Signalkoerper::zylinder:
      break;
  }
  return {"ein Zylinder", "Zylinder", "Zylinder"};
}

/// "führt: zwei Bälle." or "führt keine Signalkörper."
void koerper(Writer& w, std::span<const Signalkoerper> koerper) {
  if (koerper.empty()) {
    w << " keine Signalkörper.";
    return;
  }
  bool gleich = true;
  for (const Signalkoerper k : koerper) gleich = gleich && k == koerper[0];
  w << ": ";
  if (koerper.size() == 1) {
    w << koerperwort(koerper[0]).allein;
  } else if (gleich) {
    w << kZahl[koerper.size() < 4 ? koerper.size() : 0] << ' '
      << koerperwort(koerper[0]).mehrere;
  } else {
    for (std::size_t i = 0; i < koerper.size(); ++i) {
      w << (i == 0 ? "" : " über ") << koerperwort(koerper[i]).einer;
    }
  }
  w << '.';
}

void lage(Writer& w, const Szene& s) {
  switch (s.kurslage) {
    case Kurslage::voraus:
      w << "B fährt voraus auf gleichem Kurs, A überholt. ";
      return;
    case Kurslage::achteraus:
      w << "B kommt von achtern auf gleichem Kurs und überholt A. ";
      return;
    case Kurslage::recht_voraus:
      w << in_worten(Peilung::recht_voraus_gegenkurs) << ". ";
      return;
    case Kurslage::gegenkurs:
      // In a fairway each keeps to starboard: they pass port to port.
      w << (s.aspekt == 0 ? "B kommt auf Gegenkurs entgegen"
                          : "B kommt auf Gegenkurs entgegen, an Backbord voraus")
        << ". ";
      return;
    case Kurslage::von_stb:
      w << in_worten(Peilung::kreuzt_von_stb) << ". ";
      return;
    case Kurslage::von_bb:
      w << in_worten(Peilung::kreuzt_von_bb) << ". ";
      return;
    case Kurslage::offen:
      w << "Lage von B nicht festgelegt. ";
      return;
  }
}

void gewaesser(Writer& w, const Szene& s, const Angaben& a) {
  switch (s.gewaesser) {
    case Gewaesser::fahrwasser:
      w << "Fahrwasser, in Betonnungsrichtung rote Tonnen an Backbord, grüne an "
           "Steuerbord. ";
      break;
    case Gewaesser::hauptfahrwasser:
      w << (a.code(&Situation::khnfw) == a_im_hauptfw
                ? "A im Hauptfahrwasser, B im Nebenfahrwasser. "
                : "B im Hauptfahrwasser, A im Nebenfahrwasser. ");
      break;
    case Gewaesser::vtg:
      w << "Verkehrstrennungsgebiet: Einbahnwege mit Pfeilen in Fahrtrichtung, "
           "dazwischen die Trennzone. ";
      break;
    case Gewaesser::freier_seeraum:
      w << "Freier Seeraum. ";
      break;
    case Gewaesser::unbestimmt:
      break;
  }
  if (s.engstelle) {
    w << "Engstelle; " << (a.code(&Situation::keng) == a_mit_stroemung ? 'A' : 'B')
      << " fährt mit der Strömung. ";
  }
  if (s.nebel) w << "Verminderte Sicht: B nur als Radarecho. ";
}

void segel(Writer& w, std::string_view name, Code windseite) {
  if (windseite == bb_nicht_erkennbar || windseite == stb_nicht_erkennbar) {
    w << "Segelstellung von " << name << " für A nicht erkennbar. ";
  } else if (windseite == wind_von_bb || windseite == wind_von_stb) {
    const bool stb = windseite == wind_von_stb;
    w << name << " hat den Wind von "
      << (stb ? "Steuerbord, Segel an Backbord. " : "Backbord, Segel an Steuerbord. ");
  }
}

/// What a vessel carries, and what the table chose for her.
void signale(Writer& w, std::string_view name, const Signale& sig, Tageszeit t) {
  w << name << " führt";
  if (t == Tageszeit::tag) {
    koerper(w, sig.koerper);
  } else {
    w << ": ";
    CommaList liste(w);
    lichter(liste, sig.lichter, -1);
    if (liste.leer()) w << "keine Lichter";
    w << '.';
  }
  if (!sig.hinweis.empty() && (t == Tageszeit::nacht || !sig.koerper.empty())) {
    w << " Zu " << name << ": " << sig.hinweis;
  }
  if (sig.zweites_topplicht && t == Tageszeit::nacht) {
    w << ' ' << name << " führt " << kZweitesTopplicht << '.';
  }
  w << ' ';
}

/// The duties marked: the verdict first.
void pflichten(Writer& w, const Angaben& a) {
  bool erste = a.entschieden();
  for (const Pflicht& p : a.pflichten()) {
    const Klasse k = klasse(p);
    w << (erste ? "Urteil: " : k == Klasse::keine ? "Maßgebend: " : "Außerdem: ");
    if (k != Klasse::keine) w << in_worten(k) << " (";
    w << eintrag(p.regel).zitat << (k != Klasse::keine ? "). " : ". ");
    erste = false;
  }
}

}  // namespace

/// The lookout's view needs the visibility answered as clear: where the
/// analysis never asks it (the SeeSchStrO decides without it), the view is
/// not drawn.
bool mit_sicht(const Szene& s) {
  return s.b_typ != 0 && aspekt_fest(s.kurslage) && s.klare_sicht;
}

void beschreibe_sicht(Writer& w, const Szene& s, const Angaben& a, Tageszeit t) {
  if (!mit_sicht(s)) return;
  const Signale sig = signale_von(a, Schiff::b);
  w << "B zeigt A";
  if (t == Tageszeit::tag) {
    koerper(w, sig.koerper);
    return;
  }
  w << ": ";
  CommaList liste(w);
  lichter(liste, sig.lichter, s.aspekt);
  if (liste.leer()) w << "keine Lichter";
  w << '.';
}

void beschreibe(Writer& w, const Szene& s, const Angaben& a, Tageszeit t) {
  if (s.b_typ != 0) lage(w, s);
  gewaesser(w, s, a);
  if (s.a_typ == segler) segel(w, "A", a.code(&Situation::ka3));
  if (s.b_typ == segler) segel(w, "B", a.code(&Situation::kb3));
  if (s.a_typ != 0 && t == Tageszeit::nacht)
    signale(w, "A", signale_von(a, Schiff::a), t);
  if (s.b_typ != 0) signale(w, "B", signale_von(a, Schiff::b), t);
  // By day a B without shapes shows A none either; said once is enough.
  if (mit_sicht(s) &&
      (t == Tageszeit::nacht || !signale_von(a, Schiff::b).koerper.empty())) {
    beschreibe_sicht(w, s, a, t);
    w << ' ';
  }
  pflichten(w, a);
}

}  // namespace ausweich
