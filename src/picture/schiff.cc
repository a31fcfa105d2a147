// A vessel from above: her wake, her hull heading as she goes, her sail on
// the lee side, her lights by night where she carries them (masthead,
// sidelights, sternlight on the hull), the all-round lights and the shapes
// in their vertical line above her, as they hang in her rigging, and the mark
// of her duty. Seen only on the radar, she is an echo and nothing else.
#include <optional>

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
    {Licht::dreifarben, 0, -4},        {Licht::topplicht_achtern, 0, 5},
};

/// Her wake astern while she makes way: a longer one where she overtakes.
void kielwasser(Writer& w, const Schiffsbild& s, const Farben& f) {
  const int laenge = s.ueberholer ? 36 : 14;
  w << "<path data-kielwasser=\"" << laenge << "\" d=\"M-3 19l-3 " << laenge << "M3 19l3 "
    << laenge << "\" fill=\"none\" stroke=\"" << f.rand
    << "\" stroke-width=\"1.2\" stroke-dasharray=\"3 3\" opacity=\".7\"/>";
}

/// Her mast, and her sail on the lee side: to port where she has the wind
/// from starboard. Where A cannot see on which side she has it, the sail is
/// drawn faint along her centre line, on neither side.
void segel(Writer& w, const Schiffsbild& s, const Farben& f) {
  w << "<circle cy=\"-4\" r=\"1.8\" fill=\"" << f.rand << "\"/>";
  if (s.windseite == bb_nicht_erkennbar || s.windseite == stb_nicht_erkennbar ||
      s.wind < 0) {
    w << "<path data-segel=\"verdeckt\" d=\"M0-4V13\" stroke=\"" << f.rand
      << "\" stroke-width=\"2.2\" stroke-dasharray=\"2 2\" opacity=\".45\"/>";
    return;
  }
  const bool stb = windseite(s.ort.kurs, s.wind) == wind_von_stb;
  const int lee = stb ? -1 : 1;
  w << "<path data-segel=\"" << (stb ? "backbord" : "steuerbord") << "\" d=\"M0-4Q"
    << 8 * lee << " 3 " << 9 * lee << " 13\" fill=\"none\" stroke=\"" << f.rand
    << "\" stroke-width=\"2.2\"/>";
}

void rumpf(Writer& w, const Schiffsbild& s, Tageszeit t) {
  const Farben& f = farben(t);
  w << "<g transform=\"rotate(" << s.ort.kurs << ")\">";
  if (s.echo) {
    w << "<path data-echo=\"\" d=\"" << kEcho << "\" fill=\"#3c3\" opacity=\".7\"/></g>";
    return;
  }
  kielwasser(w, s, f);
  w << "<path d=\"" << kRumpf << "\" fill=\"" << f.rumpf << "\" stroke=\"" << f.rand
    << '"' << (s.offen ? " stroke-dasharray=\"3 2\"" : "") << "/>";
  if (s.typ == segler) segel(w, s, f);
  if (t == Tageszeit::nacht) {
    for (const Licht l : s.signale.lichter) {
      for (const Platz& p : kPlaetze) {
        if (p.licht == l) zeichne_licht(w, l, p.x, p.y, farbe(l));
      }
    }
  }
  w << "</g>";
}

/// Where the line of lights or shapes above her stands, on the sheet; none
/// where she shows nothing there.
std::optional<Rechteck> saeulenfeld(const Schiffsbild& s, Tageszeit t) {
  const int h = saeulenhoehe(s.signale, t);
  if (h == 0 || s.echo) return std::nullopt;
  return Rechteck{s.ort.x - 7, s.ort.y - kRing - 8 - h, 14, h + 4};
}

/// The line of lights or shapes above her, hung from her mast by a halyard.
void saeule(Writer& w, const Schiffsbild& s, Tageszeit t) {
  const std::optional<Rechteck> r = saeulenfeld(s, t);
  if (!r) return;
  const int oben = r->y + 4 - s.ort.y;
  w << "<g data-saeule=\"\"";
  box(w, *r);
  w << "><path d=\"M0-4V" << oben + r->h - 4 << "\" stroke=\"" << farben(t).rand
    << "\" stroke-width=\".8\"/>";
  int y = oben + 4;
  if (t == Tageszeit::nacht) {
    for (const Licht li : s.signale.lichter) {
      if (!rundum(li)) continue;
      zeichne_licht(w, li, 0, y, farbe(li));
      y += 8;
    }
  } else {
    w << "<g fill=\"#000\">";
    for (const Signalkoerper k : s.signale.koerper) {
      zeichne_koerper(w, k, 0, y + hoehe(k) / 2 - 4);
      y += hoehe(k);
    }
    w << "</g>";
  }
  w << "</g>";
}

/// The ring around a vessel that bears a duty: solid where she gives way,
/// dashed where she must not impede, dotted where both keep to starboard.
void marke(Writer& w, Gebot g, Tageszeit t) {
  if (g == Gebot::allgemein) return;
  w << "<circle r=\"" << kRing << "\" fill=\"none\" stroke=\"" << farben(t).markierung
    << "\" stroke-width=\"3\"";
  if (g == Gebot::nicht_behindern) w << " stroke-dasharray=\"8 4\"";
  if (g == Gebot::rechts_halten) w << " stroke-dasharray=\"2 4\"";
  w << "/>";
}

}  // namespace

void belege_schiff(const Schiffsbild& s, Tageszeit t, Layout& l) {
  l.belege({s.ort.x - kRing - 2, s.ort.y - kRing - 2, 2 * kRing + 4, 2 * kRing + 4});
  if (const std::optional<Rechteck> r = saeulenfeld(s, t)) l.belege(*r);
}

void zeichne_schiff(Writer& w, const Schiffsbild& s, Tageszeit t) {
  w << "<g data-schiff=\"" << s.name << "\" data-kurs=\"" << s.ort.kurs
    << "\" data-ort=\"" << s.ort.x << ' ' << s.ort.y << "\" transform=\"translate("
    << s.ort.x << ' ' << s.ort.y << ")\">";
  marke(w, s.marke, t);
  rumpf(w, s, t);
  saeule(w, s, t);
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
    case Signalkoerper::kegel_spitze_unten:
      w << "M-4-4H4L0 4Z";
      break;
  }
  w << "\"/>";
}

void zeichne_text(Writer& w, int x, int y, std::string_view text, Anchor anker,
                  int groesse) {
  w << "<text x=\"" << x << "\" y=\"" << y << "\" font-size=\"" << groesse << '"';
  if (anker != Anchor::start) {
    w << (anker == Anchor::middle ? " text-anchor=\"middle\"" : " text-anchor=\"end\"");
  }
  w << '>';
  w.maskiert(text) << "</text>";
}

}  // namespace ausweich
