// The pressure-loss sheet's hydraulic and acoustic exports written into the
// delivered templates and read back from the saved file.
#include "app/spreadsheet/duct_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "app/xlsx_test_support.h"

namespace orvanta {
namespace {

using xlsx::Workbook;
using xlsx::Worksheet;

std::string TemplatePath(DuctExport kind, bool polish) {
  return std::string(ORVANTA_DATA_SOURCE_DIR) + "/calc/" + DuctReportTemplateName(kind, polish);
}

FittingRecord Fitting(const std::string& name, const std::string& flow, const std::string& loss,
                      const std::string& mass, const std::string& band63) {
  FittingRecord r = NewResetRecord();
  r.Text(FittingField::Name) = name;
  r.Text(FittingField::FlowMain) = flow;
  r.Text(FittingField::Length) = "1000";
  r.Text(FittingField::Diameter1) = "200";
  r.Text(FittingField::Zeta) = "0,25";
  r.Text(FittingField::FrictionLoss) = "1.5";
  r.Text(FittingField::LocalLoss) = "0,3";
  r.Text(FittingField::TotalLoss) = loss;
  r.Text(FittingField::Mass) = mass;
  for (int k = 0; k < kOctaveBands; ++k)
    r.Text(static_cast<FittingField>(static_cast<int>(FittingField::Band1First) + k)) =
        k == 0 ? band63 : std::to_string(-k);
  return r;
}

DuctDocument ThreeFittings() {
  DuctDocument doc;
  EXPECT_TRUE(doc.Append(Fitting("Prostka okrągła", "1200", "1,8", "3,4", "-0,5")).ok());
  EXPECT_TRUE(doc.Append(Fitting("Łuk okrągły", "1200", "2.25", "0.5", "-1.5")).ok());
  // A text that is not a number stays text, even in a number column.
  EXPECT_TRUE(doc.Append(Fitting("100", "1200", "n/a", "", "")).ok());
  return doc;
}

DuctReportHeader Header() {
  DuctReportHeader h;
  h.moh_path = "/home/user/obliczenia/biuro.moh";
  h.title = "Biurowiec";
  h.investor = "Inwestor S.A.";
  h.designer = "J. Kowalski";
  h.now = {2026, 3, 14, 9, 26, 53};
  h.pb = "101300";
  h.rho = "1,205";
  h.nu = "0,000015";
  h.t = "20";
  h.phi = "50";
  h.total_loss = "4,05";
  h.total_mass = "3,9";
  h.band_totals = {"-2", "-3", "-6", "-9", "-12", "-15", "-18", "-21"};
  return h;
}

// The export saved and opened again, with its bytes for the style checks.
struct Saved {
  std::vector<std::uint8_t> bytes;
  std::unique_ptr<Workbook> workbook;
  Worksheet& sheet() { return workbook->Sheet(1); }

  // All four edges of the cell have a thin line.
  bool Bordered(int row, int column) {
    const int s = sheet().CellStyle(row, column);
    auto styles = testing_support::PartXml(bytes, "xl/styles.xml");
    pugi::xml_node root = styles->child("styleSheet");
    int k = 0;
    pugi::xml_node xf;
    for (pugi::xml_node x : root.child("cellXfs").children("xf"))
      if (k++ == s) xf = x;
    if (!xf) return false;
    const int id = xf.attribute("borderId").as_int();
    k = 0;
    for (pugi::xml_node b : root.child("borders").children("border")) {
      if (k++ != id) continue;
      for (const char* edge : {"left", "right", "top", "bottom"})
        if (std::string(b.child(edge).attribute("style").as_string()) != "thin") return false;
      return true;
    }
    return false;
  }
};

Saved Export(DuctExport kind, const DuctDocument& doc, const DuctReportHeader& header, bool polish = true) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "orvanta_duct_report_test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / DuctReportFileName(kind, header.now)).string();
  const TemplateReportResult result = WriteTemplateReport(TemplatePath(kind, polish), path,
                                                          BuildDuctReport(kind, doc, header));
  EXPECT_TRUE(result.ok()) << result.message;
  Saved saved;
  std::ifstream in(path, std::ios::binary);
  saved.bytes.assign(std::istreambuf_iterator<char>(in), {});
  std::string error;
  saved.workbook = Workbook::FromBytes(saved.bytes, error);
  EXPECT_TRUE(saved.workbook) << error;
  std::filesystem::remove(path);
  return saved;
}

TEST(DuctReportNames, TemplatesAndFilesOfBothExports) {
  EXPECT_EQ(DuctReportTemplateName(DuctExport::kHydraulic, true), "calculationsDPPL.xlsx");
  EXPECT_EQ(DuctReportTemplateName(DuctExport::kHydraulic, false), "calculationsDPEN.xlsx");
  EXPECT_EQ(DuctReportTemplateName(DuctExport::kAcoustic, true), "calculationsDBPL.xlsx");
  EXPECT_EQ(DuctReportTemplateName(DuctExport::kAcoustic, false), "calculationsDBEN.xlsx");
  const xlsx::DateTime t{2026, 3, 4, 9, 5, 7};
  EXPECT_EQ(DuctReportFileName(DuctExport::kHydraulic, t), "dp_calculations-04-03-2026 09-05-07.xlsx");
  EXPECT_EQ(DuctReportFileName(DuctExport::kAcoustic, t), "db_calculations-04-03-2026 09-05-07.xlsx");
}

TEST(NumberInText, EitherSeparatorIsANumberAnythingElseIsText) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {{"0,5", 0.5},     {"0.5", 0.5},   {"-12", -12},   {"+3", 3},        {"1,5E-6", 1.5e-6},
                        {" 7 ", 7},       {"100", 100},   {",5", 0.5},    {"5.", 5},        {"", std::nullopt},
                        {"abc", std::nullopt}, {"1.2.3", std::nullopt}, {"1,2.3", std::nullopt},
                        {"inf", std::nullopt}, {"nan", std::nullopt},   {"0x10", std::nullopt},
                        {"1e", std::nullopt},  {"--1", std::nullopt},   {".", std::nullopt},
                        {"12 dB", std::nullopt}, {"1e999", std::nullopt}, {"-", std::nullopt}};
  for (const Case& c : cases) {
    const auto v = NumberInText(c.text);
    ASSERT_EQ(v.has_value(), c.value.has_value()) << c.text;
    if (v) {
      EXPECT_DOUBLE_EQ(*v, *c.value) << c.text;
    }
  }
}

