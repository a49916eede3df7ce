// The 24 fitting kinds of the palette and what the fitting window does with
// each: the name (a language text, the button's hint), type code, picture,
// which inputs it shows, the preset values, the lists of angles and radius
// ratios, and the rules that fill inputs automatically (default length, wall
// thickness, duct and insulation material). Plain data and functions, so the
// window only puts them into controls and the calculation reads the same
// numbers through FittingInputsFromRecord.
//
// Texts with a decimal separator are written here with ","; WithSeparator
// gives them in the user's separator.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ductcalc/fitting_record.h"
#include "ductcalc/velocities.h"

namespace orvanta {

enum class FittingKind : int {
  RoundStraight = 1,
  RoundBend = 2,
  RoundOffset = 3,
  RoundTee = 4,
  RoundRoofHood = 5,
  RoundSymmetricBranch = 6,
  RoundToRectTransition = 7,
  RoundReducer = 8,
  RoundGrille = 9,
  RectStraight = 10,
  RectBend = 11,
  RectOffset = 12,
  RectTee = 13,
  RectRoofHood = 14,
  RectSymmetricBranch = 15,
  RectToRoundTransition = 16,
  RectReducer = 17,
  RectGrille = 18,
  Flex = 19,
  WallIntake = 20,
  RoundSilencer = 21,
  RectSilencer = 22,
  RoundFan = 23,
  RectFan = 24,
};
// kFittingKindCount (24) comes with the physics inputs (velocities.h).

// The kind of a number 1 ... 24, or of a record's kind text ("7").
std::optional<FittingKind> FittingKindFromNumber(int number);
std::optional<FittingKind> FittingKindFromText(std::string_view text);
constexpr int KindNumber(FittingKind kind) { return static_cast<int>(kind); }

// Optional inputs of the fitting window (every kind also shows Vc, wc, the
// additional loss, material and roughness, wall and insulation data, the
// mass and the first two octave-band rows).
enum FittingInput : std::uint32_t {
  kInputLength = 1u << 0,         // Edit1, with the default-length box CheckBox1
  kInputDiameter1 = 1u << 1,      // ComboBox1
  kInputDiameter2 = 1u << 2,      // ComboBox2
  kInputSideA = 1u << 3,          // ComboBox8
  kInputSideB = 1u << 4,          // ComboBox9
  kInputSideC = 1u << 5,          // ComboBox4
  kInputSideD = 1u << 6,          // ComboBox5
  kInputAngle = 1u << 7,          // ComboBox6
  kInputBendRatio = 1u << 8,      // ComboBox7
  kInputOffsetE = 1u << 9,        // Edit15
  kInputRoundBendType = 1u << 10, // ComboBox10
  kInputRectBendType = 1u << 11,  // ComboBox11
  kInputTeePath = 1u << 12,       // ComboBox12
  kInputTeeFlow = 1u << 13,       // ComboBox13
  kInputIntakeOutlet = 1u << 14,  // RadioButton3 / RadioButton4
  kInputFlowBranch = 1u << 15,    // Edit9 (Vb)
  kInputSoundPowerRow = 1u << 16, // Edit33 ... Edit40 (grilles)
  kInputFanDbChoice = 1u << 17,   // GroupBox2: RadioButton5 / RadioButton6
};

using TextList = std::span<const char* const>;

struct FittingKindInfo {
  FittingKind kind;
  const char* button;     // objectName of the palette button
  int name_text;          // language text of the name (button hint, caption, fitting name)
  const char* name;       // the name in the design-time (Polish) texts
  const char* type_code;  // "TUBE*" ...
  const char* picture;    // picture stem (data/calc/<stem>.svg) of the first variant
  std::uint32_t inputs;   // FittingInput flags
  bool second_section;    // shows wb, the velocity in the branch or second section
  // Presets [mm]; inputs the kind does not use are "0".
  const char* length;
  const char* diameter1;
  const char* diameter2;
  const char* side_a;
  const char* side_b;
  const char* side_c;
  const char* side_d;
  const char* offset_e;
  TextList angles;            // the angle list of the first variant (empty: none)
  const char* angle;          // preset angle ("0" when none)
  TextList bend_ratios;       // R/D list of the first variant
  const char* bend_ratio;     // preset R/D ("0" when none)
  const char* extra_zeta;     // additional ζ preset, or nullptr: additional loss in Pa, "0"
  int octave_row_caption;     // language text over the first octave-band row

