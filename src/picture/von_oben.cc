#include "picture/von_oben.h"

#include "picture/zeichnen.h"

namespace ausweich {
namespace {

/// How much a duty asks, for the mark of a vessel that bears several.
int gewicht(Gebot g) {
  switch (g) {
    case Gebot::ausweichen:
    case Gebot::vorfahrt_gewaehren:
    case Gebot::nach_steuerbord:
      return 3;
    case Gebot::nicht_behindern:
      return 2;
    case Gebot::rechts_halten:
      return 1;
    case Gebot::allgemein:
      break;
  }
  return 0;
}

void nimm_worte(Schiffsbild& s, std::string_view worte) {
  for (std::size_t i = 0; i < s.anzahl_worte; ++i) {
    if (s.worte[i] == worte) return;
  }
  if (s.anzahl_worte < s.worte.size()) s.worte[s.anzahl_worte++] = worte;
}

void nimm_pflicht(Schiffsbild& s, const Pflicht& p) {
  if (gewicht(gebot(p)) > gewicht(s.marke)) s.marke = gebot(p);
}

/// The marks of the duties: a duty of one vessel in words beside her, one
/// of both in words below the picture (`beide`).
void markiere(Schiffsbild& a, Schiffsbild& b, Schiffsbild& beide, const Angaben& an) {
  for (const Pflicht& p : an.pflichten()) {
    const Klasse k = klasse(p);
    if (k == Klasse::keine) continue;
    if (p.schiff != Schiff::b) nimm_pflicht(a, p);
    if (p.schiff != Schiff::a) nimm_pflicht(b, p);
    Schiffsbild& bei = p.schiff == Schiff::a ? a : p.schiff == Schiff::b ? b : beide;
    nimm_worte(bei, in_worten(k));
  }
}

std::string_view ueberschrift(Gewaesser g) {
  switch (g) {
    case Gewaesser::freier_seeraum:
      return "Freier Seeraum";
    case Gewaesser::fahrwasser:
      return "Fahrwasser";
    case Gewaesser::hauptfahrwasser:
      return "Haupt- und Nebenfahrwasser";
    case Gewaesser::vtg:
      return "Verkehrstrennungsgebiet";
    case Gewaesser::unbestimmt:
      break;
  }
  return {};
}

/// The lines at the top: the waterway and the regime, and what is open.
void oben(Writer& w, const Szene& s, const Angaben& a) {
  const Code kvr = a.code(&Situation::kvr);
  const std::string_view regime = kvr == seeschifffahrtsstrassen ? "SeeSchStrO"
                                  : kvr == hohe_see              ? "KVR"
                                                                 : "";
  const std::string_view name = ueberschrift(s.gewaesser);
  w << "<text x=\"4\" y=\"12\">" << name << (name.empty() || regime.empty() ? "" : " · ")
    << regime << (s.nebel ? " · Verminderte Sicht" : "") << "</text>";
  if (s.b_typ != 0 && s.lage == Kurslage::offen) {
    zeichne_text(w, 4, 24, "Lage von B nicht festgelegt");
  }
}

void unten(Writer& w, const Schiffsbild& beide) {
  int y = 314 - 12 * static_cast<int>(beide.anzahl_worte);
  w << "<g font-weight=\"bold\" font-size=\"9\">";
  for (std::size_t i = 0; i < beide.anzahl_worte; ++i) {
    zeichne_text(w, 120, y += 12, beide.worte[i], Anchor::middle);
  }
  w << "</g>";
}

}  // namespace

void zeichne_von_oben(Writer& w, const Szene& s, const Angaben& a, Tageszeit t,
                      std::string_view titel) {
  const Farben& f = farben(t);
  w << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 240 320\" role=\"img\" "
       "font-family=\"sans-serif\" font-size=\"10\" fill=\""
    << f.schrift << "\"><title>";
  w.maskiert(titel) << "</title><rect width=\"240\" height=\"320\" fill=\"" << f.wasser
                    << "\"/>";
  zeichne_gewaesser(w, s, t);
  if (s.nebel) {
    w << "<rect width=\"240\" height=\"320\" fill=\"" << f.dunst << "\" opacity=\".5\"/>";
  }
  zeichne_wind(w, s.wind, t);
  Schiffsbild schiff_a{"A", s.a, s.a_typ, signale_von(a, Schiff::a),
                       a.code(&Situation::ka3)};
  Schiffsbild schiff_b{"B",
                       s.b,
                       s.b_typ,
                       signale_von(a, Schiff::b),
                       a.code(&Situation::kb3),
                       s.lage == Kurslage::offen,
                       s.nebel};
  Schiffsbild beide{};
  markiere(schiff_a, schiff_b, beide, a);
  if (s.nebel) nimm_worte(schiff_b, "Radarecho");
  if (s.b_typ != 0) zeichne_schiff(w, schiff_b, t);
  if (s.a_typ != 0) zeichne_schiff(w, schiff_a, t);
  oben(w, s, a);
  unten(w, beide);
  w << "</svg>";
}

}  // namespace ausweich
