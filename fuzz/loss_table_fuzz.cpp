// libFuzzer target for the loss-table text format: any bytes are either
// refused with a reason or give a table whose lookups are finite and stay
// within the table's values.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ductcalc/loss_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const orvanta::LossTableParse p = orvanta::ParseLossTable(text);
  if (!p.table) {
    if (p.error.empty()) std::abort();
    return 0;
  }
  const orvanta::LossTable& t = *p.table;
  if (t.n < 1 || t.m < 1 || t.n >= orvanta::kLossTableMax || t.m >= orvanta::kLossTableMax) std::abort();
  double lo = t.cell[1][1], hi = lo;
  for (int i = 1; i <= t.m; ++i)
    for (int j = 1; j <= t.n; ++j) {
      lo = std::min(lo, t.cell[i][j]);
      hi = std::max(hi, t.cell[i][j]);
    }
  const double probes[] = {-1e300, -1, 0, 0.5, 1, 45, 1e300, t.Row(1), t.Row(t.m), t.Column(1), t.Column(t.n)};
  for (double r : probes)
    for (double c : probes) {
      const double v = orvanta::LossTableLookup(t, r, c);
      // Bilinear interpolation never leaves the range of the values (a
      // little slack for rounding; huge values may overflow to infinity).
      if (std::isfinite(hi - lo) && std::isfinite(v)) {
        const double slack = 1e-9 * (1 + std::abs(hi) + std::abs(lo));
        if (v < lo - slack || v > hi + slack) std::abort();
      }
    }
  return 0;
}
