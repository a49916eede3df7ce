// Helpers of the workbook tests: a small workbook written part by part, and
// reading a part of a saved workbook back as XML.
#pragma once

#include <zip.h>

#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

namespace orvanta::testing_support {

using Parts = std::vector<std::pair<std::string, std::string>>;

inline std::vector<std::uint8_t> ZipParts(const Parts& parts) {
  zip_error_t ze;
  zip_error_init(&ze);
  zip_source_t* src = zip_source_buffer_create(nullptr, 0, 0, &ze);
  zip_source_keep(src);
  zip_t* za = zip_open_from_source(src, ZIP_TRUNCATE, &ze);
  for (const auto& [name, text] : parts) {
    zip_source_t* s = zip_source_buffer(za, text.data(), text.size(), 0);
    zip_file_add(za, name.c_str(), s, ZIP_FL_ENC_UTF_8);
  }
  zip_close(za);
  std::vector<std::uint8_t> out;
  zip_source_open(src);
  zip_source_seek(src, 0, SEEK_END);
  out.resize(static_cast<std::size_t>(zip_source_tell(src)));
  zip_source_seek(src, 0, SEEK_SET);
  zip_source_read(src, out.data(), static_cast<zip_uint64_t>(out.size()));
  zip_source_close(src);
  zip_source_free(src);
  return out;
}

// The text of one part of a zip archive, "" when it is not there.
inline std::string PartText(const std::vector<std::uint8_t>& zip_bytes, const std::string& name) {
  zip_error_t ze;
  zip_error_init(&ze);
  zip_source_t* src = zip_source_buffer_create(zip_bytes.data(), zip_bytes.size(), 0, &ze);
  zip_t* za = zip_open_from_source(src, ZIP_RDONLY, &ze);
  if (!za) {
    zip_source_free(src);
    return {};
  }
  std::string out;
  zip_stat_t st;
  if (zip_stat(za, name.c_str(), 0, &st) == 0) {
    out.resize(st.size);
    zip_file_t* f = zip_fopen(za, name.c_str(), 0);
    zip_fread(f, out.data(), st.size);
    zip_fclose(f);
  }
  zip_discard(za);
  return out;
}

inline std::unique_ptr<pugi::xml_document> PartXml(const std::vector<std::uint8_t>& zip_bytes,
                                                   const std::string& name) {
  auto doc = std::make_unique<pugi::xml_document>();
  const std::string text = PartText(zip_bytes, name);
  doc->load_buffer(text.data(), text.size());
  return doc;
}

constexpr const char* kMainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// Two sheets, "Data" and "Other", with formulas, merges, row heights, a
// shared formula, shared strings and a print area.
inline Parts SampleWorkbookParts(const std::string& data_sheet_rows, const std::string& data_sheet_tail) {
  const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
  return {
      {"[Content_Types].xml",
       head + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
              "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
              "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
              "<Override PartName=\"/xl/workbook.xml\" "
              "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
              "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
              "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
              "<Override PartName=\"/xl/worksheets/sheet2.xml\" "
              "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
              "<Override PartName=\"/xl/sharedStrings.xml\" "
              "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>"
              "</Types>"},
      {"_rels/.rels",
       head + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
              "<Relationship Id=\"rId1\" "
              "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
              "Target=\"xl/workbook.xml\"/></Relationships>"},
      {"xl/workbook.xml",
       head + "<workbook xmlns=\"" + kMainNs + "\" xmlns:r=\"" + kRelNs +
           "\"><sheets><sheet name=\"Data\" sheetId=\"1\" r:id=\"rId1\"/>"
           "<sheet name=\"Other\" sheetId=\"2\" r:id=\"rId2\"/></sheets>"
           "<definedNames><definedName name=\"_xlnm.Print_Area\" localSheetId=\"0\">Data!$A$1:$E$10</definedName>"
           "<definedName name=\"Rate\">Other!$B$1</definedName></definedNames></workbook>"},
      {"xl/_rels/workbook.xml.rels",
       head + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
              "<Relationship Id=\"rId1\" "
              "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
              "Target=\"worksheets/sheet1.xml\"/>"
              "<Relationship Id=\"rId2\" "
              "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
              "Target=\"worksheets/sheet2.xml\"/>"
              "<Relationship Id=\"rId3\" "
              "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" "
              "Target=\"sharedStrings.xml\"/></Relationships>"},
      {"xl/sharedStrings.xml", head + "<sst xmlns=\"" + kMainNs + "\"><si><t>Title</t></si><si><t>Row</t></si></sst>"},
      {"xl/worksheets/sheet1.xml", head + "<worksheet xmlns=\"" + kMainNs + "\" xmlns:r=\"" + kRelNs +
                                       "\"><dimension ref=\"A1:E5\"/><sheetData>" + data_sheet_rows +
                                       "</sheetData>" + data_sheet_tail + "</worksheet>"},
      {"xl/worksheets/sheet2.xml", head + "<worksheet xmlns=\"" + kMainNs +
                                       "\"><sheetData><row r=\"1\"><c r=\"A1\"><f>Data!A3+Data!A1+A3</f></c>"
                                       "<c r=\"B1\"><v>0.5</v></c></row></sheetData></worksheet>"},
  };
}

// Row 1: title merged A1:C1. Row 2 (height 20, styled): 1, 2, =A2*B2,
// =SUM(A$2:B2), B2:C2 merged. Row 3: =SUM(A2:A2), =Other!A1+Data!B2.
// Row 5: =A2+A3 and a shared formula B5 (=A5*2) over B5:C5. A6:B8 merged.
inline std::vector<std::uint8_t> SampleWorkbook() {
  return ZipParts(SampleWorkbookParts(
      "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>"
      "<row r=\"2\" ht=\"20\" customHeight=\"1\"><c r=\"A2\" s=\"0\"><v>1</v></c><c r=\"B2\"><v>2</v></c>"
      "<c r=\"C2\"><f>A2*B2</f><v>2</v></c><c r=\"D2\"><f>SUM(A$2:B2)</f><v>3</v></c></row>"
      "<row r=\"3\"><c r=\"A3\"><f>SUM(A2:A2)</f></c><c r=\"B3\"><f>Other!A1+Data!B2</f></c></row>"
      "<row r=\"5\"><c r=\"A5\"><f>A2+A3</f></c><c r=\"B5\"><f t=\"shared\" ref=\"B5:C5\" si=\"0\">A5*2</f></c>"
      "<c r=\"C5\"><f t=\"shared\" si=\"0\"/></c></row>",
      "<mergeCells count=\"3\"><mergeCell ref=\"A1:C1\"/><mergeCell ref=\"B2:C2\"/><mergeCell ref=\"A6:B8\"/>"
      "</mergeCells><conditionalFormatting sqref=\"A5:A9\"><cfRule type=\"expression\" priority=\"1\">"
      "<formula>A5&gt;1</formula></cfRule></conditionalFormatting>"));
}

// A valid PNG signature followed by filler: the workbook only checks the signature.
inline std::vector<std::uint8_t> FakePng() {
  std::vector<std::uint8_t> v = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  for (int k = 0; k < 40; ++k) v.push_back(static_cast<std::uint8_t>(k));
  return v;
}

}  // namespace orvanta::testing_support
