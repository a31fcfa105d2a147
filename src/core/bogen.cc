#include "core/bogen.h"

namespace ausweich {
namespace {

/// 22.5° abaft the beam.
constexpr double kAchterlich = 112.5;

}  // namespace

Bogen bogen(Licht l) {
  switch (l) {
    case Licht::topplicht:
    case Licht::topplicht_achtern:
      return {-kAchterlich, kAchterlich};
    case Licht::seitenlicht_rot:
      return {-kAchterlich, 0};
    case Licht::seitenlicht_gruen:
      return {0, kAchterlich};
    case Licht::hecklicht:
      return {kAchterlich, 360 - kAchterlich};
    case Licht::dreifarben:
    case Licht::rundum_rot:
    case Licht::rundum_weiss:
    case Licht::rundum_gruen:
      break;
  }
  return {0, 360};
}

bool sichtbar(Licht l, double grad) {
  const Bogen b = bogen(l);
  double ab = grad - b.von;
  // No bearing is a million degrees; and NaN is none at all. The remainder
  // is taken by hand: the C library's fmod would bring its mathematics
  // library into every start of the program.
  if (!(ab > -1e6 && ab < 1e6)) return false;
  ab -= 360.0 * static_cast<double>(static_cast<long>(ab / 360.0));
  if (ab < 0) ab += 360;
  return ab <= b.bis - b.von;
}

Licht dreifarben_sektor(double grad) {
  if (sichtbar(Licht::seitenlicht_gruen, grad)) return Licht::seitenlicht_gruen;
  if (sichtbar(Licht::seitenlicht_rot, grad)) return Licht::seitenlicht_rot;
  return Licht::hecklicht;
}

}  // namespace ausweich
