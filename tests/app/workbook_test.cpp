// The workbook layer: row copy/insert/delete with everything that refers to
// rows, cell writes, pictures, refusing bad files, saving.
#include "app/spreadsheet/workbook.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/xlsx_test_support.h"
#include "project/project_test_support.h"

namespace orvanta::xlsx {
namespace {

using testing_support::FakePng;
using testing_support::PartText;
using testing_support::PartXml;
using testing_support::SampleWorkbook;

std::unique_ptr<Workbook> Sample() {
  std::string error;
  auto wb = Workbook::FromBytes(SampleWorkbook(), error);
  EXPECT_TRUE(wb) << error;
  return wb;
}

std::unique_ptr<Workbook> Reopen(const Workbook& wb) {
  std::string error;
  auto again = Workbook::FromBytes(wb.ToBytes(), error);
  EXPECT_TRUE(again) << error;
  return again;
}

// Rows and cells of the saved sheet XML: row numbers rising, every cell
// reference in its row's number.
void ExpectConsistentRows(const std::vector<std::uint8_t>& bytes, const std::string& part) {
  auto doc = PartXml(bytes, part);
  int previous = 0;
  for (pugi::xml_node row : doc->child("worksheet").child("sheetData").children("row")) {
    const int r = row.attribute("r").as_int();
    EXPECT_GT(r, previous);
    previous = r;
    for (pugi::xml_node c : row.children("c")) {
      const std::string ref = c.attribute("r").value();
      EXPECT_EQ(ref.substr(ref.find_first_of("0123456789")), std::to_string(r)) << ref;
    }
  }
}

TEST(Workbook, OpensSheetsAndReadsValuesSharedStringsAndFormulas) {
  auto wb = Sample();
  ASSERT_EQ(wb->SheetCount(), 2);
  const Worksheet& s = wb->Sheet(1);
  EXPECT_EQ(s.Name(), "Data");
  EXPECT_EQ(wb->Sheet(2).Name(), "Other");
  EXPECT_EQ(s.CellText(1, 1), "Title");
  EXPECT_EQ(s.CellNumber(2, 2), 2.0);
  EXPECT_EQ(s.CellFormula(2, 3), "A2*B2");
  EXPECT_EQ(s.RowHeight(2), 20.0);
  EXPECT_FALSE(s.RowHeight(3));
  // The shared formula is spelled out for its second cell.
  EXPECT_EQ(s.CellFormula(5, 2), "A5*2");
  EXPECT_EQ(s.CellFormula(5, 3), "B5*2");
  EXPECT_EQ(wb->DefinedName("_xlnm.Print_Area"), "Data!$A$1:$E$10");
}

TEST(Workbook, CopyRowInsertCarriesTheRowAndMovesEverythingBelow) {
  auto wb = Sample();
  Worksheet& s = wb->Sheet(1);
  ASSERT_TRUE(s.CopyRowInsert(2, 3));
  // The copy: values, formulas moved like a copy, height, merge of the row.
  EXPECT_EQ(s.CellNumber(3, 1), 1.0);
  EXPECT_EQ(s.CellFormula(3, 3), "A3*B3");
  EXPECT_EQ(s.CellFormula(3, 4), "SUM(A$2:B3)");
  EXPECT_EQ(s.RowHeight(3), 20.0);
  // The source row is unchanged.
  EXPECT_EQ(s.CellFormula(2, 3), "A2*B2");
  // The old rows 3 and 5 are now 4 and 6, their references moved with them.
  EXPECT_EQ(s.CellFormula(4, 1), "SUM(A2:A2)");
  EXPECT_EQ(s.CellFormula(4, 2), "Other!A1+Data!B2");
  EXPECT_EQ(s.CellFormula(6, 1), "A2+A4");
  EXPECT_EQ(s.CellFormula(6, 3), "B6*2");
  EXPECT_EQ(s.CellText(5, 1), "");
  EXPECT_EQ(s.MergedRanges(), (std::vector<std::string>{"A1:C1", "B2:C2", "A7:B9", "B3:C3"}));
  EXPECT_EQ(wb->DefinedName("_xlnm.Print_Area"), "Data!$A$1:$E$11");
  EXPECT_EQ(wb->DefinedName("Rate"), "Other!$B$1");
  // The other sheet's reference into the moved rows follows them.
  EXPECT_EQ(wb->Sheet(2).CellFormula(1, 1), "Data!A4+Data!A1+A3");
  EXPECT_EQ(s.LastRow(), 6);

  const auto bytes = wb->ToBytes();
  ExpectConsistentRows(bytes, "xl/worksheets/sheet1.xml");
  auto sheet = PartXml(bytes, "xl/worksheets/sheet1.xml");
  pugi::xml_node ws = sheet->child("worksheet");
  EXPECT_STREQ(ws.child("dimension").attribute("ref").value(), "A1:D6");
  EXPECT_STREQ(ws.child("mergeCells").attribute("count").value(), "4");
  EXPECT_STREQ(ws.child("conditionalFormatting").attribute("sqref").value(), "A6:A10");
  // A copied formula loses its stale cached value; the workbook recalculates on opening.
  pugi::xml_node c3 = ws.child("sheetData").find_child_by_attribute("row", "r", "3").find_child_by_attribute("c", "r", "C3");
  EXPECT_TRUE(c3.child("f"));
  EXPECT_FALSE(c3.child("v"));
  auto book = PartXml(bytes, "xl/workbook.xml");
  EXPECT_STREQ(book->child("workbook").child("calcPr").attribute("fullCalcOnLoad").value(), "1");
}

TEST(Workbook, CopyingARowUpwardsTranslatesFromWhereTheSourceEndsUp) {
  auto wb = Sample();
  Worksheet& s = wb->Sheet(1);
  ASSERT_TRUE(s.CopyRowInsert(2, 1));  // the source moves to row 3 before it is copied
  EXPECT_EQ(s.CellFormula(1, 3), "A1*B1");
  EXPECT_EQ(s.CellFormula(3, 3), "A3*B3");
  EXPECT_EQ(s.CellText(2, 1), "Title");
  EXPECT_EQ(s.MergedRanges(), (std::vector<std::string>{"A2:C2", "B3:C3", "A7:B9", "B1:C1"}));
}

TEST(Workbook, RepeatedCopiesBuildOneRowPerItemLikeTheReports) {
  auto wb = Sample();
  Worksheet& s = wb->Sheet(1);
  for (int k = 0; k < 3; ++k) ASSERT_TRUE(s.CopyRowInsert(2, 3 + k));
  ASSERT_TRUE(s.DeleteRow(2 + 3));
  for (int r = 2; r <= 4; ++r) EXPECT_EQ(s.CellFormula(r, 3), "A" + std::to_string(r) + "*B" + std::to_string(r));
  EXPECT_EQ(s.CellFormula(5, 1), "SUM(A2:A2)");
  EXPECT_EQ(s.CellFormula(7, 1), "A2+A5");
  EXPECT_EQ(wb->DefinedName("_xlnm.Print_Area"), "Data!$A$1:$E$12");
  EXPECT_EQ(s.MergedRanges(), (std::vector<std::string>{"A1:C1", "B2:C2", "A8:B10", "B3:C3", "B4:C4"}));
  ExpectConsistentRows(wb->ToBytes(), "xl/worksheets/sheet1.xml");
}

TEST(Workbook, DeleteRowMovesRowsUpAndBreaksReferencesToIt) {
  auto wb = Sample();
  Worksheet& s = wb->Sheet(1);
  ASSERT_TRUE(s.DeleteRow(2));
  EXPECT_EQ(s.CellFormula(2, 1), "SUM(#REF!)");
  EXPECT_EQ(s.CellFormula(4, 1), "#REF!+A2");
  EXPECT_EQ(s.CellFormula(4, 3), "B4*2");
  EXPECT_EQ(s.MergedRanges(), (std::vector<std::string>{"A1:C1", "A5:B7"}));
  EXPECT_EQ(wb->DefinedName("_xlnm.Print_Area"), "Data!$A$1:$E$9");
  EXPECT_EQ(wb->Sheet(2).CellFormula(1, 1), "Data!A2+Data!A1+A3");
  EXPECT_FALSE(s.RowHeight(2));
  // Deleting the last merged row of a merge removes it.
  ASSERT_TRUE(s.DeleteRow(1));
  EXPECT_EQ(s.MergedRanges(), (std::vector<std::string>{"A4:B6"}));
  ExpectConsistentRows(wb->ToBytes(), "xl/worksheets/sheet1.xml");
}

TEST(Workbook, ValidationsAndLinksFollowTheRowsAndGoWithTheirLastCell) {
  std::string error;
  auto wb = Workbook::FromBytes(
      testing_support::ZipParts(testing_support::SampleWorkbookParts(
          "<row r=\"2\"><c r=\"A2\"><v>1</v></c></row><row r=\"4\"><c r=\"A4\"><v>2</v></c></row>",
          "<dataValidations count=\"2\"><dataValidation type=\"whole\" sqref=\"A2\"><formula1>0</formula1>"
          "</dataValidation><dataValidation type=\"whole\" sqref=\"A4 B4\"><formula1>0</formula1></dataValidation>"
          "</dataValidations><hyperlinks><hyperlink ref=\"A2\" location=\"Other!A1\"/></hyperlinks>")),
      error);
  ASSERT_TRUE(wb) << error;
  Worksheet& s = wb->Sheet(1);
  ASSERT_TRUE(s.CopyRowInsert(4, 3));
  auto sheet = PartXml(wb->ToBytes(), "xl/worksheets/sheet1.xml");
  pugi::xml_node ws = sheet->child("worksheet");
  EXPECT_STREQ(ws.child("dataValidations").last_child().attribute("sqref").value(), "A5 B5");
  ASSERT_TRUE(s.DeleteRow(2));
  sheet = PartXml(wb->ToBytes(), "xl/worksheets/sheet1.xml");
  ws = sheet->child("worksheet");
  EXPECT_STREQ(ws.child("dataValidations").attribute("count").value(), "1");
  EXPECT_STREQ(ws.child("dataValidations").first_child().attribute("sqref").value(), "A4 B4");
  EXPECT_FALSE(ws.child("hyperlinks"));  // an empty list is not allowed in a sheet
}

TEST(Workbook, SheetsWrittenWithANamespacePrefixWorkToo) {
  auto parts = testing_support::SampleWorkbookParts("", "");
  for (auto& [name, text] : parts) {
    if (name != "xl/worksheets/sheet1.xml") continue;
    text = std::string("<x:worksheet xmlns:x=\"") + testing_support::kMainNs +
           "\"><x:sheetData><x:row r=\"1\"><x:c r=\"A1\"><x:f>A2+1</x:f></x:c></x:row>"
           "<x:row r=\"2\"><x:c r=\"A2\"><x:v>5</x:v></x:c></x:row></x:sheetData>"
           "<x:mergeCells count=\"1\"><x:mergeCell ref=\"A2:B2\"/></x:mergeCells></x:worksheet>";
  }
  std::string error;
  auto wb = Workbook::FromBytes(testing_support::ZipParts(parts), error);
  ASSERT_TRUE(wb) << error;
  Worksheet& s = wb->Sheet(1);
  ASSERT_TRUE(s.CopyRowInsert(2, 2));
  ASSERT_TRUE(s.SetText(5, 2, "new"));
  auto again = Reopen(*wb);
  const Worksheet& t = again->Sheet(1);
  EXPECT_EQ(t.CellFormula(1, 1), "A3+1");
  EXPECT_EQ(t.CellNumber(2, 1), 5.0);
  EXPECT_EQ(t.CellNumber(3, 1), 5.0);
  EXPECT_EQ(t.CellText(5, 2), "new");
  EXPECT_EQ(t.MergedRanges(), (std::vector<std::string>{"A3:B3", "A2:B2"}));
  EXPECT_NE(PartText(again->ToBytes(), "xl/worksheets/sheet1.xml").find("<x:c r=\"B5\" t=\"inlineStr\"><x:is><x:t"),
            std::string::npos);
}

TEST(Workbook, CellWritesKeepTheCellStyleAndSurviveSaving) {
  auto wb = Sample();
  Worksheet& s = wb->Sheet(1);
  ASSERT_TRUE(s.SetText(3, 1, "zażółć <&> \"x\""));
  ASSERT_TRUE(s.SetNumber(2, 2, 1234.5678));
  ASSERT_TRUE(s.SetNumber(9, 6, -0.001));  // a new row and cell
  ASSERT_TRUE(s.SetText(9, 2, " "));
  ASSERT_TRUE(s.SetDate(10, 1, {2020, 1, 1, 12, 0, 0}));
  EXPECT_FALSE(s.SetNumber(1, 1, std::nan("")));
  EXPECT_FALSE(s.SetText(0, 1, "x"));
  EXPECT_FALSE(s.SetText(1, 16385, "x"));
  auto again = Reopen(*wb);
  const Worksheet& t = again->Sheet(1);
  EXPECT_EQ(t.CellText(3, 1), "zażółć <&> \"x\"");
  EXPECT_EQ(t.CellFormula(3, 1), "");  // the formula was replaced
  EXPECT_EQ(t.CellNumber(2, 2), 1234.5678);
  EXPECT_EQ(t.CellNumber(9, 6), -0.001);
  EXPECT_EQ(t.CellText(9, 2), " ");
  EXPECT_EQ(t.CellNumber(10, 1), 43831.5);
  EXPECT_NE(t.CellStyle(10, 1), 0);
  const auto bytes = again->ToBytes();
  EXPECT_NE(PartText(bytes, "xl/styles.xml").find("formatCode=\"dd-mm-yyyy hh:mm\""), std::string::npos);
  ExpectConsistentRows(bytes, "xl/worksheets/sheet1.xml");
}

TEST(Workbook, TextsThatXmlCannotHoldAreMadeSafe) {
  auto wb = Sample();
  Worksheet& s = wb->Sheet(1);
  ASSERT_TRUE(s.SetText(1, 1, std::string("a\x01" "b\tc\xFF\xC3(d\xE2\x82") + "\xC5\x82"));
  // The saved sheet is well-formed XML and reads back with the bad parts replaced.
  const auto bytes = wb->ToBytes();
  pugi::xml_document doc;
  const std::string xml = PartText(bytes, "xl/worksheets/sheet1.xml");
  EXPECT_TRUE(doc.load_buffer(xml.data(), xml.size()));
  std::string error;
  auto again = Workbook::FromBytes(bytes, error);
  ASSERT_TRUE(again) << error;
  EXPECT_EQ(again->Sheet(1).CellText(1, 1), "a?b\tc?" "?(d?" "?\xC5\x82");
}

TEST(Workbook, DateSerialsCountDaysFromTheSpreadsheetEpoch) {
  EXPECT_EQ(DateSerial({1900, 3, 1, 0, 0, 0}), 61);
  EXPECT_EQ(DateSerial({2020, 1, 1, 0, 0, 0}), 43831);
  EXPECT_DOUBLE_EQ(DateSerial({2026, 12, 9, 18, 0, 0}), 46365.75);
}

TEST(Workbook, BordersGetOneStylePerBaseStyleAndLine) {
  auto wb = Sample();
  Worksheet& s = wb->Sheet(1);
  ASSERT_TRUE(s.SetBorders(2, 1, BorderStyle::Thin));
  ASSERT_TRUE(s.SetBorders(2, 2, BorderStyle::Thin));
  ASSERT_TRUE(s.SetBorders(3, 1, BorderStyle::Double));
  EXPECT_EQ(s.CellStyle(2, 1), s.CellStyle(2, 2));
  EXPECT_NE(s.CellStyle(2, 1), s.CellStyle(3, 1));
  EXPECT_EQ(s.CellNumber(2, 1), 1.0);  // the value stays
  const auto bytes = wb->ToBytes();
  auto styles = PartXml(bytes, "xl/styles.xml");
  pugi::xml_node sheet_styles = styles->child("styleSheet");
  const int xf = s.CellStyle(3, 1);
  int k = 0;
  pugi::xml_node chosen;
  for (pugi::xml_node n : sheet_styles.child("cellXfs").children("xf")) {
    if (k++ == xf) chosen = n;
  }
  ASSERT_TRUE(chosen);
  const int border = chosen.attribute("borderId").as_int();
  k = 0;
  for (pugi::xml_node b : sheet_styles.child("borders").children("border")) {
    if (k++ == border) {
      EXPECT_STREQ(b.child("left").attribute("style").value(), "double");
      EXPECT_STREQ(b.child("bottom").attribute("style").value(), "double");
    }
  }
  EXPECT_EQ(sheet_styles.child("cellXfs").attribute("count").as_int(), k > 0 ? 3 : -1);
}

TEST(Workbook, PictureLandsAtItsCellAndMovesWithTheRows) {
  auto wb = Sample();
  Worksheet& s = wb->Sheet(1);
  const auto png = FakePng();
  ASSERT_EQ(s.AddPicture(28, 1, png, 800, 600, 740), "");
  auto pictures = s.Pictures();
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].row, 28);
  EXPECT_EQ(pictures[0].column, 1);
  EXPECT_EQ(pictures[0].width_emu, 740 * 12700);
  EXPECT_EQ(pictures[0].height_emu, 555 * 12700);  // 740 * 600 / 800
  ASSERT_TRUE(s.CopyRowInsert(2, 3));
  ASSERT_TRUE(s.CopyRowInsert(2, 3));
  ASSERT_TRUE(s.DeleteRow(1));
  EXPECT_EQ(s.Pictures()[0].row, 29);

