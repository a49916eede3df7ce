#include "calculators/air_balance/air_balance.h"

#include "psychro/number_text.h"

namespace orvanta::calculators {

const std::array<RoomType, 29> kIndustrialRooms = {{
    {367, "HALE FABRYCZNE DUŻE", 1.5, 3},
    {368, "HALE FABRYCZNE MAŁE", 2, 4},
    {369, "MASZYNOWNIE", 10, 40},
    {370, "HALE MONTAŻOWE", 5, 7},
    {371, "WARSZTATY", 3, 6},
    {372, "FARBIARNIE", 5, 15},
    {373, "POMIESZCZENIA NATRYSKU FARB", 20, 50},
    {374, "LAKIERNIE", 15, 40},
    {375, "TRAWIALNIE", 5, 15},
    {376, "HARTOWNIE", 50, 100},
    {377, "ODLEWNIE", 8, 15},
    {378, "POMIESZCZENIA KONTROLNI-POMIAROWE", 8, 10},
    {379, "LABORATORIA", 6, 15},
    {380, "POMIESZCZENIA USŁUGOWE I HANDLOWE", 1, 3},
    {381, "PRALNIE", 10, 15},
    {382, "SUSZARNIE ODZIEŻY", 20, 40},
    {383, "PRASOWALNIE", 8, 12},
    {384, "PRASOWALNIE Z PRASOWANIEM PAROWYM", 10, 30},
    {385, "KUCHNIE ŚREDNIE(W RESTAURACJACH)", 10, 25},
    {386, "KUCHNIE DUŻE", 10, 25},
    {387, "KUCHNIE ZMIENNE", 4, 8},
    {388, "SALE RESTAURACYJNE DLA PALĄCYCH", 6, 12},
    {389, "SALE RESTAURACYJNE DLA NIEPALĄCYCH", 4, 8},
    {390, "SALE HANDLOWE", 5, 7},
    {391, "HALE TARGOWE", 1.5, 3},
    {392, "DOMY HANDLOWE", 4, 7},
    {393, "HALE WYSTAWOWE", 1.5, 3},
    {394, "ATELIER FILMOWE", 5, 20},
    {395, "PIEKARNIE", 6, 15},
}};

const std::array<RoomType, 13> kPublicRooms = {{
    {397, "POMIESZCZENIA BIUROWE", 2, 5},
    {398, "BIBLIOTEKI", 4, 6},
    {399, "SALE WYKŁADOWE", 6, 8},
    {400, "KINA DLA PALĄCYCH", 5, 8},
    {401, "KINA DLA NIEPALCYCH", 4, 6},
    {402, "GARDEROBY", 4, 6},
    {403, "ŚWIETLICE", 5, 10},
    {404, "SALE POSIEDZEŃ", 6, 8},
    {405, "SZKOŁY(KLASY)", 3, 7},
    {406, "KOŚCIOŁY", 1.5, 4},
    {407, "PŁYWALNIE", 3, 5},
    {408, "WAGONY KOLEJOWE", 15, 40},
    {409, "SZKLARNIE", 3, 5},
}};

const std::array<FlatRoom, kFlatRoomCount> kFlatRooms = {{
    {359, "Kuchnia z oknem zewnętrznym, wyposażona w kuchnię gazową lub węglową", 70},
    {360, "Kuchnia z oknem zewnętrznym, wyposażona w kuchnię elektryczną w mieszkaniu do 3osób", 30},
    {361, "Kuchnia z oknem zewnętrznym, wyposażona w kuchnię elektryczną w mieszkaniu do > 3osób", 50},
    {362, "Kuchnia bez okna zewnętrznego lub aneks kuchenny wyposażoną w kuchnię elektryczną", 50},
    {363, "Łaźienka (z ustępem lub bez)", 50},
    {364, "Kabina prysznicowa", 100},
    {365, "Pisuar", 25},
}};

std::span<const RoomType> RoomTypes(RoomList list) {
  if (list == RoomList::kPublic) return kPublicRooms;
  return kIndustrialRooms;
}

namespace {

AirFlows Uniform(double v) { return {v, v, v}; }

CalcFailure NegativeCount() {
  return CalcFailure::Message("Liczba nie może być ujemna.", "The number cannot be negative.");
}

}  // namespace

CalcResult<AirFlows> AirFlowFromOccupants(OccupantMode mode, std::optional<int> non_smokers,
                                          std::optional<int> smokers) {
  switch (mode) {
    case OccupantMode::kNonSmokers:
      if (!non_smokers) return CalcFailure::LanguageText(419);
      if (*non_smokers < 0) return NegativeCount();
      return Uniform(kAirPerNonSmoker * *non_smokers);
    case OccupantMode::kSmokers:
      if (!smokers) return CalcFailure::LanguageText(420);
      if (*smokers < 0) return NegativeCount();
      return Uniform(kAirPerSmoker * *smokers);
    case OccupantMode::kMixed:
      if (!non_smokers || !smokers) return CalcFailure::LanguageText(421);
      if (*non_smokers < 0 || *smokers < 0) return NegativeCount();
      return Uniform(kAirPerSmoker * *smokers + kAirPerNonSmoker * *non_smokers);
  }
  return NegativeCount();  // not reached: every mode is handled above
}

CalcResult<AirFlows> AirFlowFromAirChanges(RoomList list, std::optional<int> room,
                                           std::optional<double> length,
                                           std::optional<double> width,
                                           std::optional<double> height) {
  const std::span<const RoomType> rooms = RoomTypes(list);
  if (!room || *room < 0 || *room >= static_cast<int>(rooms.size()))
    return CalcFailure::Message("Wybierz rodzaj pomieszczenia z listy.",
                                "Choose a room type from the list.");
  if (!length) return CalcFailure::LanguageText(422);
  if (!width) return CalcFailure::LanguageText(423);
  if (!height)
    return CalcFailure::Message("Podaj wysokość pomieszczenia H.", "Enter the room height H.");
  if (!(*length > 0) || !(*width > 0) || !(*height > 0))
    return CalcFailure::Message("Wymiary pomieszczenia muszą być większe od zera.",
                                "The room dimensions must be greater than zero.");
  const double volume = *length * *width * *height;
  const RoomType& r = rooms[*room];
  AirFlows f{volume * r.n_min, volume * r.n_max, 0};
  f.vmid = (f.vmin + f.vmax) / 2;
  if (!AllFinite({f.vmin, f.vmax, f.vmid})) return NotFiniteFailure();
  return f;
}

CalcResult<AirFlows> AirFlowFromFlatRequirements(const std::array<int, kFlatRoomCount>& counts) {
  double v = 0;
  for (int k = 0; k < kFlatRoomCount; ++k) {
    if (counts[k] < 0) return NegativeCount();
    v += kFlatRooms[k].rate * counts[k];
  }
  return Uniform(v);
}

void FlatRoomCounts::SetTicked(int item, bool ticked) {
  if (item < 0 || item >= kFlatRoomCount) return;
  ticked_[item] = ticked;
  if (!ticked) counts_[item] = 0;
}

bool FlatRoomCounts::Ticked(int item) const {
  return item >= 0 && item < kFlatRoomCount && ticked_[item];
}

void FlatRoomCounts::CountTyped(int item, std::optional<int> count) {
  if (Ticked(item) && count) counts_[item] = *count;
}

AirFlowTexts AirFlowShownTexts(const AirFlows& f, char sep) {
  auto text = [sep](double v) { return std::isfinite(v) ? NumberText(v, sep) : std::string(); };
  return {text(f.vmin), text(f.vmax), text(f.vmid)};
}

}  // namespace orvanta::calculators
