// The chart report written into the delivered templates.
#include "app/spreadsheet/chart_report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/xlsx_test_support.h"
#include "project/process_loads.h"
#include "project/project_test_support.h"
#include "psychro/air.h"
#include "psychro/number_text.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

using xlsx::Workbook;
using xlsx::Worksheet;

constexpr double kPb = 100000;

std::string TemplatePath(UnitSystem units, bool polish) {
  return std::string(ORVANTA_DATA_SOURCE_DIR) + "/calc/" + ChartReportTemplateName(units, polish);
}

AirProcess Process(const std::string& name, const std::string& a, const std::string& b, double flow) {
  AirProcess p;
  p.name = name;
  p.start_point = a;
  p.end_point = b;
  p.air_flow = flow;
  return p;
}

// Three points, a heating (sensible) and a cooling with dehumidification.
ChartProject ThreePointsTwoProcesses() {
  ChartProject project;
  project.set_pb(kPb);
  project.set_file_name("/home/user/projekty/biuro.ovt");
  EXPECT_TRUE(project.AddPoint(testing_support::MakePoint("P1", kPb, -5, 2)));
  EXPECT_TRUE(project.AddPoint(testing_support::MakePoint("P2", kPb, 20, 2)));
  EXPECT_TRUE(project.AddPoint(testing_support::MakePoint("P3", kPb, 14, 8)));
  EXPECT_TRUE(project.AddProcess(Process("Heating", "P1", "P2", 3600)));
  EXPECT_TRUE(project.AddProcess(Process("Cooling", "P3", "P2", 1000)));
  return project;
}

struct Report {
  std::unique_ptr<Workbook> workbook;
  Worksheet& sheet() { return workbook->Sheet(1); }
};

Report Make(const ChartProject& project, UnitSystem units, bool polish, const ReportPicture* picture = nullptr) {
  std::string error;
  Report r{Workbook::Open(TemplatePath(units, polish), error)};
  EXPECT_TRUE(r.workbook) << error;
  ChartReportInput in;
  in.project = &project;
  in.units = units;
  in.polish = polish;
  in.data = {"Biurowiec", "Inwestor S.A.", "J. Projektant"};
  in.now = {2026, 12, 9, 14, 5, 30};
  in.picture = picture;
  EXPECT_EQ(FillChartReport(*r.workbook, in), "");
  return r;
}

TEST(ChartReport, NamesOfTemplatesAndReports) {
  EXPECT_EQ(ChartReportTemplateName(UnitSystem::SI, true), "DefaultRaportSIPL.xlsx");
  EXPECT_EQ(ChartReportTemplateName(UnitSystem::SI, false), "DefaultRaportSIEN.xlsx");
  EXPECT_EQ(ChartReportTemplateName(UnitSystem::IP, true), "DefaultRaportIPPL.xlsx");
  EXPECT_EQ(ChartReportTemplateName(UnitSystem::IP, false), "DefaultRaportIPEN.xlsx");
  EXPECT_EQ(ChartReportFileName({2026, 3, 7, 9, 5, 1}), "ORVANTA_RAPORT-07-03-2026 09-05-01.xlsx");
}

