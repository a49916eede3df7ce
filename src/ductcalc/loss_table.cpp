#include "ductcalc/loss_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

namespace orvanta {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::optional<double> Number(std::string_view s) {
  s = Trim(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  double v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

// The value at one table line, interpolated in the column axis (j found by
// the caller); the last column is taken exactly.
double AlongColumns(const LossTable& t, int line, int j, double c) {
  if (j >= t.n) return t.cell[line][t.n];
  const double h0 = t.Column(j), h1 = t.Column(j + 1);
  return t.cell[line][j] + (c - h0) / (h1 - h0) * (t.cell[line][j + 1] - t.cell[line][j]);
}

constexpr int kOffsetRows = 13, kOffsetCols = 11;
constexpr double kOffsetRatio[kOffsetRows] = {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.1};
constexpr double kOffsetDia[kOffsetCols] = {0, 100, 125, 160, 200, 250, 315, 400, 500, 630, 800};
constexpr double kOffsetZeta[kOffsetRows][kOffsetCols] = {
    {0.21, 0.21, 0.20, 0.18, 0.18, 0.17, 0.17, 0.18, 0.17, 0.17, 0.17},
    {0.21, 0.21, 0.20, 0.18, 0.18, 0.17, 0.17, 0.18, 0.17, 0.17, 0.17},
    {0.21, 0.21, 0.20, 0.19, 0.18, 0.17, 0.17, 0.18, 0.17, 0.17, 0.17},
    {0.21, 0.21, 0.20, 0.19, 0.18, 0.17, 0.18, 0.18, 0.17, 0.18, 0.18},
    {0.28, 0.28, 0.26, 0.26, 0.26, 0.26, 0.28, 0.26, 0.26, 0.28, 0.28},
    {0.38, 0.38, 0.35, 0.35, 0.35, 0.36, 0.40, 0.35, 0.36, 0.40, 0.40},
    {0.49, 0.49, 0.44, 0.44, 0.45, 0.47, 0.52, 0.45, 0.47, 0.52, 0.52},
    {0.60, 0.60, 0.53, 0.53, 0.54, 0.59, 0.68, 0.54, 0.59, 0.68, 0.68},
    {0.68, 0.68, 0.63, 0.64, 0.67, 0.74, 0.74, 0.67, 0.74, 0.84, 0.84},
    {0.80, 0.80, 0.77, 0.76, 0.80, 0.85, 0.84, 0.80, 0.87, 1.05, 1.05},
    {0.91, 0.91, 0.92, 0.87, 0.91, 0.94, 0.98, 0.92, 1.05, 1.16, 1.16},
    {1.00, 1.00, 1.06, 0.95, 0.94, 0.98, 1.07, 1.08, 1.16, 1.25, 1.25},
    {1.00, 1.00, 1.06, 0.95, 0.94, 0.98, 1.07, 1.08, 1.16, 1.25, 1.25},
};

}  // namespace

LossTableParse ParseLossTable(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t nl = text.find('\n', pos);
    if (nl == std::string_view::npos) nl = text.size();
    lines.push_back(text.substr(pos, nl - pos));
    pos = nl + 1;
  }
  while (!lines.empty() && Trim(lines.back()).empty()) lines.pop_back();
  LossTableParse out;
  auto fail = [&](std::string why) {
    out.error = std::move(why);
    return out;
  };
  if (lines.size() < 2) return fail("it needs a line of column values and at least one row");
  if (lines.size() > static_cast<size_t>(kLossTableMax))
    return fail("it has more than 16 lines");
  LossTable t;
  int width = -1;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    const size_t last = line.rfind(',');
    if (last == std::string_view::npos)
      return fail("line " + std::to_string(i + 1) + " holds no value followed by a comma");
    line = line.substr(0, last + 1);
    int count = 0;
    size_t p = 0;
    while (p < line.size()) {
      const size_t comma = line.find(',', p);
      if (count >= kLossTableMax)
        return fail("line " + std::to_string(i + 1) + " has more than 16 values");
      const std::string_view token = line.substr(p, comma - p);
      if (i == 0 && count == 0) {
        t.cell[0][0] = Number(token).value_or(0);  // ignored position
      } else {
        const auto v = Number(token);
        if (!v)
          return fail("value " + std::to_string(count + 1) + " of line " + std::to_string(i + 1) +
                      " is not a number");
        t.cell[i][count] = *v;
      }
      ++count;
      p = comma + 1;
    }
    if (width < 0) width = count;
    if (count != width) return fail("its lines have different numbers of values");
  }
  if (width < 2) return fail("it needs at least one column of values");
  t.n = width - 1;
  t.m = static_cast<int>(lines.size()) - 1;
  for (int j = 1; j < t.n; ++j)
    if (!(t.Column(j + 1) > t.Column(j))) return fail("the column values of line 1 do not ascend");
  for (int i = 1; i < t.m; ++i)
    if (!(t.Row(i + 1) > t.Row(i))) return fail("the row values (first value of each line) do not ascend");
  out.table = t;
  return out;
}

