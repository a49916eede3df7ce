// Ventilation air flow of a room or a flat: from the occupants (hygienic air
// per person), from the recommended air-change rates of a room type, or from
// the flat requirements of PN-83/B-03430. Three flows in m³/h.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "calculators/calc_result.h"

namespace orvanta::calculators {

struct AirFlows {
  double vmin = 0;  // Edit7 [m³/h]
  double vmax = 0;  // Edit8
  double vmid = 0;  // Edit9
};

// ---- Occupants ----

enum class OccupantMode { kNonSmokers, kSmokers, kMixed };  // "Niepalące" (default), "Palące", "Mieszanie"
constexpr double kAirPerNonSmoker = 30;  // m³/h per person
constexpr double kAirPerSmoker = 50;

// A count is nullopt when its edit is empty. Only the counts of the mode are
// read; an empty one gives language text 419, 420 or 421, a negative one is
// refused.
CalcResult<AirFlows> AirFlowFromOccupants(OccupantMode mode, std::optional<int> non_smokers,
                                          std::optional<int> smokers);

// ---- Air changes ----

struct RoomType {
  int text;            // language text of the list item
  const char* polish;  // its Polish text
  double n_min;        // air changes per hour
  double n_max;
};
extern const std::array<RoomType, 29> kIndustrialRooms;  // "Pomieszczenia przemysłowe" (ListBox1)
extern const std::array<RoomType, 13> kPublicRooms;      // "Obiekty użyteczności publicznej" (ListBox2)

enum class RoomList { kIndustrial, kPublic };
std::span<const RoomType> RoomTypes(RoomList list);

// room: the selected item of the visible list, nullopt when none is selected
// (refused: no rate is defined then). A dimension is nullopt when its edit is
// empty (language texts 422 and 423 for L and W, a core message for H); a
// dimension must be greater than zero.
CalcResult<AirFlows> AirFlowFromAirChanges(RoomList list, std::optional<int> room,
                                           std::optional<double> length,
                                           std::optional<double> width,
                                           std::optional<double> height);

// ---- PN-83/B-03430 flat requirements ----

struct FlatRoom {
  int text;            // language text of the check box
  const char* polish;  // its Polish caption
  double rate;         // m³/h per room
};
constexpr int kFlatRoomCount = 7;
extern const std::array<FlatRoom, kFlatRoomCount> kFlatRooms;  // CheckBox1 … CheckBox7

// The counts of the flat items as the window keeps them: a ticked item's
// count follows its edit while the edit holds a number, so an emptied edit
// keeps the last typed count; unticking zeroes it.
class FlatRoomCounts {
 public:
  void SetTicked(int item, bool ticked);
  bool Ticked(int item) const;
  // The edit's text read as a count; nullopt for an empty edit.
  void CountTyped(int item, std::optional<int> count);
  const std::array<int, kFlatRoomCount>& Counts() const { return counts_; }

 private:
  std::array<int, kFlatRoomCount> counts_{};
  std::array<bool, kFlatRoomCount> ticked_{};
};

// The occupant list items (ComboBox1) in order.
constexpr std::array<const char*, 3> kOccupantModeTexts = {"Niepalące", "Palące", "Mieszanie"};

// counts: the stored count of each item, 0 for an unticked one. Negative
// counts are refused.
CalcResult<AirFlows> AirFlowFromFlatRequirements(const std::array<int, kFlatRoomCount>& counts);

// The results as shown: shortest form, not rounded.
struct AirFlowTexts {
  std::string vmin, vmax, vmid;
};
AirFlowTexts AirFlowShownTexts(const AirFlows& f, char decimal_separator);

}  // namespace orvanta::calculators
