#include "picture/layout.h"

#include <algorithm>

namespace ausweich {
namespace {

/// The characters of a UTF-8 text: its bytes but the continuation bytes.
int zeichen(std::string_view text) {
  int n = 0;
  for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

}  // namespace

Rechteck textbox(int x, int y, std::string_view text, int groesse, Anchor anker) {
  const int breite = zeichen(text) * groesse * 62 / 100 + 1;
  const int links = anker == Anchor::start    ? x
                    : anker == Anchor::middle ? x - breite / 2
                                              : x - breite;
  const int oben = y - groesse * 8 / 10;
  return {links, oben, breite, groesse * 8 / 10 + groesse / 4 + 1};
}

void Layout::belege(const Rechteck& r) {
  if (anzahl_ < belegt_.size()) belegt_[anzahl_++] = r;
}

bool Layout::frei(const Rechteck& r) const {
  if (r.x < 0 || r.y < 0 || r.x + r.b > kBreite || r.y + r.h > kHoehe) return false;
  for (std::size_t i = 0; i < anzahl_; ++i) {
    if (belegt_[i].schneidet(r)) return false;
  }
  return true;
}

bool Layout::passt(std::span<const Zeile> zeilen, const Platz& p,
                   const Rechteck& bereich) const {
  int y = p.y;
  for (const Zeile& z : zeilen) {
    const Rechteck r = textbox(p.x, y, z.text, z.groesse, p.anker);
    if (!bereich.enthaelt(r.x, r.y) || !bereich.enthaelt(r.x + r.b, r.y + r.h) ||
        !frei(r)) {
      return false;
    }
    y += z.groesse * 5 / 4;
  }
  return true;
}

/// Ring by ring around `p`, three units apart: the first place where
/// `zeilen` fit.
std::optional<Layout::Platz> Layout::naechster(std::span<const Zeile> zeilen,
                                               const Platz& p,
                                               const Rechteck& bereich) const {
  constexpr int kSchritt = 3;
  // Rings beyond the farthest corner of `bereich` hold no place within it.
  const int weit = std::max(std::max(p.x - bereich.x, bereich.x + bereich.b - p.x),
                            std::max(p.y - bereich.y, bereich.y + bereich.h - p.y));
  const int ringe = weit / kSchritt + 1;
  for (int ring = 1; ring <= ringe; ++ring) {
    for (int i = -ring; i <= ring; ++i) {
      for (const int j : {-ring, ring}) {
        for (const Platz q : {Platz{p.x + i * kSchritt, p.y + j * kSchritt, p.anker},
                              Platz{p.x + j * kSchritt, p.y + i * kSchritt, p.anker}}) {
          if (passt(zeilen, q, bereich)) return q;
        }
      }
    }
  }
  return std::nullopt;
}

std::optional<Layout::Platz> Layout::setze(std::span<const Zeile> zeilen,
                                           std::span<const Platz> plaetze,
                                           const Rechteck& bereich) {
  std::optional<Platz> gewaehlt;
  for (const Platz& p : plaetze) {
    if (passt(zeilen, p, bereich)) {
      gewaehlt = p;
      break;
    }
  }
  // A line wider than `bereich` fits nowhere in it.
  bool zu_breit = false;
  for (const Zeile& z : zeilen) {
    zu_breit = zu_breit || textbox(0, 0, z.text, z.groesse, Anchor::start).b > bereich.b;
  }
  if (!gewaehlt && !zu_breit) gewaehlt = naechster(zeilen, plaetze[0], bereich);
  if (!gewaehlt) return std::nullopt;
  int y = gewaehlt->y;
  for (const Zeile& z : zeilen) {
    belege(textbox(gewaehlt->x, y, z.text, z.groesse, gewaehlt->anker));
    y += z.groesse * 5 / 4;
  }
  return gewaehlt;
}

}  // namespace ausweich
