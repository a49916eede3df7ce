// "Eksportuj wartości punktów do pliku *.txt": the points tree as text, one
// node per line in tree order, each line preceded by one tab per level (a
// point's name without tab, its nine value lines with one). Lines end with
// CR LF, as text files of the program do.
#pragma once

#include <string>

#include "project/chart_project.h"
#include "psychro/units.h"

namespace orvanta {

std::string PointValuesText(const ChartProject& project, UnitSystem units, char decimal_separator = '.');

}  // namespace orvanta
