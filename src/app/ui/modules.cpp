#include "app/ui/modules.h"

#include "app/caption_map.h"
#include "app/ui/captions_to_come.h"
#include "app/ui/kit/workbench.h"
#include "chart/ui/chart_module.h"
#include "project/ui/project_module.h"
// A subsystem's module exists once its ui/ folder has its module header.
#if __has_include("ductcalc/ui/ductcalc_module.h")
#include "ductcalc/ui/ductcalc_module.h"
#define ORVANTA_HAS_DUCTCALC_UI 1
#endif
#if __has_include("calculators/ui/calculators_module.h")
#include "calculators/ui/calculators_module.h"
#define ORVANTA_HAS_CALCULATORS_UI 1
#endif

namespace orvanta {

void RegisterModules(Workbench& workbench) {
  RegisterCaptionRows(CaptionRowsStillToCome());
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
