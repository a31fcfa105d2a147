// What A's lookout sees of B: her silhouette from where A stands off her
// bow, with the lights whose arcs face A by night and her shapes by day.
#include "picture/sicht.h"

#include <algorithm>
#include <cstdlib>

#include "core/bogen.h"
#include "core/situation.h"
#include "picture/winkel.h"
#include "picture/zeichnen.h"

namespace ausweich {
namespace {

constexpr int kWasserlinie = 72;

/// Where A stands, in degrees off B's bow, with its sine and cosine in
/// thousandths.
struct Blick {
  int grad, sin, cos;
};

Blick blick(int grad) {
  const int g = normiert(grad);
  return {g, sin1000(g), cos1000(g)};
}

/// A point of B, `u` forward of her middle and `v` to starboard, as A sees
/// it: across the sheet, her starboard side to the left when she heads for A.
int quer(const Blick& b, int u, int v) {
  return 80 + (u * b.sin - v * b.cos) * 11 / 10000;
}

/// Where a light stands on B: forward, to starboard, and its height.
struct Stelle {
  int u, v, h;
};

Stelle stelle(Licht l, bool segler) {
  switch (l) {
    case Licht::topplicht:
      return {25, 0, 44};
    case Licht::topplicht_achtern:
      return {-30, 0, 50};
    case Licht::seitenlicht_rot:
      return segler ? Stelle{30, -8, 12} : Stelle{-28, -9, 16};
    case Licht::seitenlicht_gruen:
      return segler ? Stelle{30, 8, 12} : Stelle{-28, 9, 16};
    case Licht::hecklicht:
      return {-50, 0, 12};
    case Licht::dreifarben:
      return {8, 0, 58};
    case Licht::rundum_rot:
    case Licht::rundum_weiss:
    case Licht::rundum_gruen:
      break;
  }
  return {segler ? 8 : 25, 0, 0};
}

/// The hull, and a bridge or a mast with her sail.
void silhouette(Writer& w, const Blick& b, bool segler, Code windseite, const Farben& f) {
  int links = 80;
  int rechts = 80;
  for (const Stelle p : {Stelle{50, 0, 0}, Stelle{20, 9, 0}, Stelle{20, -9, 0},
                         Stelle{-50, 9, 0}, Stelle{-50, -9, 0}}) {
    links = std::min(links, quer(b, p.u, p.v));
    rechts = std::max(rechts, quer(b, p.u, p.v));
  }
  const int deck = kWasserlinie - 10;
  w << "<path fill=\"" << f.silhouette << "\" d=\"M" << links << ' ' << deck << 'H'
    << rechts << 'L' << rechts - 3 << ' ' << kWasserlinie << 'H' << links + 3 << "Z";
  if (!segler) {
    const int vorn = quer(b, -24, 0);
    const int achtern = quer(b, -42, 0);
    const int breit = std::abs(b.cos) * 9 / 1000 + 1;
    w << 'M' << std::min(vorn, achtern) - breit << ' ' << deck << "V48H"
      << std::max(vorn, achtern) + breit << 'V' << deck << "Z";
  }
  const int mast = quer(b, segler ? 8 : 25, 0);
  w << 'M' << mast - 1 << ' ' << deck << 'V' << (segler ? 14 : 26) << "h2V" << deck
    << "Z\"/>";
  if (!segler) return;
  const int lee = windseite == wind_von_stb ? -12 : windseite == wind_von_bb ? 12 : 0;
  w << "<path d=\"M" << mast + 2 << " 16V" << deck - 2 << 'H' << quer(b, -30, lee)
    << "Z\" fill=\"" << f.dunst << "\" opacity=\".8\"/>";
}

void lichter(Writer& w, const Signale& sig, const Blick& b, bool segler) {
  int h = 44;
  for (const Licht l : sig.lichter) {
    if (l == Licht::topplicht) h = 37;
  }
  for (const Licht l : sig.lichter) {
    Stelle p = stelle(l, segler);
    if (rundum(l)) {
      p.h = h;
      h -= 7;
    }
    if (!sichtbar(l, b.grad)) continue;
    const std::string_view f =
        l == Licht::dreifarben ? farbe(dreifarben_sektor(b.grad)) : farbe(l);
    zeichne_licht(w, l, quer(b, p.u, p.v), kWasserlinie - p.h, f);
  }
}

void koerper(Writer& w, const Signale& sig, const Blick& b, bool segler) {
  int y = kWasserlinie - 46;
  const int x = quer(b, segler ? 8 : 25, 0);
  w << "<g fill=\"#000\">";
  for (const Signalkoerper k : sig.koerper) {
    zeichne_koerper(w, k, x + 6, y + hoehe(k) / 2 - 1);
    y += hoehe(k);
  }
  w << "</g>";
}

}  // namespace

void zeichne_sicht(Writer& w, const Szene& s, const Angaben& a, Tageszeit t,
                   std::string_view titel) {
  const Farben& f = farben(t);
  const Blick b = blick(s.aspekt);
  const bool segler = s.b_typ == ausweich::segler;
  const Signale sig = signale_von(a, Schiff::b);
  w << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 160 100\" role=\"img\">"
       "<title>";
  w.maskiert(titel) << "</title><rect width=\"160\" height=\"100\" fill=\"" << f.himmel
                    << "\"/><rect y=\"66\" width=\"160\" height=\"34\" fill=\"" << f.see
                    << "\"/><g data-schiff=\"B\">";
  silhouette(w, b, segler, a.code(&Situation::kb3), f);
  if (t == Tageszeit::nacht) {
    lichter(w, sig, b, segler);
  } else {
    koerper(w, sig, b, segler);
  }
  w << "</g></svg>";
}

}  // namespace ausweich
