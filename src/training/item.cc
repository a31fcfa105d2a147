#include "training/item.h"

#include "analysis/encounter_rules.h"

namespace ausweich {

Aufgabe::Aufgabe(const Begegnung& b)
    : begegnung_(b), wiedergabe_(b), beschreibung_(wiedergabe_.run, b.peilung) {
  nimm(b.peilung == Peilung::offen ? run().reported() : regeln14_15(b.peilung));
  for (const Pflicht& p : run().duties()) nimm(p);
}

void Aufgabe::nimm(const Pflicht& p) {
  const Klasse k = klasse(p);
  if (k == Klasse::keine) return;
  for (const Pflicht& schon : richtige()) {
    if (klasse(schon) == k) return;
  }
  richtige_[anzahl_++] = p;
}

bool Aufgabe::richtig(Code antwort) const {
  for (const Pflicht& p : richtige()) {
    if (static_cast<Code>(klasse(p)) == antwort) return true;
  }
  return false;
}

}  // namespace ausweich
