#include "app/spreadsheet/workbook.h"

#include "app/spreadsheet/workbook_parts.h"
#include "project/safe_file.h"

namespace orvanta::xlsx {

namespace detail {

int RowOf(const pugi::xml_node& row) { return IntAttr(row, "r"); }

int ColumnOfCell(const pugi::xml_node& c) {
  auto a = ParseCellAddress(c.attribute("r").value());
  return a ? a->column : 0;
}

void SetRowNumber(pugi::xml_node row, int r) {
  row.attribute("r") = r;
  for (pugi::xml_node c : Children(row, "c")) {
    const int col = ColumnOfCell(c);
    if (col > 0) c.attribute("r") = CellName(r, col).c_str();
  }
}

std::string InlineText(const pugi::xml_node& n) {
  std::string s;
  if (pugi::xml_node t = Child(n, "t")) s += t.text().get();
  for (pugi::xml_node r : Children(n, "r")) {
    if (pugi::xml_node t = Child(r, "t")) s += t.text().get();
  }
  return s;
}

}  // namespace detail

// ---- styles ----------------------------------------------------------------

pugi::xml_node WorkbookData::StylesRoot() {
  if (!styles_part.empty()) {
    if (pugi::xml_document* doc = Doc(styles_part)) return doc->document_element();
  }
  styles_part = "xl/styles.xml";
  pugi::xml_document* doc = NewDoc(styles_part, "styleSheet", "http://schemas.openxmlformats.org/spreadsheetml/2006/main");
  pugi::xml_node root = doc->document_element();
  static const std::string kMinimal =
      "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
      "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
      "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
      "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
      "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
      "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>";
  root.append_buffer(kMinimal.data(), kMinimal.size());
  AddRel(workbook_part, kStylesRelType, styles_part);
  AddContentType(styles_part, "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml");
  return root;
}

namespace {
// The collection child of the stylesheet, created in its place when missing.
pugi::xml_node Collection(pugi::xml_node root, std::string_view local) {
  if (pugi::xml_node c = Child(root, local)) return c;
  static const char* kOrder[] = {"numFmts", "fonts", "fills", "borders", "cellStyleXfs", "cellXfs"};
  const std::string name = Prefix(root) + std::string(local);
  bool after = false;
  for (const char* o : kOrder) {
    if (after) {
      if (pugi::xml_node next = Child(root, o)) return root.insert_child_before(name.c_str(), next);
    }
    if (local == o) after = true;
  }
  return root.append_child(name.c_str());
}
void Recount(pugi::xml_node collection) {
  const int n = static_cast<int>(std::distance(collection.children().begin(), collection.children().end()));
  if (!collection.attribute("count")) collection.append_attribute("count");
  collection.attribute("count") = n;
}
}  // namespace

int WorkbookData::DeriveStyle(int base, const std::string& key, const std::function<void(pugi::xml_node)>& change) {
  if (auto it = derived_styles.find({base, key}); it != derived_styles.end()) return it->second;
  pugi::xml_node xfs = Collection(StylesRoot(), "cellXfs");
  std::vector<pugi::xml_node> list = Children(xfs, "xf");
  if (list.empty()) {
    pugi::xml_node xf = NewChild(xfs, "xf");
    xf.append_attribute("numFmtId") = 0;
    list.push_back(xf);
  }
  const pugi::xml_node source = base >= 0 && base < static_cast<int>(list.size()) ? list[base] : list[0];
  pugi::xml_node xf = xfs.append_copy(source);
  change(xf);
  Recount(xfs);
  const int id = static_cast<int>(Children(xfs, "xf").size()) - 1;
  derived_styles[{base, key}] = id;
  return id;
}

int WorkbookData::NumberFormatId(const std::string& code) {
  pugi::xml_node fmts = Collection(StylesRoot(), "numFmts");
  int next = 164;
  for (pugi::xml_node f : Children(fmts, "numFmt")) {
    if (code == f.attribute("formatCode").value()) return IntAttr(f, "numFmtId");
    next = std::max(next, IntAttr(f, "numFmtId") + 1);
  }
  pugi::xml_node f = NewChild(fmts, "numFmt");
  f.append_attribute("numFmtId") = next;
  f.append_attribute("formatCode") = code.c_str();
  Recount(fmts);
  return next;
}

int WorkbookData::BorderId(BorderStyle style) {
  static const char* kNames[] = {"", "thin", "medium", "thick", "dashed", "dotted", "double"};
  const char* name = kNames[static_cast<int>(style)];
  pugi::xml_node borders = Collection(StylesRoot(), "borders");
  const std::string prefix = Prefix(borders);
  std::string xml = "<" + prefix + "border>";
  for (const char* edge : {"left", "right", "top", "bottom"}) {
    if (*name) {
      xml += "<" + prefix + edge + " style=\"" + name + "\"><" + prefix + "color indexed=\"64\"/></" + prefix + edge + ">";
    } else {
      xml += "<" + prefix + edge + "/>";
    }
  }
  xml += "<" + prefix + "diagonal/></" + prefix + "border>";
  borders.append_buffer(xml.data(), xml.size());
  Recount(borders);
  return static_cast<int>(Children(borders, "border").size()) - 1;
}

// ---- row edits ---------------------------------------------------------------

namespace {

// Every formula of a sheet's cells.
template <typename F>
void ForEachFormula(pugi::xml_node sheet_data, F f) {
  for (pugi::xml_node row : Children(sheet_data, "row")) {
    for (pugi::xml_node c : Children(row, "c")) {
      if (pugi::xml_node fn = Child(c, "f")) f(fn);
    }
  }
}

// Adjusts a range attribute; false (the attribute untouched) when no cell of
// the ranges is left.
bool AdjustRangeAttribute(pugi::xml_node n, const char* attr, const RowEdit& edit) {
  pugi::xml_attribute a = n.attribute(attr);
  if (!a) return true;
  const std::string adjusted = AdjustRangeList(a.value(), edit);
  if (adjusted.empty()) return false;
  a = adjusted.c_str();
  return true;
}

void AdjustOrRemove(pugi::xml_node n, const char* attr, const RowEdit& edit) {
  if (!AdjustRangeAttribute(n, attr, edit)) n.parent().remove_child(n);
}

// Anchor rows of a drawing are 0-based.
void AdjustAnchorRow(pugi::xml_node marker, const RowEdit& edit) {
  pugi::xml_node row = Child(marker, "row");
  if (!row) return;
  const auto v = TextToNumber(row.text().get());
  if (!v) return;
  int r = static_cast<int>(*v) + 1;
  if (edit.kind == RowEdit::kInsert) {
    if (r >= edit.row) r += edit.count;
  } else if (r >= edit.row + edit.count) {
    r -= edit.count;
  } else if (r >= edit.row) {
    r = edit.row;
  }
  SetNodeText(row, std::to_string(r - 1));
}

}  // namespace

void WorkbookData::ApplyRowEdit(int index, const RowEdit& edit) {
  pugi::xml_node root = SheetRoot(index);
  pugi::xml_node data = Child(root, "sheetData");
  const std::string& name = sheets[index].name;
  // Rows and their cells.
  for (pugi::xml_node row : Children(data, "row")) {
    const int r = RowOf(row);
    if (edit.kind == RowEdit::kInsert) {
      if (r >= edit.row) SetRowNumber(row, r + edit.count);
    } else if (r >= edit.row && r < edit.row + edit.count) {
      data.remove_child(row);
    } else if (r >= edit.row + edit.count) {
      SetRowNumber(row, r - edit.count);
    }
  }
  // Formulas of every sheet (others only through references naming this one).
  for (int k = 0; k < static_cast<int>(sheets.size()); ++k) {
    ForEachFormula(SheetData(k), [&](pugi::xml_node f) {
      const std::string text = f.text().get();
      if (!text.empty()) {
        const std::string adjusted = AdjustFormula(text, edit, name, k == index);
        if (adjusted != text) SetNodeText(f, adjusted);
      }
      if (k == index && f.attribute("ref") && !AdjustRangeAttribute(f, "ref", edit)) f.remove_attribute("ref");
    });
  }
  // Ranges of the sheet.
  if (pugi::xml_node merges = Child(root, "mergeCells")) {
    for (pugi::xml_node m : Children(merges, "mergeCell")) {
      bool keep = AdjustRangeAttribute(m, "ref", edit);
      // A merge shrunk to one cell is no merge.
      const std::string ref = m.attribute("ref").value();
      const auto colon = ref.find(':');
      if (colon == std::string::npos || ref.substr(0, colon) == ref.substr(colon + 1)) keep = false;
      if (!keep) merges.remove_child(m);
    }
    if (Children(merges, "mergeCell").empty()) {
      root.remove_child(merges);
    } else {
      merges.attribute("count") = static_cast<int>(Children(merges, "mergeCell").size());
    }
  }
  for (pugi::xml_node cf : Children(root, "conditionalFormatting")) AdjustOrRemove(cf, "sqref", edit);
  // Lists that must not be left empty go when their last entry goes.
  if (pugi::xml_node dvs = Child(root, "dataValidations")) {
    for (pugi::xml_node dv : Children(dvs, "dataValidation")) AdjustOrRemove(dv, "sqref", edit);
    const auto left = Children(dvs, "dataValidation").size();
    if (left == 0) {
      root.remove_child(dvs);
    } else if (dvs.attribute("count")) {
      dvs.attribute("count") = static_cast<unsigned>(left);
    }
  }
  if (pugi::xml_node links = Child(root, "hyperlinks")) {
    for (pugi::xml_node h : Children(links, "hyperlink")) AdjustOrRemove(h, "ref", edit);
    if (Children(links, "hyperlink").empty()) root.remove_child(links);
  }
  if (pugi::xml_node breaks = Child(root, "rowBreaks")) {
    for (pugi::xml_node b : Children(breaks, "brk")) {
      const int id = IntAttr(b, "id");
      if (edit.kind == RowEdit::kInsert && id >= edit.row) b.attribute("id") = id + edit.count;
      if (edit.kind == RowEdit::kDelete && id >= edit.row) b.attribute("id") = std::max(edit.row - 1, id - edit.count);
    }
  }
  // Defined names (print area, print titles, user names).
  if (pugi::xml_document* wb = Doc(workbook_part)) {
    if (pugi::xml_node names = Child(wb->document_element(), "definedNames")) {
      for (pugi::xml_node n : Children(names, "definedName")) {
        const std::string text = n.text().get();
        const std::string adjusted = AdjustFormula(text, edit, name, false);
        if (adjusted != text) SetNodeText(n, adjusted);
      }
    }
  }
  // Pictures and other drawing objects.
  const std::string drawing = DrawingOf(index);
  if (!drawing.empty()) {
    pugi::xml_node ws = Doc(drawing)->document_element();
    for (pugi::xml_node anchor = ws.first_child(); anchor; anchor = anchor.next_sibling()) {
      if (pugi::xml_node from = Child(anchor, "from")) AdjustAnchorRow(from, edit);
      if (pugi::xml_node to = Child(anchor, "to")) AdjustAnchorRow(to, edit);
    }
  }
  UpdateDimension(index);
}

void WorkbookData::UpdateDimension(int index) {
  pugi::xml_node root = SheetRoot(index);
  pugi::xml_node dim = Child(root, "dimension");
  if (!dim) return;
  int r1 = 0, r2 = 0, c1 = 0, c2 = 0;
  for (pugi::xml_node row : Children(Child(root, "sheetData"), "row")) {
    for (pugi::xml_node c : Children(row, "c")) {
      const auto a = ParseCellAddress(c.attribute("r").value());
      if (!a) continue;
      r1 = r1 ? std::min(r1, a->row) : a->row;
      c1 = c1 ? std::min(c1, a->column) : a->column;
      r2 = std::max(r2, a->row);
      c2 = std::max(c2, a->column);
    }
  }
  if (!dim.attribute("ref")) dim.append_attribute("ref");
  dim.attribute("ref") = r1 ? (CellName(r1, c1) + ":" + CellName(r2, c2)).c_str() : "A1";
}

// ---- loading ---------------------------------------------------------------

namespace {

// Cells of shared formulas get their own formula text (moved like a copy of
// the master's), so rows can be copied and moved one by one.
void ExpandSharedFormulas(pugi::xml_node sheet_data) {
  struct Master {
    std::string text;
    int row, column;
  };
  std::map<std::string, Master> masters;
  ForEachFormula(sheet_data, [&](pugi::xml_node f) {
    if (std::string_view(f.attribute("t").value()) != "shared") return;
    const std::string text = f.text().get();
    if (text.empty()) return;
    const auto a = ParseCellAddress(f.parent().attribute("r").value());
    if (a) masters[f.attribute("si").value()] = {text, a->row, a->column};
  });
  ForEachFormula(sheet_data, [&](pugi::xml_node f) {
    if (std::string_view(f.attribute("t").value()) != "shared") return;
    const auto it = masters.find(f.attribute("si").value());
    const auto a = ParseCellAddress(f.parent().attribute("r").value());
    if (it != masters.end() && a) {
      SetNodeText(f, TranslateFormula(it->second.text, a->row - it->second.row, a->column - it->second.column));
    }
    f.remove_attribute("t");
    f.remove_attribute("si");
    f.remove_attribute("ref");
  });
}

// Rows and cells without their number get it (the format allows leaving it
// out for consecutive entries); rows are sorted.
bool NormaliseRows(pugi::xml_node sheet_data, std::string& why) {
  int previous_row = 0;
  for (pugi::xml_node row : Children(sheet_data, "row")) {
    int r = row.attribute("r") ? IntAttr(row, "r", -1) : previous_row + 1;
    if (r <= previous_row || r > kMaxRow) {
      why = "row numbers out of order";
      return false;
    }
    if (!row.attribute("r")) row.append_attribute("r");
    row.attribute("r") = r;
    previous_row = r;
    int previous_col = 0;
    for (pugi::xml_node c : Children(row, "c")) {
      int col = previous_col + 1;
      if (c.attribute("r")) {
        const auto a = ParseCellAddress(c.attribute("r").value());
        if (!a || a->row != r) {
          why = "cell reference does not match its row";
          return false;
        }
        col = a->column;
      } else {
        c.append_attribute("r");
      }
      if (col <= previous_col || col > kMaxColumn) {
        why = "cell columns out of order";
        return false;
      }
      c.attribute("r") = CellName(r, col).c_str();
      previous_col = col;
    }
  }
  return true;
}

}  // namespace

Workbook::Workbook() : data_(std::make_unique<WorkbookData>()) {}
Workbook::~Workbook() = default;

std::unique_ptr<Workbook> Workbook::FromBytes(std::span<const std::uint8_t> bytes, std::string& error) {
  std::unique_ptr<Workbook> wb(new Workbook());
  WorkbookData& d = *wb->data_;
  {
    zip_error_t ze;
    zip_error_init(&ze);
    zip_source_t* src = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &ze);
    if (!src) {
      zip_error_fini(&ze);
      error = "not an .xlsx workbook";
      return nullptr;
    }
    zip_t* za = zip_open_from_source(src, ZIP_RDONLY | ZIP_CHECKCONS, &ze);
    if (!za) {
      zip_source_free(src);
      zip_error_fini(&ze);
      error = "not an .xlsx workbook (not a zip archive)";
      return nullptr;
    }
    zip_error_fini(&ze);
    const zip_int64_t n = zip_get_num_entries(za, 0);
    std::size_t total = 0;
    std::string why;
    if (n < 0 || static_cast<std::size_t>(n) > kMaxEntries) why = "too many parts";
    for (zip_int64_t k = 0; why.empty() && k < n; ++k) {
      zip_stat_t st;
      zip_stat_init(&st);
      if (zip_stat_index(za, k, 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME) || !(st.valid & ZIP_STAT_SIZE)) {
        why = "unreadable part";
        break;
      }
      std::string name = st.name;
      if (!name.empty() && name.back() == '/') continue;
      if (st.size > kMaxBytes || (total += st.size) > kMaxBytes) {
        why = "parts too large";
        break;
      }
      std::vector<std::uint8_t> content(st.size);
      zip_file_t* f = zip_fopen_index(za, k, 0);
      if (!f) {
        why = "unreadable part " + name;
        break;
      }
      const zip_int64_t got = st.size ? zip_fread(f, content.data(), st.size) : 0;
      zip_fclose(f);
      if (got < 0 || static_cast<zip_uint64_t>(got) != st.size) {
        why = "damaged part " + name;
        break;
      }
      if (d.raw.count(name)) {
        why = "duplicate part " + name;
        break;
      }
      d.order.push_back(name);
      d.raw[name] = std::move(content);
    }
    zip_discard(za);
    if (!why.empty()) {
      error = "the workbook is damaged (" + why + ")";
      return nullptr;
    }
  }
  if (!d.Has("[Content_Types].xml")) {
    error = "not an .xlsx workbook (no content types)";
    return nullptr;
  }
  if (!d.Doc("[Content_Types].xml")) {
    error = "the workbook is damaged ([Content_Types].xml)";
    return nullptr;
  }
  d.workbook_part = "xl/workbook.xml";
  for (const auto& r : d.RelsOf("")) {
    if (r.type.ends_with("/officeDocument")) d.workbook_part = r.target;
  }
  pugi::xml_document* wbdoc = d.Doc(d.workbook_part);
  if (!wbdoc || Local(wbdoc->document_element().name()) != "workbook") {
    error = d.Has(d.workbook_part) ? "the workbook is damaged (" + d.workbook_part + ")"
                                   : "not an .xlsx workbook (no workbook part)";
    return nullptr;
  }
  const auto rels = d.RelsOf(d.workbook_part);
  for (const auto& r : rels) {
    if (r.type.ends_with("/sharedStrings")) {
      pugi::xml_document* sst = d.Doc(r.target);
      if (!sst) {
        error = "the workbook is damaged (" + r.target + ")";
        return nullptr;
      }
      for (pugi::xml_node si : Children(sst->document_element(), "si")) d.shared_strings.push_back(InlineText(si));
    } else if (r.type.ends_with("/styles")) {
      if (!d.Doc(r.target)) {
        error = "the workbook is damaged (" + r.target + ")";
        return nullptr;
      }
      d.styles_part = r.target;
    }
  }
  for (pugi::xml_node s : Children(Child(wbdoc->document_element(), "sheets"), "sheet")) {
    const std::string id = RelIdAttribute(s).value();
    for (const auto& r : rels) {
      if (r.id != id || !r.type.ends_with("/worksheet")) continue;
      pugi::xml_document* sheet = d.Doc(r.target);
      pugi::xml_node data = sheet ? Child(sheet->document_element(), "sheetData") : pugi::xml_node();
      std::string why = "no cell data";
      if (!data || !NormaliseRows(data, why)) {
        error = "the workbook is damaged (" + r.target + ": " + why + ")";
        return nullptr;
      }
      ExpandSharedFormulas(data);
      d.sheets.push_back({s.attribute("name").value(), r.target});
    }
  }
  if (d.sheets.empty()) {
    error = "not an .xlsx workbook (no worksheet)";
    return nullptr;
  }
  for (int k = 0; k < static_cast<int>(d.sheets.size()); ++k) {
    d.handles.push_back(std::unique_ptr<Worksheet>(new Worksheet(&d, k)));
  }
  // Values that depend on moved cells are recomputed when the report is opened.
  pugi::xml_node wbroot = wbdoc->document_element();
  pugi::xml_node calc = Child(wbroot, "calcPr");
  if (!calc) {
    // In its place among the workbook's parts: before these, else last.
    static const char* kAfterCalc[] = {"oleSize",       "customWorkbookViews", "pivotCaches",
                                       "smartTagPr",    "smartTagTypes",       "webPublishing",
                                       "fileRecoveryPr", "webPublishObjects",  "extLst"};
    pugi::xml_node next;
    for (const char* name : kAfterCalc) {
      if ((next = Child(wbroot, name))) break;
    }
    const std::string el = Prefix(wbroot) + "calcPr";
    calc = next ? wbroot.insert_child_before(el.c_str(), next) : wbroot.append_child(el.c_str());
  }
  if (!calc.attribute("fullCalcOnLoad")) calc.append_attribute("fullCalcOnLoad");
  calc.attribute("fullCalcOnLoad") = "1";
  return wb;
}