  // Saved and opened again: the parts are wired up and the image is there.
  auto again = Reopen(*wb);
  pictures = again->Sheet(1).Pictures();
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].row, 29);
  const auto bytes = again->ToBytes();
  const std::string image = PartText(bytes, pictures[0].media);
  EXPECT_EQ(image, std::string(png.begin(), png.end()));
  const std::string types = PartText(bytes, "[Content_Types].xml");
  EXPECT_NE(types.find("Extension=\"png\""), std::string::npos);
  EXPECT_NE(types.find("/xl/drawings/drawing1.xml"), std::string::npos);
  EXPECT_NE(PartText(bytes, "xl/worksheets/_rels/sheet1.xml.rels").find("Target=\"../drawings/drawing1.xml\""),
            std::string::npos);
  EXPECT_NE(PartText(bytes, "xl/drawings/_rels/drawing1.xml.rels").find("Target=\"../media/image1.png\""),
            std::string::npos);
  // The drawing element comes after the page parts of the sheet.
  auto sheet = PartXml(bytes, "xl/worksheets/sheet1.xml");
  EXPECT_STREQ(sheet->child("worksheet").last_child().name(), "drawing");

  // A second picture shares the drawing and gets its own image.
  ASSERT_EQ(again->Sheet(1).AddPicture(2, 3, png, 10, 20, 100), "");
  pictures = again->Sheet(1).Pictures();
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[1].media, "xl/media/image2.png");
  EXPECT_EQ(pictures[1].height_emu, 200 * 12700);
}

