#include "picture/szene.h"

#include <algorithm>
#include <cstdlib>

#include "picture/saeule.h"
#include "picture/winkel.h"

namespace ausweich {
namespace {

using Art = Flaeche::Art;

Bezug bezug_zum_fahrwasser(Code c) {
  if (c == 0) return Bezug::unbekannt;
  if (c == nicht_im_fw) return Bezug::ausserhalb;
  return c == im_fw_nicht_folgend ? Bezug::quert : Bezug::folgt;
}

Bezug bezug_zum_einbahnweg(Code c) {
  if (c == 0) return Bezug::unbekannt;
  if (c == nicht_im_vtg) return Bezug::ausserhalb;
  return c == querend ? Bezug::quert : Bezug::folgt;
}

Gewaesser gewaesser(const Angaben& a) {
  const Code kvtg = a.code(&Situation::kvtg);
  const Code khnfw = a.code(&Situation::khnfw);
  if (kvtg == verkehrstrennungsgebiet) return Gewaesser::vtg;
  if (khnfw == a_im_hauptfw || khnfw == b_im_hauptfw) return Gewaesser::hauptfahrwasser;
  if (kvtg == fahrwasser || a.code(&Situation::kafw) != 0) return Gewaesser::fahrwasser;
  if (kvtg == freier_seeraum) return Gewaesser::freier_seeraum;
  return Gewaesser::unbestimmt;
}

/// One way to lay out the waterway: its areas and A's place, heading up.
struct Entwurf {
  std::array<Flaeche, 3> flaechen;
  std::size_t anzahl;
  Ort a;
};

constexpr Flaeche fw(Rechteck r, int richtung, std::string_view name = "Fahrwasser") {
  return {Art::fahrwasser, r, richtung, name};
}

/// A traffic separation scheme of two lanes 55 wide and the zone between,
/// traffic keeping to starboard: `hoch` along the sheet from x (the lane
/// down the sheet first, the one up the sheet `breite` wide), else across it
/// from y (the lane to the left first).
constexpr Entwurf vtg(bool hoch, int von, Ort a, int breite = 55) {
  if (hoch) {
    return {{Flaeche{Art::einbahnweg, {von, 0, 55, kHoehe}, 180, {}},
             Flaeche{Art::trennzone, {von + 55, 0, 20, kHoehe}, 0, {}},
             Flaeche{Art::einbahnweg, {von + 75, 0, breite, kHoehe}, 0, {}}},
            3,
            a};
  }
  return {{Flaeche{Art::einbahnweg, {0, von, kBreite, 55}, 270, {}},
           Flaeche{Art::trennzone, {0, von + 55, kBreite, 20}, 90, {}},
           Flaeche{Art::einbahnweg, {0, von + 75, kBreite, 55}, 90, {}}},
          3,
          a};
}

// The layouts tried, in order, until one has room for B where the facts put
// her. A keeps to the starboard side of a fairway she follows; where she
// crosses it or keeps outside it, it lies across her course ahead or along
// it to one side. A lower place leaves room for a B that overtakes her.

constexpr Entwurf kFahrwasserFolgt[] = {
    {{fw({60, 0, 120, kHoehe}, 0)}, 1, {150, 240, 0}},
    {{fw({60, 0, 120, kHoehe}, 0)}, 1, {150, 150, 0}},
    {{fw({10, 0, 220, kHoehe}, 0)}, 1, {135, 250, 0}},
};
constexpr Entwurf kFahrwasserQuert[] = {
    {{fw({0, 130, kBreite, 130}, 90)}, 1, {120, 215, 0}},
    {{fw({0, 70, kBreite, 200}, 90)}, 1, {120, 250, 0}},
    {{fw({0, 60, kBreite, 200}, 90)}, 1, {120, 120, 0}},
    {{fw({0, 170, kBreite, 110}, 90)}, 1, {120, 235, 0}},
};
constexpr Entwurf kFahrwasserAussen[] = {
    {{fw({0, 100, kBreite, 100}, 90)}, 1, {120, 255, 0}},
    {{fw({130, 0, 90, kHoehe}, 0)}, 1, {50, 240, 0}},
    {{fw({20, 0, 90, kHoehe}, 0)}, 1, {190, 240, 0}},
    {{fw({130, 0, 90, kHoehe}, 0)}, 1, {50, 150, 0}},
    {{fw({20, 0, 90, kHoehe}, 0)}, 1, {190, 150, 0}},
    {{fw({0, 40, kBreite, 80}, 90)}, 1, {120, 170, 0}},
    {{fw({0, 180, kBreite, 100}, 90)}, 1, {120, 110, 0}},
};
constexpr Entwurf kHauptfahrwasser[] = {
    // A in the main fairway
    {{fw({10, 0, 110, kHoehe}, 0, "Hauptfahrwasser"),
      fw({120, 60, 120, 90}, 270, "Nebenfahrwasser")},
     2,
     {90, 240, 0}},
};
constexpr Entwurf kNebenfahrwasser[] = {
    // A in the secondary one
    {{fw({0, 70, kBreite, 100}, 90, "Hauptfahrwasser"),
      fw({65, 170, 110, 150}, 0, "Nebenfahrwasser")},
     2,
     {135, 255, 0}},
};
constexpr Entwurf kVtgFolgt[] = {
    vtg(true, 35, {137, 240, 0}),      vtg(true, 35, {137, 150, 0}),
    vtg(true, 90, {192, 240, 0}),      vtg(true, 90, {192, 150, 0}),
    vtg(true, 10, {100, 240, 0}, 130),
};
constexpr Entwurf kVtgQuert[] = {
    vtg(false, 95, {120, 215, 0}),
    vtg(false, 50, {120, 90, 0}),
    vtg(false, 120, {120, 232, 0}),
    vtg(false, 160, {120, 270, 0}),
};
constexpr Entwurf kVtgAussen[] = {
    vtg(false, 70, {120, 260, 0}),  vtg(true, 105, {45, 240, 0}),
    vtg(true, 5, {195, 240, 0}),    vtg(true, 105, {45, 150, 0}),
    vtg(true, 5, {195, 150, 0}),    vtg(false, 30, {120, 205, 0}),
    vtg(false, 170, {120, 110, 0}),
};
constexpr Entwurf kOffen[] = {
    {{}, 0, {120, 240, 0}},
    {{}, 0, {120, 150, 0}},
};

/// The layouts for the waterway of `s`, A's place in it and the main and
/// secondary fairway (`khnfw`).
std::span<const Entwurf> entwuerfe(const Szene& s, Code khnfw) {
  const Bezug a = s.a_bezug;
  switch (s.gewaesser) {
    case Gewaesser::fahrwasser:
      return a == Bezug::quert        ? std::span<const Entwurf>(kFahrwasserQuert)
             : a == Bezug::ausserhalb ? std::span<const Entwurf>(kFahrwasserAussen)
                                      : std::span(kFahrwasserFolgt);
    case Gewaesser::hauptfahrwasser:
      return khnfw == b_im_hauptfw ? std::span<const Entwurf>(kNebenfahrwasser)
                                   : std::span(kHauptfahrwasser);
    case Gewaesser::vtg:
      return a == Bezug::quert        ? std::span<const Entwurf>(kVtgQuert)
             : a == Bezug::ausserhalb ? std::span<const Entwurf>(kVtgAussen)
                                      : std::span(kVtgFolgt);
    case Gewaesser::freier_seeraum:
    case Gewaesser::unbestimmt:
      break;
  }
  return kOffen;
}

void lege(Szene& s, const Entwurf& e) {
  s.flaechen_anzahl = e.anzahl;
  for (std::size_t i = 0; i < e.anzahl; ++i) s.flaechen[i] = e.flaechen[i];
  s.a = e.a;
}

Kurslage kurslage(const Angaben& a) {
  const Code kueb = a.code(&Situation::kueb);
  if (kueb == a_ueberholt_b) return Kurslage::voraus;
  if (kueb == b_ueberholt_a) return Kurslage::achteraus;
  if (a.peilung() == Peilung::recht_voraus_gegenkurs) return Kurslage::recht_voraus;
  if (a.code(&Situation::kent) == gegenkurse) return Kurslage::gegenkurs;
  switch (a.peilung()) {
    case Peilung::recht_voraus_gegenkurs:
      return Kurslage::recht_voraus;
    case Peilung::kreuzt_von_stb:
      return Kurslage::von_stb;
    case Peilung::kreuzt_von_bb:
      return Kurslage::von_bb;
    case Peilung::offen:
      break;
  }
  return Kurslage::offen;
}

/// The side from which a sailing vessel has the wind, as A sees it or not:
/// wind_von_bb or wind_von_stb; 0 where not given.
Code wahre_seite(Code windseite) {
  if (windseite == wind_von_bb || windseite == bb_nicht_erkennbar) return wind_von_bb;
  if (windseite == wind_von_stb || windseite == stb_nicht_erkennbar) return wind_von_stb;
  return 0;
}

/// What B's place must keep to.
struct Vorgaben {
  const Szene* s;
  bool segeln = false;  // B sails: off the wind
  Code b_seite = 0;     // her wind side, where it is given
  Code luv = 0;         // a_in_luv or a_in_lee, where given
  bool lage = true;     // keep to the bearing (relaxed where nothing fits)
  bool gebiet = true;
  bool luv_halten = true;
  int oben = 60;  // B's place lies no higher: her signals stay below the heading lines
};

bool in_art(const Szene& s, int x, int y, Art art, int rand, int* richtung = nullptr) {
  for (const Flaeche& f : s.gebiete()) {
    if (f.art != art || !f.r.enthaelt(x, y, rand)) continue;
    if (richtung != nullptr) *richtung = f.richtung;
    return true;
  }
  return false;
}

bool ausserhalb_aller(const Szene& s, int x, int y, int rand) {
  for (const Flaeche& f : s.gebiete()) {
    if (Rechteck{f.r.x - rand, f.r.y - rand, f.r.b + 2 * rand, f.r.h + 2 * rand}.enthaelt(
            x, y)) {
      return false;
    }
  }
  return true;
}

/// Whether a vessel outside the fairway at x, y heading `kurs` heads for it:
/// one that will cross it or enter it, as an encounter with one following it
/// has her.
bool auf_das_fahrwasser_zu(const Szene& s, int x, int y, int kurs) {
  const Rechteck& r = s.flaechen[0].r;
  const int mitte_x = std::clamp(x, r.x, r.x + r.b);
  const int mitte_y = std::clamp(y, r.y, r.y + r.h);
  return abstand(kurs, richtung(mitte_x - x, mitte_y - y)) <= 45;
}

/// Whether the place x, y lies to B's waterway as the answers say: inside
/// her fairway or lane (inside `gebiet`, where one is named) or outside all
/// of them. Sets `richtung` to the direction of the area she is in.
bool ort_im_gebiet(const Szene& s, int x, int y, int& richtung) {
  if (s.gewaesser == Gewaesser::freier_seeraum || s.gewaesser == Gewaesser::unbestimmt ||
      s.b_bezug == Bezug::unbekannt) {
    return true;
  }
  if (s.b_gebiet >= 0) {
    const Flaeche& f = s.flaechen[static_cast<std::size_t>(s.b_gebiet)];
    richtung = f.richtung;
    return f.r.enthaelt(x, y, 12);
  }
  if (s.b_bezug == Bezug::ausserhalb) return ausserhalb_aller(s, x, y, 22);
  const Art art = s.gewaesser == Gewaesser::vtg ? Art::einbahnweg : Art::fahrwasser;
  return in_art(s, x, y, art, 12, &richtung);
}

/// Whether B at x, y in an area of `richtung` heads as the answers say:
/// along it or across it, or, outside a fairway that A follows, for it.
bool kurs_im_gebiet(const Szene& s, int x, int y, int kurs, int richtung) {
  if (s.gewaesser == Gewaesser::freier_seeraum || s.gewaesser == Gewaesser::unbestimmt ||
      s.b_bezug == Bezug::unbekannt) {
    return true;
  }
  if (s.b_gebiet >= 0) {
    // A main and a secondary fairway: B out of the secondary one into the
    // main one, or along the main one either way.
    const bool haupt = s.b_gebiet == 0;
    return abstand(kurs, richtung) <= 15 ||
           (haupt && abstand(kurs, richtung + 180) <= 15);
  }
  const bool vtg = s.gewaesser == Gewaesser::vtg;
  switch (s.b_bezug) {
    case Bezug::ausserhalb:
      return vtg || s.a_bezug != Bezug::folgt || auf_das_fahrwasser_zu(s, x, y, kurs);
    case Bezug::quert:
      // Across a lane as nearly at right angles as may be (KVR Regel 10 c));
      // across a fairway at 30° to its axis at least.
      return abstand(abstand(kurs, richtung), 90) <= (vtg ? 20 : 60);
    case Bezug::folgt:
      return abstand(kurs, richtung) <= 15 ||
             (!vtg && abstand(kurs, richtung + 180) <= 15);
    case Bezug::unbekannt:
      break;
  }
  return true;
}

/// Whether B at x, y, bearing `zu_b` from A, may stand there as the answers
/// put her, whatever her heading.
bool ort_zur_lage(const Szene& s, int x, int zu_b) {
  const int voraus = abstand(zu_b, s.a.kurs);
  const int rechts = relativ(s.a.kurs, zu_b);
  switch (s.kurslage) {
    case Kurslage::voraus:
      return voraus <= 50;
    case Kurslage::achteraus:
      return abstand(zu_b, s.a.kurs + 180) <= 35;
    case Kurslage::recht_voraus:
      return x == s.a.x && voraus == 0;
    case Kurslage::gegenkurs:
      return voraus <= 10;
    case Kurslage::von_stb:
      return rechts >= 25 && rechts <= 80;
    case Kurslage::von_bb:
      return rechts >= 280 && rechts <= 335;
    case Kurslage::offen:
      break;
  }
  return voraus <= 100;  // ahead of A's beam: she is not overtaking
}

/// Whether B at x heading `kurs`, with A `zu_a` off her bow, stands to A as
/// the answers say.
bool kurs_zur_lage(const Szene& s, int x, int kurs, int zu_a) {
  switch (s.kurslage) {
    case Kurslage::voraus:
      // On much A's course, with A well within B's sternlight arc (which
      // reaches 67.5° either side of her stern): plainly coming up astern.
      return abstand(kurs, s.a.kurs) <= 15 && abstand(zu_a, 180) <= 35;
    case Kurslage::achteraus:
      return abstand(kurs, s.a.kurs) <= 15;
    case Kurslage::recht_voraus:
      // Rule 14: each sees the other's masthead lights in a line.
      return kurs == normiert(s.a.kurs + 180);
    case Kurslage::gegenkurs: {
      // In a fairway they keep to starboard and pass port to port.
      const bool rechts =
          s.gewaesser == Gewaesser::fahrwasser && s.a_bezug == Bezug::folgt;
      return kurs == normiert(s.a.kurs + 180) && (!rechts || x < s.a.x);
    }
    case Kurslage::von_stb:
      return zu_a >= 280 && zu_a <= 340;
    case Kurslage::von_bb:
      return zu_a >= 20 && zu_a <= 80;
    case Kurslage::offen:
      break;
  }
  return true;
}

/// Whether a sailing vessel heading `kurs` sails in the wind `wind`, at
/// least 45° off it and not dead before it, with the wind on `seite` where
/// that is given.
bool segelt(int kurs, int wind, Code seite) {
  const int ab = abstand(kurs, wind);
  return ab >= 45 && ab <= 165 && (seite == 0 || windseite(kurs, wind) == seite);
}

/// Whether A lies to windward (a_in_luv) or to leeward of B by `luv`,
/// visibly: by 25 units along the wind at least.
bool passt_zum_luv(const Szene& s, int bx, int by, int wind, Code luv) {
  const long dx = s.a.x - bx;
  const long dy = s.a.y - by;
  const long nach_luv = (dx * sin1000(wind) - dy * cos1000(wind)) / 1000;
  return luv == a_in_luv ? nach_luv >= 25 : nach_luv <= -25;
}

/// The headings tried for B, in the order preferred.
constexpr int kKurse[] = {0,  180, 90,  270, 45, 135, 225, 315, 15, 345, 165, 195,
                          75, 105, 255, 285, 30, 330, 150, 210, 60, 120, 240, 300};

/// The point around which B is looked for.
void bevorzugt(const Szene& s, int& x, int& y) {
  x = s.a.x;
  y = s.a.y - 115;
  if (s.kurslage == Kurslage::achteraus) y = s.a.y + 60;
  if (s.kurslage == Kurslage::von_stb) x = s.a.x + 70;
  if (s.kurslage == Kurslage::von_bb) x = s.a.x - 70;
}

/// The winds that may blow, in the order preferred.
struct Winde {
  int liste[12];
  std::size_t anzahl;
};

/// The first of `w` in which B, heading `kurs` at x, y, keeps to the rules
/// `v` on the wind: sailing, and to windward or leeward of A; -1 for none.
int wind_fuer(const Szene& s, const Vorgaben& v, const Winde& w, int x, int y, int kurs) {
  for (std::size_t i = 0; i < w.anzahl; ++i) {
    const int wind = w.liste[i];
    if (wind < 0) return 0;  // no wind: nothing to keep to
    if (v.segeln && !segelt(kurs, wind, v.b_seite)) continue;
    if (v.luv != 0 && v.luv_halten && !passt_zum_luv(s, x, y, wind, v.luv)) continue;
    return static_cast<int>(i);
  }
  return -1;
}

/// B's place and the wind by the rules `v`: the first place, ring by ring
/// around the preferred point, heading and wind of `w` that keep to them all.
bool suche(Szene& s, const Vorgaben& v, const Winde& w) {
  int px = 0;
  int py = 0;
  bevorzugt(s, px, py);
  for (int ring = 0; ring <= 30; ++ring) {
    for (int i = -ring; i <= ring; ++i) {
      for (int j = -ring; j <= ring; ++j) {
        if (std::max(std::abs(i), std::abs(j)) != ring) continue;
        const int x = px + 10 * i;
        const int y = py + 10 * j;
        if (x < 30 || x > kBreite - 30 || y < v.oben || y > kHoehe - 30) continue;
        const int dx = x - s.a.x;
        const int dy = y - s.a.y;
        if (dx * dx + dy * dy < 80 * 80 || dx * dx + dy * dy > 190 * 190) continue;
        int gebiet = 0;
        if (v.gebiet && !ort_im_gebiet(s, x, y, gebiet)) continue;
        const int zu_b = richtung(dx, dy);
        if (v.lage && !ort_zur_lage(s, x, zu_b)) continue;
        for (const int kurs : kKurse) {
          const int zu_a = relativ(kurs, zu_b + 180);
          if (v.gebiet && !kurs_im_gebiet(s, x, y, kurs, gebiet)) continue;
          if (v.lage && !kurs_zur_lage(s, x, kurs, zu_a)) continue;
          const int wind = wind_fuer(s, v, w, x, y, kurs);
          if (wind < 0) continue;
          s.b = {x, y, kurs};
          s.aspekt = zu_a;
          s.wind = w.liste[wind];
          return true;
        }
      }
    }
  }
  return false;
}

/// The winds tried: where A sails, from her side (abeam first), or from
/// either side where hers is not given; else from every side where B sails,
/// none where neither does.
Winde winde(bool a_segelt, Code a_seite, bool b_segelt) {
  constexpr int kSteuerbord[] = {90, 60, 120, 45, 135, 150};
  Winde w{{}, 0};
  if (a_segelt) {
    for (const int wind : kSteuerbord) {
      if (a_seite != wind_von_bb) w.liste[w.anzahl++] = wind;
      if (a_seite != wind_von_stb) w.liste[w.anzahl++] = 360 - wind;
    }
  } else if (b_segelt) {
    for (const int wind : {45, 315, 90, 270, 135, 225, 0, 180})
      w.liste[w.anzahl++] = wind;
  } else {
    w.liste[w.anzahl++] = -1;
  }
  return w;
}

/// Places B, and chooses the wind, so that every fact holds; where none
/// could, keeps first the waterway, then the bearing.
void lege_b(Szene& s, const Angaben& a) {
  const Code a_seite = s.a_typ == segler ? wahre_seite(a.code(&Situation::ka3)) : 0;
  Vorgaben v{&s};
  v.segeln = s.b_typ == segler;
  if (v.segeln) v.b_seite = wahre_seite(a.code(&Situation::kb3));
  v.luv = a.code(&Situation::kluv);
  const Signale sig = signale_von(a, Schiff::b);
  const int saeule =
      std::max(saeulenhoehe(sig, Tageszeit::tag), saeulenhoehe(sig, Tageszeit::nacht));
  v.oben = std::max(v.oben, kKopfzeilen + ueber_dem_schiff(saeule));
  Winde w = winde(s.a_typ == segler, a_seite, s.b_typ == segler);
  s.b_passt = true;
  if (suche(s, v, w)) return;
  s.b_passt = false;
  if (v.luv != 0) {
    v.luv_halten = false;
    if (suche(s, v, w)) return;
  }
  v.lage = false;
  if (suche(s, v, w)) return;
  v.gebiet = false;
  v.segeln = false;
  s.wind = w.liste[0];
  if (!suche(s, v, w)) s.b = {s.a.x, s.a.y - 120, 180};
}

}  // namespace

Code windseite(int kurs, int wind) {
  return relativ(kurs, wind) < 180 ? wind_von_stb : wind_von_bb;
}

Signale signale_von(const Angaben& a, Schiff s) {
  const bool ist_a = s == Schiff::a;
  if (!ist_a && a.ansicht().b != Kennzeichnung::nach_typ) {
    return signale(a.ansicht().b);
  }
  return signale(a.code(ist_a ? &Situation::ka1 : &Situation::kb1),
                 a.code(ist_a ? &Situation::ka2 : &Situation::kb2),
                 a.code(&Situation::kvr));
}

Szene szene(const Angaben& a) {
  Szene s;
  s.a_typ = a.code(&Situation::ka1);
  s.b_typ = a.code(&Situation::kb1);
  s.gewaesser = gewaesser(a);
  const bool vtg = s.gewaesser == Gewaesser::vtg;
  s.a_bezug = vtg ? bezug_zum_einbahnweg(a.code(&Situation::kavt))
                  : bezug_zum_fahrwasser(a.code(&Situation::kafw));
  s.b_bezug = vtg ? bezug_zum_einbahnweg(a.code(&Situation::kbvt))
                  : bezug_zum_fahrwasser(a.code(&Situation::kbfw));
  s.kurslage = kurslage(a);
  s.nebel = a.code(&Situation::ks) == verminderte_sicht;
  s.klare_sicht = a.code(&Situation::ks) == klare_sicht;
  const std::span<const Entwurf> e = entwuerfe(s, a.code(&Situation::khnfw));
  s.b_gebiet = s.gewaesser != Gewaesser::hauptfahrwasser   ? -1
               : a.code(&Situation::khnfw) == b_im_hauptfw ? 0
                                                           : 1;
  lege(s, e[0]);
  if (s.b_typ != 0) {
    for (const Entwurf& entwurf : e) {
      lege(s, entwurf);
      lege_b(s, a);
      if (s.b_passt) break;
    }
    if (!s.b_passt) {
      lege(s, e[0]);
      lege_b(s, a);
    }
  }
  if (s.a_typ != segler && s.b_typ != segler) s.wind = -1;
  const Code keng = a.code(&Situation::keng);
  s.engstelle = keng == a_mit_stroemung || keng == b_mit_stroemung;
  s.stroemung = !s.engstelle ? -1 : keng == a_mit_stroemung ? s.a.kurs : s.b.kurs;
  return s;
}

}  // namespace ausweich
