#include "training/lagebeschreibung.h"

namespace ausweich {

LineBuilder& Lagebeschreibung::neue_zeile() {
  return zeilen_[anzahl_++];
}

Lagebeschreibung::Lagebeschreibung(const DrawnRun& run, Peilung peilung) {
  for (const DrawnRun::Answer& a : run.answers()) {
    if (a.after_verdict) continue;
    const Frage& f = *a.frage;
    const Antwort& antwort = f.antwort(a.value);
    const std::string_view satz = antwort.satz.empty() ? antwort.knopf : antwort.satz;
    if (f.satzart == Satzart::anhaengen && anzahl_ > 0) {
      zeilen_[anzahl_ - 1] << ", " << satz;
      continue;
    }
    LineBuilder& zeile = neue_zeile();
    if (f.schiff != Schiff::beide) zeile << buchstabe(f.schiff) << " ";
    zeile << satz;
  }
  if (peilung != Peilung::offen) neue_zeile() << in_worten(peilung);
  for (const std::string_view satz : run.assumptions()) neue_zeile() << satz;
}

}  // namespace ausweich
