#include "psychro/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <limits>

namespace orvanta {

long long Rnd(double v) {
  if (std::isnan(v)) return 0;
  constexpr double kMax = 9.2e18;
  if (v >= kMax) return std::numeric_limits<long long>::max();
  if (v <= -kMax) return std::numeric_limits<long long>::min();
  return std::llrint(v);  // default rounding mode: to nearest, ties to even
}

double RoundTo(double v, int digit) {
  if (!std::isfinite(v)) return v;
  if (digit < 0) {
    const double f = std::pow(10.0, -digit);
    return std::nearbyint(v * f) / f;
  }
  const double f = std::pow(10.0, digit);
  return std::nearbyint(v / f) * f;
}

double RoundToStep(double v, double step) {
  if (!std::isfinite(v) || !(step > 0)) return v;
  return std::nearbyint(v / step) * step;
}

std::string NumberText(double v, char decimal_separator) {
  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
  if (v == 0) return "0";
  // The fewest significant digits (at most 15) that give the 15-digit value.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", v);
  const double target = std::strtod(buf, nullptr);
  int digits = 15;
  for (int p = 1; p < 15; ++p) {
    std::snprintf(buf, sizeof buf, "%.*e", p - 1, v);
    if (std::strtod(buf, nullptr) == target) {
      digits = p;
      break;
    }
  }
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, v);
  const int exp10 = std::atoi(std::strchr(buf, 'e') + 1);
  std::string s;
  if (exp10 < -5 || exp10 >= 15) {
    // Scientific, written 1.5E-6 / 1.2E17.
    std::string mant(buf, std::strchr(buf, 'e'));
    s = mant + "E" + std::to_string(exp10);
  } else {
    std::snprintf(buf, sizeof buf, "%.*f", std::max(0, digits - 1 - exp10), v);
    s = buf;
  }
  for (char& c : s)
    if (c == '.') c = decimal_separator;
  return s;
}

std::optional<double> ParseNumber(std::string_view text, char decimal_separator) {
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  if (b == e) return std::nullopt;
  std::string s;
  size_t i = b;
  if (text[i] == '+' || text[i] == '-') s += text[i++];
  bool digits = false, sep = false;
  for (; i < e; ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      s += c;
      digits = true;
    } else if ((c == decimal_separator || c == '.') && !sep) {
      s += '.';
      sep = true;
    } else {
      break;
    }
  }
  if (!digits) return std::nullopt;
  if (i < e && (text[i] == 'e' || text[i] == 'E')) {
    s += 'e';
    ++i;
    if (i < e && (text[i] == '+' || text[i] == '-')) s += text[i++];
    bool exp_digits = false;
    for (; i < e && text[i] >= '0' && text[i] <= '9'; ++i) {
      s += text[i];
      exp_digits = true;
    }
    if (!exp_digits) return std::nullopt;
  }
  if (i != e) return std::nullopt;
  errno = 0;
  const double v = std::strtod(s.c_str(), nullptr);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace orvanta
