// The hand-over of a duct run to the acoustic calculator, and the whole
// chain: fittings → octave-band rows → transfer → room level.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "calculators/acoustic/room_noise.h"
#include "ductcalc/fitting_acoustics.h"
#include "ductcalc/loss_table.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

BandEntries Entries(const BandRow& row) {
  BandEntries e;
  for (int b = 0; b < kAcousticBands; ++b) e[b] = row[b];
  return e;
}

// A computed fitting as the sheet holds it: its rows stored as the shown texts.
FittingAcousticData Stored(const FittingAcousticInput& in, const std::string& code, LossTableStore& store) {
  const FittingAcousticsResult r = FittingAcoustics(in, store);
  EXPECT_TRUE(r.rows) << code;
  FittingAcousticData d;
  d.type_code = code;
  d.kind = in.kind;
  const auto first = BandRowTexts(r.rows->attenuation, ',');
  const auto second = BandRowTexts(r.rows->regenerated, ',');
  for (int b = 0; b < kAcousticBands; ++b) {
    d.first[b] = ParseNumber(first[b], ',');
    d.second[b] = ParseNumber(second[b], ',');
    d.third[b] = 0;
  }
  return d;
}

FittingAcousticData Typed(int kind, const std::string& code, BandRow first, BandRow second = {},
                          BandRow third = {}) {
  FittingAcousticData d;
  d.kind = kind;
  d.type_code = code;
  d.first = Entries(first);
  d.second = Entries(second);
  d.third = Entries(third);
  return d;
}

std::map<std::string, std::string> Applied(const AcousticTransferFields& f) {
  std::map<std::string, std::string> m;
  for (const auto& [name, text] : f.fields) m[name] = text;  // a later entry wins
  return m;
}

