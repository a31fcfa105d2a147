#include "training/reihenfolge.h"

#include "core/line_builder.h"
#include "training/rueckmeldung.h"

namespace ausweich {
namespace {

/// How many new items come between an item answered wrongly and its repeat.
constexpr std::size_t kAbstand = 3;

}  // namespace

bool Reihenfolge::naechste(std::size_t anzahl, std::size_t& lage, bool& wiederholung) {
  const bool offen = erste_wiederholung_ < wiederholungen_anzahl_;
  if (naechste_ >= anzahl && !offen) return false;
  wiederholung = offen && (naechste_ >= anzahl ||
                           wiederholungen_[erste_wiederholung_].nach <= neue_);
  lage = wiederholung ? wiederholungen_[erste_wiederholung_++].lage : naechste_++;
  return true;
}

void Reihenfolge::beantwortet(std::size_t lage, bool wiederholung, bool richtig) {
  if (wiederholung) return;
  ++neue_;
  if (!richtig) wiederholungen_[wiederholungen_anzahl_++] = {lage, neue_ + kAbstand};
}

void lagenkopf(Dialogue& d, std::size_t lage, std::size_t anzahl, bool wiederholung) {
  d.spaces();
  d.block(textblock<kStrich>());
  LineBuilder kopf;
  if (wiederholung) {
    kopf << "Wiederholung von Lage " << lage + 1;
  } else {
    kopf << "Lage " << lage + 1 << " von " << anzahl;
  }
  d.say(Zeilenart::lage, kopf.text());
  d.block(textblock<kStrich>());
}

void vorzeitig_beendet(Dialogue& d) {
  d.spaces();
  d.say(Zeilenart::text, "Übung vorzeitig beendet.");
}

}  // namespace ausweich