double LossTableLookup(const LossTable& t, double r, double c) {
  if (std::isnan(r) || std::isnan(c) || t.n < 1 || t.m < 1) return std::nan("");
  c = std::clamp(c, t.Column(1), t.Column(t.n));
  r = std::clamp(r, t.Row(1), t.Row(t.m));
  int j = 1;
  while (j + 1 <= t.n && c >= t.Column(j + 1)) ++j;
  int i = 1;
  while (i + 1 <= t.m && r >= t.Row(i + 1)) ++i;
  const double v0 = AlongColumns(t, i, j, c);
  if (i >= t.m) return v0;
  const double v1 = AlongColumns(t, i + 1, j, c);
  return v0 + (r - t.Row(i)) / (t.Row(i + 1) - t.Row(i)) * (v1 - v0);
}

double OffsetLossLookup(double ratio, double d_mm) {
  if (std::isnan(ratio) || std::isnan(d_mm)) return std::nan("");
  const double v = std::clamp(ratio, kOffsetRatio[0], kOffsetRatio[kOffsetRows - 1]);
  const double d = std::clamp(d_mm, kOffsetDia[0], kOffsetDia[kOffsetCols - 1]);
  int b = 0;
  while (b + 1 < kOffsetRows && kOffsetRatio[b + 1] <= v) ++b;
  int c = 0;
  while (c + 1 < kOffsetCols && kOffsetDia[c + 1] <= d) ++c;
  auto along_rows = [&](int col) {
    if (b + 1 >= kOffsetRows) return kOffsetZeta[b][col];
    return kOffsetZeta[b][col] +
           (v - kOffsetRatio[b]) / (kOffsetRatio[b + 1] - kOffsetRatio[b]) * (kOffsetZeta[b + 1][col] - kOffsetZeta[b][col]);
  };
  const double t = along_rows(c);
  if (c + 1 >= kOffsetCols) return t;
  const double u = along_rows(c + 1);
  return t + (d - kOffsetDia[c]) / (kOffsetDia[c + 1] - kOffsetDia[c]) * (u - t);
}

const LossTable* LossTableStore::Get(const std::string& file_name, DuctRefusal* refusal) {
  if (auto it = tables_.find(file_name); it != tables_.end()) return &it->second;
  auto refuse = [&](const std::string& why) -> const LossTable* {
    if (refusal) *refusal = DuctRefusal{0, "The loss table \"" + file_name + "\" cannot be used: " + why + "."};
    return nullptr;
  };
  if (file_name.find('/') != std::string::npos || file_name.find('\\') != std::string::npos)
    return refuse("not a file name");
  const auto path = folder_ / file_name;
  std::ifstream f(path, std::ios::binary);
  if (!f) return refuse("the file is missing or cannot be read");
  std::ostringstream buffer;
  buffer << f.rdbuf();
  if (f.bad()) return refuse("the file cannot be read");
  ++files_read_;
  const std::string text = buffer.str();
  if (text.size() > 64 * 1024) return refuse("the file is far too large for a table");
  LossTableParse parsed = ParseLossTable(text);
  if (!parsed.table) return refuse(parsed.error);
  return &tables_.emplace(file_name, *parsed.table).first->second;
}

}  // namespace orvanta