TEST(HydraulicExport, ThreeFittingsFillRows11To13AndTheTotalsRow14) {
  Saved r = Export(DuctExport::kHydraulic, ThreeFittings(), Header());
  Worksheet& s = r.sheet();
  // Header cells.
  EXPECT_EQ(s.CellText(2, 2), "/home/user/obliczenia/biuro.moh");
  EXPECT_EQ(s.CellText(3, 2), "Biurowiec");
  EXPECT_DOUBLE_EQ(*s.CellNumber(4, 2), xlsx::DateSerial({2026, 3, 14, 9, 26, 53}));
  EXPECT_EQ(s.CellText(5, 2), "Inwestor S.A.");
  EXPECT_EQ(s.CellText(6, 2), "J. Kowalski");
  EXPECT_DOUBLE_EQ(*s.CellNumber(7, 2), 101300);
  EXPECT_DOUBLE_EQ(*s.CellNumber(7, 4), 1.205);
  EXPECT_DOUBLE_EQ(*s.CellNumber(7, 8), 0.000015);
  EXPECT_DOUBLE_EQ(*s.CellNumber(7, 11), 20);
  EXPECT_DOUBLE_EQ(*s.CellNumber(7, 14), 50);
  // The template's labels stay beside them.
  EXPECT_EQ(s.CellText(2, 1), "Plik obliczeń:");
  EXPECT_EQ(s.CellText(7, 1), "pb [Pa]");
  EXPECT_EQ(s.CellText(10, 15), "dpc [Pa]");

  // Records: Lp, name, Vc, L, A, B, C, D, φ1, φ2, angle, ζ, dpl, dpm, dpc, m.
  for (int i = 0; i < 3; ++i) {
    const int row = 11 + i;
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 1), i) << row;
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 3), 1200);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 4), 1000);
    EXPECT_EQ(s.CellText(row, 5), "");  // A of a round duct: empty
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 9), 200);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 12), 0.25);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 13), 1.5);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 14), 0.3);
  }
  EXPECT_EQ(s.CellText(11, 2), "Prostka okrągła");
  EXPECT_DOUBLE_EQ(*s.CellNumber(11, 15), 1.8);   // "1,8"
  EXPECT_DOUBLE_EQ(*s.CellNumber(12, 15), 2.25);  // "2.25"
  EXPECT_DOUBLE_EQ(*s.CellNumber(11, 16), 3.4);
  EXPECT_DOUBLE_EQ(*s.CellNumber(12, 16), 0.5);
  // A name is text even when it looks like a number; a word stays a word.
  EXPECT_FALSE(s.CellNumber(13, 2).has_value());
  EXPECT_EQ(s.CellText(13, 2), "100");
  EXPECT_FALSE(s.CellNumber(13, 15).has_value());
  EXPECT_EQ(s.CellText(13, 15), "n/a");

  // Row 14 holds the empty record and the totals of the sheet.
  for (int c = 1; c <= 14; ++c) EXPECT_EQ(s.CellText(14, c), "") << c;
  EXPECT_DOUBLE_EQ(*s.CellNumber(14, 15), 4.05);
  EXPECT_DOUBLE_EQ(*s.CellNumber(14, 16), 3.9);
  // Every record cell, row 14 included, is bordered; nothing beyond.
  for (int row = 11; row <= 14; ++row)
    for (int c = 1; c <= 16; ++c) EXPECT_TRUE(r.Bordered(row, c)) << row << "," << c;
  EXPECT_FALSE(r.Bordered(11, 17));
  EXPECT_FALSE(r.Bordered(15, 1));
  EXPECT_EQ(s.CellText(15, 15), "");
}

