// Air treatments of the process-point dialog: from an inlet state, an air
// flow and one characteristic of the treatment, the outlet state and the load.
// One pure function per kind and way of giving it. All values SI; the window
// converts inch-pound input once before calling and the results back after.
// A function returns either a complete result or a failure naming the message
// to show, never a half result and never a non-finite number.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "project/label_position.h"
#include "psychro/air.h"
#include "psychro/units.h"

namespace orvanta {

enum class TreatmentKind {
  Heating,
  CoolingShr,
  CoolingBypass,
  AdiabaticCooling,
  SteamHumidification,
  WaterHumidification,
  CondensingDehumidification,
  DesiccantDehumidification,
};
constexpr int kTreatmentKindCount = 8;

// Language texts of the treatments.
constexpr int kTextAirFlowEmpty = 1262;
constexpr int kTextShrAbove100 = 1245;
constexpr int kTextShrTemperatureUnreachable = 1270;
constexpr int kTextShrLoadUnreachable = 1271;
constexpr int kTextCoilLineSaturated = 1272;
constexpr int kTextCoilLoadUnreachable = 1273;
constexpr int kTextAdiabaticBelowWetBulb = 1263;  // followed by twA
constexpr int kTextWaterSupersaturated = 1264;
constexpr int kTextSteamSupersaturated = 1265;
constexpr int kTextCondensingShrWaterUnreachable = 1266;
constexpr int kTextCondensingShrTargetUnreachable = 1267;
constexpr int kTextCondensingCoilWaterSaturated = 1268;
constexpr int kTextCondensingCoilTargetSaturated = 1269;
constexpr int kTextPointExists = 1000;
constexpr int kTextProcessExists = 1258;

// Refusals that have no language text; the core gives their words.
enum class TreatmentMessage {
  None,
  NonFiniteInput,          // a value is not a finite number
  AirFlowNotPositive,      // V <= 0
  InletInvalid,            // the inlet state is incomplete or supersaturated
  CoilAboveInlet,          // coil surface temperature at or above the inlet temperature
  CoilAboveDewPoint,       // a coil line that cannot condense: coil above the inlet dew point
  ShrNotPositive,          // SHR <= 0 on a downward search
  BypassFactorOutOfRange,  // BF outside 0..100 %
  EfficiencyOutOfRange,    // adiabatic efficiency outside 0..100 %
  TargetNotBelowInlet,     // a cooling target temperature above the inlet
  TargetOutOfRange,        // a target relative humidity outside 0..100 %
  ValueNegative,           // a negative amount of water or cooling load
  TargetUnreachable,       // the target cannot be reached by this treatment
  OutletBeyondSaturation,  // the outlet would lie above the saturation curve
  OutletMoistureNegative,  // the outlet would have a moisture content below 0
  ShrTemperatureNotReached,  // the SHR cooling dialog: its own Polish text, in every language
  ComputationFailed,       // the formulas gave no finite outlet
};
// English or Polish words of a core message ("" for None).
std::string TreatmentMessageText(TreatmentMessage message, bool polish);

struct TreatmentFailure {
  int text = 0;  // language text number, or 0 when `message` says it
  TreatmentMessage message = TreatmentMessage::None;
  std::optional<double> appended;  // shown after the text (1263: twA in °C)
  friend bool operator==(const TreatmentFailure&, const TreatmentFailure&) = default;
};

// The outlet state (t2 [°C], x2 [kg/kg], phi2 [fraction], ps2 [Pa]) and the
// value of the dialog's result field, whose meaning each function states.
struct TreatmentResult {
  double t2 = 0, x2 = 0, phi2 = 0, ps2 = 0;
  double value = 0;
};

class TreatmentOutcome {
 public:
  TreatmentOutcome(TreatmentResult r) : v_(r) {}   // NOLINT: implicit by design
  TreatmentOutcome(TreatmentFailure f) : v_(f) {}  // NOLINT
  bool ok() const { return std::holds_alternative<TreatmentResult>(v_); }
  const TreatmentResult& result() const { return std::get<TreatmentResult>(v_); }
  const TreatmentFailure& failure() const { return std::get<TreatmentFailure>(v_); }

