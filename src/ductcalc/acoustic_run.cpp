#include "ductcalc/acoustic_run.h"

#include <cmath>

#include "psychro/number_text.h"

namespace orvanta {

std::vector<FittingAcousticData> AcousticRunData(const DuctDocument& document) {
  std::vector<FittingAcousticData> run;
  const int count = document.Count();
  run.reserve(static_cast<std::size_t>(count) + 1);
  for (int i = 0; i <= count; ++i) {
    const FittingRecord& r = document.Record(i);
    FittingAcousticData d;
    d.type_code = r.Text(FittingField::TypeCode);
    const std::optional<double> kind = ParseNumber(r.Text(FittingField::Kind), ',');
    d.kind = kind && *kind == std::floor(*kind) && *kind >= 1 && *kind <= 24 ? static_cast<int>(*kind) : 0;
    BandEntries* rows[] = {&d.first, &d.second, &d.third};
    for (int row = 0; row < kOctaveRows; ++row)
      for (int b = 0; b < kAcousticBands; ++b) (*rows[row])[b] = ParseNumber(r.Text(BandField(row, b)), ',');
    d.fan_power_in_db = r.fan_power_in_db;
    run.push_back(std::move(d));
  }
  return run;
}

}  // namespace orvanta
