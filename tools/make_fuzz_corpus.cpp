// Writes the seed inputs of the fuzz targets (fuzz/corpus/<target>/) with
// the program's own writers: a project in both layouts, a points library,
// a language file, a settings store and a pressure-loss calculation. Run from the repository root:
//   build/tools/orvanta_make_fuzz_corpus fuzz/corpus
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/settings_store.h"
#include "ductcalc/fitting_record.h"
#include "ductcalc/moh_file.h"
#include "project/chart_project.h"
#include "project/points_library.h"
#include "project/project_file.h"
#include "psychro/state.h"

using namespace orvanta;
namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
}

std::string AsText(const std::vector<std::uint8_t>& v) { return {v.begin(), v.end()}; }

ChartPoint Point(const std::string& name, double pb, double t, double x_g_per_kg) {
  ChartPoint p;
  p.name = name;
  p.state = StateFromTX(pb, t, x_g_per_kg / 1000);
  return p;
}

ChartProject SmallProject() {
  constexpr double pb = 100000;
  ChartProject project;
  project.set_pb(pb);
  ChartPoint a = Point("Zewn", pb, 30, 11);
  a.description = "powietrze zewnętrzne";
  ChartPoint b = Point("Nawiew", pb, 16, 8);
  b.label_position = LabelPosition::Bottom;
  ChartPoint c = Point("Mid", pb, 22, 0);
  c.on_process = true;
  c.process_name = "Zewn-Nawiew";
  (void)project.AddPoint(a);
  (void)project.AddPoint(b);
  (void)project.AddPoint(c);
  (void)project.AddProcess({.name = "Zewn-Nawiew", .start_point = "Zewn", .end_point = "Nawiew",
                            .draw_line = true, .air_flow = 1500});
  (void)project.AddCoefficient({.name = "Zyski ciepła biuro", .epsilon = 9000, .point_name = "Nawiew",
                                .draw_line = true, .heat_gain = "5,5", .moisture_gain = "0.001"});
  project.SetAirFlowLink({.process_name = "Zewn-Nawiew", .coefficient_name = "Zyski ciepła biuro", .enabled = true});
  project.RefreshDependentPoints();
  return project;
}

// The older layout: 168-byte points, the tables moved up.
std::string OlderImage(const ChartProject& project) {
  const std::vector<std::uint8_t> current = ProjectImage(project);
  std::vector<std::uint8_t> older(kOlderProjectFileSize, 0);
  for (int k = 0; k < ChartProject::kPointSlots; ++k) {
    std::copy_n(current.begin() + k * kPointRecordSize, 164, older.begin() + k * kOlderPointRecordSize);
  }
  std::copy(current.begin() + kProcessTableOffset, current.begin() + kPressureOffset + 8,
            older.begin() + kOlderProcessTableOffset);
  return AsText(older);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  const fs::path root = argv[1];
  const ChartProject project = SmallProject();

  // The project target takes a layout byte first (bit 0: older, bit 1: refresh).
  const std::string current = AsText(ProjectImage(project));
  Write(root / "project_file" / "current.ovt", current);
  Write(root / "project_file" / "current-padded", std::string(1, '\x02') + current);
  Write(root / "project_file" / "older-padded", std::string(1, '\x03') + OlderImage(project));

  const std::string library = (root / "points_library" / "three-points.dbx").string();
  fs::remove(library);
  for (int k = 0; k < project.point_count(); ++k) (void)AppendLibraryPoint(library, project.point(k));

  // The first byte picks the code page (0: Polish, 1250).
  Write(root / "language_file" / "utf8", std::string(1, '\0') +
                                             "WYKRES\r\nPunkt\r\nZyski ciepła\r\n\r\nPrzemiana\n");
  Write(root / "language_file" / "cp1250", std::string(1, '\0') + "Zyski ciep\xB3" "a\r\r\nKoniec");

  MemoryStore store;
  WriteDefaultSettings(store);
  std::string settings;
  for (const auto& [name, value] : store.values()) settings += name + "=" + value + "\n";
  Write(root / "settings_store" / "defaults.conf", settings);

  // A calculation of two fittings as New leaves them, one named and sized.
  std::vector<FittingRecord> run{NewResetRecord(), NewResetRecord()};
  run[1].Text(FittingField::Lp) = "1";
  run[1].Text(FittingField::Kind) = "2";
  run[1].Text(FittingField::Diameter1) = "200";
  run[1].Text(FittingField::FlowMain) = "400,5";
  Write(root / "moh_file" / "two-fittings.moh", AsText(EncodeMohImage(run)));
  return 0;
}
