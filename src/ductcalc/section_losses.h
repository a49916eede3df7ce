// Pressure loss of one fitting and the running total of the run, and the
// calculation a confirm of the fitting window makes before it stores.
#pragma once

#include <optional>

#include "ductcalc/basic_data.h"
#include "ductcalc/fitting_record.h"
#include "ductcalc/local_loss.h"
#include "ductcalc/loss_table.h"
#include "ductcalc/velocities.h"

namespace orvanta {

struct SectionLossResult {
  double dpl = 0;  // friction [Pa]
  double dpm = 0;  // local [Pa]
  double dpc = 0;  // total of the fitting [Pa]
};

// True for the kinds with friction (straight round, straight rectangular and
// flexible duct).
bool HasFriction(int kind);

// dpl = λ·(L/Dh)·½ρw² for the kinds with friction, dpm = ζ·½ρw²,
// dpc = dpl + dpm + dpp. L and Dh in metres.
SectionLossResult SectionLosses(int kind, double lambda, double length_m, double dh, double w, double zeta,
                                double dpp, double rho);

// The running total after a fitting with total loss dpc: the shown total
// (or, when the field is empty, the last total), in edit mode first reduced
// by the stored dpc of the record being replaced and rounded to 0.01.
double RunningTotal(std::optional<double> shown_total, double last_total,
                    std::optional<double> replaced_stored_dpc, double dpc);

// The sheet's state the confirm needs.
struct ConfirmContext {
  BasicAirData air{1.197, 1.5e-5};
  std::optional<double> shown_total;  // the sheet's total field; nullopt when empty
  double last_total = 0;              // the last total computed
  std::optional<double> replaced_stored_dpc;  // edit mode: the stored dpc of the edited record
};

// Everything a confirm computes; `stored_*` are the values as the record
// keeps them (rounded as it stores them).
struct FittingResults {
  FittingVelocityResult v;
  LocalLossResult local;  // ζ and where it came from
  double re = 0, lambda = 0;
  double dpp = 0;       // the additional loss used [Pa]
  double zeta_add = 0;  // the additional loss coefficient shown
  bool zeta_add_shown = false;
  SectionLossResult loss;
  double total = 0;  // the new running total
  std::optional<double> mass;  // [kg], unrounded; nullopt when the formula does not apply

  double stored_wc = 0, stored_wb = 0, stored_dpp = 0, stored_zeta = 0;
  double stored_dpl = 0, stored_dpm = 0, stored_dpc = 0, stored_dh1 = 0, stored_dh2 = 0;
  double shown_total = 0;  // the total field after the confirm, to 0.01
};

struct ConfirmOutcome {
  std::optional<DuctRefusal> refusal;  // set: nothing is stored, the window stays open
  FittingResults results;
  bool ok() const { return !refusal; }
};

// The confirm in its order: length, flow, additional loss, roughness,
// geometry, velocities, ζ, friction, losses, total. Every stored number is
// finite; a calculation that would give NaN or infinity is refused.
ConfirmOutcome ConfirmFitting(const FittingInputs& in, const ConfirmContext& ctx, LossTableStore& tables);

// Writes the results a confirm stores into the record: wc, wb, dpp, ζ, dpl,
// dpm, dpc and the two hydraulic diameters, as texts in the general format
// with the given decimal separator ("3,537"). Every value is checked first:
// when one is not finite nothing is written and false is returned.
bool StoreFittingResults(const FittingResults& results, char decimal_separator, FittingRecord& record);

}  // namespace orvanta
