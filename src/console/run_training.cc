#include "console/run_training.h"

#include "console/console_dialogue.h"
#include "training/lichteruebung.h"
#include "training/uebung.h"

namespace ausweich {

namespace {

struct Training final : ConsoleProgram {
  explicit Training(const Uebung& u) : uebung(u) {}
  void run(ConsoleDialogue& d) override { uebung.run(d); }
  /// However the training ended: the score so far.
  void at_end(ConsoleDialogue& d) override { uebung.ergebnis(d); }
  Uebung uebung;
};

}  // namespace

int run_training(Terminal& terminal, int anzahl, std::uint64_t seed) {
  Training training(Uebung(anzahl, seed));
  return run_dialogue(terminal, training);
}

int run_training(Terminal& terminal, std::span<const Herkunft> lagen) {
  Training training{Uebung(lagen)};
  return run_dialogue(terminal, training);
}

int run_lichteruebung(Terminal& terminal, int anzahl, std::uint64_t seed) {
  struct Training final : ConsoleProgram {
    Training(int anzahl, std::uint64_t seed) : uebung(anzahl, seed) {}
    void run(ConsoleDialogue& d) override { uebung.run(d); }
    /// However the training ended: the score so far.
    void at_end(ConsoleDialogue& d) override { uebung.ergebnis(d); }
    Lichteruebung uebung;
  } training(anzahl, seed);
  return run_dialogue(terminal, training);
}

}  // namespace ausweich
