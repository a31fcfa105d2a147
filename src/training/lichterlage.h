#pragma once

#include <cstdint>
#include <string_view>

#include "core/anblick.h"
#include "training/begegnung.h"

namespace ausweich {

// The items of the training of lights and shapes: A's lookout sees B's
// lights or shapes from one side; the learner names her kind and side, then
// who must give way. The second answer comes from an encounter that the
// training of encounters can draw, with the facts the lights cannot show
// (A's type, length and wind, the regime, the fairway) stated beside them.

/// One item: what B shows, the side she shows A, by day or by night, and the
/// encounter that this aspect implies. Kept small: a run holds all of its
/// own (up to kMaxLagen).
struct Lichterlage {
  Kennzeichnung kennzeichnung = Kennzeichnung::maschinenfahrzeug;
  Seite seite = Seite::vorn;
  Tageszeit zeit = Tageszeit::nacht;
  Begegnung begegnung;
  /// Draws the wrong answers to "Was sehen Sie?" and the order of all four.
  std::uint64_t auswahl = 0;
};

/// The kinds that the items show, in the order of Kennzeichnung.
inline constexpr Kennzeichnung kKennzeichnungen[] = {
    Kennzeichnung::maschinenfahrzeug,
    Kennzeichnung::maschinenfahrzeug_ab_50m,
    Kennzeichnung::segelfahrzeug,
    Kennzeichnung::segelfahrzeug_dreifarben,
    Kennzeichnung::segelfahrzeug_unter_maschine,
    Kennzeichnung::trawler,
    Kennzeichnung::fischer,
    Kennzeichnung::manoevrierbehindert,
    Kennzeichnung::manoevrierunfaehig,
    Kennzeichnung::tiefgangbehindert,
    Kennzeichnung::wegerechtschiff,
};

/// The advisor's type of a vessel of kind `k` (a Fahrzeugtyp): a sailing
/// vessel under engine is a power-driven vessel, a Wegerechtschiff is
/// constrained by her draught.
Code typ(Kennzeichnung k);

/// How a learner names a kind of vessel in the regime `seegebiet`, by day or
/// by night: "Ein fischendes Fahrzeug, nicht trawlend". Kinds that the law
/// makes one where they look alike share their words: by night a sailing
/// vessel under engine is a power-driven vessel; by day a trawler and
/// another fishing vessel show the same shape; on a Seeschifffahrtsstraße a
/// Wegerechtschiff shows what every vessel restricted in her ability to
/// manoeuvre shows.
std::string_view bezeichnung(Kennzeichnung k, Code seegebiet, Tageszeit t);

/// The side in the words of an answer: "von vorn", "von Steuerbord".
std::string_view in_worten(Seite s);

/// Whether the lights of kind `k` are drawn faithfully from side `s`: a
/// tricolour lantern right ahead shows both its coloured sectors, which meet
/// there, and is left out.
bool darstellbar(Kennzeichnung k, Seite s);

/// Whether an item may show a vessel of kind `k` from side `s` in the regime
/// `seegebiet`: a kind the regime knows (a Wegerechtschiff only on a
/// Seeschifffahrtsstraße, the signals of KVR Regel 28 only on the high seas),
/// something to see (by day a shape), and what A sees tells her: no kind of
/// other words, nor the same from another side, looks alike from A. What is
/// not darstellbar is never shown; nor is a kind twice where an earlier one shows the
/// very same signals under the same words (by night a sailing vessel under engine, by day
/// a vessel fishing other than trawling).
bool zeigbar(Kennzeichnung k, Seite s, Code seegebiet, Tageszeit t);

/// Whether the answer "kind `k`, side `s`" names what A sees in `a` in the
/// regime `seegebiet`: some kind of the same words, drawable from that side,
/// looks like it.
bool deutet(Kennzeichnung k, Seite s, Code seegebiet, const Anblick& a);

/// Receives the items of a walk, one at a time.
class Lichtervisitor {
 public:
  virtual ~Lichtervisitor() = default;
  virtual void visit(const Lichterlage& l) = 0;
};

/// Walks every item, in the same order every time: every encounter that the
/// training of encounters can draw (jede_begegnung), for each kind, side and
/// time of day whose aspect it fits: on the high seas in open water, in
/// clear visibility, with B of the kind's type (and of 20 m or more where
/// she shows two masthead lights); A overtaking where B shows her stern,
/// else nobody overtaking; opposite courses where she comes head-on, where
/// the advisor asks; the bearing drawn where rules 14 and 15 decide; a
/// sailing B's wind side unseen. `auswahl` is left 0.
void jede_lichterlage(Lichtervisitor& besucher);

}  // namespace ausweich
