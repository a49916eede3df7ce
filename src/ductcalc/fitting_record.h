// One fitting of a pressure-loss calculation as the ".moh" file holds it: a
// fixed 844-byte little-endian record, and the older 372-byte record that
// earlier versions wrote. Nearly every field is a short string (a length
// byte, then `capacity` Windows-1250 bytes); numbers are kept as the text
// that was typed or computed ("0,63" or "0.63"), so a record round-trips
// unchanged. In memory the texts are UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace orvanta {

inline constexpr std::size_t kFittingRecordSize = 844;
inline constexpr std::size_t kLegacyFittingRecordSize = 372;

// The text fields, in file order.
enum class FittingField : std::uint8_t {
  Lp,                       // the record's index in the document, "0", "1" ...
  Name,                     // fitting name (the kind's palette name)
  TypeCode,                 // "TUBE*", "BGE" ...
  Length,                   // L [mm]
  SideA,                    // A [mm], first side of the rectangular main section
  Diameter1,                // φ1 [mm], main diameter
  SideB,                    // B [mm]
  Diameter2,                // φ2 [mm], branch or outlet diameter
  SideC,                    // C [mm], first side of the second rectangular section
  SideD,                    // D [mm]
  Angle,                    // α or β [°]
  FlowMain,                 // Vc [m³/h]
  FlowBranch,               // Vb [m³/h]
  VelocityMain,             // wc [m/s]
  VelocityBranch,           // wb [m/s]
  ExtraLoss,                // dpp [Pa]
  Zeta,                     // ζ shown in the sheet [-]
  Roughness,                // k [mm]
  FrictionLoss,             // dpl [Pa]
  LocalLoss,                // dpm [Pa]
  TotalLoss,                // dpc [Pa]
  HydraulicDiameterMain,    // [mm]
  HydraulicDiameterSecond,  // [mm]
  Kind,                     // FittingKind number "1" ... "24"
  Material,                 // duct material as shown in its list
  BendRatio,                // R/D
  OffsetE,                  // e [mm]
  TeePath,                  // through or branch, as shown in its list
  TeeFlow,                  // diverging or converging, as shown in its list
  RoundBendType,            // round-bend type as shown in its list
  Mass,                     // m [kg]
  WallThickness,            // [mm]
  InsulationThickness,      // [mm]
  WallDensity,              // [kg/m³]
  InsulationDensity,        // [kg/m³]
  InsulationMaterial,       // as shown in its list
  Band1First,               // first octave-band row, 63 Hz; 8 fields
  Band2First = Band1First + 8,  // second row, 8 fields
  Band3First = Band2First + 8,  // third row, 8 fields
  Unused719 = Band3First + 8,
  Unused730First,           // 10 fields, "0" after New and the legacy import
  Count = Unused730First + 10,
};

inline constexpr int kFittingTextFieldCount = static_cast<int>(FittingField::Count);
inline constexpr int kOctaveBands = 8;
inline constexpr int kOctaveRows = 3;

struct TextFieldLayout {
  std::size_t offset;  // of the length byte
  int capacity;        // characters after it
};

// Where each text field lies in the 844-byte record, indexed by FittingField.
inline constexpr std::array<TextFieldLayout, kFittingTextFieldCount> kFittingTextLayout = [] {
  std::array<TextFieldLayout, kFittingTextFieldCount> t{};
  auto at = [&t](FittingField f, std::size_t offset, int capacity) {
    t[static_cast<int>(f)] = {offset, capacity};
  };
  at(FittingField::Lp, 0, 3);
  at(FittingField::Name, 4, 40);
  at(FittingField::TypeCode, 45, 10);
  // L ... hydraulic diameter of the second section: capacity 10, one after another.
  for (int f = static_cast<int>(FittingField::Length); f <= static_cast<int>(FittingField::HydraulicDiameterSecond); ++f)
    t[f] = {56 + 11 * static_cast<std::size_t>(f - static_cast<int>(FittingField::Length)), 10};
  at(FittingField::Kind, 276, 2);
  at(FittingField::Material, 288, 20);
  at(FittingField::BendRatio, 309, 10);
  at(FittingField::OffsetE, 320, 10);
  at(FittingField::TeePath, 331, 15);
  at(FittingField::TeeFlow, 347, 15);
  at(FittingField::RoundBendType, 363, 15);
  at(FittingField::Mass, 379, 10);
  at(FittingField::WallThickness, 390, 10);
  at(FittingField::InsulationThickness, 401, 10);
  at(FittingField::WallDensity, 412, 10);
  at(FittingField::InsulationDensity, 423, 10);
  at(FittingField::InsulationMaterial, 434, 20);
  for (int k = 0; k < 3 * kOctaveBands; ++k)
    t[static_cast<int>(FittingField::Band1First) + k] = {455 + 11 * static_cast<std::size_t>(k), 10};
  at(FittingField::Unused719, 719, 10);
  for (int k = 0; k < 10; ++k)
    t[static_cast<int>(FittingField::Unused730First) + k] = {730 + 11 * static_cast<std::size_t>(k), 10};
  return t;
}();

