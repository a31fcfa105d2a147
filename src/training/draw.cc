#include "training/draw.h"

#include <array>
#include <utility>

namespace ausweich {
namespace {

constexpr std::size_t kKlassenzahl = std::size(kKlassen);
constexpr std::size_t kRegime = 2;  // the waterways, then the high seas

/// The encounters of one regime and class of verdict.
struct Fach {
  std::size_t regime, klasse;
};

Fach fach(const Begegnung& b) {
  return {b.kvr == seeschifffahrtsstrassen ? 0u : 1u,
          static_cast<std::size_t>(b.klasse) - 1};
}

/// How many encounters each regime and class has.
struct Zaehler final : Besucher {
  std::array<std::array<std::size_t, kKlassenzahl>, kRegime> anzahl{};
  void besuche(const Begegnung& b) override {
    const Fach f = fach(b);
    ++anzahl[f.regime][f.klasse];
  }
};

/// One encounter chosen: its place among those of its regime and class, and
/// where it stands in the run.
struct Wahl {
  Fach fach;
  std::size_t nummer;
};

/// The choices of one run, made before the encounters are fetched.
class Plan {
 public:
  Plan(const Zaehler& zaehler, Zufall& zufall) : zaehler_(zaehler), zufall_(zufall) {}

  /// Chooses one more encounter of regime `r`; false when it has none left.
  bool waehle(std::size_t r) {
    // Every card is used up, and a new deck holds only classes with some
    // left: the loop ends.
    for (;;) {
      if (deck_[r].size == 0) mische(r);
      if (deck_[r].size == 0) return false;
      const Fach f{r, deck_[r].karten[--deck_[r].size]};
      if (frei(f) == 0) continue;
      wahl_[anzahl_++] = {f, freie_nummer(f)};
      return true;
    }
  }

  std::span<const Wahl> wahl() const { return {wahl_.data(), anzahl_}; }

 private:
  struct Deck {
    std::array<std::size_t, 2 * kKlassenzahl> karten{};
    std::size_t size = 0;
  };

  std::size_t gewaehlt(const Fach& f) const {
    std::size_t n = 0;
    for (const Wahl& w : wahl())
      n += w.fach.regime == f.regime && w.fach.klasse == f.klasse;
    return n;
  }
  std::size_t frei(const Fach& f) const {
    return zaehler_.anzahl[f.regime][f.klasse] - gewaehlt(f);
  }
  bool genommen(const Fach& f, std::size_t nummer) const {
    for (const Wahl& w : wahl()) {
      if (w.fach.regime == f.regime && w.fach.klasse == f.klasse && w.nummer == nummer) {
        return true;
      }
    }
    return false;
  }
  /// A random one of the encounters of `f` not yet chosen.
  std::size_t freie_nummer(const Fach& f) {
    std::size_t nummer = zufall_.unter(zaehler_.anzahl[f.regime][f.klasse]);
    while (genommen(f, nummer))
      nummer = (nummer + 1) % zaehler_.anzahl[f.regime][f.klasse];
    return nummer;
  }
  /// A new deck of the classes that regime `r` still has.
  void mische(std::size_t r) {
    Deck& deck = deck_[r];
    for (std::size_t klasse = 0; klasse < kKlassenzahl; ++klasse) {
      if (frei({r, klasse}) == 0) continue;
      deck.karten[deck.size++] = klasse;
      const auto k = static_cast<Klasse>(klasse + 1);
      if (k == Klasse::a_muss_ausweichen || k == Klasse::b_muss_ausweichen) {
        deck.karten[deck.size++] = klasse;
      }
    }
    for (std::size_t i = deck.size; i > 1; --i) {
      std::swap(deck.karten[i - 1], deck.karten[zufall_.unter(i)]);
    }
  }

  const Zaehler& zaehler_;
  Zufall& zufall_;
  std::array<Deck, kRegime> deck_{};
  std::array<Wahl, kMaxLagen> wahl_{};
  std::size_t anzahl_ = 0;
};

/// Fetches the chosen encounters in a second walk, each into its place.
struct Sammler final : Besucher {
  Sammler(std::span<const Wahl> wahl, Ziehung& ziehung) : wahl(wahl), ziehung(ziehung) {}
  void besuche(const Begegnung& b) override {
    const Fach f = fach(b);
    const std::size_t nummer = gesehen[f.regime][f.klasse]++;
    for (std::size_t i = 0; i < wahl.size(); ++i) {
      if (wahl[i].fach.regime == f.regime && wahl[i].fach.klasse == f.klasse &&
          wahl[i].nummer == nummer) {
        ziehung.lagen[i] = b;
      }
    }
  }
  std::span<const Wahl> wahl;
  Ziehung& ziehung;
  std::array<std::array<std::size_t, kKlassenzahl>, kRegime> gesehen{};
};

}  // namespace

std::uint64_t Zufall::next() {
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
  return z ^ (z >> 31);
}

Ziehung ziehe(int anzahl, Zufall& zufall) {
  Zaehler zaehler;
  jede_begegnung(zaehler);
  Plan plan(zaehler, zufall);
  const std::size_t gewuenscht = static_cast<std::size_t>(anzahl < 0           ? 0
                                                          : anzahl > kMaxLagen ? kMaxLagen
                                                                               : anzahl);
  std::size_t dran = zufall.unter(kRegime);
  while (plan.wahl().size() < gewuenscht) {
    if (!plan.waehle(dran) && !plan.waehle(1 - dran)) break;
    dran = 1 - dran;
  }
  Ziehung ziehung;
  ziehung.anzahl = plan.wahl().size();
  Sammler sammler(plan.wahl(), ziehung);
  jede_begegnung(sammler);
  return ziehung;
}

}  // namespace ausweich
