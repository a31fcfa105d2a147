#include "analysis/kvr.h"

#include "analysis/begegnungsregeln.h"
#include "analysis/fahrwasserregeln.h"

namespace ausweich {

void kvr(Dialogue& d, Situation& s, Code indkvr, Nebelhinweise& guidance) {
  fahrwasserregeln(d, s, indkvr);
  begegnungsregeln(d, s, indkvr, guidance);
}

}  // namespace ausweich
