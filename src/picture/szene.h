#pragma once

#include <cstdint>

#include "core/angaben.h"
#include "core/frage.h"
#include "core/signale.h"

namespace ausweich {

// The encounter laid out for the view from above, on a sheet 240 wide and 320
// high: A near the bottom heading up, B where the answers put her, the
// waterway around them. Headings in degrees clockwise from up.

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
  offen,      // not fixed: B stands where her waterway puts her, drawn as open
  voraus,     // ahead on the same course: A overtakes
  achteraus,  // astern on the same course: B overtakes
  gegenkurs,  // ahead on the opposite course
  von_stb,    // crossing from starboard
  von_bb,     // crossing from port
};

/// A place on the sheet and a heading.
struct Ort {
  int x, y, kurs;
};

/// A rectangle of the sheet.
struct Flaeche {
  int x, y, b, h;
};

struct Szene {
  Gewaesser gewaesser = Gewaesser::unbestimmt;
  bool quer = false;  // the waterway runs across A's course, not along it
  /// The fairway, A's lane, the main fairway; the other lane, the secondary
  /// fairway; the separation zone. Empty where there is none.
  Flaeche rinne{}, zweite{}, trennzone{};
  Bezug a_bezug = Bezug::unbekannt, b_bezug = Bezug::unbekannt;
  Code a_typ = 0, b_typ = 0;  // 0: not known yet, and not drawn
  Ort a{120, 200, 0}, b{};
  Kurslage lage = Kurslage::offen;
  int aspekt = 0;            // where A stands, degrees off B's bow; where lage fixes it
  bool nebel = false;        // restricted visibility
  bool klare_sicht = false;  // clear visibility, as answered
  int wind = -1;             // where the wind comes from; -1 where not known
  bool engstelle = false;
  int stroemung = -1;  // where the current sets to, in a narrow passage
};

Szene szene(const Angaben& a);

/// The signals of A or of B, as far as the answers tell her type, her length
/// and the sea area.
Signale signale_von(const Angaben& a, Schiff s);

/// Whether the answers fix the side of B that faces A.
constexpr bool aspekt_fest(Kurslage l) {
  return l != Kurslage::offen;
}

}  // namespace ausweich
