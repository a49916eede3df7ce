#include "calculators/calc_result.h"

#include "psychro/number_text.h"

namespace orvanta::calculators {

std::string ShownNumber(double v, int decimals, char decimal_separator) {
  if (!std::isfinite(v)) return {};  // a result field shows a number or nothing
  return NumberText(RoundTo(v, -decimals), decimal_separator);
}

}  // namespace orvanta::calculators
