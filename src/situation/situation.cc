#include "situation/situation.h"

namespace ausweich {

void init(Situation& s) {
  s.ka1 = 2;
  s.ka2 = 1;
  s.ka3 = 2;
  s.ks = 1;
  s.kb1 = 2;
  s.kb2 = 1;
  s.kb3 = 3;
  s.kvr = 2;
  s.kafw = 3;
  s.kbfw = 3;
  s.khnfw = 1;
  s.kueb = 1;
  s.kent = 1;
  s.keng = 1;
  s.kvtg = 1;
  s.kavt = 2;
  s.kbvt = 3;
  s.kluv = 1;
}

}  // namespace ausweich
