#include "training/ziehung.h"

#include <algorithm>
#include <array>

namespace ausweich {
namespace {

using R = Regel;

// The mix of a draw, by the rule that decides an item. Of every 29 items:
// six turn on the kind of vessel (Regel 18, with the Wegerechtschiff), four
// each on the right of way in the fairway (§ 25 Abs. 2 and 4), on not
// impeding in narrow channels and traffic separation schemes (9 b)-d),
// 10 i) and j)), on two sailing vessels (12) and on two power-driven vessels
// (14 and 15); three on overtaking (13, § 23), three on keeping right and
// meeting in the fairway (9 a), § 24, § 25 Abs. 3 and 5), one on restricted
// visibility (19). The licence exams ask the first five most.
constexpr Regel kFahrzeugart[] = {
    R::kvr_18_a_i,  R::kvr_18_a_ii,  R::kvr_18_a_iii, R::kvr_18_a_iv, R::kvr_18_b_i,
    R::kvr_18_b_ii, R::kvr_18_b_iii, R::kvr_18_d_i,   R::see_2_13_a,  R::see_2_13_b};
constexpr Regel kVorfahrt[] = {R::see_25_2, R::see_25_4};
constexpr Regel kNichtBehindern[] = {R::kvr_9_b, R::kvr_9_c, R::kvr_9_d, R::kvr_10_i,
                                     R::kvr_10_j};
constexpr Regel kSegler[] = {R::kvr_12_a_i, R::kvr_12_a_ii, R::kvr_12_a_iii,
                             R::kvr_12_a_i_ii_a, R::kvr_12_a_i_ii_b};
constexpr Regel kMaschinen[] = {R::kvr_14_a, R::kvr_15};
constexpr Regel kUeberholen[] = {R::kvr_13_a, R::see_23};
constexpr Regel kBegegnen[] = {R::kvr_9_a, R::see_24_1, R::see_25_2_3, R::see_25_5};
constexpr Regel kSicht[] = {R::kvr_19_d};

constexpr Gruppe kMischung[] = {
    {"Regel 18", 6, kFahrzeugart},
    {"§ 25 Abs. 2 und 4", 4, kVorfahrt},
    {"Regeln 9 b) bis d), 10 i) und j)", 4, kNichtBehindern},
    {"Regel 12", 4, kSegler},
    {"Regeln 14 und 15", 4, kMaschinen},
    {"Regel 13, § 23", 3, kUeberholen},
    {"Regel 9 a), §§ 24 und 25 Abs. 3 und 5", 3, kBegegnen},
    {"Regel 19", 1, kSicht},
};
constexpr std::size_t kGruppen = std::size(kMischung);

/// The items of one whole round of the mix.
constexpr std::size_t runde() {
  std::size_t n = 0;
  for (const Gruppe& g : kMischung) n += static_cast<std::size_t>(g.gewicht);
  return n;
}

/// How many drawable encounters each group has.
struct Counter final : Visitor {
  std::array<std::size_t, kGruppen> anzahl{};
  void visit(const Begegnung& b) override {
    const std::size_t g = gruppe(b.regel);
    if (g < kGruppen) ++anzahl[g];
  }
};

/// One encounter chosen: its group, its place among that group's encounters.
struct Choice {
  std::size_t gruppe, nummer;
};

/// The choices of one run, made before the encounters are fetched.
class Plan {
 public:
  Plan(const Counter& zaehler, Random& zufall) : zaehler_(zaehler), zufall_(zufall) {
    // The round starts at a random point of its cycle.
    for (std::size_t schritt = zufall_.unter(runde()); schritt > 0; --schritt) {
      naechste_gruppe();
    }
  }

  /// Chooses one more encounter; false when no group has any left.
  bool waehle() {
    const std::size_t g = naechste_gruppe();
    if (g == kGruppen) return false;
    wahl_[anzahl_++] = {g, freie_nummer(g)};
    return true;
  }

  std::span<const Choice> wahl() const { return {wahl_.data(), anzahl_}; }

