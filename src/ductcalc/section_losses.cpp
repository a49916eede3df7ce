#include "ductcalc/section_losses.h"

#include <cmath>

#include "ductcalc/fitting_mass.h"
#include "ductcalc/friction.h"
#include "psychro/number_text.h"

namespace orvanta {
namespace {

ConfirmOutcome Refuse(DuctRefusal r) {
  ConfirmOutcome out;
  out.refusal = std::move(r);
  return out;
}

// The kinds whose ζ divides by the length (offsets, hoods, transitions,
// reducers) need a length greater than 0.
bool NeedsPositiveLength(int kind) {
  return kind == 3 || kind == 5 || kind == 7 || kind == 8 || kind == 12 || kind == 14 || kind == 16 ||
         kind == 17;
}

}  // namespace

bool HasFriction(int kind) { return kind == kRoundDuct || kind == kRectDuct || kind == kFlexDuct; }

SectionLossResult SectionLosses(int kind, double lambda, double length_m, double dh, double w, double zeta,
                                double dpp, double rho) {
  SectionLossResult r;
  const double dynamic = 0.5 * rho * w * w;
  r.dpl = HasFriction(kind) && dh > 0 ? lambda * (length_m / dh) * dynamic : 0;
  r.dpm = zeta * dynamic;
  r.dpc = r.dpl + r.dpm + dpp;
  return r;
}

double RunningTotal(std::optional<double> shown_total, double last_total,
                    std::optional<double> replaced_stored_dpc, double dpc) {
  double base = shown_total.value_or(last_total);
  if (replaced_stored_dpc) base = RoundToStep(base - *replaced_stored_dpc, 0.01);
  return base + dpc;
}

ConfirmOutcome ConfirmFitting(const FittingInputs& in, const ConfirmContext& ctx, LossTableStore& tables) {
  const int kind = in.kind;
  if (!in.length_mm && !(kind == 2 || kind == 9 || kind == 11 || kind == 18)) return Refuse({663, ""});
  if (!in.vc || !std::isfinite(*in.vc) || *in.vc <= 0) return Refuse({664, ""});
  const double dpp_field = in.dpp.value_or(0);
  if (!in.k_mm) return Refuse({665, ""});
  if (!std::isfinite(*in.k_mm) || *in.k_mm < 0) return Refuse({0, "The roughness k must not be negative."});
  if (!std::isfinite(dpp_field)) return Refuse({0, "The additional loss is not a number."});
  if (auto r = CheckFittingGeometry(in)) return Refuse(*r);
  if (NeedsPositiveLength(kind) && !(in.length_mm.value_or(0) > 0))
    return Refuse({0, "The length L of this fitting must be greater than 0 mm."});
  if (!(ctx.air.rho > 0 && ctx.air.nu > 0 && std::isfinite(ctx.air.rho) && std::isfinite(ctx.air.nu)))
    return Refuse({0, "The basic data give no air density or viscosity; check them."});

  ConfirmOutcome out;
  FittingResults& r = out.results;
  r.v = FittingVelocities(in);
  const double rho = ctx.air.rho;
  // The additional-loss pair follows the velocities; the loss uses dpp.
  r.dpp = dpp_field;
  if (in.zeta_add_given) {
    r.zeta_add = in.zeta_add;
    r.zeta_add_shown = true;
    if (auto p = AdditionalPressureFromZeta(in.zeta_add, rho, r.v.w1)) r.dpp = *p;
  } else if (auto z = AdditionalZetaFromPressure(dpp_field, rho, r.v.w1)) {
    r.zeta_add = *z;
    r.zeta_add_shown = true;
  }

  r.local = LocalLossCoefficient(in, r.v, tables);
  if (r.local.refusal) return Refuse(*r.local.refusal);

  const double length_m = in.length_mm.value_or(0) / 1000;
  if (HasFriction(kind)) {
    r.re = r.v.w1 * r.v.dh1 / ctx.air.nu;
    const auto lambda = FrictionFactor(r.re, *in.k_mm / 1000, r.v.dh1);
    if (!lambda) return Refuse({0, "No friction factor can be found for this roughness and duct size."});
    r.lambda = *lambda;
  }
  r.loss = SectionLosses(kind, r.lambda, length_m, r.v.dh1, r.v.w1, r.local.zeta, r.dpp, rho);
  r.total = RunningTotal(ctx.shown_total, ctx.last_total, ctx.replaced_stored_dpc, r.loss.dpc);
  r.mass = FittingMass(in);

  r.stored_wc = RoundToStep(r.v.w1, 0.001);
  r.stored_wb = RoundToStep(r.v.w2, 0.001);
  r.stored_dpp = RoundToStep(r.dpp, 0.01);
  r.stored_zeta = RoundToStep(r.local.zeta + 2 * r.dpp / (rho * r.v.w1 * r.v.w1), 0.01);
  r.stored_dpl = RoundToStep(r.loss.dpl, 0.01);
  r.stored_dpm = RoundToStep(r.loss.dpm, 0.01);
  r.stored_dpc = RoundToStep(r.loss.dpc, 0.01);
  r.stored_dh1 = RoundToStep(r.v.dh1 * 1000, 0.1);
  r.stored_dh2 = HasSecondSection(kind) ? RoundToStep(r.v.dh2 * 1000, 0.1) : 0;
  r.shown_total = RoundToStep(r.total, 0.01);

  for (double x : {r.v.w1, r.v.w2, r.v.ws, r.v.dh1, r.v.dh2, r.local.zeta, r.re, r.lambda, r.dpp, r.loss.dpl,
                   r.loss.dpm, r.loss.dpc, r.total, r.stored_zeta, r.zeta_add})
    if (!std::isfinite(x))
      return Refuse({0, "The calculation of this fitting gives no finite result; check its dimensions and flows."});
  return out;
}

bool StoreFittingResults(const FittingResults& r, char decimal_separator, FittingRecord& record) {
  const std::pair<FittingField, double> values[] = {
      {FittingField::VelocityMain, r.stored_wc},
      {FittingField::VelocityBranch, r.stored_wb},
      {FittingField::ExtraLoss, r.stored_dpp},
      {FittingField::Zeta, r.stored_zeta},
      {FittingField::FrictionLoss, r.stored_dpl},
      {FittingField::LocalLoss, r.stored_dpm},
      {FittingField::TotalLoss, r.stored_dpc},
      {FittingField::HydraulicDiameterMain, r.stored_dh1},
      {FittingField::HydraulicDiameterSecond, r.stored_dh2},
  };
  for (const auto& [field, v] : values)
    if (!std::isfinite(v)) return false;
  for (const auto& [field, v] : values) record.Text(field) = NumberText(v, decimal_separator);
  return true;
}

}  // namespace orvanta
