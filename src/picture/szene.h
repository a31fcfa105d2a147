#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/angaben.h"
#include "core/signale.h"

namespace ausweich {

// The encounter laid out for the view from above, on a sheet 240 wide and 320
// high: A near the bottom heading up, B where the answers put her, the
// waterway around them. Headings and directions in degrees clockwise from
// the top of the sheet, which is A's heading.

inline constexpr int kBreite = 240;
inline constexpr int kHoehe = 320;

/// The waterway drawn.
enum class Gewaesser : std::uint8_t {
  unbestimmt,       // no answer places the vessels yet
  freier_seeraum,   // open water
  fahrwasser,       // one fairway
  hauptfahrwasser,  // a main fairway with a secondary one
  vtg,              // a traffic separation scheme
};

/// How a vessel lies to the fairway or to the traffic lane.
enum class Bezug : std::uint8_t { unbekannt, folgt, quert, ausserhalb };

/// Where B is seen from A, as far as the answers fix it.
enum class Kurslage : std::uint8_t {
  offen,         // not fixed: B stands where her waterway puts her, drawn as open
  voraus,        // ahead on the same course: A overtakes
  achteraus,     // astern on the same course: B overtakes
  recht_voraus,  // dead ahead on the opposite course
  gegenkurs,     // ahead on the opposite course; in a fairway to port, as they keep right
  von_stb,       // crossing from starboard
  von_bb,        // crossing from port
};

/// A place on the sheet and a heading.
struct Ort {
  int x, y, kurs;
};

/// A rectangle of the sheet.
struct Rechteck {
  int x, y, b, h;

  constexpr bool enthaelt(int px, int py, int rand = 0) const {
    return px >= x + rand && px <= x + b - rand && py >= y + rand && py <= y + h - rand;
  }
  constexpr bool schneidet(const Rechteck& r) const {
    return x < r.x + r.b && r.x < x + b && y < r.y + r.h && r.y < y + h;
  }
};

/// A water area of the waterway: a fairway, a traffic lane or the separation
/// zone between lanes, with the direction of its traffic (a lane) or its
/// axis (a fairway, either way along it).
struct Flaeche {
  enum class Art : std::uint8_t { fahrwasser, einbahnweg, trennzone };
  Art art;
  Rechteck r;
  int richtung;
  std::string_view name;  // "Fahrwasser", "Hauptfahrwasser", ...; empty for a lane
};

struct Szene {
  Gewaesser gewaesser = Gewaesser::unbestimmt;
  std::array<Flaeche, 4> flaechen{};
  std::size_t flaechen_anzahl = 0;
  /// The area B must be in, where the answers name one of several (a main or
  /// a secondary fairway); -1: any of her kind.
  int b_gebiet = -1;
  Bezug a_bezug = Bezug::unbekannt, b_bezug = Bezug::unbekannt;
  Code a_typ = 0, b_typ = 0;  // 0: not known yet, and not drawn
  Ort a{120, 240, 0}, b{};
  Kurslage kurslage = Kurslage::offen;
  /// Whether B's place keeps to every fact given; false where no place on the
  /// sheet could (the picture then says her position is open).
  bool b_passt = true;
  int aspekt = 0;            // where A stands, degrees off B's bow
  bool nebel = false;        // restricted visibility
  bool klare_sicht = false;  // clear visibility, as answered
  int wind = -1;             // where the wind comes from; -1 where not shown
  bool engstelle = false;
  int stroemung = -1;  // where the current sets to, in a narrow passage

  std::span<const Flaeche> gebiete() const { return {flaechen.data(), flaechen_anzahl}; }
};

/// The scene that the answers in `a` describe: every fact given holds of it
/// (each vessel inside or outside her fairway or lane, with a heading along
/// or across it; the overtaker within the other's sternlight arc; B at the
/// bearing drawn; a sailing vessel at least 45° off the wind, with the wind
/// on the side given and to windward or leeward as given), or where nothing
/// could, `b_passt` is false.
Szene szene(const Angaben& a);

/// The signals of A or of B, as far as the answers tell her type, her length
/// and the sea area; B's as the item says, where it says what she shows.
Signale signale_von(const Angaben& a, Schiff s);

/// Whether the answers fix the side of B that faces A.
constexpr bool aspekt_fest(Kurslage l) {
  return l != Kurslage::offen;
}

/// The side from which a vessel heading `kurs` has the wind from `wind`:
/// wind_von_stb or wind_von_bb.
Code windseite(int kurs, int wind);

}  // namespace ausweich
