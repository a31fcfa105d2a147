#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "console/terminal.h"
#include "core/line_builder.h"
#include "training/ziehung.h"

namespace ausweich {

/// What the command line asks for.
struct Invocation {
  enum class Art { beraten, ueben, hilfe, version, fehler };
  Art art = Art::beraten;
  int anzahl = 10;  // encounters of a training run
  bool mit_seed = false;
  std::uint64_t seed = 0;
  int bild = 0;          // with --bild: the item whose picture alone is written
  bool lichter = false;  // with --lichter: the training of lights and shapes
  std::array<Herkunft, kMaxLagen> lagen{};  // with --lagen: the items named
  std::size_t lagen_anzahl = 0;
  LineBuilder fehler;  // for Art::fehler: the line for standard error
};

/// The arguments after the program's name, as main receives them.
using Argumente = std::span<const char* const>;

/// Reads the command line. No arguments: the advisor.
Invocation read_invocation(Argumente args);

/// The whole program on `terminal`: the advisor without arguments, the
/// training mode, the usage text or the version; a bad command line gets one
/// line on the error channel and status 2 before any screen. `zufall` seeds a
/// training run that was given no seed: the entry takes it from the platform. Returns the
/// exit status.
int ausweichregeln(Argumente args, Terminal& terminal, std::uint64_t zufall);

}  // namespace ausweich
