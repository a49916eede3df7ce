// Estimated mass of a fitting from its geometry, wall and insulation.
#pragma once

#include <optional>

#include "ductcalc/velocities.h"

namespace orvanta {

// M [kg], unrounded (the window shows it to 0.1). nullopt when a size the
// formula uses turns negative (a wall thicker than half a side), an input is
// negative or not finite, or the kind is unknown.
std::optional<double> FittingMass(const FittingInputs& in);

}  // namespace orvanta
