#include "picture/szene.h"

#include <algorithm>

namespace ausweich {
namespace {

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

/// The fairway around A: along her course where she follows it, else across it.
void lege_fahrwasser(Szene& s) {
  s.quer = s.a_bezug == Bezug::quert || s.a_bezug == Bezug::ausserhalb;
  if (!s.quer) {
    s.rinne = {70, 0, 100, 320};
    s.a = {140, 200, 0};
  } else {
    s.rinne =
        s.a_bezug == Bezug::quert ? Flaeche{0, 140, 240, 112} : Flaeche{0, 100, 240, 70};
  }
}

/// A main and a secondary fairway, the one that A is in along her course.
void lege_hauptfahrwasser(Szene& s, Code khnfw) {
  if (khnfw == b_im_hauptfw) {
    s.quer = true;
    s.rinne = {0, 90, 240, 60};
    s.zweite = {90, 150, 60, 170};
    s.a = {120, 220, 0};
  } else {
    s.rinne = {70, 0, 90, 320};
    s.zweite = {160, 70, 80, 70};
    s.a = {120, 200, 0};
  }
}

/// Two traffic lanes and the separation zone: A's lane (`rinne`) runs up or
/// to the right, the other one down or to the left, as in traffic that keeps
/// to starboard.
void lege_vtg(Szene& s) {
  s.quer = s.a_bezug == Bezug::quert || s.a_bezug == Bezug::ausserhalb;
  if (!s.quer) {
    s.rinne = {125, 0, 70, 320};
    s.trennzone = {95, 0, 30, 320};
    s.zweite = {35, 0, 60, 320};
    s.a = {160, 200, 0};
  } else if (s.a_bezug == Bezug::quert) {
    s.zweite = {0, 100, 240, 50};
    s.trennzone = {0, 150, 240, 20};
    s.rinne = {0, 170, 240, 60};
    s.a = {120, 215, 0};
  } else {
    s.zweite = {0, 50, 240, 45};
    s.trennzone = {0, 95, 240, 20};
    s.rinne = {0, 115, 240, 45};
  }
}

int mitte(const Flaeche& f) {
  return f.y + f.h / 2;
}

/// B in a fairway, open: ahead in it, across it, or beside it.
Ort im_fahrwasser(const Szene& s, int segelkurs) {
  if (s.quer) {
    switch (s.b_bezug) {
      case Bezug::folgt:
        return {200, s.rinne.y + 20, 270};
      case Bezug::quert:
        return {170, s.rinne.y + 25, 180};
      default:
        return {120, s.rinne.y - 45, 180};
    }
  }
  switch (s.b_bezug) {
    case Bezug::folgt:
      return segelkurs == 180 ? Ort{100, 80, 180} : Ort{140, 80, 0};
    case Bezug::quert:
      return {150, 100, 270};
    default:
      return {205, 100, 270};
  }
}

/// B near a traffic separation scheme, open, on the right-hand side; `rechts`
/// false: on the left, where that is not simply the mirror image.
Ort im_vtg(const Szene& s, int segelkurs, bool rechts) {
  if (s.quer) {
    switch (s.b_bezug) {
      case Bezug::folgt:
        return rechts ? Ort{200, mitte(s.zweite), 270} : Ort{40, s.rinne.y + 15, 90};
      case Bezug::quert:
        return {170, mitte(s.zweite), 180};
      default:  // south of the lanes, beside A
        return {205, s.a.y - 10, 270};
    }
  }
  switch (s.b_bezug) {
    case Bezug::folgt:
      return segelkurs == 180 ? Ort{65, 80, 180} : Ort{160, 80, 0};
    case Bezug::quert:
      return {180, 100, 270};
    default:
      return {215, 100, 180};
  }
}

Ort gespiegelt(Ort o) {
  return {240 - o.x, o.y, (360 - o.kurs) % 360};
}

/// Where B stands while the answers leave her bearing open: where her
/// waterway puts her, on the side that `rechts` names, heading as
/// `segelkurs` says for a sailing vessel whose wind is known (-1: not).
Ort offen(const Szene& s, bool rechts, int segelkurs, Code khnfw) {
  Ort o{190, 95, segelkurs < 0 ? 225 : segelkurs};
  if (s.b_bezug == Bezug::unbekannt) {
    // open water, or her place in the waterway not yet answered
  } else if (s.gewaesser == Gewaesser::hauptfahrwasser) {
    return khnfw == a_im_hauptfw ? Ort{210, 115, 270}
                                 : (rechts ? Ort{195, 120, 270} : Ort{45, 120, 90});
  } else if (s.gewaesser == Gewaesser::vtg) {
    o = im_vtg(s, segelkurs, rechts);
    if (s.quer && s.b_bezug == Bezug::folgt) return o;
  } else {
    o = im_fahrwasser(s, segelkurs);
  }
  return rechts ? o : gespiegelt(o);
}

Kurslage lage(const Angaben& a) {
  const Code kueb = a.code(&Situation::kueb);
  if (kueb == a_ueberholt_b) return Kurslage::voraus;
  if (kueb == b_ueberholt_a) return Kurslage::achteraus;
  if (a.code(&Situation::kent) == gegenkurse) return Kurslage::gegenkurs;
  switch (a.peilung()) {
    case Peilung::recht_voraus_gegenkurs:
      return Kurslage::gegenkurs;
    case Peilung::kreuzt_von_stb:
      return Kurslage::von_stb;
    case Peilung::kreuzt_von_bb:
      return Kurslage::von_bb;
    case Peilung::offen:
      break;
  }
  return Kurslage::offen;
}

/// Whether B stands to the right of A: on the lee side where A lies to
/// windward of her, on the weather side where A lies to leeward; to the
/// right where nothing says.
bool b_rechts(const Angaben& a) {
  const Code kluv = a.code(&Situation::kluv);
  const Code ka3 = a.code(&Situation::ka3);
  if (kluv == 0 || (ka3 != wind_von_bb && ka3 != wind_von_stb)) return true;
  return (kluv == a_in_luv) != (ka3 == wind_von_stb);
}

/// The heading of a sailing B that has the wind on the side answered, in
/// the wind that A has; -1 where either is not known.
int segelkurs(const Angaben& a) {
  const Code ka3 = a.code(&Situation::ka3);
  const Code kb3 = a.code(&Situation::kb3);
  if (ka3 == 0 || (kb3 != wind_von_bb && kb3 != wind_von_stb)) return -1;
  return kb3 == ka3 ? 0 : 180;
}

/// B where the answers fix her bearing, and where A stands off her bow.
void fest(Szene& s, Code khnfw) {
  const bool laengs = !s.quer && s.gewaesser != Gewaesser::freier_seeraum &&
                      s.gewaesser != Gewaesser::unbestimmt;
  switch (s.lage) {
    case Kurslage::voraus:
      s.b = {s.a.x, 80, 0};
      s.aspekt = 180;
      return;
    case Kurslage::achteraus:
      s.b = {s.a.x, 282, 0};
      return;
    case Kurslage::gegenkurs:
      s.b = {s.a.x - (laengs ? 40 : 0), 75, 180};
      s.aspekt = laengs ? 345 : 0;  // in a fairway they pass port to port
      return;
    case Kurslage::von_stb:
      s.b = offen(s, true, -1, khnfw);
      s.b = {std::max(s.b.x, s.a.x + 40), std::min(s.b.y, s.a.y - 30), 270};
      s.aspekt = 315;
      return;
    case Kurslage::von_bb:
      s.b = offen(s, false, -1, khnfw);
      s.b = {std::min(s.b.x, s.a.x - 40), std::min(s.b.y, s.a.y - 30), 90};
      s.aspekt = 45;
      return;
    case Kurslage::offen:
      return;
  }
}

int wind(const Angaben& a, const Szene& s) {
  const Code ka3 = a.code(&Situation::ka3);
  const Code kb3 = a.code(&Situation::kb3);
  if (ka3 == wind_von_bb || ka3 == wind_von_stb) return ka3 == wind_von_stb ? 90 : 270;
  if (s.b_typ != segler || (kb3 != wind_von_bb && kb3 != wind_von_stb)) return -1;
  return (s.b.kurs + (kb3 == wind_von_stb ? 90 : 270)) % 360;
}

}  // namespace

Signale signale_von(const Angaben& a, Schiff s) {
  const bool ist_a = s == Schiff::a;
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
  const Code khnfw = a.code(&Situation::khnfw);
  if (s.gewaesser == Gewaesser::fahrwasser) lege_fahrwasser(s);
  if (s.gewaesser == Gewaesser::hauptfahrwasser) lege_hauptfahrwasser(s, khnfw);
  if (vtg) lege_vtg(s);
  s.lage = lage(a);
  if (s.lage == Kurslage::offen) {
    s.b = offen(s, b_rechts(a), s.b_typ == segler ? segelkurs(a) : -1, khnfw);
  } else {
    fest(s, khnfw);
  }
  s.nebel = a.code(&Situation::ks) == verminderte_sicht;
  s.klare_sicht = a.code(&Situation::ks) == klare_sicht;
  s.wind = wind(a, s);
  const Code keng = a.code(&Situation::keng);
  s.engstelle = keng == a_mit_stroemung || keng == b_mit_stroemung;
  s.stroemung = !s.engstelle ? -1 : keng == a_mit_stroemung ? s.a.kurs : s.b.kurs;
  return s;
}

}  // namespace ausweich
