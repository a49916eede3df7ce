// The fitting catalogue: its data against the language files, the lists and
// pictures of each variant, and the rules that fill inputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/language_texts.h"
#include "ductcalc/fitting_catalogue.h"
#include "ductcalc/moh_test_support.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

using K = FittingKind;

bool Contains(TextList list, const std::string& item) {
  return std::any_of(list.begin(), list.end(), [&](const char* s) { return item == s; });
}

std::vector<std::string> Items(TextList list) { return {list.begin(), list.end()}; }

LanguageTexts Language(const char* code) {
  LanguageTexts texts;
  texts.LoadLanguageFile(std::string(ORVANTA_DATA_SOURCE_DIR) + "/lng/" + code + ".lng", 1250);
  return texts;
}

TEST(Catalogue, TwentyFourKindsWithTheirButtonsNamesAndCodes) {
  const auto& cat = FittingCatalogue();
  const LanguageTexts pl = Language("pl");
  std::set<std::string> buttons, codes;
  for (int i = 0; i < kFittingKindCount; ++i) {
    const FittingKindInfo& k = cat[i];
    SCOPED_TRACE(k.name);
    EXPECT_EQ(KindNumber(k.kind), i + 1);
    EXPECT_EQ(&KindInfo(k.kind), &k);
    buttons.insert(k.button);
    codes.insert(k.type_code);
    // The design-time name is the Polish language text the hint comes from.
    EXPECT_EQ(pl.Text(k.name_text), k.name);
  }
  EXPECT_EQ(buttons.size(), 24u);
  for (int b = 1; b <= 24; ++b) EXPECT_EQ(buttons.count("SpeedButton" + std::to_string(b)), 1u);
  EXPECT_EQ(codes.size(), 24u);
  EXPECT_STREQ(KindInfo(K::RoundStraight).type_code, "TUBE*");
  EXPECT_STREQ(KindInfo(K::RoundReducer).button, "SpeedButton2");
  EXPECT_STREQ(KindInfo(K::Flex).button, "SpeedButton19");
  EXPECT_EQ(KindInfo(K::WallIntake).name_text, 621);
  EXPECT_STREQ(KindInfo(K::RectFan).type_code, "FAN_R");
}

TEST(Catalogue, KindNumbersFromRecordsAndTheirLimits) {
  EXPECT_EQ(FittingKindFromText("1"), K::RoundStraight);
  EXPECT_EQ(FittingKindFromText("24"), K::RectFan);
  for (const char* bad : {"", "0", "25", "1a", " 1", "-1", "123"}) EXPECT_EQ(FittingKindFromText(bad), std::nullopt);
  EXPECT_EQ(FittingKindFromNumber(0), std::nullopt);
}

TEST(Catalogue, PaletteHasRoundAboveAndRectangularBelowEachKindOnce) {
  std::set<FittingKind> seen;
  for (const auto& row : kPaletteRows)
    for (FittingKind k : row) seen.insert(k);
  EXPECT_EQ(seen.size(), 24u);
  for (FittingKind k : kPaletteRows[0]) EXPECT_FALSE(KindInfo(k).Shows(kInputSideA)) << KindNumber(k);
  for (FittingKind k : kPaletteRows[1]) EXPECT_FALSE(KindInfo(k).Shows(kInputDiameter2)) << KindNumber(k);
}

TEST(Catalogue, InputsOfTheKinds) {
  std::set<int> second;
  for (const auto& k : FittingCatalogue())
    if (k.second_section) second.insert(KindNumber(k.kind));
  EXPECT_EQ(second, (std::set<int>{4, 6, 7, 8, 13, 15, 16, 17}));
  EXPECT_EQ(KindInfo(K::RoundStraight).inputs, kInputLength | kInputDiameter1);
  EXPECT_EQ(KindInfo(K::RoundTee).inputs,
            kInputDiameter1 | kInputDiameter2 | kInputAngle | kInputTeePath | kInputTeeFlow | kInputFlowBranch);
  EXPECT_EQ(KindInfo(K::RectBend).inputs, kInputSideA | kInputSideB | kInputAngle | kInputBendRatio | kInputRectBendType);
  EXPECT_EQ(KindInfo(K::RoundToRectTransition).inputs, KindInfo(K::RectToRoundTransition).inputs);
  EXPECT_TRUE(KindInfo(K::RoundGrille).Shows(kInputSoundPowerRow));
  EXPECT_TRUE(KindInfo(K::RectGrille).Shows(kInputSoundPowerRow));
  EXPECT_TRUE(KindInfo(K::RoundRoofHood).Shows(kInputIntakeOutlet));
  EXPECT_TRUE(KindInfo(K::RectFan).Shows(kInputFanDbChoice));
  EXPECT_FALSE(KindInfo(K::RectSymmetricBranch).Shows(kInputTeePath));
  EXPECT_EQ(KindInfo(K::RoundSilencer).octave_row_caption, kTextRowSilencer);
  EXPECT_EQ(KindInfo(K::RoundFan).octave_row_caption, kTextRowFan);
  EXPECT_EQ(KindInfo(K::RectTee).octave_row_caption, kTextRowAttenuation);
}