 private:
  std::size_t gewaehlt(std::size_t g) const {
    std::size_t n = 0;
    for (const Choice& w : wahl()) n += w.gruppe == g;
    return n;
  }
  bool frei(std::size_t g) const { return zaehler_.anzahl[g] > gewaehlt(g); }
  bool genommen(std::size_t g, std::size_t nummer) const {
    for (const Choice& w : wahl()) {
      if (w.gruppe == g && w.nummer == nummer) return true;
    }
    return false;
  }
  /// A random one of the encounters of group `g` not yet chosen.
  std::size_t freie_nummer(std::size_t g) {
    const std::size_t alle = zaehler_.anzahl[g];
    std::size_t nummer = zufall_.unter(alle);
    while (genommen(g, nummer)) nummer = (nummer + 1) % alle;
    return nummer;
  }
  /// The smooth weighted round: every group with encounters left gains its
  /// weight, the one ahead is chosen and pays back what all gained.
  std::size_t naechste_gruppe() {
    int summe = 0;
    std::size_t beste = kGruppen;
    for (std::size_t g = 0; g < kGruppen; ++g) {
      if (!frei(g)) continue;
      stand_[g] += kMischung[g].gewicht;
      summe += kMischung[g].gewicht;
      if (beste == kGruppen || stand_[g] > stand_[beste]) beste = g;
    }
    if (beste < kGruppen) stand_[beste] -= summe;
    return beste;
  }

  const Counter& zaehler_;
  Random& zufall_;
  std::array<int, kGruppen> stand_{};
  std::array<Choice, kMaxLagen> wahl_{};
  std::size_t anzahl_ = 0;
};

/// Fetches the chosen encounters in a second walk, each into its place.
struct Collector final : Visitor {
  Collector(std::span<const Choice> wahl, Ziehung& ziehung)
      : wahl(wahl), ziehung(ziehung) {}
  void visit(const Begegnung& b) override {
    const std::size_t g = gruppe(b.regel);
    if (g == kGruppen) return;
    const std::size_t nummer = gesehen[g]++;
    for (std::size_t i = 0; i < wahl.size(); ++i) {
      if (wahl[i].gruppe == g && wahl[i].nummer == nummer) ziehung.lagen[i] = b;
    }
  }
  std::span<const Choice> wahl;
  Ziehung& ziehung;
  std::array<std::size_t, kGruppen> gesehen{};
};

}  // namespace

std::span<const Gruppe> mischung() {
  return kMischung;
}

std::size_t gruppe(Regel r) {
  for (std::size_t g = 0; g < kGruppen; ++g) {
    for (const Regel x : kMischung[g].regeln) {
      if (x == r) return g;
    }
  }
  return kGruppen;
}

std::uint64_t Random::next() {
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
  return z ^ (z >> 31);
}

Ziehung ziehe(int anzahl, Random& zufall) {
  Counter zaehler;
  jede_begegnung(zaehler);
  Plan plan(zaehler, zufall);
  const std::size_t gewuenscht = static_cast<std::size_t>(anzahl < 0           ? 0
                                                          : anzahl > kMaxLagen ? kMaxLagen
                                                                               : anzahl);
  while (plan.wahl().size() < gewuenscht && plan.waehle()) {}
  Ziehung ziehung;
  ziehung.anzahl = plan.wahl().size();
  Collector sammler(plan.wahl(), ziehung);
  jede_begegnung(sammler);
  return ziehung;
}

Ziehung ziehe(std::span<const Herkunft> lagen,
              std::array<Herkunft, kMaxLagen>& herkunft) {
  const std::size_t n = std::min(lagen.size(), static_cast<std::size_t>(kMaxLagen));
  std::array<Begegnung, kMaxLagen> gefunden{};
  std::array<bool, kMaxLagen> da{};
  std::array<bool, kMaxLagen> gezogen{};
  // One draw per seed, as far as the highest number asked of it.
  for (std::size_t i = 0; i < n; ++i) {
    if (gezogen[i]) continue;
    int hoechste = 0;
    for (std::size_t j = i; j < n; ++j) {
      if (lagen[j].seed == lagen[i].seed) hoechste = std::max(hoechste, lagen[j].nummer);
    }
    Random zufall(lagen[i].seed);
    const Ziehung z = ziehe(hoechste, zufall);
    for (std::size_t j = i; j < n; ++j) {
      if (lagen[j].seed != lagen[i].seed) continue;
      gezogen[j] = true;
      const std::size_t k = static_cast<std::size_t>(lagen[j].nummer);
      if (k < 1 || k > z.anzahl) continue;
      gefunden[j] = z.lagen[k - 1];
      da[j] = true;
    }
  }
  Ziehung ziehung;
  for (std::size_t i = 0; i < n; ++i) {
    const std::span<const Herkunft> schon(herkunft.data(), ziehung.anzahl);
    if (!da[i] || std::find(schon.begin(), schon.end(), lagen[i]) != schon.end())
      continue;
    herkunft[ziehung.anzahl] = lagen[i];
    ziehung.lagen[ziehung.anzahl++] = gefunden[i];
  }
  return ziehung;
}

}  // namespace ausweich
