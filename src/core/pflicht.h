#pragma once

#include <cstdint>
#include <string_view>

#include "core/frage.h"
#include "core/regelbuch.h"

namespace ausweich {

/// A duty that the analysis states, reported beside the lines that state it:
/// the rule that imposes it (from the rule book, which says what it asks and
/// how a skipper cites it) and the vessel it binds. Every verdict is one; the
/// conduct in fairways and traffic separation schemes and the remarks beside
/// a verdict report others. A new duty is the general statement of rules 14
/// and 15, which binds nobody in particular.
struct Pflicht {
  Regel regel = Regel::kvr_14_15;
  Schiff schiff = Schiff::beide;  // the vessel it binds; beide: each of them
};

/// What the duty asks, from its rule.
inline Gebot gebot(const Pflicht& p) {
  return eintrag(p.regel).gebot;
}

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

/// The class of a duty: giving way, keeping out of the way and altering
/// course to starboard are all "ausweichen" to a learner.
inline Klasse klasse(const Pflicht& p) {
  switch (gebot(p)) {
    case Gebot::ausweichen:
    case Gebot::vorfahrt_gewaehren:
    case Gebot::nach_steuerbord:
      return p.schiff == Schiff::a   ? Klasse::a_muss_ausweichen
             : p.schiff == Schiff::b ? Klasse::b_muss_ausweichen
                                     : Klasse::beide_muessen_ausweichen;
    case Gebot::nicht_behindern:
      return p.schiff == Schiff::a ? Klasse::a_darf_b_nicht_behindern
                                   : Klasse::b_darf_a_nicht_behindern;
    case Gebot::rechts_halten:
      return Klasse::beide_fahren_rechts;
    case Gebot::allgemein:
    case Gebot::kennzeichnen:
      break;
  }
  return Klasse::keine;
}

/// How a learner's answer stands against the law.
enum class Bewertung : std::uint8_t {
  richtig,
  /// The duty named is weaker than the vessel's: she must not impede where
  /// she must even give way. Counts as not right.
  teilweise_richtig,
  falsch,
};

/// The words of a class; empty for none.
constexpr std::string_view in_worten(Klasse k) {
  return k == Klasse::keine ? std::string_view{}
                            : kKlassen[static_cast<std::size_t>(k) - 1].knopf;
}

}  // namespace ausweich
