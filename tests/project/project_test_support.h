// Shared helpers of the project tests: a scratch folder and a project that
// sets every field the file keeps.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "project/chart_project.h"
#include "psychro/state.h"

namespace orvanta::testing_support {

class ScratchDir {
 public:
  ScratchDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("orvanta-project-test-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ec;
    // Restore write permission on anything a test made read-only.
    for (auto& e : std::filesystem::recursive_directory_iterator(path_, ec)) {
      std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                   ec);
    }
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (auto& e : std::filesystem::directory_iterator(path_)) names.push_back(e.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::vector<std::uint8_t> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline ChartPoint MakePoint(const std::string& name, double pb, double t, double x_g_per_kg) {
  ChartPoint p;
  p.name = name;
  p.state = StateFromTX(pb, t, x_g_per_kg / 1000);
  return p;
}

// Every field the file keeps holds something other than its default.
inline ChartProject FullProject() {
  constexpr double pb = 98500;
  ChartProject project;
  project.set_pb(pb);
  ChartPoint a = MakePoint("Zewn", pb, 32, 12);
  a.description = "powietrze zewnętrzne latem";
  a.label_position = LabelPosition::Top;
  ChartPoint b = MakePoint("Pokój", pb, 24, 9.5);
  b.description = "room air";
  b.label_position = LabelPosition::Left;
  ChartPoint c = MakePoint("Chl", pb, 13, 8.8);
  c.label_position = LabelPosition::Bottom;
  ChartPoint d = MakePoint("Mid", pb, 20, 0);
  d.on_process = true;
  d.process_name = "Zewn-Chl";
  ChartPoint e = MakePoint("Łóżko", pb, 18, 0);
  e.on_coefficient = true;
  e.coefficient_name = "Zyski ciepła pokoju";
  e.description = "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ";
  for (auto* p : {&a, &b, &c, &d, &e}) (void)project.AddPoint(*p);
  (void)project.AddProcess({.name = "Zewn-Chl", .start_point = "Zewn", .end_point = "Chl", .draw_line = true,
                            .air_flow = 1234.5});
  (void)project.AddProcess({.name = "Chl-Pokój", .start_point = "Chl", .end_point = "Pokój",
                            .draw_line = false, .air_flow = 2000});
  (void)project.AddCoefficient({.name = "Zyski ciepła pokoju", .epsilon = 8500.25, .point_name = "Pokój",
                                .draw_line = true, .heat_gain = "12,5", .moisture_gain = "0.00147"});
  (void)project.AddCoefficient({.name = "eps2", .epsilon = -1200, .point_name = "Zewn", .draw_line = false,
                                .heat_gain = "", .moisture_gain = ""});
  project.SetAirFlowLink({.process_name = "Chl-Pokój", .coefficient_name = "eps2", .enabled = true});
  project.set_modified(false);
  return project;
}

}  // namespace orvanta::testing_support
