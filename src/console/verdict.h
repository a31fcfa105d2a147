#pragma once

#include <cstdint>
#include <string_view>

namespace ausweich {

/// What a verdict obliges the two vessels to do: the classes of verdict that
/// a learner is asked to name.
enum class Pflicht : std::uint8_t {
  a_weicht_aus,              // A must give way (B has the right of way)
  b_weicht_aus,              // B must give way (A has the right of way)
  jeder_weicht_jedem_aus,    // restricted visibility: each vessel gives way
  a_darf_b_nicht_behindern,  // A must not impede B, who stands on by her privilege
  beide_halten_rechts,       // nobody gives way: both keep to starboard
  allgemein,                 // a general rule, not decided for this encounter
};

/// What a verdict reports beside its lines: its class and the rule that
/// decides it, as a skipper would cite it.
struct Verdict {
  Pflicht pflicht;
  std::string_view regel;
};

}  // namespace ausweich
