// Writes data/examples/chain.ovt: a summer air-handling chain that uses every
// air treatment of the process-point dialog and the mixing dialog, each
// outlet computed by the treatment functions the dialogs call.
//
//   orvanta_make_chain <output.ovt>

#include <cstdio>
#include <string>

#include "project/chart_project.h"
#include "project/mixing.h"
#include "project/project_file.h"
#include "project/treatment.h"
#include "project/treatment_draw.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

constexpr double kPb = 101300;
constexpr double kFlow = 5000;  // m3/h

bool Fail(const std::string& what) {
  std::fprintf(stderr, "orvanta_make_chain: %s\n", what.c_str());
  return false;
}

// One treatment from the stored point `from` to a new point `to`.
template <class Treatment>
bool Step(ChartProject& project, const std::string& from, const std::string& to, TreatmentKind kind, Treatment f) {
  const int a = project.FindPoint(from);
  if (a < 0) return Fail("no point " + from);
  const TreatmentInlet in{project.point(a).state, kPb, kFlow};
  const TreatmentOutcome o = f(in);
  if (!o.ok()) {
    return Fail(from + "-" + to + ": text " + std::to_string(o.failure().text) + " " +
                TreatmentMessageText(o.failure().message, false));
  }
  const DrawOutcome d = DrawTreatment(project, from, to, o.result(), kFlow, OutletLabelPosition(kind));
  if (!d.ok()) return Fail(from + "-" + to + ": text " + std::to_string(d.text) + " " + d.edit.Message());
  return true;
}

int Run(const std::string& path) {
  ChartProject project;
  project.set_pb(kPb);
  ChartPoint outdoor, room;
  outdoor.name = "Zewn";
  outdoor.description = "outdoor air, summer";
  outdoor.state = StateFromTPhi(kPb, 32, 0.40);
  outdoor.label_position = LabelPosition::Right;
  room.name = "Pom";
  room.description = "room air";
  room.state = StateFromTPhi(kPb, 24, 0.50);
  room.label_position = LabelPosition::Top;
  if (!project.AddPoint(outdoor) || !project.AddPoint(room)) return 1;

  MixingDefinitions mixing;
  const MixingOutcome m = AddMixingPoint(project, mixing, {"Mix", "Zewn", "Pom", 1500.0, 3500.0, true});
  if (!m.ok()) return Fail("mixing: text " + std::to_string(m.text)), 1;

  using K = TreatmentKind;
  const bool ok =
      // Main line: cooling along SHR 75 %, reheating, steam humidification.
      Step(project, "Mix", "Chl", K::CoolingShr, [](auto& in) { return CoolingShrToTemperature(in, 0.75, 14); }) &&
      Step(project, "Chl", "Grz", K::Heating, [](auto& in) { return HeatingToTemperature(in, 18); }) &&
      Step(project, "Grz", "Par", K::SteamHumidification, [](auto& in) { return SteamHumidificationByWater(in, 5); }) &&
      // Alternatives from the outdoor and room air.
      Step(project, "Zewn", "Adiab", K::AdiabaticCooling, [](auto& in) { return AdiabaticByEfficiency(in, 0.8); }) &&
      Step(project, "Zewn", "Osusz", K::DesiccantDehumidification,
           [](auto& in) { return DesiccantToTarget(in, 0.2); }) &&
      Step(project, "Osusz", "Nawil", K::WaterHumidification,
           [](auto& in) { return WaterHumidificationByWater(in, 20); }) &&
      Step(project, "Zewn", "Kond", K::CondensingDehumidification,
           [](auto& in) { return CondensingCoilToTarget(in, 8, 0.9); }) &&
      Step(project, "Pom", "BF", K::CoolingBypass, [](auto& in) { return CoolingWithBypassFactor(in, 8, 0.15); });
  if (!ok) return 1;
  project.RefreshDependentPoints();

  const ProjectFileResult written = WriteProjectFile(path, project);
  if (!written.ok()) return Fail(written.Message()), 1;
  std::printf("%s: %d points, %d processes\n", path.c_str(), project.point_count(), project.process_count());
  return 0;
}

}  // namespace
}  // namespace orvanta

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orvanta_make_chain <output.ovt>\n");
    return 2;
  }
  return orvanta::Run(argv[1]);
}
