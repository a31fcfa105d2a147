#include "training/draw.h"

#include <array>
#include <utility>

namespace ausweich {
namespace {

/// The areas that take turns: the waterways, then under the KVR the open
/// sea, the narrow channel and the traffic separation scheme.
constexpr std::size_t kBereiche = 4;
constexpr std::size_t kSeeschstro = 0;
constexpr std::size_t kKvrBereiche = 3;

/// The kinds of item in a deck: the six classes, then two power-driven
/// vessels at a drawn bearing.
constexpr std::size_t kKlassenzahl = std::size(kKlassen);
constexpr std::size_t kRegeln14und15 = kKlassenzahl;
constexpr std::size_t kArten = kKlassenzahl + 1;

/// The encounters of one area and kind.
struct Fach {
  std::size_t bereich, art;
};

Fach fach(const Begegnung& b) {
  const std::size_t bereich = b.kvr == seeschifffahrtsstrassen
                                  ? kSeeschstro
                                  : 1 + static_cast<std::size_t>(b.kvtg - freier_seeraum);
  const std::size_t art = b.peilung != Peilung::offen
                              ? kRegeln14und15
                              : static_cast<std::size_t>(b.klasse) - 1;
  return {bereich, art};
}

/// How many encounters each area and kind has.
struct Zaehler final : Besucher {
  std::array<std::array<std::size_t, kArten>, kBereiche> anzahl{};
  void besuche(const Begegnung& b) override {
    const Fach f = fach(b);
    ++anzahl[f.bereich][f.art];
  }
};

/// One encounter chosen: its place among those of its area and kind, and
/// where it stands in the run.
struct Wahl {
  Fach fach;
  std::size_t nummer;
};

/// The choices of one run, made before the encounters are fetched.
class Plan {
 public:
  Plan(const Zaehler& zaehler, Zufall& zufall) : zaehler_(zaehler), zufall_(zufall) {}

  /// Chooses one more encounter of area `b`; false when it has none left.
  bool waehle(std::size_t b) {
    // Every card is used up, and a new deck holds only kinds with some
    // left: the loop ends.
    for (;;) {
      if (deck_[b].size == 0) mische(b);
      if (deck_[b].size == 0) return false;
      const Fach f{b, deck_[b].karten[--deck_[b].size]};
      if (frei(f) == 0) continue;
      wahl_[anzahl_++] = {f, freie_nummer(f)};
      return true;
    }
  }

  std::span<const Wahl> wahl() const { return {wahl_.data(), anzahl_}; }

 private:
  struct Deck {
    std::array<std::size_t, 2 * kArten> karten{};
    std::size_t size = 0;
  };

  static bool gleich(const Fach& a, const Fach& b) {
    return a.bereich == b.bereich && a.art == b.art;
  }
  std::size_t gewaehlt(const Fach& f) const {
    std::size_t n = 0;
    for (const Wahl& w : wahl()) n += gleich(w.fach, f);
    return n;
  }
  std::size_t frei(const Fach& f) const {
    return zaehler_.anzahl[f.bereich][f.art] - gewaehlt(f);
  }
  bool genommen(const Fach& f, std::size_t nummer) const {
    for (const Wahl& w : wahl()) {
      if (gleich(w.fach, f) && w.nummer == nummer) return true;
    }
    return false;
  }
  /// A random one of the encounters of `f` not yet chosen.
  std::size_t freie_nummer(const Fach& f) {
    const std::size_t alle = zaehler_.anzahl[f.bereich][f.art];
    std::size_t nummer = zufall_.unter(alle);
    while (genommen(f, nummer)) nummer = (nummer + 1) % alle;
    return nummer;
  }
  /// A new deck of the kinds that area `b` still has.
  void mische(std::size_t b) {
    Deck& deck = deck_[b];
    for (std::size_t art = 0; art < kArten; ++art) {
      if (frei({b, art}) == 0) continue;
      deck.karten[deck.size++] = art;
      const bool doppelt =
          art == static_cast<std::size_t>(Klasse::a_muss_ausweichen) - 1 ||
          art == static_cast<std::size_t>(Klasse::b_muss_ausweichen) - 1;
      if (doppelt) deck.karten[deck.size++] = art;
    }
    for (std::size_t i = deck.size; i > 1; --i) {
      std::swap(deck.karten[i - 1], deck.karten[zufall_.unter(i)]);
    }
  }

  const Zaehler& zaehler_;
  Zufall& zufall_;
  std::array<Deck, kBereiche> deck_{};
  std::array<Wahl, kMaxLagen> wahl_{};
  std::size_t anzahl_ = 0;
};

/// Fetches the chosen encounters in a second walk, each into its place.
struct Sammler final : Besucher {
  Sammler(std::span<const Wahl> wahl, Ziehung& ziehung) : wahl(wahl), ziehung(ziehung) {}
  void besuche(const Begegnung& b) override {
    const Fach f = fach(b);
    const std::size_t nummer = gesehen[f.bereich][f.art]++;
    for (std::size_t i = 0; i < wahl.size(); ++i) {
      if (wahl[i].fach.bereich == f.bereich && wahl[i].fach.art == f.art &&
          wahl[i].nummer == nummer) {
        ziehung.lagen[i] = b;
      }
    }
  }
  std::span<const Wahl> wahl;
  Ziehung& ziehung;
  std::array<std::array<std::size_t, kArten>, kBereiche> gesehen{};
};

/// The areas in their turns: the waterways every other time, the three areas
/// of the KVR in between, each in turn.
class Reihum {
 public:
  explicit Reihum(Zufall& zufall)
      : kvr_dran_(zufall.unter(2) == 0), naechster_kvr_(zufall.unter(kKvrBereiche)) {}
  std::size_t naechster() {
    kvr_dran_ = !kvr_dran_;
    if (!kvr_dran_) return kSeeschstro;
    const std::size_t b = 1 + naechster_kvr_;
    naechster_kvr_ = (naechster_kvr_ + 1) % kKvrBereiche;
    return b;
  }

 private:
  bool kvr_dran_;
  std::size_t naechster_kvr_;
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
  Reihum reihum(zufall);
  // An area with nothing left gives its turn to the next; when no area has
  // anything left, the run is shorter.
  std::size_t leer = 0;
  while (plan.wahl().size() < gewuenscht && leer < kBereiche + 1) {
    leer = plan.waehle(reihum.naechster()) ? 0 : leer + 1;
  }
  Ziehung ziehung;
  ziehung.anzahl = plan.wahl().size();
  Sammler sammler(plan.wahl(), ziehung);
  jede_begegnung(sammler);
  return ziehung;
}

}  // namespace ausweich
