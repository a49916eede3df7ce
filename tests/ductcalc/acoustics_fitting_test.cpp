// Octave-band rows of single fittings: the duct, elbow, tee, rectangular-duct
// and regenerated-noise rules, the grille and flexible-duct tables, and the
// silencer sign rule.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "ductcalc/fitting_acoustics.h"
#include "ductcalc/loss_table.h"

namespace orvanta {
namespace {

using Texts = std::array<std::string, kAcousticBands>;

FittingAcousticInput Fitting(int kind) {
  FittingAcousticInput in;
  in.kind = kind;
  return in;
}

FittingAcousticRows RowsOf(const FittingAcousticInput& in, const LossTable* table = nullptr) {
  const FittingAcousticsResult r = FittingAcousticsWithTable(in, table);
  EXPECT_FALSE(r.refusal) << (r.refusal ? r.refusal->message : "");
  EXPECT_TRUE(r.rows);
  return r.rows.value_or(FittingAcousticRows{});
}

// A table of the data-file layout built in the test: columns 63 … 8000 Hz.
LossTable BandTable(std::initializer_list<std::pair<double, BandRow>> rows) {
  LossTable t;
  t.n = kAcousticBands;
  for (int j = 0; j < kAcousticBands; ++j) t.cell[0][j + 1] = kAcousticBandHz[j];
  for (const auto& [axis, values] : rows) {
    ++t.m;
    t.cell[t.m][0] = axis;
    for (int j = 0; j < kAcousticBands; ++j) t.cell[t.m][j + 1] = values[j];
  }
  return t;
}

std::filesystem::path DataCalc() { return std::filesystem::path(ORVANTA_DATA_SOURCE_DIR) / "calc"; }

TEST(AcousticsRules, RoundDucts) {
  // 3.048 m = 10.0000 ft: 0.03·10, 0.05·10, 0.07·10.
  for (int kind : {kRoundDuct, kRoundOffset, kRoundToRect, kRoundReducer}) {
    FittingAcousticInput in = Fitting(kind);
    in.length_mm = 3048;
    in.phi1_mm = 200;
    EXPECT_EQ(BandRowTexts(RowsOf(in).attenuation, '.'),
              (Texts{"-0.3", "-0.3", "-0.3", "-0.5", "-0.7", "-0.7", "-0.7", "-0.7"}))
        << kind;
  }
  EXPECT_EQ(RoundDuctAttenuation(0), BandRow{});
  EXPECT_NEAR(RoundDuctAttenuation(1000)[7], -0.07 * 3.28084, 1e-12);
}

TEST(AcousticsRules, Elbows) {
  // φ1 = 254 mm = 10 in: x = 0.63, 1.25, 2.5, 5, 10, 20, 40, 80.
  FittingAcousticInput bend = Fitting(kRoundBend);
  bend.phi1_mm = 254;
  bend.angle_deg = 90;
  EXPECT_EQ(RowsOf(bend).attenuation, (BandRow{0, 0, -1, -2, -3, -3, -3, -3}));
  bend.angle_deg = 45;
  EXPECT_EQ(RowsOf(bend).attenuation, BandRow{});
  bend.angle_deg = 60;  // "α ≤ 60°" gives 0
  EXPECT_EQ(RowsOf(bend).attenuation, BandRow{});
  // The band edges: x = 1.9 exactly at 250 Hz for 7.6 in = 193.04 mm is −1;
  // 3.8 at 500 Hz the same diameter is −2, 7.5 is reached at 1000 Hz.
  EXPECT_EQ(ElbowAttenuation(90, 193.04), (BandRow{0, 0, -1, -2, -3, -3, -3, -3}));
  // 100 mm = 3.937 in: 500 Hz x = 1.97 ≥ 1.9 → −1; 250 Hz x = 0.98 → 0.
  EXPECT_EQ(ElbowAttenuation(90, 100)[3], -1);
  EXPECT_EQ(ElbowAttenuation(90, 100)[2], 0);
  // Rectangular bend: the diameter 2AB/(A + B); 254 × 254 is the 10-inch bend.
  FittingAcousticInput rect = Fitting(kRectBend);
  rect.a_mm = rect.b_mm = 254;
  rect.angle_deg = 90;
  EXPECT_EQ(RowsOf(rect).attenuation, (BandRow{0, 0, -1, -2, -3, -3, -3, -3}));
  // 400 × 100: 2·40000/500 = 160 mm = 6.3 in: 250 Hz x = 1.57 → 0, 500 Hz 3.15 → −1.
  rect.a_mm = 400;
  rect.b_mm = 100;
  EXPECT_EQ(RowsOf(rect).attenuation, (BandRow{0, 0, 0, -1, -2, -3, -3, -3}));
}

TEST(AcousticsRules, Tees) {
  FittingAcousticInput tee = Fitting(kRoundTee);
  tee.phi1_mm = 160;
  tee.phi2_mm = 100;
  // Through: 10·log10(25600/35600) = −1.432 in every band.
  Texts through;
  through.fill("-1.4");
  EXPECT_EQ(BandRowTexts(RowsOf(tee).attenuation, '.'), through);
  // Branch: 10·log10(10000/35600) = −5.514.
  tee.tee_branch = true;
  EXPECT_NEAR(RowsOf(tee).attenuation[5], -5.514500, 1e-6);
  // The symmetric branch piece follows the same rule.
  FittingAcousticInput y = tee;
  y.kind = kRoundYBranch;
  EXPECT_EQ(RowsOf(y).attenuation, RowsOf(tee).attenuation);
  // Rectangular: sections A·B and C·D.
  FittingAcousticInput rect = Fitting(kRectTee);
  rect.a_mm = rect.b_mm = 160;
  rect.c_mm = rect.d_mm = 100;
  EXPECT_EQ(BandRowTexts(RowsOf(rect).attenuation, ','), (Texts{"-1,4", "-1,4", "-1,4", "-1,4", "-1,4", "-1,4", "-1,4", "-1,4"}));
  rect.tee_branch = true;
  rect.kind = kRectYBranch;
  EXPECT_NEAR(RowsOf(rect).attenuation[0], -5.514500, 1e-6);
}

TEST(AcousticsRules, RectangularDucts) {
  // 1 ft × 1 ft (304.8 mm), 1 ft long: P = 4, S = 1, h = 4 ≥ 3.
  // 63 Hz: −17·4^−0.25·63^−0.85 = −0.355218; 500 Hz and up: −0.02·4^0.8 = −0.060629.
  const BandRow one = RectangularDuctAttenuation(304.8, 304.8, 304.8);
  EXPECT_NEAR(one[0], -0.355218, 2e-6);
  EXPECT_NEAR(one[2], -0.110074, 2e-6);
  EXPECT_NEAR(one[3], -0.060629, 2e-6);
  EXPECT_DOUBLE_EQ(one[3], one[7]);
  // 2 ft × 2 ft: P = 8, S = 4, h = 2 < 3. 125 Hz: −1.64·8^0.73·125^−0.58/4 = −0.113719.
  const BandRow two = RectangularDuctAttenuation(609.6, 609.6, 304.8);
  EXPECT_NEAR(two[1], -0.113719, 2e-6);
  EXPECT_NEAR(two[4], -0.034822, 2e-6);
  // The kinds: 10, 12, 17 use A, B; 16 uses C, D.
  FittingAcousticInput duct = Fitting(kRectDuct);
  duct.a_mm = duct.b_mm = 304.8;
  duct.length_mm = 3048;  // 10 ft: ten times the 1-ft values
  EXPECT_NEAR(RowsOf(duct).attenuation[0], -3.55218, 2e-5);
  FittingAcousticInput transition = Fitting(kRectToRound);
  transition.c_mm = transition.d_mm = 304.8;
  transition.phi1_mm = 300;
  transition.length_mm = 304.8;
  EXPECT_NEAR(RowsOf(transition).attenuation[0], -0.355218, 2e-6);
}

TEST(AcousticsRules, RegeneratedNoise) {
  // 5 m/s in 100 × 100 mm: 10 + 50·log10(5) + 10·log10(0.01) = 24.9485 → "24.9" in every band.
  FittingAcousticInput duct = Fitting(kRectDuct);
  duct.a_mm = duct.b_mm = 100;
  duct.length_mm = 1000;
  duct.velocity = 5;
  Texts lw;
  lw.fill("24.9");
  EXPECT_EQ(BandRowTexts(RowsOf(duct).regenerated, '.'), lw);
  // Round: S = π·0.2²/4 = 0.0314159 m²: 10 + 34.9485 − 15.0285 = 29.92.
  FittingAcousticInput round = Fitting(kRoundDuct);
  round.phi1_mm = 200;
  round.velocity = 5;
  EXPECT_NEAR(RowsOf(round).regenerated[4], 29.919999, 1e-6);
  // Kind 16 takes C·D.
  FittingAcousticInput transition = Fitting(kRectToRound);
  transition.c_mm = transition.d_mm = 100;
  transition.phi1_mm = 500;
  transition.velocity = 5;
  EXPECT_NEAR(RowsOf(transition).regenerated[0], 24.948500, 1e-6);
  // No velocity, no noise; a result below 0 is 0.
  EXPECT_EQ(RegeneratedNoise(0, 0.01), 0);
  EXPECT_EQ(RegeneratedNoise(5, 0), 0);
  EXPECT_EQ(RegeneratedNoise(1, 0.01), 0);  // 10 + 0 − 20 = −10 → 0
}

TEST(AcousticsRules, IntakesAndTypedKinds) {
  for (int kind : {kRoundRoofHood, kRectRoofHood, kWallIntake}) {
    FittingAcousticInput in = Fitting(kind);
    in.phi1_mm = 200;
    in.a_mm = in.b_mm = 200;
    in.velocity = 8;
    const FittingAcousticRows rows = RowsOf(in);
    EXPECT_EQ(rows.attenuation, BandRow{}) << kind;
    EXPECT_EQ(rows.regenerated, BandRow{}) << kind;
  }
  // Silencers and fans: the user's values stay, nothing is computed or refused.
  for (int kind : {kRoundSilencer, kRectSilencer, kRoundFan, kRectFan}) {
    FittingAcousticInput in = Fitting(kind);
    in.length_mm = -1;
    const FittingAcousticsResult r = FittingAcousticsWithTable(in, nullptr);
    EXPECT_FALSE(r.rows) << kind;
    EXPECT_FALSE(r.refusal) << kind;
  }
}

TEST(AcousticsRules, GrillesFromTheirTable) {
  // Columns 63 … 8000 Hz, rows by diameter [mm], positive end-reflection losses.
  const LossTable table = BandTable({{100, {20, 15, 10, 5, 2, 1, 0.5, 0}}, {200, {16, 10, 5, 2, 0.6, 0.2, 0, 0}}});
  FittingAcousticInput grille = Fitting(kRoundGrille);
  grille.phi1_mm = 150;  // half way: (20 + 16)/2 = 18 at 63 Hz
  EXPECT_EQ(AcousticTableName(grille), "nawiewnik.txt");
  const FittingAcousticRows rows = RowsOf(grille, &table);
  EXPECT_DOUBLE_EQ(rows.attenuation[0], -18);
  EXPECT_DOUBLE_EQ(rows.attenuation[3], -3.5);
  // Rectangular: 2AB/(A + B) = 2·300·100/400 = 150 mm, the same row.
  FittingAcousticInput rect = Fitting(kRectGrille);
  rect.a_mm = 300;
  rect.b_mm = 100;
  EXPECT_EQ(RowsOf(rect, &table).attenuation, rows.attenuation);
  // The delivered table, φ 160 mm is a row of it.
  LossTableStore store(DataCalc());
  grille.phi1_mm = 160;
  grille.velocity = 3;
  const FittingAcousticsResult shipped = FittingAcoustics(grille, store);
  ASSERT_TRUE(shipped.rows) << (shipped.refusal ? shipped.refusal->message : "");
  EXPECT_EQ(BandRowTexts(shipped.rows->attenuation, '.'),
            (Texts{"-17.7", "-11.9", "-6.7", "-2.8", "-0.9", "-0.2", "-0.1", "0"}));
  // S = π·0.16²/4: 10 + 23.856 − 16.966 = 16.89.
  EXPECT_NEAR(shipped.rows->regenerated[0], 16.889361, 1e-6);
  // A needed table that is missing is a refusal.
  EXPECT_TRUE(FittingAcousticsWithTable(grille, nullptr).refusal);
}

TEST(AcousticsRules, FlexibleDucts) {
  FittingAcousticInput flex = Fitting(kFlexDuct);
  flex.phi1_mm = 160;
  flex.length_mm = 1800;
  EXPECT_EQ(AcousticTableName(flex), "flex160.txt");
  flex.phi1_mm = 124.9;
  EXPECT_EQ(AcousticTableName(flex), "flex100.txt");
  flex.phi1_mm = 450;
  EXPECT_EQ(AcousticTableName(flex), "flex400.txt");
  // Rows by length in metres: 1.2 m half way between 0.9 and 1.5 m.
  const LossTable table = BandTable({{0.9, {2, 3, 4, 8, 10, 10, 6, 5}}, {1.5, {4, 5, 8, 16, 18, 20, 12, 10}}});
  flex.length_mm = 1200;
  EXPECT_EQ(RowsOf(flex, &table).attenuation, (BandRow{-3, -4, -6, -12, -14, -15, -9, -7.5}));
  // The delivered table for 160 mm at 1.8 m.
  LossTableStore store(DataCalc());
  flex.phi1_mm = 160;
  flex.length_mm = 1800;
  const FittingAcousticsResult shipped = FittingAcoustics(flex, store);
  ASSERT_TRUE(shipped.rows) << (shipped.refusal ? shipped.refusal->message : "");
  EXPECT_EQ(shipped.rows->attenuation, (BandRow{-4, -6, -9.4, -17, -19, -19.6, -13, -11}));
  // No diameter: no table to choose, refused with a message of its own.
  flex.phi1_mm = 0;
  EXPECT_EQ(AcousticTableName(flex), "");
  const FittingAcousticsResult none = FittingAcoustics(flex, store);
  ASSERT_TRUE(none.refusal);
  EXPECT_NE(none.refusal->message.find("diameter"), std::string::npos);
  EXPECT_EQ(store.files_read(), 1);
}

TEST(AcousticsRules, MissingTableFileIsRefused) {
  const auto empty = std::filesystem::temp_directory_path() / "orvanta_acoustics_no_tables";
  std::filesystem::create_directories(empty);
  LossTableStore store(empty);
  FittingAcousticInput grille = Fitting(kRoundGrille);
  grille.phi1_mm = 200;
  const FittingAcousticsResult r = FittingAcoustics(grille, store);
  EXPECT_FALSE(r.rows);
  ASSERT_TRUE(r.refusal);
  EXPECT_NE(r.refusal->message.find("nawiewnik.txt"), std::string::npos);
}

TEST(AcousticsRules, RefusesInputsWithoutMeaning) {
  auto refused = [](FittingAcousticInput in) {
    const FittingAcousticsResult r = FittingAcousticsWithTable(in, nullptr);
    return r.refusal.has_value() && !r.rows && !r.refusal->message.empty();
  };
  FittingAcousticInput duct = Fitting(kRoundDuct);
  duct.phi1_mm = 200;
  duct.length_mm = -100;  // a negative length would turn attenuation into gain
  EXPECT_TRUE(refused(duct));
  duct.length_mm = 1000;
  duct.velocity = std::nan("");
  EXPECT_TRUE(refused(duct));
  duct.velocity = -3;
  EXPECT_TRUE(refused(duct));
  duct.velocity = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(refused(duct));

  FittingAcousticInput rect = Fitting(kRectDuct);
  rect.a_mm = 0;  // h = P/S infinite
  rect.b_mm = 200;
  EXPECT_TRUE(refused(rect));
  FittingAcousticInput tee = Fitting(kRoundTee);
  tee.phi1_mm = 160;  // no branch: log10(0) on the branch path
  tee.tee_branch = true;
  EXPECT_TRUE(refused(tee));
  FittingAcousticInput bend = Fitting(kRectBend);
  bend.angle_deg = 90;  // 0 × 0: 0/0
  EXPECT_TRUE(refused(bend));
  FittingAcousticInput grille = Fitting(kRectGrille);
  EXPECT_TRUE(refused(grille));
  EXPECT_TRUE(refused(Fitting(0)));
  EXPECT_TRUE(refused(Fitting(25)));
}

TEST(AcousticsRules, SilencerSign) {
  EXPECT_EQ(SilencerStoredText("12", ','), "-12");
  EXPECT_EQ(SilencerStoredText("12,5", ','), "-12,5");
  EXPECT_EQ(SilencerStoredText(" +3 ", ','), "-3");
  EXPECT_EQ(SilencerStoredText("-12", ','), "-12");
  EXPECT_EQ(SilencerStoredText("0", ','), "0");
  EXPECT_EQ(SilencerStoredText("abc", ','), "abc");
  EXPECT_EQ(SilencerStoredText("", ','), "");
}

TEST(AcousticsRules, ShownRounding) {
  // Rounded to 0.1 and written in the shortest form; −0 is written "0".
  EXPECT_EQ(BandRowTexts({-0.04, 24.9485, -1.432, 3, 0, -0.7000007, 10.05, 1e-9}, ','),
            (Texts{"0", "24,9", "-1,4", "3", "0", "-0,7", "10", "0"}));
}

}  // namespace
}  // namespace orvanta
