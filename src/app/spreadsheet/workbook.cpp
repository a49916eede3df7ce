#include "app/spreadsheet/workbook.h"

#include <zip.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <pugixml.hpp>

#include "app/spreadsheet/cell_refs.h"
#include "project/safe_file.h"

namespace orvanta::xlsx {

namespace {

constexpr const char* kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kPkgRelNs = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* kDrawingRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing";
constexpr const char* kImageRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";
constexpr const char* kStylesRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
constexpr std::size_t kMaxEntries = 10000;
constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;
constexpr std::int64_t kEmuPerPoint = 12700;

std::string_view Local(const char* name) {
  std::string_view n(name);
  const auto colon = n.find(':');
  return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

std::string Prefix(const pugi::xml_node& n) {
  std::string_view name(n.name());
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? std::string() : std::string(name.substr(0, colon + 1));
}

pugi::xml_node Child(const pugi::xml_node& parent, std::string_view local) {
  for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
    if (c.type() == pugi::node_element && Local(c.name()) == local) return c;
  }
  return {};
}

std::vector<pugi::xml_node> Children(const pugi::xml_node& parent, std::string_view local) {
  std::vector<pugi::xml_node> out;
  for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
    if (c.type() == pugi::node_element && Local(c.name()) == local) out.push_back(c);
  }
  return out;
}

// A child named like its parent's prefix (x:row under x:sheetData).
pugi::xml_node NewChild(pugi::xml_node parent, std::string_view local) {
  return parent.append_child((Prefix(parent) + std::string(local)).c_str());
}

// The relationship id attribute, whatever prefix the file gives it.
pugi::xml_attribute RelIdAttribute(const pugi::xml_node& n) {
  for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
    if (Local(a.name()) == "id" && std::string_view(a.name()).find(':') != std::string_view::npos) return a;
    if (Local(a.name()) == "embed") return a;
  }
  return {};
}