  bool Shows(FittingInput input) const { return (inputs & input) != 0; }
};

// Indexed by kind number − 1.
const std::array<FittingKindInfo, kFittingKindCount>& FittingCatalogue();
const FittingKindInfo& KindInfo(FittingKind kind);

// The palette: round elements in the upper row, rectangular ones below.
extern const std::array<std::array<FittingKind, 12>, 2> kPaletteRows;

// ---- Lists of the window ----

extern const std::array<const char*, 42> kMainSizeList;    // φ1 and A: 80 ... 8000
extern const std::array<const char*, 42> kSecondSizeList;  // φ2, B, C, D: 50, 100 ... 8000
inline constexpr int kTextRoundBendTypes = 651;  // 651 ... 654: smooth, 5, 4, 3 segments
inline constexpr int kTextRectBendTypes = 656;   // 656, 657: "ŁUK", "KOLANO"
inline constexpr int kTextTeePaths = 658;        // 658, 659: through, branch
inline constexpr int kTextTeeFlows = 660;        // 660, 661: diverging, converging
inline constexpr int kTextConfirmNew = 666;
inline constexpr int kTextConfirmEdit = 669;
inline constexpr int kTextRowAttenuation = 1225;
inline constexpr int kTextRowSilencer = 1227;
inline constexpr int kTextRowFan = 1214;

// The list choices that change pictures and lists.
struct FittingChoices {
  int round_bend_item = 0;  // 0 smooth, 1 ... 3 segmented
  int rect_bend_item = 0;   // 0 "ŁUK", 1 "KOLANO"
  int tee_path_item = 0;    // 0 through, 1 branch
  int tee_flow_item = 0;    // 0 diverging, 1 converging
};

// The picture stem for the kind in its current variant.
const char* FittingPicture(FittingKind kind, const FittingChoices& choices);
// Every stem the window can ask for.
std::span<const char* const> AllFittingPictures();
TextList AngleList(FittingKind kind, const FittingChoices& choices);
TextList BendRatioList(FittingKind kind, const FittingChoices& choices);
// "β" for a diverging tee, "α" otherwise.
const char* AngleSymbol(FittingKind kind, const FittingChoices& choices);

// Matches a stored tee path or flow text to its list item: the active
// language's items first, then the Polish and English names of earlier
// versions ("PRZELOT"/"TRANSIT", "ODGAŁĘŹIENIE"/"BRANCH"; "ROZPŁYW"/
// "DIVERTING", "ŁĄCZENIE STRUG"/"CONVERTING"). nullopt when nothing matches.
std::optional<int> MatchTeePath(std::string_view stored, std::span<const std::string> current_items);
std::optional<int> MatchTeeFlow(std::string_view stored, std::span<const std::string> current_items);

// ---- Materials ----

struct DuctMaterial {
  int text;                  // language text of the list item
  const char* name;          // design-time name
  const char* roughness;     // k [mm], nullptr: typed by the user (k editable)
  const char* wall_density;  // [kg/m³], nullptr: kept
};
extern const std::array<DuctMaterial, 3> kDuctMaterials;

struct InsulationMaterial {
  int text;
  const char* name;
  const char* density;  // [kg/m³]
};
extern const std::array<InsulationMaterial, 3> kInsulationMaterials;

// Defaults of a new fitting.
inline constexpr const char* kDefaultRoughness = "0,15";
inline constexpr const char* kDefaultWallDensity = "7350";
inline constexpr const char* kDefaultInsulationThickness = "0";
inline constexpr const char* kDefaultInsulationDensity = "37";

// ---- Rules ----

// The six dimensions and e [mm]; unused ones are 0.
struct FittingDimensions {
  double length = 0;
  double side_a = 0;
  double diameter1 = 0;
  double side_b = 0;
  double diameter2 = 0;
  double side_c = 0;
  double side_d = 0;
  double offset_e = 0;
};

// The default length [mm], a whole number (halves to even).
double DefaultFittingLength(FittingKind kind, const FittingDimensions& d);
// "0,63"; "0,75" when a dimension exceeds 250 mm, "0,88" above 500, "1,0" above 1000.
std::string WallThicknessText(const FittingDimensions& d, char decimal_separator);

// "0,15" → "0.15" for '.'.
std::string WithSeparator(std::string_view text, char decimal_separator);

// ---- The numbers of a fitting, for the calculation ----

// The list choices of physics inputs, for pictures and lists.
FittingChoices ChoicesOf(const FittingInputs& in);

struct FittingInputsFromRecordResult {
  std::optional<FittingInputs> inputs;
  FittingField bad_field = FittingField::Kind;  // when !inputs: the field that is not a number (or the kind)
};

// The calculation's numbers of a record (empty texts count as 0, an empty
// flow, length, roughness or additional loss stays empty; "," or "."
// accepted). The tee texts are matched as MatchTeePath/MatchTeeFlow do (item
// 0 when none matches); the round-bend item is the stored list index.
FittingInputsFromRecordResult FittingInputsFromRecord(const FittingRecord& record,
                                                      std::span<const std::string> tee_path_items = {},
                                                      std::span<const std::string> tee_flow_items = {});
// The preset numbers of a kind, as the palette action fills them.
FittingInputs PresetInputs(FittingKind kind);

}  // namespace orvanta
