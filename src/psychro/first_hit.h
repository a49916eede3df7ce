// Search over the steps of a walk whose stop test turns true at some step and
// stays true from there on.
#pragma once

namespace orvanta {

// Smallest k in [1, k_max] with hit(k), for a predicate that is false up to
// some k and true from there on; 0 when hit(k_max) is false. Galloping then
// bisection: the same k as a walk k = 1, 2, ... at a few dozen evaluations.
template <class Hit>
long FirstHit(long k_max, Hit hit) {
  if (k_max < 1) return 0;
  long lo = 0, hi = 1;  // hit(lo) is false (k = 0 is never a hit)
  while (!hit(hi)) {
    if (hi == k_max) return 0;
    lo = hi;
    hi = hi > k_max / 2 ? k_max : hi * 2;
  }
  while (hi - lo > 1) {
    const long mid = lo + (hi - lo) / 2;
    (hit(mid) ? hi : lo) = mid;
  }
  return hi;
}

}  // namespace orvanta
