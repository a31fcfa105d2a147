#pragma once

#include <array>
#include <cstddef>

#include "core/dialogue.h"
#include "training/ziehung.h"

namespace ausweich {

/// The order in which a training run asks its items: each new item once, and
/// an item whose first answer was not right once more, three new items later
/// or at the end. Both kinds of training keep to it.
class Reihenfolge {
 public:
  /// The next item of a run of `anzahl` new items and whether it is a
  /// repeat; false when every item has been asked.
  bool naechste(std::size_t anzahl, std::size_t& lage, bool& wiederholung);
  /// The answer to item `lage`: a new item not answered right comes back.
  void beantwortet(std::size_t lage, bool wiederholung, bool richtig);

 private:
  struct Wiederholung {
    std::size_t lage;
    std::size_t nach;  // after how many new items
  };

  std::size_t naechste_ = 0;  // the next new item
  std::size_t neue_ = 0;      // new items answered
  std::array<Wiederholung, kMaxLagen> wiederholungen_{};
  std::size_t erste_wiederholung_ = 0;
  std::size_t wiederholungen_anzahl_ = 0;
};

/// The heading of an item: "Lage 3 von 10" or "Wiederholung von Lage 2",
/// between the console's rules.
void lagenkopf(Dialogue& d, std::size_t lage, std::size_t anzahl, bool wiederholung);

/// A run ended by the learner's 0.
void vorzeitig_beendet(Dialogue& d);

}  // namespace ausweich
