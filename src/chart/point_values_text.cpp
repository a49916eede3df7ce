#include "chart/point_values_text.h"

#include "chart/readout.h"

namespace orvanta {

std::string PointValuesText(const ChartProject& project, UnitSystem units, char decimal_separator) {
  std::string text;
  for (int k = 0; k < project.point_count(); ++k) {
    const ChartPoint& p = project.point(k);
    text += p.name + "\r\n";
    for (const std::string& line : PointTreeChildLines(p.state, units, decimal_separator)) text += "\t" + line + "\r\n";
  }
  return text;
}

}  // namespace orvanta
