// Basic data, velocities, friction factor, section losses, the running total
// and the confirm's refusals.
#include <cmath>
#include <filesystem>
#include <limits>

#include <gtest/gtest.h>

#include "ductcalc/basic_data.h"
#include "ductcalc/friction.h"
#include "ductcalc/section_losses.h"
#include "ductcalc/velocities.h"

namespace orvanta {
namespace {

const std::filesystem::path kCalc = std::filesystem::path(ORVANTA_DATA_SOURCE_DIR) / "calc";

// The search as the fitting window makes it, step by step; the reference for
// the bisection in FrictionFactor.
double SteppedFrictionFactor(double re, double k, double dh) {
  double lambda = 0;
  for (;;) {
    lambda += 1e-5;
    const double left = 1 / std::sqrt(lambda);
    const double right = -2 * std::log10(2.51 / (re * std::sqrt(lambda)) + 0.2695 * k / dh);
    if (left < right) return lambda;
    if (lambda > kFrictionMax) return -1;
  }
}

FittingInputs StraightRound() {
  FittingInputs in;
  in.kind = kRoundDuct;
  in.length_mm = 2000;
  in.phi1_mm = 100;
  in.vc = 100;
  in.k_mm = 0.15;
  return in;
}

TEST(PhysicsBasicData, DefaultsGiveTheShownDensityAndViscosity) {
  const auto d = BasicData(20, 50, 101300);
  ASSERT_TRUE(d);
  EXPECT_DOUBLE_EQ(d->rho, 1.197);
  EXPECT_DOUBLE_EQ(d->nu, 1.5e-5);
  // Warmer, drier air is lighter; the viscosity grows with temperature.
  const auto hot = BasicData(40, 20, 101300);
  ASSERT_TRUE(hot);
  EXPECT_LT(hot->rho, d->rho);
  EXPECT_GT(hot->nu, d->nu);
}

TEST(PhysicsBasicData, AirThatCannotExistIsRefused) {
  EXPECT_FALSE(BasicData(20, 50, 0));
  EXPECT_FALSE(BasicData(20, 50, -5));
  EXPECT_FALSE(BasicData(100, 100, 100000));  // vapour pressure above pb
  EXPECT_FALSE(BasicData(-300, 50, 101300));
  EXPECT_FALSE(BasicData(std::nan(""), 50, 101300));
  EXPECT_FALSE(BasicData(20, -1, 101300));
}

TEST(PhysicsVelocities, RoundRectangularAndTwoSectionKinds) {
  auto in = StraightRound();
  auto v = FittingVelocities(in);
  // 100·4/(3.1415·0.01·3600) = 3.53688
  EXPECT_NEAR(v.w1, 3.537, 0.0005);
  EXPECT_DOUBLE_EQ(v.dh1, 0.1);
  EXPECT_EQ(v.dh2, 0);

  FittingInputs tee;
  tee.kind = kRectTee;
  tee.a_mm = 200, tee.b_mm = 100, tee.c_mm = 100, tee.d_mm = 100;
  tee.vc = 720, tee.vb = 180;
  v = FittingVelocities(tee);
  EXPECT_NEAR(v.w1, 10, 1e-12);  // 720/(0.02·3600)
  EXPECT_NEAR(v.w2, 5, 1e-12);   // 180/(0.01·3600)
  EXPECT_NEAR(v.ws, 7.5, 1e-12);  // 540/(0.02·3600)
  EXPECT_NEAR(v.dh1, 2 * 0.2 * 0.1 / 0.3, 1e-15);
  EXPECT_NEAR(v.dh2, 0.1, 1e-15);

  // Rectangle to round: w1 is the rectangle's, w2 the circle's.
  FittingInputs rr;
  rr.kind = kRectToRound;
  rr.phi1_mm = 100, rr.c_mm = 100, rr.d_mm = 100, rr.vc = 36;
  v = FittingVelocities(rr);
  EXPECT_NEAR(v.w1, 1, 1e-12);
  EXPECT_NEAR(v.w2, 36 * 4 / (3.1415 * 0.01 * 3600), 1e-12);
  // A used dimension of 0 gives velocity 0, never infinity.
  rr.c_mm = 0;
  EXPECT_EQ(FittingVelocities(rr).w1, 0);
}

TEST(PhysicsFriction, BisectionStopsWhereTheSteppingStops) {
  // The worked duct: Re ≈ 23 580, λ = 0.0281.
  const double w = 100 * 4 / (3.1415 * 0.01 * 3600);
  const double re = w * 0.1 / 1.5e-5;
  EXPECT_NEAR(re, 23580, 1);
  const auto lambda = FrictionFactor(re, 0.15e-3, 0.1);
  ASSERT_TRUE(lambda);
  EXPECT_NEAR(*lambda, 0.0281, 1e-12);
  struct Case {
    double re, k, dh;
  };
  for (const Case c : {Case{2000, 0.15e-3, 0.1}, Case{23579.2, 0.15e-3, 0.1}, Case{1e5, 0.007e-3, 0.3},
                       Case{3e6, 3e-3, 1.0}, Case{5e4, 0, 0.2}, Case{1e4, 5e-3, 0.08}}) {
    const double stepped = SteppedFrictionFactor(c.re, c.k, c.dh);
    const auto fast = FrictionFactor(c.re, c.k, c.dh);
    ASSERT_TRUE(fast) << c.re;
    EXPECT_EQ(std::llround(stepped / 1e-5), std::llround(*fast / 1e-5)) << c.re << " " << c.k;
    EXPECT_NEAR(stepped, *fast, 1e-12);
  }
}

TEST(PhysicsFriction, NoRootOrNoFlowGivesNoFactor) {
  EXPECT_FALSE(FrictionFactor(0, 0.15e-3, 0.1));
  EXPECT_FALSE(FrictionFactor(1e4, 0.15e-3, 0));
  EXPECT_FALSE(FrictionFactor(1e4, -1, 0.1));
  EXPECT_FALSE(FrictionFactor(1e4, 1.0, 0.1));  // roughness of ten diameters: no root
  EXPECT_FALSE(FrictionFactor(std::numeric_limits<double>::infinity(), 0, 0.1));
}

TEST(PhysicsSectionLosses, WorkedDuctAndAdditionalLossPair) {
  const double w = 100 * 4 / (3.1415 * 0.01 * 3600);
  auto r = SectionLosses(kRoundDuct, 0.0281, 2.0, 0.1, w, 0, 0, 1.197);
  // 0.0281·(2/0.1)·0.5·1.197·3.53688² = 4.2077
  EXPECT_NEAR(r.dpl, 4.21, 0.005);
  EXPECT_DOUBLE_EQ(r.dpc, r.dpl);
  // Bends have no friction whatever λ and L say.
  r = SectionLosses(kRoundBend, 0.03, 2.0, 0.1, 5, 0.2, 1.5, 1.2);
  EXPECT_EQ(r.dpl, 0);
  EXPECT_NEAR(r.dpm, 0.2 * 0.5 * 1.2 * 25, 1e-12);
  EXPECT_NEAR(r.dpc, r.dpm + 1.5, 1e-12);

  EXPECT_DOUBLE_EQ(*AdditionalZetaFromPressure(10, 1.2, 5), 0.67);  // 20/30
  EXPECT_DOUBLE_EQ(*AdditionalPressureFromZeta(2, 1.2, 5), 30);
  EXPECT_FALSE(AdditionalZetaFromPressure(10, 1.2, 0));
  EXPECT_FALSE(AdditionalPressureFromZeta(2, 1.2, 0));
}

TEST(PhysicsRunningTotal, AddsAndEditReplacesTheStoredLoss) {
  EXPECT_DOUBLE_EQ(RunningTotal(12.5, 0, std::nullopt, 2.25), 14.75);
  EXPECT_DOUBLE_EQ(RunningTotal(std::nullopt, 7, std::nullopt, 1), 8);  // empty field: the last total
  // Editing a fitting stored with dpc 4.21 whose new dpc is 6.00: Σ 20.00 → 21.79.
  EXPECT_NEAR(RunningTotal(20.0, 0, 4.21, 6.0), 21.79, 1e-12);
}

TEST(PhysicsConfirm, WorkedStraightDuct) {
  LossTableStore tables(kCalc);
  ConfirmContext ctx;
  ctx.shown_total = 0;
  const auto out = ConfirmFitting(StraightRound(), ctx, tables);
  ASSERT_TRUE(out.ok()) << out.refusal->message;
  const auto& r = out.results;
  EXPECT_DOUBLE_EQ(r.stored_wc, 3.537);
  EXPECT_NEAR(r.re, 23579.2, 0.1);
  EXPECT_NEAR(r.lambda, 0.0281, 1e-12);
  EXPECT_DOUBLE_EQ(r.stored_dpl, 4.21);
  EXPECT_DOUBLE_EQ(r.stored_dpc, 4.21);
  EXPECT_DOUBLE_EQ(r.stored_dpm, 0);
  EXPECT_DOUBLE_EQ(r.stored_dh1, 100);
  EXPECT_DOUBLE_EQ(r.stored_dh2, 0);
  EXPECT_DOUBLE_EQ(r.shown_total, 4.21);
  EXPECT_EQ(tables.files_read(), 0);  // a straight duct needs no table
}

TEST(PhysicsStore, ResultsGoIntoTheRecordWithTheSeparatorAndNeverAsNaN) {
  LossTableStore tables(kCalc);
  ConfirmContext ctx;
  ctx.shown_total = 0;
  const auto out = ConfirmFitting(StraightRound(), ctx, tables);
  ASSERT_TRUE(out.ok());
  FittingRecord record;
  record.Text(FittingField::Name) = "kept";
  ASSERT_TRUE(StoreFittingResults(out.results, ',', record));
  EXPECT_EQ(record.Text(FittingField::VelocityMain), "3,537");
  EXPECT_EQ(record.Text(FittingField::VelocityBranch), "0");
  EXPECT_EQ(record.Text(FittingField::FrictionLoss), "4,21");
  EXPECT_EQ(record.Text(FittingField::LocalLoss), "0");
  EXPECT_EQ(record.Text(FittingField::TotalLoss), "4,21");
  EXPECT_EQ(record.Text(FittingField::ExtraLoss), "0");
  EXPECT_EQ(record.Text(FittingField::HydraulicDiameterMain), "100");
  EXPECT_EQ(record.Text(FittingField::Name), "kept");
  FittingRecord dotted;
  ASSERT_TRUE(StoreFittingResults(out.results, '.', dotted));
  EXPECT_EQ(dotted.Text(FittingField::VelocityMain), "3.537");

  // One value that is not finite: nothing at all is written.
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    FittingResults broken = out.results;
    broken.stored_dh2 = bad;
    FittingRecord untouched = record;
    EXPECT_FALSE(StoreFittingResults(broken, ',', untouched));
    EXPECT_EQ(untouched, record);
  }
}

TEST(PhysicsConfirm, AdditionalLossEntersTheStoredZetaAndTheTotal) {
  LossTableStore tables(kCalc);
  ConfirmContext ctx;
  ctx.air = {1.2, 1.5e-5};
  ctx.shown_total = 3;
  FittingInputs in;
  in.kind = kRectGrille;  // ζ = 0, no friction
  in.a_mm = 100, in.b_mm = 100;
  in.vc = 180;  // 5 m/s
  in.dpp = 10;
  auto out = ConfirmFitting(in, ctx, tables);
  ASSERT_TRUE(out.ok());
  EXPECT_DOUBLE_EQ(out.results.zeta_add, 0.67);
  EXPECT_DOUBLE_EQ(out.results.stored_zeta, 0.67);
  EXPECT_DOUBLE_EQ(out.results.stored_dpc, 10);
  EXPECT_DOUBLE_EQ(out.results.shown_total, 13);

  // Coefficient given: dpp = 2·0.5·1.2·25 = 30 Pa is what the loss uses.
  in.zeta_add_given = true;
  in.zeta_add = 2;
  out = ConfirmFitting(in, ctx, tables);
  ASSERT_TRUE(out.ok());
  EXPECT_DOUBLE_EQ(out.results.stored_dpp, 30);
  EXPECT_DOUBLE_EQ(out.results.stored_dpc, 30);
  EXPECT_DOUBLE_EQ(out.results.stored_zeta, 2);

  // Edit mode: the record stored with dpc 10 is replaced; 13 − 10 + 30.
  ctx.shown_total = 13;
  ctx.replaced_stored_dpc = 10;
  out = ConfirmFitting(in, ctx, tables);
  ASSERT_TRUE(out.ok());
  EXPECT_DOUBLE_EQ(out.results.shown_total, 33);
}

TEST(PhysicsConfirm, RefusalsInTheirOrder) {
  LossTableStore tables(kCalc);
  ConfirmContext ctx;
  auto in = StraightRound();
  in.length_mm.reset();
  in.vc.reset();
  in.k_mm.reset();
  EXPECT_EQ(ConfirmFitting(in, ctx, tables).refusal->text, 663);  // length first
  in.length_mm = 2000;
  EXPECT_EQ(ConfirmFitting(in, ctx, tables).refusal->text, 664);
  in.vc = 0.0;  // "0" or "0,0"
  EXPECT_EQ(ConfirmFitting(in, ctx, tables).refusal->text, 664);
  in.vc = -50;
  EXPECT_EQ(ConfirmFitting(in, ctx, tables).refusal->text, 664);
  in.vc = 100;
  EXPECT_EQ(ConfirmFitting(in, ctx, tables).refusal->text, 665);
  in.k_mm = -0.1;
  auto out = ConfirmFitting(in, ctx, tables);
  EXPECT_EQ(out.refusal->text, 0);
  EXPECT_NE(out.refusal->message.find("roughness"), std::string::npos);
  in.k_mm = 0.15;
  in.dpp.reset();  // an empty additional loss counts as 0
  EXPECT_TRUE(ConfirmFitting(in, ctx, tables).ok());

  // A bend and a grille need no length.
  FittingInputs bend;
  bend.kind = kRoundBend;
  bend.length_mm.reset();
  bend.phi1_mm = 100, bend.angle_deg = 90, bend.r_over_d = 1, bend.vc = 100;
  EXPECT_TRUE(ConfirmFitting(bend, ctx, tables).ok());
}

TEST(PhysicsConfirm, ZeroAndNegativeSizesAreRefusedWithTheirName) {
  LossTableStore tables(kCalc);
  ConfirmContext ctx;
  auto in = StraightRound();
  in.phi1_mm = 0;
  auto out = ConfirmFitting(in, ctx, tables);
  ASSERT_FALSE(out.ok());
  EXPECT_NE(out.refusal->message.find("φ1"), std::string::npos);

  FittingInputs tee;
  tee.kind = kRectTee;
  tee.length_mm = 300;
  tee.a_mm = 160, tee.b_mm = 160, tee.c_mm = 100, tee.d_mm = -100;
  tee.angle_deg = 90, tee.vc = 500, tee.vb = 100;
  out = ConfirmFitting(tee, ctx, tables);
  ASSERT_FALSE(out.ok());
  EXPECT_NE(out.refusal->message.find("D must be greater"), std::string::npos);
  tee.d_mm = 100;
  tee.vb = -1;
  EXPECT_NE(ConfirmFitting(tee, ctx, tables).refusal->message.find("Vb"), std::string::npos);
  tee.vb = 100;
  tee.length_mm = -300;
  EXPECT_NE(ConfirmFitting(tee, ctx, tables).refusal->message.find("length"), std::string::npos);

  // An offset divides by its length: L = 0 is refused, not stored as infinity.
  FittingInputs off;
  off.kind = kRoundOffset;
  off.length_mm = 0, off.phi1_mm = 100, off.e_mm = 100, off.vc = 100;
  out = ConfirmFitting(off, ctx, tables);
  ASSERT_FALSE(out.ok());
  EXPECT_NE(out.refusal->message.find("greater than 0"), std::string::npos);
}

TEST(PhysicsConfirm, EveryKindGivesFiniteResultsOrARefusal) {
  // Wild but accepted inputs for all 24 kinds: results are finite whenever
  // the confirm accepts them.
  LossTableStore tables(kCalc);
  ConfirmContext ctx;
  for (int kind = 1; kind <= kFittingKindCount; ++kind) {
    for (double vc : {1e-6, 1.0, 1e7}) {
      for (double size : {1.0, 100.0, 8000.0}) {
        FittingInputs in;
        in.kind = kind;
        in.length_mm = size;
        in.phi1_mm = size, in.phi2_mm = size / 2;
        in.a_mm = size, in.b_mm = size / 4, in.c_mm = size / 2, in.d_mm = size / 3;
        in.angle_deg = 90, in.r_over_d = 1, in.e_mm = size / 3;
        in.vc = vc, in.vb = vc / 2;
        const auto out = ConfirmFitting(in, ctx, tables);
        if (!out.ok()) continue;
        const auto& r = out.results;
        for (double x : {r.stored_wc, r.stored_wb, r.stored_zeta, r.stored_dpl, r.stored_dpm, r.stored_dpc,
                         r.stored_dh1, r.stored_dh2, r.shown_total, r.lambda})
          EXPECT_TRUE(std::isfinite(x)) << "kind " << kind << " vc " << vc << " size " << size;
      }
    }
  }
}

}  // namespace
}  // namespace orvanta
