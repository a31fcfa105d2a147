#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/question.h"
#include "core/situation.h"
#include "core/verdict.h"

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
  return {
      {{Feld::kafw, kWieLiegtImFw[0], menue, antworten, kWieLiegtImFwTitel[0], Schiff::a},
       {Feld::kbfw, kWieLiegtImFw[1], menue, antworten, kWieLiegtImFwTitel[1],
        Schiff::b}}};
}

/// Whether a vessel is one that KVR Regel 9 b) and d) protect in a narrow
/// fairway, one that can navigate safely only within it, as the advisor
/// counts it: not a sailing vessel, not one under 20 m, not one fishing.
constexpr bool nur_im_fahrwasser_sicher(Code typ, Code laenge) {
  return !klein(typ, laenge) && typ != fischend;
}

/// KVR Regel 9 b): a small vessel must not impede one that can navigate
/// safely only within the fairway; `s` is the small one.
constexpr Pflicht regel9b(Schiff s) {
  return {Gebot::nicht_behindern, s, "KVR Regel 9", "KVR Regel 9 b)",
          "Ein Segelfahrzeug oder ein Fahrzeug von weniger als 20 m Länge darf im engen "
          "Fahrwasser die Durchfahrt eines Fahrzeugs nicht behindern, das nur innerhalb "
          "des Fahrwassers sicher fahren kann"};
}

/// KVR Regel 9 c): a vessel fishing must not impede the others in the fairway.
constexpr Pflicht regel9c(Schiff s) {
  return {Gebot::nicht_behindern, s, "KVR Regel 9", "KVR Regel 9 c)",
          "Ein fischendes Fahrzeug darf im engen Fahrwasser die Durchfahrt anderer "
          "Fahrzeuge nicht behindern"};
}

/// The index of a vessel's entry in a table by vessel, A first.
constexpr std::size_t nach_schiff(Schiff s) {
  return s == Schiff::a ? 0 : 1;
}

}  // namespace ausweich
