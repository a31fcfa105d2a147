#include "core/anblick.h"

#include "core/bogen.h"

namespace ausweich {

Sektor sektor(Seite s) {
  // The sidelights' and the masthead light's arcs end 112.5° off the bow,
  // the sternlight's begins there: a starboard or port view keeps within
  // 20° to 80° off the bow, a view from astern within 35° of right astern.
  switch (s) {
    case Seite::steuerbord:
      return {20, 80, 50};
    case Seite::backbord:
      return {280, 340, 310};
    case Seite::achtern:
      return {145, 215, 180};
    case Seite::vorn:
      break;
  }
  return {0, 0, 0};
}

Peilung peilung(Seite s) {
  switch (s) {
    case Seite::vorn:
      return Peilung::recht_voraus_gegenkurs;
    case Seite::steuerbord:
      return Peilung::kreuzt_von_bb;
    case Seite::backbord:
      return Peilung::kreuzt_von_stb;
    case Seite::achtern:
      break;
  }
  return Peilung::offen;
}

namespace {

/// A low light seen: a sidelight, the sternlight, or what a tricolour lantern
/// shows in their stead.
void tief(Anblick& a, Licht l) {
  if (l == Licht::seitenlicht_rot) a.rot = true;
  if (l == Licht::seitenlicht_gruen) a.gruen = true;
  if (l == Licht::hecklicht) a.weiss = true;
}

}  // namespace

Anblick bei_nacht(const Signale& s, double grad) {
  Anblick a;
  a.zeit = Tageszeit::nacht;
  for (const Licht l : s.lichter) {
    if (!sichtbar(l, grad)) continue;
    if (rundum(l)) {
      if (a.rundum_anzahl < a.rundum.size()) a.rundum[a.rundum_anzahl++] = l;
    } else if (l == Licht::topplicht || l == Licht::topplicht_achtern) {
      ++a.topplichter;
    } else if (l == Licht::dreifarben) {
      tief(a, dreifarben_sektor(grad));
    } else {
      tief(a, l);
    }
  }
  return a;
}

Anblick bei_tag(const Signale& s, Seite seite) {
  Anblick a;
  a.zeit = Tageszeit::tag;
  a.seite = seite;
  for (const Signalkoerper k : s.koerper) {
    if (a.koerper_anzahl < a.koerper.size()) a.koerper[a.koerper_anzahl++] = k;
  }
  return a;
}

Anblick anblick(const Signale& s, Seite seite, Tageszeit t) {
  return t == Tageszeit::tag ? bei_tag(s, seite) : bei_nacht(s, sektor(seite).mitte);
}

}  // namespace ausweich
