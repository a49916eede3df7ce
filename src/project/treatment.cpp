#include "project/treatment.h"

#include <algorithm>
#include <cmath>

#include "psychro/number_text.h"

#include "project/step_walk.h"

namespace orvanta {

namespace {

// Rounding of the saturation formulas: a state computed to be exactly
// saturated may come out a few ulps above phi = 1.
constexpr double kSaturationTolerance = 1e-9;
constexpr double kShrStep = 0.0000001;        // [kg/kg]
constexpr double kCoilStep = 0.00001;         // [kg/kg]
constexpr double kWaterStep = 0.00001;        // [kg/kg]
constexpr double kSteamStep = 0.0001;         // [kg/kg]
constexpr double kDesiccantStep = 0.0001;     // [kg/kg]
constexpr double kTargetWithin = 0.001;       // condensing with SHR to a target RH
constexpr double kSteamEnthalpy = 2685;       // [kJ/kg]
// A humidifier that has not reached its target after this many steps has
// stepped through the saturation curve long before; only absurd input gets here.
constexpr long kMaxHumidifierSteps = 1'000'000;

TreatmentFailure Text(int n) { return {n, TreatmentMessage::None, std::nullopt}; }
TreatmentFailure Msg(TreatmentMessage m) { return {0, m, std::nullopt}; }

bool Finite(double v) { return std::isfinite(v); }

// The checks every treatment starts with. nullopt when the inlet is usable.
std::optional<TreatmentFailure> CheckInlet(const TreatmentInlet& in) {
  if (!IsFinite(in.a) || !Finite(in.pb) || !Finite(in.air_flow)) return Msg(TreatmentMessage::NonFiniteInput);
  if (!(in.air_flow > 0)) return Msg(TreatmentMessage::AirFlowNotPositive);
  if (!(in.pb > 0) || !(in.a.rho > 0) || in.a.x < 0 || in.a.phi > 1 + kSaturationTolerance) {
    return Msg(TreatmentMessage::InletInvalid);
  }
  return std::nullopt;
}

std::optional<TreatmentFailure> CheckInlet(const TreatmentInlet& in, std::initializer_list<double> values) {
  for (double v : values) {
    if (!Finite(v)) return Msg(TreatmentMessage::NonFiniteInput);
  }
  return CheckInlet(in);
}

double Phi(double pb, double ps, double x) { return RelativeHumidity(pb, ps, x); }

// A finished outlet: t2, x2 and its phi2, ps2; a failure when anything is not
// finite. phi2 a few ulps above 1 is taken as saturated.
TreatmentOutcome Finish(double t2, double x2, double phi2, double ps2, double value) {
  if (!Finite(t2) || !Finite(x2) || !Finite(phi2) || !Finite(ps2) || !Finite(value)) {
    return Msg(TreatmentMessage::ComputationFailed);
  }
  if (x2 < 0) return Msg(TreatmentMessage::OutletMoistureNegative);
  return TreatmentResult{t2, x2, std::min(phi2, 1.0), ps2, value};
}

// Load of a cooling from A to (t2, x2): positive when the air is cooled [kW].
double CoolingLoad(const TreatmentInlet& in, double t2, double x2) {
  return (in.a.i - AirEnthalpy(t2, x2)) * in.a.rho * in.air_flow / 3600;
}

double SaturatedCoilMoisture(double pb, double tscc) { return MoistureContent(pb, SaturationPressure(tscc), 1); }

// Temperature at x on the constant-enthalpy line through A.
double IsenthalpTemperature(double i, double x) { return (i - 2501 * x) / (1.84 * x + 1.005); }

std::optional<TreatmentFailure> CheckShr(double shr) {
  if (shr > 1) return Text(kTextShrAbove100);
  if (!(shr > 0)) return Msg(TreatmentMessage::ShrNotPositive);
  return std::nullopt;
}

std::optional<TreatmentFailure> CheckTarget(double phi_target) {
  if (!(phi_target > 0) || phi_target > 1) return Msg(TreatmentMessage::TargetOutOfRange);
  return std::nullopt;
}

// The coil line from A to the saturated coil state; refused when the coil is
// not below the inlet or cannot condense.
std::optional<TreatmentFailure> CheckCondensingCoil(const TreatmentInlet& in, double tscc, double xs) {
  if (!(tscc < in.a.t)) return Msg(TreatmentMessage::CoilAboveInlet);
  if (!Finite(xs) || !(xs >= 0)) return Msg(TreatmentMessage::ComputationFailed);
  if (!(xs < in.a.x)) return Msg(TreatmentMessage::CoilAboveDewPoint);
  return std::nullopt;
}

// ---- The SHR line walk: x_k = xA - k * 1e-7 ----------------------------

struct ShrLine {
  const TreatmentInlet& in;
  double shr;
  double direction = -1;  // x falls (-1) or rises (+1) along the walk
  double X(long k) const { return in.a.x + direction * static_cast<double>(k) * kShrStep; }
  double T(double x) const { return ShrLineTemperature(in.a, shr, x); }
  double Denominator(double x) const { return 1.005 - shr * (1.84 * x + 1.005); }
  // Bounds of x and t over the steps k..k+s. t is a ratio of two linear
  // functions of x, so without a pole between the ends its extremes are at the
  // ends. false when a pole may lie between them or t leaves the range where
  // the saturation pressure grows with t.
  bool Bounds(long k, long s, double& x_lo, double& x_hi, double& t_lo, double& t_hi) const {
    x_hi = std::max(X(k), X(k + s));
    x_lo = std::min(X(k), X(k + s));
    const double d1 = Denominator(x_hi), d2 = Denominator(x_lo);
    if (!(d1 > 0 && d2 > 0) && !(d1 < 0 && d2 < 0)) return false;
    const double t1 = T(x_hi), t2 = T(x_lo);
    t_lo = std::min(t1, t2);
    t_hi = std::max(t1, t2);
    return Finite(t_lo) && Finite(t_hi) && t_lo > -200 && x_lo > 0;
  }
  // Largest and smallest phi over the steps: phi grows with x and falls with t.
  double PhiHi(double x_hi, double t_lo) const { return Phi(in.pb, SaturationPressure(t_lo), x_hi); }
  double PhiLo(double x_lo, double t_hi) const { return Phi(in.pb, SaturationPressure(t_hi), x_lo); }
};

// Relative safety margin of the block tests: far larger than the rounding of
// the formulas, so a block judged clear is clear at every step inside it.
constexpr double kMargin = 1e-9;
double Below(double limit) { return limit - kMargin * (1 + std::fabs(limit)); }
double Above(double limit) { return limit + kMargin * (1 + std::fabs(limit)); }

struct ShrState {
  double x, t, ps, phi;
};
ShrState ShrAt(const ShrLine& line, long k) {
  const double x = line.X(k);
  const double t = line.T(x);
  const double ps = SaturationPressure(t);
  return {x, t, ps, Phi(line.in.pb, ps, x)};
}

long ShrStepLimit(const TreatmentInlet& in) { return static_cast<long>(in.a.x / kShrStep) + 2; }

}  // namespace

std::string TreatmentMessageText(TreatmentMessage m, bool polish) {
  switch (m) {
    case TreatmentMessage::None:
      return "";
    case TreatmentMessage::NonFiniteInput:
      return polish ? "Podana wartość nie jest poprawną liczbą." : "A value given is not a valid number.";
    case TreatmentMessage::AirFlowNotPositive:
      return polish ? "Ilość powietrza musi być większa od zera." : "The air flow must be greater than zero.";
    case TreatmentMessage::InletInvalid:
      return polish ? "Punkt początkowy nie jest poprawnym stanem powietrza."
                    : "The inlet point is not a valid air state.";
    case TreatmentMessage::CoilAboveInlet:
      return polish ? "Temperatura powierzchni chłodnicy musi być niższa od temperatury powietrza na wlocie."
                    : "The coil surface temperature must be below the inlet air temperature.";
    case TreatmentMessage::CoilAboveDewPoint:
      return polish ? "Temperatura powierzchni chłodnicy jest wyższa od punktu rosy powietrza na wlocie: wilgoć się "
                      "nie wykrapla."
                    : "The coil surface temperature is above the dew point of the inlet air: no moisture condenses.";
    case TreatmentMessage::ShrNotPositive:
      return polish ? "Współczynnik SHR musi być większy od zera." : "The SHR factor must be greater than zero.";
    case TreatmentMessage::BypassFactorOutOfRange:
      return polish ? "Współczynnik obejścia BF musi leżeć w zakresie 0..100 %."
                    : "The bypass factor BF must lie between 0 and 100 %.";
    case TreatmentMessage::EfficiencyOutOfRange:
      return polish ? "Sprawność musi leżeć w zakresie 0..100 %." : "The efficiency must lie between 0 and 100 %.";
    case TreatmentMessage::TargetNotBelowInlet:
      return polish ? "Temperatura końcowa chłodzenia nie może być wyższa od temperatury na wlocie."
                    : "The outlet temperature of a cooling cannot be above the inlet temperature.";
    case TreatmentMessage::TargetOutOfRange:
      return polish ? "Wilgotność względna musi leżeć w zakresie 0..100 %."
                    : "The relative humidity must lie between 0 and 100 %.";
    case TreatmentMessage::ValueNegative:
      return polish ? "Podana wartość nie może być ujemna." : "The value given cannot be negative.";
    case TreatmentMessage::TargetUnreachable:
      return polish ? "Zadanej wartości nie można osiągnąć w tej przemianie."
                    : "The target cannot be reached by this treatment.";
    case TreatmentMessage::OutletBeyondSaturation:
      return polish ? "Punkt końcowy leżałby powyżej krzywej nasycenia." : "The outlet would lie beyond saturation.";
    case TreatmentMessage::OutletMoistureNegative:
      return polish ? "Zawartość wilgoci w punkcie końcowym byłaby ujemna."
                    : "The outlet would have a negative moisture content.";
    case TreatmentMessage::ShrTemperatureNotReached:
      return ShrDialogTemperatureNotReachedText();
    case TreatmentMessage::ComputationFailed:
      return polish ? "Obliczenie nie dało wyniku dla podanych wartości."
                    : "The calculation gives no result for the values given.";
  }
  return "";
}

double ShrLineTemperature(const AirState& a, double shr, double x2) {
  return ((2501 * x2 - a.i) * shr + 1.005 * a.t) / (1.005 - shr * (1.84 * x2 + 1.005));
}

// ---- Heating -------------------------------------------------------------

TreatmentOutcome HeatingToTemperature(const TreatmentInlet& in, double t2) {
  if (auto f = CheckInlet(in, {t2})) return *f;
  const double q = in.air_flow / 3600 * in.a.rho * 1.005 * (t2 - in.a.t);
  const double ps2 = SaturationPressure(t2);
  const double phi2 = Phi(in.pb, ps2, in.a.x);
  if (phi2 > 1 + kSaturationTolerance) return Msg(TreatmentMessage::OutletBeyondSaturation);
  return Finish(t2, in.a.x, phi2, ps2, q);
}

TreatmentOutcome HeatingByLoad(const TreatmentInlet& in, double q_kw) {
  if (auto f = CheckInlet(in, {q_kw})) return *f;
  const double t2 = q_kw / (in.air_flow * in.a.rho / 3600 * 1.005) + in.a.t;
  const double ps2 = SaturationPressure(t2);
  const double phi2 = Phi(in.pb, ps2, in.a.x);
  if (phi2 > 1 + kSaturationTolerance) return Msg(TreatmentMessage::OutletBeyondSaturation);
  return Finish(t2, in.a.x, phi2, ps2, t2);
}

// ---- Cooling with a bypass factor ----------------------------------------

TreatmentOutcome CoolingWithBypassFactor(const TreatmentInlet& in, double tscc, double bf) {
  if (auto f = CheckInlet(in, {tscc, bf})) return *f;
  if (!(tscc < in.a.t)) return Msg(TreatmentMessage::CoilAboveInlet);
  if (bf < 0 || bf > 1) return Msg(TreatmentMessage::BypassFactorOutOfRange);
  const double xs = SaturatedCoilMoisture(in.pb, tscc);
  const double t2 = tscc + (in.a.t - tscc) * bf;
  // A coil above the inlet dew point cools without drying.
  const double x2 = xs < in.a.x ? xs + bf * (in.a.x - xs) : in.a.x;
  const double ps2 = SaturationPressure(t2);
  const double phi2 = Phi(in.pb, ps2, x2);
  if (phi2 > 1 + kSaturationTolerance) return Msg(TreatmentMessage::OutletBeyondSaturation);
  return Finish(t2, x2, phi2, ps2, CoolingLoad(in, t2, x2));
}

// ---- Cooling along the SHR line ------------------------------------------

TreatmentOutcome CoolingShrToTemperature(const TreatmentInlet& in, double shr, double t2, StepWalk walk) {
  if (auto f = CheckInlet(in, {shr, t2})) return *f;
  if (auto f = CheckShr(shr)) return *f;
  if (t2 > in.a.t) return Msg(TreatmentMessage::TargetNotBelowInlet);
  const ShrLine line{in, shr};
  auto keep = [&](long k) {
    const ShrState s = ShrAt(line, k);
    return s.t > t2 && s.x > 0 && s.phi < 1;
  };
  auto clear = [&](long k, long n) {
    double x_lo, x_hi, t_lo, t_hi;
    if (!line.Bounds(k, n, x_lo, x_hi, t_lo, t_hi)) return false;
    return t_lo > Above(t2) && line.PhiHi(x_hi, t_lo) < Below(1);
  };
  const long k = FirstStop(keep, clear, ShrStepLimit(in), walk);
  const ShrState s = ShrAt(line, k);
  if (s.x <= 0 || s.phi > 1 || !(s.t <= t2)) return Text(kTextShrTemperatureUnreachable);
  return Finish(s.t, s.x, s.phi, s.ps, CoolingLoad(in, s.t, s.x));
}

TreatmentOutcome CoolingShrByLoad(const TreatmentInlet& in, double shr, double q_kw, StepWalk walk) {
  if (auto f = CheckInlet(in, {shr, q_kw})) return *f;
  if (auto f = CheckShr(shr)) return *f;
  if (q_kw < 0) return Msg(TreatmentMessage::ValueNegative);
  const ShrLine line{in, shr};
  const double i_limit = in.a.i - q_kw * 3600 / (in.a.rho * in.air_flow);  // Q < q while i2 > i_limit
  auto keep = [&](long k) {
    const ShrState s = ShrAt(line, k);
    return s.x > 0 && s.phi < 1 && CoolingLoad(in, s.t, s.x) < q_kw;
  };
  auto clear = [&](long k, long n) {
    double x_lo, x_hi, t_lo, t_hi;
    if (!line.Bounds(k, n, x_lo, x_hi, t_lo, t_hi)) return false;
    // The enthalpy grows with t and with x: its least value is at (t_lo, x_lo).
    return AirEnthalpy(t_lo, x_lo) > Above(i_limit) && line.PhiHi(x_hi, t_lo) < Below(1);
  };
  const long k = FirstStop(keep, clear, ShrStepLimit(in), walk);
  const ShrState s = ShrAt(line, k);
  if (s.x <= 0 || s.phi >= 1) return Text(kTextShrLoadUnreachable);
  return Finish(s.t, s.x, s.phi, s.ps, s.t);
}

// ---- The SHR cooling dialog ---------------------------------------------

std::string ShrDialogTemperatureNotReachedText() {
  return "NIE BYŁO MOŻLIWE OSIĄGNIĘCIE ZADANEJ TEMPERATURY DLA PODANEJ WARTOŚCI WSPÓŁCZYNNIKA SHR";
}

TreatmentOutcome ShrDialogSearch(const AirState& p1, double pb, double shr, ShrDialogTarget target, double value,
                                 StepWalk walk) {
  const TreatmentInlet in{p1, pb, 1};  // the search needs no air flow
  if (auto f = CheckInlet(in, {shr, value})) return *f;
  if (shr > 1) return Text(kTextShrAbove100);
  const ShrLine line{in, shr, shr >= 0 ? -1.0 : 1.0};
  // Rising x: the walk ends at the chart's 200 g/kg at the latest.
  const long limit = shr >= 0 ? ShrStepLimit(in)
                              : static_cast<long>((kShrDialogMaxMoisture - p1.x) / kShrStep) + 1;
  auto in_range = [](double x) { return x > 0 && x < kShrDialogMaxMoisture; };
  long k = 0;
  if (target == ShrDialogTarget::Temperature) {
    auto keep = [&](long j) {
      const ShrState s = ShrAt(line, j);
      return s.t > value && in_range(s.x) && s.phi < 1;
    };
    auto clear = [&](long j, long n) {
      double x_lo, x_hi, t_lo, t_hi;
      if (!line.Bounds(j, n, x_lo, x_hi, t_lo, t_hi)) return false;
      return t_lo > Above(value) && x_hi < kShrDialogMaxMoisture && line.PhiHi(x_hi, t_lo) < Below(1);
    };
    k = FirstStop(keep, clear, limit, walk);
    const ShrState s = ShrAt(line, k);
    if (s.x <= 0) return Text(kTextShrDialogDry);
    if (!(s.t <= value) || s.phi > 1) return Msg(TreatmentMessage::ShrTemperatureNotReached);
    return Finish(s.t, s.x, s.phi, s.ps, 0);
  }
  if (!(value > 0) || value > 1) return Msg(TreatmentMessage::TargetOutOfRange);
  value = RoundTo(value, -3);
  // Goes on until phi2 rounded to three decimals is the target; a walk that
  // passes saturation cannot reach it any more and stops there.
  auto keep = [&](long j) {
    const ShrState s = ShrAt(line, j);
    return RoundTo(s.phi, -3) != value && in_range(s.x) && s.phi <= 1;
  };
  auto clear = [&](long j, long n) {
    double x_lo, x_hi, t_lo, t_hi;
    if (!line.Bounds(j, n, x_lo, x_hi, t_lo, t_hi)) return false;
    const double hi = line.PhiHi(x_hi, t_lo), lo = line.PhiLo(x_lo, t_hi);
    if (!(hi < Below(1)) || !(x_hi < kShrDialogMaxMoisture)) return false;
    return hi < Below(value - 0.0005) || lo > Above(value + 0.0005);
  };
  k = FirstStop(keep, clear, limit, walk);
  const ShrState s = ShrAt(line, k);
  if (s.x <= 0) return Text(kTextShrDialogDry);
  if (RoundTo(s.phi, -3) != value) return Msg(TreatmentMessage::TargetUnreachable);
  return Finish(s.t, s.x, s.phi, s.ps, 0);
}

double ShrDialogLoad(const AirState& p1, const TreatmentResult& r, double air_flow) {
  return air_flow / 3600 * p1.rho * (AirEnthalpy(r.t2, r.x2) - p1.i);
}

std::optional<double> ShrDialogAirFlow(const AirState& p1, const TreatmentResult& r, double q_kw) {
  const double v = std::fabs(q_kw / ((p1.i - AirEnthalpy(r.t2, r.x2)) * p1.rho)) * 3600;
  if (!Finite(v)) return std::nullopt;
  return v;
}

// ---- Cooling along the coil line -----------------------------------------

TreatmentOutcome CoolingCoilToTemperature(const TreatmentInlet& in, double tscc, double t2) {
  if (auto f = CheckInlet(in, {tscc, t2})) return *f;
  const double xs = SaturatedCoilMoisture(in.pb, tscc);
  if (auto f = CheckCondensingCoil(in, tscc, xs)) return *f;
  if (t2 > in.a.t) return Msg(TreatmentMessage::TargetNotBelowInlet);
  const double x2 = Interpolate(t2, in.a.t, in.a.x, tscc, xs);
  const double ps2 = SaturationPressure(t2);
  const double phi2 = Phi(in.pb, ps2, x2);
  if (phi2 > 1 + kSaturationTolerance || x2 < 0) return Text(kTextCoilLineSaturated);
  return Finish(t2, x2, phi2, ps2, CoolingLoad(in, t2, x2));
}

TreatmentOutcome CoolingCoilByLoad(const TreatmentInlet& in, double tscc, double q_kw) {
  if (auto f = CheckInlet(in, {tscc, q_kw})) return *f;
  const double xs = SaturatedCoilMoisture(in.pb, tscc);
  if (auto f = CheckCondensingCoil(in, tscc, xs)) return *f;
  if (q_kw < 0) return Msg(TreatmentMessage::ValueNegative);
  double x2 = in.a.x, t2 = in.a.t, ps2 = 0, phi2 = 0;
  for (long k = 0;; ++k) {
    x2 = in.a.x - static_cast<double>(k) * kCoilStep;
    t2 = Interpolate(x2, in.a.x, in.a.t, xs, tscc);
    ps2 = SaturationPressure(t2);
    phi2 = Phi(in.pb, ps2, x2);
    if (!(CoolingLoad(in, t2, x2) < q_kw && x2 > 0 && phi2 < 1)) break;
  }
  if (x2 <= 0 || phi2 >= 1) return Text(kTextCoilLoadUnreachable);
  return Finish(t2, x2, phi2, ps2, t2);
}

// ---- Adiabatic cooling ---------------------------------------------------

namespace {
TreatmentOutcome AdiabaticOutlet(const TreatmentInlet& in, double t2, double value) {
  const TreatmentFailure below{kTextAdiabaticBelowWetBulb, TreatmentMessage::None, in.a.tw};
  if (t2 < in.a.tw) return below;
  const double x2 = MoistureFromEnthalpy(in.a.i, t2);
  const double ps2 = SaturationPressure(t2);
  const double phi2 = Phi(in.pb, ps2, x2);
  if (phi2 > 1 + kSaturationTolerance) return below;
  return Finish(t2, x2, phi2, ps2, value);
}
}  // namespace

TreatmentOutcome AdiabaticToTemperature(const TreatmentInlet& in, double t2) {
  if (auto f = CheckInlet(in, {t2})) return *f;
  if (t2 > in.a.t) return Msg(TreatmentMessage::TargetNotBelowInlet);
  if (!(in.a.t > in.a.tw)) {  // saturated inlet: no cooling possible
    return TreatmentFailure{kTextAdiabaticBelowWetBulb, TreatmentMessage::None, in.a.tw};
  }
  return AdiabaticOutlet(in, t2, (in.a.t - t2) / (in.a.t - in.a.tw));
}

TreatmentOutcome AdiabaticByEfficiency(const TreatmentInlet& in, double efficiency) {
  if (auto f = CheckInlet(in, {efficiency})) return *f;
  if (efficiency < 0 || efficiency > 1) return Msg(TreatmentMessage::EfficiencyOutOfRange);
  const double t2 = in.a.t - (in.a.t - in.a.tw) * efficiency;
  return AdiabaticOutlet(in, t2, t2);
}

// ---- Humidification ------------------------------------------------------

namespace {
double SteamTemperature(const AirState& a, double x2) {
  const double i2 = a.i + kSteamEnthalpy * (x2 - a.x);
  return IsenthalpTemperature(i2, x2);
}

// x2 rises from xA by `step` until phi2 >= target. The last step may end a
// fraction of a step beyond the saturation curve when the target is 100 %;
// the stored point then keeps t and x with phi 1.
template <class TemperatureAt>
TreatmentOutcome HumidifyToTarget(const TreatmentInlet& in, double phi_target, double step, TemperatureAt t_at) {
  if (auto f = CheckInlet(in, {phi_target})) return *f;
  if (auto f = CheckTarget(phi_target)) return *f;
  if (phi_target < in.a.phi) return Msg(TreatmentMessage::TargetUnreachable);
  for (long k = 0; k <= kMaxHumidifierSteps; ++k) {
    const double x2 = in.a.x + static_cast<double>(k) * step;
    const double t2 = t_at(x2);
    const double ps2 = SaturationPressure(t2);
    const double phi2 = Phi(in.pb, ps2, x2);
    if (!Finite(phi2)) break;
    if (phi2 >= phi_target) return Finish(t2, x2, phi2, ps2, in.a.rho * in.air_flow * (x2 - in.a.x));
  }
  return Msg(TreatmentMessage::ComputationFailed);
}

template <class TemperatureAt>
TreatmentOutcome HumidifyByWater(const TreatmentInlet& in, double w, int saturated_text, TemperatureAt t_at) {
  if (auto f = CheckInlet(in, {w})) return *f;
  if (w < 0) return Msg(TreatmentMessage::ValueNegative);
  const double x2 = in.a.x + w / (in.a.rho * in.air_flow);
  const double t2 = t_at(x2);
  const double ps2 = SaturationPressure(t2);
  const double phi2 = Phi(in.pb, ps2, x2);
  // Far too much water drives t2 so low that the saturation pressure
  // formula no longer means anything (phi2 looks small again). Evaporating
  // water cannot cool the air below its wet bulb, where the isenthalp meets
  // the saturation curve: an outlet well below it lies beyond saturation.
  const bool below_wet_bulb = t2 < in.a.tw - 1;
  if (phi2 > 1 + kSaturationTolerance || below_wet_bulb || (x2 > 0 && !(phi2 > 0))) return Text(saturated_text);
  return Finish(t2, x2, phi2, ps2, phi2);
}
}  // namespace

TreatmentOutcome WaterHumidificationByWater(const TreatmentInlet& in, double w_kg_h) {
  return HumidifyByWater(in, w_kg_h, kTextWaterSupersaturated,
                         [&](double x2) { return IsenthalpTemperature(in.a.i, x2); });
}

TreatmentOutcome WaterHumidificationToTarget(const TreatmentInlet& in, double phi_target) {
  return HumidifyToTarget(in, phi_target, kWaterStep, [&](double x2) { return IsenthalpTemperature(in.a.i, x2); });
}

TreatmentOutcome SteamHumidificationByWater(const TreatmentInlet& in, double w_kg_h) {
  return HumidifyByWater(in, w_kg_h, kTextSteamSupersaturated, [&](double x2) { return SteamTemperature(in.a, x2); });
}

TreatmentOutcome SteamHumidificationToTarget(const TreatmentInlet& in, double phi_target) {
  return HumidifyToTarget(in, phi_target, kSteamStep, [&](double x2) { return SteamTemperature(in.a, x2); });
}

// ---- Desiccant dehumidification ------------------------------------------

TreatmentOutcome DesiccantByWater(const TreatmentInlet& in, double w_kg_h) {
  if (auto f = CheckInlet(in, {w_kg_h})) return *f;
  if (w_kg_h < 0) return Msg(TreatmentMessage::ValueNegative);
  const double x2 = in.a.x - w_kg_h / (in.a.rho * in.air_flow);
  if (x2 < 0) return Msg(TreatmentMessage::OutletMoistureNegative);
  const double t2 = IsenthalpTemperature(in.a.i, x2);
  const double ps2 = SaturationPressure(t2);
  return Finish(t2, x2, Phi(in.pb, ps2, x2), ps2, Phi(in.pb, ps2, x2));
}

TreatmentOutcome DesiccantToTarget(const TreatmentInlet& in, double phi_target) {
  if (auto f = CheckInlet(in, {phi_target})) return *f;
  if (auto f = CheckTarget(phi_target)) return *f;
  if (phi_target > in.a.phi) return Msg(TreatmentMessage::TargetUnreachable);
  double x2 = in.a.x, t2 = in.a.t, ps2 = 0, phi2 = 0;
  for (long k = 0;; ++k) {
    x2 = in.a.x - static_cast<double>(k) * kDesiccantStep;
    t2 = IsenthalpTemperature(in.a.i, x2);
    ps2 = SaturationPressure(t2);
    phi2 = Phi(in.pb, ps2, x2);
    if (!(phi2 > phi_target && x2 > 0)) break;
  }
  if (x2 <= 0) return Msg(TreatmentMessage::TargetUnreachable);
  return Finish(t2, x2, phi2, ps2, in.a.rho * in.air_flow * (in.a.x - x2));
}

// ---- Condensing dehumidification -----------------------------------------

TreatmentOutcome CondensingShrByWater(const TreatmentInlet& in, double shr, double w_kg_h, StepWalk walk) {
  if (auto f = CheckInlet(in, {shr, w_kg_h})) return *f;
  if (auto f = CheckShr(shr)) return *f;
  if (w_kg_h < 0) return Msg(TreatmentMessage::ValueNegative);
  const ShrLine line{in, shr};
  const double mass = in.a.rho * in.air_flow;
  auto keep = [&](long k) {
    const ShrState s = ShrAt(line, k);
    return s.x > 0 && s.phi < 1 && (in.a.x - s.x) * mass < w_kg_h;
  };
  auto clear = [&](long k, long n) {
    double x_lo, x_hi, t_lo, t_hi;
    if (!line.Bounds(k, n, x_lo, x_hi, t_lo, t_hi)) return false;
    return (in.a.x - x_lo) * mass < Below(w_kg_h) && line.PhiHi(x_hi, t_lo) < Below(1);
  };
  const long k = FirstStop(keep, clear, ShrStepLimit(in), walk);
  const ShrState s = ShrAt(line, k);
  if (s.x <= 0 || s.phi >= 1) return Text(kTextCondensingShrWaterUnreachable);
  return Finish(s.t, s.x, s.phi, s.ps, s.phi);
}

TreatmentOutcome CondensingShrToTarget(const TreatmentInlet& in, double shr, double phi_target, StepWalk walk) {
  if (auto f = CheckInlet(in, {shr, phi_target})) return *f;
  if (auto f = CheckShr(shr)) return *f;
  if (auto f = CheckTarget(phi_target)) return *f;
  const ShrLine line{in, shr};
  auto keep = [&](long k) {
    const ShrState s = ShrAt(line, k);
    return std::fabs(s.phi - phi_target) > kTargetWithin && s.x > 0 && s.phi < 1;
  };
  auto clear = [&](long k, long n) {
    double x_lo, x_hi, t_lo, t_hi;
    if (!line.Bounds(k, n, x_lo, x_hi, t_lo, t_hi)) return false;
    const double hi = line.PhiHi(x_hi, t_lo), lo = line.PhiLo(x_lo, t_hi);
    if (!(hi < Below(1))) return false;
    return hi < Below(phi_target - kTargetWithin) || lo > Above(phi_target + kTargetWithin);
  };
  const long k = FirstStop(keep, clear, ShrStepLimit(in), walk);
  const ShrState s = ShrAt(line, k);
  if (s.x <= 0 || s.phi > 1 || std::fabs(s.phi - phi_target) > kTargetWithin) {
    return Text(kTextCondensingShrTargetUnreachable);
  }
  return Finish(s.t, s.x, s.phi, s.ps, (in.a.x - s.x) * in.a.rho * in.air_flow);
}

TreatmentOutcome CondensingCoilByWater(const TreatmentInlet& in, double tscc, double w_kg_h) {
  if (auto f = CheckInlet(in, {tscc, w_kg_h})) return *f;
  const double xs = SaturatedCoilMoisture(in.pb, tscc);
  if (auto f = CheckCondensingCoil(in, tscc, xs)) return *f;
  if (w_kg_h < 0) return Msg(TreatmentMessage::ValueNegative);
  const double x2 = in.a.x - w_kg_h / (in.a.rho * in.air_flow);
  if (x2 < 0) return Text(kTextCondensingCoilWaterSaturated);
  const double t2 = Interpolate(x2, in.a.x, in.a.t, xs, tscc);
  const double ps2 = SaturationPressure(t2);
  const double phi2 = Phi(in.pb, ps2, x2);
  if (phi2 >= 1) return Text(kTextCondensingCoilWaterSaturated);
  return Finish(t2, x2, phi2, ps2, phi2);
}

TreatmentOutcome CondensingCoilToTarget(const TreatmentInlet& in, double tscc, double phi_target) {
  if (auto f = CheckInlet(in, {tscc, phi_target})) return *f;
  const double xs = SaturatedCoilMoisture(in.pb, tscc);
  if (auto f = CheckCondensingCoil(in, tscc, xs)) return *f;
  if (auto f = CheckTarget(phi_target)) return *f;
  if (phi_target < in.a.phi) return Msg(TreatmentMessage::TargetUnreachable);
  double x2 = in.a.x, t2 = in.a.t, ps2 = 0, phi2 = 0;
  for (long k = 0;; ++k) {
    x2 = in.a.x - static_cast<double>(k) * kCoilStep;
    t2 = Interpolate(x2, in.a.x, in.a.t, xs, tscc);
    ps2 = SaturationPressure(t2);
    phi2 = Phi(in.pb, ps2, x2);
    if (!(phi2 < phi_target && phi2 < 1 && x2 > 0)) break;
  }
  if (phi2 > 1 || x2 <= 0) return Text(kTextCondensingCoilTargetSaturated);
  return Finish(t2, x2, phi2, ps2, (in.a.x - x2) * in.a.rho * in.air_flow);
}

// ---- Outlet point and window data ----------------------------------------

AirState OutletState(const TreatmentResult& r, double pb) {
  AirState s;
  s.t = r.t2;
  s.x = r.x2;
  s.phi = r.phi2;
  s.i = AirEnthalpy(r.t2, r.x2);
  s.rho = AirDensity(pb, r.t2, r.x2);
  s.pp = r.phi2 * r.ps2;
  s.pa = pb - s.pp;
  s.tw = WetBulbTemperature(pb, r.t2, r.x2);
  s.td = DewPointTemperature(pb, r.x2);
  return s;
}

LabelPosition OutletLabelPosition(TreatmentKind kind) {
  switch (kind) {
    case TreatmentKind::Heating:
      return LabelPosition::Top;
    case TreatmentKind::CoolingShr:
    case TreatmentKind::CoolingBypass:
    case TreatmentKind::AdiabaticCooling:
      return LabelPosition::Bottom;
    // Added moisture moves the point right on the chart, removed moisture
    // left: the label goes on the side away from the process line.
    case TreatmentKind::SteamHumidification:
    case TreatmentKind::WaterHumidification:
      return LabelPosition::Right;
    case TreatmentKind::CondensingDehumidification:
    case TreatmentKind::DesiccantDehumidification:
      return LabelPosition::Left;
  }
  return LabelPosition::Right;
}

namespace {
using Q = TreatmentQuantity;
constexpr TreatmentCaptions kCaptions[kTreatmentKindCount] = {
    {1284, 1292, 1293, TreatmentGroup::None,
     {"t2", Q::Temperature}, {"Qh-->", Q::Heat}, {"Qh", Q::Heat}, {"t2-->", Q::Temperature}},
    {1285, 1298, 1299, TreatmentGroup::Shr,
     {"tc", Q::Temperature}, {"Qc-->", Q::Heat}, {"Qh", Q::Heat}, {"tc-->", Q::Temperature}},
    {1286, 1296, 1297, TreatmentGroup::CoilTemperature,
     {"BF", Q::Percent}, {"tc-->", Q::Temperature}, {"BF", Q::Percent}, {"Qc-->", Q::Heat}},
    {1287, 1294, 1295, TreatmentGroup::None,
     {"t2", Q::Temperature}, {"h-->", Q::Percent}, {"h", Q::Percent}, {"t2-->", Q::Temperature}},
    {1288, 1300, 1301, TreatmentGroup::None,
     {"mw", Q::Water}, {"RH2-->", Q::Percent}, {"RH2", Q::Percent}, {"mw-->", Q::Water}},
    {1289, 1300, 1301, TreatmentGroup::None,
     {"mw", Q::Water}, {"RH2-->", Q::Percent}, {"RH2", Q::Percent}, {"mw-->", Q::Water}},
    {1290, 1300, 1301, TreatmentGroup::Shr,
     {"mw", Q::Water}, {"RH2-->", Q::Percent}, {"RH2", Q::Percent}, {"mw-->", Q::Water}},
    {1291, 1300, 1301, TreatmentGroup::None,
     {"mw", Q::Water}, {"RH2-->", Q::Percent}, {"RH2", Q::Percent}, {"mw-->", Q::Water}},
};
}  // namespace

const TreatmentCaptions& CaptionsOf(TreatmentKind kind) { return kCaptions[static_cast<int>(kind)]; }

const char* UnitLabel(TreatmentQuantity quantity, UnitSystem units) {
  const bool ip = units == UnitSystem::IP;
  switch (quantity) {
    case Q::Temperature:
      return ip ? "oF" : "oC";
    case Q::Heat:
      return ip ? "BTU/h" : "kW";
    case Q::Percent:
      return "%";
    case Q::Water:
      return ip ? "lb/h" : "kg/h";
  }
  return "";
}

double TypedToTreatmentValue(TreatmentQuantity quantity, double typed, UnitSystem units) {
  const bool ip = units == UnitSystem::IP;
  switch (quantity) {
    case Q::Temperature:
      return ip ? TemperatureToSI(typed) : typed;
    case Q::Heat:
      return ip ? HeatFlowToSI(typed) : typed;
    case Q::Percent:
      return typed / 100;
    case Q::Water:
      return ip ? MassToSI(typed) : typed;
  }
  return typed;
}

double TreatmentValueToShown(TreatmentQuantity quantity, double value, UnitSystem units) {
  const bool ip = units == UnitSystem::IP;
  switch (quantity) {
    case Q::Temperature:
      return ip ? TemperatureToIP(value) : value;
    case Q::Heat:
      return ip ? HeatFlowToIP(value) : value;
    case Q::Percent:
      return value * 100;
    case Q::Water:
      return ip ? MassToIP(value) : value;
  }
  return value;
}

const char* AirFlowUnitLabel(UnitSystem units) { return units == UnitSystem::IP ? "cfm" : "m3/h"; }

}  // namespace orvanta