TEST(Catalogue, PresetsAreNumbersAndListPresetsAreListItems) {
  for (const auto& k : FittingCatalogue()) {
    SCOPED_TRACE(k.name);
    for (const char* v : {k.length, k.diameter1, k.diameter2, k.side_a, k.side_b, k.side_c, k.side_d, k.offset_e,
                          k.angle, k.bend_ratio})
      EXPECT_TRUE(ParseNumber(v, ',')) << v;
    if (!k.angles.empty()) {
      EXPECT_TRUE(Contains(k.angles, k.angle)) << k.angle;
    }
    if (!k.bend_ratios.empty()) {
      EXPECT_TRUE(Contains(k.bend_ratios, k.bend_ratio)) << k.bend_ratio;
    }
    EXPECT_EQ(k.Shows(kInputBendRatio), !k.bend_ratios.empty());
    // Shown dimensions have a preset.
    if (k.Shows(kInputDiameter1)) {
      EXPECT_STRNE(k.diameter1, "0");
    }
    if (k.Shows(kInputSideA)) {
      EXPECT_STRNE(k.side_a, "0");
    }
    if (k.Shows(kInputSideD)) {
      EXPECT_STRNE(k.side_d, "0");
    }
    if (k.Shows(kInputOffsetE)) {
      EXPECT_STREQ(k.offset_e, "100");
    }
  }
  const FittingInputs tee = PresetInputs(K::RectTee);
  EXPECT_EQ(tee.kind, 13);
  EXPECT_EQ(tee.length_mm, 300);
  EXPECT_EQ(tee.a_mm, 160);
  EXPECT_EQ(tee.d_mm, 100);
  EXPECT_EQ(tee.phi1_mm, 0);
  EXPECT_EQ(tee.angle_deg, 90);
  EXPECT_EQ(tee.k_mm, 0.15);
  EXPECT_EQ(tee.wall_density, 7350);
  EXPECT_EQ(tee.insulation_density, 37);
  EXPECT_EQ(tee.wall_mm, 0.63);
  EXPECT_FALSE(tee.zeta_add_given);
  EXPECT_EQ(PresetInputs(K::RoundBend).r_over_d, 1.0);
  EXPECT_EQ(PresetInputs(K::RoundSymmetricBranch).angle_deg, 45);
  // Grilles and silencers start with the additional loss as a coefficient.
  EXPECT_TRUE(PresetInputs(K::RoundGrille).zeta_add_given);
  EXPECT_EQ(PresetInputs(K::RoundGrille).zeta_add, 2);
  EXPECT_EQ(PresetInputs(K::RectSilencer).zeta_add, 3);
  EXPECT_STREQ(KindInfo(K::RoundGrille).extra_zeta, "2");
  EXPECT_STREQ(KindInfo(K::RectSilencer).extra_zeta, "3");
  EXPECT_EQ(KindInfo(K::RoundTee).extra_zeta, nullptr);
}

TEST(Catalogue, SizeLists) {
  EXPECT_STREQ(kMainSizeList.front(), "80");
  EXPECT_STREQ(kMainSizeList.back(), "8000");
  EXPECT_STREQ(kSecondSizeList.front(), "50");
  EXPECT_TRUE(std::equal(kMainSizeList.begin() + 1, kMainSizeList.end(), kSecondSizeList.begin() + 1));
  for (std::size_t i = 1; i < kMainSizeList.size(); ++i)
    EXPECT_LT(*ParseNumber(kMainSizeList[i - 1]), *ParseNumber(kMainSizeList[i]));
}

