#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/pflicht.h"
#include "core/signale.h"
#include "picture/farben.h"
#include "picture/szene.h"
#include "picture/writer.h"

namespace ausweich {

// The parts of the view from above, each written as SVG elements.

/// A vessel as the view from above draws her, in a group of her own.
struct Schiffsbild {
  std::string_view name;  // "A" or "B"
  Ort ort;
  Code typ;
  Signale signale;
  Code windseite = 0;              // for a sailing vessel: the side she has the wind on
  bool offen = false;              // her bearing is not fixed: drawn dashed
  bool echo = false;               // seen only on the radar
  Gebot marke = Gebot::allgemein;  // the strongest duty she bears; allgemein: none
  std::array<std::string_view, 3> worte{};  // the words beside her
  std::size_t anzahl_worte = 0;
};

void zeichne_schiff(Writer& w, const Schiffsbild& s, Tageszeit t);

/// The waterway: fairways with their marks, traffic lanes, a narrow passage.
void zeichne_gewaesser(Writer& w, const Szene& s, Tageszeit t);

/// The wind, where it is known: an arrow blowing from where it comes.
void zeichne_wind(Writer& w, int von, Tageszeit t);

/// A light as a point of its colour (`farbe`), marked with its name.
void zeichne_licht(Writer& w, Licht l, int x, int y, std::string_view farbe);

/// A shape as it hangs, its middle at `y`, marked with its name.
void zeichne_koerper(Writer& w, Signalkoerper k, int x, int y);

/// The height that a shape takes in its vertical line, with the gap below it.
int hoehe(Signalkoerper k);

/// Where a line of text stands at its x: its start, its middle or its end.
enum class Anchor : std::uint8_t { start, middle, end };

/// A line of text.
void zeichne_text(Writer& w, int x, int y, std::string_view text,
                  Anchor anker = Anchor::start);

}  // namespace ausweich
