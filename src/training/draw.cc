#include "training/draw.h"

#include <array>
#include <utility>

namespace ausweich {
namespace {

constexpr std::size_t kKlassen = static_cast<std::size_t>(Pflicht::allgemein);

/// The encounters of one regime, by class of verdict (as indices into the
/// list of all), with the deck of classes still to come.
class Regime {
 public:
  void add(std::size_t i, Pflicht p) {
    nach_klasse_[static_cast<std::size_t>(p)].push_back(static_cast<std::uint32_t>(i));
  }
  bool leer() const {
    for (const auto& klasse : nach_klasse_) {
      if (!klasse.empty()) return false;
    }
    return true;
  }

  /// Takes one encounter of the next class in the deck that still has any.
  std::size_t nimm(Zufall& zufall) {
    for (;;) {
      if (deck_.empty()) mische(zufall);
      const std::size_t klasse = deck_.back();
      deck_.pop_back();
      std::vector<std::uint32_t>& vorrat = nach_klasse_[klasse];
      if (vorrat.empty()) continue;
      std::swap(vorrat[zufall.unter(vorrat.size())], vorrat.back());
      const std::size_t i = vorrat.back();
      vorrat.pop_back();
      return i;
    }
  }

 private:
  void mische(Zufall& zufall) {
    for (std::size_t klasse = 0; klasse < kKlassen; ++klasse) {
      if (nach_klasse_[klasse].empty()) continue;
      deck_.push_back(klasse);
      const Pflicht p = static_cast<Pflicht>(klasse);
      if (p == Pflicht::a_weicht_aus || p == Pflicht::b_weicht_aus)
        deck_.push_back(klasse);
    }
    for (std::size_t i = deck_.size(); i > 1; --i) {
      std::swap(deck_[i - 1], deck_[zufall.unter(i)]);
    }
  }

  std::array<std::vector<std::uint32_t>, kKlassen> nach_klasse_;
  std::vector<std::size_t> deck_;
};

}  // namespace

std::uint64_t Zufall::next() {
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
  return z ^ (z >> 31);
}

std::vector<Begegnung> ziehe(const std::vector<Begegnung>& alle, int anzahl,
                             Zufall& zufall) {
  std::array<Regime, 2> regime;  // the waterways, then the high seas
  for (std::size_t i = 0; i < alle.size(); ++i) {
    const Begegnung& b = alle[i];
    if (b.pflicht != Pflicht::allgemein) {
      regime[b.kvr == seeschifffahrtsstrassen ? 0 : 1].add(i, b.pflicht);
    }
  }
  std::vector<Begegnung> gezogen;
  std::size_t dran = zufall.unter(2);
  while (static_cast<int>(gezogen.size()) < anzahl) {
    if (regime[dran].leer()) dran = 1 - dran;
    if (regime[dran].leer()) break;
    gezogen.push_back(alle[regime[dran].nimm(zufall)]);
    dran = 1 - dran;
  }
  return gezogen;
}

}  // namespace ausweich