TEST(Catalogue, VariantsSwitchPicturesAndLists) {
  FittingChoices c;
  EXPECT_STREQ(FittingPicture(K::RoundBend, c), "kolano_o");
  EXPECT_EQ(Items(BendRatioList(K::RoundBend, c)),
            (std::vector<std::string>{"0,5", "0,75", "1,0", "1,5", "2,0", "2,5"}));
  c.round_bend_item = 2;
  EXPECT_STREQ(FittingPicture(K::RoundBend, c), "kolano_o_s");
  EXPECT_EQ(Items(BendRatioList(K::RoundBend, c)), (std::vector<std::string>{"0,75", "1,0", "1,5", "2,0"}));

  c = {};
  EXPECT_STREQ(FittingPicture(K::RectBend, c), "luk_p");
  EXPECT_EQ(Items(AngleList(K::RectBend, c)), (std::vector<std::string>{"30", "45", "60", "90"}));
  c.rect_bend_item = 1;
  EXPECT_STREQ(FittingPicture(K::RectBend, c), "kolano_p");
  EXPECT_EQ(Items(AngleList(K::RectBend, c)), (std::vector<std::string>{"20", "30", "45", "60", "75", "90"}));
  EXPECT_EQ(Items(BendRatioList(K::RectBend, c)), (std::vector<std::string>{"1,0"}));

  c = {};
  EXPECT_STREQ(FittingPicture(K::RectTee, c), "trojnik_p");
  EXPECT_STREQ(AngleSymbol(K::RectTee, c), "β");
  EXPECT_EQ(Items(AngleList(K::RoundSymmetricBranch, c)), (std::vector<std::string>{"15", "30", "45", "60", "90"}));
  c.tee_flow_item = 1;
  EXPECT_STREQ(FittingPicture(K::RectTee, c), "trojnik_p_L");
  EXPECT_STREQ(FittingPicture(K::RoundTee, c), "trojnik_o");
  EXPECT_STREQ(AngleSymbol(K::RectTee, c), "α");
  EXPECT_STREQ(AngleSymbol(K::RoundBend, {}), "α");
  EXPECT_EQ(Items(AngleList(K::RoundSymmetricBranch, c)), (std::vector<std::string>{"15", "30", "45"}));
  EXPECT_EQ(Items(AngleList(K::RoundTee, c)), (std::vector<std::string>{"30", "45", "90"}));
}

TEST(Catalogue, EveryPictureTheWindowCanAskForIsListedOnce) {
  const auto all = AllFittingPictures();
  const std::set<std::string> stems(all.begin(), all.end());
  EXPECT_EQ(stems.size(), all.size());
  EXPECT_EQ(stems.size(), 27u);  // 24 kinds, a second bend of each shape, the converging rectangular tee
  for (const auto& k : FittingCatalogue())
    for (int a = 0; a < 4; ++a)
      for (int b = 0; b < 2; ++b)
        for (int f = 0; f < 2; ++f) {
          const FittingChoices c{a, b, 0, f};
          EXPECT_EQ(stems.count(FittingPicture(k.kind, c)), 1u) << FittingPicture(k.kind, c);
        }
}

TEST(Catalogue, StoredTeeTextsOfEitherLanguageSelectTheirItem) {
  const LanguageTexts pl = Language("pl"), en = Language("en");
  const std::vector<std::string> pl_paths = {pl.Text(658), pl.Text(659)}, en_paths = {en.Text(658), en.Text(659)};
  const std::vector<std::string> pl_flows = {pl.Text(660), pl.Text(661)}, en_flows = {en.Text(660), en.Text(661)};
  EXPECT_EQ(MatchTeePath("BRANCH", pl_paths), 1);
  EXPECT_EQ(MatchTeePath("TRANSIT", pl_paths), 0);
  EXPECT_EQ(MatchTeePath("PRZELOT", en_paths), 0);
  EXPECT_EQ(MatchTeePath("ODGAŁĘŹIENIE", en_paths), 1);
  EXPECT_EQ(MatchTeePath(en.Text(658), en_paths), 0);  // written under today's English texts
  EXPECT_EQ(MatchTeePath("nonsense", en_paths), std::nullopt);
  EXPECT_EQ(MatchTeeFlow("CONVERTING", pl_flows), 1);
  EXPECT_EQ(MatchTeeFlow("DIVERTING", {}), 0);
  EXPECT_EQ(MatchTeeFlow("ŁĄCZENIE STRUG", en_flows), 1);
  EXPECT_EQ(MatchTeeFlow(en.Text(661), en_flows), 1);
  EXPECT_EQ(MatchTeeFlow("", en_flows), std::nullopt);
}

