#include "core/situation.h"

namespace ausweich {

void init(Situation& s) {
  s = Situation{};
}

}  // namespace ausweich
