// The project file reader: any bytes, and images padded or cut to either
// layout so that the record fields themselves are exercised. A project that
// reads must write an image that reads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "project/chart_project.h"
#include "project/project_file.h"

using namespace orvanta;

namespace {

void ReadBack(const ChartProject& project) {
  const std::vector<std::uint8_t> image = ProjectImage(project);
  ChartProject again;
  if (!ProjectFromImage(image, again).ok()) std::abort();  // the program's own file does not read
  if (again.point_count() != project.point_count() || again.process_count() != project.process_count() ||
      again.coefficient_count() != project.coefficient_count()) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    ChartProject p;
    if (ProjectFromImage({data, size}, p).ok()) ReadBack(p);
  }
  if (size == 0) return 0;
  const bool older = (data[0] & 1) != 0;
  const ProjectReadOptions options{.refresh_points = (data[0] & 2) != 0};
  std::vector<std::uint8_t> image(data + 1, data + size);
  image.resize(older ? kOlderProjectFileSize : kProjectFileSize, 0);
  ChartProject p;
  const ProjectFileResult r = ProjectFromImage(image, p, options);
  (void)r.Message();
  if (r.ok()) {
    p.RefreshDependentPoints();
    ReadBack(p);
  }
  return 0;
}