// The fields that are not text.
inline constexpr std::size_t kRoundBendItemOffset = 280;  // int32
inline constexpr std::size_t kRectBendItemOffset = 284;   // int32
inline constexpr std::size_t kIntakeFlagOffset = 840;     // 1 = intake, 0 = outlet
inline constexpr std::size_t kFanDbFlagOffset = 841;      // 1 = fan sound power in dB, 0 = dB(A)

// The older record: offsets 0 ... 287 as above, then these six fields; 3
// bytes of padding at 369.
inline constexpr std::array<std::pair<FittingField, TextFieldLayout>, 6> kLegacyTailLayout = {{
    {FittingField::Material, {288, 10}},
    {FittingField::BendRatio, {299, 10}},
    {FittingField::OffsetE, {310, 10}},
    {FittingField::TeePath, {321, 15}},
    {FittingField::TeeFlow, {337, 15}},
    {FittingField::RoundBendType, {353, 15}},
}};
inline constexpr std::size_t kLegacySharedPrefix = 288;  // bytes laid out as in the current record

constexpr TextFieldLayout LayoutOf(FittingField f) { return kFittingTextLayout[static_cast<int>(f)]; }
// row 0..2, band 0..7 (63 ... 8000 Hz).
constexpr FittingField BandField(int row, int band) {
  return static_cast<FittingField>(static_cast<int>(FittingField::Band1First) + row * kOctaveBands + band);
}
constexpr FittingField UnusedField(int k) {
  return static_cast<FittingField>(static_cast<int>(FittingField::Unused730First) + k);
}

struct FittingRecord {
  std::array<std::string, kFittingTextFieldCount> texts;  // UTF-8
  std::int32_t round_bend_item = 0;  // item index of the round-bend type list
  std::int32_t rect_bend_item = 0;   // item index of the rectangular-bend type list
  bool intake = true;                // intake ("Czerpnia"), else outlet ("Wyrzutnia")
  bool fan_power_in_db = true;       // fan sound power in dB, else in dB(A)

  std::string& Text(FittingField f) { return texts[static_cast<int>(f)]; }
  const std::string& Text(FittingField f) const { return texts[static_cast<int>(f)]; }
  bool operator==(const FittingRecord&) const = default;
};

// A record as New leaves it: every text empty except mass, wall and
// insulation data, the octave-band fields from offset 455 to 686 and the
// fields 730 ... 829, which hold "0"; list items 0; both flags set.
FittingRecord NewResetRecord();
// A record as Delete leaves the slot it vacates: every text empty, both
// flags set (list items as given).
void EmptyTexts(FittingRecord& record);

// Writes the 844 bytes; texts longer than a field's capacity are cut, the
// bytes after a text and the padding are 0.
void EncodeFittingRecord(const FittingRecord& record, std::span<std::uint8_t, kFittingRecordSize> out);
std::array<std::uint8_t, kFittingRecordSize> EncodeFittingRecord(const FittingRecord& record);

// nullopt when a length byte exceeds its field's capacity (`damage` then
// names the field). Flag bytes other than 0 read as set.
std::optional<FittingRecord> DecodeFittingRecord(std::span<const std::uint8_t, kFittingRecordSize> bytes,
                                                 std::string* damage);

// Converts an older record: shared fields copied, the six moved fields taken
// from their old places, and the fields the old record lacks filled as the
// import does: mass "0", wall thickness "0<sep>63", insulation thickness "0",
// wall density "7350", insulation density "37", insulation material empty,
// every octave-band field and the fields 730 ... 829 "0", both flags set.
std::optional<FittingRecord> DecodeLegacyFittingRecord(
    std::span<const std::uint8_t, kLegacyFittingRecordSize> bytes, char decimal_separator, std::string* damage);

// The field's name for messages ("fitting name", "mass" ...).
const char* FittingFieldName(FittingField f);

}  // namespace orvanta
