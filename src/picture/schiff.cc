// A vessel from above: her hull heading as she goes, her lights by night
// where she carries them (masthead, sidelights, sternlight on the hull; the
// all-round lights and the shapes in their vertical line beside her, as they
// hang), her sail on the lee side, and the mark of her duty.
#include "core/situation.h"
#include "picture/zeichnen.h"

namespace ausweich {
namespace {

constexpr std::string_view kRumpf = "M0-18C7-8 6 4 5 16H-5C-6 4-7-8 0-18Z";
constexpr std::string_view kEcho = "M-9-15Q0-24 9-15L11 9Q0 20-11 9Z";

/// Where a light stands on the hull, heading up; none for the all-round ones.
struct Platz {
  Licht licht;
  int x, y;
};

constexpr Platz kPlaetze[] = {
    {Licht::topplicht, 0, -8},         {Licht::seitenlicht_rot, -5, -2},
    {Licht::seitenlicht_gruen, 5, -2}, {Licht::hecklicht, 0, 16},
    {Licht::dreifarben, 0, -4},
};

void segel(Writer& w, Code windseite, const Farben& f) {
  w << "<circle cy=\"-4\" r=\"1.6\" fill=\"" << f.rand << "\"/>";
  if (windseite != wind_von_bb && windseite != wind_von_stb) {
    if (windseite != 0) w << "<text y=\"8\" text-anchor=\"middle\">?</text>";
    return;
  }
  // The boom lies to leeward: to port when she has the wind from starboard.
  const int lee = windseite == wind_von_stb ? -1 : 1;
  w << "<path d=\"M0-4Q" << 7 * lee << " 3 " << 8 * lee << " 12\" fill=\"none\" stroke=\""
    << f.rand << "\" stroke-width=\"2\"/>";
}

void rumpf(Writer& w, const Schiffsbild& s, Tageszeit t) {
  const Farben& f = farben(t);
  w << "<g transform=\"rotate(" << s.ort.kurs << ")\">";
  if (s.echo) {
    w << "<path d=\"" << kEcho << "\" fill=\"#3c3\" opacity=\".7\"/>";
  } else {
    w << "<path d=\"" << kRumpf << "\" fill=\"" << f.rumpf << "\" stroke=\"" << f.rand
      << '"' << (s.offen ? " stroke-dasharray=\"3 2\"" : "") << "/>";
  }
  if (s.typ == segler) segel(w, s.windseite, f);
  if (t == Tageszeit::nacht) {
    for (const Licht l : s.signale.lichter) {
      for (const Platz& p : kPlaetze) {
        if (p.licht == l) zeichne_licht(w, l, p.x, p.y, farbe(l));
      }
    }
  }
  w << "</g>";
}

/// The all-round lights by night, the shapes by day, from the top down.
void senkrechte(Writer& w, const Schiffsbild& s, Tageszeit t, int x) {
  int y = -20;
  if (t == Tageszeit::nacht) {
    for (const Licht l : s.signale.lichter) {
      if (!rundum(l)) continue;
      zeichne_licht(w, l, x, y, farbe(l));
      y += 8;
    }
    return;
  }
  w << "<g fill=\"#000\">";
  for (const Signalkoerper k : s.signale.koerper) {
    zeichne_koerper(w, k, x, y + hoehe(k) / 2 - 5);
    y += hoehe(k);
  }
  w << "</g>";
}

/// Where her letter and her vertical line of lights or shapes stand: the
/// letter off her port side, the line on her starboard side; beside her on
/// the side with room where she lies across the sheet.
struct Seiten {
  int name_x, name_y, senkrechte;
};

Seiten seiten(const Ort& o) {
  // Her port side, 14 units off, for each heading in steps of 45°.
  constexpr int kBackbord[8][2] = {{-14, 0}, {-10, -10}, {0, -14}, {10, -10},
                                   {14, 0},  {10, 10},   {0, 14},  {-10, 10}};
  const int* bb = kBackbord[((o.kurs % 360 + 360) % 360) / 45];
  const bool quer = bb[0] == 0;
  const int stb = quer ? (o.x > 180 ? -1 : 1) : (bb[0] < 0 ? 1 : -1);
  return {bb[0], bb[1], stb * (quer ? 25 : bb[1] == 0 ? 15 : 19)};
}

/// The ring around a vessel that bears a duty: solid where she gives way,
/// dashed where she must not impede, dotted where both keep to starboard.
void marke(Writer& w, Gebot g, Tageszeit t) {
  if (g == Gebot::allgemein) return;
  w << "<circle r=\"26\" fill=\"none\" stroke=\"" << farben(t).markierung
    << "\" stroke-width=\"3\"";
  if (g == Gebot::nicht_behindern) w << " stroke-dasharray=\"8 4\"";
  if (g == Gebot::rechts_halten) w << " stroke-dasharray=\"2 4\"";
  w << "/>";
}

void worte(Writer& w, const Schiffsbild& s) {
  // Below her ring, on the side where there is room; beside it near the
  // bottom of the sheet; above it where B stands as low as A.
  const bool unten = s.ort.y > 250;
  const bool oben = !unten && s.name == "B" && s.ort.y > 150;
  const int x = unten           ? (s.ort.x >= 120 ? -30 : 30)
                : s.ort.x > 170 ? 24
                : s.ort.x < 70  ? -24
                                : 0;
  const Anchor anker = x == 0             ? Anchor::middle
                       : (x < 0) == unten ? Anchor::end
                                          : Anchor::start;
  const int n = static_cast<int>(s.anzahl_worte);
  for (int i = 0; i < n; ++i) {
    const int y = unten ? 4 + 12 * i : oben ? -32 - 12 * (n - 1 - i) : 38 + 12 * i;
    zeichne_text(w, x, y, s.worte[static_cast<std::size_t>(i)], anker);
  }
}

}  // namespace

void zeichne_schiff(Writer& w, const Schiffsbild& s, Tageszeit t) {
  const Seiten seite = seiten(s.ort);
  w << "<g data-schiff=\"" << s.name << "\" transform=\"translate(" << s.ort.x << ' '
    << s.ort.y << ")\">";
  marke(w, s.marke, t);
  rumpf(w, s, t);
  senkrechte(w, s, t, seite.senkrechte);
  w << "<text x=\"" << seite.name_x << "\" y=\"" << seite.name_y + 4
    << "\" font-weight=\"bold\" text-anchor=\"middle\">" << s.name << "</text>";
  worte(w, s);
  w << "</g>";
}

void zeichne_licht(Writer& w, Licht l, int x, int y, std::string_view farbe) {
  w << "<circle data-licht=\"" << kennung(l) << "\" cx=\"" << x << "\" cy=\"" << y
    << "\" r=\"2.6\" fill=\"" << farbe << "\"/>";
}

void zeichne_koerper(Writer& w, Signalkoerper k, int x, int y) {
  w << "<path data-signal=\"" << kennung(k) << "\" transform=\"translate(" << x << ' '
    << y << ")\" d=\"";
  switch (k) {
    case Signalkoerper::ball:
      w << "M-3.5 0a3.5 3.5 0 1 0 7 0a3.5 3.5 0 1 0-7 0";
      break;
    case Signalkoerper::kegel_spitzen_zusammen:
      w << "M-4-7H4L0 0ZM-4 7H4L0 0Z";
      break;
    case Signalkoerper::rhombus:
      w << "M0-5L4 0L0 5L-4 0Z";
      break;
    case Signalkoerper::zylinder:
      w << "M-3-4H3V4H-3Z";
      break;
  }
  w << "\"/>";
}

int hoehe(Signalkoerper k) {
  return k == Signalkoerper::kegel_spitzen_zusammen ? 18 : 10;
}

void zeichne_text(Writer& w, int x, int y, std::string_view text, Anchor anker) {
  w << "<text x=\"" << x << "\" y=\"" << y << '"';
  if (anker != Anchor::start) {
    w << (anker == Anchor::middle ? " text-anchor=\"middle\"" : " text-anchor=\"end\"");
  }
  w << '>';
  w.maskiert(text) << "</text>";
}

}  // namespace ausweich
