#include "calculators/ui/calculators_module.h"

#include "app/ui/kit/workbench.h"
#include "calculators/ui/air_balance_window.h"
#include "calculators/ui/duct_heat_window.h"
#include "calculators/ui/people_window.h"
#include "calculators/ui/pool_hall_window.h"
#include "calculators/ui/regulating_window.h"
#include "calculators/ui/water_surface_window.h"

namespace orvanta {

namespace {
// ---- Pool hall, air balance, regulating elements, heat gains, duct heat ----
inline constexpr CommandId kOpenPoolHall{"OpenPoolHall"};
inline constexpr CommandId kOpenAirBalance{"OpenAirBalance"};
inline constexpr CommandId kOpenRegulatingElements{"OpenRegulatingElements"};
inline constexpr CommandId kOpenWaterSurfaceGains{"OpenWaterSurfaceGains"};
inline constexpr CommandId kOpenPeopleGains{"OpenPeopleGains"};
inline constexpr CommandId kOpenDuctHeat{"OpenDuctHeat"};

void RegisterSmallCalculators(Workbench& workbench) {
  QWidget* parent = workbench.dialog_parent();
  // Each window lives as long as the main window, so its inputs stay between openings.
  auto* pool = new PoolHallWindow(parent);
  auto* balance = new AirBalanceWindow(parent);
  auto* regulating = new RegulatingWindow(parent);
  auto* water = new WaterSurfaceWindow(parent);
  auto* people = new PeopleWindow(parent);
  auto* scheme = new SchemeWindow(parent);
  auto* duct = new DuctHeatWindow(scheme, parent);
  CommandRegistry& commands = workbench.commands();
  commands.Register(kOpenPoolHall, {"KalkulatorbasenwVDI20892"}, [pool] { pool->exec(); });
  commands.Register(kOpenAirBalance, {"Kalkulatorbilansupowietrza1"}, [balance] { balance->exec(); });
  commands.Register(kOpenRegulatingElements, {"Kalkulatorelementwregulacyjnych1"},
                    [regulating] { regulating->exec(); });
  commands.Register(kOpenWaterSurfaceGains, {"Zyskiciepaodpowierzchniwody1"}, [water] { water->exec(); });
  commands.Register(kOpenPeopleGains, {"Zyskiciepaodludzi1"}, [people] { people->exec(); });
  commands.Register(kOpenDuctHeat, {"Kalkulatorstratzyskwciepawkanale1"}, [duct] { duct->exec(); });
}
}  // namespace

void RegisterCalculatorsModule(Workbench& workbench) { RegisterSmallCalculators(workbench); }

}  // namespace orvanta
