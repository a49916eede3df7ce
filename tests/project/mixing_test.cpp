// Mixing two streams, the list of mixing points and its refresh.
#include "project/mixing.h"

#include <gtest/gtest.h>

#include "project_test_support.h"
#include "psychro/state.h"

namespace orvanta {
namespace {

using testing_support::MakePoint;

constexpr double kPb = 101325;

ChartProject TwoStreams() {
  ChartProject p;
  p.set_pb(kPb);
  (void)p.AddPoint(MakePoint("Z", kPb, -10, 1.5));
  (void)p.AddPoint(MakePoint("W", kPb, 22, 8));
  p.set_modified(false);
  return p;
}

MixingRequest Request(std::string name, double v1, double v2, bool process = false) {
  return {std::move(name), "Z", "W", v1, v2, process};
}

TEST(MixStreams, EqualMassesGiveTheMeansAndAStreamWithItselfStaysPut) {
  const AirState a = StateFromTX(kPb, -10, 0.0015), b = StateFromTX(kPb, 22, 0.008);
  // Volume flows with equal mass flows.
  const auto m = MixStreams(a, 1000, b, 1000 * a.rho / b.rho);
  ASSERT_TRUE(m);
  EXPECT_NEAR(m->t, 6, 1e-12);
  EXPECT_NEAR(m->x, 0.00475, 1e-15);
  const auto self = MixStreams(b, 300, b, 700);
  ASSERT_TRUE(self);
  EXPECT_DOUBLE_EQ(self->t, b.t);
  EXPECT_DOUBLE_EQ(self->x, b.x);
  // Each stream's own density weighs: equal volumes are not equal masses.
  const auto volumes = MixStreams(a, 1000, b, 1000);
  ASSERT_TRUE(volumes);
  EXPECT_LT(volumes->t, 6);
  EXPECT_FALSE(MixStreams(a, 0, b, 0));
  EXPECT_FALSE(MixStreams(a, NAN, b, 10));
}

TEST(AddMixingPoint, AddsPointDefinitionAndTwoProcesses) {
  ChartProject p = TwoStreams();
  MixingDefinitions list;
  const MixingOutcome o = AddMixingPoint(p, list, Request("M", 1000, 3000, true));
  ASSERT_TRUE(o.ok());
  EXPECT_TRUE(o.point_added && o.processes_added);
  const int m = p.FindPoint("M");
  ASSERT_GE(m, 0);
  const auto mix = MixStreams(p.point(0).state, 1000, p.point(1).state, 3000);
  EXPECT_EQ(p.point(m).state, StateFromTX(kPb, mix->t, mix->x));
  EXPECT_EQ(p.point(m).label_position, LabelPosition::Right);
  ASSERT_EQ(list.size(), 1);
  EXPECT_EQ(list.at(0), (MixingDefinition{"M", "Z", "W", 1000, 3000}));
  ASSERT_EQ(p.process_count(), 2);
  EXPECT_EQ(p.process(0).name, "Z-M");
  EXPECT_EQ(p.process(0).air_flow, 1000);
  EXPECT_EQ(p.process(1).name, "W-M");
  EXPECT_EQ(p.process(1).start_point, "W");
  EXPECT_EQ(p.process(1).air_flow, 3000);
  EXPECT_TRUE(p.process(1).draw_line);
  EXPECT_TRUE(p.modified());
}

TEST(AddMixingPoint, RefusalsChangeNothing) {
  ChartProject p = TwoStreams();
  MixingDefinitions list;
  EXPECT_EQ(AddMixingPoint(p, list, Request("", 1, 1)).text, kTextMixingNameEmpty);
  EXPECT_EQ(AddMixingPoint(p, list, {"M", "", "W", 1.0, 1.0, false}).text, kTextMixingStream1Empty);
  EXPECT_EQ(AddMixingPoint(p, list, {"M", "Z", "", 1.0, 1.0, false}).text, kTextMixingStream2Empty);
  EXPECT_EQ(AddMixingPoint(p, list, {"M", "Z", "W", std::nullopt, 1.0, false}).text, kTextMixingFlow1Empty);
  EXPECT_EQ(AddMixingPoint(p, list, {"M", "Z", "W", 1.0, std::nullopt, false}).text, kTextMixingFlow2Empty);
  EXPECT_EQ(AddMixingPoint(p, list, Request("W", 1, 1)).text, kTextMixingNameTaken);
  EXPECT_EQ(AddMixingPoint(p, list, Request("M", 0, 1)).message, MixingMessage::FlowNotPositive);
  EXPECT_EQ(AddMixingPoint(p, list, Request("M", 100, -1)).message, MixingMessage::FlowNotPositive);
  EXPECT_EQ(AddMixingPoint(p, list, {"M", "Z", "Q", 1.0, 1.0, false}).message, MixingMessage::NoSuchStreamPoint);
  EXPECT_EQ(p.point_count(), 2);
  EXPECT_EQ(list.size(), 0);
  EXPECT_FALSE(p.modified());
}

TEST(AddMixingPoint, ExistingProcessKeepsThePointAndAddsNoProcess) {
  ChartProject p = TwoStreams();
  (void)p.AddProcess({.name = "W-M", .start_point = "W", .end_point = "Z", .draw_line = true, .air_flow = 5});
  MixingDefinitions list;
  const MixingOutcome o = AddMixingPoint(p, list, Request("M", 1000, 1000, true));
  EXPECT_EQ(o.text, kTextMixingProcessExists);
  EXPECT_TRUE(o.point_added);
  EXPECT_FALSE(o.processes_added);
  EXPECT_GE(p.FindPoint("M"), 0);
  EXPECT_EQ(p.process_count(), 1);
  EXPECT_EQ(list.size(), 1);
}

TEST(MixingDefinitions, TheEleventhIsRefusedUntilTheListIsEmptied) {
  ChartProject p = TwoStreams();
  MixingDefinitions list;
  for (int i = 0; i < MixingDefinitions::kCapacity; ++i) {
    ASSERT_TRUE(AddMixingPoint(p, list, Request("M" + std::to_string(i), 1000, 100 + i)).ok());
  }
  const MixingOutcome eleventh = AddMixingPoint(p, list, Request("M10", 1000, 1000));
  EXPECT_EQ(eleventh.message, MixingMessage::ListFull);
  EXPECT_FALSE(eleventh.point_added);
  EXPECT_LT(p.FindPoint("M10"), 0);
  EXPECT_FALSE(MixingMessageText(MixingMessage::ListFull, false).empty());
  EXPECT_FALSE(MixingMessageText(MixingMessage::ListFull, true).empty());
  list.Clear();
  EXPECT_TRUE(AddMixingPoint(p, list, Request("M10", 1000, 1000)).ok());
}

TEST(MixingDefinitions, RefreshFollowsTheStreamsThroughTheProjectHook) {
  ChartProject p = TwoStreams();
  MixingDefinitions list;
  list.AttachTo(p);
  ASSERT_TRUE(AddMixingPoint(p, list, Request("M", 1000, 1000)).ok());
  const int m = p.FindPoint("M");
  ChartPoint marked = p.point(m);
  marked.description = "typed later";
  (void)p.ReplacePoint(m, marked, "M");
  // The user edits stream 2.
  ChartPoint w = p.point(1);
  w.state = StateFromTX(kPb, 30, 0.01);
  (void)p.ReplacePoint(1, w, "W");
  p.set_modified(false);

  p.RefreshDependentPoints();
  const auto mix = MixStreams(p.point(0).state, 1000, w.state, 1000);
  EXPECT_EQ(p.point(m).state, StateFromTX(kPb, mix->t, mix->x));
  EXPECT_TRUE(p.point(m).description.empty());
  EXPECT_FALSE(p.modified());  // a refresh is not an edit

  // A definition whose stream point is gone is left alone.
  const AirState before = p.point(m).state;
  p.DeletePoint(0);
  p.RefreshDependentPoints();
  EXPECT_EQ(p.point(p.FindPoint("M")).state, before);
}

}  // namespace
}  // namespace orvanta
