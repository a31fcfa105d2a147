#include "picture/bilder.h"

#include "picture/beschreibung.h"
#include "picture/sicht.h"
#include "picture/szene.h"
#include "picture/von_oben.h"

namespace ausweich {
namespace {

std::string_view ohne_leerzeichen_am_ende(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

Bilder zeichne(const Angaben& angaben, Tageszeit zeit, Bildpuffer& puffer) {
  const Szene s = szene(angaben);
  Bilder b;
  Writer text(puffer.text);
  beschreibe(text, s, angaben, zeit);
  b.text = ohne_leerzeichen_am_ende(text.text());
  Writer bild(puffer.bild);
  zeichne_von_oben(bild, s, angaben, zeit, b.text);
  b.bild = bild.text();
  if (!mit_sicht(s)) return b;
  Writer satz(puffer.satz);
  beschreibe_sicht(satz, s, angaben, zeit);
  Writer sicht(puffer.sicht);
  zeichne_sicht(sicht, s, angaben, zeit, satz.text());
  b.sicht = sicht.text();
  return b;
}

}  // namespace ausweich
