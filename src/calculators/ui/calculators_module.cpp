#include "calculators/ui/calculators_module.h"

#include <QDialog>
#include <QPushButton>

#include "app/ui/kit/workbench.h"
#include "calculators/ui/ahu_window.h"
#include "calculators/ui/air_balance_window.h"
#include "calculators/ui/duct_heat_window.h"
#include "calculators/ui/energy_window.h"
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

// ---- air-handling unit calculator ----
inline constexpr CommandId kOpenAhuCalculator{"OpenAirHandlingUnitCalculator"};

// "Z.C.W" and "Z.C.L" of the unit calculator open the heat-gain windows.
void ConnectHeatGainButtons(AhuWindow* unit, QDialog* water, QDialog* people) {
  for (auto [name, window] : {std::pair<const char*, QDialog*>{"BitBtn1", water}, {"BitBtn4", people}}) {
    auto* button = unit->findChild<QPushButton*>(name);
    if (!button) continue;
    button->setEnabled(true);
    QObject::connect(button, &QPushButton::clicked, window, [window] { window->exec(); });
  }
}
// ---- end of the air-handling unit calculator ----

void RegisterSmallCalculators(Workbench& workbench, AhuWindow* unit) {
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
  ConnectHeatGainButtons(unit, water, people);
}

// ---- energy-consumption calculator ----
inline constexpr CommandId kOpenEnergyCalculator{"OpenEnergyCalculator"};

// "K.Z.E" of the unit calculator hands the unit's data over and opens the
// energy calculator.
void ConnectEnergyHandOver(AhuWindow* unit, EnergyWindow* energy) {
  auto* button = unit->findChild<QPushButton*>("BitBtn5");
  if (!button) return;
  button->setEnabled(true);
  QObject::connect(button, &QPushButton::clicked, energy, [unit, energy] {
    energy->TakeOverUnit(unit->inputs());
    energy->exec();
  });
}

void RegisterEnergyCalculator(Workbench& workbench, AhuWindow* unit) {
  auto* energy = new EnergyWindow(workbench, workbench.dialog_parent());
  workbench.commands().Register(kOpenEnergyCalculator, {"Kalkulatorzuyciaenergii1"},
                                [energy] { energy->exec(); });
  ConnectEnergyHandOver(unit, energy);
}
// ---- end of the energy-consumption calculator ----
}  // namespace

AhuWindow* RegisterAhuWindow(Workbench& workbench) {
  auto* window = new AhuWindow(workbench, workbench.dialog_parent());
  workbench.commands().Register(kOpenAhuCalculator, {"Kalkulatorcentralwentylacyjnych1"},
                                [window] { window->exec(); });
  return window;
}

void RegisterCalculatorsModule(Workbench& workbench) {
  AhuWindow* unit = RegisterAhuWindow(workbench);
  RegisterSmallCalculators(workbench, unit);
  RegisterEnergyCalculator(workbench, unit);
}

}  // namespace orvanta
