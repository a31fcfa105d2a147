#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ausweich {

// The rule book: every rule that the program cites in its own words, with its
// citation as a skipper writes it, one sentence that states it in plain
// German, what it asks and whom it protects. The duties name their rule by
// its id; the training's reasons, the score, the cards and the pictures read
// the citation and the sentence from here, and nowhere else is a rule cited.
// (The advisor's own screens keep their older citations: they are part of
// the screens, not of the rule book.)
//
// A rule is added in three steps: its id below, its entry in regelbuch.cc
// (in the order of the ids), and a duty in the analysis that reports it. The
// rule book test fails on an entry out of order and on a rule that no duty
// reports.

/// What a rule asks of the vessel it binds.
enum class Gebot : std::uint8_t {
  ausweichen,          // KVR: keep out of the way of the other vessel
  vorfahrt_gewaehren,  // SeeSchStrO: give the other vessel the right of way, wait
  nicht_behindern,     // not impede the other vessel
  rechts_halten,       // keep to the starboard side of the fairway
  nach_steuerbord,     // alter course to starboard (each of both)
  allgemein,           // a general rule, not decided for this encounter
  kennzeichnen,        // the lights and shapes a vessel shows: no duty towards another
};

/// A topic of the exam: the line of the score under which an answer counts.
enum class Thema : std::uint8_t {
  fahrzeugart,              // who keeps out of whose way by her kind (Regel 18)
  segelfahrzeuge,           // two sailing vessels (Regel 12)
  maschinenfahrzeuge,       // two power-driven vessels (Regeln 14 und 15)
  ueberholen,               // overtaking (Regel 13, § 23)
  verminderte_sicht,        // restricted visibility (Regel 19)
  enges_fahrwasser,         // narrow channels (Regel 9)
  verkehrstrennungsgebiet,  // traffic separation schemes (Regel 10)
  vorfahrt_im_fahrwasser,   // the right of way in the fairway (§ 25)
  begegnen_im_fahrwasser,  // keeping right and meeting in the fairway (§ 24, Regel 9 a))
  lichter_und_signalkoerper,  // what a vessel shows, and from which side (Regeln 21-28)
};

/// The topics in the order the score lists them.
inline constexpr Thema kThemen[] = {
    Thema::fahrzeugart,
    Thema::segelfahrzeuge,
    Thema::maschinenfahrzeuge,
    Thema::ueberholen,
    Thema::verminderte_sicht,
    Thema::enges_fahrwasser,
    Thema::verkehrstrennungsgebiet,
    Thema::vorfahrt_im_fahrwasser,
    Thema::begegnen_im_fahrwasser,
    Thema::lichter_und_signalkoerper,
};

/// A topic's heading, as an examiner names it: "Verantwortlichkeiten der
/// Fahrzeuge untereinander (KVR Regel 18)".
std::string_view titel(Thema t);

/// The rules the program cites, by id. Ids are named after the rule:
/// `kvr_18_a_ii` is KVR Regel 18 a) ii), `see_25_2` § 25 Abs. 2 SeeSchStrO;
/// an id that joins two rules names both.
enum class Regel : std::uint8_t {
  kvr_9_a,
  kvr_9_b,
  kvr_9_c,
  kvr_9_d,
  kvr_10_i,
  kvr_10_j,
  kvr_12_a_i,
  kvr_12_a_ii,
  kvr_12_a_iii,
  kvr_12_a_i_ii_a,  // A to windward with the wind from port, B's side unseen
  kvr_12_a_i_ii_b,  // A to leeward with the wind from starboard, B's side unseen
  kvr_12_a,         // A to windward with the wind from starboard: undecided
  kvr_13_a,
  kvr_14_a,
  kvr_15,
  kvr_14_15,  // the two rules stated together, without a bearing
  kvr_18_a_i,
  kvr_18_a_ii,
  kvr_18_a_iii,
  kvr_18_a_iv,
  kvr_18_b_i,
  kvr_18_b_ii,
  kvr_18_b_iii,
  kvr_18_d_i,
  kvr_19_d,
  see_2_13_a,  // a Wegerechtschiff and a power-driven vessel
  see_2_13_b,  // a Wegerechtschiff and a sailing vessel
  see_23,
  see_24_1,
  see_25_2,
  see_25_2_3,
  see_25_4,
  see_25_5,
  // The lights and shapes, which the training of lights and shapes cites.
  kvr_21,
  kvr_23_a,
  kvr_25_a_b,
  kvr_25_e,
  kvr_26_b,
  kvr_26_c,
  kvr_27_a,
  kvr_27_b,
  kvr_28,
  see_2_13_27_b,  // a Wegerechtschiff shows the signals of a vessel restricted
};

/// One rule as the book holds it.
struct Eintrag {
  Regel regel;
  /// The citation as a skipper writes it: "KVR Regel 18 a) ii)",
  /// "§ 25 Abs. 2 SeeSchStrO".
  std::string_view zitat;
  /// The rule in one sentence of plain German, in our own words, faithful to
  /// the published text; no citation of its own.
  std::string_view satz;
  Gebot gebot;
  /// The vessel the rule protects, in words: "ein manövrierbehindertes
  /// Fahrzeug"; empty where it binds both alike.
  std::string_view schuetzt;
  Thema thema;
  /// Where the sentence says less than the text: how. Empty where it does not.
  std::string_view vereinfacht = {};
};

/// The entry of `r`.
const Eintrag& eintrag(Regel r);

/// Every entry, in the order of the ids.
std::span<const Eintrag> regelbuch();

}  // namespace ausweich