TEST(ChartReport, TemplatesHaveTheRowsTheReportReliesOn) {
  for (UnitSystem units : {UnitSystem::SI, UnitSystem::IP}) {
    for (bool polish : {true, false}) {
      std::string error;
      auto wb = Workbook::Open(TemplatePath(units, polish), error);
      ASSERT_TRUE(wb) << error;
      const Worksheet& s = wb->Sheet(1);
      EXPECT_EQ(s.CellText(12, 2), polish ? "Nr" : "No.");
      EXPECT_EQ(s.CellText(13, 5), units == UnitSystem::SI ? "[g/kg]" : "[gr/lb]");
      EXPECT_EQ(s.CellText(20, 6), units == UnitSystem::SI ? "[m3/h]" : "[cfm]");
      EXPECT_EQ(s.CellText(20, 7), units == UnitSystem::SI ? "[kW]" : "[Btu/h]");
      // Template rows: styled, empty cells.
      for (int c = 2; c <= 12; ++c) EXPECT_NE(s.CellStyle(14, c), 0) << c;
      for (int c = 2; c <= 10; ++c) EXPECT_NE(s.CellStyle(21, c), 0) << c;
      EXPECT_EQ(s.CellText(14, 3), "");
      EXPECT_EQ(s.CellText(26, 2), polish ? "WYKRES" : "CHART");
      EXPECT_EQ(s.LastRow(), 26);  // rows below are free for the picture at A28
      EXPECT_EQ(wb->DefinedName("_xlnm.Print_Area"), s.Name() + "!$A$1:$L$70");
    }
  }
}

TEST(ChartReport, ThreePointsAndTwoProcessesInSI) {
  const ChartProject project = ThreePointsTwoProcesses();
  Report r = Make(project, UnitSystem::SI, true);
  Worksheet& s = r.sheet();
  // Header cells.
  EXPECT_EQ(s.CellText(3, 3), "/home/user/projekty/biuro.ovt");
  EXPECT_EQ(s.CellText(4, 3), "Biurowiec");
  EXPECT_DOUBLE_EQ(*s.CellNumber(5, 3), xlsx::DateSerial({2026, 12, 9, 14, 5, 30}));
  EXPECT_EQ(s.CellText(6, 3), "Inwestor S.A.");
  EXPECT_EQ(s.CellText(7, 3), "J. Projektant");
  EXPECT_EQ(s.CellNumber(8, 3), 1000.0);
  EXPECT_DOUBLE_EQ(*s.CellNumber(8, 7), AltitudeFromPressure(1000));
  // Point rows 14, 15, 16 and nothing in 17.
  for (int k = 0; k < 3; ++k) {
    const AirState& st = project.point(k).state;
    const int row = 14 + k;
    EXPECT_EQ(s.CellNumber(row, 2), k + 1.0);
    EXPECT_EQ(s.CellText(row, 3), project.point(k).name);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 4), st.t);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 5), 1000 * st.x);  // g/kg, as the heading says
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 6), 100 * st.phi);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 7), st.rho);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 8), st.i);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 9), st.pp);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 10), st.pa);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 11), st.td);
    EXPECT_DOUBLE_EQ(*s.CellNumber(row, 12), st.tw);
    EXPECT_EQ(s.CellStyle(row, 4), s.CellStyle(14, 4));  // the template row's look
  }
  EXPECT_EQ(s.CellText(17, 3), "");
  EXPECT_EQ(s.CellText(19, 2), "PRZEMIANY");
  EXPECT_EQ(s.CellText(21, 3), "Nazwa przemiany");
  // Process rows from 23.
  EXPECT_EQ(s.CellNumber(23, 2), 1.0);
  EXPECT_EQ(s.CellText(23, 3), "Heating");
  EXPECT_EQ(s.CellText(23, 4), "P1");
  EXPECT_EQ(s.CellText(23, 5), "P2");
  EXPECT_EQ(s.CellNumber(23, 6), 3600.0);
  EXPECT_EQ(s.CellText(24, 3), "Cooling");
  EXPECT_EQ(s.CellNumber(24, 6), 1000.0);
  EXPECT_EQ(s.CellText(25, 3), "");
  EXPECT_EQ(s.CellStyle(25, 3), 0);  // the spare template row is gone
  for (int j = 0; j < 2; ++j) {
    const ProcessLoads loads = *ProcessLoadsOf(project, j, UnitSystem::SI);
    EXPECT_DOUBLE_EQ(*s.CellNumber(23 + j, 7), loads.total);
    EXPECT_DOUBLE_EQ(*s.CellNumber(23 + j, 8), loads.sensible);
    EXPECT_NEAR(*s.CellNumber(23 + j, 9), loads.total - loads.sensible, 0.005);
  }
  // Heating: sensible only; ρ·V̇·Δt = ρ(-5 °C) · 1 m3/s · 25 K.
  const double rho1 = project.point(0).state.rho;
  EXPECT_DOUBLE_EQ(*s.CellNumber(23, 7), RoundTo(rho1 * 25, -2));
  EXPECT_EQ(s.CellNumber(23, 9), 0.0);
  EXPECT_EQ(s.CellNumber(23, 10), 0.0);
  EXPECT_LT(*s.CellNumber(24, 10), 0);  // the cooling removes moisture
  EXPECT_EQ(s.CellText(29, 2), "WYKRES");
  EXPECT_EQ(r.workbook->DefinedName("_xlnm.Print_Area"), "Raport!$A$1:$L$73");
}

