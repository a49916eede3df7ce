// The air-handling unit's last computation as a plain-text report: the
// inputs, the air state after every section that is on, the flows, the
// powers, the condensate and the steam demand, each number rounded as the
// calculator window shows it.
#pragma once

#include <string>

#include "calculators/ahu/unit.h"

namespace orvanta {

struct UnitReportHeading {
  // The design case as the window names it ("OBLICZENIA DLA ZIMY: WARSZAWA"), or empty.
  std::string design_case;
  // Point names of the sections as the window's name edits hold them.
  std::string name_outdoor = "Z", name_recovery = "R", name_mixing = "M", name_cooler = "CH",
              name_supply = "N+", name_exhaust = "W", name_discharge = "Wy";
};

// The report, UTF-8 with CR LF line ends, in Polish or else in English. `in`
// are the inputs the computation settled on (UnitStates::settled); `s` must be
// a finished computation.
std::string UnitReportText(const UnitInputs& in, const UnitStates& s, const UnitReportHeading& heading,
                           char decimal_separator, bool polish = true);

}  // namespace orvanta
