#include "training/wertung.h"

#include "core/line_builder.h"

namespace ausweich {
namespace {

std::size_t nummer(Thema t) {
  return static_cast<std::size_t>(t);
}

}  // namespace

void Wertung::erste_antwort(std::size_t lage, Thema thema, bool richtig) {
  ++gestellt_;
  richtig_ += richtig ? 1 : 0;
  Zaehler& z = themen_[nummer(thema)];
  ++z.gestellt;
  z.richtig += richtig ? 1 : 0;
  if (!richtig && fehler_anzahl_ < fehler_.size())
    fehler_[fehler_anzahl_++] = {lage, thema};
}

void Wertung::wiederholung(bool richtig) {
  ++wiederholt_;
  wiederholt_richtig_ += richtig ? 1 : 0;
}

void Wertung::schreibe(Dialogue& d) const {
  const auto ergebnis = [&d](const LineBuilder& zeile) {
    d.say(Zeilenart::ergebnis, zeile.text());
  };
  LineBuilder kopf;
  kopf << "Ergebnis: " << richtig_ << " von " << gestellt_ << " richtig";
  if (gestellt_ > 0) {
    kopf << " (" << richtig_ * 100 / gestellt_
         << " %): " << (bestanden() ? "bestanden" : "nicht bestanden")
         << ", bestanden ist ab " << kBestehensgrenze << " %";
  }
  ergebnis(kopf);
  if (wiederholt_ > 0) {
    ergebnis(LineBuilder() << "Wiederholungen: " << wiederholt_richtig_ << " von "
                           << wiederholt_ << " richtig");
  }
  for (const Thema t : kThemen) {
    const Zaehler& z = themen_[nummer(t)];
    if (z.gestellt == 0) continue;
    ergebnis(LineBuilder() << "  " << titel(t) << ": " << z.richtig << " von "
                           << z.gestellt << " richtig");
  }
  if (fehler_anzahl_ == 0) return;
  ergebnis(LineBuilder() << "Nicht richtig beantwortet:");
  for (std::size_t i = 0; i < fehler_anzahl_; ++i) {
    ergebnis(LineBuilder() << "  Lage " << fehler_[i].lage + 1 << ": "
                           << titel(fehler_[i].thema));
  }
}

}  // namespace ausweich
