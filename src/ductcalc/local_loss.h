// The local loss coefficient ζ of each kind of fitting, referred to the
// dynamic pressure of the main (inlet or combined-flow) velocity w1.
#pragma once

#include <optional>
#include <string>

#include "ductcalc/loss_table.h"
#include "ductcalc/velocities.h"

namespace orvanta {

struct LocalLossResult {
  double zeta = 0;
  std::string file;       // the table used ("" for built-in or ζ = 0)
  double row = 0;         // the row-axis value looked up
  double column = 0;      // the column-axis value looked up
  std::optional<DuctRefusal> refusal;  // set: nothing is to be stored
  bool ok() const { return !refusal; }
};

// The angle [°] that kinds 7, 8, 16 and 17 use for the lookup, from the
// change of size over the length: 2·atan(Δ/(2L)). 90° for L = 0.
double TransitionAngle(const FittingInputs& in);

// The table file of an acoustic lookup for a flexible duct of diameter
// φ1 [mm] ("flex100.txt" … "flex400.txt"); "" for φ1 ≤ 0.
std::string FlexAcousticTableName(double phi1_mm);

// ζ of the fitting by its kind; the velocities are those of
// FittingVelocities for the same inputs.
LocalLossResult LocalLossCoefficient(const FittingInputs& in, const FittingVelocityResult& v,
                                     LossTableStore& tables);

}  // namespace orvanta
