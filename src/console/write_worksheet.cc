#include "console/write_worksheet.h"

#include "console/program_end.h"
#include "core/angaben.h"
#include "picture/bilder.h"
#include "training/aufgabe.h"
#include "training/ziehung.h"

namespace ausweich {

int write_worksheet(Terminal& terminal, int anzahl, std::uint64_t seed, int lage) {
  Random zufall(seed);
  const Ziehung ziehung = ziehe(anzahl, zufall);
  if (lage < 1 || static_cast<std::size_t>(lage) > ziehung.anzahl) {
    terminal.diagnostic("ausweichregeln: keine solche Lage");
    return kStatusFailure;
  }
  const Aufgabe aufgabe(ziehung.lagen[static_cast<std::size_t>(lage - 1)]);
  // The same route as the app's: the item tells its facts to the pictures'
  // collector, which the pictures are drawn from.
  Angaben angaben;
  aufgabe.vorlegen(angaben);
  Bildpuffer puffer;
  const std::string_view bild = zeichne(angaben, Tageszeit::tag, puffer).bild;
  if (bild.empty()) {
    terminal.diagnostic("ausweichregeln: das Bild passt nicht in seinen Puffer");
    return kStatusFailure;
  }
  const std::string_view ende = terminal.line_end();
  terminal.write(bild.data(), bild.size());
  terminal.write(ende.data(), ende.size());
  return kStatusQuit;
}

}  // namespace ausweich