TEST(ChartReport, InchPoundReportConvertsEveryColumn) {
  const ChartProject project = ThreePointsTwoProcesses();
  Report r = Make(project, UnitSystem::IP, false);
  Worksheet& s = r.sheet();
  EXPECT_EQ(s.CellText(12, 3), "Name");
  EXPECT_DOUBLE_EQ(*s.CellNumber(8, 3), PressureToIP(kPb));
  EXPECT_NEAR(*s.CellNumber(8, 3), 29.53, 0.01);
  EXPECT_DOUBLE_EQ(*s.CellNumber(8, 7), AltitudeFromPressure(1000));
  const AirState& st = project.point(1).state;  // P2 in row 15
  EXPECT_DOUBLE_EQ(*s.CellNumber(15, 4), 68.0);  // 20 °C
  EXPECT_DOUBLE_EQ(*s.CellNumber(15, 5), MoistureToIP(1000 * st.x));
  EXPECT_NEAR(*s.CellNumber(15, 5), 14.0, 0.01);  // 2 g/kg = 14 gr/lb
  EXPECT_DOUBLE_EQ(*s.CellNumber(15, 7), DensityToIP(st.rho));
  EXPECT_DOUBLE_EQ(*s.CellNumber(15, 8), EnthalpyToIP(st.i));
  EXPECT_DOUBLE_EQ(*s.CellNumber(15, 9), PressureToIP(st.pp));
  EXPECT_DOUBLE_EQ(*s.CellNumber(15, 11), TemperatureToIP(st.td));
  EXPECT_DOUBLE_EQ(*s.CellNumber(23, 6), VolumeFlowToIP(3600));
  const ProcessLoads heating = *ProcessLoadsOf(project, 0, UnitSystem::IP);
  EXPECT_DOUBLE_EQ(*s.CellNumber(23, 7), heating.total);
  EXPECT_GT(heating.total, 1000);  // Btu/h, not kW
  EXPECT_EQ(s.CellText(24, 3), "Cooling");
}

TEST(ChartReport, WithoutProcessesTheProcessTemplateRowIsDeleted) {
  ChartProject project;
  project.set_pb(kPb);
  ASSERT_TRUE(project.AddPoint(testing_support::MakePoint("P1", kPb, 20, 7)));
  Report r = Make(project, UnitSystem::SI, false);
  Worksheet& s = r.sheet();
  EXPECT_EQ(s.CellText(3, 3), "");  // an unsaved project has no file
  EXPECT_EQ(s.CellText(14, 3), "P1");
  EXPECT_EQ(s.CellText(19, 2), "No.");
  EXPECT_EQ(s.CellText(20, 2), "[-]");
  for (int c = 2; c <= 10; ++c) EXPECT_EQ(s.CellStyle(21, c), 0) << c;
  EXPECT_EQ(s.CellText(25, 2), "CHART");
}

