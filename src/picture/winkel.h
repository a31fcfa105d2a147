#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ausweich {

// Directions on the sheet of a picture, in whole degrees clockwise from its
// top (A's heading), and the sines and cosines they need, in thousandths:
// tables made when the program is built, so that no mathematics library is
// loaded at its start.

namespace winkel_detail {

/// sin(x) for x in radians, by its series: only ever evaluated at compile
/// time.
constexpr double sinus(double x) {
  constexpr double kPi = 3.14159265358979323846;
  while (x > kPi) x -= 2 * kPi;
  while (x < -kPi) x += 2 * kPi;
  double term = x;
  double sum = x;
  for (int n = 1; n < 12; ++n) {
    term *= -x * x / ((2 * n) * (2 * n + 1));
    sum += term;
  }
  return sum;
}

constexpr std::array<int, 72> tafel() {
  constexpr double kPi = 3.14159265358979323846;
  std::array<int, 72> t{};
  for (std::size_t i = 0; i < t.size(); ++i) {
    const double s = sinus(static_cast<double>(i) * 5 * kPi / 180) * 1000;
    t[i] = static_cast<int>(s < 0 ? s - 0.5 : s + 0.5);
  }
  return t;
}

inline constexpr std::array<int, 72> kSinus = tafel();

}  // namespace winkel_detail

/// `grad` brought into [0, 360).
constexpr int normiert(int grad) {
  return ((grad % 360) + 360) % 360;
}

/// The sine and cosine of `grad`, in thousandths, at the nearest 5°.
constexpr int sin1000(int grad) {
  return winkel_detail::kSinus[static_cast<std::size_t>((normiert(grad) + 2) / 5 % 72)];
}
constexpr int cos1000(int grad) {
  return sin1000(grad + 90);
}

/// The direction from a point to one `dx` to the right and `dy` down the
/// sheet, to the nearest 5°; 0 for none.
constexpr int richtung(int dx, int dy) {
  int beste = 0;
  std::int64_t best = INT64_MIN;
  for (int g = 0; g < 360; g += 5) {
    const std::int64_t dot =
        std::int64_t{dx} * sin1000(g) - std::int64_t{dy} * cos1000(g);
    if (dot > best) {
      best = dot;
      beste = g;
    }
  }
  return beste;
}

/// How far `richtung` lies off `kurs`, clockwise: a relative bearing in
/// [0, 360).
constexpr int relativ(int kurs, int richtung) {
  return normiert(richtung - kurs);
}

/// The smaller angle between two directions, from 0 to 180.
constexpr int abstand(int a, int b) {
  const int d = normiert(a - b);
  return d > 180 ? 360 - d : d;
}

}  // namespace ausweich
