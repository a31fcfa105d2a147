#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/frage.h"
#include "core/regelbuch.h"

namespace ausweich {

// What a vessel making way through the water shows: her lights by night and
// her shapes by day, by her type, as the KVR (rules 23 to 28) and the
// SeeSchStrO prescribe them. Every face that draws a vessel takes them from
// here.

/// A light, by the name under which a picture marks it.
enum class Licht : std::uint8_t {
  topplicht,          // masthead light, white
  seitenlicht_rot,    // port sidelight
  seitenlicht_gruen,  // starboard sidelight
  hecklicht,          // sternlight, white
  dreifarben,         // sidelights and sternlight combined at the masthead
  rundum_rot,
  rundum_weiss,
  rundum_gruen,
  topplicht_achtern,  // the second masthead light, abaft of and higher than the first
};

/// A day shape, by the name under which a picture marks it.
enum class Signalkoerper : std::uint8_t {
  ball,
  kegel_spitzen_zusammen,  // two cones, points together: one shape
  rhombus,
  zylinder,
  kegel_spitze_unten,  // one cone, point down: sailing under engine
};

/// Day or night: by day a vessel shows her shapes, by night her lights.
enum class Tageszeit : std::uint8_t { tag, nacht };

/// What a vessel shows, finer than the advisor's types: the kinds that the
/// lights and shapes tell apart (KVR Regeln 23 bis 28, the SeeSchStrO's
/// Wegerechtschiff). `nach_typ`: as her type and length give it (signale()
/// below by type), which is how every picture of the advisor and of its
/// training draws her.
enum class Kennzeichnung : std::uint8_t {
  nach_typ,
  maschinenfahrzeug,             // power-driven, under 50 m: one masthead light
  maschinenfahrzeug_ab_50m,      // power-driven, 50 m or more: two masthead lights
  segelfahrzeug,                 // sailing, with separate sidelights and sternlight
  segelfahrzeug_dreifarben,      // sailing, under 20 m, with the tricolour lantern
  segelfahrzeug_unter_maschine,  // sailing and under engine: a power-driven vessel
  trawler,                       // fishing, trawling
  fischer,                       // fishing, not trawling
  manoevrierbehindert,
  manoevrierunfaehig,
  tiefgangbehindert,  // under the KVR: Regel 28
  wegerechtschiff,    // on a Seeschifffahrtsstraße: restricted by § 2 Abs. 1 Nr. 13
};

/// How an item of the training of lights and shapes has A see B: what B
/// shows, and whether by day or by night. In the training of encounters
/// both are open: B shows what her type gives, and the pictures show both
/// times.
struct Ansicht {
  Kennzeichnung b = Kennzeichnung::nach_typ;
  bool mit_zeit = false;  // whether `zeit` holds
  Tageszeit zeit = Tageszeit::nacht;
};

/// The name of a light or a shape in a picture: "seitenlicht-rot".
std::string_view kennung(Licht l);
std::string_view kennung(Signalkoerper k);

/// Whether a light shows all round the horizon, and so stands in the vertical
/// line of all-round lights.
constexpr bool rundum(Licht l) {
  return l == Licht::rundum_rot || l == Licht::rundum_weiss || l == Licht::rundum_gruen;
}

/// A vessel's signals. The all-round lights and the shapes stand in the
/// order in which they hang, from the top.
struct Signale {
  std::span<const Licht> lichter;          // by night
  std::span<const Signalkoerper> koerper;  // by day; none for most types
  /// What the table chose where the rules leave a choice, as sentences in
  /// proper German that speak of the vessel as "sie"; empty where the rules
  /// leave none.
  std::string_view hinweis;
  /// She may carry a second masthead light abaft the first (over 50 m she
  /// must), which is not drawn: her length is not known to be under 20 m.
  bool zweites_topplicht = false;
};

/// The signals of a vessel of type `typ` (a Fahrzeugtyp) and length `laenge`
/// (a Laenge; 0 where it was not asked) in the sea area `seegebiet` (a
/// Seegebiet; 0 where it is not known yet), making way through the water.
Signale signale(Code typ, Code laenge, Code seegebiet);

/// The signals of a vessel of the kind `k`, making way through the water;
/// for `nach_typ`, none (ask by type).
Signale signale(Kennzeichnung k);

/// The rule that prescribes what a vessel of the kind `k` shows; for
/// `nach_typ`, the arcs of the lights (KVR Regel 21).
Regel vorschrift(Kennzeichnung k);

/// What a vessel carries besides, where `zweites_topplicht` is set; it
/// follows "B führt ".
inline constexpr std::string_view kZweitesTopplicht =
    "ab 50 m Länge achtern ein zweites, höheres Topplicht (nicht gezeichnet)";

}  // namespace ausweich
