#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "training/lichterlage.h"
#include "training/ziehung.h"

namespace ausweich {

/// The items of one run of the training of lights and shapes, in the order
/// they are asked.
struct Lichterziehung {
  std::array<Lichterlage, kMaxLagen> lagen{};
  std::size_t anzahl = 0;

  std::span<const Lichterlage> lichterlagen() const { return {lagen.data(), anzahl}; }
};

/// The sorts of item: what B shows, the side she shows, day or night, the
/// regime and A's type. Every item is of one.
inline constexpr std::size_t kSorten = std::size(kKennzeichnungen) * 4 * 2 * 2 * 2;

/// The sort of item `l`.
std::size_t sorte(const Lichterlage& l);

/// Draws `anzahl` (at most kMaxLagen) different items for one run. The sorts
/// come in a random order, none again before every sort has come once;
/// within a sort the encounter is drawn at random. Each item draws its own
/// wrong answers (`auswahl`).
Lichterziehung ziehe_lichter(int anzahl, Random& zufall);

}  // namespace ausweich
