// Direction coefficients from the room gains: epsilon = Q / W, and the
// moisture gain typed per hour and stored per second.
#pragma once

#include <optional>
#include <string>

#include "psychro/units.h"

namespace orvanta {

// Language texts of the coefficient dialog.
constexpr int kTextCoefficientNameEmpty = 270;
constexpr int kTextCoefficientValueEmpty = 271;
constexpr int kTextCoefficientPointEmpty = 272;

// Epsilon [kJ/kg] from the total heat gain and the moisture gain, rounded to
// a whole number. SI: Q in kW, W in kg/s; IP: Q in Btu/h, W in lb/s (converted
// to kW and kg/s first). nullopt when W is 0 or the result is not finite (the
// value field then stays as it is).
std::optional<double> EpsilonFromGains(double q, double w, UnitSystem units = UnitSystem::SI);

// The moisture gain per second [kg/s] from one per hour: W / 3600 rounded to
// ten decimals; and back, per hour rounded to three decimals. The same
// rounding applies to lb/h and lb/s.
double MoistureGainPerSecond(double per_hour);
double MoistureGainPerHour(double per_second);

}  // namespace orvanta
