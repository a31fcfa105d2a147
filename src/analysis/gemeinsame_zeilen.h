#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/dialogue.h"
#include "core/frage.h"
#include "core/pflicht.h"
#include "core/situation.h"

namespace ausweich {

/// Lines, answers and duties that more than one branch of the analysis
/// writes.

/// The frame line that opens and closes every verdict of the encounter rules
/// and the tables of the restricted-visibility guidance: 53 number signs.
inline constexpr std::string_view kRahmen =
    "#####################################################";

/// The question for the position of A and of B in the fairway, asked in the
/// waterways regime with four answers and under the KVR with three, by vessel.
inline constexpr std::string_view kWieLiegtImFw[] = {
    "Wie liegt A relativ zum Fahrwasser?",
    "Wie liegt B relativ zum Fahrwasser?",
};
inline constexpr std::string_view kWieLiegtImFwTitel[] = {
    "Wie liegt A zum Fahrwasser?",
    "Wie liegt B zum Fahrwasser?",
};
inline constexpr std::string_view kNichtImFwNichtFolgend =
    "  1=nicht im FW, 2=im FW, aber nicht folgend";
inline constexpr Antwort kNichtImFw = {nicht_im_fw, "nicht im Fahrwasser",
                                       "ist nicht im Fahrwasser"};
inline constexpr Antwort kImFwNichtFolgend = {im_fw_nicht_folgend,
                                              "im Fahrwasser, folgt ihm nicht",
                                              "ist im Fahrwasser, folgt ihm aber nicht"};

/// The question for the position of A and of B in the fairway, with the menu
/// and the answers of the regime that asks it, A first.
constexpr std::array<Frage, 2> fahrwasserlage_fragen(
    std::span<const std::string_view> menue, std::span<const Antwort> antworten) {
  return {{{&Situation::kafw, kWieLiegtImFw[0], menue, antworten, kWieLiegtImFwTitel[0],
            Schiff::a},
           {&Situation::kbfw, kWieLiegtImFw[1], menue, antworten, kWieLiegtImFwTitel[1],
            Schiff::b}}};
}

/// Whether a vessel is one that KVR Regel 9 b) and d) protect in a narrow
/// fairway, one that can navigate safely only within it, as the advisor
/// counts it: not a sailing vessel, not one under 20 m, not one fishing.
constexpr bool nur_im_fahrwasser_sicher(Code typ, Code laenge) {
  return !klein(typ, laenge) && typ != fischend;
}

/// What KVR Regel 9 b) and d) turn on, and the questions leave open: that the
/// vessel they protect, `s`, can navigate safely only within the fairway.
inline void nur_im_fahrwasser_sicher(Dialogue& d, Schiff s) {
  d.assume(s == Schiff::a ? "A kann nur innerhalb des Fahrwassers sicher fahren"
                          : "B kann nur innerhalb des Fahrwassers sicher fahren");
}

/// The other vessel of the two.
constexpr Schiff anderes(Schiff s) {
  return s == Schiff::a ? Schiff::b : Schiff::a;
}

/// The class of the duty to give way of vessel `s`, as a screen's verdict
/// line states it.
constexpr Klasse muss_ausweichen(Schiff s) {
  return s == Schiff::a   ? Klasse::a_muss_ausweichen
         : s == Schiff::b ? Klasse::b_muss_ausweichen
                          : Klasse::beide_muessen_ausweichen;
}

/// The class of the duty of vessel `s` not to impede the other.
constexpr Klasse darf_nicht_behindern(Schiff s) {
  return s == Schiff::a ? Klasse::a_darf_b_nicht_behindern
                        : Klasse::b_darf_a_nicht_behindern;
}

/// The index of a vessel's entry in a table by vessel, A first.
constexpr std::size_t nach_schiff(Schiff s) {
  return s == Schiff::a ? 0 : 1;
}

}  // namespace ausweich