TEST(AcousticsTransfer, RunToRoomLevel) {
  LossTableStore store(std::filesystem::path(ORVANTA_DATA_SOURCE_DIR) / "calc");
  std::vector<FittingAcousticData> run;
  // Fan: Lw [dB] typed.
  FittingAcousticData fan = Typed(kRoundFan, "FAN_C", {85, 88, 86, 84, 80, 76, 72, 65});
  fan.fan_power_in_db = true;
  run.push_back(fan);
  // Silencer: insertion loss (stored negative) and self-noise typed.
  run.push_back(Typed(kRoundSilencer, "SILANCER_C", {-4, -8, -15, -22, -25, -20, -15, -12},
                      {45, 40, 35, 30, 25, 20, 15, 10}));
  // Three round ducts φ200, 3.048 m, 5 m/s: −0.3, −0.3, −0.3, −0.5, −0.7 …; Lw 29.9.
  FittingAcousticInput duct;
  duct.kind = kRoundDuct;
  duct.phi1_mm = 200;
  duct.length_mm = 3048;
  duct.velocity = 5;
  for (int i = 0; i < 3; ++i) run.push_back(Stored(duct, "TUBE*", store));
  // 90° bend φ254 at 4 m/s: 0, 0, −1, −2, −3, −3, −3, −3; Lw 27.2.
  FittingAcousticInput bend;
  bend.kind = kRoundBend;
  bend.phi1_mm = 254;
  bend.angle_deg = 90;
  bend.velocity = 4;
  run.push_back(Stored(bend, "BGE", store));
  // Tee 160/100 through at 6 m/s: −1.4 everywhere; Lw 10 + 38.908 − 16.966 = 31.9.
  FittingAcousticInput tee;
  tee.kind = kRoundTee;
  tee.phi1_mm = 160;
  tee.phi2_mm = 100;
  tee.velocity = 6;
  run.push_back(Stored(tee, "ATE", store));
  // Grille φ160 at 3 m/s: −17.7, −11.9, −6.7, −2.8, −0.9, −0.2, −0.1, 0; Lw 16.9;
  // its sound power typed in the third row.
  FittingAcousticInput grille;
  grille.kind = kRoundGrille;
  grille.phi1_mm = 160;
  grille.velocity = 3;
  FittingAcousticData g = Stored(grille, "SCD1*", store);
  g.third = Entries({25, 28, 30, 32, 30, 27, 22, 15});
  run.push_back(g);
  run.push_back(FittingAcousticData{});  // the empty record n

  const AcousticTransfer t = TransferToAcousticCalculator(run);
  // Duct attenuation, 63 Hz: 3·(−0.3) + 0 − 1.4 − 17.7 = −20.0; 500 Hz:
  // 3·(−0.5) − 2 − 1.4 − 2.8 = −7.7. Fan and silencer rows are not summed.
  const BandRow expected = {-20, -14.2, -10, -7.7, -7.4, -6.7, -6.6, -6.5};
  for (int b = 0; b < kAcousticBands; ++b) EXPECT_NEAR(t.duct_attenuation[b], expected[b], 1e-9) << b;
  // Duct noise: the tee has the largest 63 Hz regenerated noise of the duct
  // elements (31.9 > 29.9 > 27.2 > 16.9); the silencer's 45 dB self-noise has
  // its own row and is not taken twice.
  EXPECT_EQ(t.duct_noise[0], 31.9);
  EXPECT_EQ(t.duct_noise[7], 31.9);

  const AcousticTransferFields fields = AcousticTransferFieldTexts(t, ',');
  EXPECT_EQ(fields.radio, "RadioButton1");
  auto m = Applied(fields);
  EXPECT_EQ(m["Edit29"], "-20");
  EXPECT_EQ(m["Edit31"], "-10");
  EXPECT_EQ(m["Edit32"], "-7,7");
  EXPECT_EQ(m["Edit1"], "85");
  EXPECT_EQ(m["Edit13"], "-22");
  EXPECT_EQ(m["Edit20"], "45");
  EXPECT_EQ(m["Edit56"], "25");
  EXPECT_EQ(m["Edit63"], "15");
  EXPECT_EQ(m["Edit71"], "31,9");
  EXPECT_EQ(m["Edit64"], "31,9");

  // Put the texts into the calculator's fields and compute, as "Oblicz" does.
  using namespace calculators;
  RoomNoiseTexts texts = DefaultRoomNoiseTexts(',');
  const auto& names = RoomNoiseFields();
  for (size_t i = 0; i < names.size(); ++i)
    if (auto it = m.find(names[i].object_name); it != m.end()) texts[i] = it->second;
  const RoomNoiseReading reading = ReadRoomNoiseFields(texts, SourceWeighting::kLw, RoomNoiseInput{}, ',');
  ASSERT_EQ(reading.fault, nullptr);
  const auto result = ComputeRoomNoise(reading.input);
  ASSERT_TRUE(result.ok());
  // By hand, 63 Hz: source 85 − 26 = 59, − 4 − 20 → 35; silencer noise
  // 45 − 26 = 19; duct noise 31.9 − 26 = 5.9; grille 25 dB(A):
  // 10·log10(10^3.5 + 10^1.9 + 10^0.59 + 10^2.5) = 35.52.
  // All bands: 35.52, 49.84, 52.04, 51.39, 47.81, 50.40, 51.47, 45.65 → 58.72.
  // Room 3 × 4 × 3 m, α 0.05: R = 3.4737 m², r = 1.5 m, Q = 1: +0.744 dB → 59.47.
  const RoomNoiseShown shown = RoomNoiseShownTexts(result.value(), ',');
  EXPECT_EQ(shown.source_total, "92,4");
  EXPECT_EQ(shown.room_power[0], "35,5");
  EXPECT_EQ(shown.room_power[2], "52");
  EXPECT_EQ(shown.room_power_total, "58,7");
  EXPECT_EQ(shown.room_pressure[6], "52,2");
  EXPECT_EQ(shown.room_pressure_total, "59,5");
}