std::unique_ptr<Workbook> Workbook::Open(const std::string& path, std::string& error) {
  const FileReadResult file = ReadFileBytes(path, kMaxBytes);
  if (!file.exists) {
    error = path + ": no such file";
    return nullptr;
  }
  if (!file.ok) {
    error = path + ": " + file.error;
    return nullptr;
  }
  if (file.longer) {
    error = path + ": the file is too large for a workbook";
    return nullptr;
  }
  auto wb = FromBytes(file.bytes, error);
  if (!wb) error = path + ": " + error;
  return wb;
}

int Workbook::SheetCount() const { return static_cast<int>(data_->sheets.size()); }
Worksheet& Workbook::Sheet(int number) { return *data_->handles.at(number - 1); }
const Worksheet& Workbook::Sheet(int number) const { return *data_->handles.at(number - 1); }

std::string Workbook::DefinedName(const std::string& name) const {
  const pugi::xml_document* wb = data_->Doc(data_->workbook_part);
  for (pugi::xml_node n : Children(Child(wb->document_element(), "definedNames"), "definedName")) {
    if (name == n.attribute("name").value()) return n.text().get();
  }
  return {};
}

std::vector<std::uint8_t> Workbook::ToBytes() const {
  std::vector<std::string> contents;
  contents.reserve(data_->order.size());
  for (const std::string& part : data_->order) {
    if (auto it = data_->docs.find(part); it != data_->docs.end()) {
      StringWriter w;
      it->second->save(w, "", pugi::format_raw, pugi::encoding_utf8);
      contents.push_back(std::move(w.out));
    } else if (auto r = data_->raw.find(part); r != data_->raw.end()) {
      contents.emplace_back(r->second.begin(), r->second.end());
    } else {
      contents.emplace_back();
    }
  }
  std::vector<std::uint8_t> out;
  zip_error_t ze;
  zip_error_init(&ze);
  zip_source_t* src = zip_source_buffer_create(nullptr, 0, 0, &ze);
  if (!src) return out;
  zip_source_keep(src);
  zip_t* za = zip_open_from_source(src, ZIP_TRUNCATE, &ze);
  if (!za) {
    zip_source_free(src);
    zip_source_free(src);
    return out;
  }
  bool ok = true;
  for (std::size_t k = 0; ok && k < contents.size(); ++k) {
    zip_source_t* s = zip_source_buffer(za, contents[k].data(), contents[k].size(), 0);
    const zip_int64_t idx = s ? zip_file_add(za, data_->order[k].c_str(), s, ZIP_FL_ENC_UTF_8) : -1;
    if (idx < 0) {
      if (s) zip_source_free(s);
      ok = false;
      break;
    }
    // A fixed time stamp: the same workbook gives the same bytes.
    zip_file_set_dostime(za, idx, 0, (1 << 5) | 1 | ((2020 - 1980) << 9), 0);
  }
  if (!ok || zip_close(za) != 0) {
    if (ok) zip_discard(za);
    zip_source_free(src);
    return out;
  }
  if (zip_source_open(src) == 0) {
    zip_source_seek(src, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(src);
    zip_source_seek(src, 0, SEEK_SET);
    if (size > 0) {
      out.resize(static_cast<std::size_t>(size));
      if (zip_source_read(src, out.data(), size) != size) out.clear();
    }
    zip_source_close(src);
  }
  zip_source_free(src);
  return out;
}

std::string Workbook::SaveAs(const std::string& path) const {
  const std::vector<std::uint8_t> bytes = ToBytes();
  if (bytes.empty()) return path + ": the workbook could not be packed";
  const std::string error = WriteFileReplacing(path, bytes);
  return error.empty() ? std::string() : path + ": " + error;
}

}  // namespace orvanta::xlsx
