#include "picture/saeule.h"

namespace ausweich {

int saeulenhoehe(const Signale& s, Tageszeit t) {
  int h = 0;
  if (t == Tageszeit::nacht) {
    for (const Licht l : s.lichter) h += rundum(l) ? 8 : 0;
  } else {
    for (const Signalkoerper k : s.koerper) h += hoehe(k);
  }
  return h;
}

int hoehe(Signalkoerper k) {
  return k == Signalkoerper::kegel_spitzen_zusammen ? 18 : 10;
}

}  // namespace ausweich
