#pragma once

#include <string_view>

#include "core/question.h"
#include "core/situation.h"

namespace ausweich {

/// Lines and answers that more than one branch of the analysis writes.

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

/// The index of a vessel's entry in a table by vessel, A first.
constexpr std::size_t nach_schiff(Schiff s) {
  return s == Schiff::a ? 0 : 1;
}

}  // namespace ausweich
