// The air-handling unit: a fixed chain of optional sections (outdoor intake,
// heat recovery, mixing chamber, cooler, heater, steam humidifier, supply,
// exhaust from the room, discharge) computed for one design case.
//
// ComputeUnitPass is one run of the chain over given inputs. In balance mode
// a run writes values back into its own inputs (the supply and exhaust flow,
// the room humidity), rounded as the window shows them, and those feed the
// next run; ComputeUnit repeats the run until the written values no longer
// change, at most kMaxUnitPasses times.
#pragma once

#include <limits>
#include <optional>
#include <string>

#include "psychro/air.h"

namespace orvanta {

enum class ExhaustMode {
  User,     // "Narzucony przez użytkownika": room humidity and flows typed
  Balance,  // "Wyznaczony z bilansu": room state from the room gains
};

struct UnitSections {
  bool recovery = true;    // "REKUPERATOR"
  bool mixing = true;      // "KOMORA MIESZANIA"
  bool cooler = true;      // "CHŁODNICA POWIETRZA"
  bool heater = true;      // "NAGRZEWNICA POWIETRZA"
  bool humidifier = true;  // "NAWILŻACZ PAROWY/ZYSKI WILGOCI"
};

struct UnitInputs {
  double pb = 101325;  // barometric pressure [Pa]
  // The pressure the dew points are computed at: the main window's shown
  // pressure (hPa × 100, or inHg × 3386.389). NaN: pb.
  double dew_point_pb = std::numeric_limits<double>::quiet_NaN();
  UnitSections sections;
  ExhaustMode mode = ExhaustMode::User;
  bool auto_flow = true;  // "Automatycznie wyznacz" (balance mode only)

  double eta_t = 0;        // temperature efficiency of recovery [fraction]
  double eta_x = 0;        // moisture efficiency of recovery [fraction]
  double r = 0;            // recirculation degree [fraction]; ≥ 1 taken as 0.999999
  double t_outdoor = 0;    // tcz [°C]
  double phi_outdoor = 0;  // φcz [fraction]
  double v_supply = 1000;  // Vn [m3/h]
  double v_exhaust = 1000; // Vw [m3/h]
  double t_supply = 20;    // tn, heater outlet [°C]
  double t_room = 20;      // tw [°C]
  double phi_room = 0.4;   // φw [fraction]
  // Cooler outlet and surface temperature [°C]; the cooler computes only when both are given.
  std::optional<double> t_cooler_out;
  std::optional<double> t_cooler_surface;
  double q_gains = 0;  // Qc, room heat gains [kW] (balance mode)
  double w_gains = 0;  // Wc, room moisture gains [kg/h] (balance mode)
};

enum class UnitStatus {
  Ok,
  // A number could not be used (non-finite input, ε infinite, a flow of 0)
  // or the flow ratio is outside 1:3 … 3:1 in user mode: the window empties
  // its outputs, no message.
  Empty,
  // Balance mode gives a room moisture content ≤ 0: language text 224.
  RoomMoistureNotPositive,
  // The written-back values still changed after kMaxUnitPasses runs.
  NotSettled,
};

inline constexpr int kTextRoomMoistureNotPositive = 224;
inline constexpr int kMaxUnitPasses = 12;

struct UnitStates {
  UnitStatus status = UnitStatus::Empty;
  AirState cz{}, rot{}, rec{}, ch{}, n{}, w{}, wy{};
  AirState end{};  // the state after the last enabled section
  double rho_supply_star = 0;  // ρs*: supply density at the exhaust moisture [kg/m3]
  double v_outdoor = 0;    // Vcz [m3/h]
  double v_recirc = 0;     // Vrec [m3/h]
  double v_fresh = 0;      // Vfs [m3/h]
  double v_extract = 0;    // Vex [m3/h]
  double v_discharge = 0;  // Vwy [m3/h]
  double eta_t_corrected = 0, eta_x_corrected = 0;  // ηt', ηx' [fraction]
  double recovery_sensible = 0, recovery_total = 0;  // [kW]
  double mixing_sensible = 0, mixing_total = 0;      // [kW]
  bool cooler_computed = false;
  double cooling_total = 0, cooling_sensible = 0;  // Qchc, Qchj [kW]
  double cooler_condensate = 0;                    // [kg/h]
  double heater_power = 0;                         // Qn [kW]
  double steam = 0;                    // steam demand [kg/h] (0 in balance mode)
  double discharge_condensate = 0;     // condensate in the discharged air [kg/h]
  double epsilon = 0;                  // ε [kJ/kg] (balance mode)
  // The inputs after the values written back (flows, room humidity), as the
  // window's edits then hold them; the run was made with these.
  UnitInputs settled{};
  int passes = 0;  // runs made

  bool ok() const { return status == UnitStatus::Ok; }
  // The language text to show (224), or 0.
  int text() const {
    return status == UnitStatus::RoomMoistureNotPositive ? kTextRoomMoistureNotPositive : 0;
  }
  // The message for NotSettled; empty otherwise.
  std::string Message() const;
};

// One run of the chain. `previous` supplies the values of a block whose own
// computation fails (not a finite number); the rest goes on. The values to
// write back are in result.settled.
UnitStates ComputeUnitPass(const UnitInputs& in, const UnitStates& previous = {});

// The whole computation: at least two runs, then more while a run changes
// the values it writes back; stops with NotSettled after kMaxUnitPasses.
UnitStates ComputeUnit(const UnitInputs& in, const UnitStates& previous = {});

// The supply temperature the supply group shows: tn with the heater on, else
// the cooler outlet when the cooler computed, else trec, trot or tcz.
double ShownSupplyTemperature(const UnitInputs& in, const UnitStates& s);

}  // namespace orvanta
