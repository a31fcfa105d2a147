#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/code.h"

namespace ausweich {

// The answers of every menu, by name. Each group serves the codes named in its
// comment; a code holds one of its group's values.

/// `ka1`, the type of A (only the first two), and `kb1`, the type of B. The
/// numbers give the order of rule 18: a vessel gives way to every type with a
/// higher number.
enum Fahrzeugtyp : Code {
  maschinenfahrzeug = 1,  // A: a motor vessel; B: a power-driven vessel
  segler = 2,
  fischend = 3,
  manoevrierbehindert = 4,  // restricted in her ability to manoeuvre
  manoevrierunfaehig = 5,   // not under command
  tiefgangbehindert = 6,    // constrained by her draught
};

/// `ka2`, `kb2`: the length of A and of B.
enum Laenge : Code {
  kleiner_20m = 1,
  groesser_20m = 2,
};

/// `ka3`, `kb3`: the side from which A and B have the wind. A always knows
/// her own; B's may not be recognisable from A.
enum Windseite : Code {
  wind_von_bb = 1,
  wind_von_stb = 2,
  bb_nicht_erkennbar = 3,
  stb_nicht_erkennbar = 4,
};

/// `ks`: the visibility.
enum Sicht : Code {
  klare_sicht = 1,
  verminderte_sicht = 2,  // fog or otherwise restricted
};

/// `kvr`: the sea area, which decides the regime.
enum Seegebiet : Code {
  seeschifffahrtsstrassen = 1,  // maritime waterways, under the SeeSchStrO
  hohe_see = 2,                 // high seas, under the KVR
};

/// `kafw`, `kbfw`: where A and B lie relative to the fairway. The waterways
/// regime asks all four; under the KVR the menu ends at 3, "following", but a
/// 4 kept as the default stands.
enum Fahrwasserlage : Code {
  nicht_im_fw = 1,
  im_fw_nicht_folgend = 2,
  im_fw_folgend = 3,  // in the waterways regime: roughly following
  im_fw_deutlich_folgend = 4,
};

/// `khnfw`: main and secondary fairway.
enum Hauptfahrwasser : Code {
  nur_ein_fw = 1,
  b_im_hauptfw = 2,  // A in the secondary fairway
  a_im_hauptfw = 3,  // B in the secondary fairway
};

/// `kueb`: overtaking.
enum Ueberholen : Code {
  keiner_ueberholt = 1,
  a_ueberholt_b = 2,
  b_ueberholt_a = 3,
};

/// `kent`: opposite courses.
enum Gegenkurse : Code {
  keine_gegenkurse = 1,
  gegenkurse = 2,
};

/// `keng`: a narrow passage where the vessels meet, and which of them goes
/// with the (future) current or keeps to the starboard side of the fairway.
enum Engstelle : Code {
  keine_engstelle = 1,
  a_mit_stroemung = 2,
  b_mit_stroemung = 3,
};

/// `kvtg`: the fairway situation under the KVR.
enum Fahrwassersituation : Code {
  freier_seeraum = 1,
  fahrwasser = 2,
  verkehrstrennungsgebiet = 3,
};

/// `kavt`, `kbvt`: where A and B lie relative to the traffic lane of a
/// traffic separation scheme.
enum Einbahnweglage : Code {
  nicht_im_vtg = 1,
  querend = 2,
  im_einbahnweg_folgend = 3,
};

/// `kluv`: where A lies relative to B and the wind.
enum Luvlage : Code {
  a_in_luv = 1,
  a_in_lee = 2,
};

/// The answer codes that describe one encounter. Every question sets one of
/// them; every decision tests them. One record lives for the whole run and is
/// never reset, so each analysis offers the previous analysis's answers as its
/// defaults. A new record holds the first-run defaults: a sailing vessel A
/// with the wind from starboard meets a sailing vessel B with the wind from
/// port, not recognisable from A, on the high seas in clear visibility.
struct Situation {
  Code ka1 = segler;                  // type of A: maschinenfahrzeug or segler
  Code ka2 = kleiner_20m;             // length of A
  Code ka3 = wind_von_stb;            // wind of A: wind_von_bb or wind_von_stb
  Code ks = klare_sicht;              // visibility
  Code kb1 = segler;                  // type of B
  Code kb2 = kleiner_20m;             // length of B
  Code kb3 = bb_nicht_erkennbar;      // wind of B
  Code kvr = hohe_see;                // sea area
  Code kafw = im_fw_folgend;          // A and the fairway
  Code kbfw = im_fw_folgend;          // B and the fairway
  Code khnfw = nur_ein_fw;            // main and secondary fairway
  Code kueb = keiner_ueberholt;       // overtaking
  Code kent = keine_gegenkurse;       // opposite courses
  Code keng = keine_engstelle;        // narrow passage
  Code kvtg = freier_seeraum;         // fairway situation under the KVR
  Code kavt = querend;                // A and the traffic lane
  Code kbvt = im_einbahnweg_folgend;  // B and the traffic lane
  Code kluv = a_in_luv;               // A relative to B and the wind
};

/// `indkvr`, beside the record: how the path under the KVR was entered.
enum Analyseweg : Code {
  kvr_direkt = 1,        // from the sea-area question
  ueber_seeschstro = 2,  // handed over by the waterways regime
};

/// Where A sees B when two power-driven vessels meet and neither overtakes.
/// The advisor does not ask it (it states rules 14 and 15 in general); the
/// training draws it and says it, and the pictures place B by it.
enum class Peilung : std::uint8_t {
  offen,                   // not known
  recht_voraus_gegenkurs,  // B right ahead on the opposite course
  kreuzt_von_stb,          // B crosses from starboard
  kreuzt_von_bb,           // B crosses from port
};

/// A bearing in a description's words; empty where it is open.
constexpr std::string_view in_worten(Peilung p) {
  switch (p) {
    case Peilung::recht_voraus_gegenkurs:
      return "B kommt recht voraus auf Gegenkurs";
    case Peilung::kreuzt_von_stb:
      return "B kreuzt von Steuerbord";
    case Peilung::kreuzt_von_bb:
      return "B kreuzt von Backbord";
    case Peilung::offen:
      break;
  }
  return {};
}

/// Whether a vessel counts as small where the rules ask small vessels not to
/// impede large ones: a sailing vessel, or a power-driven one under 20 m.
constexpr bool klein(Code typ, Code laenge) {
  return typ == segler || (typ == maschinenfahrzeug && laenge == kleiner_20m);
}

/// Sets every code to its first-run default.
void init(Situation& s);

}  // namespace ausweich
