#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/angaben.h"
#include "picture/farben.h"

namespace ausweich {

/// The room that the pictures of one encounter are written into. It belongs
/// to the caller and is used again for every picture: nothing is allocated.
struct Bildpuffer {
  std::array<char, 6144> bild;
  std::array<char, 2048> sicht;
  std::array<char, 2048> text;
  std::array<char, 256> satz;  // the lookout's sentence, the name of `sicht`
};

/// The pictures of an encounter, as text in a Bildpuffer: valid until it is
/// written again.
struct Bilder {
  /// The view from above: one <svg> element, role="img", its <title> the text.
  std::string_view bild;
  /// What A's lookout sees of B: one <svg> element, role="img", its <title>
  /// the sentence of what B shows A. Empty where the answers do not fix which
  /// side of B faces A, or the visibility is restricted.
  std::string_view sicht;
  /// What the pictures show, in proper German: their accessible name.
  std::string_view text;
};

/// Draws what `angaben` know, by day or by night, into `puffer`. A pure
/// function of its inputs. A picture that would not fit comes back empty,
/// never cut off.
Bilder zeichne(const Angaben& angaben, Tageszeit zeit, Bildpuffer& puffer);

}  // namespace ausweich
