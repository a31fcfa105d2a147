#include "training/lichterziehung.h"

#include <cstdint>
#include <utility>

namespace ausweich {
namespace {

/// How many items each sort has.
struct Counter final : Lichtervisitor {
  std::array<std::uint16_t, kSorten> anzahl{};
  void visit(const Lichterlage& l) override { ++anzahl[sorte(l)]; }
};

/// One item chosen: its sort, its place among that sort's items, and the
/// draw of its answers.
struct Choice {
  std::size_t sorte, nummer;
  std::uint64_t auswahl;
};

/// The choices of one run, made before the items are fetched.
class Plan {
 public:
  Plan(const Counter& zaehler, Random& zufall) : zaehler_(zaehler), zufall_(zufall) {}

  /// Chooses `gewuenscht` items, or as many as there are: round after round,
  /// each round every sort with an item left once, in a random order.
  void waehle(std::size_t gewuenscht) {
    while (anzahl_ < gewuenscht) {
      std::array<std::size_t, kSorten> runde{};
      std::size_t n = 0;
      for (std::size_t s = 0; s < kSorten; ++s) {
        if (zaehler_.anzahl[s] > gewaehlt(s)) runde[n++] = s;
      }
      if (n == 0) return;
      for (std::size_t i = n; i > 1; --i)
        std::swap(runde[i - 1], runde[zufall_.unter(i)]);
      for (std::size_t i = 0; i < n && anzahl_ < gewuenscht; ++i) {
        const std::size_t nummer = freie_nummer(runde[i]);
        wahl_[anzahl_++] = {runde[i], nummer, zufall_.next()};
      }
    }
  }

  std::span<const Choice> wahl() const { return {wahl_.data(), anzahl_}; }

 private:
  std::size_t gewaehlt(std::size_t s) const {
    std::size_t n = 0;
    for (const Choice& w : wahl()) n += w.sorte == s;
    return n;
  }
  bool genommen(std::size_t s, std::size_t nummer) const {
    for (const Choice& w : wahl()) {
      if (w.sorte == s && w.nummer == nummer) return true;
    }
    return false;
  }
  /// A random one of the items of sort `s` not yet chosen.
  std::size_t freie_nummer(std::size_t s) {
    const std::size_t alle = zaehler_.anzahl[s];
    std::size_t nummer = zufall_.unter(alle);
    while (genommen(s, nummer)) nummer = (nummer + 1) % alle;
    return nummer;
  }

  const Counter& zaehler_;
  Random& zufall_;
  std::array<Choice, kMaxLagen> wahl_{};
  std::size_t anzahl_ = 0;
};

/// Fetches the chosen items in a second walk, each into its place.
struct Collector final : Lichtervisitor {
  Collector(std::span<const Choice> wahl, Lichterziehung& ziehung)
      : wahl(wahl), ziehung(ziehung) {}
  void visit(const Lichterlage& l) override {
    const std::size_t s = sorte(l);
    const std::size_t nummer = gesehen[s]++;
    for (std::size_t i = 0; i < wahl.size(); ++i) {
      if (wahl[i].sorte != s || wahl[i].nummer != nummer) continue;
      ziehung.lagen[i] = l;
      ziehung.lagen[i].auswahl = wahl[i].auswahl;
    }
  }
  std::span<const Choice> wahl;
  Lichterziehung& ziehung;
  std::array<std::uint16_t, kSorten> gesehen{};
};

}  // namespace

std::size_t sorte(const Lichterlage& l) {
  const auto kind = static_cast<std::size_t>(l.kennzeichnung) - 1;
  const auto seite = static_cast<std::size_t>(l.seite);
  const std::size_t tag = l.zeit == Tageszeit::tag ? 1 : 0;
  const std::size_t kvr = l.begegnung.kvr == hohe_see ? 1 : 0;
  const std::size_t segler_a = l.begegnung.antworten[0] == segler ? 1 : 0;
  return (((kind * 4 + seite) * 2 + tag) * 2 + kvr) * 2 + segler_a;
}

Lichterziehung ziehe_lichter(int anzahl, Random& zufall) {
  Counter zaehler;
  jede_lichterlage(zaehler);
  Plan plan(zaehler, zufall);
  plan.waehle(static_cast<std::size_t>(anzahl < 0           ? 0
                                       : anzahl > kMaxLagen ? kMaxLagen
                                                            : anzahl));
  Lichterziehung ziehung;
  ziehung.anzahl = plan.wahl().size();
  Collector sammler(plan.wahl(), ziehung);
  jede_lichterlage(sammler);
  return ziehung;
}

}  // namespace ausweich