TEST(Workbook, PictureArgumentsAreChecked) {
  auto wb = Sample();
  Worksheet& s = wb->Sheet(1);
  const std::vector<std::uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 0, 0, 0, 0, 0};
  EXPECT_NE(s.AddPicture(28, 1, jpeg, 10, 10, 740), "");
  EXPECT_NE(s.AddPicture(28, 1, FakePng(), 0, 10, 740), "");
  EXPECT_NE(s.AddPicture(28, 1, FakePng(), 10, 10, -1), "");
  EXPECT_TRUE(s.Pictures().empty());
  EXPECT_EQ(PartText(wb->ToBytes(), "xl/media/image1.png"), "");
}

TEST(Workbook, RefusesFilesThatAreNotWorkbooksWithAReason) {
  std::string error;
  const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
  EXPECT_FALSE(Workbook::FromBytes(text, error));
  EXPECT_NE(error.find("not an .xlsx workbook"), std::string::npos) << error;

  EXPECT_FALSE(Workbook::FromBytes(testing_support::ZipParts({{"a.txt", "x"}}), error));
  EXPECT_NE(error.find("not an .xlsx workbook"), std::string::npos) << error;

  // Cut short: the zip directory is gone.
  auto bytes = SampleWorkbook();
  bytes.resize(bytes.size() / 2);
  EXPECT_FALSE(Workbook::FromBytes(bytes, error));
  EXPECT_FALSE(error.empty());

  // A sheet that is not well-formed XML.
  auto parts = testing_support::SampleWorkbookParts("<row r=\"1\"><c r=\"A1\"><v>1</v></row>", "");
  EXPECT_FALSE(Workbook::FromBytes(testing_support::ZipParts(parts), error));
  EXPECT_NE(error.find("damaged"), std::string::npos) << error;
  EXPECT_NE(error.find("sheet1.xml"), std::string::npos) << error;

  // Rows out of order.
  parts = testing_support::SampleWorkbookParts("<row r=\"3\"/><row r=\"2\"/>", "");
  EXPECT_FALSE(Workbook::FromBytes(testing_support::ZipParts(parts), error));
  EXPECT_NE(error.find("damaged"), std::string::npos) << error;
}

