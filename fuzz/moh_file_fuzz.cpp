// Any bytes as a ".moh" calculation file: the reader must refuse or accept
// without faults, an accepted file must write back to what it read, and the
// document must stay whole either way.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "ductcalc/duct_document.h"
#include "ductcalc/moh_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  const std::span<const std::uint8_t> bytes(data, size);
  const char separator = size > 0 && (data[0] & 1) ? '.' : ',';

  const MohImage image = DecodeMohImage(bytes, separator);
  if (!image.status.ok()) {
    if (!image.fittings.empty() || image.status.Message().empty()) std::abort();
  } else {
    if (image.fittings.size() > static_cast<std::size_t>(kMaxFittings)) std::abort();
    // What was accepted is written in the current layout and reads back the same.
    const auto written = EncodeMohImage(image.fittings);
    const MohImage again = DecodeMohImage(written, separator);
    if (!again.status.ok() || again.fittings != image.fittings) std::abort();
  }

  DuctDocument document;
  (void)document.Append(FittingRecord{});
  const MohFileResult loaded = document.LoadImage(bytes, separator);
  if (loaded.ok() != image.status.ok()) std::abort();
  if (!loaded.ok() && document.Count() != 1) std::abort();  // a refused file changes nothing
  if (loaded.ok() && document.Count() != static_cast<int>(image.fittings.size())) std::abort();
  (void)document.Totals();
  (void)SheetRows(document, size % 520);
  if (document.Count() > 0) (void)document.Delete(static_cast<int>(size % static_cast<std::size_t>(document.Count())));
  return 0;
}
