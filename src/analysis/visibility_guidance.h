#pragma once

#include "console/dialogue.h"

namespace ausweich {

/// The guidance that follows the rule 19 verdict in restricted visibility:
/// what to do on hearing a fog signal with only a listening watch, or which
/// course change to make on radar. Its two answers are the only values kept
/// between calls; they live as long as this object, start at 1 and come back
/// as the defaults of their questions.
class VisibilityGuidance {
 public:
  void regel19(Dialogue& d);

 private:
  Code j0_ = 1;  // additional information wanted: 1 no, 2 yes
  Code jr_ = 1;  // 1 listening watch, 2 radar
};

}  // namespace ausweich
