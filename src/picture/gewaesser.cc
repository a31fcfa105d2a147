// The waterway from above: a fairway with its lateral marks (IALA A, as in
// German waters: red cans to port and green cones to starboard, seen in the
// direction of buoyage), a main and a secondary fairway, a narrow passage
// with its current, a traffic separation scheme with its lanes, their
// directions and the separation zone.
#include "picture/zeichnen.h"

namespace ausweich {
namespace {

using Art = Flaeche::Art;

std::string_view name(Art art) {
  switch (art) {
    case Art::fahrwasser:
      return "fahrwasser";
    case Art::einbahnweg:
      return "einbahnweg";
    case Art::trennzone:
      break;
  }
  return "trennzone";
}

void flaeche(Writer& w, const Flaeche& f, const Farben& c) {
  const Rechteck& r = f.r;
  w << "<rect data-gebiet=\"" << name(f.art) << "\" data-richtung=\"" << f.richtung
    << '"';
  if (!f.name.empty()) w << " data-name=\"" << f.name << '"';
  w << " x=\"" << r.x << "\" y=\"" << r.y << "\" width=\"" << r.b << "\" height=\"" << r.h
    << "\" fill=\"" << (f.art == Art::trennzone ? c.zone : c.rinne) << "\"/>";
}

bool senkrecht(const Rechteck& r) {
  return r.h > r.b;
}

/// The lateral marks along both edges, in the direction of buoyage: up a
/// fairway along the sheet, to the right across it.
void tonnen(Writer& w, const Rechteck& f, Layout& l) {
  const bool hoch = senkrecht(f);
  const int laenge = hoch ? f.h : f.b;
  for (int i = 30; i < laenge; i += 60) {
    const int x = hoch ? f.x : f.x + i;
    const int y = hoch ? f.y + i : f.y;
    const Rechteck r{x - 4, y - 4, 8, 8};
    l.belege(r);
    w << "<rect fill=\"#d0201a\"";
    box(w, r);
    w << " x=\"" << x - 3 << "\" y=\"" << y - 3 << "\" width=\"6\" height=\"6\"/>";
  }
  for (int i = 30; i < laenge; i += 60) {
    const int x = hoch ? f.x + f.b : f.x + i;
    const int y = hoch ? f.y + i : f.y + f.h;
    const Rechteck r{x - 5, y - 5, 10, 10};
    l.belege(r);
    w << "<path fill=\"#139a2e\"";
    box(w, r);
    w << " d=\"M" << x - 4 << ' ' << y + 3 << "h8l-4-7z\"/>";
  }
}

void pfeil(Writer& w, int x, int y, int kurs, Layout& l) {
  const Rechteck r{x - 13, y - 13, 26, 26};
  l.belege(r);
  w << "<path";
  box(w, r);
  w << " transform=\"translate(" << x << ' ' << y << ") rotate(" << kurs
    << ")\" d=\"M0 12V-12M-5-5L0-12L5-5\"/>";
}

/// Arrows in a traffic lane in its direction where no vessel stands: along
/// the sheet near its ends, across it at its sides.
void richtung(Writer& w, const Flaeche& f, Layout& l) {
  const Rechteck& r = f.r;
  const int mx = r.x + r.b / 2;
  const int my = r.y + r.h / 2;
  const int stellen[][2] = {{mx, r.y + 40},
                            {mx, r.y + r.h - 40},
                            {r.x + 22, my},
                            {r.x + r.b - 22, my},
                            {mx, my}};
  int gesetzt = 0;
  for (const auto& p : stellen) {
    if (gesetzt == 2 || !r.enthaelt(p[0], p[1], 12)) continue;
    if (!l.frei({p[0] - 13, p[1] - 13, 26, 26})) continue;
    pfeil(w, p[0], p[1], f.richtung, l);
    ++gesetzt;
  }
}

/// Shoals that narrow a fairway along the sheet between A and B, and the
/// current that sets through the narrows.
void engstelle(Writer& w, const Szene& s, const Farben& c, Layout& l) {
  const Rechteck& r = s.flaechen[0].r;
  const int y = (s.a.y + s.b.y) / 2;
  w << "<path d=\"M" << r.x << ' ' << y - 40 << 'L' << r.x + 28 << ' ' << y << 'L' << r.x
    << ' ' << y + 40 << "ZM" << r.x + r.b << ' ' << y - 40 << 'L' << r.x + r.b - 28 << ' '
    << y << 'L' << r.x + r.b << ' ' << y + 40 << "Z\" fill=\"" << c.land << "\"";
  const Rechteck links{r.x, y - 40, 28, 80};
  const Rechteck rechts{r.x + r.b - 28, y - 40, 28, 80};
  l.belege(links);
  l.belege(rechts);
  box(w, links);
  w << "/>";
  if (s.stroemung < 0) return;
  w << "<g fill=\"none\" stroke=\"" << c.rand << "\" stroke-width=\"2\">";
  pfeil(w, r.x + 16, y + 62, s.stroemung, l);
  w << "</g>";
}

}  // namespace

void box(Writer& w, const Rechteck& r) {
  w << " data-box=\"" << r.x << ' ' << r.y << ' ' << r.b << ' ' << r.h << '"';
}

void zeichne_gewaesser(Writer& w, const Szene& s, Tageszeit t, Layout& l) {
  const Farben& c = farben(t);
  for (const Flaeche& f : s.gebiete()) flaeche(w, f, c);
  if (s.gewaesser == Gewaesser::vtg) {
    w << "<g fill=\"none\" stroke=\"" << c.rand << "\" stroke-width=\"2\">";
    for (const Flaeche& f : s.gebiete()) {
      if (f.art == Art::einbahnweg) richtung(w, f, l);
    }
    w << "</g>";
    return;
  }
  for (const Flaeche& f : s.gebiete()) tonnen(w, f.r, l);
  if (s.engstelle) engstelle(w, s, c, l);
}

void zeichne_wind(Writer& w, int von, Tageszeit t) {
  if (von < 0) return;
  const Rechteck& r = kWindfeld;
  w << "<path";
  box(w, r);
  w << " transform=\"translate(" << r.x + r.b / 2 << ' ' << r.y + r.h / 2 << ") rotate("
    << von << ")\" d=\"M0-14V12M-5 5L0 12L5 5\" fill=\"none\" stroke=\"" << farben(t).rand
    << "\" stroke-width=\"2\"/>";
}

}  // namespace ausweich
