#include "calculators/ui/calculators_module.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "app/ui/kit/hand_overs.h"
#include "app/ui/kit/locale_numbers.h"
#include "app/ui/kit/workbench.h"
#include "calculators/ui/acoustic_window.h"
#include "calculators/ui/ahu_window.h"
#include "calculators/ui/air_balance_window.h"
#include "calculators/ui/duct_heat_window.h"
#include "calculators/ui/energy_window.h"
#include "calculators/ui/people_window.h"
#include "calculators/ui/pool_hall_window.h"
#include "calculators/ui/regulating_window.h"
#include "calculators/ui/water_surface_window.h"
#include "ductcalc/fitting_acoustics.h"

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
// ---- acoustic calculator ----
inline constexpr CommandId kOpenAcousticCalculator{"OpenAcousticCalculator"};

// The menu item and "K.O.A" open the window as it was left; the duct
// calculator's hand-over fills it from the run first.
void RegisterAcousticCalculator(Workbench& workbench) {
  auto* window = new AcousticWindow(workbench.dialog_parent());
  CommandRegistry& commands = workbench.commands();
  commands.Register(kOpenAcousticCalculator, {"Kalkulatorakustyczny1"}, [window] { window->exec(); });
  commands.Register(kAcousticFromDuctRun, QStringList{}, [window](const std::any& payload) {
    if (const auto* transfer = std::any_cast<AcousticTransfer>(&payload)) window->Fill(*transfer);
    window->exec();
  });
}
// ---- end of the acoustic calculator ----

// ---- energy-consumption calculator ----
inline constexpr CommandId kOpenEnergyCalculator{"OpenEnergyCalculator"};

// The unit as its edits and switches show it: after a computation they hold
// the settled values; before one (or while an input is not a number) the
// typed values count, and a field that does not parse keeps the last
// computed value.
UnitInputs UnitAsShown(const AhuWindow& unit) {
  UnitInputs in = unit.inputs();
  auto read = [&unit](const char* name, double& out, double scale) {
    if (const auto v = ParseTypedNumber(unit.edit(name)->text())) out = *v / scale;
  };
  read("Edit16", in.v_supply, 1);
  read("Edit17", in.t_supply, 1);
  read("Edit23", in.t_room, 1);
  read("Edit25", in.phi_room, 100);
  read("Edit34", in.eta_t, 100);
  read("Edit35", in.eta_x, 100);
  read("Edit36", in.r, 100);
  for (auto [name, target] : {std::pair{"Edit50", &in.t_cooler_out}, std::pair{"Edit51", &in.t_cooler_surface}}) {
    const QString text = unit.edit(name)->text();
    if (text.trimmed().isEmpty()) target->reset();
    else if (const auto v = ParseTypedNumber(text)) *target = *v;
  }
  in.sections = {unit.section_on(1), unit.section_on(2), unit.section_on(13), unit.section_on(3), unit.section_on(4)};
  return in;
}

// "K.Z.E" of the unit calculator hands the unit's data over and opens the
// energy calculator.
void ConnectEnergyHandOver(AhuWindow* unit, EnergyWindow* energy) {
  auto* button = unit->findChild<QPushButton*>("BitBtn5");
  if (!button) return;
  button->setEnabled(true);
  QObject::connect(button, &QPushButton::clicked, energy, [unit, energy] {
    energy->TakeOverUnit(UnitAsShown(*unit));
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
  RegisterAcousticCalculator(workbench);
  RegisterEnergyCalculator(workbench, unit);
}

}  // namespace orvanta
