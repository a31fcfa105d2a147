#pragma once

#include <cstdint>
#include <string_view>

#include "core/signale.h"

namespace ausweich {

/// The colours of a picture, by day or by night.
struct Farben {
  std::string_view wasser, rinne, zone, land;
  std::string_view rumpf, rand, schrift, markierung, dunst;
  std::string_view himmel, see, silhouette;
};

const Farben& farben(Tageszeit t);

/// The colour in which a light or the colour of its sector is drawn.
std::string_view farbe(Licht l);

}  // namespace ausweich
