// libFuzzer target for the fields of the acoustic calculator: any texts are
// either reported as the field that is not a number, refused with a
// message, or computed to finite levels; the same for the sum of sources
// and the level at a distance.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calculators/acoustic/room_noise.h"

using namespace orvanta::calculators;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Fields are separated by '\n'; the first byte picks the separator and the weighting.
  const char sep = size > 0 && (data[0] & 1) ? ',' : '.';
  const SourceWeighting weighting = size > 0 && (data[0] & 2) ? SourceWeighting::kLwA : SourceWeighting::kLw;
  RoomNoiseTexts texts = DefaultRoomNoiseTexts(sep);
  size_t field = 0, start = size > 0 ? 1 : 0;
  for (size_t i = start; i <= size && field < texts.size(); ++i) {
    if (i == size || bytes[i] == '\n') {
      texts[field++] = std::string(bytes.substr(start, i - start));
      start = i + 1;
    }
  }
  const RoomNoiseReading reading = ReadRoomNoiseFields(texts, weighting, RoomNoiseInput{}, sep);
  if (reading.fault) {
    if (!reading.fault->object_name) std::abort();
  } else {
    const CalcResult<RoomNoiseResult> r = ComputeRoomNoise(reading.input);
    if (r.ok()) {
      if (!std::isfinite(r->room_power_total) || !std::isfinite(r->room_pressure_total)) std::abort();
      for (double v : r->room_pressure)
        if (!std::isfinite(v)) std::abort();
      const RoomNoiseShown shown = RoomNoiseShownTexts(r.value(), sep);
      if (shown.room_pressure_total.empty()) std::abort();
    } else if (r.failure().polish.empty() || r.failure().english.empty()) {
      std::abort();
    }
  }
  std::array<std::string, kOctaveBands> eight;
  for (int i = 0; i < kOctaveBands; ++i) eight[i] = texts[(6 + i) % texts.size()];
  const CalcResult<std::string> sum = SumSoundSourcesText(eight, sep);
  if (sum.ok() && sum.value().empty()) std::abort();
  const CalcResult<std::string> lp = LevelAtDistanceText(texts[0], 2, texts[3], sep);
  if (lp.ok() && lp.value().empty()) std::abort();
  return 0;
}
