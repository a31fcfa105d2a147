#include "training/aufgabe.h"

#include <array>

namespace ausweich {

Aufgabe::Aufgabe(const Begegnung& b)
    : begegnung_(b),
      wiedergabe_(b),
      beschreibung_(wiedergabe_.run, b.peilung),
      loesung_(wiedergabe_.run, b.peilung) {}

void Aufgabe::vorlegen(Listener& l) const {
  std::array<Angabe, DrawnRun::kMaxQuestions> angaben;
  const std::size_t n = run().facts(angaben);
  l.vorlage(std::span(angaben.data(), n), begegnung_.peilung, Ansicht{});
}

void Aufgabe::aufloesen(Listener& l) const {
  l.verdict(entscheidung());
  for (const Pflicht& p : richtige().subspan(1)) l.duty(p);
}

}  // namespace ausweich
