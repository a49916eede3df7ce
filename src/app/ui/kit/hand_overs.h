// Commands by which one module hands data to another's window. The payload
// each carries is a core type both modules know.
#pragma once

#include "app/ui/kit/workbench.h"

namespace orvanta {

// The duct calculator's "Copy results and calculate noise in the room": the
// payload is the run's `AcousticTransfer` (ductcalc/fitting_acoustics.h);
// the acoustic calculator fills its fields from it and opens.
inline constexpr CommandId kAcousticFromDuctRun{"AcousticFromDuctRun"};

}  // namespace orvanta
