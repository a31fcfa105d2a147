// The waterway from above: a fairway with its lateral marks (IALA A, as in
// German waters: red cans to port and green cones to starboard, seen in the
// direction of buoyage), a main and a secondary fairway, a narrow passage
// with its current, a traffic separation scheme with its lanes, their
// directions and the separation zone.
#include "picture/zeichnen.h"

namespace ausweich {
namespace {

void flaeche(Writer& w, const Flaeche& f, std::string_view farbe) {
  w << "<rect x=\"" << f.x << "\" y=\"" << f.y << "\" width=\"" << f.b << "\" height=\""
    << f.h << "\" fill=\"" << farbe << "\"/>";
}

bool senkrecht(const Flaeche& f) {
  return f.h > f.b;
}

/// The lateral marks along both edges. The buoyage runs up a fairway along
/// the sheet and to the right across it.
void tonnen(Writer& w, const Flaeche& f) {
  const bool hoch = senkrecht(f);
  const int laenge = hoch ? f.h : f.b;
  w << "<g fill=\"#d0201a\">";
  for (int i = 50; i < laenge; i += 60) {  // clear of the lines at the top
    const int x = hoch ? f.x : f.x + i;
    const int y = hoch ? f.y + i : f.y;
    w << "<rect x=\"" << x - 3 << "\" y=\"" << y - 3 << "\" width=\"6\" height=\"6\"/>";
  }
  w << "</g><g fill=\"#139a2e\">";
  for (int i = 50; i < laenge; i += 60) {
    const int x = hoch ? f.x + f.b : f.x + i;
    const int y = hoch ? f.y + i : f.y + f.h;
    w << "<path d=\"M" << x - 4 << ' ' << y + 3 << "h8l-4-7z\"/>";
  }
  w << "</g>";
}

/// A fairway's name, and below it the direction of its buoyage where
/// `betonnung`.
void fahrwasser_name(Writer& w, const Flaeche& f, std::string_view name,
                     bool betonnung = true) {
  // Along the sheet in its left corner, across it in the middle, where the
  // vessels leave room.
  const bool hoch = senkrecht(f);
  const int x = hoch ? f.x + 4 : f.x + f.b / 2;
  const int y = hoch ? f.y + (f.y == 0 ? 34 : 14) : f.y + 12;
  const Anchor anker = hoch ? Anchor::start : Anchor::middle;
  w << "<g font-size=\"8\">";
  zeichne_text(w, x, y, name, anker);
  if (betonnung) zeichne_text(w, x, y + 9, hoch ? "Betonnung ↑" : "Betonnung →", anker);
  w << "</g>";
}

void pfeil(Writer& w, int x, int y, int kurs) {
  w << "<path transform=\"translate(" << x << ' ' << y << ") rotate(" << kurs
    << ")\" d=\"M0 12V-12M-5-5L0-12L5-5\"/>";
}

/// Arrows in a traffic lane in its direction, heading `kurs`, where no vessel
/// stands: two along the sheet, one across it at `x`.
void richtung(Writer& w, const Flaeche& f, int kurs, int x) {
  if (!senkrecht(f)) {
    pfeil(w, x, f.y + f.h / 2, kurs);
    return;
  }
  pfeil(w, f.x + f.b / 2, f.y + 30, kurs);
  pfeil(w, f.x + f.b / 2, f.y + 140, kurs);
}

void vtg(Writer& w, const Szene& s, const Farben& f) {
  flaeche(w, s.rinne, f.rinne);
  flaeche(w, s.zweite, f.rinne);
  flaeche(w, s.trennzone, f.zone);
  w << "<g fill=\"none\" stroke=\"" << f.rand << "\" stroke-width=\"2\">";
  richtung(w, s.rinne, s.quer ? 90 : 0, 200);
  richtung(w, s.zweite, s.quer ? 270 : 180, 120);
  w << "</g>";
  // Across the sheet the zone is too narrow for its name beside the vessels.
  const Flaeche& z = s.trennzone;
  if (!senkrecht(z)) return;
  w << "<text transform=\"translate(" << z.x + z.b / 2 + 3
    << " 60) rotate(-90)\" font-size=\"8\" text-anchor=\"middle\">Trennzone</text>";
}

/// Shoals that narrow a fairway along the sheet between A and B, and the
/// current that sets through the narrows.
void engstelle(Writer& w, const Szene& s, const Farben& f) {
  const Flaeche& r = s.rinne;
  w << "<path d=\"M" << r.x << " 95L" << r.x + 32 << " 140L" << r.x << " 185ZM"
    << r.x + r.b << " 95L" << r.x + r.b - 32 << " 140L" << r.x + r.b << " 185Z\" fill=\""
    << f.land << "\"/>";
  zeichne_text(w, r.x + r.b + 4, 132, "Engstelle");
  if (s.stroemung < 0) return;
  w << "<g fill=\"none\" stroke=\"" << f.rand << "\" stroke-width=\"2\">";
  pfeil(w, r.x + r.b + 14, 160, s.stroemung);
  w << "</g>";
  zeichne_text(w, r.x + r.b + 4, 186, "Strömung");
}

}  // namespace

void zeichne_gewaesser(Writer& w, const Szene& s, Tageszeit t) {
  const Farben& f = farben(t);
  switch (s.gewaesser) {
    case Gewaesser::vtg:
      vtg(w, s, f);
      return;
    case Gewaesser::fahrwasser:
      flaeche(w, s.rinne, f.rinne);
      tonnen(w, s.rinne);
      fahrwasser_name(w, s.rinne, "Fahrwasser");
      if (s.engstelle) engstelle(w, s, f);
      return;
    case Gewaesser::hauptfahrwasser:
      flaeche(w, s.rinne, f.rinne);
      flaeche(w, s.zweite, f.rinne);
      tonnen(w, s.rinne);
      tonnen(w, s.zweite);
      fahrwasser_name(w, s.rinne, "Hauptfahrwasser");
      fahrwasser_name(w, s.zweite, "Nebenfahrwasser", false);
      return;
    case Gewaesser::freier_seeraum:
    case Gewaesser::unbestimmt:
      return;
  }
}

void zeichne_wind(Writer& w, int von, Tageszeit t) {
  if (von < 0) return;
  w << "<path transform=\"translate(22 52) rotate(" << von
    << ")\" d=\"M0-14V12M-5 5L0 12L5 5\" fill=\"none\" stroke=\"" << farben(t).rand
    << "\" stroke-width=\"2\"/>";
  zeichne_text(w, 38, 56, "Wind");
}

}  // namespace ausweich
