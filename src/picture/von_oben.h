#pragma once

#include <string_view>

#include "picture/angaben.h"
#include "picture/farben.h"
#include "picture/writer.h"
#include "picture/szene.h"

namespace ausweich {

/// The view from above as an SVG element, its accessible name `titel`: the
/// waterway, the wind, A and B each in a group of her own with her lights or
/// shapes, the marks of their duties with their words, the haze of restricted
/// visibility, and what the answers leave open, in words.
void zeichne_von_oben(Schreiber& w, const Szene& s, const Bildangaben& a, Tageszeit t,
                      std::string_view titel);

}  // namespace ausweich
