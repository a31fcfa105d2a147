#pragma once

#include <string_view>

#include "core/angaben.h"
#include "picture/farben.h"
#include "picture/szene.h"
#include "picture/writer.h"

namespace ausweich {

/// The lookout's view of B as an SVG element, its accessible name `titel`.
/// Only where the scene fixes B's aspect.
void zeichne_sicht(Writer& w, const Szene& s, const Angaben& a, Tageszeit t,
                   std::string_view titel);

}  // namespace ausweich
