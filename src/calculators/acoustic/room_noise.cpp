#include "calculators/acoustic/room_noise.h"

#include <cmath>

#include "psychro/number_text.h"

namespace orvanta::calculators {
namespace {

// 4·π as the room formula writes it.
constexpr double kFourPi = 12.566370614359172;
// 4·π as the level-at-a-distance window writes it.
constexpr double kFourPiShort = 12.566368;

// Language texts of the labels.
constexpr int kTextLength = 838, kTextWidth = 839, kTextHeight = 840, kTextDistance = 841;
constexpr int kTextAlpha = 842, kTextQ = 843, kTextSourceLw = 845;
constexpr int kTextSilencerLoss = 849, kTextSilencerNoise = 850, kTextDuctLoss = 851,
              kTextDuctNoise = 852;
constexpr const char* kTerminalCaption = "Sound power lewel [dB(A)]";

// A loss reduces the level whatever its sign was typed with.
double AsLoss(double v) { return -std::fabs(v); }

std::vector<AcousticField> BuildFields() {
  std::vector<AcousticField> f = {
      {"Edit52", kTextLength, nullptr, -1},   {"Edit53", kTextWidth, nullptr, -1},
      {"Edit54", kTextHeight, nullptr, -1},   {"Edit55", kTextDistance, nullptr, -1},
      {"ComboBox1", kTextAlpha, nullptr, -1}, {"ComboBox2", kTextQ, nullptr, -1},
  };
  static const char* const kSource[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"};
  static const char* const kSilLoss[] = {"Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16", "Edit17"};
  static const char* const kSilNoise[] = {"Edit20", "Edit21", "Edit22", "Edit23", "Edit24", "Edit25", "Edit26", "Edit27"};
  static const char* const kDuctLoss[] = {"Edit29", "Edit30", "Edit31", "Edit32", "Edit33", "Edit34", "Edit35", "Edit36"};
  // The duct-noise row runs from Edit71 at 63 Hz down to Edit64 at 8000 Hz.
  static const char* const kDuctNoise[] = {"Edit71", "Edit70", "Edit69", "Edit68", "Edit67", "Edit66", "Edit65", "Edit64"};
  static const char* const kTerminal[] = {"Edit56", "Edit57", "Edit58", "Edit59", "Edit60", "Edit61", "Edit62", "Edit63"};
  auto row = [&f](const char* const* names, int text, const char* caption) {
    for (int b = 0; b < kOctaveBands; ++b) f.push_back({names[b], text, caption, b});
  };
  row(kSource, kTextSourceLw, nullptr);
  row(kSilLoss, kTextSilencerLoss, nullptr);
  row(kSilNoise, kTextSilencerNoise, nullptr);
  row(kDuctLoss, kTextDuctLoss, nullptr);
  row(kDuctNoise, kTextDuctNoise, nullptr);
  row(kTerminal, 0, kTerminalCaption);
  return f;
}

CalcFailure SizeFailure() {
  return CalcFailure::Message(
      "Wymiary pomieszczenia L, W, H i odległość od źródła r muszą być większe od 0.",
      "The room length, width and height and the distance r from the source must be greater than 0.");
}

}  // namespace

CalcResult<RoomNoiseResult> ComputeRoomNoise(const RoomNoiseInput& in) {
  if (!AllFinite({in.length, in.width, in.height, in.distance, in.alpha, in.q}))
    return NotFiniteFailure();
  if (!(in.length > 0 && in.width > 0 && in.height > 0 && in.distance > 0)) return SizeFailure();
  if (!(in.alpha > 0 && in.alpha < 1))
    return CalcFailure::Message(
        "Współczynnik pochłaniania dźwięku α musi być większy od 0 i mniejszy od 1.",
        "The sound absorption coefficient α must be greater than 0 and less than 1.");
  if (!(in.q > 0))
    return CalcFailure::Message("Współczynnik kierunkowości Q musi być większy od 0.",
                                "The directivity factor Q must be greater than 0.");

  RoomNoiseResult r;
  r.source_total = EnergeticSum(in.source);
  const OctaveLevels source =
      in.weighting == SourceWeighting::kLw ? AWeighted(in.source) : in.source;
  const OctaveLevels silencer_noise = AWeighted(in.silencer_noise);
  const OctaveLevels duct_noise = AWeighted(in.duct_noise);
  for (int b = 0; b < kOctaveBands; ++b) {
    const double attenuated = source[b] + AsLoss(in.silencer_loss[b]) + AsLoss(in.duct_loss[b]);
    const std::array<double, 4> parts = {attenuated, duct_noise[b], silencer_noise[b], in.terminal[b]};
    r.room_power[b] = EnergeticSum(parts);
  }
  r.room_power_total = EnergeticSum(r.room_power);

  const double surface = 2 * in.length * in.width + 2 * in.length * in.height + 2 * in.width * in.height;
  const double absorption = surface * in.alpha;
  r.room_constant = absorption / (1 - in.alpha);
  const double field = 10 * std::log10(in.q / (kFourPi * in.distance * in.distance) + 4 / r.room_constant);
  for (int b = 0; b < kOctaveBands; ++b) r.room_pressure[b] = r.room_power[b] + field;
  r.room_pressure_total = EnergeticSum(r.room_pressure);

  bool finite = std::isfinite(r.source_total) && std::isfinite(r.room_power_total) &&
                std::isfinite(r.room_pressure_total) && std::isfinite(r.room_constant);
  for (int b = 0; b < kOctaveBands; ++b)
    finite = finite && std::isfinite(r.room_power[b]) && std::isfinite(r.room_pressure[b]);
  if (!finite) return NotFiniteFailure();
  return r;
}

const std::vector<AcousticField>& RoomNoiseFields() {
  static const std::vector<AcousticField> fields = BuildFields();
  return fields;
}

RoomNoiseTexts DefaultRoomNoiseTexts(char sep) {
  RoomNoiseTexts t(kRoomNoiseFieldCount, "0");
  t[0] = "3";
  t[1] = "4";
  t[2] = "3";
  t[3] = NumberText(1.5, sep);
  t[4] = NumberText(0.05, sep);
  t[5] = "1";
  return t;
}

RoomNoiseReading ReadRoomNoiseFields(const RoomNoiseTexts& texts, SourceWeighting weighting,
                                     const RoomNoiseInput& previous, char sep) {
  RoomNoiseReading out{previous, nullptr};
  out.input.weighting = weighting;
  const auto& fields = RoomNoiseFields();
  double* const singles[] = {&out.input.length, &out.input.width, &out.input.height,
                             &out.input.distance, &out.input.alpha, &out.input.q};
  OctaveLevels* const rows[] = {&out.input.source,    &out.input.silencer_loss, &out.input.silencer_noise,
                                &out.input.duct_loss, &out.input.duct_noise,    &out.input.terminal};
  for (int i = 0; i < kRoomNoiseFieldCount; ++i) {
    const std::optional<double> v =
        i < static_cast<int>(texts.size()) ? ParseNumber(texts[i], sep) : std::nullopt;
    if (!v) {
      out.fault = &fields[i];
      return out;
    }
    if (i < 6)
      *singles[i] = *v;
    else
      (*rows[(i - 6) / kOctaveBands])[(i - 6) % kOctaveBands] = *v;
  }
  return out;
}

CalcFailure NotANumberFailure(const std::string& label, int band_hz) {
  const std::string band = band_hz > 0 ? ", " + std::to_string(band_hz) + " Hz" : "";
  return CalcFailure::Message("Wartość w polu \u201E" + label + "\u201D" + band +
                                  " nie jest liczbą. Obliczenia przerwano.",
                              "The value in \u201C" + label + "\u201D" + band +
                                  " is not a number. The calculation was stopped.");
}

RoomNoiseShown RoomNoiseShownTexts(const RoomNoiseResult& r, char sep) {
  RoomNoiseShown s;
  s.source_total = ShownNumber(r.source_total, 1, sep);
  for (int b = 0; b < kOctaveBands; ++b) {
    s.room_power[b] = ShownNumber(r.room_power[b], 1, sep);
    s.room_pressure[b] = ShownNumber(r.room_pressure[b], 1, sep);
  }
  s.room_power_total = ShownNumber(r.room_power_total, 1, sep);
  s.room_pressure_total = ShownNumber(r.room_pressure_total, 1, sep);
  return s;
}

std::vector<std::string> AbsorptionItems(char sep) {
  std::vector<std::string> items;
  for (const char* v : {"0,05", "0,10", "0,15", "0,25", "0,40"}) {
    std::string s = v;
    s[1] = sep;
    items.push_back(s);
  }
  return items;
}

std::vector<std::string> DirectivityItems() { return {"1", "2", "4", "8"}; }

std::vector<std::string> AbsorptionHelpLines(bool polish) {
  if (!polish)
    return {
        "Typical sound absorption coefficients by the finish of the room",
        "",
        "a) alpha=0.40 - rooms with very good sound absorption (heavy curtains at the windows, thick carpets, "
        "many absorbing elements such as furniture etc.)",
        "",
        "b) alpha=0.25 - rooms with light sound absorption (curtains at the windows, carpets etc.)",
        "",
        "c) alpha=0.15 - rooms with standard sound absorption (standard offices with floor coverings and "
        "office furniture)",
        "",
        "d) alpha=0.10 - rooms with poor sound absorption (no floor coverings, carpets or curtains, little "
        "furniture)",
        "",
        "e) alpha=0.05 - rooms with very poor sound absorption (bare rooms without furnishings)",
    };
  return {
      "Typowe współczynnii pochłaniania dźwięku w zależności od wykończenia pomieszczeń",
      "",
      "a) alfa=0,40  - pomieszczenia bardzo dobrze wytłumione (ciężkie kotary w oknach, grube dywany, dużo "
      "elementów tłumiących takich jak meble itp.)",
      "",
      "b) alfa=0,25 - pomieszczenia lekko wytłumione akustycznie (zasłony w oknach, dywany itp.)",
      "",
      "c) alfa=0,15 - pomieszczenia standardowo wytłumione akustycznie (standardowe pomieszczenia biurowe z "
      "wykładzinami i umeblowaniem biurowym)",
      "",
      "d) alfa=0,10 - pomieszczenia słabo wytłumione akustycznie (brak wykładzin, dywanów, zasłon w oknach, "
      "niewielka ilość mebli)",
      "",
      "e) alfa=0,05 - pomieszczenia bardzo słabo wytłumione akustycznie (pomieszczenia surowe bez "
      "wyposażenia)",
  };
}

// ---- Sum of sources ----

CalcResult<double> SumSoundSources(const OctaveLevels& levels) {
  const double sum = EnergeticSum(levels);
  if (!std::isfinite(sum)) return NotFiniteFailure();
  return sum;
}

CalcResult<std::string> SumSoundSourcesText(const std::array<std::string, kOctaveBands>& texts, char sep) {
  OctaveLevels levels{};
  for (int i = 0; i < kOctaveBands; ++i) {
    const std::optional<double> v = ParseNumber(texts[i], sep);
    if (!v) {
      const std::string source = std::string("0") + static_cast<char>('1' + i);
      return CalcFailure::Message("Poziom źródła " + source + " nie jest liczbą.",
                                  "The level of source " + source + " is not a number.");
    }
    levels[i] = *v;
  }
  const CalcResult<double> sum = SumSoundSources(levels);
  if (!sum.ok()) return sum.failure();
  return ShownNumber(sum.value(), 1, sep);
}

// ---- Level at a distance ----

CalcResult<double> LevelAtDistance(double lwa, double q, double r) {
  if (!AllFinite({lwa, q, r})) return NotFiniteFailure();
  if (!(r > 0))
    return CalcFailure::Message("Odległość od źródła R musi być większa od 0.",
                                "The distance R from the source must be greater than 0.");
  if (!(q > 0))
    return CalcFailure::Message("Współczynnik kierunkowości Q musi być większy od 0.",
                                "The directivity factor Q must be greater than 0.");
  const double lp = lwa + 10 * std::log10(q / (kFourPiShort * r * r));
  if (!std::isfinite(lp)) return NotFiniteFailure();
  return lp;
}

CalcResult<std::string> LevelAtDistanceText(const std::string& lwa, double q, const std::string& r, char sep) {
  const std::optional<double> lw = ParseNumber(lwa, sep);
  if (!lw)
    return CalcFailure::Message("Poziom mocy akustycznej źródła Lw nie jest liczbą.",
                                "The sound power level Lw of the source is not a number.");
  const std::optional<double> dist = ParseNumber(r, sep);
  if (!dist)
    return CalcFailure::Message("Odległość od źródła R nie jest liczbą.",
                                "The distance R from the source is not a number.");
  const CalcResult<double> lp = LevelAtDistance(*lw, q, *dist);
  if (!lp.ok()) return lp.failure();
  return ShownNumber(lp.value(), 1, sep);
}

}  // namespace orvanta::calculators
