// Writes the duct calculator's two exports and the energy report of fixed
// sample data into every delivered template, for checking the reports with
// other programs (tools/report_templates/check_calc_reports.py reads them back
// with openpyxl and knows the sample values independently).
//
//   orvanta_make_calc_reports <data/calc folder> <output folder>
//
// Written: dp_PL.xlsx, dp_EN.xlsx, db_PL.xlsx, db_EN.xlsx (three fittings),
// dp_empty.xlsx, db_empty.xlsx (an empty, never saved sheet), kze_PL.xlsx,
// kze_EN.xlsx (with an 800 × 400 picture).

#include <cstdio>
#include <string>
#include <vector>

#include "app/spreadsheet/duct_report.h"
#include "app/spreadsheet/energy_report_sheet.h"
#include "chart/png_writer.h"

namespace orvanta {
namespace {

FittingRecord Fitting(const char* name, const char* dpc, const char* mass, const char* band63) {
  FittingRecord r = NewResetRecord();
  r.Text(FittingField::Name) = name;
  r.Text(FittingField::FlowMain) = "1200";
  r.Text(FittingField::Length) = "2000";
  r.Text(FittingField::Diameter1) = "250";
  r.Text(FittingField::Angle) = "";
  r.Text(FittingField::Zeta) = "0,2";
  r.Text(FittingField::FrictionLoss) = "1.1";
  r.Text(FittingField::LocalLoss) = "0,4";
  r.Text(FittingField::TotalLoss) = dpc;
  r.Text(FittingField::Mass) = mass;
  r.Text(FittingField::Band1First) = band63;
  for (int k = 1; k < kOctaveBands; ++k)
    r.Text(static_cast<FittingField>(static_cast<int>(FittingField::Band1First) + k)) = "-" + std::to_string(k);
  return r;
}

DuctReportHeader Header(bool saved) {
  DuctReportHeader h;
  if (saved) h.moh_path = "/home/projektant/obliczenia/biuro.moh";
  h.title = "Biurowiec Zielony";
  h.investor = "Inwestor Sp. z o.o.";
  h.designer = "mgr inż. Anna Nowak";
  h.now = {2026, 12, 9, 15, 4, 30};
  h.pb = "101300";
  h.rho = "1,205";
  h.nu = "0,000015";
  h.t = "20";
  h.phi = "50";
  h.total_loss = saved ? "5,4" : "0";
  h.total_mass = saved ? "21,6" : "";
  h.band_totals = saved ? std::array<std::string, 8>{"-3", "-3", "-6", "-9", "-12", "-15", "-18", "-21"}
                        : std::array<std::string, 8>{};
  return h;
}

bool Write(const std::string& template_path, const std::string& out, const TemplateReport& report) {
  const TemplateReportResult r = WriteTemplateReport(template_path, out, report);
  if (!r.ok()) std::fprintf(stderr, "%s: %s\n", out.c_str(), r.message.c_str());
  return r.ok();
}

int Run(const std::string& calc, const std::string& out) {
  DuctDocument doc;
  doc.Append(Fitting("Prostka okrągła", "1,5", "7,2", "-0,5"));
  doc.Append(Fitting("Łuk okrągły", "2.5", "7.2", "-1.5"));
  doc.Append(Fitting("Prostka okrągła", "1,4", "7,2", "-1"));
  DuctDocument empty;
  bool ok = true;
  for (bool polish : {true, false}) {
    const std::string lang = polish ? "PL" : "EN";
    for (DuctExport kind : {DuctExport::kHydraulic, DuctExport::kAcoustic}) {
      const std::string tmpl = calc + "/" + DuctReportTemplateName(kind, polish);
      const std::string stem = out + "/" + (kind == DuctExport::kHydraulic ? "dp_" : "db_");
      ok = Write(tmpl, stem + lang + ".xlsx", BuildDuctReport(kind, doc, Header(true))) && ok;
      if (!polish) ok = Write(tmpl, stem + "empty.xlsx", BuildDuctReport(kind, empty, Header(false))) && ok;
    }
    EnergyInputs in;
    in.rec = 25;
    EnergyResults r;
    r.heat = 23456.7;
    r.cost_heat = 4925.9;
    r.cool = 3100.2;
    r.cost_cool = 713.07;
    r.humid = 812.4;
    r.cost_humid = 487.44;
    r.fans = 6132.1;
    r.cost_fans = 3679.26;
    r.water_m3 = 12.6;
    r.cost_water = 63;
    r.cost_total = 9868.66;
    const EnergyReport report = BuildEnergyReport(
        {"Hala sportowa", "Gmina Nowe", "J. Kowal", 100200, "KRAKOW", {2026, 12, 9, 15, 4, 30}}, in, r, polish, ',');
    TemplateReport sheet = EnergyReportSheet(report);
    std::vector<std::uint8_t> pixels(800 * 400 * 3);
    for (int y = 0; y < 400; ++y)
      for (int x = 0; x < 800; ++x) {
        std::uint8_t* p = &pixels[3 * (y * 800 + x)];
        p[0] = static_cast<std::uint8_t>(255 * x / 800);
        p[1] = static_cast<std::uint8_t>(255 * y / 400);
        p[2] = 160;
      }
    const PngResult png = EncodePng({800, 400, pixels.data(), 800 * 3, PngPixels::kRgb24});
    if (!png.error.empty()) return 1;
    sheet.picture = SheetPicture{28, 1, png.bytes, 800, 400, static_cast<double>(report.picture_width)};
    ok = Write(calc + "/" + report.template_name, out + "/kze_" + lang + ".xlsx", sheet) && ok;
  }
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace orvanta

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <data/calc folder> <output folder>\n", argv[0]);
    return 2;
  }
  return orvanta::Run(argv[1], argv[2]);
}
