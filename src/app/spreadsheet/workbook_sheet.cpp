// Worksheet: rows copied, inserted and deleted, cell values, borders and
// pictures, read back for checks.
#include "app/spreadsheet/workbook_parts.h"

namespace orvanta::xlsx {

// ---- worksheet --------------------------------------------------------------

namespace {

pugi::xml_node FindRow(pugi::xml_node data, int r) {
  for (pugi::xml_node row : Children(data, "row")) {
    if (RowOf(row) == r) return row;
    if (RowOf(row) > r) break;
  }
  return {};
}

pugi::xml_node FindCell(pugi::xml_node row, int column) {
  for (pugi::xml_node c : Children(row, "c")) {
    const int col = ColumnOfCell(c);
    if (col == column) return c;
    if (col > column) break;
  }
  return {};
}

pugi::xml_node InsertRowElement(pugi::xml_node data, int r, const pugi::xml_node* copy_of) {
  pugi::xml_node after;
  for (pugi::xml_node row : Children(data, "row")) {
    if (RowOf(row) < r) after = row;
  }
  const std::string name = Prefix(data) + "row";
  pugi::xml_node row;
  if (copy_of) {
    row = after ? data.insert_copy_after(*copy_of, after) : data.prepend_copy(*copy_of);
  } else {
    row = after ? data.insert_child_after(name.c_str(), after) : data.prepend_child(name.c_str());
    row.append_attribute("r") = r;
  }
  return row;
}

bool Inside(int row, int column) { return row >= 1 && row <= kMaxRow && column >= 1 && column <= kMaxColumn; }

}  // namespace

const std::string& Worksheet::Name() const { return wb_->sheets[index_].name; }

bool Worksheet::CopyRowInsert(int source_row, int at) {
  if (!Inside(source_row, 1) || !Inside(at, 1) || LastRow() >= kMaxRow) return false;
  wb_->ApplyRowEdit(index_, {RowEdit::kInsert, at, 1});
  const int source = source_row >= at ? source_row + 1 : source_row;
  pugi::xml_node root = wb_->SheetRoot(index_);
  pugi::xml_node data = Child(root, "sheetData");
  if (pugi::xml_node src = FindRow(data, source)) {
    pugi::xml_node row = InsertRowElement(data, at, &src);
    SetRowNumber(row, at);
    for (pugi::xml_node c : Children(row, "c")) {
      if (pugi::xml_node f = Child(c, "f")) {
        SetNodeText(f, TranslateFormula(f.text().get(), at - source, 0));
        if (pugi::xml_node v = Child(c, "v")) c.remove_child(v);
      }
    }
  }
  if (pugi::xml_node merges = Child(root, "mergeCells")) {
    for (pugi::xml_node m : Children(merges, "mergeCell")) {
      const std::string ref = m.attribute("ref").value();
      const auto colon = ref.find(':');
      if (colon == std::string::npos) continue;
      const auto a = ParseCellAddress(ref.substr(0, colon));
      const auto b = ParseCellAddress(ref.substr(colon + 1));
      if (!a || !b || a->row != source || b->row != source) continue;
      pugi::xml_node copy = NewChild(merges, "mergeCell");
      copy.append_attribute("ref") = (CellName(at, a->column) + ":" + CellName(at, b->column)).c_str();
    }
    merges.attribute("count") = static_cast<int>(Children(merges, "mergeCell").size());
  }
  wb_->UpdateDimension(index_);
  return true;
}

bool Worksheet::DeleteRow(int row) {
  if (!Inside(row, 1)) return false;
  wb_->ApplyRowEdit(index_, {RowEdit::kDelete, row, 1});
  return true;
}

namespace {

// The cell element at (row, column), made when missing; it takes the row's
// style when the row has one.
pugi::xml_node TouchCell(pugi::xml_node data, int r, int column) {
  pugi::xml_node row = FindRow(data, r);
  if (!row) row = InsertRowElement(data, r, nullptr);
  if (pugi::xml_node c = FindCell(row, column)) return c;
  pugi::xml_node after;
  for (pugi::xml_node c : Children(row, "c")) {
    if (ColumnOfCell(c) < column) after = c;
  }
  const std::string name = Prefix(row) + "c";
  pugi::xml_node c = after ? row.insert_child_after(name.c_str(), after) : row.prepend_child(name.c_str());
  c.append_attribute("r") = CellName(r, column).c_str();
  if (std::string_view(row.attribute("customFormat").value()) == "1" && row.attribute("s")) {
    c.append_attribute("s") = row.attribute("s").value();
  }
  return c;
}

// Text an XML part can hold: characters XML forbids (control characters
// other than tab, line feed and carriage return) and bytes that are not
// UTF-8 become '?'.
std::string XmlSafeText(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    bool ok = len > 0 && i + len <= s.size();
    std::uint32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (std::size_t k = 1; ok && k < len; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      ok = (c >> 6) == 2;
      cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if (ok && ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
               (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF || cp == 0xFFFE || cp == 0xFFFF)) {
      ok = false;
    }
    if (ok && cp < 0x20 && cp != '\t' && cp != '\n' && cp != '\r') ok = false;
    if (ok) {
      out.append(s, i, len);
      i += len;
    } else {
      out += '?';
      ++i;
    }
  }
  return out;
}

void ClearValue(pugi::xml_node c) {
  while (c.first_child()) c.remove_child(c.first_child());
  c.remove_attribute("t");
}

}  // namespace

bool Worksheet::SetText(int row, int column, const std::string& utf8) {
  if (!Inside(row, column)) return false;
  pugi::xml_node c = TouchCell(wb_->SheetData(index_), row, column);
  ClearValue(c);
  c.append_attribute("t") = "inlineStr";
  pugi::xml_node t = NewChild(NewChild(c, "is"), "t");
  t.append_attribute("xml:space") = "preserve";
  t.append_child(pugi::node_pcdata).set_value(XmlSafeText(utf8).c_str());
  wb_->UpdateDimension(index_);
  return true;
}

bool Worksheet::SetNumber(int row, int column, double value) {
  if (!Inside(row, column) || !std::isfinite(value)) return false;
  pugi::xml_node c = TouchCell(wb_->SheetData(index_), row, column);
  ClearValue(c);
  NewChild(c, "v").append_child(pugi::node_pcdata).set_value(NumberToText(value).c_str());
  wb_->UpdateDimension(index_);
  return true;
}

bool Worksheet::SetDate(int row, int column, const DateTime& value) {
  if (!SetNumber(row, column, DateSerial(value))) return false;
  pugi::xml_node c = FindCell(FindRow(wb_->SheetData(index_), row), column);
  const int base = IntAttr(c, "s");
  const int fmt = wb_->NumberFormatId("dd-mm-yyyy hh:mm");
  const int style = wb_->DeriveStyle(base, "date", [fmt](pugi::xml_node xf) {
    if (!xf.attribute("numFmtId")) xf.append_attribute("numFmtId");
    xf.attribute("numFmtId") = fmt;
    if (!xf.attribute("applyNumberFormat")) xf.append_attribute("applyNumberFormat");
    xf.attribute("applyNumberFormat") = 1;
  });
  if (!c.attribute("s")) c.append_attribute("s");
  c.attribute("s") = style;
  return true;
}

bool Worksheet::SetBorders(int row, int column, BorderStyle style) {
  if (!Inside(row, column)) return false;
  pugi::xml_node c = TouchCell(wb_->SheetData(index_), row, column);
  const int base = IntAttr(c, "s");
  const std::string key = "border" + std::to_string(static_cast<int>(style));
  WorkbookData* wb = wb_;
  const int s = wb_->DeriveStyle(base, key, [wb, style](pugi::xml_node xf) {
    const int id = wb->BorderId(style);
    if (!xf.attribute("borderId")) xf.append_attribute("borderId");
    xf.attribute("borderId") = id;
    if (!xf.attribute("applyBorder")) xf.append_attribute("applyBorder");
    xf.attribute("applyBorder") = 1;
  });
  if (!c.attribute("s")) c.append_attribute("s");
  c.attribute("s") = s;
  wb_->UpdateDimension(index_);
  return true;
}

std::string Worksheet::AddPicture(int row, int column, std::span<const std::uint8_t> png, int pixel_width,
                                  int pixel_height, double width_points) {
  static const std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (png.size() < 8 || std::memcmp(png.data(), kPngSignature, 8) != 0) return "the picture is not a PNG image";
  if (pixel_width <= 0 || pixel_height <= 0) return "the picture has no size";
  if (!std::isfinite(width_points) || width_points <= 0 || width_points > 100000) return "the picture width is not valid";
  if (!Inside(row, column)) return "the picture cell is outside the sheet";
  WorkbookData& d = *wb_;
  const std::string media = d.FreePartName("xl/media/image", ".png");
  d.order.push_back(media);
  d.raw[media] = std::vector<std::uint8_t>(png.begin(), png.end());
  d.AddDefaultType("png", "image/png");

  std::string drawing = d.DrawingOf(index_);
  pugi::xml_node sheet_root = d.SheetRoot(index_);
  if (drawing.empty()) {
    drawing = d.FreePartName("xl/drawings/drawing", ".xml");
    pugi::xml_document* doc =
        d.NewDoc(drawing, "xdr:wsDr", "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing");
    pugi::xml_node root = doc->document_element();
    root.remove_attribute("xmlns");
    root.append_attribute("xmlns:xdr") = "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing";
    root.append_attribute("xmlns:a") = "http://schemas.openxmlformats.org/drawingml/2006/main";
    d.AddContentType(drawing, "application/vnd.openxmlformats-officedocument.drawing+xml");
    const std::string id = d.AddRel(d.sheets[index_].part, kDrawingRelType, drawing);
    // The drawing element goes before the parts that follow it in a worksheet.
    static const char* kAfter[] = {"legacyDrawing", "legacyDrawingHF", "drawingHF", "picture", "oleObjects",
                                   "controls",      "webPublishItems", "tableParts", "extLst"};
    pugi::xml_node next;
    for (const char* name : kAfter) {
      if ((next = Child(sheet_root, name))) break;
    }
    const std::string el = Prefix(sheet_root) + "drawing";
    pugi::xml_node dn = next ? sheet_root.insert_child_before(el.c_str(), next) : sheet_root.append_child(el.c_str());
    if (!sheet_root.attribute("xmlns:r")) sheet_root.append_attribute("xmlns:r") = kRelNs;
    dn.append_attribute("r:id") = id.c_str();
  }
  pugi::xml_node root = d.Doc(drawing)->document_element();
  if (!root.attribute("xmlns:a")) root.append_attribute("xmlns:a") = "http://schemas.openxmlformats.org/drawingml/2006/main";
  if (!root.attribute("xmlns:r")) root.append_attribute("xmlns:r") = kRelNs;
  const std::string image_id = d.AddRel(drawing, kImageRelType, media);
  int shape_id = 1;
  for (const pugi::xpath_node& n : root.select_nodes(".//*[@id]")) shape_id = std::max(shape_id, IntAttr(n.node(), "id") + 1);

  const std::int64_t cx = static_cast<std::int64_t>(std::llround(width_points * kEmuPerPoint));
  const std::int64_t cy = static_cast<std::int64_t>(
      std::llround(width_points * kEmuPerPoint * static_cast<double>(pixel_height) / pixel_width));
  const std::string x = Prefix(root);
  const std::string ext = "cx=\"" + std::to_string(cx) + "\" cy=\"" + std::to_string(cy) + "\"";
  const std::string xml =
      "<" + x + "oneCellAnchor><" + x + "from><" + x + "col>" + std::to_string(column - 1) + "</" + x + "col><" + x +
      "colOff>0</" + x + "colOff><" + x + "row>" + std::to_string(row - 1) + "</" + x + "row><" + x + "rowOff>0</" + x +
      "rowOff></" + x + "from><" + x + "ext " + ext + "/><" + x + "pic><" + x + "nvPicPr><" + x + "cNvPr id=\"" +
      std::to_string(shape_id) + "\" name=\"Picture " + std::to_string(shape_id) + "\"/><" + x +
      "cNvPicPr><a:picLocks noChangeAspect=\"1\"/></" + x + "cNvPicPr></" + x + "nvPicPr><" + x +
      "blipFill><a:blip r:embed=\"" + image_id + "\"/><a:stretch><a:fillRect/></a:stretch></" + x + "blipFill><" + x +
      "spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext " + ext +
      "/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></" + x + "spPr></" + x + "pic><" + x +
      "clientData/></" + x + "oneCellAnchor>";
  if (!root.append_buffer(xml.data(), xml.size())) return "the picture could not be placed";
  return {};
}

std::string Worksheet::CellText(int row, int column) const {
  pugi::xml_node c = FindCell(FindRow(wb_->SheetData(index_), row), column);
  if (!c) return {};
  const std::string_view t = c.attribute("t").value();
  if (t == "inlineStr") return InlineText(Child(c, "is"));
  const std::string v = Child(c, "v").text().get();
  if (t == "s") {
    const auto n = TextToNumber(v);
    if (!n || *n < 0 || *n >= static_cast<double>(wb_->shared_strings.size())) return {};
    return wb_->shared_strings[static_cast<std::size_t>(*n)];
  }
  return v;
}

std::optional<double> Worksheet::CellNumber(int row, int column) const {
  pugi::xml_node c = FindCell(FindRow(wb_->SheetData(index_), row), column);
  const std::string_view t = c.attribute("t").value();
  if (!c || !(t.empty() || t == "n")) return std::nullopt;
  return TextToNumber(Child(c, "v").text().get());
}

std::string Worksheet::CellFormula(int row, int column) const {
  pugi::xml_node c = FindCell(FindRow(wb_->SheetData(index_), row), column);
  return Child(c, "f").text().get();
}

std::optional<double> Worksheet::RowHeight(int row) const {
  pugi::xml_node r = FindRow(wb_->SheetData(index_), row);
  if (!r || !r.attribute("ht")) return std::nullopt;
  return TextToNumber(r.attribute("ht").value());
}

int Worksheet::CellStyle(int row, int column) const {
  return IntAttr(FindCell(FindRow(wb_->SheetData(index_), row), column), "s");
}

std::vector<std::string> Worksheet::MergedRanges() const {
  std::vector<std::string> out;
  for (pugi::xml_node m : Children(Child(wb_->SheetRoot(index_), "mergeCells"), "mergeCell")) {
    out.push_back(m.attribute("ref").value());
  }
  return out;
}

std::vector<PictureAnchor> Worksheet::Pictures() const {
  std::vector<PictureAnchor> out;
  const std::string drawing = wb_->DrawingOf(index_);
  if (drawing.empty()) return out;
  const auto rels = wb_->RelsOf(drawing);
  for (pugi::xml_node anchor = wb_->Doc(drawing)->document_element().first_child(); anchor;
       anchor = anchor.next_sibling()) {
    pugi::xml_node pic = Child(anchor, "pic");
    pugi::xml_node from = Child(anchor, "from");
    if (!pic || !from) continue;
    PictureAnchor p;
    p.row = static_cast<int>(TextToNumber(Child(from, "row").text().get()).value_or(-1)) + 1;
    p.column = static_cast<int>(TextToNumber(Child(from, "col").text().get()).value_or(-1)) + 1;
    pugi::xml_node ext = Child(anchor, "ext");
    if (!ext) ext = Child(Child(Child(pic, "spPr"), "xfrm"), "ext");
    p.width_emu = std::atoll(ext.attribute("cx").value());
    p.height_emu = std::atoll(ext.attribute("cy").value());
    const std::string embed = RelIdAttribute(Child(Child(pic, "blipFill"), "blip")).value();
    for (const auto& r : rels) {
      if (r.id == embed) p.media = r.target;
    }
    out.push_back(p);
  }
  return out;
}

int Worksheet::LastRow() const {
  int last = 0;
  for (pugi::xml_node row : Children(wb_->SheetData(index_), "row")) last = std::max(last, RowOf(row));
  return last;
}

// ---------------------------------------------------------------------------

double DateSerial(const DateTime& dt) {
  // Days from civil (proleptic Gregorian), then from 1899-12-30.
  auto days_from_civil = [](int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int>(doe) - 719468;
  };
  const int days = days_from_civil(dt.year, dt.month, dt.day) - days_from_civil(1899, 12, 30);
  return days + (dt.hour * 3600 + dt.minute * 60 + dt.second) / 86400.0;
}

}  // namespace orvanta::xlsx
