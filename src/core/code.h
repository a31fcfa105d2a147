#pragma once

#include <cstdint>

namespace ausweich {

/// An answer code: a number chosen from a numbered menu, counted from 1.
using Code = std::int32_t;

}  // namespace ausweich
