#include "picture/angaben.h"

#include <array>

#include "training/aufgabe.h"

namespace ausweich {

void Bildangaben::antwort(Feld feld, Code code) {
  const auto i = static_cast<std::size_t>(feld);
  if (feld != Feld::keines && i < codes_.size()) codes_[i] = code;
}

void Bildangaben::antworten(std::span<const Angabe> angaben) {
  for (const Angabe& a : angaben) antwort(a);
}

void Bildangaben::pflicht(const Pflicht& p) {
  if (anzahl_ < pflichten_.size() - (entschieden_ ? 0 : 1)) pflichten_[anzahl_++] = p;
}

void Bildangaben::urteil(const Pflicht& p) {
  if (entschieden_) {
    pflichten_[0] = p;
    return;
  }
  for (std::size_t i = anzahl_; i > 0; --i) pflichten_[i] = pflichten_[i - 1];
  pflichten_[0] = p;
  ++anzahl_;
  entschieden_ = true;
}

Bildangaben bildangaben(const Aufgabe& a, bool mit_loesung) {
  Bildangaben b;
  std::array<Angabe, DrawnRun::kMaxQuestions> angaben;
  b.antworten(std::span(angaben.data(), a.run().angaben(angaben)));
  b.peilung(a.begegnung().peilung);
  if (!mit_loesung) return b;
  b.urteil(a.entscheidung());
  for (const Pflicht& p : a.richtige().subspan(1)) b.pflicht(p);
  return b;
}

}  // namespace ausweich
