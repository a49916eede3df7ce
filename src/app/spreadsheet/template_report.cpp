#include "app/spreadsheet/template_report.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "project/safe_file.h"

namespace orvanta {

std::optional<double> NumberInText(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  // Sign, digits with at most one decimal separator (either kind), an
  // optional exponent: the forms the program and a user type.
  std::string plain;
  std::size_t i = 0;
  if (text[i] == '-' || text[i] == '+') {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  bool digits = false, separator = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
      plain += c;
    } else if ((c == '.' || c == ',') && !separator) {
      separator = true;
      plain += '.';
    } else {
      break;
    }
  }
  if (!digits) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) plain += text[i++];
    bool exponent = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
      exponent = true;
      plain += text[i];
    }
    if (!exponent) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  double v = 0;
  const auto r = std::from_chars(plain.data(), plain.data() + plain.size(), v);
  if (r.ec != std::errc() || r.ptr != plain.data() + plain.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::variant<std::string, double, xlsx::DateTime> CellValueOfText(const std::string& text) {
  if (const auto v = NumberInText(text)) return *v;
  return text;
}

std::string FillTemplateReport(xlsx::Workbook& workbook, const TemplateReport& report) {
  if (workbook.SheetCount() < 1) return "the template has no worksheet";
  xlsx::Worksheet& sheet = workbook.Sheet(1);
  if (report.picture) {
    const SheetPicture& p = *report.picture;
    const std::string error = sheet.AddPicture(p.row, p.column, p.png, p.pixel_width, p.pixel_height, p.width_points);
    if (!error.empty()) return error;
  }
  for (const xlsx::CellAddress& at : report.bordered)
    if (!sheet.SetBorders(at.row, at.column, xlsx::BorderStyle::Thin))
      return "cell " + xlsx::CellName(at.row, at.column) + " is outside the sheet";
  for (const SheetCell& cell : report.cells) {
    bool ok = true;
    if (const auto* text = std::get_if<std::string>(&cell.value)) {
      // An empty text leaves the cell empty (its style and border stay).
      if (!text->empty()) ok = sheet.SetText(cell.row, cell.column, *text);
    } else if (const auto* number = std::get_if<double>(&cell.value)) {
      ok = sheet.SetNumber(cell.row, cell.column, *number);
    } else {
      ok = sheet.SetDate(cell.row, cell.column, std::get<xlsx::DateTime>(cell.value));
    }
    if (!ok) return "cell " + xlsx::CellName(cell.row, cell.column) + " could not be written";
  }
  return {};
}

TemplateReportResult WriteTemplateReport(const std::string& template_path, const std::string& report_path,
                                         const TemplateReport& report) {
  std::string error;
  auto workbook = xlsx::Workbook::Open(template_path, error);
  if (!workbook) {
    const bool missing = !ReadFileBytes(template_path, 0).exists;
    return {missing ? TemplateReportResult::kTemplateMissing : TemplateReportResult::kTemplateDamaged, error};
  }
  error = FillTemplateReport(*workbook, report);
  if (!error.empty()) return {TemplateReportResult::kTemplateDamaged, template_path + ": " + error};
  error = workbook->SaveAs(report_path);
  if (!error.empty()) return {TemplateReportResult::kNotWritten, error};
  return {};
}

std::string ReportFileStamp(const xlsx::DateTime& t) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d %02d-%02d-%02d", t.day, t.month, t.year, t.hour, t.minute,
                t.second);
  return buf;
}

}  // namespace orvanta
