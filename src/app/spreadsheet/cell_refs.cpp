#include "app/spreadsheet/cell_refs.h"

#include <cctype>
#include <functional>

namespace orvanta::xlsx {
namespace {

// One end of a reference: a cell (B3), a whole column (B) or a whole row (3).
struct Part {
  bool has_row = false, has_column = false;
  bool row_abs = false, column_abs = false;
  int row = 0, column = 0;
};

struct Area {
  Part a;
  std::optional<Part> b;
};

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$' || c == '\\' ||
         static_cast<unsigned char>(c) >= 0x80;
}

// Parses one part at s[pos]; on success pos moves past it.
std::optional<Part> ParsePart(std::string_view s, std::size_t& pos) {
  std::size_t i = pos;
  Part p;
  if (i < s.size() && s[i] == '$') {
    p.column_abs = true;
    ++i;
  }
  std::size_t letters = 0;
  int column = 0;
  while (i < s.size() && IsUpper(s[i]) && letters < 4) {
    column = column * 26 + (s[i] - 'A' + 1);
    ++i;
    ++letters;
  }
  if (letters > 3 || column > kMaxColumn) return std::nullopt;
  if (letters > 0) {
    p.has_column = true;
    p.column = column;
  } else if (p.column_abs) {
    // "$3": an absolute row
    p.column_abs = false;
    p.row_abs = true;
  }
  if (letters > 0 && i < s.size() && s[i] == '$') {
    p.row_abs = true;
    ++i;
  }
  std::size_t digits = 0;
  long long row = 0;
  while (i < s.size() && IsDigit(s[i]) && digits < 8) {
    row = row * 10 + (s[i] - '0');
    ++i;
    ++digits;
  }
  if (digits > 0) {
    if (row < 1 || row > kMaxRow || (i < s.size() && IsDigit(s[i]))) return std::nullopt;
    p.has_row = true;
    p.row = static_cast<int>(row);
  } else if (p.row_abs && letters > 0) {
    return std::nullopt;  // "B$" alone
  }
  if (!p.has_row && !p.has_column) return std::nullopt;
  pos = i;
  return p;
}

// An area at s[pos] that ends where a reference may end (not inside a longer
// name, not a function call).
std::optional<Area> ParseArea(std::string_view s, std::size_t& pos) {
  std::size_t i = pos;
  auto first = ParsePart(s, i);
  if (!first) return std::nullopt;
  Area area{*first, std::nullopt};
  if (i < s.size() && s[i] == ':') {
    std::size_t j = i + 1;
    auto second = ParsePart(s, j);
    if (second && second->has_row == first->has_row && second->has_column == first->has_column) {
      area.b = second;
      i = j;
    }
  }
  const bool cell = area.a.has_row && area.a.has_column;
  if (!cell && !area.b) return std::nullopt;  // a lone column or row is a name or a number
  if (i < s.size() && (IsNameChar(s[i]) || s[i] == '(' || s[i] == '!')) return std::nullopt;
  pos = i;
  return area;
}

std::string PartText(const Part& p) {
  std::string out;
  if (p.has_column) {
    if (p.column_abs) out += '$';
    out += ColumnName(p.column);
  }
  if (p.has_row) {
    if (p.row_abs) out += '$';
    out += std::to_string(p.row);
  }
  return out;
}

std::string AreaText(const Area& a) { return a.b ? PartText(a.a) + ":" + PartText(*a.b) : PartText(a.a); }

std::optional<Area> ApplyRowEdit(Area area, const RowEdit& edit) {
  if (!area.a.has_row) return area;  // whole columns do not move
  int r1 = area.a.row, r2 = area.b ? area.b->row : area.a.row;
  const bool swapped = r2 < r1;
  if (swapped) std::swap(r1, r2);
  if (edit.kind == RowEdit::kInsert) {
    if (r1 >= edit.row) r1 += edit.count;
    if (r2 >= edit.row) r2 += edit.count;
    if (r2 > kMaxRow) return std::nullopt;
  } else {
    const int d1 = edit.row, d2 = edit.row + edit.count - 1;
    if (r1 > d2) {
      r1 -= edit.count;
      r2 -= edit.count;
    } else if (r2 >= d1) {
      if (!area.b) return std::nullopt;
      const int n1 = r1 < d1 ? r1 : d1;
      const int n2 = r2 > d2 ? r2 - edit.count : d1 - 1;
      if (n2 < n1) return std::nullopt;
      r1 = n1;
      r2 = n2;
    }
  }
  if (swapped) std::swap(r1, r2);
  area.a.row = r1;
  if (area.b) area.b->row = r2;
  return area;
}

bool MovePart(Part& p, int rows, int columns) {
  if (p.has_row && !p.row_abs) {
    p.row += rows;
    if (p.row < 1 || p.row > kMaxRow) return false;
  }
  if (p.has_column && !p.column_abs) {
    p.column += columns;
    if (p.column < 1 || p.column > kMaxColumn) return false;
  }
  return true;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (std::tolower(static_cast<unsigned char>(a[k])) != std::tolower(static_cast<unsigned char>(b[k]))) return false;
  }
  return true;
}

