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
    case Gebot::kennzeichnen:
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

using Zeile = Layout::Zeile;
using Platz = Layout::Platz;

/// Sets `zeilen` at the first free one of `plaetze`, or the free place
/// within `bereich` nearest the first, and writes them; where nothing within
/// `bereich` is free, leaves them out: the words below the picture say it.
void setze(Writer& w, Layout& l, std::span<const Zeile> zeilen,
           std::span<const Platz> plaetze, const Rechteck& bereich, bool fett = false) {
  const std::optional<Platz> p = l.setze(zeilen, plaetze, bereich);
  if (!p) return;
  int y = p->y;
  if (fett) w << "<g font-weight=\"bold\">";
  for (const Zeile& z : zeilen) {
    zeichne_text(w, p->x, y, z.text, p->anker, z.groesse);
    y += z.groesse * 5 / 4;
  }
  if (fett) w << "</g>";
}

/// The strip at the top of the sheet for its heading lines.
constexpr Rechteck kKopf{0, 0, kBreite, kKopfzeilen};
constexpr Rechteck kBlatt{0, 0, kBreite, kHoehe};

/// The part of the sheet within `weite` of a vessel at `o`.
Rechteck um(const Ort& o, int weite) {
  return {o.x - weite, o.y - weite, 2 * weite, 2 * weite};
}

/// The lines at the top: the waterway, the regime and the visibility, and
/// what is open.
void oben(Writer& w, const Szene& s, const Angaben& a, Layout& l) {
  const Code kvr = a.code(&Situation::kvr);
  const std::string_view regime = kvr == seeschifffahrtsstrassen ? "SeeSchStrO"
                                  : kvr == hohe_see              ? "KVR"
                                                                 : "";
  const std::string_view name = ueberschrift(s.gewaesser);
  // The heading in at most two pieces, each a line where both do not fit.
  const Zeile kopf[] = {{name}, {regime}};
  const Platz links[] = {{4, 14, Anchor::start}};
  if (!name.empty()) setze(w, l, std::span(kopf, 1), links, kKopf);
  if (!regime.empty()) {
    const Platz rechts[] = {{kBreite - 4, 14, Anchor::end}};
    setze(w, l, std::span(kopf + 1, 1), rechts, kKopf);
  }
  if (s.nebel) {
    const Zeile nebel[] = {{"Verminderte Sicht"}};
    const Platz p[] = {{kBreite - 4, 28, Anchor::end}, {4, 28, Anchor::start}};
    setze(w, l, nebel, p, kKopf);
  }
  if (s.b_typ != 0 && (s.kurslage == Kurslage::offen || !s.b_passt)) {
    const Zeile offen[] = {{"Lage von B nicht festgelegt"}};
    const Platz p[] = {{kBreite - 4, 42, Anchor::end}, {kBreite - 4, 28, Anchor::end}};
    setze(w, l, offen, p, kKopf);
  }
}

/// The names of the fairways, with the direction of their buoyage, and of
/// the separation zone where it runs across the sheet: inside their areas,
/// where nothing else stands.
void gebietsnamen(Writer& w, const Szene& s, Layout& l) {
  for (const Flaeche& f : s.gebiete()) {
    const Rechteck& r = f.r;
    const bool hoch = r.h > r.b;
    if (f.art == Flaeche::Art::einbahnweg) continue;
    const bool zone = f.art == Flaeche::Art::trennzone;
    if (zone && hoch) continue;  // too narrow for its name: the caption says it
    const std::string_view betonnung = hoch ? "Betonnung ↑" : "Betonnung →";
    const Zeile zeilen[] = {{zone ? "Trennzone" : f.name}, {betonnung}};
    const std::size_t n = zone ? 1 : 2;
    Platz plaetze[8];
    std::size_t k = 0;
    for (const int anteil : {15, 85, 50, 30, 70, 5, 95}) {
      if (hoch) {
        plaetze[k++] = {r.x + r.b / 2, r.y + r.h * anteil / 100, Anchor::middle};
      } else {
        plaetze[k++] = {r.x + r.b * anteil / 100, r.y + (zone ? 15 : 16), Anchor::middle};
      }
    }
    setze(w, l, std::span(zeilen, n), std::span(plaetze, k), r);
  }
}

