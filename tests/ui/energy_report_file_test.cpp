// The energy report file: the core's cells written into the delivered
// template of the language, the year chart at A28, read back from the file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "app/spreadsheet/workbook.h"
#include "calculators/ui/energy_report_file.h"

namespace orvanta {
namespace {

EnergyReport SampleReport(bool polish) {
  EnergyReportHeader h{"2024", "Inwestor Sp.", "J. Projektant", 98765, "WARSZAWA", {2026, 12, 9, 14, 30, 5}};
  EnergyInputs in;
  in.rec = 25;
  EnergyResults r;  // a calculation's sums
  r.heat = 12345.6;
  r.cost_heat = 2592.58;
  r.cool = 2500;
  r.cost_cool = 575;
  r.humid = 300.26;
  r.cost_humid = 180.16;
  r.fans = 4000;
  r.cost_fans = 2400;
  r.water_m3 = 1.5;
  r.cost_water = 7.5;
  r.cost_total = 5755.23;
  return BuildEnergyReport(h, in, r, polish, ',');
}

std::unique_ptr<xlsx::Workbook> Read(const QString& path) {
  std::string error;
  auto wb = xlsx::Workbook::Open(QFile::encodeName(path).toStdString(), error);
  EXPECT_TRUE(wb) << error;
  return wb;
}

TEST(EnergyReportFile, CellsAndTheChartAreWrittenIntoTheTemplate) {
  QTemporaryDir folder;
  QImage chart(800, 400, QImage::Format_RGB32);
  chart.fill(Qt::white);
  const EnergyReport report = SampleReport(true);
  const EnergyReportOutcome out = WriteEnergyReportFile(report, chart, folder.path());
  ASSERT_TRUE(out.written) << out.message.toStdString();
  EXPECT_EQ(out.report_path, QDir(folder.path()).filePath("ORVANTA_KZE_RAPORT-09-12-2026 14-30-05.xlsx"));
  EXPECT_TRUE(out.message.isEmpty());

  auto wb = Read(out.report_path);
  ASSERT_TRUE(wb);
  const xlsx::Worksheet& s = wb->Sheet(1);
  // The Polish template's labels around the cells.
  EXPECT_EQ(s.CellText(3, 1), "Tytuł projektu:");
  EXPECT_EQ(s.CellText(12, 1), "Vn [m3/h]");
  EXPECT_EQ(s.CellText(24, 11), "S [PLN]");
  // Free texts stay text, even one that looks like a number.
  EXPECT_EQ(s.CellText(3, 2), "2024");
  EXPECT_FALSE(s.CellNumber(3, 2).has_value());
  EXPECT_EQ(s.CellText(5, 2), "Inwestor Sp.");
  EXPECT_EQ(s.CellText(6, 2), "J. Projektant");
  EXPECT_EQ(s.CellText(7, 6), "WARSZAWA");
  EXPECT_EQ(s.CellNumber(4, 2), xlsx::DateSerial({2026, 12, 9, 14, 30, 5}));
  // The numbers the window shows ("987,65", "9,5" …) are numbers.
  EXPECT_EQ(s.CellNumber(7, 2), 987.65);
  const double row13[] = {1000, 1000, 25, 750, 20, 12, 14, 9.5, 20, 24, 20};
  for (int c = 1; c <= 11; ++c) EXPECT_EQ(s.CellNumber(13, c), row13[c - 1]) << c;
  const double row16[] = {55, 40, 80, 70, 0, 80, 65, 65, 1000, 700};
  for (int c = 1; c <= 10; ++c) EXPECT_EQ(s.CellNumber(16, c), row16[c - 1]) << c;
  const double row19[] = {0.21, 0.23, 0.6, 5, 0.6};
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(s.CellNumber(19, c), row19[c - 1]) << c;
  // Results with one decimal, as the window shows them.
  const double row25[] = {12345.6, 2592.6, 2500, 575, 300.3, 180.2, 4000, 2400, 1.5, 7.5, 5755.2};
  for (int c = 1; c <= 11; ++c) EXPECT_EQ(s.CellNumber(25, c), row25[c - 1]) << c;

  const auto pictures = s.Pictures();
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].row, 28);
  EXPECT_EQ(pictures[0].column, 1);
  EXPECT_EQ(pictures[0].width_emu, 630 * 12700);
  EXPECT_EQ(pictures[0].height_emu, 315 * 12700);  // proportions kept
}

TEST(EnergyReportFile, WithoutAChartTheReportHasNoPictureAndGoesToTheTemporaryFolder) {
  QTemporaryDir temp;
  const QByteArray old = qgetenv("TMPDIR");
  qputenv("TMPDIR", temp.path().toLocal8Bit());
  const EnergyReportOutcome out = WriteEnergyReportFile(SampleReport(false), QImage());
  qputenv("TMPDIR", old);
  ASSERT_TRUE(out.written) << out.message.toStdString();
  EXPECT_EQ(QFileInfo(out.report_path).absolutePath(), QFileInfo(temp.path()).absoluteFilePath());
  auto wb = Read(out.report_path);
  ASSERT_TRUE(wb);
  EXPECT_EQ(wb->Sheet(1).CellText(3, 1), "Project title:");
  EXPECT_TRUE(wb->Sheet(1).Pictures().empty());
}

TEST(EnergyReportFile, AMissingTemplateOrFolderWritesNothingAndSaysWhy) {
  QTemporaryDir data, folder;
  qputenv("ORVANTA_DATA_DIR", data.path().toLocal8Bit());
  const EnergyReportOutcome missing = WriteEnergyReportFile(SampleReport(true), QImage(), folder.path());
  qunsetenv("ORVANTA_DATA_DIR");
  EXPECT_FALSE(missing.written);
  EXPECT_TRUE(missing.message.contains(QDir::toNativeSeparators(QDir(data.path()).filePath("calc/DefaultRaportKZEPL.xlsx"))))
      << missing.message.toStdString();
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());

  const QString nowhere = QDir(folder.path()).filePath("no such folder");
  const EnergyReportOutcome unwritable = WriteEnergyReportFile(SampleReport(true), QImage(), nowhere);
  EXPECT_FALSE(unwritable.written);
  EXPECT_TRUE(unwritable.message.startsWith("The report " + QDir::toNativeSeparators(unwritable.report_path)))
      << unwritable.message.toStdString();
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace orvanta
