#include "analysis/ueberholfrage.h"

#include <string_view>

#include "core/situation.h"

// Key: n0ueb is the advisor's short name of the overtaking question
// ("überholen"), kueb its code (situation.h).

namespace ausweich {
namespace {

constexpr std::string_view kUeberholerMenue[] = {
    "  1=Nein",
    "  2=A ueberholt B",
    "  3=B ueberholt A",
};

constexpr Antwort kUeberholen[] = {
    {keiner_ueberholt, "Nein", "Keiner überholt den anderen"},
    {a_ueberholt_b, "A überholt B", "A überholt B"},
    {b_ueberholt_a, "B überholt A", "B überholt A"},
};
static_assert(in_reihe(kUeberholen));

constexpr Frage kUeberholer = {
    &Situation::kueb, "Ist einer der beiden A oder B ein Ueberholer ?", kUeberholerMenue,
    kUeberholen, "Überholt einer den anderen?"};

}  // namespace

void n0ueb(Dialogue& d, Code& kueb) {
  d.ask(kUeberholer, kueb);
}

}  // namespace ausweich
