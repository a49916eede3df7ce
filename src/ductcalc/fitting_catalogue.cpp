#include "ductcalc/fitting_catalogue.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "psychro/number_text.h"

namespace orvanta {
namespace {

constexpr const char* kRoundBendAngles[] = {"20", "30", "45", "60", "75", "90", "110", "130", "150", "180"};
constexpr const char* kSmoothBendRatios[] = {"0,5", "0,75", "1,0", "1,5", "2,0", "2,5"};
constexpr const char* kSegmentedBendRatios[] = {"0,75", "1,0", "1,5", "2,0"};
constexpr const char* kTeeAngles[] = {"30", "45", "90"};
constexpr const char* kRoofHoodAngles[] = {"0", "15"};
constexpr const char* kBranchDivergingAngles[] = {"15", "30", "45", "60", "90"};
constexpr const char* kBranchConvergingAngles[] = {"15", "30", "45"};
constexpr const char* kRadiusBendAngles[] = {"30", "45", "60", "90"};
// The radius-bend series of the round bend up to 2,0.
constexpr const char* kRadiusBendRatios[] = {"0,5", "0,75", "1,0", "1,5", "2,0"};
constexpr const char* kElbowAngles[] = {"20", "30", "45", "60", "75", "90"};
constexpr const char* kElbowRatios[] = {"1,0"};
constexpr const char* kRightAngleOnly[] = {"90"};
constexpr const char* kFlexAngles[] = {"10", "20", "30", "40", "50", "60", "70", "80", "90", "100", "110"};

constexpr const char* kPictures[] = {
    "prostka_o", "kolano_o", "kolano_o_s", "odsadzka_o", "trojnik_o", "czerpnia_o", "trojnik_orlowy_o",
    "przejscie_o_p", "redukcja_o", "kratka_o", "prostka_p", "luk_p", "kolano_p", "odsadzka_p", "trojnik_p",
    "trojnik_p_L", "czerpnia_p", "trojnik_orlowy_p", "przejscie_p_o", "redukcja_p", "kratka_p", "flex",
    "czerpnia_scienna", "tlumik_okr", "tlumik_pr", "wentylator_okr", "wentylator_pr"};

constexpr TextList kNone{};

constexpr std::uint32_t L = kInputLength, P1 = kInputDiameter1, P2 = kInputDiameter2, A = kInputSideA,
                        B = kInputSideB, C = kInputSideC, D = kInputSideD, ANG = kInputAngle,
                        RD = kInputBendRatio, E = kInputOffsetE, RBT = kInputRoundBendType,
                        QBT = kInputRectBendType, TP = kInputTeePath, TF = kInputTeeFlow,
                        IO = kInputIntakeOutlet, VB = kInputFlowBranch, SP = kInputSoundPowerRow,
                        DB = kInputFanDbChoice;

using K = FittingKind;

// kind, button, text, name, type, picture, inputs, wb,
// L, φ1, φ2, A, B, C, D, e, angles, angle, R/D list, R/D, additional ζ, row caption
const std::array<FittingKindInfo, kFittingKindCount> kCatalogue = {{
    {K::RoundStraight, "SpeedButton1", 601, "PROSTKA_OKRĄGŁA", "TUBE*", "prostka_o", L | P1, false,
     "2000", "100", "0", "0", "0", "0", "0", "0", kNone, "0", kNone, "0", nullptr, kTextRowAttenuation},
    {K::RoundBend, "SpeedButton3", 602, "KOLANO_OKRĄGŁE", "BGE", "kolano_o", P1 | ANG | RD | RBT, false,
     "0", "100", "0", "0", "0", "0", "0", "0", kRoundBendAngles, "90", kSmoothBendRatios, "1,0", nullptr,
     kTextRowAttenuation},
    {K::RoundOffset, "SpeedButton4", 603, "ODSADZKA_OKRĄGŁA", "OC1*", "odsadzka_o", L | P1 | E, false,
     "300", "100", "0", "0", "0", "0", "0", "100", kNone, "0", kNone, "0", nullptr, kTextRowAttenuation},
    {K::RoundTee, "SpeedButton5", 604, "TRÓJNIK_OKRĄGŁY", "ATE", "trojnik_o", P1 | P2 | ANG | TP | TF | VB, true,
     "300", "160", "100", "0", "0", "0", "0", "0", kTeeAngles, "90", kNone, "0", nullptr, kTextRowAttenuation},
    {K::RoundRoofHood, "SpeedButton6", 605, "CZERPNIA/WYRZUTNIA_DACHOWA_OKRĄGŁA", "CH1*", "czerpnia_o",
     L | P1 | ANG | IO, false, "300", "100", "0", "0", "0", "0", "0", "0", kRoofHoodAngles, "15", kNone, "0",
     nullptr, kTextRowAttenuation},
    {K::RoundSymmetricBranch, "SpeedButton7", 606, "TŁUMIK_HAŁASU_OKRĄGŁY", "HSE", "trojnik_orlowy_o",
     P1 | P2 | ANG | TF | VB, true, "300", "160", "100", "0", "0", "0", "0", "0", kBranchDivergingAngles, "45",
     kNone, "0", nullptr, kTextRowAttenuation},
    {K::RoundToRectTransition, "SpeedButton8", 607, "SYMETRYCZNE_PRZEJSCIE_KOŁO_PROSTOKĄT", "SR*",
     "przejscie_o_p", L | P1 | C | D, true, "300", "100", "0", "0", "0", "125", "125", "0", kNone, "0", kNone,
     "0", nullptr, kTextRowAttenuation},
    {K::RoundReducer, "SpeedButton2", 608, "REDUKCJA_OKRĄGŁA", "USE", "redukcja_o", L | P1 | P2, true, "50",
     "100", "125", "0", "0", "0", "0", "0", kNone, "0", kNone, "0", nullptr, kTextRowAttenuation},
    {K::RoundGrille, "SpeedButton17", 609, "KRATKA_NAWIEWNA/WYWIEWNA_OKRĄGŁA", "SCD1*", "kratka_o", P1 | SP,
     false, "0", "100", "0", "0", "0", "0", "0", "0", kNone, "0", kNone, "0", "2", kTextRowAttenuation},
    {K::RectStraight, "SpeedButton9", 610, "PROSTKA_PROSTOKĄTNA", "K", "prostka_p", L | A | B, false, "1500",
     "0", "0", "100", "100", "0", "0", "0", kNone, "0", kNone, "0", nullptr, kTextRowAttenuation},
    {K::RectBend, "SpeedButton10", 611, "KOLANO_PROSTOKĄTNE", "BA", "luk_p", A | B | ANG | RD | QBT, false,
     "0", "0", "0", "100", "100", "0", "0", "0", kRadiusBendAngles, "90", kRadiusBendRatios, "1,0", nullptr,
     kTextRowAttenuation},
    {K::RectOffset, "SpeedButton11", 612, "ODSADZKA_PROSTOKĄTNA", "ES", "odsadzka_p", L | A | B | E, false,
     "300", "0", "0", "100", "100", "0", "0", "100", kNone, "0", kNone, "0", nullptr, kTextRowAttenuation},
    {K::RectTee, "SpeedButton12", 613, "TRÓJNIK_PROSTOKĄTNY", "TG", "trojnik_p",
     A | B | C | D | ANG | TP | TF | VB, true, "300", "0", "0", "160", "160", "100", "100", "0", kTeeAngles,
     "90", kNone, "0", nullptr, kTextRowAttenuation},
    {K::RectRoofHood, "SpeedButton13", 614, "CZERPNIA/WYRZUTNIA_DACHOWA_PROSTOKĄTNA", "RH1*", "czerpnia_p",
     L | A | B | IO, false, "300", "0", "0", "100", "100", "0", "0", "0", kNone, "0", kNone, "0", nullptr,
     kTextRowAttenuation},
    {K::RectSymmetricBranch, "SpeedButton14", 615, "TŁUMIK_HAŁASU_PROSTOKĄTNY", "TR3*", "trojnik_orlowy_p",
     A | B | C | D | TF | VB, true, "300", "0", "0", "125", "125", "100", "100", "0", kRightAngleOnly, "90",
     kNone, "0", nullptr, kTextRowAttenuation},
    {K::RectToRoundTransition, "SpeedButton15", 616, "SYMETRYCZNE_PRZEJSCIE_PROSTOKĄT_KOŁO", "RS*",
     "przejscie_p_o", L | P1 | C | D, true, "300", "100", "0", "0", "0", "125", "125", "0", kNone, "0", kNone,
     "0", nullptr, kTextRowAttenuation},
    {K::RectReducer, "SpeedButton16", 617, "REDUKCJA_PROSTOKĄTNA", "US", "redukcja_p", L | A | B | C | D, true,
     "300", "0", "0", "100", "100", "125", "125", "0", kNone, "0", kNone, "0", nullptr, kTextRowAttenuation},
    {K::RectGrille, "SpeedButton18", 618, "KRATKA_NAWIEWNA/WYWIEWNA_PROSTOKĄTNA", "RG1*", "kratka_p",
     A | B | SP, false, "0", "0", "0", "100", "100", "0", "0", "0", kNone, "0", kNone, "0", "2",
     kTextRowAttenuation},
    {K::Flex, "SpeedButton19", 622, "FLEX", "FLEX*", "flex", L | P1 | ANG, false, "900", "100", "0", "0", "0",
     "0", "0", "0", kFlexAngles, "90", kNone, "0", nullptr, kTextRowAttenuation},
    {K::WallIntake, "SpeedButton20", 621, "CZERPNIA/WYRZUTNIA_SCIENNA", "CZ_WY*", "czerpnia_scienna", A | B,
     false, "0", "0", "0", "100", "100", "0", "0", "0", kNone, "0", kNone, "0", "2", kTextRowAttenuation},
    {K::RoundSilencer, "SpeedButton21", 1236, "ROUND_SILANCER", "SILANCER_C", "tlumik_okr", L | P1, false,
     "1000", "100", "0", "0", "0", "0", "0", "0", kNone, "0", kNone, "0", "3", kTextRowSilencer},
    {K::RectSilencer, "SpeedButton22", 1237, "RECTANGULAR_SILANCER", "SILANCER_R", "tlumik_pr", L | A | B,
     false, "1000", "0", "0", "100", "100", "0", "0", "0", kNone, "0", kNone, "0", "3", kTextRowSilencer},
    {K::RoundFan, "SpeedButton23", 1238, "ROUND_FAN", "FAN_C", "wentylator_okr", L | P1 | DB, false, "220",
     "100", "0", "0", "0", "0", "0", "0", kNone, "0", kNone, "0", nullptr, kTextRowFan},
    {K::RectFan, "SpeedButton24", 1239, "RECTANGULAR_FAN", "FAN_R", "wentylator_pr", L | A | B | DB, false,
     "300", "0", "0", "100", "100", "0", "0", "0", kNone, "0", kNone, "0", nullptr, kTextRowFan},
}};

std::optional<int> MatchItem(std::string_view stored, std::span<const std::string> current,
                             std::initializer_list<std::pair<const char*, int>> aliases) {
  for (std::size_t k = 0; k < current.size(); ++k)
    if (!current[k].empty() && current[k] == stored) return static_cast<int>(k);
  for (const auto& [text, item] : aliases)
    if (stored == text) return item;
  return std::nullopt;
}

// Largest of the given dimensions (0 when none is positive).
double Largest(std::initializer_list<double> values) {
  double m = 0;
  for (double v : values) m = std::max(m, v);
  return m;
}

}  // namespace

const std::array<std::array<FittingKind, 12>, 2> kPaletteRows = {{
    {K::RoundStraight, K::RoundBend, K::RoundOffset, K::RoundTee, K::RoundRoofHood, K::RoundSymmetricBranch,
     K::RoundToRectTransition, K::RoundReducer, K::RoundGrille, K::Flex, K::RoundSilencer, K::RoundFan},
    {K::RectStraight, K::RectBend, K::RectOffset, K::RectTee, K::RectRoofHood, K::RectSymmetricBranch,
     K::RectToRoundTransition, K::RectReducer, K::RectGrille, K::WallIntake, K::RectSilencer, K::RectFan},
}};

const std::array<const char*, 42> kMainSizeList = {
    "80",   "100",  "125",  "150",  "160",  "180",  "200",  "225",  "250",  "280",  "300",  "315",  "355",  "400",
    "450",  "500",  "560",  "630",  "710",  "800",  "900",  "1000", "1120", "1250", "1400", "1500", "1600", "1800",
    "2000", "2500", "2800", "3000", "3150", "3550", "4000", "4500", "5000", "5600", "6000", "6300", "7100", "8000"};
const std::array<const char*, 42> kSecondSizeList = [] {
  std::array<const char*, 42> list = kMainSizeList;
  list[0] = "50";
  return list;
}();

const std::array<DuctMaterial, 3> kDuctMaterials = {{
    {723, "Stal ocynk", "0,15", "7350"},
    {724, "PVC", "0,007", "1430"},
    {725, "Inny", nullptr, nullptr},
}};

const std::array<InsulationMaterial, 3> kInsulationMaterials = {{
    {1218, "Wełna mineralna", "37"},
    {1219, "Pianka polietylenowa", "40"},
    {1220, "Pianka kauczukowa", "60"},
}};

std::optional<FittingKind> FittingKindFromNumber(int number) {
  if (number < 1 || number > kFittingKindCount) return std::nullopt;
  return static_cast<FittingKind>(number);
}

std::optional<FittingKind> FittingKindFromText(std::string_view text) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return FittingKindFromNumber(v);
}

