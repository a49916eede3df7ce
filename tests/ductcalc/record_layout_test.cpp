// The 844-byte fitting record byte by byte, and the conversion of the older
// 372-byte record.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ductcalc/fitting_record.h"
#include "ductcalc/moh_test_support.h"

namespace orvanta {
namespace {

using testing_support::LegacyRecordBytes;
using testing_support::LegacyTexts;
using testing_support::SampleFitting;

// The file format's layout typed out by hand, independently of
// the reader's table: field, offset, capacity.
struct Expected {
  FittingField field;
  std::size_t offset;
  int capacity;
};
std::vector<Expected> FileFormatLayout() {
  std::vector<Expected> e = {
      {FittingField::Lp, 0, 3},
      {FittingField::Name, 4, 40},
      {FittingField::TypeCode, 45, 10},
      {FittingField::Length, 56, 10},
      {FittingField::SideA, 67, 10},
      {FittingField::Diameter1, 78, 10},
      {FittingField::SideB, 89, 10},
      {FittingField::Diameter2, 100, 10},
      {FittingField::SideC, 111, 10},
      {FittingField::SideD, 122, 10},
      {FittingField::Angle, 133, 10},
      {FittingField::FlowMain, 144, 10},
      {FittingField::FlowBranch, 155, 10},
      {FittingField::VelocityMain, 166, 10},
      {FittingField::VelocityBranch, 177, 10},
      {FittingField::ExtraLoss, 188, 10},
      {FittingField::Zeta, 199, 10},
      {FittingField::Roughness, 210, 10},
      {FittingField::FrictionLoss, 221, 10},
      {FittingField::LocalLoss, 232, 10},
      {FittingField::TotalLoss, 243, 10},
      {FittingField::HydraulicDiameterMain, 254, 10},
      {FittingField::HydraulicDiameterSecond, 265, 10},
      {FittingField::Kind, 276, 2},
      {FittingField::Material, 288, 20},
      {FittingField::BendRatio, 309, 10},
      {FittingField::OffsetE, 320, 10},
      {FittingField::TeePath, 331, 15},
      {FittingField::TeeFlow, 347, 15},
      {FittingField::RoundBendType, 363, 15},
      {FittingField::Mass, 379, 10},
      {FittingField::WallThickness, 390, 10},
      {FittingField::InsulationThickness, 401, 10},
      {FittingField::WallDensity, 412, 10},
      {FittingField::InsulationDensity, 423, 10},
      {FittingField::InsulationMaterial, 434, 20},
      {FittingField::Unused719, 719, 10},
  };
  const std::size_t rows[] = {455, 543, 631};
  for (int row = 0; row < 3; ++row)
    for (int band = 0; band < 8; ++band) e.push_back({BandField(row, band), rows[row] + 11 * band, 10});
  for (int k = 0; k < 10; ++k) e.push_back({UnusedField(k), 730 + 11 * static_cast<std::size_t>(k), 10});
  return e;
}

// A record whose every text is different and fills its field to capacity
// where it can ("A", "AB" ... for short fields), so a shifted field shows.
FittingRecord DistinctRecord() {
  FittingRecord r;
  for (int f = 0; f < kFittingTextFieldCount; ++f) {
    const int cap = kFittingTextLayout[f].capacity;
    std::string s = std::to_string(f);
    while (static_cast<int>(s.size()) < cap) s += static_cast<char>('a' + (f + s.size()) % 26);
    r.texts[f] = s;
  }
  r.round_bend_item = 0x01020304;
  r.rect_bend_item = -2;
  r.intake = false;
  r.fan_power_in_db = true;
  return r;
}

std::string TextAt(const std::array<std::uint8_t, kFittingRecordSize>& b, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(b.data() + offset + 1), b[offset]);
}

TEST(RecordLayout, EveryFieldLiesAtItsOffset) {
  const FittingRecord r = DistinctRecord();
  const auto bytes = EncodeFittingRecord(r);
  const auto layout = FileFormatLayout();
  ASSERT_EQ(layout.size(), static_cast<std::size_t>(kFittingTextFieldCount));  // every text field is listed
  for (const Expected& e : layout) {
    SCOPED_TRACE(FittingFieldName(e.field) + std::string(" at ") + std::to_string(e.offset));
    EXPECT_EQ(bytes[e.offset], e.capacity);  // filled to capacity
    EXPECT_EQ(TextAt(bytes, e.offset), r.Text(e.field));
  }
  // int32 little-endian at 280 and 284, the flags at 840/841, zero padding.
  EXPECT_EQ(bytes[280], 0x04);
  EXPECT_EQ(bytes[281], 0x03);
  EXPECT_EQ(bytes[282], 0x02);
  EXPECT_EQ(bytes[283], 0x01);
  EXPECT_EQ(bytes[284], 0xFE);
  EXPECT_EQ(bytes[287], 0xFF);
  EXPECT_EQ(bytes[840], 0);
  EXPECT_EQ(bytes[841], 1);
  EXPECT_EQ(bytes[279], 0);
  EXPECT_EQ(bytes[842], 0);
  EXPECT_EQ(bytes[843], 0);
}

TEST(RecordLayout, FieldsCoverTheRecordWithoutOverlap) {
  std::vector<int> owner(kFittingRecordSize, -1);
  for (int f = 0; f < kFittingTextFieldCount; ++f)
    for (std::size_t b = 0; b <= static_cast<std::size_t>(kFittingTextLayout[f].capacity); ++b) {
      const std::size_t at = kFittingTextLayout[f].offset + b;
      ASSERT_LT(at, kFittingRecordSize);
      EXPECT_EQ(owner[at], -1) << "byte " << at;
      owner[at] = f;
    }
  for (std::size_t b : {279u, 280u, 283u, 284u, 287u, 840u, 841u, 842u, 843u}) EXPECT_EQ(owner[b], -1) << b;
  int unowned = 0;
  for (int o : owner) unowned += o == -1;
  EXPECT_EQ(unowned, 1 + 8 + 4);  // padding 279, two int32, two flags + two padding bytes
}

TEST(RecordLayout, RoundTripKeepsEveryTextAndNumber) {
  for (const FittingRecord& r : {DistinctRecord(), SampleFitting(13), SampleFitting(2, '.'), FittingRecord{}}) {
    const auto bytes = EncodeFittingRecord(r);
    std::string damage;
    auto back = DecodeFittingRecord(bytes, &damage);
    ASSERT_TRUE(back) << damage;
    EXPECT_EQ(*back, r);
    EXPECT_EQ(EncodeFittingRecord(*back), bytes);
  }
}

TEST(RecordLayout, TextsAreWindows1250AndCutToCapacity) {
  FittingRecord r;
  r.Text(FittingField::Name) = "TRÓJNIK_OKRĄGŁY";  // Ó, Ą, Ł: one byte each
  r.Text(FittingField::Kind) = "123";                // capacity 2
  r.Text(FittingField::Material) = std::string(30, 'x');
  const auto b = EncodeFittingRecord(r);
  EXPECT_EQ(b[4], 15);
  EXPECT_EQ(b[4 + 1 + 2], 0xD3);   // Ó
  EXPECT_EQ(b[4 + 1 + 13], 0xA3);  // Ł
  EXPECT_EQ(TextAt(b, 276), "12");
  EXPECT_EQ(b[288], 20);
  auto back = DecodeFittingRecord(b, nullptr);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Text(FittingField::Name), "TRÓJNIK_OKRĄGŁY");
}

