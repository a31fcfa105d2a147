#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/pflicht.h"
#include "core/signale.h"
#include "picture/farben.h"
#include "picture/layout.h"
#include "picture/saeule.h"
#include "picture/szene.h"
#include "picture/writer.h"

namespace ausweich {

// The parts of the view from above, each written as SVG elements. Whatever
// a part draws it takes in the layout, so that no text is set over it; each
// mark, arrow and line of signals carries its box as data-box="x y w h", for
// the tests.

/// A vessel as the view from above draws her, in a group of her own.
struct Schiffsbild {
  std::string_view name;  // "A" or "B"
  Ort ort;
  Code typ;
  Signale signale;
  Code windseite = 0;              // for a sailing vessel: the side given (Windseite)
  int wind = -1;                   // the wind on the sheet, where shown
  bool offen = false;              // her bearing is not fixed: drawn dashed
  bool echo = false;               // seen only on the radar
  bool ueberholer = false;         // she overtakes: a longer wake
  Gebot marke = Gebot::allgemein;  // the strongest duty she bears; allgemein: none
  std::array<std::string_view, 3> worte{};  // the words beside her
  std::size_t anzahl_worte = 0;
};

/// Takes in `l` the room of a vessel: her ring and the line of signals above
/// her.
void belege_schiff(const Schiffsbild& s, Tageszeit t, Layout& l);

/// Her group: wake, ring, hull, sail, lights, and her lights or shapes in a
/// line above her, as they hang in her rigging.
void zeichne_schiff(Writer& w, const Schiffsbild& s, Tageszeit t);

/// The waterway: fairways with their marks, traffic lanes and the separation
/// zone, a narrow passage with its current. Each area is a rect with
/// data-gebiet ("fahrwasser", "einbahnweg", "trennzone") and, where it has
/// one, data-richtung (a lane's traffic, a fairway's axis).
void zeichne_gewaesser(Writer& w, const Szene& s, Tageszeit t, Layout& l);

/// Where the wind's arrow stands, at the top left.
inline constexpr Rechteck kWindfeld{6, 28, 32, 32};

/// The wind, where it is shown: an arrow in `kWindfeld`, blowing from where
/// it comes.
void zeichne_wind(Writer& w, int von, Tageszeit t);

/// A light as a point of its colour (`farbe`), marked with its name.
void zeichne_licht(Writer& w, Licht l, int x, int y, std::string_view farbe);

/// A shape as it hangs, its middle at `y`, marked with its name.
void zeichne_koerper(Writer& w, Signalkoerper k, int x, int y);

/// A line of text, at font size `groesse` (the smallest where left out).
void zeichne_text(Writer& w, int x, int y, std::string_view text,
                  Anchor anker = Anchor::start, int groesse = kSchriftgroesse);

/// The data-box attribute of `r`.
void box(Writer& w, const Rechteck& r);

}  // namespace ausweich
