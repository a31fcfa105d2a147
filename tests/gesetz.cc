#include "gesetz.h"

#include <vector>

namespace ausweich::testing {
namespace {

using K = Klasse;

bool klein(Code typ, Code laenge) {
  return typ == segler || (typ == maschinenfahrzeug && laenge == kleiner_20m);
}

/// A vessel that can navigate safely only within a narrow channel, as the
/// course counts it: a power-driven vessel of 20 m or more, or one whose
/// status keeps her there.
bool nur_im_fahrwasser_sicher(Code typ, Code laenge) {
  return !klein(typ, laenge) && typ != fischend;
}

/// A power-driven vessel, as Regel 10 j) protects her: the own motor vessel,
/// or a B power-driven or constrained by her draught.
bool maschine(Code typ) {
  return typ == maschinenfahrzeug || typ == tiefgangbehindert;
}

K ausweichen(Schiff s) {
  return s == Schiff::a ? K::a_muss_ausweichen : K::b_muss_ausweichen;
}

K nicht_behindern(Schiff s) {
  return s == Schiff::a ? K::a_darf_b_nicht_behindern : K::b_darf_a_nicht_behindern;
}

/// Part B of the KVR between the two, in order: restricted visibility,
/// overtaking, two sailing vessels, vessels of different kinds, two
/// power-driven vessels at their bearing.
K begegnung(const Situation& s, Peilung p) {
  if (s.ks == verminderte_sicht) return K::beide_muessen_ausweichen;  // 19 d)
  if (s.kueb == a_ueberholt_b) return K::a_muss_ausweichen;           // 13
  if (s.kueb == b_ueberholt_a) return K::b_muss_ausweichen;
  if (s.ka1 == segler && s.kb1 == segler) {  // 12
    if (s.kb3 == bb_nicht_erkennbar || s.kb3 == stb_nicht_erkennbar) {
      if (s.ka3 == wind_von_bb) return K::a_muss_ausweichen;  // iii), or i)/ii)
      return s.kluv == a_in_lee ? K::b_muss_ausweichen : K::keine;
    }
    if (s.kb3 == s.ka3)
      return s.kluv == a_in_luv ? K::a_muss_ausweichen : K::b_muss_ausweichen;
    return s.ka3 == wind_von_bb ? K::a_muss_ausweichen : K::b_muss_ausweichen;
  }
  if (s.kb1 == tiefgangbehindert) return K::a_darf_b_nicht_behindern;  // 18 d) i)
  // (towards a sailing A she stays bound by 18 a) iv): see kvr())
  if (s.ka1 == segler && s.kb1 == maschinenfahrzeug) return K::b_muss_ausweichen;
  if (s.ka1 != s.kb1) return K::a_muss_ausweichen;  // 18 a), b)
  switch (p) {                                      // 14, 15
    case Peilung::recht_voraus_gegenkurs:
      return K::beide_muessen_ausweichen;
    case Peilung::kreuzt_von_stb:
      return K::a_muss_ausweichen;
    case Peilung::kreuzt_von_bb:
      return K::b_muss_ausweichen;
    case Peilung::offen:
      break;
  }
  return K::keine;
}

struct Schiffe {
  Code typ[2], laenge[2], lage[2];  // A first; lage: fairway or lane code
};

/// Regel 9 b) to d) in a narrow channel: a small vessel in it, and any
/// vessel crossing it, must not impede one following it that can navigate
/// safely only within it; a fishing vessel must not impede others in it.
std::vector<K> regel9(const Schiffe& v) {
  std::vector<K> k;
  const bool im_fw[2] = {v.lage[0] >= im_fw_nicht_folgend,
                         v.lage[1] >= im_fw_nicht_folgend};
  if (v.typ[1] == fischend && im_fw[0] && im_fw[1])
    k.push_back(nicht_behindern(Schiff::b));
  for (int x = 0; x < 2; ++x) {
    const int y = 1 - x;
    const bool y_geschuetzt =
        nur_im_fahrwasser_sicher(v.typ[y], v.laenge[y]) && v.lage[y] >= im_fw_folgend;
    const bool x_quert = v.lage[x] <= im_fw_nicht_folgend;
    const bool x_klein_im_fw = klein(v.typ[x], v.laenge[x]) && im_fw[x];
    if (y_geschuetzt && (x_quert || x_klein_im_fw)) {
      k.push_back(nicht_behindern(x == 0 ? Schiff::a : Schiff::b));
    }
  }
  return k;
}

/// Regel 10 i) and j) in a traffic separation scheme, for a vessel wherever
/// she is: a fishing vessel must not impede one on the lane, a small one not
/// a power-driven one on the lane.
std::vector<K> regel10(const Schiffe& v) {
  std::vector<K> k;
  for (int x = 0; x < 2; ++x) {
    const int y = 1 - x;
    if (v.lage[y] != im_einbahnweg_folgend) continue;
    const bool fischer = v.typ[x] == fischend;
    const bool klein_gegen_maschine =
        klein(v.typ[x], v.laenge[x]) &&
        (y == 0 ? v.typ[0] == maschinenfahrzeug : maschine(v.typ[1]));
    if (fischer || klein_gegen_maschine)
      k.push_back(nicht_behindern(x == 0 ? Schiff::a : Schiff::b));
  }
  return k;
}

void mit_teilweise(Gesetz& g) {
  for (const Schiff s : {Schiff::a, Schiff::b}) {
    if (g.richtig.count(ausweichen(s)) && !g.richtig.count(nicht_behindern(s))) {
      g.teilweise.insert(nicht_behindern(s));
    }
  }
}

/// Under the KVR, with the conduct of a narrow channel (`kvtg` fahrwasser)
/// or a traffic separation scheme first.
Gesetz kvr(const Situation& s, Peilung p, Code kvtg) {
  Gesetz g;
  std::vector<K> vorher;
  if (kvtg == fahrwasser) {
    vorher = regel9({{s.ka1, s.kb1}, {s.ka2, s.kb2}, {s.kafw, s.kbfw}});
  } else if (kvtg == verkehrstrennungsgebiet) {
    vorher = regel10({{s.ka1, s.kb1}, {s.ka2, s.kb2}, {s.kavt, s.kbvt}});
  }
  const K teil_b = begegnung(s, p);
  if (teil_b == K::keine) return g;  // nothing decides it
  g.richtig.insert(vorher.begin(), vorher.end());
  g.richtig.insert(teil_b);
  // Regel 8 f) iii): a vessel constrained by her draught, a power-driven
  // vessel, stays bound to keep out of a sailing vessel's way.
  if (teil_b == K::a_darf_b_nicht_behindern && s.ka1 == segler) {
    g.richtig.insert(K::b_muss_ausweichen);
  }
  const bool ueberholen = s.kueb != keiner_ueberholt && s.ks == klare_sicht;
  g.entscheidet = ueberholen || vorher.empty() ? teil_b : vorher.front();
  return g;
}

Gesetz entschieden(std::initializer_list<K> richtig) {
  Gesetz g;
  g.richtig = richtig;
  g.entscheidet = *richtig.begin();
  return g;
}

/// Under the SeeSchStrO: § 2 (the Wegerechtschiff), § 25 (the right of way
/// in the fairway), §§ 23, 24 and Regel 9 a) (overtaking, meeting, keeping
/// right), else the KVR.
Gesetz seeschstro(const Situation& s, Peilung p) {
  if (s.kb1 == manoevrierbehindert || s.kb1 == tiefgangbehindert) {
    return entschieden({K::a_muss_ausweichen});  // A outside the fairway, 18 a)/b) ii)
  }
  const bool folgt_a = s.kafw >= im_fw_folgend;
  const bool folgt_b = s.kbfw >= im_fw_folgend;
  const bool beide_im_fw = s.kafw > nicht_im_fw && s.kbfw > nicht_im_fw;
  const Code kvtg = beide_im_fw ? fahrwasser : freier_seeraum;
  if (s.ka1 == segler && s.kb1 == segler && s.khnfw == nur_ein_fw &&
      !(s.kafw == im_fw_deutlich_folgend && s.kbfw == im_fw_deutlich_folgend)) {
    if (s.kafw == im_fw_deutlich_folgend) return entschieden({K::b_muss_ausweichen});
    if (s.kbfw == im_fw_deutlich_folgend) return entschieden({K::a_muss_ausweichen});
    return kvr(s, p, kvtg);  // § 25 Abs. 3
  }
  if (s.khnfw == b_im_hauptfw) return entschieden({K::a_muss_ausweichen});  // § 25 Abs. 4
  if (s.khnfw == a_im_hauptfw) return entschieden({K::b_muss_ausweichen});
  if (!folgt_a && !folgt_b) return kvr(s, p, kvtg);
  if (!folgt_b) return entschieden({K::b_muss_ausweichen});  // § 25 Abs. 2
  if (!folgt_a) return entschieden({K::a_muss_ausweichen});
  if (s.kueb == a_ueberholt_b) return entschieden({K::a_muss_ausweichen});  // § 23
  if (s.kueb == b_ueberholt_a) return entschieden({K::b_muss_ausweichen});
  if (s.kent != gegenkurse) return {};  // the same way: no encounter
  if (s.keng == a_mit_stroemung)
    return entschieden({K::b_muss_ausweichen});  // § 25 Abs. 5
  if (s.keng == b_mit_stroemung) return entschieden({K::a_muss_ausweichen});
  if (s.kb1 == manoevrierunfaehig) return entschieden({K::a_muss_ausweichen});  // 18 i)
  Gesetz g =
      entschieden({K::beide_muessen_ausweichen, K::beide_fahren_rechts});  // § 24, 9 a)
  g.entscheidet = K::beide_muessen_ausweichen;
  const Schiffe v{{s.ka1, s.kb1}, {s.ka2, s.kb2}, {s.kafw, s.kbfw}};
  for (const K k : regel9(v)) g.richtig.insert(k);
  return g;
}

}  // namespace

Gesetz gesetz(const Situation& s, Peilung p, const Gefragt& gefragt) {
  Situation f = s;
  if (!gefragt.count(&Situation::kvtg) && s.kvr == hohe_see) f.kvtg = freier_seeraum;
  Gesetz g = s.kvr == seeschifffahrtsstrassen ? seeschstro(f, p) : kvr(f, p, f.kvtg);
  mit_teilweise(g);
  return g;
}

}  // namespace ausweich::testing
