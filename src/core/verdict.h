#pragma once

#include <cstdint>
#include <string_view>

#include "core/question.h"

namespace ausweich {

/// What a duty asks of the vessel it binds.
enum class Gebot : std::uint8_t {
  ausweichen,       // give way, keep out of the way (both: each of them)
  nicht_behindern,  // not impede the other vessel
  rechts_fahren,    // nobody gives way: both keep to the starboard side
  allgemein,        // a general rule, not decided for this encounter
};

/// A duty that the analysis states, reported beside the lines that state it:
/// what it asks, of whom, and the rule that imposes it, as a skipper cites it.
/// Every verdict is one; the conduct in fairways and traffic separation
/// schemes and the remarks beside a verdict report others.
struct Pflicht {
  Gebot gebot = Gebot::allgemein;
  Schiff schiff = Schiff::beide;  // the vessel it binds; beide: each of them
  /// The regulation and its rule or paragraph, the same for every duty under
  /// it: "KVR Regel 18", "§ 25 SeeSchStrO".
  std::string_view regel;
  /// The exact place: "KVR Regel 18 a) iv)", "§ 25 Abs. 2 SeeSchStrO".
  std::string_view stelle;
  /// Why it applies here, in one sentence of proper German without the
  /// citation: "Ein Segelfahrzeug weicht einem fischenden Fahrzeug aus".
  std::string_view grund;
};

/// The classes of duty that a learner names, numbered as the training's menu
/// numbers them. Every duty but a general rule falls into one.
enum class Klasse : Code {
  keine = 0,  // a general rule
  a_muss_ausweichen = 1,
  b_muss_ausweichen = 2,
  beide_muessen_ausweichen = 3,
  a_darf_b_nicht_behindern = 4,
  b_darf_a_nicht_behindern = 5,
  beide_fahren_rechts = 6,
};

/// The classes in words, in their order: the training's answers, and the
/// words in which the app states a verdict.
inline constexpr Antwort kKlassen[] = {
    {1, "A muss ausweichen", {}},
    {2, "B muss ausweichen", {}},
    {3, "Beide müssen ausweichen", {}},
    {4, "A darf B nicht behindern", {}},
    {5, "B darf A nicht behindern", {}},
    {6, "Keiner: beide fahren möglichst weit rechts", {}},
};
static_assert(in_reihe(kKlassen));

/// The class of a duty.
constexpr Klasse klasse(const Pflicht& p) {
  switch (p.gebot) {
    case Gebot::ausweichen:
      return p.schiff == Schiff::a   ? Klasse::a_muss_ausweichen
             : p.schiff == Schiff::b ? Klasse::b_muss_ausweichen
                                     : Klasse::beide_muessen_ausweichen;
    case Gebot::nicht_behindern:
      return p.schiff == Schiff::a ? Klasse::a_darf_b_nicht_behindern
                                   : Klasse::b_darf_a_nicht_behindern;
    case Gebot::rechts_fahren:
      return Klasse::beide_fahren_rechts;
    case Gebot::allgemein:
      break;
  }
  return Klasse::keine;
}

/// The words of a class; empty for none.
constexpr std::string_view in_worten(Klasse k) {
  return k == Klasse::keine ? std::string_view{}
                            : kKlassen[static_cast<std::size_t>(k) - 1].knopf;
}

}  // namespace ausweich