std::string NumberToText(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

std::optional<double> TextToNumber(std::string_view s) {
  double v = 0;
  auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

int IntAttr(const pugi::xml_node& n, const char* name, int fallback = 0) {
  const pugi::xml_attribute a = n.attribute(name);
  if (!a) return fallback;
  long long v = 0;
  std::string_view s(a.value());
  auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || v < -2147483647LL || v > 2147483647LL) return fallback;
  return static_cast<int>(v);
}

void SetNodeText(pugi::xml_node n, const std::string& text) {
  while (n.first_child()) n.remove_child(n.first_child());
  n.append_child(pugi::node_pcdata).set_value(text.c_str());
}

std::string DirectoryOf(const std::string& part) {
  const auto slash = part.rfind('/');
  return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

std::string RelsPartOf(const std::string& part) {
  const auto slash = part.rfind('/');
  if (slash == std::string::npos) return "_rels/" + part + ".rels";
  return part.substr(0, slash + 1) + "_rels/" + part.substr(slash + 1) + ".rels";
}

// A relationship target relative to `base_dir` as a part name.
std::string ResolveTarget(const std::string& base_dir, const std::string& target) {
  std::string path = !target.empty() && target[0] == '/' ? target.substr(1) : base_dir + target;
  std::vector<std::string> segments;
  std::size_t i = 0;
  while (i <= path.size()) {
    const auto j = std::min(path.find('/', i), path.size());
    const std::string seg = path.substr(i, j - i);
    if (seg == "..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!seg.empty() && seg != ".") {
      segments.push_back(seg);
    }
    i = j + 1;
  }
  std::string out;
  for (const auto& s : segments) out += (out.empty() ? "" : "/") + s;
  return out;
}

// A target for a part from a part in `from_dir` ("xl/worksheets/" to
// "xl/drawings/drawing1.xml" gives "../drawings/drawing1.xml").
std::string RelativeTarget(const std::string& from_dir, const std::string& part) {
  std::size_t common = 0;
  for (std::size_t k = 0; k < from_dir.size() && k < part.size() && from_dir[k] == part[k]; ++k) {
    if (from_dir[k] == '/') common = k + 1;
  }
  std::string out;
  for (std::size_t k = common; k < from_dir.size(); ++k) {
    if (from_dir[k] == '/') out += "../";
  }
  return out + part.substr(common);
}

struct StringWriter : pugi::xml_writer {
  std::string out;
  void write(const void* data, std::size_t size) override { out.append(static_cast<const char*>(data), size); }
};

}  // namespace

// ---------------------------------------------------------------------------

struct SheetInfo {
  std::string name;
  std::string part;
};

struct WorkbookData {
  std::vector<std::string> order;                      // part names in file order
  std::map<std::string, std::vector<std::uint8_t>> raw;  // parts not parsed
  std::map<std::string, std::unique_ptr<pugi::xml_document>> docs;  // parsed parts (written back on save)
  std::string workbook_part;
  std::vector<SheetInfo> sheets;
  std::vector<std::unique_ptr<Worksheet>> handles;
  std::vector<std::string> shared_strings;
  std::string styles_part;
  std::map<std::pair<int, std::string>, int> derived_styles;

  bool Has(const std::string& part) const { return raw.count(part) || docs.count(part); }

  // The parsed part, nullptr when it is missing or not well-formed XML.
  pugi::xml_document* Doc(const std::string& part) {
    if (auto it = docs.find(part); it != docs.end()) return it->second.get();
    auto it = raw.find(part);
    if (it == raw.end()) return nullptr;
    auto doc = std::make_unique<pugi::xml_document>();
    if (!doc->load_buffer(it->second.data(), it->second.size(), kParseFlags, pugi::encoding_auto)) return nullptr;
    raw.erase(it);
    return (docs[part] = std::move(doc)).get();
  }
  pugi::xml_document* NewDoc(const std::string& part, const char* root, const char* ns) {
    auto doc = std::make_unique<pugi::xml_document>();
    auto decl = doc->append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    decl.append_attribute("standalone") = "yes";
    doc->append_child(root).append_attribute("xmlns") = ns;
    if (std::find(order.begin(), order.end(), part) == order.end()) order.push_back(part);
    raw.erase(part);
    return (docs[part] = std::move(doc)).get();
  }
  const pugi::xml_document* Doc(const std::string& part) const { return const_cast<WorkbookData*>(this)->Doc(part); }

  // Relationships of a part: (id, type, target part).
  struct Rel {
    std::string id, type, target;
  };
  std::vector<Rel> RelsOf(const std::string& part) {
    std::vector<Rel> out;
    pugi::xml_document* doc = Doc(RelsPartOf(part));
    if (!doc) return out;
    for (pugi::xml_node r : Children(doc->document_element(), "Relationship")) {
      const std::string mode = r.attribute("TargetMode").value();
      if (mode == "External") continue;
      out.push_back({r.attribute("Id").value(), r.attribute("Type").value(),
                     ResolveTarget(DirectoryOf(part), r.attribute("Target").value())});
    }
    return out;
  }
  std::string AddRel(const std::string& part, const std::string& type, const std::string& target_part) {
    const std::string rels_part = RelsPartOf(part);
    pugi::xml_document* doc = Doc(rels_part);
    if (!doc) doc = NewDoc(rels_part, "Relationships", kPkgRelNs);
    pugi::xml_node root = doc->document_element();
    int n = 1;
    std::string id;
    do {
      id = "rId" + std::to_string(n++);
    } while (root.find_child_by_attribute("Id", id.c_str()));
    pugi::xml_node r = NewChild(root, "Relationship");
    r.append_attribute("Id") = id.c_str();
    r.append_attribute("Type") = type.c_str();
    r.append_attribute("Target") = RelativeTarget(DirectoryOf(part), target_part).c_str();
    return id;
  }
  void AddContentType(const std::string& part, const char* type) {
    pugi::xml_node root = Doc("[Content_Types].xml")->document_element();
    const std::string name = "/" + part;
    if (root.find_child_by_attribute("PartName", name.c_str())) return;
    pugi::xml_node o = NewChild(root, "Override");
    o.append_attribute("PartName") = name.c_str();
    o.append_attribute("ContentType") = type;
  }
  void AddDefaultType(const char* ext, const char* type) {
    pugi::xml_node root = Doc("[Content_Types].xml")->document_element();
    for (pugi::xml_node d : Children(root, "Default")) {
      std::string e = d.attribute("Extension").value();
      std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return std::tolower(c); });
      if (e == ext) return;
    }
    pugi::xml_node d = root.prepend_child((Prefix(root) + "Default").c_str());
    d.append_attribute("Extension") = ext;
    d.append_attribute("ContentType") = type;
  }
  std::string FreePartName(const std::string& stem, const std::string& ext) {
    for (int n = 1;; ++n) {
      const std::string name = stem + std::to_string(n) + ext;
      if (!Has(name)) return name;
    }
  }

  pugi::xml_node SheetRoot(int index) { return Doc(sheets[index].part)->document_element(); }
  pugi::xml_node SheetData(int index) { return Child(SheetRoot(index), "sheetData"); }

  // The drawing part of a sheet, "" when it has none.
  std::string DrawingOf(int index) {
    pugi::xml_node d = Child(SheetRoot(index), "drawing");
    if (!d) return {};
    const std::string id = RelIdAttribute(d).value();
    for (const Rel& r : RelsOf(sheets[index].part)) {
      if (r.id == id && Doc(r.target)) return r.target;
    }
    return {};
  }

  pugi::xml_node StylesRoot();
  int DeriveStyle(int base, const std::string& key, const std::function<void(pugi::xml_node xf)>& change);
  int NumberFormatId(const std::string& code);
  int BorderId(BorderStyle style);

  void ApplyRowEdit(int index, const RowEdit& edit);
  void UpdateDimension(int index);
};

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

std::string InlineText(const pugi::xml_node& n) {
  std::string s;
  if (pugi::xml_node t = Child(n, "t")) s += t.text().get();
  for (pugi::xml_node r : Children(n, "r")) {
    if (pugi::xml_node t = Child(r, "t")) s += t.text().get();
  }
  return s;
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
