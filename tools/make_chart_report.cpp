// Writes a chart report of a project file, for checking reports with other
// programs (tools/report_templates/check_chart_report.py reads it back).
//
//   orvanta_make_chart_report <project.ovt> <template.xlsx> <report.xlsx> <si|ip> <facts.json>
//
// facts.json lists what went in (SI values as the project holds them), so a
// reader can check the cells independently. The picture is a plain test
// image (a colour ramp) encoded as PNG here.

#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/spreadsheet/chart_report.h"
#include "project/project_file.h"

namespace orvanta {
namespace {

void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<std::uint8_t>(x >> s));
}

void Chunk(std::vector<std::uint8_t>& png, const char* type, const std::vector<std::uint8_t>& data) {
  Put32(png, static_cast<std::uint32_t>(data.size()));
  std::vector<std::uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  png.insert(png.end(), body.begin(), body.end());
  Put32(png, static_cast<std::uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

std::vector<std::uint8_t> RampPng(int w, int h) {
  std::vector<std::uint8_t> raw;
  for (int y = 0; y < h; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < w; ++x) {
      raw.push_back(static_cast<std::uint8_t>(255 * x / w));
      raw.push_back(static_cast<std::uint8_t>(255 * y / h));
      raw.push_back(200);
    }
  }
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> z(size);
  compress(z.data(), &size, raw.data(), static_cast<uLong>(raw.size()));
  z.resize(size);
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<std::uint8_t> ihdr;
  Put32(ihdr, static_cast<std::uint32_t>(w));
  Put32(ihdr, static_cast<std::uint32_t>(h));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8 bit RGB
  Chunk(png, "IHDR", ihdr);
  Chunk(png, "IDAT", z);
  Chunk(png, "IEND", {});
  return png;
}

std::string Json(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string Num(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

int Run(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: %s <project.ovt> <template.xlsx> <report.xlsx> <si|ip> <facts.json>\n", argv[0]);
    return 2;
  }
  ChartProject project;
  const ProjectFileResult read = ReadProjectFile(argv[1], project);
  if (!read.ok()) {
    std::fprintf(stderr, "%s\n", read.Message().c_str());
    return 1;
  }
  ReportPicture picture{RampPng(400, 300), 400, 300};
  ChartReportInput in;
  in.project = &project;
  in.units = std::string(argv[4]) == "ip" ? UnitSystem::IP : UnitSystem::SI;
  in.data = {"Example office block", "Example Investor", "Example Designer"};
  in.now = {2026, 12, 9, 12, 30, 0};
  in.picture = &picture;
  const ChartReportResult result = CreateChartReport(argv[2], argv[3], in);
  if (result.status != ChartReportResult::kOk) {
    std::fprintf(stderr, "%s\n", result.message.c_str());
    return 1;
  }
  std::ofstream facts(argv[5]);
  facts << "{\"units\": " << Json(argv[4]) << ", \"pb\": " << Num(project.pb()) << ", \"title\": "
        << Json(in.data.title) << ", \"file\": " << Json(project.file_name()) << ",\n \"points\": [";
  for (int k = 0; k < project.point_count(); ++k) {
    const ChartPoint& p = project.point(k);
    const AirState& s = p.state;
    facts << (k ? ",\n  " : "\n  ") << "{\"name\": " << Json(p.name) << ", \"t\": " << Num(s.t)
          << ", \"x\": " << Num(s.x) << ", \"phi\": " << Num(s.phi) << ", \"rho\": " << Num(s.rho)
          << ", \"i\": " << Num(s.i) << ", \"pp\": " << Num(s.pp) << ", \"td\": " << Num(s.td) << "}";
  }
  facts << "],\n \"processes\": [";
  for (int k = 0; k < project.process_count(); ++k) {
    const AirProcess& p = project.process(k);
    facts << (k ? ",\n  " : "\n  ") << "{\"name\": " << Json(p.name) << ", \"start\": " << Json(p.start_point)
          << ", \"end\": " << Json(p.end_point) << ", \"flow\": " << Num(p.air_flow) << "}";
  }
  facts << "]}\n";
  return facts ? 0 : 1;
}

}  // namespace
}  // namespace orvanta

int main(int argc, char** argv) { return orvanta::Run(argc, argv); }
