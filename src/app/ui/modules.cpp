#include "app/ui/modules.h"

#include "app/caption_map.h"
#include "app/ui/kit/workbench.h"
#include "chart/ui/chart_module.h"
#include "project/ui/project_module.h"
// A subsystem's module exists once its ui/ folder has files: the build then
// defines ORVANTA_HAS_<SUBSYSTEM>_UI.
#ifdef ORVANTA_HAS_DUCTCALC_UI
#include "ductcalc/ui/ductcalc_module.h"
#endif
#ifdef ORVANTA_HAS_CALCULATORS_UI
#include "calculators/ui/calculators_module.h"
#endif

namespace orvanta {

void RegisterModules(Workbench& workbench) {
  RegisterProjectModule(workbench);
  RegisterChartModule(workbench);
#ifdef ORVANTA_HAS_DUCTCALC_UI
  RegisterDuctcalcModule(workbench);
#endif
#ifdef ORVANTA_HAS_CALCULATORS_UI
  RegisterCalculatorsModule(workbench);
#endif
}

}  // namespace orvanta
