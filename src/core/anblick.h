#pragma once

#include <array>
#include <cstdint>

#include "core/signale.h"
#include "core/situation.h"

namespace ausweich {

// What A's lookout sees of B: by night the lights whose arcs (KVR Regel 21)
// face A, by day her shapes and the side her hull shows. Two vessels that
// look the same to A cannot be told apart from A's position, whatever they
// are.

/// The side of B that A sees.
enum class Seite : std::uint8_t {
  vorn,        // her bow, both sidelights: she comes head-on
  steuerbord,  // her starboard side (green): she crosses from A's port
  backbord,    // her port side (red): she crosses from A's starboard
  achtern,     // her stern: A comes up astern of her
};

inline constexpr Seite kSeiten[] = {Seite::vorn, Seite::steuerbord, Seite::backbord,
                                    Seite::achtern};

/// Where A stands, in whole degrees off B's bow clockwise, where B shows
/// her side: from `von` to `bis` clockwise, both included. Each of these
/// bearings shows the same lights of every vessel (the sectors keep off the
/// edges of the arcs, except head-on, which is right ahead); the pictures
/// place A within it.
struct Sektor {
  int von, bis;
  int mitte;  // the bearing the training takes for the side
};
Sektor sektor(Seite s);

/// The bearing at which B meets A where she shows side `s`: head-on, or
/// crossing from A's port or starboard; none where A comes up astern of her
/// (the training says that A overtakes).
Peilung peilung(Seite s);

/// What A sees of B. By night: her all-round lights in their vertical line,
/// the white masthead lights, and the low lights by colour (the sidelights
/// and the sternlight, or the sector of a tricolour lantern in their stead,
/// which looks the same from afar); by day: her shapes, from the top, and
/// the side her hull shows.
struct Anblick {
  Tageszeit zeit = Tageszeit::nacht;
  std::array<Licht, 3> rundum{};
  std::uint8_t rundum_anzahl = 0;
  std::uint8_t topplichter = 0;
  bool rot = false;
  bool gruen = false;
  bool weiss = false;         // the sternlight, or a tricolour lantern from astern
  Seite seite = Seite::vorn;  // by day only
  std::array<Signalkoerper, 3> koerper{};
  std::uint8_t koerper_anzahl = 0;

  bool operator==(const Anblick&) const = default;
};

/// What A sees by night of a vessel with the signals `s` from `grad` degrees
/// off her bow.
Anblick bei_nacht(const Signale& s, double grad);

/// What A sees by day of a vessel with the signals `s` that shows her side
/// `seite`.
Anblick bei_tag(const Signale& s, Seite seite);

/// What A sees of a vessel with the signals `s` that shows her side `seite`:
/// by night from the middle of its sector.
Anblick anblick(const Signale& s, Seite seite, Tageszeit t);

}  // namespace ausweich