const std::array<FittingKindInfo, kFittingKindCount>& FittingCatalogue() { return kCatalogue; }

const FittingKindInfo& KindInfo(FittingKind kind) { return kCatalogue[static_cast<int>(kind) - 1]; }

const char* FittingPicture(FittingKind kind, const FittingChoices& choices) {
  switch (kind) {
    case K::RoundBend:
      return choices.round_bend_item == 0 ? "kolano_o" : "kolano_o_s";
    case K::RectBend:
      return choices.rect_bend_item == 1 ? "kolano_p" : "luk_p";
    case K::RectTee:
      return choices.tee_flow_item == 1 ? "trojnik_p_L" : "trojnik_p";
    default:
      return KindInfo(kind).picture;
  }
}

std::span<const char* const> AllFittingPictures() { return kPictures; }

TextList AngleList(FittingKind kind, const FittingChoices& choices) {
  if (kind == K::RectBend && choices.rect_bend_item == 1) return kElbowAngles;
  if (kind == K::RoundSymmetricBranch && choices.tee_flow_item == 1) return kBranchConvergingAngles;
  return KindInfo(kind).angles;
}

TextList BendRatioList(FittingKind kind, const FittingChoices& choices) {
  if (kind == K::RoundBend && choices.round_bend_item != 0) return kSegmentedBendRatios;
  if (kind == K::RectBend && choices.rect_bend_item == 1) return kElbowRatios;
  return KindInfo(kind).bend_ratios;
}

