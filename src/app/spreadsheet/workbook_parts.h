// Internals of the workbook shared by its files: the XML and package
// helpers and the data behind Workbook and Worksheet. Not for other code.
#pragma once

#include <zip.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <pugixml.hpp>

#include "app/spreadsheet/cell_refs.h"
#include "app/spreadsheet/workbook.h"

namespace orvanta::xlsx {

namespace detail {

constexpr const char* kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kPkgRelNs = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* kDrawingRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing";
constexpr const char* kImageRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";
constexpr const char* kStylesRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
constexpr std::size_t kMaxEntries = 10000;
constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;
constexpr std::int64_t kEmuPerPoint = 12700;

inline std::string_view Local(const char* name) {
  std::string_view n(name);
  const auto colon = n.find(':');
  return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

inline std::string Prefix(const pugi::xml_node& n) {
  std::string_view name(n.name());
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? std::string() : std::string(name.substr(0, colon + 1));
}

inline pugi::xml_node Child(const pugi::xml_node& parent, std::string_view local) {
  for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
    if (c.type() == pugi::node_element && Local(c.name()) == local) return c;
  }
  return {};
}

inline std::vector<pugi::xml_node> Children(const pugi::xml_node& parent, std::string_view local) {
  std::vector<pugi::xml_node> out;
  for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
    if (c.type() == pugi::node_element && Local(c.name()) == local) out.push_back(c);
  }
  return out;
}

// A child named like its parent's prefix (x:row under x:sheetData).
inline pugi::xml_node NewChild(pugi::xml_node parent, std::string_view local) {
  return parent.append_child((Prefix(parent) + std::string(local)).c_str());
}

// The relationship id attribute, whatever prefix the file gives it.
inline pugi::xml_attribute RelIdAttribute(const pugi::xml_node& n) {
  for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
    if (Local(a.name()) == "id" && std::string_view(a.name()).find(':') != std::string_view::npos) return a;
    if (Local(a.name()) == "embed") return a;
  }
  return {};
}

inline std::string NumberToText(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

inline std::optional<double> TextToNumber(std::string_view s) {
  double v = 0;
  auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

inline int IntAttr(const pugi::xml_node& n, const char* name, int fallback = 0) {
  const pugi::xml_attribute a = n.attribute(name);
  if (!a) return fallback;
  long long v = 0;
  std::string_view s(a.value());
  auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || v < -2147483647LL || v > 2147483647LL) return fallback;
  return static_cast<int>(v);
}

inline void SetNodeText(pugi::xml_node n, const std::string& text) {
  while (n.first_child()) n.remove_child(n.first_child());
  n.append_child(pugi::node_pcdata).set_value(text.c_str());
}

inline std::string DirectoryOf(const std::string& part) {
  const auto slash = part.rfind('/');
  return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

inline std::string RelsPartOf(const std::string& part) {
  const auto slash = part.rfind('/');
  if (slash == std::string::npos) return "_rels/" + part + ".rels";
  return part.substr(0, slash + 1) + "_rels/" + part.substr(slash + 1) + ".rels";
}

// A relationship target relative to `base_dir` as a part name.
inline std::string ResolveTarget(const std::string& base_dir, const std::string& target) {
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
inline std::string RelativeTarget(const std::string& from_dir, const std::string& part) {
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

// Row numbers and columns of <row> and <c> elements; inline text of a cell.
int RowOf(const pugi::xml_node& row);
int ColumnOfCell(const pugi::xml_node& c);
void SetRowNumber(pugi::xml_node row, int r);
std::string InlineText(const pugi::xml_node& n);

}  // namespace detail

using namespace detail;

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

}  // namespace orvanta::xlsx
