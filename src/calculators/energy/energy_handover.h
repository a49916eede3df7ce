// The air-handling unit calculator's hand-over to the energy calculator:
// the unit's inputs that the energy calculator shares.
#pragma once

#include "calculators/ahu/unit.h"
#include "calculators/energy/energy.h"

namespace orvanta {

// `energy` with the unit's values written over it: supply flow, winter
// supply temperature, cooler outlet and surface temperature, room
// temperature (summer), recovery efficiency (winter and summer; 0 with
// recovery off), room humidity (winter and summer), moisture efficiency
// (0 with recovery off), recirculation (0 with mixing off) and the heater,
// cooler and humidifier switches (the humidifier switching the heater on).
// A cooler temperature the unit does not hold leaves the energy
// calculator's value as it is. Pass the unit's inputs after a computation
// (UnitStates::settled) so that the written-back flows are handed over.
EnergyInputs EnergyInputsFromUnit(const UnitInputs& unit, EnergyInputs energy);

}  // namespace orvanta
