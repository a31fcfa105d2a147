#pragma once

#include <string_view>

#include "core/angaben.h"
#include "picture/farben.h"
#include "picture/szene.h"
#include "picture/writer.h"

namespace ausweich {

/// The view from above as an SVG element, its accessible name `titel`: the
/// waterway, the wind, A and B each in a group of her own with her lights or
/// shapes, the marks of their duties with their words, the haze of restricted
/// visibility, and what the answers leave open, in words.
void zeichne_von_oben(Writer& w, const Szene& s, const Angaben& a, Tageszeit t,
                      std::string_view titel);

}  // namespace ausweich