TEST(Catalogue, MaterialsSetRoughnessAndDensities) {
  const LanguageTexts pl = Language("pl");
  for (const auto& m : kDuctMaterials) EXPECT_EQ(pl.Text(m.text), m.name);
  EXPECT_STREQ(kDuctMaterials[0].roughness, "0,15");
  EXPECT_STREQ(kDuctMaterials[0].wall_density, "7350");
  EXPECT_STREQ(kDuctMaterials[1].roughness, "0,007");
  EXPECT_STREQ(kDuctMaterials[1].wall_density, "1430");
  EXPECT_EQ(kDuctMaterials[2].roughness, nullptr);  // "Inny": typed by the user
  EXPECT_EQ(kDuctMaterials[2].wall_density, nullptr);
  EXPECT_STREQ(kInsulationMaterials[0].density, "37");
  EXPECT_STREQ(kInsulationMaterials[1].density, "40");
  EXPECT_STREQ(kInsulationMaterials[2].density, "60");
  EXPECT_STREQ(kInsulationMaterials[2].name, "Pianka kauczukowa");
  EXPECT_EQ(WithSeparator(kDuctMaterials[1].roughness, '.'), "0.007");
}

FittingDimensions Dims(std::initializer_list<std::pair<double FittingDimensions::*, double>> values) {
  FittingDimensions d;
  for (const auto& [member, v] : values) d.*member = v;
  return d;
}
using D = FittingDimensions;

TEST(DefaultLength, WorkedCases) {
  EXPECT_EQ(DefaultFittingLength(K::RoundOffset, Dims({{&D::diameter1, 200}, {&D::offset_e, 100}})), 300);
  EXPECT_EQ(DefaultFittingLength(K::RoundOffset, Dims({{&D::diameter1, 200}, {&D::offset_e, 200}})), 400);
  EXPECT_EQ(DefaultFittingLength(K::RoundReducer, Dims({{&D::diameter1, 100}, {&D::diameter2, 125}})), 47);
  EXPECT_EQ(DefaultFittingLength(K::RoundReducer, Dims({{&D::diameter1, 125}, {&D::diameter2, 100}})), 47);
  EXPECT_EQ(DefaultFittingLength(
                K::RectTee, Dims({{&D::side_a, 160}, {&D::side_b, 160}, {&D::side_c, 100}, {&D::side_d, 100}})),
            360);
  EXPECT_EQ(DefaultFittingLength(K::RoundTee, Dims({{&D::diameter1, 160}, {&D::diameter2, 100}})), 300);
  EXPECT_EQ(DefaultFittingLength(K::RoundRoofHood, Dims({{&D::diameter1, 315}})), 515);
  EXPECT_EQ(DefaultFittingLength(K::RectRoofHood, Dims({{&D::side_a, 300}, {&D::side_b, 500}})), 700);
  EXPECT_EQ(DefaultFittingLength(K::RectOffset, Dims({{&D::side_a, 400}, {&D::side_b, 200}, {&D::offset_e, 250}})),
            600);
  EXPECT_EQ(DefaultFittingLength(K::RectOffset, Dims({{&D::side_a, 400}, {&D::side_b, 200}, {&D::offset_e, 350}})),
            700);
  // Rounded to a whole millimetre, halves to even.
  EXPECT_EQ(DefaultFittingLength(K::RectReducer, Dims({{&D::side_a, 125}})), 62);
  EXPECT_EQ(DefaultFittingLength(K::RectReducer, Dims({{&D::side_a, 127}})), 64);
  EXPECT_EQ(DefaultFittingLength(K::RoundOffset, Dims({{&D::diameter1, 125}})), 188);  // 187.5
}

TEST(DefaultLength, FixedLengthsAndKindsWithoutLength) {
  const D none;
  EXPECT_EQ(DefaultFittingLength(K::RoundStraight, none), 2000);
  EXPECT_EQ(DefaultFittingLength(K::RectStraight, none), 1500);
  EXPECT_EQ(DefaultFittingLength(K::Flex, none), 900);
  EXPECT_EQ(DefaultFittingLength(K::RoundSilencer, none), 1000);
  EXPECT_EQ(DefaultFittingLength(K::RectSilencer, none), 1000);
  EXPECT_EQ(DefaultFittingLength(K::RoundFan, none), 300);
  EXPECT_EQ(DefaultFittingLength(K::RectFan, none), 300);
  for (K k : {K::RoundBend, K::RoundGrille, K::RectBend, K::RectGrille, K::WallIntake})
    EXPECT_EQ(DefaultFittingLength(k, Dims({{&D::diameter1, 500}, {&D::side_a, 500}})), 0) << KindNumber(k);
}

