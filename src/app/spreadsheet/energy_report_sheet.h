// The energy report's cells (BuildEnergyReport) as a report for its
// template: the free texts (title, investor, designer, city) as text, every
// number the window shows as that number, the date as a date.
#pragma once

#include "app/spreadsheet/template_report.h"
#include "calculators/energy/energy_report.h"

namespace orvanta {

TemplateReport EnergyReportSheet(const EnergyReport& report);

}  // namespace orvanta
