// Octave-band acoustics of the fittings of a duct run: the attenuation each
// fitting gives (first row) and the noise the air regenerates in it (second
// row), the sign rule of silencers, and the hand-over of a whole run to the
// acoustic calculator.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ductcalc/loss_table.h"
#include "ductcalc/velocities.h"

namespace orvanta {

inline constexpr int kAcousticBands = 8;
using BandRow = std::array<double, kAcousticBands>;
// Band centre frequencies [Hz]: 63 … 8000.
inline constexpr std::array<double, kAcousticBands> kAcousticBandHz = {63, 125, 250, 500, 1000, 2000, 4000, 8000};

// What the acoustic rules read of a fitting: lengths in mm, the angle in
// degrees, the main velocity as the fitting window shows it (Edit3).
struct FittingAcousticInput {
  int kind = 1;  // 1 … 24
  double length_mm = 0;
  double phi1_mm = 0, phi2_mm = 0;
  double a_mm = 0, b_mm = 0, c_mm = 0, d_mm = 0;
  double angle_deg = 0;
  bool tee_branch = false;  // tee path: item 1 (branch) rather than item 0 (through)
  double velocity = 0;      // wc [m/s]
};

struct FittingAcousticRows {
  BandRow attenuation{};  // first row [dB], ≤ 0
  BandRow regenerated{};  // second row [dB], ≥ 0
};

// The rows, or a refusal (a dimension or velocity that gives no finite
// value), or for the kinds whose values are typed (silencers, fans) neither:
// `rows` is then empty and the fields keep what the user typed.
struct FittingAcousticsResult {
  std::optional<FittingAcousticRows> rows;
  std::optional<DuctRefusal> refusal;
};

// The table file the first row of a kind reads: "nawiewnik.txt" for
// grilles, "flex100.txt" … "flex400.txt" by φ1 for flexible ducts, "" for
// every other kind (and for a flexible duct of φ1 ≤ 0).
std::string AcousticTableName(const FittingAcousticInput& in);

// Both rows by kind. `table` is the parsed table AcousticTableName names
// (ignored by kinds that need none; a needed table that is null is refused).
FittingAcousticsResult FittingAcousticsWithTable(const FittingAcousticInput& in, const LossTable* table);
// The same, reading the table from the folder's store.
FittingAcousticsResult FittingAcoustics(const FittingAcousticInput& in, LossTableStore& tables);

// ---- The rules, one by one ----

// Round ducts: −c·L_ft, c = 0.03 up to 250 Hz, 0.05 at 500 Hz, 0.07 above.
BandRow RoundDuctAttenuation(double length_mm);
// Bends: 0 up to 60°; above, 0, −1, −2, −3 dB as (f/1000)·(diameter in inches)
// reaches 1.9, 3.8, 7.5.
BandRow ElbowAttenuation(double angle_deg, double diameter_mm);
// Tees: the share of the path's section in the two sections, in dB, the same
// in every band. `path_section` and `other_section` in any one unit.
double TeeAttenuation(double path_section, double other_section);
// Rectangular ducts of sides a, b and length L [mm].
BandRow RectangularDuctAttenuation(double a_mm, double b_mm, double length_mm);
// Regenerated noise Lw = 10 + 50·log10(w) + 10·log10(S), 0 when w or S is
// 0 and when negative; S in m².
double RegeneratedNoise(double velocity, double section_m2);

// The rows as the fitting window shows them (Edit16 … Edit23, Edit25 …
// Edit32): rounded to 0.1, shortest form.
std::array<std::string, kAcousticBands> BandRowTexts(const BandRow& row, char decimal_separator);

// The confirm of a silencer stores a first-row value greater than 0 with a
// "-" in front ("12" → "-12"); other texts are kept as they are.
std::string SilencerStoredText(std::string_view text, char decimal_separator);

// ---- Hand-over of a run to the acoustic calculator ----

// One fitting of the run as the hand-over reads it: its stored type code and
// kind, and the three band rows (nullopt where the stored text is not a number).
using BandEntries = std::array<std::optional<double>, kAcousticBands>;
struct FittingAcousticData {
  std::string type_code;  // "TUBE*", "FAN_C" …
  int kind = 0;           // 1 … 24, 0 when the stored kind is not a number
  BandEntries first{}, second{}, third{};
  bool fan_power_in_db = true;  // the record's dB flag
};

// What the hand-over puts into the acoustic calculator; an empty entry
// leaves its field as it was.
struct AcousticTransfer {
  std::array<double, kAcousticBands> duct_attenuation{};  // Edit29 … Edit36, sums rounded to 0.1
  BandEntries source{};           // Edit1 … Edit8: the last fan's first row
  std::optional<bool> source_in_db;  // RadioButton1 (true) or RadioButton2; empty: no fan
  BandEntries silencer_loss{};    // Edit10 … Edit17: the last silencer's first row
  BandEntries silencer_noise{};   // Edit20 … Edit27: the last silencer's second row
  BandEntries terminal{};         // Edit56 … Edit63: the last grille's third row
  BandEntries duct_noise{};       // band order 63 … 8000 Hz; Edit71 … Edit64
};

// Sums, rows and the duct-noise record of a run (the fittings in order; an
// empty list gives zero sums and nothing else).
AcousticTransfer TransferToAcousticCalculator(const std::vector<FittingAcousticData>& run);

// The transfer as the calculator's fields: objectName and text, in the
// order they are set (a later entry of the same field wins). The text of a
// row value is its number as text; the radio button chosen is in `radio`.
struct AcousticFieldText {
  std::string object_name;
  std::string text;
};
struct AcousticTransferFields {
  std::vector<AcousticFieldText> fields;
  std::string radio;  // "RadioButton1", "RadioButton2" or "" (unchanged)
};
AcousticTransferFields AcousticTransferFieldTexts(const AcousticTransfer& t, char decimal_separator);

// The duct-noise fields, 63 Hz first: "Edit71", "Edit70" … "Edit64".
inline constexpr std::array<const char*, kAcousticBands> kDuctNoiseFields = {
    "Edit71", "Edit70", "Edit69", "Edit68", "Edit67", "Edit66", "Edit65", "Edit64"};

}  // namespace orvanta
