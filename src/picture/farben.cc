#include "picture/farben.h"

namespace ausweich {

const Farben& farben(Tageszeit t) {
  static constexpr Farben kTag = {"#d6e9f5", "#a9cde6", "#eadfb8", "#e4d29e",
                                  "#fff",    "#333",    "#000",    "#c25a00",
                                  "#fff",    "#e8f1f8", "#8fbad8", "#4a4f57"};
  static constexpr Farben kNacht = {"#0a1628", "#13294a", "#2e2c3c", "#3a3424",
                                    "#1e2633", "#6d7a8c", "#eee",    "#ffb020",
                                    "#8894a8", "#0b1424", "#0e1d33", "#1b2330"};
  return t == Tageszeit::nacht ? kNacht : kTag;
}

std::string_view farbe(Licht l) {
  switch (l) {
    case Licht::seitenlicht_rot:
    case Licht::rundum_rot:
      return "#ff3b30";
    case Licht::seitenlicht_gruen:
    case Licht::rundum_gruen:
      return "#30d158";
    case Licht::topplicht:
    case Licht::topplicht_achtern:
    case Licht::hecklicht:
    case Licht::dreifarben:
    case Licht::rundum_weiss:
      break;
  }
  return "#fff";
}

}  // namespace ausweich
