#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "training/encounters.h"

namespace ausweich {

/// A small, fast generator of random numbers (splitmix64) that gives the same
/// sequence for the same seed on every platform, so a seeded training run
/// can be repeated anywhere.
class Zufall {
 public:
  explicit Zufall(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  /// A number from 0 to `n` - 1; `n` must not be 0.
  std::size_t unter(std::size_t n) { return static_cast<std::size_t>(next() % n); }

 private:
  std::uint64_t state_;
};

/// The most encounters in one training run.
inline constexpr int kMaxLagen = 100;

/// The encounters of one training run, in the order they are asked.
struct Ziehung {
  std::array<Begegnung, kMaxLagen> lagen{};
  std::size_t anzahl = 0;

  std::span<const Begegnung> begegnungen() const { return {lagen.data(), anzahl}; }
};

/// Draws `anzahl` (at most kMaxLagen) different encounters for one training
/// run. The two regimes take turns; under the KVR the open sea, the narrow
/// channel and the traffic separation scheme take turns in their own right.
/// Within each of these areas the classes of the deciding duty come round
/// like cards from a shuffled deck in which "A gives way" and "B gives way"
/// lie twice and two power-driven vessels at a drawn bearing (rules 14 and
/// 15) have a card of their own, so that every kind of verdict turns up and
/// none dominates.
Ziehung ziehe(int anzahl, Zufall& zufall);

}  // namespace ausweich
