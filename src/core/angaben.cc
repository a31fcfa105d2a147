#include "core/angaben.h"

namespace ausweich {

void Angaben::beginne() {
  gegeben_ = 0;
  peilung_ = Peilung::offen;
  ansicht_ = {};
  anzahl_ = 0;
  entschieden_ = false;
}

Code Angaben::code(Feld feld) const {
  for (std::size_t i = gegeben_; i > 0; --i) {
    if (antworten_[i - 1].feld == feld) return antworten_[i - 1].code;
  }
  return 0;
}

void Angaben::answered(const Frage& f, Code code) {
  if (f.feld != nullptr && gegeben_ < antworten_.size())
    antworten_[gegeben_++] = {f.feld, code};
}

void Angaben::waiting(const Pause& p) {
  if (p.halt == Halt::titel) beginne();
}

void Angaben::vorlage(std::span<const Angabe> angaben, Peilung peilung,
                      const Ansicht& ansicht) {
  beginne();
  for (const Angabe& a : angaben) {
    if (a.feld != nullptr && gegeben_ < antworten_.size()) antworten_[gegeben_++] = a;
  }
  peilung_ = peilung;
  ansicht_ = ansicht;
}

void Angaben::duty(const Pflicht& p) {
  if (anzahl_ < pflichten_.size() - (entschieden_ ? 0 : 1)) pflichten_[anzahl_++] = p;
}

void Angaben::verdict(const Pflicht& p) {
  if (entschieden_) {
    pflichten_[0] = p;
    return;
  }
  for (std::size_t i = anzahl_; i > 0; --i) pflichten_[i] = pflichten_[i - 1];
  pflichten_[0] = p;
  ++anzahl_;
  entschieden_ = true;
}

}  // namespace ausweich
