#include "calculators/ui/energy_report_file.h"

namespace orvanta {

// Placeholder until the report templates exist: says so instead of writing.
EnergyReportOutcome WriteEnergyReportFile(const EnergyReport& report, const QImage& chart, const QString& folder) {
  (void)chart;
  (void)folder;
  EnergyReportOutcome outcome;
  outcome.message = "The energy report template " + QString::fromStdString(report.template_name) +
                    " is not installed.";
  return outcome;
}

}  // namespace orvanta