 private:
  std::variant<TreatmentResult, TreatmentFailure> v_;
};

// What every treatment starts from: the inlet state A (all fields filled as
// for a stored point), the barometric pressure [Pa] and the air volume flow
// V [m3/h].
struct TreatmentInlet {
  AirState a;
  double pb = 101325;
  double air_flow = 1000;
};

// How the stepping searches walk: Fast finds the same stopping step as the
// literal walk without visiting every step; Literal visits every step (the
// reference the tests compare against).
enum class StepWalk { Fast, Literal };

// Heating at constant x. value = Q [kW] / t2 [°C].
TreatmentOutcome HeatingToTemperature(const TreatmentInlet& in, double t2);
TreatmentOutcome HeatingByLoad(const TreatmentInlet& in, double q_kw);

// Cooling on a coil at tscc [°C] with a bypass factor bf (fraction):
// value = Q [kW], positive for cooling. A coil above the inlet dew point
// removes no moisture: x2 stays xA.
TreatmentOutcome CoolingWithBypassFactor(const TreatmentInlet& in, double tscc, double bf);

// Cooling along the sensible-heat-ratio line (shr a fraction, 0 < shr <= 1),
// searched from xA down in steps of 1e-7 kg/kg. value = Q [kW] / t2 [°C].
TreatmentOutcome CoolingShrToTemperature(const TreatmentInlet& in, double shr, double t2,
                                         StepWalk walk = StepWalk::Fast);
TreatmentOutcome CoolingShrByLoad(const TreatmentInlet& in, double shr, double q_kw, StepWalk walk = StepWalk::Fast);
// Cooling along the straight line to the saturated coil state at tscc.
// value = Q [kW] / t2 [°C].
TreatmentOutcome CoolingCoilToTemperature(const TreatmentInlet& in, double tscc, double t2);
TreatmentOutcome CoolingCoilByLoad(const TreatmentInlet& in, double tscc, double q_kw);

// Adiabatic cooling at constant enthalpy. value = efficiency (fraction) / t2.
TreatmentOutcome AdiabaticToTemperature(const TreatmentInlet& in, double t2);
TreatmentOutcome AdiabaticByEfficiency(const TreatmentInlet& in, double efficiency);

// Humidification and dehumidification. *ByWater: W [kg/h] added (removed for
// the dehumidifiers), value = phi2. *ToTarget: phi_target a fraction, value =
// W [kg/h] (the water added or removed, positive).
TreatmentOutcome WaterHumidificationByWater(const TreatmentInlet& in, double w_kg_h);
TreatmentOutcome WaterHumidificationToTarget(const TreatmentInlet& in, double phi_target);
TreatmentOutcome SteamHumidificationByWater(const TreatmentInlet& in, double w_kg_h);
TreatmentOutcome SteamHumidificationToTarget(const TreatmentInlet& in, double phi_target);
TreatmentOutcome DesiccantByWater(const TreatmentInlet& in, double w_kg_h);
TreatmentOutcome DesiccantToTarget(const TreatmentInlet& in, double phi_target);
TreatmentOutcome CondensingShrByWater(const TreatmentInlet& in, double shr, double w_kg_h,
                                      StepWalk walk = StepWalk::Fast);
TreatmentOutcome CondensingShrToTarget(const TreatmentInlet& in, double shr, double phi_target,
                                       StepWalk walk = StepWalk::Fast);
TreatmentOutcome CondensingCoilByWater(const TreatmentInlet& in, double tscc, double w_kg_h);
TreatmentOutcome CondensingCoilToTarget(const TreatmentInlet& in, double tscc, double phi_target);

// ---- The SHR cooling dialog (always SI) ----------------------------------
constexpr int kTextShrDialogDry = 1246;
constexpr double kShrDialogMaxMoisture = 0.2;  // [kg/kg], the most a point may hold
enum class ShrDialogTarget { Temperature /* "DBT 2" */, RelativeHumidity /* "RH2" */ };
// From point 1 along the SHR line in steps of 1e-7 kg/kg, downwards for
// shr >= 0 and upwards for a negative shr, to the target temperature [°C] or
// until phi2 rounded to three decimals is the target (a fraction). value of
// the result is 0; the loads follow from the two functions below. A rising
// walk ends at 200 g/kg; a humidity walk also ends beyond saturation.
TreatmentOutcome ShrDialogSearch(const AirState& p1, double pb, double shr, ShrDialogTarget target, double value,
                                 StepWalk walk = StepWalk::Fast);
// Qc = V / 3600 * rho1 * (i2 - i1) [kW], negative for cooling.
double ShrDialogLoad(const AirState& p1, const TreatmentResult& r, double air_flow_m3h);
// V = |Qt / ((i1 - i2) * rho1)| * 3600 [m3/h]; nullopt when i2 = i1.
std::optional<double> ShrDialogAirFlow(const AirState& p1, const TreatmentResult& r, double q_kw);
std::string ShrDialogTemperatureNotReachedText();

// The temperature on the SHR line at moisture content x2.
double ShrLineTemperature(const AirState& a, double shr, double x2);

// The stored outlet point of a successful treatment: every field from t2 and
// x2 at pb (phi2 and ps2 as found), empty description, no ties, the label
// position of the kind.
AirState OutletState(const TreatmentResult& r, double pb);
LabelPosition OutletLabelPosition(TreatmentKind kind);

// ---- What the window shows per kind ------------------------------------
enum class TreatmentGroup { None, Shr /* GroupBox5 */, CoilTemperature /* GroupBox6 */ };
// The quantity of an input or result line; the unit label follows from it.
enum class TreatmentQuantity { Temperature, Heat, Percent, Water };

struct TreatmentLine {
  const char* symbol;  // "t2", "Qh-->" ...
  TreatmentQuantity quantity;
};
struct TreatmentCaptions {
  int window_caption;  // language text numbers
  int radio1;
  int radio2;
  TreatmentGroup group;
  // Label8/Label9: input Edit5; Label10/Label11: result Edit6;
  // Label12/Label13: input Edit7; Label14/Label15: result Edit8.
  TreatmentLine input1, result1, input2, result2;
};
const TreatmentCaptions& CaptionsOf(TreatmentKind kind);
// "oC"/"oF", "kW"/"BTU/h", "%", "kg/h"/"lb/h".
const char* UnitLabel(TreatmentQuantity quantity, UnitSystem units);
// A value typed in a line of `quantity` as the treatment functions take it
// (SI; percentages as fractions), and a result back as the window shows it.
double TypedToTreatmentValue(TreatmentQuantity quantity, double typed, UnitSystem units);
double TreatmentValueToShown(TreatmentQuantity quantity, double value, UnitSystem units);
// The air-flow label "m3/h"/"cfm".
const char* AirFlowUnitLabel(UnitSystem units);

}  // namespace orvanta
