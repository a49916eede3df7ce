#include "calculators/air_balance/air_balance.h"

#include <gtest/gtest.h>

namespace orvanta::calculators {
namespace {

void ExpectFlows(const CalcResult<AirFlows>& r, double vmin, double vmax, double vmid) {
  ASSERT_TRUE(r.ok()) << r.failure().english;
  EXPECT_DOUBLE_EQ(r->vmin, vmin);
  EXPECT_DOUBLE_EQ(r->vmax, vmax);
  EXPECT_DOUBLE_EQ(r->vmid, vmid);
}

// Hygienic air: 30 m³/h per non-smoker, 50 per smoker.
// Mixed, 10 smokers and 20 non-smokers: 50·10 + 30·20 = 1100 m³/h.
TEST(AirBalanceOccupantsTest, AirPerPersonByMode) {
  ExpectFlows(AirFlowFromOccupants(OccupantMode::kMixed, 20, 10), 1100, 1100, 1100);
  ExpectFlows(AirFlowFromOccupants(OccupantMode::kNonSmokers, 7, std::nullopt), 210, 210, 210);
  ExpectFlows(AirFlowFromOccupants(OccupantMode::kSmokers, std::nullopt, 7), 350, 350, 350);
  // Counts of the other mode are not read.
  ExpectFlows(AirFlowFromOccupants(OccupantMode::kNonSmokers, 1, 1000), 30, 30, 30);
  const AirFlowTexts t = AirFlowShownTexts(AirFlowFromOccupants(OccupantMode::kMixed, 20, 10).value(), ',');
  EXPECT_EQ(t.vmin, "1100");
  EXPECT_EQ(t.vmax, "1100");
  EXPECT_EQ(t.vmid, "1100");
}

TEST(AirBalanceOccupantsTest, EmptyCountsGiveTheirLanguageTexts) {
  EXPECT_EQ(AirFlowFromOccupants(OccupantMode::kNonSmokers, std::nullopt, 5).failure().text, 419);
  EXPECT_EQ(AirFlowFromOccupants(OccupantMode::kSmokers, 5, std::nullopt).failure().text, 420);
  EXPECT_EQ(AirFlowFromOccupants(OccupantMode::kMixed, std::nullopt, 5).failure().text, 421);
  EXPECT_EQ(AirFlowFromOccupants(OccupantMode::kMixed, 5, std::nullopt).failure().text, 421);
  const auto negative = AirFlowFromOccupants(OccupantMode::kMixed, -1, 5);
  ASSERT_FALSE(negative.ok());
  EXPECT_EQ(negative.failure().text, 0);
  EXPECT_FALSE(negative.failure().english.empty());
}

// Office (public buildings), 5 × 4 × 3 m = 60 m³ at 2 … 5 changes per hour:
// Vmin = 120, Vmax = 300, Vmid = (120 + 300)/2 = 210 m³/h.
TEST(AirBalanceAirChangesTest, VolumeTimesTheRatesOfTheSelectedRoom) {
  ExpectFlows(AirFlowFromAirChanges(RoomList::kPublic, 0, 5, 4, 3), 120, 300, 210);
  // The same item index in the other list is another room: factory halls, large, 1.5 … 3.
  ExpectFlows(AirFlowFromAirChanges(RoomList::kIndustrial, 0, 5, 4, 3), 90, 180, 135);
  // Bakeries, the last industrial item, 6 … 15; 2.5 × 2 × 2.5 = 12.5 m³.
  ExpectFlows(AirFlowFromAirChanges(RoomList::kIndustrial, 28, 2.5, 2, 2.5), 75, 187.5, 131.25);
  const AirFlowTexts pl =
      AirFlowShownTexts(AirFlowFromAirChanges(RoomList::kIndustrial, 28, 2.5, 2, 2.5).value(), ',');
  EXPECT_EQ(pl.vmax, "187,5");
  EXPECT_EQ(pl.vmid, "131,25");
  const AirFlowTexts en =
      AirFlowShownTexts(AirFlowFromAirChanges(RoomList::kIndustrial, 28, 2.5, 2, 2.5).value(), '.');
  EXPECT_EQ(en.vmid, "131.25");
}

TEST(AirBalanceAirChangesTest, RoomListsCarryTheirTextsAndRates) {
  ASSERT_EQ(RoomTypes(RoomList::kIndustrial).size(), 29u);
  ASSERT_EQ(RoomTypes(RoomList::kPublic).size(), 13u);
  // Language texts run 367 … 395 and 397 … 409 in list order.
  for (size_t k = 0; k < kIndustrialRooms.size(); ++k) EXPECT_EQ(kIndustrialRooms[k].text, 367 + int(k));
  for (size_t k = 0; k < kPublicRooms.size(); ++k) EXPECT_EQ(kPublicRooms[k].text, 397 + int(k));
  for (const auto& list : {RoomTypes(RoomList::kIndustrial), RoomTypes(RoomList::kPublic)})
    for (const RoomType& r : list) EXPECT_LT(r.n_min, r.n_max) << r.polish;
  EXPECT_STREQ(kIndustrialRooms[9].polish, "HARTOWNIE");
  EXPECT_EQ(kIndustrialRooms[9].n_max, 100);
}

TEST(AirBalanceAirChangesTest, MissingRoomTypeOrDimensionIsAMessage) {
  const auto none = AirFlowFromAirChanges(RoomList::kPublic, std::nullopt, 5, 4, 3);
  ASSERT_FALSE(none.ok());
  EXPECT_EQ(none.failure().english, "Choose a room type from the list.");
  EXPECT_EQ(none.failure().polish, "Wybierz rodzaj pomieszczenia z listy.");
  EXPECT_FALSE(AirFlowFromAirChanges(RoomList::kPublic, 13, 5, 4, 3).ok());  // past the public list
  EXPECT_FALSE(AirFlowFromAirChanges(RoomList::kPublic, -1, 5, 4, 3).ok());

  EXPECT_EQ(AirFlowFromAirChanges(RoomList::kPublic, 0, std::nullopt, 4, 3).failure().text, 422);
  EXPECT_EQ(AirFlowFromAirChanges(RoomList::kPublic, 0, 5, std::nullopt, 3).failure().text, 423);
  const auto no_h = AirFlowFromAirChanges(RoomList::kPublic, 0, 5, 4, std::nullopt);
  EXPECT_EQ(no_h.failure().text, 0);
  EXPECT_EQ(no_h.failure().english, "Enter the room height H.");
  for (double bad : {0.0, -2.0})
    EXPECT_FALSE(AirFlowFromAirChanges(RoomList::kPublic, 0, 5, bad, 3).ok()) << bad;
  EXPECT_FALSE(AirFlowFromAirChanges(RoomList::kPublic, 0, 1e200, 1e200, 1e200).ok());  // overflow
}

// 1 gas kitchen (70) + 2 bathrooms (2·50) + 1 urinal (25) = 195 m³/h.
TEST(AirBalanceFlatTest, SumOfRoomsAtTheirRates) {
  ExpectFlows(AirFlowFromFlatRequirements({1, 0, 0, 0, 2, 0, 1}), 195, 195, 195);
  ExpectFlows(AirFlowFromFlatRequirements({}), 0, 0, 0);
  // One of each: 70 + 30 + 50 + 50 + 50 + 100 + 25 = 375.
  ExpectFlows(AirFlowFromFlatRequirements({1, 1, 1, 1, 1, 1, 1}), 375, 375, 375);
  EXPECT_FALSE(AirFlowFromFlatRequirements({0, 0, -1, 0, 0, 0, 0}).ok());
  for (size_t k = 0; k < kFlatRooms.size(); ++k) EXPECT_EQ(kFlatRooms[k].text, 359 + int(k));
}

}  // namespace
}  // namespace orvanta::calculators

