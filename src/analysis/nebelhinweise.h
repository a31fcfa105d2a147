#pragma once

#include "core/dialogue.h"

namespace ausweich {

/// The guidance that follows the rule 19 verdict in restricted visibility:
/// what to do on hearing a fog signal with only a listening watch, or which
/// course change to make on radar. Its two answers are the only values kept
/// between calls; they live as long as this object, start at
/// keine_zusatzinfo and hoerwache and come back as the defaults of their
/// questions.
class Nebelhinweise {
 public:
  /// `j0`: whether the skipper wants the additional information.
  enum Zusatzinfo : Code {
    keine_zusatzinfo = 1,
    zusatzinfo = 2,
  };
  /// `jr`: how A keeps her lookout.
  enum Wache : Code {
    hoerwache = 1,  // a listening watch only
    radar = 2,
  };

  void regel19(Dialogue& d);

 private:
  // The advisor's short names: j0 the answer to the first question (0 for
  // "no" in its thinking, though coded 1), jr the answer on radar.
  Code j0_ = keine_zusatzinfo;
  Code jr_ = hoerwache;
};

}  // namespace ausweich
