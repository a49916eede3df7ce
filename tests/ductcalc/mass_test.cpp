// Mass estimate of fittings.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "ductcalc/fitting_mass.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

constexpr double kPi = std::numbers::pi;

FittingInputs Round200() {
  FittingInputs in;
  in.kind = kRoundDuct;
  in.length_mm = 1000;
  in.phi1_mm = 200;
  in.wall_mm = 0.63, in.wall_density = 7350;
  in.insulation_mm = 0, in.insulation_density = 37;
  return in;
}

double Mass(const FittingInputs& in) {
  const auto m = FittingMass(in);
  EXPECT_TRUE(m) << "kind " << in.kind;
  return m.value_or(-1);
}

TEST(MassRound, StraightDuctInsulationAndMultiples) {
  auto in = Round200();
  const double bare = Mass(in);
  EXPECT_NEAR(bare, 7350 * kPi * (0.1 * 0.1 - 0.09937 * 0.09937), 1e-9);
  EXPECT_DOUBLE_EQ(RoundToStep(bare, 0.1), 2.9);
  in.insulation_mm = 40;
  const double insulated = Mass(in);
  EXPECT_NEAR(insulated - bare, 37 * kPi * (0.14 * 0.14 - 0.1 * 0.1), 1e-9);
  EXPECT_DOUBLE_EQ(RoundToStep(insulated, 0.1), 4.0);
  in.kind = kRoundSilencer;
  EXPECT_NEAR(Mass(in), 3 * insulated, 1e-9);
  in.kind = kRoundFan;
  EXPECT_NEAR(Mass(in), 4 * insulated, 1e-9);
  in.kind = kFlexDuct;
  EXPECT_NEAR(Mass(in), 0.5 * insulated, 1e-9);
  in.kind = kRoundOffset;
  EXPECT_NEAR(Mass(in), insulated, 1e-9);
}

TEST(MassRound, BendUsesTheCentrelineArcAndAWallAroundTheDiameter) {
  auto in = Round200();
  in.kind = kRoundBend;
  in.angle_deg = 90, in.r_over_d = 1;
  // arc = 1·0.2·π/2; wall ring 0.09937 … 0.10063 m.
  const double arc = 0.2 * kPi / 2;
  EXPECT_NEAR(Mass(in), arc * 7350 * kPi * (0.10063 * 0.10063 - 0.09937 * 0.09937), 1e-9);
  in.angle_deg = 45;
  EXPECT_NEAR(Mass(in), arc / 2 * 7350 * kPi * (0.10063 * 0.10063 - 0.09937 * 0.09937), 1e-9);
}

TEST(MassRectangular, StraightDuctGrilleAndMultiples) {
  FittingInputs in;
  in.kind = kRectDuct;
  in.length_mm = 1000;
  in.a_mm = 500, in.b_mm = 250;
  in.wall_mm = 0.75, in.wall_density = 7350, in.insulation_mm = 0;
  const double duct = Mass(in);
  EXPECT_NEAR(duct, 7350 * (0.5015 * 0.2515 - 0.4985 * 0.2485), 1e-9);
  EXPECT_DOUBLE_EQ(RoundToStep(duct, 0.1), 16.5);
  in.kind = kRectSilencer;
  EXPECT_NEAR(Mass(in), 3 * duct, 1e-9);
  in.kind = kRectFan;
  EXPECT_NEAR(Mass(in), 4 * duct, 1e-9);

  FittingInputs grille;
  grille.kind = kRectGrille;
  grille.a_mm = 100, grille.b_mm = 100, grille.wall_mm = 0.63, grille.wall_density = 7350;
  grille.insulation_mm = 50;  // a grille carries no insulation
  // Frame 2·tw·(A + B − 4tw) and one 50 mm blade (n = ⌊0.09874/0.05⌋ = 1).
  const double tw = 0.00063;
  EXPECT_NEAR(Mass(grille), 7350 * (2 * tw * (0.2 - 4 * tw) + 1 * tw * 0.05 * (0.1 - 2 * tw)), 1e-12);
  grille.b_mm = 400;  // n = ⌊0.39874/0.05⌋ = 7
  EXPECT_NEAR(Mass(grille), 7350 * (2 * tw * (0.5 - 4 * tw) + 7 * tw * 0.05 * (0.1 - 2 * tw)), 1e-12);
}

TEST(MassTees, BranchPiecesAddToTheMainDuct) {
  FittingInputs tee;
  tee.kind = kRectTee;
  tee.length_mm = 400;
  tee.a_mm = 200, tee.b_mm = 100, tee.c_mm = 100, tee.d_mm = 100;
  tee.wall_mm = 1, tee.wall_density = 7000, tee.insulation_mm = 0;
  // 7000·(2·0.3·0.001·0.4 + 2·0.2·0.001·0.1) = 7000·(0.00024 + 0.00004) = 1.96
  // No insulation means no insulation mass, whatever its density.
  EXPECT_NEAR(Mass(tee), 1.96, 1e-12);
  tee.insulation_mm = 10, tee.insulation_density = 40;
  // Shell between (A + 2tw)(B + 2tw) and (A + 2s)(B + 2s), s = 0.011 m.
  const double shell = 0.4 * (0.222 * 0.122 - 0.202 * 0.102) + 0.1 * (0.122 * 0.122 - 0.102 * 0.102);
  EXPECT_NEAR(Mass(tee), 1.96 + 40 * shell, 1e-12);

  FittingInputs round_tee;
  round_tee.kind = kRoundTee;
  round_tee.length_mm = 400;
  round_tee.phi1_mm = 200, round_tee.phi2_mm = 100;
  round_tee.wall_mm = 1, round_tee.wall_density = 7000, round_tee.insulation_mm = 0;
  // L·Ring(0.099, 0.101) + L/4·Ring(0.049, 0.051) = π·(0.4·0.0004 + 0.1·0.0002)
  EXPECT_NEAR(Mass(round_tee), 7000 * kPi * (0.4 * 0.0004 + 0.1 * 0.0002), 1e-9);
}

TEST(MassRefusals, WallThickerThanTheDuctOrNegativeInput) {
  auto in = Round200();
  in.wall_mm = 150;  // r − tw < 0
  EXPECT_FALSE(FittingMass(in));
  in = Round200();
  in.insulation_mm = -5;
  EXPECT_FALSE(FittingMass(in));
  in = Round200();
  in.length_mm = std::nan("");
  EXPECT_FALSE(FittingMass(in));
  in = Round200();
  in.kind = 99;
  EXPECT_FALSE(FittingMass(in));
  // Every kind gives a finite, non-negative mass for ordinary inputs.
  for (int kind = 1; kind <= kFittingKindCount; ++kind) {
    FittingInputs f;
    f.kind = kind;
    f.length_mm = 500, f.phi1_mm = 200, f.phi2_mm = 100;
    f.a_mm = 300, f.b_mm = 200, f.c_mm = 200, f.d_mm = 100;
    f.angle_deg = 45, f.r_over_d = 1, f.insulation_mm = 20;
    const auto m = FittingMass(f);
    ASSERT_TRUE(m) << kind;
    EXPECT_GT(*m, 0) << kind;
    EXPECT_LT(*m, 100) << kind;
  }
}

}  // namespace
}  // namespace orvanta