const char* AngleSymbol(FittingKind kind, const FittingChoices& choices) {
  return KindInfo(kind).Shows(kInputTeeFlow) && choices.tee_flow_item == 0 ? "β" : "α";
}

std::optional<int> MatchTeePath(std::string_view stored, std::span<const std::string> current_items) {
  return MatchItem(stored, current_items, {{"PRZELOT", 0}, {"TRANSIT", 0}, {"ODGAŁĘŹIENIE", 1}, {"BRANCH", 1}});
}

std::optional<int> MatchTeeFlow(std::string_view stored, std::span<const std::string> current_items) {
  return MatchItem(stored, current_items,
                   {{"ROZPŁYW", 0}, {"DIVERTING", 0}, {"ŁĄCZENIE STRUG", 1}, {"CONVERTING", 1}});
}

double DefaultFittingLength(FittingKind kind, const FittingDimensions& d) {
  double length = 0;
  switch (kind) {
    case K::RoundStraight:
      length = 2000;
      break;
    case K::RoundBend:
    case K::RoundGrille:
    case K::RectBend:
    case K::RectGrille:
    case K::WallIntake:
      length = 0;
      break;
    case K::RoundOffset:
      length = 1.5 * d.diameter1 >= 2 * d.offset_e ? 1.5 * d.diameter1 : 2 * d.offset_e;
      break;
    case K::RoundTee:
    case K::RoundSymmetricBranch:
      length = d.diameter2 + 200;
      break;
    case K::RoundRoofHood:
      length = d.diameter1 + 200;
      break;
    case K::RoundToRectTransition:
    case K::RectToRoundTransition:
      length = Largest({d.side_c, d.side_d, d.diameter1});
      break;
    case K::RoundReducer:
      length = std::abs(d.diameter1 - d.diameter2) * 0.5 / std::tan(15.0 * std::numbers::pi / 180.0);
      break;
    case K::RectStraight:
      length = 1500;
      break;
    case K::RectOffset: {
      const double m = Largest({d.side_a, d.side_b, d.side_c, d.side_d});
      length = 1.5 * m >= 2 * d.offset_e ? 1.5 * m : 2 * d.offset_e;
      break;
    }
    case K::RectTee:
    case K::RectSymmetricBranch:
      length = Largest({d.side_a, d.side_b, d.side_c, d.side_d}) + 200;
      break;
    case K::RectRoofHood:
      length = Largest({d.side_a, d.side_b}) + 200;
      break;
    case K::RectReducer:
      length = 0.5 * Largest({d.side_a, d.side_b, d.side_c, d.side_d});
      break;
    case K::Flex:
      length = 900;
      break;
    case K::RoundSilencer:
    case K::RectSilencer:
      length = 1000;
      break;
    case K::RoundFan:
    case K::RectFan:
      length = 300;
      break;
  }
  return static_cast<double>(Rnd(length));
}

