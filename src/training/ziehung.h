#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "training/begegnung.h"

namespace ausweich {

/// A small, fast generator of random numbers (splitmix64) that gives the same
/// sequence for the same seed on every platform, so a seeded training run
/// can be repeated anywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
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

/// Where a training item comes from: the seed of its draw and its number
/// there, from 1. The same seed and number give the same item, however many
/// items the draw has.
struct Herkunft {
  std::uint64_t seed = 0;
  int nummer = 0;
  friend bool operator==(const Herkunft&, const Herkunft&) = default;
};

/// The groups of deciding rules that a draw mixes, as the licence exams
/// weigh them, and how many items of each round of the mix each group gets.
struct Gruppe {
  std::string_view name;
  int gewicht;
  std::span<const Regel> regeln;
};
std::span<const Gruppe> mischung();

/// The group whose rules hold `r`; mischung().size() where none does.
std::size_t gruppe(Regel r);

/// Draws `anzahl` (at most kMaxLagen) different encounters for one training
/// run. The groups of the deciding rules come round by their weights, evenly
/// spread over the run (a smooth weighted round, started at a random point),
/// and within a group the encounter is drawn at random; a group with nothing
/// left gives its turn to the others.
Ziehung ziehe(int anzahl, Random& zufall);

/// The items that `lagen` name (at most kMaxLagen), in their order, each
/// once; a number beyond what its draw holds is left out. `herkunft` gets the
/// origin of each item taken, in the same places.
Ziehung ziehe(std::span<const Herkunft> lagen, std::array<Herkunft, kMaxLagen>& herkunft);

}  // namespace ausweich