TEST(RecordLayout, ALengthBeyondTheCapacityIsDamageNamingTheField) {
  auto b = EncodeFittingRecord(SampleFitting(1));
  b[390] = 11;  // wall thickness, capacity 10
  std::string damage;
  EXPECT_FALSE(DecodeFittingRecord(b, &damage));
  EXPECT_NE(damage.find("wall thickness"), std::string::npos) << damage;
  EXPECT_NE(damage.find("390"), std::string::npos) << damage;

  b = EncodeFittingRecord(SampleFitting(1));
  b[0] = 4;  // Lp, capacity 3
  EXPECT_FALSE(DecodeFittingRecord(b, nullptr));
  // Any flag byte but 0 reads as set.
  b = EncodeFittingRecord(SampleFitting(1));
  b[840] = 7;
  auto r = DecodeFittingRecord(b, nullptr);
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->intake);
}

TEST(RecordLayout, NewLeavesZerosWhereTheSheetShowsThem) {
  const auto b = EncodeFittingRecord(NewResetRecord());
  auto zero_at = [&](std::size_t offset) { return TextAt(b, offset) == "0"; };
  auto empty_at = [&](std::size_t offset) { return b[offset] == 0; };
  for (std::size_t off : {379u, 390u, 401u, 412u, 423u}) EXPECT_TRUE(zero_at(off)) << off;
  for (std::size_t off = 455; off <= 532; off += 11) EXPECT_TRUE(zero_at(off)) << off;
  for (std::size_t off = 543; off <= 620; off += 11) EXPECT_TRUE(zero_at(off)) << off;
  for (std::size_t off = 631; off <= 686; off += 11) EXPECT_TRUE(zero_at(off)) << off;
  EXPECT_TRUE(empty_at(697));
  EXPECT_TRUE(empty_at(708));
  EXPECT_TRUE(empty_at(719));
  for (std::size_t off = 730; off <= 829; off += 11) EXPECT_TRUE(zero_at(off)) << off;
  for (std::size_t off : {0u, 4u, 45u, 56u, 243u, 276u, 288u, 434u}) EXPECT_TRUE(empty_at(off)) << off;
  EXPECT_EQ(b[840], 1);
  EXPECT_EQ(b[841], 1);
  EXPECT_EQ(b[280] | b[281] | b[282] | b[283] | b[284], 0);
}