std::string WallThicknessText(const FittingDimensions& d, char decimal_separator) {
  const double m = Largest({d.side_a, d.side_b, d.side_c, d.side_d, d.diameter1, d.diameter2});
  const char* text = m > 1000 ? "1,0" : m > 500 ? "0,88" : m > 250 ? "0,75" : "0,63";
  return WithSeparator(text, decimal_separator);
}

std::string WithSeparator(std::string_view text, char decimal_separator) {
  std::string s(text);
  std::replace(s.begin(), s.end(), ',', decimal_separator);
  return s;
}

FittingChoices ChoicesOf(const FittingInputs& in) {
  return {in.round_bend_type, in.rect_bend_type, in.tee_path, in.tee_flow};
}

FittingInputsFromRecordResult FittingInputsFromRecord(const FittingRecord& record,
                                                      std::span<const std::string> tee_path_items,
                                                      std::span<const std::string> tee_flow_items) {
  FittingInputsFromRecordResult result;
  auto kind = FittingKindFromText(record.Text(FittingField::Kind));
  if (!kind) return result;
  FittingInputs in;
  in.kind = KindNumber(*kind);
  struct Number {
    FittingField field;
    double* value;
  };
  const Number numbers[] = {
      {FittingField::SideA, &in.a_mm},          {FittingField::Diameter1, &in.phi1_mm},
      {FittingField::SideB, &in.b_mm},          {FittingField::Diameter2, &in.phi2_mm},
      {FittingField::SideC, &in.c_mm},          {FittingField::SideD, &in.d_mm},
      {FittingField::OffsetE, &in.e_mm},        {FittingField::Angle, &in.angle_deg},
      {FittingField::BendRatio, &in.r_over_d},  {FittingField::FlowBranch, &in.vb},
      {FittingField::WallThickness, &in.wall_mm},
      {FittingField::InsulationThickness, &in.insulation_mm},
      {FittingField::WallDensity, &in.wall_density},
      {FittingField::InsulationDensity, &in.insulation_density},
  };
  for (const Number& n : numbers) {
    const std::string& text = record.Text(n.field);
    *n.value = 0;
    if (text.empty()) continue;
    auto v = ParseNumber(text, ',');
    if (!v) {
      result.bad_field = n.field;
      return result;
    }
    *n.value = *v;
  }
  // The fields the confirm treats specially when empty stay empty.
  const std::pair<FittingField, std::optional<double>*> optionals[] = {
      {FittingField::Length, &in.length_mm},
      {FittingField::FlowMain, &in.vc},
      {FittingField::Roughness, &in.k_mm},
      {FittingField::ExtraLoss, &in.dpp},
  };
  for (const auto& [field, value] : optionals) {
    const std::string& text = record.Text(field);
    value->reset();
    if (text.empty()) continue;
    auto v = ParseNumber(text, ',');
    if (!v) {
      result.bad_field = field;
      return result;
    }
    *value = *v;
  }
  in.round_bend_type = record.round_bend_item;
  in.rect_bend_type = record.rect_bend_item;
  in.tee_path = MatchTeePath(record.Text(FittingField::TeePath), tee_path_items).value_or(0);
  in.tee_flow = MatchTeeFlow(record.Text(FittingField::TeeFlow), tee_flow_items).value_or(0);
  in.intake = record.intake;
  result.inputs = in;
  return result;
}

