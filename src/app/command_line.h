#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "console/terminal.h"

namespace ausweich {

/// What the command line asks for.
struct Aufruf {
  enum class Art { beraten, ueben, hilfe, version, fehler };
  Art art = Art::beraten;
  int anzahl = 10;  // encounters of a training run
  bool mit_seed = false;
  std::uint64_t seed = 0;
  std::string fehler;  // for Art::fehler: the line for standard error
};

/// Reads the arguments after the program's name. No arguments: the advisor.
Aufruf lies_aufruf(std::span<const std::string_view> args);

/// The whole program on `terminal`: the advisor without arguments, the
/// training mode, the usage text or the version; a bad command line gets one
/// line on the error channel and status 2 before any screen. `zufall` seeds a
/// training run that was given no seed: the entry takes it from the platform. Returns the
/// exit status.
int ausweichregeln(std::span<const std::string_view> args, Terminal& terminal,
                   std::uint64_t zufall);

}  // namespace ausweich