TEST(RecordLayout, LegacyRecordMovesItsFieldsAndGetsTheImportDefaults) {
  LegacyTexts t;
  t.material = "PVC";
  t.bend_ratio = "2,5";
  t.e = "120";
  t.tee_path = "ODGALEZIENIE";
  t.tee_flow = "LACZENIE";
  t.bend_type = "segmentowe 5";
  t.round_bend_item = 3;
  t.rect_bend_item = 1;
  const auto bytes = LegacyRecordBytes(t);
  std::string damage;
  auto r = DecodeLegacyFittingRecord(std::span<const std::uint8_t, kLegacyFittingRecordSize>(bytes.data(), 372),
                                     ',', &damage);
  ASSERT_TRUE(r) << damage;
  EXPECT_EQ(r->Text(FittingField::Name), "PROSTKA_OKRAGLA");
  EXPECT_EQ(r->Text(FittingField::Length), "2000");
  EXPECT_EQ(r->Text(FittingField::TotalLoss), "3,5");
  EXPECT_EQ(r->Text(FittingField::Kind), "1");
  EXPECT_EQ(r->round_bend_item, 3);
  EXPECT_EQ(r->rect_bend_item, 1);
  EXPECT_EQ(r->Text(FittingField::Material), "PVC");
  EXPECT_EQ(r->Text(FittingField::BendRatio), "2,5");
  EXPECT_EQ(r->Text(FittingField::OffsetE), "120");
  EXPECT_EQ(r->Text(FittingField::TeePath), "ODGALEZIENIE");
  EXPECT_EQ(r->Text(FittingField::TeeFlow), "LACZENIE");
  EXPECT_EQ(r->Text(FittingField::RoundBendType), "segmentowe 5");
  EXPECT_EQ(r->Text(FittingField::Mass), "0");
  EXPECT_EQ(r->Text(FittingField::WallThickness), "0,63");
  EXPECT_EQ(r->Text(FittingField::InsulationThickness), "0");
  EXPECT_EQ(r->Text(FittingField::WallDensity), "7350");
  EXPECT_EQ(r->Text(FittingField::InsulationDensity), "37");
  EXPECT_EQ(r->Text(FittingField::InsulationMaterial), "");
  for (int row = 0; row < kOctaveRows; ++row)
    for (int band = 0; band < kOctaveBands; ++band) EXPECT_EQ(r->Text(BandField(row, band)), "0");
  for (int k = 0; k < 10; ++k) EXPECT_EQ(r->Text(UnusedField(k)), "0");
  EXPECT_TRUE(r->intake);
  EXPECT_TRUE(r->fan_power_in_db);

  auto dotted = DecodeLegacyFittingRecord(std::span<const std::uint8_t, kLegacyFittingRecordSize>(bytes.data(), 372),
                                          '.', nullptr);
  ASSERT_TRUE(dotted);
  EXPECT_EQ(dotted->Text(FittingField::WallThickness), "0.63");
}

TEST(RecordLayout, LegacyFieldBeyondItsCapacityIsDamage) {
  auto bytes = LegacyRecordBytes({});
  bytes[299] = 11;  // R/D had capacity 10 in the older record
  std::string damage;
  EXPECT_FALSE(DecodeLegacyFittingRecord(std::span<const std::uint8_t, kLegacyFittingRecordSize>(bytes.data(), 372),
                                         ',', &damage));
  EXPECT_NE(damage.find("R/D"), std::string::npos) << damage;
}

}  // namespace
}  // namespace orvanta
