// The rules of the point-data dialog as plain functions: reading typed
// values in the current unit system, completing the state, the texts the
// dialog shows afterwards, states on a process or coefficient line, and the
// air flow pair of the point-definition dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "project/chart_project.h"
#include "psychro/air.h"
#include "psychro/units.h"

namespace orvanta {

// Which quantity is typed besides the temperature.
enum class GivenQuantity { Moisture, RelativeHumidity, Enthalpy };

// Texts of the value fields, in display units: x (g/kg or gr/lb), t, phi [%],
// i, rho, pp, pa, td, tw.
struct PointFieldTexts {
  std::string x, t, phi, i, rho, pp, pa, td, tw;
  friend bool operator==(const PointFieldTexts&, const PointFieldTexts&) = default;
};

// A value shown in the dialog from an SI value, and back.
double MoistureForDisplay(double x_kg_per_kg, UnitSystem units);  // g/kg or gr/lb
double MoistureFromDisplay(double shown, UnitSystem units);       // kg/kg
double TemperatureForDisplay(double t_c, UnitSystem units);
double TemperatureFromDisplay(double shown, UnitSystem units);
double EnthalpyForDisplay(double i, UnitSystem units);
double EnthalpyFromDisplay(double shown, UnitSystem units);
double DensityForDisplay(double rho, UnitSystem units);
double DensityFromDisplay(double shown, UnitSystem units);
double PressureForDisplay(double pa, UnitSystem units);
double PressureFromDisplay(double shown, UnitSystem units);

// The state from a typed temperature and the typed given quantity (display
// units), with the guards for typed input: a moisture content below 0 is
// taken as 0.1 g/kg, a relative humidity of 0 or less as 0.001 %. nullopt
// when a text does not read as a number or the state cannot be computed.
std::optional<AirState> StateFromTypedValues(double pb, UnitSystem units, GivenQuantity given,
                                             std::string_view t_text, std::string_view given_text,
                                             char decimal_separator = '.');

// The texts of all value fields for a state: phi "100" when saturated, the
// partial pressures with `pressure_decimals`, everything else with two.
PointFieldTexts FieldTextsForState(const AirState& s, UnitSystem units, int pressure_decimals,
                                   char decimal_separator = '.');

// The state of a point at temperature t [°C] on the line of the named
// process; nullopt when the process or one of its points is missing, the line
// has no point at t, or that point lies outside the segment.
std::optional<AirState> StateOnProcessLine(const ChartProject& project, double pb, std::string_view process_name,
                                           double t);
// The same on the line of the named direction coefficient (no segment limit).
std::optional<AirState> StateOnCoefficientLine(const ChartProject& project, double pb,
                                               std::string_view coefficient_name, double t);

// The state as the fields show it (display units, SI out); phi is kept at
// most 1. nullopt when a field does not read as a number.
std::optional<AirState> StateFromShownFields(const PointFieldTexts& fields, UnitSystem units,
                                             char decimal_separator = '.');

// Air flow of a new process: one of volume [m3/h] and mass [kg/h] is typed,
// the other follows with the density, rounded to a whole number.
struct AirFlowPair {
  double volume = 0;  // [m3/h]
  double mass = 0;    // [kg/h]
};
AirFlowPair AirFlowFromVolume(double volume, double rho);
AirFlowPair AirFlowFromMass(double mass, double rho);

}  // namespace orvanta
