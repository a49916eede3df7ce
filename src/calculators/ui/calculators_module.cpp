#include "calculators/ui/calculators_module.h"

#include "app/ui/kit/workbench.h"
#include "calculators/ui/ahu_window.h"

namespace orvanta {

namespace {
// ---- air-handling unit calculator ----
inline constexpr CommandId kOpenAhuCalculator{"OpenAirHandlingUnitCalculator"};
}  // namespace

AhuWindow* RegisterAhuWindow(Workbench& workbench) {
  auto* window = new AhuWindow(workbench, workbench.dialog_parent());
  workbench.commands().Register(kOpenAhuCalculator, {"Kalkulatorcentralwentylacyjnych1"},
                                [window] { window->exec(); });
  return window;
}
// ---- end of the air-handling unit calculator ----

void RegisterCalculatorsModule(Workbench& workbench) {
  RegisterAhuWindow(workbench);
}

}  // namespace orvanta
