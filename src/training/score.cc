#include "training/score.h"

#include "core/line_builder.h"

namespace ausweich {

void Wertung::erste_antwort(std::string_view regel, bool richtig) {
  ++gestellt_;
  richtig_ += richtig ? 1 : 0;
  std::size_t i = 0;
  while (i < regel_anzahl_ && regeln_[i].name != regel) ++i;
  if (i == regel_anzahl_) {
    if (regel_anzahl_ == regeln_.size()) return;  // more rules than any run decides
    regeln_[regel_anzahl_++].name = regel;
  }
  ++regeln_[i].gestellt;
  regeln_[i].richtig += richtig ? 1 : 0;
}

void Wertung::wiederholung(bool richtig) {
  ++wiederholt_;
  wiederholt_richtig_ += richtig ? 1 : 0;
}

std::array<const Wertung::Regel*, 16> Wertung::reihenfolge() const {
  std::array<const Regel*, 16> folge{};
  // Insertion by misses, stable: equal ones keep the order they came in.
  for (std::size_t i = 0; i < regel_anzahl_; ++i) {
    std::size_t j = i;
    while (j > 0 && folge[j - 1]->falsch() < regeln_[i].falsch()) {
      folge[j] = folge[j - 1];
      --j;
    }
    folge[j] = &regeln_[i];
  }
  return folge;
}

void Wertung::schreibe(Dialogue& d) const {
  const auto ergebnis = [&d](const LineBuilder& zeile) {
    d.say(Zeilenart::ergebnis, zeile.text());
  };
  ergebnis(LineBuilder() << "Ergebnis: " << richtig_ << " von " << gestellt_
                         << " richtig");
  if (wiederholt_ > 0) {
    ergebnis(LineBuilder() << "Wiederholungen: " << wiederholt_richtig_ << " von "
                           << wiederholt_ << " richtig");
  }
  const std::array<const Regel*, 16> folge = reihenfolge();
  for (std::size_t i = 0; i < regel_anzahl_; ++i) {
    ergebnis(LineBuilder() << "  " << folge[i]->name << ": " << folge[i]->richtig
                           << " von " << folge[i]->gestellt << " richtig");
  }
  if (richtig_ == gestellt_) return;
  ergebnis(LineBuilder() << "Falsch beantwortet:");
  for (std::size_t i = 0; i < regel_anzahl_ && folge[i]->falsch() > 0; ++i) {
    ergebnis(LineBuilder() << "  " << folge[i]->name << ": " << folge[i]->falsch()
                           << "-mal");
  }
}

}  // namespace ausweich
