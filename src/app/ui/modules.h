// The one list of the subsystems' UI modules.
#pragma once

namespace orvanta {

class Workbench;

// Registers every module's windows and commands with the workbench, and the
// caption rows of the windows still to be built.
void RegisterModules(Workbench& workbench);

}  // namespace orvanta
