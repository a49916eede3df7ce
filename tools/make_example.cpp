// Writes the example project delivered in data/examples/example.ovt: summer
// air conditioning with mixing of outdoor and room air, cooling, reheating
// and supply to the room, the room's direction coefficient from its heat and
// moisture gains, and the mixed-air point tied to the mixing line.
//
//   orvanta_make_example <output.ovt>

#include <cstdio>
#include <string>

#include "project/chart_project.h"
#include "project/project_file.h"
#include "psychro/air.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

ChartPoint Point(const std::string& name, const std::string& description, const AirState& state,
                 LabelPosition label) {
  ChartPoint p;
  p.name = name;
  p.description = description;
  p.state = state;
  p.label_position = label;
  return p;
}

bool Check(const EditResult& r) {
  if (!r) std::fprintf(stderr, "orvanta_make_example: %s\n", r.Message().c_str());
  return r;
}

int Run(const std::string& path) {
  constexpr double pb = 101300;
  ChartProject project;
  project.set_pb(pb);

  const AirState outdoor = StateFromTPhi(pb, 32, 0.40);
  const AirState room = StateFromTPhi(pb, 24, 0.50);
  // 30 % outdoor air by mass: moisture and enthalpy mix linearly.
  const double share = 0.3;
  const double x_mix = share * outdoor.x + (1 - share) * room.x;
  const double i_mix = share * outdoor.i + (1 - share) * room.i;
  const double t_mix = (i_mix - 2501 * x_mix) / (1.005 + 1.84 * x_mix);
  const AirState cooled = StateFromTPhi(pb, 13, 0.95);
  const AirState supply = StateFromTX(pb, 17, cooled.x);

  ChartPoint mixed = Point("Mix", "mixed air, 30 % outdoor", StateFromTX(pb, t_mix, x_mix), LabelPosition::Left);
  mixed.on_process = true;  // stays on the mixing line when either end moves
  mixed.process_name = "Pom-Zewn";

  bool ok = Check(project.AddPoint(Point("Zewn", "outdoor air, summer", outdoor, LabelPosition::Right))) &&
            Check(project.AddPoint(Point("Pom", "room air", room, LabelPosition::Top))) &&
            Check(project.AddPoint(mixed)) &&
            Check(project.AddPoint(Point("Chl", "after the cooling coil", cooled, LabelPosition::Bottom))) &&
            Check(project.AddPoint(Point("Naw", "supply air after reheating", supply, LabelPosition::Right)));

  const double supply_flow = 5000;  // m3/h
  ok = ok &&
       Check(project.AddProcess({.name = "Pom-Zewn", .start_point = "Pom", .end_point = "Zewn", .draw_line = true,
                                 .air_flow = 1500})) &&
       Check(project.AddProcess({.name = "Mix-Chl", .start_point = "Mix", .end_point = "Chl", .draw_line = true,
                                 .air_flow = supply_flow})) &&
       Check(project.AddProcess({.name = "Chl-Naw", .start_point = "Chl", .end_point = "Naw", .draw_line = true,
                                 .air_flow = supply_flow})) &&
       Check(project.AddProcess({.name = "Naw-Pom", .start_point = "Naw", .end_point = "Pom", .draw_line = true,
                                 .air_flow = supply_flow}));

  // Room gains Q = 12 kW, W = 0.002 kg/s: epsilon = Q / W.
  ok = ok && Check(project.AddCoefficient({.name = "Pomieszcz", .epsilon = 12 / 0.002, .point_name = "Pom",
                                           .draw_line = true, .heat_gain = "12", .moisture_gain = "0.002"}));
  if (!ok) return 1;
  project.RefreshDependentPoints();

  const ProjectFileResult written = WriteProjectFile(path, project);
  if (!written.ok()) {
    std::fprintf(stderr, "orvanta_make_example: %s\n", written.Message().c_str());
    return 1;
  }
  std::printf("%s: %d points, %d processes, %d coefficient\n", path.c_str(), project.point_count(),
              project.process_count(), project.coefficient_count());
  return 0;
}

}  // namespace
}  // namespace orvanta

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orvanta_make_example <output.ovt>\n");
    return 2;
  }
  return orvanta::Run(argv[1]);
}
