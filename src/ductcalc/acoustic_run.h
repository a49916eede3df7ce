// What the hand-over to the acoustic calculator reads of a calculation
// document: the acoustic data of every record, fitting by fitting.
#pragma once

#include <vector>

#include "ductcalc/duct_document.h"
#include "ductcalc/fitting_acoustics.h"

namespace orvanta {

// Records 0 … n (n = Count(), the empty record after the last fitting): the
// type code, the kind and the three octave-band rows as numbers; a stored
// text that is not a number (either decimal separator is read) is empty.
std::vector<FittingAcousticData> AcousticRunData(const DuctDocument& document);

}  // namespace orvanta
