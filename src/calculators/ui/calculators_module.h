// The engineering calculators' windows and the commands that open them.
#pragma once

namespace orvanta {

class Workbench;

void RegisterCalculatorsModule(Workbench& workbench);

}  // namespace orvanta
