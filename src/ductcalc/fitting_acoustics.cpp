#include "ductcalc/fitting_acoustics.h"

#include <cmath>
#include <numbers>

#include "ductcalc/local_loss.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

constexpr double kFeetPerMetre = 3.28084;
constexpr double kMmPerInch = 25.4;

double Feet(double mm) { return mm / 1000.0 * kFeetPerMetre; }

DuctRefusal Own(std::string m) { return DuctRefusal{0, std::move(m)}; }

FittingAcousticsResult Refused(std::string m) { return {std::nullopt, Own(std::move(m))}; }

const char kNeedSides[] =
    "The acoustic values of this fitting need its diameters or sides to be greater than 0.";

// The diameter a rectangular section is taken as: 2AB/(A + B).
double EquivalentDiameter(double a, double b) { return 2 * a * b / (a + b); }

bool IsTypedKind(int kind) { return kind >= kRoundSilencer && kind <= kRectFan; }

bool IsFanOrSilencerCode(const std::string& code) {
  return code == "FAN_C" || code == "FAN_R" || code == "SILANCER_C" || code == "SILANCER_R";
}

BandRow Filled(double v) {
  BandRow r;
  r.fill(v);
  return r;
}

BandRow TableRow(const LossTable& table, double row_value) {
  BandRow out;
  for (int b = 0; b < kAcousticBands; ++b) out[b] = -LossTableLookup(table, row_value, kAcousticBandHz[b]);
  return out;
}

// The cross-section [m²] the regenerated noise of a kind is taken of; 0 for
// the kinds without regenerated noise.
double NoiseSection(const FittingAcousticInput& in) {
  switch (in.kind) {
    case kRoundDuct: case kRoundBend: case kRoundOffset: case kRoundTee: case kRoundYBranch:
    case kRoundToRect: case kRoundReducer: case kRoundGrille: case kFlexDuct:
      return std::numbers::pi * (in.phi1_mm / 1000) * (in.phi1_mm / 1000) / 4;
    case kRectDuct: case kRectBend: case kRectOffset: case kRectTee: case kRectYBranch:
    case kRectReducer: case kRectGrille:
      return in.a_mm / 1000 * (in.b_mm / 1000);
    case kRectToRound:
      return in.c_mm / 1000 * (in.d_mm / 1000);
    default:
      return 0;
  }
}

bool NeedsTable(int kind) { return kind == kRoundGrille || kind == kRectGrille || kind == kFlexDuct; }

}  // namespace

BandRow RoundDuctAttenuation(double length_mm) {
  static constexpr BandRow kPerFoot = {0.03, 0.03, 0.03, 0.05, 0.07, 0.07, 0.07, 0.07};
  const double l = Feet(length_mm);
  BandRow out;
  for (int b = 0; b < kAcousticBands; ++b) out[b] = -kPerFoot[b] * l;
  return out;
}

BandRow ElbowAttenuation(double angle_deg, double diameter_mm) {
  BandRow out{};
  if (angle_deg <= 60) return out;
  const double inches = diameter_mm / kMmPerInch;
  for (int b = 0; b < kAcousticBands; ++b) {
    const double x = kAcousticBandHz[b] / 1000 * inches;
    out[b] = x < 1.9 ? 0 : x < 3.8 ? -1 : x < 7.5 ? -2 : -3;
  }
  return out;
}

double TeeAttenuation(double path_section, double other_section) {
  return 10 * std::log10(path_section / (path_section + other_section));
}

BandRow RectangularDuctAttenuation(double a_mm, double b_mm, double length_mm) {
  const double a = Feet(a_mm), b = Feet(b_mm), l = Feet(length_mm);
  const double p = 2 * (a + b), s = a * b, h = p / s;
  BandRow out;
  for (int i = 0; i < kAcousticBands; ++i) {
    const double f = kAcousticBandHz[i];
    if (f > 250)
      out[i] = -0.02 * std::pow(h, 0.8) * l;
    else if (h >= 3)
      out[i] = -17 * std::pow(p, -0.25) * std::pow(f, -0.85) * l / s;
    else
      out[i] = -1.64 * std::pow(p, 0.73) * std::pow(f, -0.58) * l / s;
  }
  return out;
}

double RegeneratedNoise(double velocity, double section_m2) {
  if (velocity == 0 || section_m2 == 0) return 0;
  const double lw = 10 + 50 * std::log10(velocity) + 10 * std::log10(section_m2);
  return lw > 0 ? lw : 0;
}

std::string AcousticTableName(const FittingAcousticInput& in) {
  if (in.kind == kRoundGrille || in.kind == kRectGrille) return "nawiewnik.txt";
  if (in.kind == kFlexDuct) return FlexAcousticTableName(in.phi1_mm);
  return "";
}

