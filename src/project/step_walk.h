// The stopping step of a walk k = 0, 1, 2 ... that goes on while a condition
// holds. The fast walk jumps over blocks of steps that a conservative test
// proves clear and halves the jump near the stop, so it ends on exactly the
// step the literal walk ends on, in a few hundred evaluations instead of up
// to hundreds of thousands.
#pragma once

#include "project/treatment.h"

namespace orvanta {

// keep(k): the walk goes on past step k. clear(k, n): true only when keep
// holds at every step k+1 .. k+n (it may say false when unsure). The walk
// stops at the first k where keep(k) is false, or at `limit`.
template <class Keep, class Clear>
long FirstStop(Keep keep, Clear clear, long limit, StepWalk walk) {
  if (walk == StepWalk::Literal) {
    long k = 0;
    while (k < limit && keep(k)) ++k;
    return k;
  }
  if (!keep(0)) return 0;
  long k = 0;  // keep holds at every step 0..k
  long n = 1;
  while (k < limit) {
    if (n > 1 && k + n <= limit && clear(k, n)) {
      k += n;
      n *= 2;
    } else if (n > 1) {
      n /= 2;
    } else {
      ++k;
      if (!keep(k)) return k;
      n = 2;
    }
  }
  return limit;
}

}  // namespace orvanta
