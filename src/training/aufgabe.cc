#include "training/aufgabe.h"

namespace ausweich {

Aufgabe::Aufgabe(const Begegnung& b)
    : begegnung_(b),
      wiedergabe_(b),
      beschreibung_(wiedergabe_.run, b.peilung),
      loesung_(wiedergabe_.run, b.peilung) {}

}  // namespace ausweich
