// The acoustic calculators: decibel arithmetic, the room calculation, the
// sum of sources and the level at a distance, checked against hand
// calculations and the texts the windows show.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calculators/acoustic/level_arithmetic.h"
#include "calculators/acoustic/room_noise.h"

namespace orvanta::calculators {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(AcousticLevels, EnergeticSum) {
  // Two equal levels: L + 10·log10(2) = L + 3.0103.
  const double two[] = {50, 50};
  EXPECT_NEAR(EnergeticSum(two), 53.0103, 1e-4);
  // One level and a much lower one: the lower one hardly counts.
  const double far[] = {80, 40};
  EXPECT_NEAR(EnergeticSum(far), 80.000434, 1e-6);
  // Ten equal levels: +10 dB.
  const double ten[] = {20, 20, 20, 20, 20, 20, 20, 20, 20, 20};
  EXPECT_NEAR(EnergeticSum(ten), 30, 1e-12);
  // Levels far beyond what 10^(0.1·L) can hold are still summed.
  const double huge[] = {4000, 4000};
  EXPECT_NEAR(EnergeticSum(huge), 4003.0103, 1e-4);
  // -infinity is silence: it adds nothing; no level at all is silence.
  const double with_silence[] = {60, -kInf};
  EXPECT_DOUBLE_EQ(EnergeticSum(with_silence), 60);
  EXPECT_EQ(EnergeticSum({}), -kInf);
  const double nan[] = {60, std::nan("")};
  EXPECT_TRUE(std::isnan(EnergeticSum(nan)));
}

TEST(AcousticLevels, AWeightingPerBand) {
  const OctaveLevels flat = {70, 70, 70, 70, 70, 70, 70, 70};
  const OctaveLevels expected = {44, 54, 61, 67, 70, 71, 71, 69};
  EXPECT_EQ(AWeighted(flat), expected);
  EXPECT_EQ(kOctaveBandHz.front(), 63);
  EXPECT_EQ(kOctaveBandHz.back(), 8000);
}

// ---- Room calculation ----

RoomNoiseInput AllZero() {
  RoomNoiseInput in;  // room defaults: 3 × 4 × 3 m, r = 1.5 m, α = 0.05, Q = 1
  return in;
}

TEST(AcousticRoom, AllZeroInputs) {
  const auto r = ComputeRoomNoise(AllZero());
  ASSERT_TRUE(r.ok());
  // Edit9 = 10·log10(8) = 9.03 → "9".
  const RoomNoiseShown s = RoomNoiseShownTexts(r.value(), ',');
  EXPECT_EQ(s.source_total, "9");
  // S = 2·12 + 2·9 + 2·12 = 66 m², A = 3.3 m², R = 3.3/0.95 = 3.47368 m².
  EXPECT_NEAR(r->room_constant, 3.473684, 1e-6);
  // 63 Hz: three 0 dB rows A-weighted to −26 dB plus the terminal's 0 dB(A):
  // 10·log10(1 + 3·10^−2.6) = 0.0326.
  EXPECT_NEAR(r->room_power[0], 0.032604, 1e-6);
  // 1000 Hz: four 0 dB sources = 6.0206.
  EXPECT_NEAR(r->room_power[4], 6.020600, 1e-6);
  // Lp = LwA + 10·log10(1/(4π·2.25) + 4/3.47368) = LwA + 0.744079.
  EXPECT_NEAR(r->room_pressure[4] - r->room_power[4], 0.744079, 1e-6);
  EXPECT_EQ(s.room_power_total, "13,6");
  EXPECT_EQ(s.room_pressure_total, "14,3");
  EXPECT_EQ(s.room_power[4], "6");
  EXPECT_EQ(s.room_pressure[0], "0,8");
}

TEST(AcousticRoom, FanThroughSilencerAndDucts) {
  RoomNoiseInput in;
  in.source = {85, 88, 86, 84, 80, 76, 72, 65};
  in.silencer_loss = {-4, -8, -15, -22, -25, -20, -15, -12};
  in.silencer_noise = {45, 40, 35, 30, 25, 20, 15, 10};
  in.duct_loss = {-20, -14.2, -10, -7.7, -7.4, -6.7, -6.6, -6.5};
  in.duct_noise.fill(31.9);
  in.terminal = {25, 28, 30, 32, 30, 27, 22, 15};
  const auto r = ComputeRoomNoise(in);
  ASSERT_TRUE(r.ok());
  // 63 Hz by hand: Ls = 85 − 26 − 4 − 20 = 35; silencer noise 45 − 26 = 19,
  // duct noise 31.9 − 26 = 5.9, terminal 25:
  // 10·log10(10^3.5 + 10^1.9 + 10^0.59 + 10^2.5) = 35.5167.
  EXPECT_NEAR(r->room_power[0], 35.516730, 1e-5);
  // 500 Hz: Ls = 84 − 3 − 22 − 7.7 = 51.3; 27, 28.9, 32 → 51.3912.
  EXPECT_NEAR(r->room_power[3], 51.391188, 1e-5);
  const RoomNoiseShown s = RoomNoiseShownTexts(r.value(), '.');
  EXPECT_EQ(s.source_total, "92.4");
  EXPECT_EQ(s.room_power_total, "58.7");
  EXPECT_EQ(s.room_pressure_total, "59.5");
  EXPECT_EQ(s.room_pressure[0], "36.3");

  // A loss typed as positive reduces the level just as its negative does.
  RoomNoiseInput positive = in;
  for (double& v : positive.silencer_loss) v = -v;
  for (double& v : positive.duct_loss) v = -v;
  const auto rp = ComputeRoomNoise(positive);
  ASSERT_TRUE(rp.ok());
  EXPECT_EQ(rp->room_power, r->room_power);

  // With LwA chosen the source row is taken as weighted already: at 1000 Hz
  // (correction 0) nothing changes, at 63 Hz the source is 26 dB louder.
  RoomNoiseInput weighted = in;
  weighted.weighting = SourceWeighting::kLwA;
  const auto rw = ComputeRoomNoise(weighted);
  ASSERT_TRUE(rw.ok());
  EXPECT_DOUBLE_EQ(rw->room_power[4], r->room_power[4]);
  EXPECT_GT(rw->room_power[0], r->room_power[0] + 20);
  EXPECT_DOUBLE_EQ(rw->source_total, r->source_total);  // Edit9 sums the row as entered
}

TEST(AcousticRoom, DirectivityAndAbsorption) {
  RoomNoiseInput in = AllZero();
  in.q = 8;
  in.alpha = 0.4;
  in.distance = 2;
  const auto r = ComputeRoomNoise(in);
  ASSERT_TRUE(r.ok());
  // R = 66·0.4/0.6 = 44 m²; 10·log10(8/(4π·4) + 4/44) = 10·log10(0.159155 + 0.090909) = −6.01949.
  EXPECT_NEAR(r->room_constant, 44, 1e-12);
  EXPECT_NEAR(r->room_pressure[2] - r->room_power[2], -6.019488, 1e-6);
}

TEST(AcousticRoom, RefusesRoomsWithoutMeaning) {
  for (double alpha : {1.0, 1.5, 0.0, -0.1}) {
    RoomNoiseInput in = AllZero();
    in.alpha = alpha;
    const auto r = ComputeRoomNoise(in);
    ASSERT_FALSE(r.ok()) << alpha;
    EXPECT_NE(r.failure().english.find("absorption"), std::string::npos);
    EXPECT_FALSE(r.failure().polish.empty());
  }
  for (int field = 0; field < 4; ++field) {
    for (double bad : {0.0, -2.0}) {
      RoomNoiseInput in = AllZero();
      double* dims[] = {&in.length, &in.width, &in.height, &in.distance};
      *dims[field] = bad;
      const auto r = ComputeRoomNoise(in);
      ASSERT_FALSE(r.ok()) << field << " " << bad;
      EXPECT_NE(r.failure().english.find("greater than 0"), std::string::npos);
    }
  }
  RoomNoiseInput q0 = AllZero();
  q0.q = 0;
  EXPECT_FALSE(ComputeRoomNoise(q0).ok());
  RoomNoiseInput nan = AllZero();
  nan.length = std::nan("");
  EXPECT_FALSE(ComputeRoomNoise(nan).ok());
  // A level that is not finite gives no finite result: a failure, not "inf".
  RoomNoiseInput loud = AllZero();
  loud.terminal[3] = kInf;
  EXPECT_FALSE(ComputeRoomNoise(loud).ok());
  // A very loud but finite source is computed.
  RoomNoiseInput big = AllZero();
  big.source[0] = 1e300;
  EXPECT_TRUE(ComputeRoomNoise(big).ok());
}

// ---- Fields as texts ----

TEST(AcousticRoom, FieldsInReadingOrder) {
  const auto& f = RoomNoiseFields();
  ASSERT_EQ(f.size(), static_cast<size_t>(kRoomNoiseFieldCount));
  EXPECT_STREQ(f[0].object_name, "Edit52");
  EXPECT_STREQ(f[4].object_name, "ComboBox1");
  EXPECT_STREQ(f[6].object_name, "Edit1");
  EXPECT_STREQ(f[14].object_name, "Edit10");
  EXPECT_STREQ(f[22].object_name, "Edit20");
  EXPECT_STREQ(f[30].object_name, "Edit29");
  // The duct-noise row runs backwards: 63 Hz is Edit71, 8000 Hz Edit64.
  EXPECT_STREQ(f[38].object_name, "Edit71");
  EXPECT_STREQ(f[45].object_name, "Edit64");
  EXPECT_EQ(f[45].band, 7);
  EXPECT_STREQ(f[46].object_name, "Edit56");
  EXPECT_STREQ(f[53].object_name, "Edit63");
  EXPECT_EQ(f[53].label_text, 0);
  EXPECT_STREQ(f[53].caption, "Sound power lewel [dB(A)]");
  EXPECT_EQ(f[16].label_text, 849);  // "tłumiennosc tłumika [dB]"
}

TEST(AcousticRoom, ReadingTexts) {
  RoomNoiseTexts t = DefaultRoomNoiseTexts(',');
  EXPECT_EQ(t[3], "1,5");
  EXPECT_EQ(t[4], "0,05");
  EXPECT_EQ(t[6], "0");
  const RoomNoiseReading fresh = ReadRoomNoiseFields(t, SourceWeighting::kLw, RoomNoiseInput{}, ',');
  ASSERT_EQ(fresh.fault, nullptr);
  EXPECT_DOUBLE_EQ(fresh.input.distance, 1.5);
  EXPECT_DOUBLE_EQ(fresh.input.alpha, 0.05);

  // Duct noise typed at 63 Hz (Edit71) reaches band 0.
  t[38] = "40,5";
  t[7] = "70";  // Edit2: source 125 Hz
  const RoomNoiseReading typed = ReadRoomNoiseFields(t, SourceWeighting::kLwA, RoomNoiseInput{}, ',');
  ASSERT_EQ(typed.fault, nullptr);
  EXPECT_DOUBLE_EQ(typed.input.duct_noise[0], 40.5);
  EXPECT_DOUBLE_EQ(typed.input.source[1], 70);
  EXPECT_EQ(typed.input.weighting, SourceWeighting::kLwA);

  // A field that is not a number stops the reading there: the fields before
  // it are read, it and the ones after keep the previous values.
  RoomNoiseInput previous;
  previous.silencer_loss[3] = -9;
  previous.terminal[0] = 33;
  t[17] = "12x";  // Edit13: silencer loss at 500 Hz
  t[46] = "20";   // Edit56, after the fault
  const RoomNoiseReading bad = ReadRoomNoiseFields(t, SourceWeighting::kLw, previous, ',');
  ASSERT_NE(bad.fault, nullptr);
  EXPECT_STREQ(bad.fault->object_name, "Edit13");
  EXPECT_EQ(bad.fault->band, 3);
  EXPECT_DOUBLE_EQ(bad.input.source[1], 70);
  EXPECT_DOUBLE_EQ(bad.input.silencer_loss[3], -9);
  EXPECT_DOUBLE_EQ(bad.input.terminal[0], 33);

  const CalcFailure msg = NotANumberFailure("silencer attenuation [dB]", 500);
  EXPECT_EQ(msg.english, "The value in \u201Csilencer attenuation [dB]\u201D, 500 Hz is not a number. "
                         "The calculation was stopped.");
  EXPECT_NE(msg.polish.find("nie jest liczbą"), std::string::npos);
  EXPECT_EQ(NotANumberFailure("r", 0).english.find("Hz"), std::string::npos);

  // Too few texts: the first missing one is the fault.
  const RoomNoiseReading short_list = ReadRoomNoiseFields(RoomNoiseTexts(3, "1"), SourceWeighting::kLw, {}, '.');
  ASSERT_NE(short_list.fault, nullptr);
  EXPECT_STREQ(short_list.fault->object_name, "Edit55");
}

TEST(AcousticRoom, ListsAndHelp) {
  EXPECT_EQ(AbsorptionItems(','), (std::vector<std::string>{"0,05", "0,10", "0,15", "0,25", "0,40"}));
  EXPECT_EQ(AbsorptionItems('.')[4], "0.40");
  EXPECT_EQ(DirectivityItems(), (std::vector<std::string>{"1", "2", "4", "8"}));
  const auto help = AbsorptionHelpLines();
  ASSERT_EQ(help.size(), 11u);
  EXPECT_EQ(help[1], "");
  EXPECT_EQ(help[4], "b) alfa=0,25 - pomieszczenia lekko wytłumione akustycznie (zasłony w oknach, dywany itp.)");
  EXPECT_EQ(help[10].substr(0, 14), "e) alfa=0,05 -");
}

// ---- Sum of sources ----

TEST(AcousticSum, WorkedValues) {
  // 30 dB and seven 0 dB sources: 10·log10(1000 + 7) = 30.03 → "30".
  EXPECT_EQ(SumSoundSourcesText({"30", "0", "0", "0", "0", "0", "0", "0"}, ',').value(), "30");
  // 50 + 50 (+ six 0 dB): 53.01 → "53".
  EXPECT_EQ(SumSoundSourcesText({"50", "50", "0", "0", "0", "0", "0", "0"}, ',').value(), "53");
  // Decimal comma: 10·log10(2·10^4.55 + 6) = 48.5103 → "48,5".
  EXPECT_EQ(SumSoundSourcesText({"45,5", "45,5", "0", "0", "0", "0", "0", "0"}, ',').value(), "48,5");
  const auto bad = SumSoundSourcesText({"30", "0", "x", "0", "0", "0", "0", "0"}, ',');
  ASSERT_FALSE(bad.ok());
  EXPECT_NE(bad.failure().english.find("03"), std::string::npos);
  EXPECT_FALSE(SumSoundSources({kInf, 0, 0, 0, 0, 0, 0, 0}).ok());
}

// ---- Level at a distance ----

TEST(AcousticDistance, WorkedValueAndRefusals) {
  // 60 + 10·log10(2/(12.566368·4)) = 45.998 → "46".
  EXPECT_EQ(LevelAtDistanceText("60", 2, "2", ',').value(), "46");
  EXPECT_NEAR(LevelAtDistance(60, 2, 2).value(), 45.997602, 1e-6);
  // Q = 1, R = 1: 80 − 10·log10(12.566368) = 69.0079 → "69".
  EXPECT_EQ(LevelAtDistanceText("80", 1, "1", ',').value(), "69");
  EXPECT_EQ(LevelAtDistanceText("80", 4, "2,5", ',').value(), "67,1");  // 80 + 10·log10(4/78.5398) = 67.07
  EXPECT_FALSE(LevelAtDistanceText("", 1, "2", ',').ok());  // fields empty at start
  EXPECT_FALSE(LevelAtDistanceText("60", 1, "abc", ',').ok());
  for (double r : {0.0, -1.0}) {
    const auto res = LevelAtDistance(60, 1, r);
    ASSERT_FALSE(res.ok());
    EXPECT_NE(res.failure().english.find("distance"), std::string::npos);
  }
  EXPECT_FALSE(LevelAtDistance(60, 0, 1).ok());
  // An extremely small distance overflows to no finite level.
  EXPECT_FALSE(LevelAtDistance(60, 1, 1e-200).ok());
}

}  // namespace
}  // namespace orvanta::calculators
