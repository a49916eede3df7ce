// Commands that one part of the program registers and another runs through
// `Workbench::commands().Run(…)`, so neither has to know the other.
#pragma once

#include "app/ui/kit/workbench.h"

namespace orvanta {

// "Nowy...": a new, empty project. Asks first whether to save unsaved
// changes; when the user cancels, the open project stays as it was.
// Registered by the main window.
inline constexpr CommandId kNewProject{"NewProject"};

// The process windows show and take air flows as volume (m³/h) again, as
// after "Objętość powietrza" was chosen. Registered by the project module.
inline constexpr CommandId kShowFlowsAsVolume{"ShowFlowsAsVolume"};

}  // namespace orvanta
