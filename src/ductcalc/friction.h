// Friction factor of straight ducts by the Colebrook–White equation.
#pragma once

#include <optional>

namespace orvanta {

// The step of the friction-factor search; the result is a multiple of it.
inline constexpr double kFrictionStep = 1e-5;
// The search gives up above this λ (a roughness of several hydraulic
// diameters, where the equation has no root).
inline constexpr double kFrictionMax = 1.0;

// True when λ satisfies 1/√λ < −2·log10(2.51/(Re·√λ) + 0.2695·k/Dh), the
// stopping condition of the stepping.
bool ColebrookSatisfied(double lambda, double re, double k, double dh);

// The first multiple of 1e-5 that satisfies the condition, found by
// bisection over the step index (the condition is monotone in λ, so this is
// the λ the step-by-step search stops at). nullopt when Re or Dh is not
// positive, k is negative or no λ up to kFrictionMax satisfies it.
std::optional<double> FrictionFactor(double re, double k, double dh);

}  // namespace orvanta