TEST(HydraulicExport, EmptyNeverSavedSheetWritesTheTotalsIntoRow11) {
  DuctDocument doc;
  doc.New();  // the unused records then hold "0" in mass and bands
  DuctReportHeader h = Header();
  h.moh_path.clear();
  h.total_loss = "0";
  h.total_mass = "";  // the sheet's mass box after New is empty
  Saved r = Export(DuctExport::kHydraulic, doc, h, false);
  Worksheet& s = r.sheet();
  EXPECT_EQ(s.CellText(2, 2), "");
  EXPECT_EQ(s.CellText(2, 1), "Calculation file:");
  EXPECT_DOUBLE_EQ(*s.CellNumber(11, 15), 0);
  // The empty total leaves the cell empty, not the unused record's "0".
  EXPECT_EQ(s.CellText(11, 16), "");
  for (int c = 1; c <= 16; ++c) EXPECT_TRUE(r.Bordered(11, c)) << c;
  EXPECT_FALSE(r.Bordered(12, 1));
}

TEST(AcousticExport, RowsFrom10WithTheBandTotalsAfterTheLastFitting) {
  Saved r = Export(DuctExport::kAcoustic, ThreeFittings(), Header());
  Worksheet& s = r.sheet();
  EXPECT_EQ(s.CellText(3, 2), "Biurowiec");
  EXPECT_EQ(s.CellText(7, 2), "");  // no basic data in the acoustic export
  EXPECT_EQ(s.CellText(9, 3), "63 Hz");
  EXPECT_DOUBLE_EQ(*s.CellNumber(10, 1), 0);
  EXPECT_EQ(s.CellText(10, 2), "Prostka okrągła");
  EXPECT_DOUBLE_EQ(*s.CellNumber(10, 3), -0.5);  // "-0,5"
  EXPECT_DOUBLE_EQ(*s.CellNumber(11, 3), -1.5);  // "-1.5"
  EXPECT_EQ(s.CellText(12, 3), "");
  for (int k = 1; k < 8; ++k) EXPECT_DOUBLE_EQ(*s.CellNumber(11, 3 + k), -k);
  EXPECT_EQ(s.CellText(13, 1), "");
  const double totals[] = {-2, -3, -6, -9, -12, -15, -18, -21};
  for (int k = 0; k < 8; ++k) EXPECT_DOUBLE_EQ(*s.CellNumber(13, 3 + k), totals[k]) << k;
  for (int row = 10; row <= 13; ++row)
    for (int c = 1; c <= 10; ++c) EXPECT_TRUE(r.Bordered(row, c)) << row << "," << c;
  EXPECT_FALSE(r.Bordered(10, 11));
  EXPECT_FALSE(r.Bordered(14, 3));
}

TEST(AcousticExport, EmptyDocumentWritesTheBandTotalsIntoRow10) {
  DuctDocument doc;
  DuctReportHeader h = Header();
  Saved r = Export(DuctExport::kAcoustic, doc, h, false);
  Worksheet& s = r.sheet();
  EXPECT_EQ(s.CellText(8, 1), "No.");
  EXPECT_EQ(s.CellText(10, 1), "");
  EXPECT_DOUBLE_EQ(*s.CellNumber(10, 3), -2);
  EXPECT_DOUBLE_EQ(*s.CellNumber(10, 10), -21);
  for (int c = 1; c <= 10; ++c) EXPECT_TRUE(r.Bordered(10, c)) << c;
}

TEST(TemplateReport, RefusedTemplatesAndUnwritableTargetsLeaveNoReport) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "orvanta_template_report_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string report = (dir / "report.xlsx").string();
  TemplateReport cells;
  cells.cells.push_back({1, 1, std::string("x")});

  auto missing = WriteTemplateReport((dir / "nothing.xlsx").string(), report, cells);
  EXPECT_EQ(missing.status, TemplateReportResult::kTemplateMissing);
  {
    std::ofstream(dir / "damaged.xlsx") << "not a workbook";
  }
  auto damaged = WriteTemplateReport((dir / "damaged.xlsx").string(), report, cells);
  EXPECT_EQ(damaged.status, TemplateReportResult::kTemplateDamaged);
  EXPECT_FALSE(std::filesystem::exists(report));

  const std::string tmpl = TemplatePath(DuctExport::kAcoustic, true);
  auto nowhere = WriteTemplateReport(tmpl, (dir / "no such folder" / "r.xlsx").string(), cells);
  EXPECT_EQ(nowhere.status, TemplateReportResult::kNotWritten);
  EXPECT_FALSE(nowhere.message.empty());

  // A picture that is not a PNG is refused with the template named.
  TemplateReport with_picture = cells;
  with_picture.picture = SheetPicture{28, 1, {1, 2, 3}, 10, 10, 100};
  auto bad_picture = WriteTemplateReport(tmpl, report, with_picture);
  EXPECT_EQ(bad_picture.status, TemplateReportResult::kTemplateDamaged);
  EXPECT_NE(bad_picture.message.find(tmpl), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(report));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace orvanta
