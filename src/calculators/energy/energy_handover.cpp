#include "calculators/energy/energy_handover.h"

#include "psychro/number_text.h"

namespace orvanta {

namespace {

// A fraction as the percent the unit's edit shows (15 significant digits, so
// that 0.37 is handed over as 37, not 37.00000000000001).
double Percent(double fraction) {
  return ParseNumber(NumberText(fraction * 100)).value_or(fraction * 100);
}

}  // namespace

EnergyInputs EnergyInputsFromUnit(const UnitInputs& unit, EnergyInputs energy) {
  energy.v_supply = unit.v_supply;
  energy.t_supply_winter = unit.t_supply;
  if (unit.t_cooler_out) energy.t_supply_summer = *unit.t_cooler_out;
  if (unit.t_cooler_surface) energy.t_coil_surface = *unit.t_cooler_surface;
  energy.t_room_summer = unit.t_room;
  const bool recovery = unit.sections.recovery;
  energy.eta_t_winter = energy.eta_t_summer = recovery ? Percent(unit.eta_t) : 0;
  energy.eta_x = recovery ? Percent(unit.eta_x) : 0;
  energy.phi_room_winter = energy.phi_room_summer = Percent(unit.phi_room);
  energy.rec = unit.sections.mixing ? Percent(unit.r) : 0;
  energy.sections.heater = unit.sections.heater;
  energy.sections.cooler = unit.sections.cooler;
  energy.sections.SetHumidifier(unit.sections.humidifier);
  return energy;
}

}  // namespace orvanta
