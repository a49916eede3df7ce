// Rounding and number texts as the user sees them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Nearest integer, ties to even. NaN gives 0; values beyond the range of
// long long saturate.
long long Rnd(double v);
// RoundTo(v, -2) rounds to two decimals, RoundTo(v, 1) to tens; ties to even.
double RoundTo(double v, int digit);
// Rounds v to a multiple of step (0.01, 0.1 ...), ties to even.
double RoundToStep(double v, double step);
// The "as text" form: shortest decimal with at most 15 significant digits,
// no trailing zeros, the given decimal separator ("-0" is written "0").
std::string NumberText(double v, char decimal_separator = '.');
// Parses a number typed by the user: optional sign, digits with the given
// separator (a '.' is accepted too), optional exponent; surrounding blanks
// are ignored. Anything else, or a non-finite result, gives nullopt.
std::optional<double> ParseNumber(std::string_view text, char decimal_separator = '.');

}  // namespace orvanta
