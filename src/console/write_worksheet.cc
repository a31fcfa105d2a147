#include "console/write_worksheet.h"

#include "console/program_end.h"
#include "picture/bilder.h"
#include "training/ziehung.h"
#include "training/aufgabe.h"

namespace ausweich {

int arbeitsblatt(Terminal& terminal, int anzahl, std::uint64_t seed, int lage) {
  Zufall zufall(seed);
  const Ziehung ziehung = ziehe(anzahl, zufall);
  if (lage < 1 || static_cast<std::size_t>(lage) > ziehung.anzahl) {
    terminal.diagnostic("ausweichregeln: keine solche Lage");
    return kStatusFailure;
  }
  const Aufgabe aufgabe(ziehung.lagen[static_cast<std::size_t>(lage - 1)]);
  Bildpuffer puffer;
  const std::string_view bild = zeichne(aufgabe, false, Tageszeit::tag, puffer).bild;
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