namespace {

// The refusal of inputs that give the kind's rules no meaning: numbers that
// are not finite or are negative, and sections of size 0 where a rule
// divides by them or takes their logarithm.
std::optional<DuctRefusal> CheckAcousticInput(const FittingAcousticInput& in) {
  if (in.kind < 1 || in.kind > kFittingKindCount) return Own("Unknown kind of fitting.");
  for (double v : {in.length_mm, in.phi1_mm, in.phi2_mm, in.a_mm, in.b_mm, in.c_mm, in.d_mm, in.angle_deg,
                   in.velocity})
    if (!(std::isfinite(v) && v >= 0))
      return Own("The acoustic values need a length, dimensions, an angle and a velocity not less than 0.");
  bool sides = true;
  switch (in.kind) {
    case kRectBend: case kRectDuct: case kRectOffset: case kRectReducer: case kRectGrille:
      sides = in.a_mm > 0 && in.b_mm > 0;
      break;
    case kRoundTee: case kRoundYBranch:
      sides = in.phi1_mm > 0 && in.phi2_mm > 0;
      break;
    case kRectTee: case kRectYBranch:
      sides = in.a_mm > 0 && in.b_mm > 0 && in.c_mm > 0 && in.d_mm > 0;
      break;
    case kRectToRound:
      sides = in.c_mm > 0 && in.d_mm > 0;
      break;
    case kRoundGrille:
      sides = in.phi1_mm > 0;
      break;
    case kFlexDuct:
      if (!(in.phi1_mm > 0))
        return Own("The flexible duct needs a diameter φ1 greater than 0 for its insertion loss.");
      break;
    default:
      break;
  }
  if (!sides) return Own(kNeedSides);
  return std::nullopt;
}

}  // namespace

FittingAcousticsResult FittingAcousticsWithTable(const FittingAcousticInput& in, const LossTable* table) {
  if (in.kind >= 1 && IsTypedKind(in.kind)) return {};  // the user types the values of silencers and fans
  if (auto refusal = CheckAcousticInput(in)) return {std::nullopt, refusal};
  if (NeedsTable(in.kind) && !table)
    return Refused("The acoustic table \"" + AcousticTableName(in) + "\" cannot be read.");

  FittingAcousticRows rows;
  switch (in.kind) {
    case kRoundDuct: case kRoundOffset: case kRoundToRect: case kRoundReducer:
      rows.attenuation = RoundDuctAttenuation(in.length_mm);
      break;
    case kRoundBend:
      rows.attenuation = ElbowAttenuation(in.angle_deg, in.phi1_mm);
      break;
    case kRectBend:
      rows.attenuation = ElbowAttenuation(in.angle_deg, EquivalentDiameter(in.a_mm, in.b_mm));
      break;
    case kRoundTee: case kRoundYBranch: {
      const double main = in.phi1_mm * in.phi1_mm, branch = in.phi2_mm * in.phi2_mm;
      rows.attenuation = Filled(in.tee_branch ? TeeAttenuation(branch, main) : TeeAttenuation(main, branch));
      break;
    }
    case kRectTee: case kRectYBranch: {
      const double main = in.a_mm * in.b_mm, branch = in.c_mm * in.d_mm;
      rows.attenuation = Filled(in.tee_branch ? TeeAttenuation(branch, main) : TeeAttenuation(main, branch));
      break;
    }
    case kRoundGrille:
      rows.attenuation = TableRow(*table, in.phi1_mm);
      break;
    case kRectGrille:
      rows.attenuation = TableRow(*table, EquivalentDiameter(in.a_mm, in.b_mm));
      break;
    case kFlexDuct:
      rows.attenuation = TableRow(*table, in.length_mm / 1000);
      break;
    case kRectDuct: case kRectOffset: case kRectReducer:
      rows.attenuation = RectangularDuctAttenuation(in.a_mm, in.b_mm, in.length_mm);
      break;
    case kRectToRound:
      rows.attenuation = RectangularDuctAttenuation(in.c_mm, in.d_mm, in.length_mm);
      break;
    default:  // intakes and outlets: nothing in either row
      return {rows, std::nullopt};
  }
  rows.regenerated = Filled(RegeneratedNoise(in.velocity, NoiseSection(in)));
  for (int b = 0; b < kAcousticBands; ++b)
    if (!std::isfinite(rows.attenuation[b]) || !std::isfinite(rows.regenerated[b]))
      return Refused("The acoustic values of this fitting give no finite number; check its dimensions.");
  return {rows, std::nullopt};
}

