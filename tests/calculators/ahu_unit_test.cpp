// The air-handling unit chain against hand calculations from its formulas.
// All at pb = 101325 Pa with ps(t) = 610.5·e^(17.269·t/(237.3+t)),
// x = 0.622·φ·ps/(pb − φ·ps), ρ = pb·(1+x)/(462·(0.622+x)·(t+273.15)),
// i = 1.005·t + x·(2501 + 1.84·t).
#include <gtest/gtest.h>

#include <cmath>

#include "calculators/ahu/unit.h"

namespace orvanta {
namespace {

UnitInputs Winter() {
  UnitInputs in;
  in.t_outdoor = -20;
  in.phi_outdoor = 1.0;
  return in;  // Vn = Vw = 1000, tn = tw = 20, φw = 40 %, no cooler temperatures
}

TEST(AirHandlingUnit, WinterWithoutRecoveryOrMixing) {
  const UnitStates s = ComputeUnit(Winter());
  ASSERT_TRUE(s.ok());
  EXPECT_EQ(s.passes, 2);  // nothing written back: the two runs agree
  // Room: ps(20) = 2336.5, xw = 0.622·934.6/100390 = 0.0057917; ρs* = ρ(20, xw) = 1.19861.
  EXPECT_NEAR(s.w.x, 0.0057917, 1e-7);
  EXPECT_NEAR(s.rho_supply_star, 1.19861, 1e-5);
  // Outdoor: ps(−20) = 125.40, xcz = 0.00076563, ρcz = 1.39221; Vcz = 1000·ρs*/ρcz = 860.94.
  EXPECT_NEAR(s.cz.x, 0.00076563, 1e-8);
  EXPECT_NEAR(s.v_outdoor, 1000 * s.rho_supply_star / s.cz.rho, 1e-9);
  EXPECT_NEAR(s.v_outdoor, 860.94, 0.01);
  // ηt = ηx = r = 0: the air passes recovery and mixing unchanged.
  EXPECT_EQ(s.rot.t, -20);
  EXPECT_EQ(s.rec.t, -20);
  EXPECT_DOUBLE_EQ(s.rec.x, s.cz.x);
  EXPECT_EQ(s.recovery_sensible, 0);
  EXPECT_EQ(s.mixing_total, 0);
  // Heater: 860.94/3600·1.005·1.39221·(20 − (−20)) = 13.3845 kW.
  EXPECT_NEAR(s.heater_power, 13.3845, 1e-3);
  // Steam: ρn = ρ(20, 0.00076563) = 1.20224; 1000·1.20224·(0.0057917 − 0.00076563) = 6.0426 kg/h.
  EXPECT_NEAR(s.n.rho, 1.20224, 1e-5);
  EXPECT_NEAR(s.steam, 6.0426, 1e-3);
  // Discharge without recovery effect: twy = tcz + (tw − tcz) = tw, nothing condenses.
  EXPECT_NEAR(s.wy.t, 20, 1e-12);
  EXPECT_EQ(s.discharge_condensate, 0);
  EXPECT_NEAR(s.v_discharge, 1000, 1e-9);
  EXPECT_FALSE(s.cooler_computed);
  EXPECT_EQ(s.cooling_total, 0);
  EXPECT_EQ(ShownSupplyTemperature(s.settled, s), 20);
}

TEST(AirHandlingUnit, WinterWithRecoveryMixingAndCondensingDischarge) {
  UnitInputs in = Winter();
  in.phi_outdoor = 0.9;
  in.eta_t = 0.6;
  in.eta_x = 0.5;
  in.r = 0.3;
  const UnitStates s = ComputeUnit(in);
  ASSERT_TRUE(s.ok());
  // Vrec = 300, Vfs = Vex = 700; xcz = 0.00068898, ρcz = 1.39227, Vcz = 700·1.19861/1.39227 = 602.63.
  EXPECT_NEAR(s.v_recirc, 300, 1e-9);
  EXPECT_NEAR(s.v_outdoor, 602.63, 0.01);
  // Recovery: trot = −20 + 0.6·(20·700 − (−20)·700)/700 = 4; k = ηx (equal flows),
  // xrot = 0.5·0.00068898 + 0.5·0.0057917 = 0.0032404.
  EXPECT_NEAR(s.rot.t, 4, 1e-12);
  EXPECT_NEAR(s.rot.x, 0.0032404, 1e-7);
  // Powers: 602.63/3600·1.005·1.39227·24 = 5.6215 kW; total with irot − icz: 7.1201 kW.
  EXPECT_NEAR(s.recovery_sensible, 5.6215, 1e-3);
  EXPECT_NEAR(s.recovery_total, 7.1201, 1e-3);
  // Mixing: mr = 300·1.19861, mo = 602.63·1.39227 → trec = 8.8; xrec = (700·xrot + 300·xw)/1000 = 0.0040058.
  EXPECT_NEAR(s.rec.t, 8.8, 1e-4);
  EXPECT_NEAR(s.rec.x, 0.0040058, 1e-7);
  EXPECT_NEAR(s.mixing_sensible, 1.6061, 1e-3);  // 300/3600·1.005·1.19861·(20 − 4)
  EXPECT_NEAR(s.mixing_total, 2.2624, 1e-3);
  // Discharge: twy = −20 + 0.4·40 = −4, xwy = xcz + 0.5·(xw − xcz) = 0.0032403 > x″(−4) = 0.0027998:
  // saturated, condensate (0.0032403 − 0.0027998)·700·ρwy = 0.4033 kg/h, Vwy = 700·ρw/ρwy = 641.54.
  EXPECT_NEAR(s.wy.t, -4, 1e-9);
  EXPECT_DOUBLE_EQ(s.wy.phi, 1);
  EXPECT_NEAR(s.wy.x, 0.0027998, 1e-7);
  EXPECT_NEAR(s.discharge_condensate, 0.4033, 1e-3);
  EXPECT_NEAR(s.v_discharge, 641.54, 0.01);
  // Heater: 602.63/3600·1.005·1.39227·16 + 300/3600·1.005·ρn·0 = 3.7477 kW.
  EXPECT_NEAR(s.heater_power, 3.7477, 1e-3);
  EXPECT_NEAR(s.steam, 2.1430, 1e-3);  // 1000·1.19989·(0.0057917 − 0.0040058)
}

UnitInputs Summer() {
  UnitInputs in;
  in.t_outdoor = 30;
  in.phi_outdoor = 0.45;
  in.eta_t = 0.5;
  in.r = 0.2;
  in.t_supply = 18;
  in.t_room = 24;
  in.phi_room = 0.5;
  in.t_cooler_out = 14;
  in.t_cooler_surface = 8;
  return in;
}

TEST(AirHandlingUnit, SummerWithCoolerAndReheat) {
  const UnitStates s = ComputeUnit(Summer());
  ASSERT_TRUE(s.ok());
  // xw = x(24, 50 %) = 0.0092900, ρs* = ρ(18, xw) = 1.20433; xcz = x(30, 45 %) = 0.011939.
  EXPECT_NEAR(s.w.x, 0.0092900, 1e-7);
  // Outdoor warmer than the room: trot = 30 − (30 − 24)·0.5 = 27, ηx = 0 keeps xcz.
  EXPECT_NEAR(s.rot.t, 27, 1e-12);
  EXPECT_DOUBLE_EQ(s.rot.x, s.cz.x);
  EXPECT_NEAR(s.recovery_sensible, -0.8069, 1e-3);
  // Mixing 200 m3/h of room air: trec = 26.410, xrec = (800·0.011939 + 200·0.00929)/1000 = 0.011409.
  EXPECT_NEAR(s.rec.t, 26.4097, 1e-3);
  EXPECT_NEAR(s.rec.x, 0.011409, 1e-6);
  // Cooler: surface x″(8) = 0.0067016; xch = x″ + (14 − 8)/(26.410 − 8)·(0.011409 − x″) = 0.0082026.
  ASSERT_TRUE(s.cooler_computed);
  EXPECT_NEAR(s.ch.x, 0.0082026, 1e-7);
  // m = 1000·1.20433 kg/h; Qchc = m/3600·(irec − ich) = 6.9698 kW;
  // Qchj = m/3600·1.005·(26.410 − 14) = 4.1723 kW; condensate m·(xrec − xch) = 3.8616 kg/h.
  EXPECT_NEAR(s.cooling_total, 6.9698, 1e-3);
  EXPECT_NEAR(s.cooling_sensible, 4.1723, 1e-3);
  EXPECT_NEAR(s.cooler_condensate, 3.8616, 1e-3);
  // Reheat after the cooler: 1000/3600·ρ(18, xch)·1.005·(18 − 14) = 1.3457 kW.
  EXPECT_DOUBLE_EQ(s.n.x, s.ch.x);
  EXPECT_NEAR(s.heater_power, 1.3457, 1e-3);
  // Room moisture above the supply: 1000·1.20511·(0.00929 − 0.0082026) = 1.3104 kg/h.
  EXPECT_NEAR(s.steam, 1.3104, 1e-3);
}

TEST(AirHandlingUnit, CoolerWithoutBothTemperaturesCoolsNothing) {
  for (int which = 0; which < 2; ++which) {
    UnitInputs in = Summer();
    (which ? in.t_cooler_out : in.t_cooler_surface).reset();
    const UnitStates s = ComputeUnit(in);
    ASSERT_TRUE(s.ok());
    EXPECT_FALSE(s.cooler_computed);
    EXPECT_EQ(s.cooling_total, 0);
    EXPECT_EQ(s.cooling_sensible, 0);
    EXPECT_DOUBLE_EQ(s.n.x, s.rec.x);
  }
}

TEST(AirHandlingUnit, FullRecirculationAndFlowLimits) {
  UnitInputs in = Winter();
  in.r = 1.0;  // taken as 0.999999
  UnitStates s = ComputeUnit(in);
  ASSERT_TRUE(s.ok());
  EXPECT_NEAR(s.v_recirc, 999.999, 1e-9);
  EXPECT_NEAR(s.v_fresh, 0.001, 1e-9);

  in = Winter();
  in.v_supply = 3001;
  EXPECT_EQ(ComputeUnit(in).status, UnitStatus::Empty);  // beyond 3:1 in user mode
  in.v_supply = 3000;
  EXPECT_TRUE(ComputeUnit(in).ok());
  in.v_supply = 332;
  EXPECT_EQ(ComputeUnit(in).status, UnitStatus::Empty);
  // The balance sets the flows itself, so the ratio is not checked.
  in = Winter();
  in.v_supply = 3001;
  in.mode = ExhaustMode::Balance;
  in.auto_flow = false;
  in.q_gains = -10;
  in.w_gains = 2;
  EXPECT_NE(ComputeUnit(in).status, UnitStatus::Empty);
}

TEST(AirHandlingUnit, UnusableNumbersEmptyTheOutputs) {
  UnitInputs in = Winter();
  in.t_outdoor = std::nan("");
  EXPECT_EQ(ComputeUnit(in).status, UnitStatus::Empty);
  in = Winter();
  in.v_exhaust = 0;
  EXPECT_EQ(ComputeUnit(in).status, UnitStatus::Empty);
  in = Winter();
  in.mode = ExhaustMode::Balance;
  in.q_gains = 5;
  in.w_gains = 0;  // ε infinite
  EXPECT_EQ(ComputeUnit(in).status, UnitStatus::Empty);
  EXPECT_EQ(ComputeUnit(in).text(), 0);
}

TEST(AirHandlingUnit, BalanceSettlesFlowsAndRoomHumidityOnTheEpsilonLine) {
  UnitInputs in = Summer();
  in.mode = ExhaustMode::Balance;
  in.q_gains = 5;    // kW
  in.w_gains = 1.8;  // kg/h → ε = 5·3600/1.8 = 10000 kJ/kg
  const UnitStates s = ComputeUnit(in);
  ASSERT_TRUE(s.ok()) << s.Message();
  EXPECT_GE(s.passes, 2);
  EXPECT_LT(s.passes, kMaxUnitPasses);
  EXPECT_NEAR(s.epsilon, 10000, 1e-9);
  EXPECT_EQ(s.steam, 0);
  // The end state is the supply (heater on); the room lies on its ε line at tw.
  EXPECT_NEAR((s.w.i - s.n.i) / (s.w.x - s.n.x), 10000, 1);
  EXPECT_EQ(s.w.t, 24);
  // Flows written back as integers, equal; the mass flow carries Qc: G = Qc·3600/(iw − in).
  EXPECT_EQ(s.settled.v_supply, std::round(s.settled.v_supply));
  EXPECT_EQ(s.settled.v_exhaust, s.settled.v_supply);
  const double g = 5 * 3600 / (s.w.i - s.n.i);
  EXPECT_NEAR(s.settled.v_supply, g / s.n.rho, 0.5);
  // The room humidity written back with two decimals of a percent.
  EXPECT_NEAR(s.settled.phi_room * 100, std::round(s.w.phi * 10000) / 100, 1e-9);
  // Run once more from the settled inputs: nothing changes any more.
  const UnitStates again = ComputeUnitPass(s.settled, s);
  EXPECT_EQ(again.settled.v_supply, s.settled.v_supply);
  EXPECT_EQ(again.settled.phi_room, s.settled.phi_room);
}

TEST(AirHandlingUnit, BalanceBelowZeroMoistureGivesText224) {
  UnitInputs in = Summer();
  in.mode = ExhaustMode::Balance;
  in.q_gains = 5;
  in.w_gains = 9;  // ε = 2000: (2534 − 2000)·0.0082 + 1.005·(18 − 24) < 0
  const UnitStates s = ComputeUnit(in);
  EXPECT_EQ(s.status, UnitStatus::RoomMoistureNotPositive);
  EXPECT_EQ(s.text(), 224);
}

TEST(AirHandlingUnit, SwitchedOffSectionsWriteBackWhatTheyPassOn) {
  // Without a humidifier the room takes the supply moisture: φw = φ(20, xn), written with one decimal.
  UnitInputs in = Winter();
  in.sections.humidifier = false;
  UnitStates s = ComputeUnit(in);
  ASSERT_TRUE(s.ok());
  EXPECT_EQ(s.steam, 0);
  EXPECT_NEAR(s.settled.phi_room * 100, 5.3, 1e-12);  // x = 0.00076563 at 20 °C: 5.33 %
  EXPECT_NEAR(s.w.x, MoistureContent(101325, SaturationPressure(20), 0.053), 1e-12);
  EXPECT_GE(s.passes, 2);

  // Without a heater the supply leaves at trec (2 decimals) and the heater does nothing.
  in = Winter();
  in.eta_t = 0.6;
  in.r = 0.3;
  in.sections.heater = false;
  s = ComputeUnit(in);
  ASSERT_TRUE(s.ok());
  EXPECT_EQ(s.heater_power, 0);
  EXPECT_NEAR(s.settled.t_supply, s.rec.t, 0.005);
  EXPECT_EQ(s.n.t, s.settled.t_supply);
  EXPECT_EQ(ShownSupplyTemperature(s.settled, s), s.rec.t);

  // Recovery off: the discharge is the exhaust air, the efficiencies do not count.
  in = Winter();
  in.eta_t = 0.6;
  in.eta_x = 0.5;
  in.sections.recovery = false;
  s = ComputeUnit(in);
  ASSERT_TRUE(s.ok());
  EXPECT_EQ(s.rot.t, -20);
  EXPECT_EQ(s.wy.t, 20);
  EXPECT_DOUBLE_EQ(s.wy.x, s.w.x);
}

}  // namespace
}  // namespace orvanta
