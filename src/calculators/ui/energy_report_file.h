// The energy report as a file: the core's cells (BuildEnergyReport) written
// into a copy of the report template of the language, the year chart placed
// at the report's picture cell, saved in the temporary folder.
#pragma once

#include <QImage>
#include <QString>

#include "calculators/energy/energy_report.h"

namespace orvanta {

struct EnergyReportOutcome {
  bool written = false;
  QString report_path;  // the file written (or that would have been)
  QString message;      // why nothing was written, naming the file
};

// `chart` may be null: the report then has no picture. `folder` empty means
// the user's temporary folder. Writes under a temporary name and renames, so
// a failure leaves no report file behind.
EnergyReportOutcome WriteEnergyReportFile(const EnergyReport& report, const QImage& chart,
                                          const QString& folder = {});

}  // namespace orvanta
