// Helpers of the duct calculator tests: fittings with every field set, and
// older 372-byte records written byte by byte at their offsets
// (independently of the reader's tables).
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ductcalc/fitting_record.h"

namespace orvanta::testing_support {

// A complete fitting of the given kind whose texts differ from field to
// field; numbers use `sep` as the decimal separator.
// `dpc` and `mass` are written with "," and get `sep` as well.
inline FittingRecord SampleFitting(int kind, char sep = ',', std::string dpc = "12,5", std::string mass = "3,25") {
  auto num = [sep](const std::string& whole, const std::string& frac) { return whole + sep + frac; };
  for (std::string* s : {&dpc, &mass})
    for (char& c : *s)
      if (c == ',') c = sep;
  FittingRecord r;
  r.Text(FittingField::Lp) = "0";
  r.Text(FittingField::Name) = "KOLANO_OKRĄGŁE";
  r.Text(FittingField::TypeCode) = "BGE";
  r.Text(FittingField::Length) = "2000";
  r.Text(FittingField::SideA) = "300";
  r.Text(FittingField::Diameter1) = "250";
  r.Text(FittingField::SideB) = "200";
  r.Text(FittingField::Diameter2) = "160";
  r.Text(FittingField::SideC) = "125";
  r.Text(FittingField::SideD) = "100";
  r.Text(FittingField::Angle) = "90";
  r.Text(FittingField::FlowMain) = "1200";
  r.Text(FittingField::FlowBranch) = "400";
  r.Text(FittingField::VelocityMain) = num("6", "791");
  r.Text(FittingField::VelocityBranch) = num("5", "526");
  r.Text(FittingField::ExtraLoss) = num("1", "5");
  r.Text(FittingField::Zeta) = num("0", "33");
  r.Text(FittingField::Roughness) = num("0", "15");
  r.Text(FittingField::FrictionLoss) = num("4", "12");
  r.Text(FittingField::LocalLoss) = num("7", "88");
  r.Text(FittingField::TotalLoss) = dpc;
  r.Text(FittingField::HydraulicDiameterMain) = num("250", "1");
  r.Text(FittingField::HydraulicDiameterSecond) = num("111", "1");
  r.Text(FittingField::Kind) = std::to_string(kind);
  r.round_bend_item = 2;
  r.rect_bend_item = -7;  // a negative index survives as such
  r.Text(FittingField::Material) = "Stal ocynk";
  r.Text(FittingField::BendRatio) = num("1", "5");
  r.Text(FittingField::OffsetE) = "150";
  r.Text(FittingField::TeePath) = "ODGAŁĘŹIENIE";
  r.Text(FittingField::TeeFlow) = "ŁĄCZENIE STRUG";
  r.Text(FittingField::RoundBendType) = "segmentowe";
  r.Text(FittingField::Mass) = mass;
  r.Text(FittingField::WallThickness) = num("0", "63");
  r.Text(FittingField::InsulationThickness) = "50";
  r.Text(FittingField::WallDensity) = "7350";
  r.Text(FittingField::InsulationDensity) = "37";
  r.Text(FittingField::InsulationMaterial) = "Wełna mineralna";
  for (int row = 0; row < kOctaveRows; ++row)
    for (int band = 0; band < kOctaveBands; ++band)
      r.Text(BandField(row, band)) = std::to_string(10 * (row + 1) + band);
  r.Text(FittingField::Unused719) = "";
  for (int k = 0; k < 10; ++k) r.Text(UnusedField(k)) = "0";
  r.intake = false;
  r.fan_power_in_db = true;
  return r;
}

inline void PutText(std::vector<std::uint8_t>& bytes, std::size_t offset, const std::string& cp1250) {
  bytes[offset] = static_cast<std::uint8_t>(cp1250.size());
  std::memcpy(bytes.data() + offset + 1, cp1250.data(), cp1250.size());
}

// One older record: ASCII texts only, at the offsets of the old layout.
struct LegacyTexts {
  std::string lp = "0", name = "PROSTKA_OKRAGLA", type = "TUBE*", length = "2000", diameter1 = "200",
              flow = "800", dpc = "3,5", kind = "1", material = "Stal ocynk", bend_ratio = "1,0", e = "0",
              tee_path = "PRZELOT", tee_flow = "ROZPLYW", bend_type = "gladkie";
  std::int32_t round_bend_item = 1, rect_bend_item = 0;
};

inline std::vector<std::uint8_t> LegacyRecordBytes(const LegacyTexts& t) {
  std::vector<std::uint8_t> b(372, 0);
  PutText(b, 0, t.lp);
  PutText(b, 4, t.name);
  PutText(b, 45, t.type);
  PutText(b, 56, t.length);
  PutText(b, 78, t.diameter1);
  PutText(b, 144, t.flow);
  PutText(b, 243, t.dpc);
  PutText(b, 276, t.kind);
  std::memcpy(b.data() + 280, &t.round_bend_item, 4);  // the test machines are little-endian
  std::memcpy(b.data() + 284, &t.rect_bend_item, 4);
  PutText(b, 288, t.material);
  PutText(b, 299, t.bend_ratio);
  PutText(b, 310, t.e);
  PutText(b, 321, t.tee_path);
  PutText(b, 337, t.tee_flow);
  PutText(b, 353, t.bend_type);
  return b;
}

inline std::vector<std::uint8_t> Concat(const std::vector<std::vector<std::uint8_t>>& parts) {
  std::vector<std::uint8_t> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

}  // namespace orvanta::testing_support
