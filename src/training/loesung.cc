#include "training/loesung.h"

#include "analysis/begegnungsregeln.h"

namespace ausweich {
namespace {

/// The class of the duty of vessel `s` to give way.
Klasse muss_ausweichen(Schiff s) {
  return s == Schiff::a ? Klasse::a_muss_ausweichen : Klasse::b_muss_ausweichen;
}

/// The vessel whose duty not to impede `k` names, for the two classes that
/// name one; Schiff::beide otherwise.
Schiff behindernde(Klasse k) {
  if (k == Klasse::a_darf_b_nicht_behindern) return Schiff::a;
  if (k == Klasse::b_darf_a_nicht_behindern) return Schiff::b;
  return Schiff::beide;
}

}  // namespace

Loesung::Loesung(const DrawnRun& run, Peilung peilung) {
  const Pflicht urteil =
      eintrag(run.reported().regel).gebot == Gebot::allgemein && peilung != Peilung::offen
          ? regeln14_15(peilung)
          : run.reported();
  if (klasse(urteil) == Klasse::keine) return;  // the facts decide nothing
  const std::span<const Pflicht> vorher = run.duties().first(run.duties_before_verdict());
  const std::span<const Pflicht> nachher = run.duties().subspan(vorher.size());
  if (eintrag(urteil.regel).thema == Thema::ueberholen) nimm(urteil);
  for (const Pflicht& p : vorher) nimm(p);
  nimm(urteil);
  for (const Pflicht& p : nachher) nimm(p);
}

void Loesung::nimm(const Pflicht& p) {
  const Klasse k = klasse(p);
  if (k == Klasse::keine) return;
  for (const Pflicht& schon : richtige()) {
    if (klasse(schon) == k) return;
  }
  richtige_[anzahl_++] = p;
}

const Pflicht* Loesung::pflicht(Code antwort) const {
  for (const Pflicht& p : richtige()) {
    if (static_cast<Code>(klasse(p)) == antwort) return &p;
  }
  return nullptr;
}

const Pflicht* Loesung::staerker(Code antwort) const {
  const Schiff s = behindernde(static_cast<Klasse>(antwort));
  if (s == Schiff::beide || pflicht(antwort) != nullptr) return nullptr;
  return pflicht(static_cast<Code>(muss_ausweichen(s)));
}

Bewertung Loesung::bewerte(Code antwort) const {
  if (pflicht(antwort) != nullptr) return Bewertung::richtig;
  return staerker(antwort) != nullptr ? Bewertung::teilweise_richtig : Bewertung::falsch;
}

bool Loesung::stimmig(const DrawnRun& run) const {
  for (const Klasse k : run.stated()) {
    if (bewerte(static_cast<Code>(k)) == Bewertung::falsch) return false;
  }
  return true;
}

}  // namespace ausweich
