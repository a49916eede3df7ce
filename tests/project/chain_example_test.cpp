// The example chain of every treatment (data/examples/chain.ovt, written by
// tools/make_chain): its outlets are what the treatments give, and it
// survives saving and reopening with the same process list.
#include <gtest/gtest.h>

#include <functional>

#include "project/process_list.h"
#include "project/project_file.h"
#include "project/treatment.h"
#include "project_test_support.h"

namespace orvanta {
namespace {

const std::string kChain = std::string(ORVANTA_DATA_SOURCE_DIR) + "/examples/chain.ovt";

struct ChainStep {
  const char* from;
  const char* to;
  std::function<TreatmentOutcome(const TreatmentInlet&)> treatment;
};

TEST(ChainExample, EveryOutletIsWhatItsTreatmentGives) {
  ChartProject p;
  const ProjectFileResult r = ReadProjectFile(kChain, p);
  ASSERT_TRUE(r.ok()) << r.Message();
  const std::vector<ChainStep> steps = {
      {"Mix", "Chl", [](auto& in) { return CoolingShrToTemperature(in, 0.75, 14); }},
      {"Chl", "Grz", [](auto& in) { return HeatingToTemperature(in, 18); }},
      {"Grz", "Par", [](auto& in) { return SteamHumidificationByWater(in, 5); }},
      {"Zewn", "Adiab", [](auto& in) { return AdiabaticByEfficiency(in, 0.8); }},
      {"Zewn", "Osusz", [](auto& in) { return DesiccantToTarget(in, 0.2); }},
      {"Osusz", "Nawil", [](auto& in) { return WaterHumidificationByWater(in, 20); }},
      {"Zewn", "Kond", [](auto& in) { return CondensingCoilToTarget(in, 8, 0.9); }},
      {"Pom", "BF", [](auto& in) { return CoolingWithBypassFactor(in, 8, 0.15); }},
  };
  for (const ChainStep& s : steps) {
    SCOPED_TRACE(std::string(s.from) + "-" + s.to);
    const int a = p.FindPoint(s.from), b = p.FindPoint(s.to);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    const int process = p.FindProcess(std::string(s.from) + "-" + s.to);
    ASSERT_GE(process, 0);
    EXPECT_EQ(p.process(process).air_flow, 5000);
    const TreatmentOutcome o = s.treatment({p.point(a).state, p.pb(), 5000});
    ASSERT_TRUE(o.ok());
    EXPECT_NEAR(p.point(b).state.t, o.result().t2, 1e-9);
    EXPECT_NEAR(p.point(b).state.x, o.result().x2, 1e-12);
  }
  // The mixing point and its two stream processes.
  EXPECT_GE(p.FindProcess("Zewn-Mix"), 0);
  EXPECT_GE(p.FindProcess("Pom-Mix"), 0);
}

TEST(ChainExample, SavedAndReopenedGivesTheSameListText) {
  ChartProject p;
  ASSERT_TRUE(ReadProjectFile(kChain, p).ok());
  testing_support::ScratchDir dir;
  const std::string copy = dir.File("chain.ovt");
  ASSERT_TRUE(WriteProjectFile(copy, p).ok());
  ChartProject q;
  ASSERT_TRUE(ReadProjectFile(copy, q).ok());
  for (UnitSystem u : {UnitSystem::SI, UnitSystem::IP}) {
    const auto before = ProcessListRows(p, u, FlowShownAs::Volume);
    ASSERT_EQ(before.size(), 10u);
    for (const ProcessListRow& row : before) EXPECT_FALSE(row.total.empty()) << row.name;
    EXPECT_EQ(before, ProcessListRows(q, u, FlowShownAs::Volume));
    EXPECT_EQ(ProcessExportText("chain", p.pb(), before, {}),
              ProcessExportText("chain", q.pb(), ProcessListRows(q, u, FlowShownAs::Volume), {}));
  }
}

}  // namespace
}  // namespace orvanta