TEST(AcousticsTransfer, LaterRecordsReplaceEarlierOnes) {
  std::vector<FittingAcousticData> run;
  FittingAcousticData first_fan = Typed(kRoundFan, "FAN_C", {70, 70, 70, 70, 70, 70, 70, 70});
  first_fan.fan_power_in_db = true;
  FittingAcousticData second_fan = Typed(kRectFan, "FAN_R", {60, 61, 62, 63, 64, 65, 66, 67});
  second_fan.fan_power_in_db = false;
  second_fan.first[2].reset();  // a stored text that is not a number is skipped
  run = {first_fan, second_fan,
         Typed(kRectSilencer, "SILANCER_R", {-1, -1, -1, -1, -1, -1, -1, -1}),
         Typed(kRectSilencer, "SILANCER_R", {-2, -2, -2, -2, -2, -2, -2, -2}, {5, 5, 5, 5, 5, 5, 5, 5}),
         Typed(kRectGrille, "RG1*", {}, {}, {10, 10, 10, 10, 10, 10, 10, 10}),
         Typed(kRoundGrille, "SCD1*", {}, {}, {20, 21, 22, 23, 24, 25, 26, 27})};
  const AcousticTransfer t = TransferToAcousticCalculator(run);
  EXPECT_EQ(t.source[0], 60);
  EXPECT_EQ(t.source[2], 70);  // the second fan had no number there
  EXPECT_EQ(t.source[7], 67);
  EXPECT_EQ(t.source_in_db, false);
  EXPECT_EQ(AcousticTransferFieldTexts(t, '.').radio, "RadioButton2");
  EXPECT_EQ(t.silencer_loss[4], -2);
  EXPECT_EQ(t.silencer_noise[4], 5);
  EXPECT_EQ(t.terminal[1], 21);
  // No duct element but the grilles: duct sums of their first rows (0).
  EXPECT_EQ(t.duct_attenuation, BandRow{});
}

TEST(AcousticsTransfer, DuctNoiseRecordAndReversedFields) {
  auto duct = [](double noise_63, double noise_8000) {
    FittingAcousticData d = Typed(kRoundDuct, "TUBE*", {-1, -1, -1, -1, -1, -1, -1, -1});
    d.second = Entries({noise_63, 1, 2, 3, 4, 5, 6, noise_8000});
    return d;
  };
  // The largest 63 Hz value wins; of equal ones the first.
  const AcousticTransfer t = TransferToAcousticCalculator({duct(20, 100), duct(30, 200), duct(30, 300), duct(10, 400)});
  EXPECT_EQ(t.duct_noise[7], 200);
  EXPECT_EQ(t.duct_attenuation[0], -4);
  const auto m = Applied(AcousticTransferFieldTexts(t, '.'));
  EXPECT_EQ(m.at("Edit71"), "30");   // 63 Hz
  EXPECT_EQ(m.at("Edit70"), "1");    // 125 Hz
  EXPECT_EQ(m.at("Edit65"), "6");    // 4000 Hz
  EXPECT_EQ(m.at("Edit64"), "200");  // 8000 Hz
  // No value above 0: the first duct element's row.
  const AcousticTransfer quiet = TransferToAcousticCalculator(
      {Typed(kRoundFan, "FAN_C", {80, 80, 80, 80, 80, 80, 80, 80}, {9, 9, 9, 9, 9, 9, 9, 9}), duct(0, 7), duct(0, 8)});
  EXPECT_EQ(quiet.duct_noise[7], 7);
  EXPECT_EQ(quiet.source[0], 80);
  EXPECT_EQ(quiet.source_in_db, true);
  // No fan: the source fields and the radio buttons are left alone.
  const AcousticTransfer no_fan = TransferToAcousticCalculator({duct(5, 5)});
  EXPECT_FALSE(no_fan.source_in_db);
  EXPECT_FALSE(no_fan.source[0]);
  const AcousticTransferFields f = AcousticTransferFieldTexts(no_fan, '.');
  EXPECT_EQ(f.radio, "");
  EXPECT_EQ(Applied(f).count("Edit1"), 0u);
  // An empty run gives zero sums and touches nothing else.
  const AcousticTransferFields empty = AcousticTransferFieldTexts(TransferToAcousticCalculator({}), '.');
  EXPECT_EQ(empty.fields.size(), 8u);
  EXPECT_EQ(empty.fields[0].object_name, "Edit29");
  EXPECT_EQ(empty.fields[0].text, "0");
}

TEST(AcousticsTransfer, SumsRoundedAndNonNumbersSkipped) {
  FittingAcousticData a = Typed(kRoundDuct, "TUBE*", {-0.04, -0.04, -0.04, -0.04, -0.04, -0.04, -0.04, -0.04});
  FittingAcousticData b = a;
  b.first[0].reset();
  const AcousticTransfer t = TransferToAcousticCalculator({a, b, a});
  EXPECT_DOUBLE_EQ(t.duct_attenuation[0], -0.1);  // −0.08 → −0.1
  EXPECT_DOUBLE_EQ(t.duct_attenuation[1], -0.1);  // −0.12 → −0.1
  EXPECT_EQ(AcousticTransferFieldTexts(t, ',').fields[1].text, "-0,1");
}

}  // namespace
}  // namespace orvanta