// Walks the formula and lets `change` rewrite each reference; `qualifier` is
// the sheet name before '!' (unquoted), or empty.
using AreaChange = std::function<std::optional<Area>(const Area&, std::string_view qualifier, bool qualified)>;

std::string RewriteFormula(std::string_view f, const AreaChange& change) {
  std::string out;
  out.reserve(f.size() + 8);
  std::size_t i = 0;
  auto emit_ref = [&](std::size_t ref_pos, std::string_view qualifier_text, std::string_view qualifier,
                      bool qualified) -> bool {
    std::size_t pos = ref_pos;
    auto area = ParseArea(f, pos);
    if (!area) return false;
    auto changed = change(*area, qualifier, qualified);
    out += qualifier_text;
    out += changed ? AreaText(*changed) : std::string("#REF!");
    i = pos;
    return true;
  };
  while (i < f.size()) {
    const char c = f[i];
    if (c == '"') {
      std::size_t j = i + 1;
      while (j < f.size()) {
        if (f[j] == '"') {
          if (j + 1 < f.size() && f[j + 1] == '"') {
            j += 2;
            continue;
          }
          break;
        }
        ++j;
      }
      j = j < f.size() ? j + 1 : j;
      out.append(f.substr(i, j - i));
      i = j;
    } else if (c == '\'') {
      std::size_t j = i + 1;
      std::string name;
      while (j < f.size()) {
        if (f[j] == '\'') {
          if (j + 1 < f.size() && f[j + 1] == '\'') {
            name += '\'';
            j += 2;
            continue;
          }
          break;
        }
        name += f[j++];
      }
      if (j + 1 < f.size() && f[j + 1] == '!') {
        const std::size_t start = i;
        if (emit_ref(j + 2, f.substr(start, j + 2 - start), name, true)) continue;
      }
      j = j < f.size() ? j + 1 : j;
      out.append(f.substr(i, j - i));
      i = j;
    } else if (c == '[') {
      int depth = 0;
      std::size_t j = i;
      while (j < f.size()) {
        if (f[j] == '[') ++depth;
        if (f[j] == ']' && --depth == 0) break;
        ++j;
      }
      j = j < f.size() ? j + 1 : j;
      out.append(f.substr(i, j - i));
      i = j;
    } else if (IsNameChar(c)) {
      std::size_t j = i;
      while (j < f.size() && IsNameChar(f[j])) ++j;
      if (j < f.size() && f[j] == '!') {
        if (emit_ref(j + 1, f.substr(i, j + 1 - i), f.substr(i, j - i), true)) continue;
        out.append(f.substr(i, j + 1 - i));
        i = j + 1;
        continue;
      }
      if (emit_ref(i, {}, {}, false)) continue;
      out.append(f.substr(i, j - i));
      i = j;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

}  // namespace

std::string ColumnName(int column) {
  std::string s;
  while (column > 0) {
    const int r = (column - 1) % 26;
    s.insert(s.begin(), static_cast<char>('A' + r));
    column = (column - 1) / 26;
  }
  return s;
}

std::string CellName(int row, int column) { return ColumnName(column) + std::to_string(row); }

std::optional<CellAddress> ParseCellAddress(std::string_view text) {
  std::size_t pos = 0;
  auto p = ParsePart(text, pos);
  if (!p || pos != text.size() || !p->has_row || !p->has_column) return std::nullopt;
  return CellAddress{p->row, p->column};
}

std::string AdjustFormula(std::string_view formula, const RowEdit& edit, std::string_view sheet_name,
                          bool formula_on_sheet) {
  return RewriteFormula(formula, [&](const Area& a, std::string_view qualifier, bool qualified) -> std::optional<Area> {
    const bool target = qualified ? SameName(qualifier, sheet_name) : formula_on_sheet;
    if (!target) return a;
    return ApplyRowEdit(a, edit);
  });
}

std::string TranslateFormula(std::string_view formula, int rows, int columns) {
  return RewriteFormula(formula, [&](Area a, std::string_view, bool) -> std::optional<Area> {
    if (!MovePart(a.a, rows, columns)) return std::nullopt;
    if (a.b && !MovePart(*a.b, rows, columns)) return std::nullopt;
    return a;
  });
}

std::string AdjustRangeList(std::string_view list, const RowEdit& edit) {
  std::string out;
  std::size_t i = 0;
  while (i < list.size()) {
    while (i < list.size() && list[i] == ' ') ++i;
    std::size_t j = i;
    while (j < list.size() && list[j] != ' ') ++j;
    if (j == i) break;
    const std::string_view item = list.substr(i, j - i);
    std::size_t pos = 0;
    auto area = ParseArea(item, pos);
    std::string text;
    if (area && pos == item.size()) {
      if (auto changed = ApplyRowEdit(*area, edit)) text = AreaText(*changed);
    } else {
      text = std::string(item);
    }
    if (!text.empty()) {
      if (!out.empty()) out += ' ';
      out += text;
    }
    i = j;
  }
  return out;
}

}  // namespace orvanta::xlsx