FittingInputs PresetInputs(FittingKind kind) {
  const FittingKindInfo& k = KindInfo(kind);
  auto num = [](const char* text) { return ParseNumber(text, ',').value_or(0); };
  FittingInputs in;
  in.kind = KindNumber(kind);
  in.length_mm = num(k.length);
  in.a_mm = num(k.side_a);
  in.phi1_mm = num(k.diameter1);
  in.b_mm = num(k.side_b);
  in.phi2_mm = num(k.diameter2);
  in.c_mm = num(k.side_c);
  in.d_mm = num(k.side_d);
  in.e_mm = num(k.offset_e);
  in.angle_deg = num(k.angle);
  in.r_over_d = num(k.bend_ratio);
  in.k_mm = num(kDefaultRoughness);
  const FittingDimensions dims{0, in.a_mm, in.phi1_mm, in.b_mm, in.phi2_mm, in.c_mm, in.d_mm, in.e_mm};
  in.wall_mm = ParseNumber(WallThicknessText(dims, ','), ',').value_or(0);
  in.wall_density = num(kDefaultWallDensity);
  in.insulation_mm = num(kDefaultInsulationThickness);
  in.insulation_density = num(kDefaultInsulationDensity);
  if (k.extra_zeta) {
    in.zeta_add = num(k.extra_zeta);
    in.zeta_add_given = true;
  }
  return in;
}

}  // namespace orvanta