/// A vessel's letter, and the words of her duties, beside her where there is
/// room.
void beschrifte(Writer& w, const Schiffsbild& s, Layout& l) {
  const int x = s.ort.x;
  const int y = s.ort.y;
  const Zeile name[] = {{s.name, 13}};
  const Platz bei[] = {
      {x - 32, y + 5, Anchor::middle},  {x + 32, y + 5, Anchor::middle},
      {x, y + 44, Anchor::middle},      {x, y - 34, Anchor::middle},
      {x - 34, y - 20, Anchor::middle}, {x + 34, y - 20, Anchor::middle},
      {x - 34, y + 26, Anchor::middle}, {x + 34, y + 26, Anchor::middle}};
  setze(w, l, name, bei, um(s.ort, 60), true);
  if (s.anzahl_worte == 0) return;
  Zeile worte[3];
  for (std::size_t i = 0; i < s.anzahl_worte; ++i) worte[i] = {s.worte[i]};
  const int h = static_cast<int>(s.anzahl_worte) * 14;
  const Platz plaetze[] = {
      {x, y + 44, Anchor::middle},           {x, y - 34 - h, Anchor::middle},
      {x - 32, y + 4, Anchor::end},          {x + 32, y + 4, Anchor::start},
      {x, y + 60, Anchor::middle},           {x, y - 50 - h, Anchor::middle},
      {kBreite / 2, y + 44, Anchor::middle}, {kBreite / 2, y - 40 - h, Anchor::middle}};
  setze(w, l, std::span(worte, s.anzahl_worte), plaetze, um(s.ort, 110));
}

/// The words of duties of both, at the foot of the picture.
void unten(Writer& w, const Schiffsbild& beide, Layout& l) {
  if (beide.anzahl_worte == 0) return;
  Zeile worte[6];
  std::size_t n = 0;
  for (std::size_t i = 0; i < beide.anzahl_worte; ++i) {
    const std::string_view satz = beide.worte[i];
    // "Keiner: beide fahren möglichst weit rechts" is wider than the sheet.
    const std::size_t doppelpunkt = satz.find(": ");
    if (doppelpunkt != std::string_view::npos) {
      worte[n++] = {satz.substr(0, doppelpunkt + 1)};
      worte[n++] = {satz.substr(doppelpunkt + 2)};
    } else {
      worte[n++] = {satz};
    }
  }
  const int h = static_cast<int>(n) * 14;
  const Platz plaetze[] = {{kBreite / 2, kHoehe - h + 6, Anchor::middle},
                           {kBreite / 2, 58, Anchor::middle},
                           {kBreite / 2, kHoehe / 2, Anchor::middle}};
  setze(w, l, std::span(worte, n), plaetze, kBlatt, true);
}

}  // namespace

void zeichne_von_oben(Writer& w, const Szene& s, const Angaben& a, Tageszeit t,
                      std::string_view titel) {
  const Farben& f = farben(t);
  w << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 240 320\" role=\"img\" "
       "font-family=\"sans-serif\" font-size=\"11\" fill=\""
    << f.schrift << '"';
  if (s.wind >= 0) w << " data-wind=\"" << s.wind << '"';
  w << "><title>";
  w.maskiert(titel) << "</title><rect width=\"240\" height=\"320\" fill=\"" << f.wasser
                    << "\"/>";
  Layout l;
  Schiffsbild schiff_a{
      "A", s.a, s.a_typ, signale_von(a, Schiff::a), a.code(&Situation::ka3), s.wind};
  Schiffsbild schiff_b{
      "B", s.b, s.b_typ, signale_von(a, Schiff::b), a.code(&Situation::kb3), s.wind};
  schiff_b.offen = s.kurslage == Kurslage::offen || !s.b_passt;
  schiff_b.echo = s.nebel;
  schiff_a.ueberholer = s.kurslage == Kurslage::voraus;
  schiff_b.ueberholer = s.kurslage == Kurslage::achteraus;
  Schiffsbild beide{};
  markiere(schiff_a, schiff_b, beide, a);
  if (s.nebel) nimm_worte(schiff_b, "Radarecho");
  // First what stands where the facts put it: the vessels, the wind; the
  // waterway's marks keep clear of them, the texts of all.
  if (s.b_typ != 0) belege_schiff(schiff_b, t, l);
  if (s.a_typ != 0) belege_schiff(schiff_a, t, l);
  if (s.wind >= 0) l.belege(kWindfeld);
  zeichne_gewaesser(w, s, t, l);
  if (s.nebel) {
    w << "<rect width=\"240\" height=\"320\" fill=\"" << f.dunst << "\" opacity=\".5\"/>";
  }
  zeichne_wind(w, s.wind, t);
  if (s.b_typ != 0) zeichne_schiff(w, schiff_b, t);
  if (s.a_typ != 0) zeichne_schiff(w, schiff_a, t);
  oben(w, s, a, l);
  if (s.wind >= 0) {
    const Zeile wind[] = {{"Wind"}};
    const Platz p[] = {{42, 48, Anchor::start}, {22, 74, Anchor::middle}};
    setze(w, l, wind, p, {0, 20, 100, 80});
  }
  if (s.a_typ != 0) beschrifte(w, schiff_a, l);
  if (s.b_typ != 0) beschrifte(w, schiff_b, l);
  unten(w, beide, l);
  gebietsnamen(w, s, l);
  w << "</svg>";
}

}  // namespace ausweich
