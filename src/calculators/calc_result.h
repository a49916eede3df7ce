// The outcome of a calculator computation: a value, or a failure that names
// the message the window shows. Core never shows a message itself.
#pragma once

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace orvanta::calculators {

// A refused input or a computation without a finite result. `text` is the
// language text number when the language table has one for the case;
// otherwise it is 0 and the core's own message pair is shown.
struct CalcFailure {
  int text = 0;
  std::string polish;
  std::string english;

  static CalcFailure LanguageText(int n) { return {n, {}, {}}; }
  static CalcFailure Message(std::string pl, std::string en) { return {0, std::move(pl), std::move(en)}; }
  friend bool operator==(const CalcFailure&, const CalcFailure&) = default;
};

template <class T>
class CalcResult {
 public:
  CalcResult(T value) : value_(std::move(value)) {}  // NOLINT: implicit on purpose
  CalcResult(CalcFailure failure) : failure_(std::move(failure)) {}  // NOLINT
  bool ok() const { return value_.has_value(); }
  const T& value() const { return *value_; }
  const T* operator->() const { return &*value_; }
  const CalcFailure& failure() const { return failure_; }

 private:
  std::optional<T> value_;
  CalcFailure failure_;
};

// The message given when a computation ends in a number that is not finite
// (an overflow or a division by zero the input checks did not foresee).
inline CalcFailure NotFiniteFailure() {
  return CalcFailure::Message("Obliczenie nie dało skończonego wyniku. Sprawdź dane wejściowe.",
                              "The computation gave no finite result. Check the input data.");
}

inline bool AllFinite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// A result shown with `decimals` decimals (ties to even) in its shortest form.
std::string ShownNumber(double v, int decimals, char decimal_separator);

}  // namespace orvanta::calculators
