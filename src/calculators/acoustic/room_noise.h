// The acoustic calculator (window "KALKULATOR AKUSTYCZNY"): the sound power
// of a fan reduced by a silencer and the ducts, increased by the self-noise of
// silencer and ducts and by the air terminal, gives the A-weighted sound power
// reaching the room and the A-weighted sound pressure level at a distance r.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calculators/acoustic/level_arithmetic.h"
#include "calculators/calc_result.h"

namespace orvanta::calculators {

// Whether the source row is unweighted Lw (RadioButton1, the default) or
// already A-weighted LwA (RadioButton2).
enum class SourceWeighting { kLw, kLwA };

// All numbers of the window, in the units of its labels. Defaults are the
// window's defaults.
struct RoomNoiseInput {
  double length = 3;      // L [m], Edit52
  double width = 4;       // W [m], Edit53
  double height = 3;      // H [m], Edit54
  double distance = 1.5;  // r [m], Edit55
  double alpha = 0.05;    // absorption coefficient α, ComboBox1
  double q = 1;           // directivity factor Q, ComboBox2
  OctaveLevels source{};          // Edit1 … Edit8
  SourceWeighting weighting = SourceWeighting::kLw;
  OctaveLevels silencer_loss{};   // Edit10 … Edit17; a positive loss is taken as negative
  OctaveLevels silencer_noise{};  // Edit20 … Edit27, unweighted
  OctaveLevels duct_loss{};       // Edit29 … Edit36; a positive loss is taken as negative
  OctaveLevels duct_noise{};      // 63 Hz in Edit71 … 8000 Hz in Edit64, unweighted
  OctaveLevels terminal{};        // Edit56 … Edit63, already A-weighted
};

struct RoomNoiseResult {
  double source_total = 0;        // Edit9: energetic sum of the source row as entered
  OctaveLevels room_power{};      // LwA per band at the room [dB(A)]
  double room_power_total = 0;    // Edit42
  OctaveLevels room_pressure{};   // Lp(A) per band at the distance r
  double room_pressure_total = 0; // Edit51
  double room_constant = 0;       // R [m²]
};

// Refuses non-positive room sizes or distance, an absorption coefficient
// outside (0, 1) (α = 1 or more gives no finite room constant), a
// non-positive directivity factor; every result is finite or a failure.
CalcResult<RoomNoiseResult> ComputeRoomNoise(const RoomNoiseInput& in);

// ---- The window's fields as texts ----

// One edit box or combo box: its objectName and the language text of the
// label of its row or box (for the message naming a field that is not a number).
struct AcousticField {
  const char* object_name;
  int label_text;       // 0: the label has no language text, `caption` is shown
  const char* caption;  // the window's own label text when label_text is 0
  int band;             // 0 … 7 for a band column, -1 for a single field
};

// The fields in the order they are read: room, source, silencer loss,
// silencer noise, duct loss, duct noise (Edit71 down to Edit64), terminal.
const std::vector<AcousticField>& RoomNoiseFields();

// The texts of the fields, in RoomNoiseFields() order (54 texts).
using RoomNoiseTexts = std::vector<std::string>;
inline constexpr int kRoomNoiseFieldCount = 6 + 6 * kOctaveBands;

// The texts a fresh window shows: "3", "4", "3", "1,5", "0,05", "1", then "0".
RoomNoiseTexts DefaultRoomNoiseTexts(char decimal_separator);

// Reading the fields. Reading stops at the first field that is not a number:
// `input` then holds the values read before it on top of `previous` (the
// values of the previous calculation), `fault` names the field, and
// no computation is to be made.
struct RoomNoiseReading {
  RoomNoiseInput input;
  const AcousticField* fault = nullptr;
};
RoomNoiseReading ReadRoomNoiseFields(const RoomNoiseTexts& texts, SourceWeighting weighting,
                                     const RoomNoiseInput& previous, char decimal_separator);

// The message for a field that is not a number; `label` is the field's label
// as the window shows it (Text(label_text)), `band_hz` 0 for a single field.
CalcFailure NotANumberFailure(const std::string& label, int band_hz);

// The results as the window shows them: 1 decimal, ties to even, shortest form.
struct RoomNoiseShown {
  std::string source_total;                        // Edit9
  std::array<std::string, kOctaveBands> room_power;  // Edit18, Edit19, Edit28, Edit37 … Edit41
  std::string room_power_total;                    // Edit42
  std::array<std::string, kOctaveBands> room_pressure;  // Edit43 … Edit50
  std::string room_pressure_total;                 // Edit51
};
RoomNoiseShown RoomNoiseShownTexts(const RoomNoiseResult& r, char decimal_separator);

// objectNames of the result row "Lw(A) [dB(A)]", band by band.
inline constexpr std::array<const char*, kOctaveBands> kRoomPowerFields = {
    "Edit18", "Edit19", "Edit28", "Edit37", "Edit38", "Edit39", "Edit40", "Edit41"};

// The items of the two combo boxes and the absorption help text of "?" beside α.
std::vector<std::string> AbsorptionItems(char decimal_separator);  // "0,05" … "0,40"
std::vector<std::string> DirectivityItems();                       // "1", "2", "4", "8"
// The help text in Polish, or in English for the other languages.
std::vector<std::string> AbsorptionHelpLines(bool polish = true);

// ---- "SUMOWANIE ŹRÓDEŁ HAŁASU": energetic sum of eight levels ----

// Every level counts, a "0" field as a 0 dB source.
CalcResult<double> SumSoundSources(const OctaveLevels& levels);
// From the texts of Edit1 … Edit8 to the text of Edit9 (1 decimal); the
// failure of a text that is not a number names the source ("01" … "08").
CalcResult<std::string> SumSoundSourcesText(const std::array<std::string, kOctaveBands>& texts,
                                            char decimal_separator);

// ---- Level at a distance R from a source of directivity Q ----

// Lp(A) = Lw(A) + 10·log10(Q / (12.566368·R²)). Refuses R ≤ 0 and Q ≤ 0.
CalcResult<double> LevelAtDistance(double lwa, double q, double r);
// From the texts of Edit1 (Lw(A)) and Edit2 (R) to the text of Label9; a
// failure leaves Label9 as it was.
CalcResult<std::string> LevelAtDistanceText(const std::string& lwa, double q, const std::string& r,
                                            char decimal_separator);
inline constexpr std::array<int, 4> kDirectivityChoices = {1, 2, 4, 8};  // RadioButton1 … RadioButton4

}  // namespace orvanta::calculators
