#include "training/lichteraufgabe.h"

#include <cstdint>
#include <string_view>
#include <utility>

#include "training/ziehung.h"

namespace ausweich {
namespace {

using K = Kennzeichnung;

/// "Was sehen Sie?" and its screen line (ASCII, as every question's).
constexpr std::string_view kWasSehenSie = "Was sehen Sie?";

// --- What A sees, in the words of an exam's text question -------------------

/// A light's colour: before a singular, a plural, a dative, and alone.
struct Farbwort {
  std::string_view einzahl, mehrzahl, dativ, allein;
};

Farbwort farbwort(Licht l) {
  if (l == Licht::rundum_rot) return {"rotes", "rote", "roten", "rot"};
  if (l == Licht::rundum_gruen) return {"grünes", "grüne", "grünen", "grün"};
  return {"weißes", "weiße", "weißen", "weiß"};
}

constexpr std::string_view kZahlwort[] = {"kein", "ein", "zwei", "drei"};

/// The all-round lights in their vertical line: "ein grünes Licht über einem
/// weißen Licht", "drei Lichter senkrecht übereinander: rot, weiß, rot".
void rundumlichter(LineBuilder& z, const Anblick& a) {
  const std::size_t n = a.rundum_anzahl;
  bool gleich = true;
  for (std::size_t i = 1; i < n; ++i) gleich = gleich && a.rundum[i] == a.rundum[0];
  if (n == 1) {
    z << "ein " << farbwort(a.rundum[0]).einzahl << " Licht";
  } else if (gleich) {
    z << kZahlwort[n] << " " << farbwort(a.rundum[0]).mehrzahl
      << " Lichter senkrecht übereinander";
  } else if (n == 2) {
    z << "ein " << farbwort(a.rundum[0]).einzahl << " Licht über einem "
      << farbwort(a.rundum[1]).dativ << " Licht";
  } else {
    z << kZahlwort[n] << " Lichter senkrecht übereinander: ";
    for (std::size_t i = 0; i < n; ++i) {
      z << (i > 0 ? ", " : "") << farbwort(a.rundum[i]).allein;
    }
  }
}

/// The sidelights and the sternlight: "ein rotes Licht", or after "über"
/// "einem grünen und einem roten Licht nebeneinander".
void tiefe_lichter(LineBuilder& z, const Anblick& a, bool dativ) {
  const std::string_view ein = dativ ? "einem " : "ein ";
  const auto farbe = [dativ](std::string_view nom, std::string_view dat) {
    return dativ ? dat : nom;
  };
  if (a.gruen && a.rot) {
    z << ein << farbe("grünes", "grünen") << " und " << ein << farbe("rotes", "roten")
      << " Licht nebeneinander";
  } else if (a.gruen) {
    z << ein << farbe("grünes", "grünen") << " Licht";
  } else if (a.rot) {
    z << ein << farbe("rotes", "roten") << " Licht";
  } else if (a.weiss) {
    z << ein << farbe("weißes", "weißen") << " Licht";
  }
}

/// The masthead lights over the low lights. Seen from the side, the after
/// masthead light stands aft of the forward one: to A's left where B shows
/// her starboard side, her bow to A's right.
void fahrtlichter(LineBuilder& z, const Anblick& a, Seite s) {
  const bool tief = a.rot || a.gruen || a.weiss;
  if (a.topplichter == 1) {
    z << "ein weißes Licht";
    if (tief) tiefe_lichter(z << " über ", a, true);
    return;
  }
  if (a.topplichter == 2) {
    z << "zwei weiße Lichter, "
      << (s == Seite::steuerbord ? "das linke höher als das rechte"
          : s == Seite::backbord ? "das rechte höher als das linke"
                                 : "senkrecht übereinander");
    if (tief) tiefe_lichter(z << ", darunter ", a, false);
    return;
  }
  tiefe_lichter(z, a, false);
}

/// Where A sees B: B crosses from the side opposite to the one she shows.
std::string_view ort(Seite s) {
  switch (s) {
    case Seite::steuerbord:
      return "an Backbord voraus";
    case Seite::backbord:
      return "an Steuerbord voraus";
    case Seite::achtern:
      return "voraus";
    case Seite::vorn:
      break;
  }
  return "recht voraus";
}

/// The shapes as they hang, as the object of "führt": "einen Ball über
/// einem Rhombus über einem Ball", "zwei Bälle senkrecht übereinander".
void signalkoerper(LineBuilder& z, const Anblick& a) {
  struct Wort {
    std::string_view akkusativ, dativ, mehrzahl;
  };
  const auto wort = [](Signalkoerper k) -> Wort {
    switch (k) {
      case Signalkoerper::ball:
        return {"einen Ball", "einem Ball", "Bälle"};
      case Signalkoerper::rhombus:
        return {"einen Rhombus", "einem Rhombus", "Rhomben"};
      case Signalkoerper::zylinder:
        return {"einen Zylinder", "einem Zylinder", "Zylinder"};
      case Signalkoerper::kegel_spitze_unten:
        return {"einen Kegel, Spitze unten", "einem Kegel, Spitze unten", "Kegel"};
      case Signalkoerper::kegel_spitzen_zusammen:
        break;
    }
    return {"zwei Kegel senkrecht übereinander, die Spitzen zusammen",
            "zwei Kegeln, die Spitzen zusammen", "Doppelkegel"};
  };
  const std::size_t n = a.koerper_anzahl;
  bool gleich = true;
  for (std::size_t i = 1; i < n; ++i) gleich = gleich && a.koerper[i] == a.koerper[0];
  if (n > 1 && gleich) {
    z << kZahlwort[n] << " " << wort(a.koerper[0]).mehrzahl << " senkrecht übereinander";
    return;
  }
  for (std::size_t i = 0; i < n; ++i) {
    z << (i == 0 ? wort(a.koerper[i]).akkusativ : wort(a.koerper[i]).dativ);
    if (i + 1 < n) z << " über ";
  }
}

/// What B's hull shows A by day.
std::string_view rumpfseite(Seite s) {
  switch (s) {
    case Seite::steuerbord:
      return "seine Steuerbordseite";
    case Seite::backbord:
      return "seine Backbordseite";
    case Seite::achtern:
      return "sein Heck";
    case Seite::vorn:
      break;
  }
  return "den Bug";
}

/// The lookout's sentence: "Sie sehen recht voraus ein weißes Licht über
/// einem grünen und einem roten Licht nebeneinander."
void was_a_sieht(LineBuilder& z, const Anblick& a, Seite s) {
  z << "Sie sehen " << ort(s) << " ";
  if (a.zeit == Tageszeit::tag) {
    z << "ein Fahrzeug, das Ihnen " << rumpfseite(s) << " zeigt. Es führt ";
    signalkoerper(z, a);
    z << ".";
    return;
  }
  if (a.rundum_anzahl > 0) {
    rundumlichter(z, a);
    if (a.topplichter > 0 || a.rot || a.gruen || a.weiss) z << ", dazu ";
  }
  fahrtlichter(z, a, s);
  z << ".";
}

// --- The wrong answers ---------------------------------------------------------

/// Whether kind `k` is met in `seegebiet`: a Wegerechtschiff only on the
/// Seeschifffahrtsstraßen, where a vessel constrained by her draught is one
/// (§ 2 Abs. 1 Nr. 13 SeeSchStrO) and shows no cylinder; that vessel with her
/// signals of Regel 28 only outside them.
bool im_seegebiet(Kennzeichnung k, Code seegebiet) {
  if (k == K::wegerechtschiff) return seegebiet == seeschifffahrtsstrassen;
  if (k == K::tiefgangbehindert) return seegebiet == hohe_see;
  return true;
}

/// The kinds that a learner takes for kind `k`.
std::span<const Kennzeichnung> verwechselbar(Kennzeichnung k) {
  static constexpr Kennzeichnung kMaschine[] = {K::maschinenfahrzeug_ab_50m,
                                                K::segelfahrzeug, K::tiefgangbehindert,
                                                K::segelfahrzeug_unter_maschine};
  static constexpr Kennzeichnung kGross[] = {K::maschinenfahrzeug, K::manoevrierbehindert,
                                             K::tiefgangbehindert};
  static constexpr Kennzeichnung kSegel[] = {K::maschinenfahrzeug,
                                             K::segelfahrzeug_unter_maschine, K::fischer};
  static constexpr Kennzeichnung kMotorsegler[] = {K::segelfahrzeug, K::maschinenfahrzeug,
                                                   K::trawler};
  static constexpr Kennzeichnung kTrawler[] = {K::fischer, K::manoevrierbehindert,
                                               K::maschinenfahrzeug};
  static constexpr Kennzeichnung kFischer[] = {K::trawler, K::manoevrierunfaehig,
                                               K::manoevrierbehindert};
  static constexpr Kennzeichnung kBehindert[] = {
      K::manoevrierunfaehig, K::wegerechtschiff, K::tiefgangbehindert};
  static constexpr Kennzeichnung kUnfaehig[] = {K::manoevrierbehindert, K::fischer,
                                                K::tiefgangbehindert};
  static constexpr Kennzeichnung kTiefgang[] = {K::wegerechtschiff, K::manoevrierunfaehig,
                                                K::manoevrierbehindert};
  static constexpr Kennzeichnung kWegerecht[] = {
      K::tiefgangbehindert, K::manoevrierunfaehig, K::manoevrierbehindert};
  switch (k) {
    case K::maschinenfahrzeug_ab_50m:
      return kGross;
    case K::segelfahrzeug:
    case K::segelfahrzeug_dreifarben:
      return kSegel;
    case K::segelfahrzeug_unter_maschine:
      return kMotorsegler;
    case K::trawler:
      return kTrawler;
    case K::fischer:
      return kFischer;
    case K::manoevrierbehindert:
      return kBehindert;
    case K::manoevrierunfaehig:
      return kUnfaehig;
    case K::tiefgangbehindert:
      return kTiefgang;
    case K::wegerechtschiff:
      return kWegerecht;
    case K::nach_typ:
    case K::maschinenfahrzeug:
      break;
  }
  return kMaschine;
}

bool enthaelt(std::span<const Kennzeichnung> liste, Kennzeichnung k) {
  for (const Kennzeichnung j : liste) {
    if (j == k) return true;
  }
  return false;
}

/// An answer that may be offered: a kind and a side.
struct Kandidat {
  Kennzeichnung k;
  Seite s;
};

}  // namespace

Lichteraufgabe::Lichteraufgabe(const Lichterlage& l)
    : lage_(l),
      aufgabe_(l.begegnung),
      anblick_(ausweich::anblick(signale(l.kennzeichnung), l.seite, l.zeit)) {
  beschreibe();
  waehle_antworten();
  nenne_gruende();
}

Kennzeichnung Lichteraufgabe::kennzeichnung(Code antwort) const {
  return kennzeichnungen_[static_cast<std::size_t>(antwort - 1)];
}

Seite Lichteraufgabe::seite(Code antwort) const {
  return seiten_[static_cast<std::size_t>(antwort - 1)];
}

void Lichteraufgabe::beschreibe() {
  const DrawnRun& run = aufgabe_.run();
  const Kennzeichnung k = lage_.kennzeichnung;
  // B's length where the lights do not tell it: a power-driven vessel with
  // one masthead light is under 50 m, but maybe over 20 m.
  const bool laenge_b = k == K::maschinenfahrzeug || k == K::segelfahrzeug_unter_maschine;
  for (const DrawnRun::Answer& a : run.answers()) {
    if (a.after_verdict) continue;
    const Frage& f = *a.frage;
    const Antwort& antwort = f.antwort(a.value);
    const std::string_view satz = antwort.satz.empty() ? antwort.knopf : antwort.satz;
    if (f.feld == &Situation::ka1) {
      zeilen_[anzahl_++] << "Sie führen A, ein " << antwort.knopf;
    } else if (f.feld == &Situation::ka2) {
      zeilen_[anzahl_ - 1] << ", " << satz;
    } else if (f.feld == &Situation::kb2) {
      if (laenge_b) zeilen_[anzahl_++] << "B ist " << satz;
    } else if (f.feld != &Situation::kb1 && f.feld != &Situation::ks &&
               f.feld != &Situation::kueb && f.feld != &Situation::kent) {
      LineBuilder& z = zeilen_[anzahl_++];
      if (f.schiff != Schiff::beide) z << buchstabe(f.schiff) << " ";
      z << satz;
    }
  }
  // What B shows is what A sees, not a fact to state.
  for (const std::string_view satz : run.assumptions()) {
    if (!satz.starts_with("B zeigt ")) zeilen_[anzahl_++] << satz;
  }
  zeilen_[anzahl_++] << (lage_.zeit == Tageszeit::tag ? "Am Tag" : "Nachts")
                     << ", die Sicht ist klar";
  was_a_sieht(zeilen_[anzahl_++], anblick_, lage_.seite);
}

void Lichteraufgabe::waehle_antworten() {
  const Code seegebiet = lage_.begegnung.kvr;
  const Tageszeit t = lage_.zeit;
  const Kennzeichnung k = lage_.kennzeichnung;
  Random zufall(lage_.auswahl);
  // The near misses first: kinds that a learner confuses from the same side,
  // and by night the same lights from another side; then those kinds from
  // another side; then anything else.
  std::array<Kandidat, std::size(kKennzeichnungen) * 4> liste{};
  std::array<std::size_t, 3> stufe_ende{};
  std::size_t n = 0;
  const auto stufe = [&](std::size_t nummer, Kennzeichnung j, Seite s) {
    const bool nah = enthaelt(verwechselbar(k), j);
    const bool gleiche_seite = s == lage_.seite;
    if (nummer == 0) return (nah && gleiche_seite) || (j == k && t == Tageszeit::nacht);
    if (nummer == 1) return nah;
    return true;
  };
  std::array<bool, std::size(kKennzeichnungen) * 4> vergeben{};
  for (std::size_t nummer = 0; nummer < stufe_ende.size(); ++nummer) {
    const std::size_t anfang = n;
    std::size_t i = 0;
    for (const Kennzeichnung j : kKennzeichnungen) {
      for (const Seite s : kSeiten) {
        if (!vergeben[i] && darstellbar(j, s) && im_seegebiet(j, seegebiet) &&
            stufe(nummer, j, s)) {
          liste[n++] = {j, s};
          vergeben[i] = true;
        }
        ++i;
      }
    }
    for (std::size_t m = n - anfang; m > 1; --m) {
      std::swap(liste[anfang + m - 1], liste[anfang + zufall.unter(m)]);
    }
    stufe_ende[nummer] = n;
  }
  std::array<Anblick, 4> gesehen{};
  kennzeichnungen_[0] = k;
  seiten_[0] = lage_.seite;
  gesehen[0] = anblick_;
  std::size_t gewaehlt = 1;
  const auto gleich_benannt = [&](const Kandidat& c, std::size_t i) {
    return bezeichnung(c.k, seegebiet, t) ==
               bezeichnung(kennzeichnungen_[i], seegebiet, t) &&
           c.s == seiten_[i];
  };
  // At most two wrong answers of the right kind: the others name other kinds.
  std::size_t gleiche_art = 0;
  for (std::size_t i = 0; i < n && gewaehlt < 4; ++i) {
    const Kandidat c = liste[i];
    if (deutet(c.k, c.s, seegebiet, anblick_)) continue;  // it is what A sees
    if (c.k == k && gleiche_art == 2) continue;
    const Anblick a = ausweich::anblick(signale(c.k), c.s, t);
    bool neu = true;
    for (std::size_t j = 0; j < gewaehlt; ++j) {
      neu = neu && !(a == gesehen[j]) && !gleich_benannt(c, j);
    }
    if (!neu) continue;
    gleiche_art += c.k == k ? 1 : 0;
    kennzeichnungen_[gewaehlt] = c.k;
    seiten_[gewaehlt] = c.s;
    gesehen[gewaehlt++] = a;
  }
  // The right answer takes a place at random.
  const std::size_t platz = zufall.unter(gewaehlt);
  std::swap(kennzeichnungen_[0], kennzeichnungen_[platz]);
  std::swap(seiten_[0], seiten_[platz]);
  richtig_ = static_cast<Code>(platz + 1);
  for (std::size_t i = 0; i < gewaehlt; ++i) {
    knoepfe_[i] << bezeichnung(kennzeichnungen_[i], seegebiet, t) << ", "
                << in_worten(seiten_[i]);
    antworten_[i] = {static_cast<Code>(i + 1), knoepfe_[i].text(), {}};
  }
  frage_ = {
      nullptr, kWasSehenSie, {}, std::span(antworten_.data(), gewaehlt), kWasSehenSie};
}

void Lichteraufgabe::nenne_gruende() {
  const Code seegebiet = lage_.begegnung.kvr;
  const std::string_view worte = bezeichnung(lage_.kennzeichnung, seegebiet, lage_.zeit);
  const auto nimm = [this](Regel r) {
    for (std::size_t i = 0; i < gruende_anzahl_; ++i) {
      if (gruende_[i] == r) return;
    }
    gruende_[gruende_anzahl_++] = r;
  };
  // Every kind that the right words cover and that looks the same: by day
  // kinds of one type too (a trawler and another fishing vessel), by night
  // only kinds of another type (a sailing vessel under engine is a
  // power-driven vessel and shows nothing of her own).
  const Kennzeichnung k = lage_.kennzeichnung;
  for (const Kennzeichnung j : kKennzeichnungen) {
    const bool gedeckt = j == k || typ(j) != typ(k) || lage_.zeit == Tageszeit::tag;
    if (gedeckt && bezeichnung(j, seegebiet, lage_.zeit) == worte &&
        ausweich::anblick(signale(j), lage_.seite, lage_.zeit) == anblick_) {
      nimm(vorschrift(j));
    }
  }
  if (lage_.zeit == Tageszeit::nacht) nimm(Regel::kvr_21);
}

void Lichteraufgabe::vorlegen(Listener& l) const {
  std::array<Angabe, DrawnRun::kMaxQuestions + 1> angaben;
  std::size_t n =
      aufgabe_.run().facts(std::span(angaben.data(), DrawnRun::kMaxQuestions));
  bool sicht = false;
  for (std::size_t i = 0; i < n; ++i) sicht = sicht || angaben[i].feld == &Situation::ks;
  // Seen at all, B is seen in clear visibility; the waterways regime may
  // decide without asking it.
  if (!sicht) angaben[n++] = {&Situation::ks, klare_sicht};
  l.vorlage(std::span(angaben.data(), n), peilung(lage_.seite),
            {lage_.kennzeichnung, true, lage_.zeit});
}

}  // namespace ausweich