TEST(Workbook, OpenNamesTheFileAndSaveAsLeavesNoHalfWrittenFile) {
  testing_support::ScratchDir dir;
  std::string error;
  EXPECT_FALSE(Workbook::Open(dir.File("none.xlsx"), error));
  EXPECT_NE(error.find("none.xlsx"), std::string::npos);
  EXPECT_NE(error.find("no such file"), std::string::npos);

  testing_support::WriteBytes(dir.File("bad.xlsx"), {'P', 'K', 3, 4, 0, 0});
  EXPECT_FALSE(Workbook::Open(dir.File("bad.xlsx"), error));
  EXPECT_NE(error.find("bad.xlsx"), std::string::npos);

  auto wb = Sample();
  wb->Sheet(1).SetText(1, 1, "saved");
  EXPECT_EQ(wb->SaveAs(dir.File("report.xlsx")), "");
  // Over an existing file: replaced whole.
  wb->Sheet(1).SetText(1, 1, "saved again");
  EXPECT_EQ(wb->SaveAs(dir.File("report.xlsx")), "");
  auto back = Workbook::Open(dir.File("report.xlsx"), error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->Sheet(1).CellText(1, 1), "saved again");
  // Into a folder that does not exist: an error, nothing written.
  EXPECT_NE(wb->SaveAs(dir.File("missing/report.xlsx")), "");
  auto entries = dir.Entries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"bad.xlsx", "report.xlsx"}));
}

TEST(Workbook, SavingTwiceGivesTheSameBytes) {
  auto wb = Sample();
  wb->Sheet(1).CopyRowInsert(2, 3);
  EXPECT_EQ(wb->ToBytes(), wb->ToBytes());
  EXPECT_EQ(Reopen(*wb)->ToBytes(), wb->ToBytes());
}

}  // namespace
}  // namespace orvanta::xlsx
