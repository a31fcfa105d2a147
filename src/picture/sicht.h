#pragma once

#include <string_view>

#include "picture/angaben.h"
#include "picture/farben.h"
#include "picture/writer.h"
#include "picture/szene.h"

namespace ausweich {

/// The lookout's view of B as an SVG element, its accessible name `titel`.
/// Only where the scene fixes B's aspect.
void zeichne_sicht(Schreiber& w, const Szene& s, const Bildangaben& a, Tageszeit t,
                   std::string_view titel);

}  // namespace ausweich
