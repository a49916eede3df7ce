// Twelve fittings of different kinds confirmed one after another with the
// default basic data (ρ = 1.197 kg/m3, ν = 1.5e-5 m2/s, k = 0.15 mm),
// compared with values worked out by hand from the tables in data/calc.
// Dynamic pressure pd = 0.5·1.197·w²; round velocity Wr = V·4/(3.1415·d²·3600).
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "ductcalc/section_losses.h"

namespace orvanta {
namespace {

const std::filesystem::path kCalc = std::filesystem::path(ORVANTA_DATA_SOURCE_DIR) / "calc";

struct Expected {
  const char* what;
  FittingInputs in;
  double zeta;        // local ζ, by hand
  double stored_dpl;  // [Pa]
  double stored_dpc;  // [Pa]
};

FittingInputs Base(int kind) {
  FittingInputs in;
  in.kind = kind;
  in.k_mm = 0.15;
  return in;
}

std::vector<Expected> HandRun() {
  std::vector<Expected> run;
  {
    // Ø100, L 2 m, 100 m3/h: w = 3.5369, Re = 23 579, λ = 0.0281 (first step with 1/√λ below
    // the Colebrook right side), dpl = 0.0281·20·0.5·1.197·3.5369² = 4.2077.
    auto in = Base(kRoundDuct);
    in.length_mm = 2000, in.phi1_mm = 100, in.vc = 100;
    run.push_back({"straight round duct", in, 0, 4.21, 4.21});
  }
  {
    // Smooth bend Ø200, 90°, R/D 1: ζ = 0.22·1.00 = 0.22; 565.5 m3/h → w = 5.0003,
    // pd = 14.964, dpm = 3.292.
    auto in = Base(kRoundBend);
    in.length_mm.reset();
    in.phi1_mm = 200, in.angle_deg = 90, in.r_over_d = 1, in.vc = 565.5;
    run.push_back({"round bend", in, 0.22, 0, 3.29});
  }
  {
    // Offset Ø160, e/L = 135/300 = 0.45: ζ = (0.26 + 0.35)/2 = 0.305 (column 160 exactly);
    // 400 m3/h → w = 5.5264, pd = 18.279, dpm = 5.5750.
    auto in = Base(kRoundOffset);
    in.length_mm = 300, in.phi1_mm = 160, in.e_mm = 135, in.vc = 400;
    run.push_back({"round offset", in, 0.305, 0, 5.58});
  }
  {
    // Tee Ø160/160, diverging, branch, 90°: Ab/Ac = 1, Qb/Qc = 0.5, A = 1 − 0.6·0.5 = 0.7,
    // ζ = 0.7·(1 + 0.25 − 2·0.5·cos 90°) = 0.875, tabulated 0.88; 600 m3/h → w = 8.2896, pd = 41.127,
    // dpm = 36.19.
    auto in = Base(kRoundTee);
    in.length_mm = 300, in.phi1_mm = 160, in.phi2_mm = 160, in.angle_deg = 90;
    in.tee_path = 1, in.tee_flow = 0, in.vc = 600, in.vb = 300;
    run.push_back({"round tee", in, 0.88, 0, 36.19});
  }
  {
    // Symmetric wye Ø200/160, diverging, 45°: w2/w1 = 0.5·(0.2/0.16)² = 0.78125, between 0.6 (0.38)
    // and 0.8 (0.29): 0.38 − 0.90625·0.09 = 0.29844; 1000 m3/h → w = 8.8422, pd = 46.793,
    // dpm = 13.965.
    auto in = Base(kRoundYBranch);
    in.length_mm = 300, in.phi1_mm = 200, in.phi2_mm = 160, in.angle_deg = 45;
    in.tee_flow = 0, in.vc = 1000, in.vb = 500;
    run.push_back({"round symmetric wye", in, 0.2984375, 0, 13.96});
  }
  {
    // Reducer Ø100 → Ø200, L 50: α = 2·atan(100/100) = 90°, (φ1/φ2)² = 0.25 → 0.64 (expansion);
    // 300 m3/h → w = 10.6106, pd = 67.383, dpm = 43.125.
    auto in = Base(kRoundReducer);
    in.length_mm = 50, in.phi1_mm = 100, in.phi2_mm = 200, in.vc = 300;
    run.push_back({"round reducer", in, 0.64, 0, 43.12});
  }
  {
    // Rectangular 400 × 200, L 5 m, 2880 m3/h: w = 10, Dh = 0.26667, Re = 177 778,
    // λ = 0.01933, dpl = 0.01933·18.75·59.85 = 21.692.
    auto in = Base(kRectDuct);
    in.length_mm = 5000, in.a_mm = 400, in.b_mm = 200, in.vc = 2880;
    run.push_back({"straight rectangular duct", in, 0, 21.69, 21.69});
  }
  {
    // Radius bend 200 × 200, 90°, R/D 1, B/A = 1: ζ = 0.21; 720 m3/h → w = 5, pd = 14.9625,
    // dpm = 3.1421.
    auto in = Base(kRectBend);
    in.length_mm.reset();
    in.a_mm = 200, in.b_mm = 200, in.angle_deg = 90, in.r_over_d = 1, in.vc = 720;
    run.push_back({"rectangular radius bend", in, 0.21, 0, 3.14});
  }
  {
    // Converging tee 200 × 200 / 100 × 100, branch, 90°: w1 = 5 ≤ 6 → row 5, Qb/Qc = 0.5 → 1.03;
    // dpm = 1.03·14.9625 = 15.411.
    auto in = Base(kRectTee);
    in.length_mm = 300, in.a_mm = 200, in.b_mm = 200, in.c_mm = 100, in.d_mm = 100, in.angle_deg = 90;
    in.tee_path = 1, in.tee_flow = 1, in.vc = 720, in.vb = 360;
    run.push_back({"rectangular converging tee", in, 1.03, 0, 15.41});
  }
  {
    // Rectangular roof intake 200 × 200, L 100: row 0°, L/Dh = 100/200 = 0.5 → 1.31;
    // dpm = 1.31·14.9625 = 19.601.
    auto in = Base(kRectRoofHood);
    in.length_mm = 100, in.a_mm = 200, in.b_mm = 200, in.vc = 720, in.intake = true;
    run.push_back({"rectangular roof intake", in, 1.31, 0, 19.60});
  }
  {
    // Rectangular reducer 400 × 200 → 200 × 200, L 200: |A − C| = 200 ≥ |B − D| = 0,
    // α = 2·atan(0.5) = 53.130°; AB/CD = 2 (contraction): 0.22 at 45°, 0.20 at 60° →
    // 0.22 − (8.130/15)·0.02 = 0.20916; w = 10, dpm = 0.20916·59.85 = 12.518.
    auto in = Base(kRectReducer);
    in.length_mm = 200, in.a_mm = 400, in.b_mm = 200, in.c_mm = 200, in.d_mm = 200, in.vc = 2880;
    run.push_back({"rectangular reducer", in, 0.20915986, 0, 12.52});
  }
  {
    // Flexible duct Ø200, L 3 m, 90°: ζ = 0.42; w = 5.0003, Re = 66 670, λ = 0.02237,
    // dpl = 0.02237·15·14.964 = 5.0212, dpm = 0.42·14.964 = 6.2849, dpc = 11.306.
    auto in = Base(kFlexDuct);
    in.length_mm = 3000, in.phi1_mm = 200, in.angle_deg = 90, in.vc = 565.5;
    run.push_back({"flexible duct", in, 0.42, 5.02, 11.31});
  }
  return run;
}

TEST(PhysicsRun, TwelveFittingsMatchTheHandCalculation) {
  LossTableStore tables(kCalc);
  ConfirmContext ctx;
  ctx.air = {1.197, 1.5e-5};
  ctx.shown_total = 0;
  double hand_total = 0;
  for (const auto& e : HandRun()) {
    const auto out = ConfirmFitting(e.in, ctx, tables);
    ASSERT_TRUE(out.ok()) << e.what << ": " << out.refusal->message << " (" << out.refusal->text << ")";
    const auto& r = out.results;
    EXPECT_NEAR(r.local.zeta, e.zeta, 1e-6) << e.what;
    EXPECT_DOUBLE_EQ(r.stored_dpl, e.stored_dpl) << e.what;
    EXPECT_DOUBLE_EQ(r.stored_dpc, e.stored_dpc) << e.what;
    EXPECT_NEAR(r.stored_zeta, e.zeta, 0.005 + 1e-9) << e.what;  // no additional loss
    hand_total += e.stored_dpc;
    ctx.last_total = r.total;
    ctx.shown_total = r.shown_total;
  }
  // 4.21 + 3.29 + 5.58 + 36.19 + 13.96 + 43.12 + 21.69 + 3.14 + 15.41 + 19.60 + 12.52 + 11.31
  // = 190.02; the sheet rounds the running total after each fitting.
  EXPECT_NEAR(ctx.shown_total.value_or(0), 190.02, 0.02);
  EXPECT_NEAR(hand_total, 190.02, 1e-9);

  // Confirming the same run again reads no file a second time.
  const int reads = tables.files_read();
  for (const auto& e : HandRun()) ASSERT_TRUE(ConfirmFitting(e.in, ctx, tables).ok());
  EXPECT_EQ(tables.files_read(), reads);
  EXPECT_EQ(reads, 9);  // the nine kinds above that use a table file
}

}  // namespace
}  // namespace orvanta