TEST(ChartReport, PictureGoesToA28AndMovesDownWithTheAddedRows) {
  const ChartProject project = ThreePointsTwoProcesses();
  ReportPicture picture{testing_support::FakePng(), 1000, 750};
  Report r = Make(project, UnitSystem::SI, true, &picture);
  const auto pictures = r.sheet().Pictures();
  ASSERT_EQ(pictures.size(), 1u);
  // A28, then 2 more point rows and 1 more process row above it.
  EXPECT_EQ(pictures[0].row, 31);
  EXPECT_EQ(pictures[0].column, 1);
  EXPECT_EQ(pictures[0].width_emu, 740 * 12700);
  EXPECT_EQ(pictures[0].height_emu, 555 * 12700);
}

// tests/app/data/resaved_template_SIEN.xlsx is DefaultRaportSIEN.xlsx opened
// and saved again by another spreadsheet program (LibreOffice Calc 7.4): its
// parts are laid out the way that program writes them, as a template a user
// restyled would be.
TEST(ChartReport, TemplateResavedByASpreadsheetProgramStillWorks) {
  const std::string path = std::string(ORVANTA_DATA_SOURCE_DIR) + "/../tests/app/data/resaved_template_SIEN.xlsx";
  std::string error;
  auto wb = Workbook::Open(path, error);
  ASSERT_TRUE(wb) << error;
  const ChartProject project = ThreePointsTwoProcesses();
  ReportPicture picture{testing_support::FakePng(), 400, 300};
  ChartReportInput in;
  in.project = &project;
  in.picture = &picture;
  ASSERT_EQ(FillChartReport(*wb, in), "");
  auto again = Workbook::FromBytes(wb->ToBytes(), error);
  ASSERT_TRUE(again) << error;
  const Worksheet& s = again->Sheet(1);
  EXPECT_EQ(s.CellText(16, 3), "P3");
  EXPECT_EQ(s.CellText(24, 3), "Cooling");
  EXPECT_EQ(s.CellText(25, 3), "");
  EXPECT_EQ(s.CellText(21, 3), "Process name");
  EXPECT_EQ(s.CellStyle(16, 4), s.CellStyle(14, 4));
  ASSERT_EQ(s.Pictures().size(), 1u);
  EXPECT_EQ(s.Pictures()[0].row, 31);
  EXPECT_NE(again->DefinedName("_xlnm.Print_Area").find("$A$1:$L$73"), std::string::npos)
      << again->DefinedName("_xlnm.Print_Area");
}

TEST(ChartReport, CreateWritesTheReportOrSaysWhyNot) {
  testing_support::ScratchDir dir;
  const ChartProject project = ThreePointsTwoProcesses();
  ChartReportInput in;
  in.project = &project;
  const std::string report = dir.File(ChartReportFileName({2026, 12, 9, 14, 5, 30}));
  ChartReportResult result = CreateChartReport(TemplatePath(UnitSystem::SI, false), report, in);
  EXPECT_EQ(result.status, ChartReportResult::kOk) << result.message;
  std::string error;
  auto back = Workbook::Open(report, error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->Sheet(1).CellText(16, 3), "P3");

  result = CreateChartReport(dir.File("DefaultRaportSIEN.xlsx"), dir.File("r.xlsx"), in);
  EXPECT_EQ(result.status, ChartReportResult::kTemplateMissing);
  EXPECT_NE(result.message.find("DefaultRaportSIEN.xlsx"), std::string::npos);

  testing_support::WriteBytes(dir.File("broken.xlsx"), {'<', 'h', 't', 'm', 'l', '>'});
  result = CreateChartReport(dir.File("broken.xlsx"), dir.File("r.xlsx"), in);
  EXPECT_EQ(result.status, ChartReportResult::kTemplateDamaged);
  EXPECT_NE(result.message.find("broken.xlsx"), std::string::npos);

  result = CreateChartReport(TemplatePath(UnitSystem::SI, false), dir.File("no/such/folder/r.xlsx"), in);
  EXPECT_EQ(result.status, ChartReportResult::kNotWritten);
  EXPECT_FALSE(std::filesystem::exists(dir.File("r.xlsx")));
}

}  // namespace
}  // namespace orvanta