FittingAcousticsResult FittingAcoustics(const FittingAcousticInput& in, LossTableStore& tables) {
  if (!NeedsTable(in.kind)) return FittingAcousticsWithTable(in, nullptr);
  // A refused dimension is told before a table is looked for.
  if (auto refusal = CheckAcousticInput(in)) return {std::nullopt, refusal};
  DuctRefusal refusal;
  const LossTable* table = tables.Get(AcousticTableName(in), &refusal);
  if (!table) return {std::nullopt, refusal};
  return FittingAcousticsWithTable(in, table);
}

std::array<std::string, kAcousticBands> BandRowTexts(const BandRow& row, char sep) {
  std::array<std::string, kAcousticBands> out;
  for (int b = 0; b < kAcousticBands; ++b) out[b] = NumberText(RoundToStep(row[b], 0.1), sep);
  return out;
}

std::string SilencerStoredText(std::string_view text, char sep) {
  const std::optional<double> v = ParseNumber(text, sep);
  if (!v || !(*v > 0)) return std::string(text);
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  std::string_view core = text.substr(b, e - b);
  if (!core.empty() && core.front() == '+') core.remove_prefix(1);
  return "-" + std::string(core);
}

AcousticTransfer TransferToAcousticCalculator(const std::vector<FittingAcousticData>& run) {
  AcousticTransfer t;
  auto take = [](BandEntries& to, const BandEntries& from) {
    for (int b = 0; b < kAcousticBands; ++b)
      if (from[b]) to[b] = from[b];
  };
  BandRow sums{};
  int noise_record = -1, first_candidate = -1;
  double noise_63 = 0;
  for (size_t i = 0; i < run.size(); ++i) {
    const FittingAcousticData& f = run[i];
    const bool duct_element = !IsFanOrSilencerCode(f.type_code);
    if (duct_element) {
      for (int b = 0; b < kAcousticBands; ++b)
        if (f.first[b]) sums[b] += *f.first[b];
      // The duct noise is the regenerated noise of a duct element: a
      // silencer's self-noise has its own row and would be counted twice,
      // and a fan's rows describe the source, so neither is taken here (nor
      // as the fallback when no element has regenerated noise).
      if (first_candidate < 0) first_candidate = static_cast<int>(i);
      if (f.second[0] && *f.second[0] > noise_63) {
        noise_63 = *f.second[0];
        noise_record = static_cast<int>(i);
      }
    }
    if (f.kind == kRoundFan || f.kind == kRectFan) {
      take(t.source, f.first);
      t.source_in_db = f.fan_power_in_db;
    } else if (f.kind == kRoundSilencer || f.kind == kRectSilencer) {
      take(t.silencer_loss, f.first);
      take(t.silencer_noise, f.second);
    } else if (f.kind == kRoundGrille || f.kind == kRectGrille) {
      take(t.terminal, f.third);
    }
  }
  for (int b = 0; b < kAcousticBands; ++b) t.duct_attenuation[b] = RoundToStep(sums[b], 0.1);
  if (noise_record < 0) noise_record = first_candidate;
  if (noise_record >= 0) t.duct_noise = run[noise_record].second;
  return t;
}

AcousticTransferFields AcousticTransferFieldTexts(const AcousticTransfer& t, char sep) {
  static const char* const kDuctLoss[] = {"Edit29", "Edit30", "Edit31", "Edit32", "Edit33", "Edit34", "Edit35", "Edit36"};
  static const char* const kSource[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"};
  static const char* const kSilLoss[] = {"Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16", "Edit17"};
  static const char* const kSilNoise[] = {"Edit20", "Edit21", "Edit22", "Edit23", "Edit24", "Edit25", "Edit26", "Edit27"};
  static const char* const kTerminal[] = {"Edit56", "Edit57", "Edit58", "Edit59", "Edit60", "Edit61", "Edit62", "Edit63"};
  AcousticTransferFields out;
  for (int b = 0; b < kAcousticBands; ++b) out.fields.push_back({kDuctLoss[b], NumberText(t.duct_attenuation[b], sep)});
  auto row = [&](const char* const* names, const BandEntries& e) {
    for (int b = 0; b < kAcousticBands; ++b)
      if (e[b]) out.fields.push_back({names[b], NumberText(*e[b], sep)});
  };
  row(kSource, t.source);
  row(kSilLoss, t.silencer_loss);
  row(kSilNoise, t.silencer_noise);
  row(kTerminal, t.terminal);
  row(kDuctNoiseFields.data(), t.duct_noise);
  if (t.source_in_db) out.radio = *t.source_in_db ? "RadioButton1" : "RadioButton2";
  return out;
}

}  // namespace orvanta