// The length follows the largest dimension, whatever order the sides come in.
TEST(DefaultLength, TakesTheLargestDimension) {
  EXPECT_EQ(DefaultFittingLength(K::RoundToRectTransition,
                                 Dims({{&D::side_c, 200}, {&D::side_d, 100}, {&D::diameter1, 150}})),
            200);
  EXPECT_EQ(DefaultFittingLength(K::RectToRoundTransition,
                                 Dims({{&D::side_c, 125}, {&D::side_d, 125}, {&D::diameter1, 250}})),
            250);
  EXPECT_EQ(DefaultFittingLength(
                K::RectReducer, Dims({{&D::side_a, 400}, {&D::side_b, 200}, {&D::side_c, 300}, {&D::side_d, 100}})),
            200);
  EXPECT_EQ(DefaultFittingLength(K::RectSymmetricBranch,
                                 Dims({{&D::side_a, 125}, {&D::side_b, 125}, {&D::side_c, 100}, {&D::side_d, 400}})),
            600);
}

TEST(WallThickness, StepsAtTheLargestDimension) {
  EXPECT_EQ(WallThicknessText(Dims({{&D::side_a, 600}, {&D::side_b, 300}}), ','), "0,88");
  EXPECT_EQ(WallThicknessText(Dims({{&D::side_a, 1200}, {&D::side_b, 300}}), ','), "1,0");
  EXPECT_EQ(WallThicknessText(Dims({{&D::side_a, 250}, {&D::side_b, 250}}), ','), "0,63");
  EXPECT_EQ(WallThicknessText(Dims({{&D::diameter2, 251}}), ','), "0,75");
  EXPECT_EQ(WallThicknessText(Dims({{&D::side_d, 500}}), ','), "0,75");
  EXPECT_EQ(WallThicknessText(Dims({{&D::diameter1, 1000}}), '.'), "0.88");
  EXPECT_EQ(WallThicknessText(Dims({{&D::side_c, 1001}}), '.'), "1.0");
  EXPECT_EQ(WallThicknessText(D{}, '.'), "0.63");
}

TEST(FittingInputsFromRecord, NumbersOfARecordWithEitherSeparator) {
  FittingRecord r = testing_support::SampleFitting(13, '.');
  r.Text(FittingField::TeePath) = "BRANCH";
  r.Text(FittingField::TeeFlow) = "ROZPŁYW";
  r.Text(FittingField::SideC).clear();
  auto in = FittingInputsFromRecord(r);
  ASSERT_TRUE(in.inputs);
  EXPECT_EQ(in.inputs->kind, 13);
  EXPECT_EQ(in.inputs->length_mm, 2000);
  EXPECT_EQ(in.inputs->a_mm, 300);
  EXPECT_EQ(in.inputs->c_mm, 0);
  EXPECT_EQ(in.inputs->e_mm, 150);
  EXPECT_EQ(in.inputs->r_over_d, 1.5);
  EXPECT_EQ(in.inputs->k_mm, 0.15);
  EXPECT_EQ(in.inputs->wall_mm, 0.63);
  EXPECT_EQ(in.inputs->vb, 400);
  EXPECT_EQ(in.inputs->tee_path, 1);
  EXPECT_EQ(in.inputs->tee_flow, 0);
  EXPECT_EQ(in.inputs->round_bend_type, 2);
  EXPECT_FALSE(in.inputs->intake);
  EXPECT_EQ(ChoicesOf(*in.inputs).tee_path_item, 1);

  const FittingRecord comma = testing_support::SampleFitting(13, ',');
  auto in2 = FittingInputsFromRecord(comma);
  ASSERT_TRUE(in2.inputs);
  EXPECT_EQ(in2.inputs->k_mm, 0.15);
  EXPECT_EQ(in2.inputs->dpp, 1.5);

  // Empty length, flow and roughness stay empty: the confirm refuses them.
  FittingRecord empty = comma;
  empty.Text(FittingField::Length).clear();
  empty.Text(FittingField::FlowMain).clear();
  empty.Text(FittingField::Roughness).clear();
  auto in3 = FittingInputsFromRecord(empty);
  ASSERT_TRUE(in3.inputs);
  EXPECT_FALSE(in3.inputs->length_mm);
  EXPECT_FALSE(in3.inputs->vc);
  EXPECT_FALSE(in3.inputs->k_mm);

  r.Text(FittingField::FlowMain) = "12 00";
  auto bad = FittingInputsFromRecord(r);
  EXPECT_FALSE(bad.inputs);
  EXPECT_EQ(bad.bad_field, FittingField::FlowMain);
  r.Text(FittingField::FlowMain) = "1200";
  r.Text(FittingField::SideB) = "x";
  EXPECT_EQ(FittingInputsFromRecord(r).bad_field, FittingField::SideB);
  r.Text(FittingField::Kind) = "30";
  EXPECT_EQ(FittingInputsFromRecord(r).bad_field, FittingField::Kind);
}

}  // namespace
}  // namespace orvanta