namespace orvanta::calculators {
namespace {

TEST(AirBalanceFlatTest, TickedItemKeepsItsLastTypedCountAndUntickedGivesZero) {
  FlatRoomCounts c;
  c.CountTyped(0, 3);  // not ticked yet: ignored
  EXPECT_EQ(c.Counts()[0], 0);
  c.SetTicked(0, true);
  c.CountTyped(0, 2);
  c.CountTyped(0, std::nullopt);  // the edit emptied: the 2 stays
  c.SetTicked(5, true);
  c.CountTyped(5, 1);
  EXPECT_EQ(c.Counts()[0], 2);
  // 2 gas kitchens (2·70) + 1 shower cabin (100) = 240 m³/h.
  ExpectFlows(AirFlowFromFlatRequirements(c.Counts()), 240, 240, 240);
  c.SetTicked(5, false);
  EXPECT_EQ(c.Counts()[5], 0);
  c.SetTicked(5, true);  // ticked again: starts from 0, not the old count
  ExpectFlows(AirFlowFromFlatRequirements(c.Counts()), 140, 140, 140);
  c.SetTicked(7, true);  // outside the list: no effect, no crash
  EXPECT_FALSE(c.Ticked(7));
  EXPECT_FALSE(c.Ticked(-1));
}

}  // namespace
}  // namespace orvanta::calculators

#include "calculators/language_lines.h"

namespace orvanta::calculators {
namespace {

TEST(AirBalanceAirChangesTest, ListsNameTheLanguageEntriesOfTheirTexts) {
  const auto lines = testing::PolishLanguageLines();
  for (const RoomType& r : kIndustrialRooms) EXPECT_EQ(testing::Entry(lines, r.text), r.polish);
  for (const RoomType& r : kPublicRooms) EXPECT_EQ(testing::Entry(lines, r.text), r.polish);
  for (const FlatRoom& f : kFlatRooms) EXPECT_EQ(testing::Entry(lines, f.text), f.polish);
}

}  // namespace
}  // namespace orvanta::calculators
