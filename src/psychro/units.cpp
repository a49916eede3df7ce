#include "psychro/units.h"

namespace orvanta {

double TemperatureToIP(double c) { return c * 9 / 5 + 32; }
double TemperatureToSI(double f) { return (f - 32) / 1.8; }
double MoistureToIP(double g_per_kg) { return g_per_kg * 7; }
double MoistureToSI(double gr_per_lb) { return gr_per_lb / 7; }
double EnthalpyToIP(double kj_per_kg) { return kj_per_kg * 0.42992; }
double EnthalpyToSI(double btu_per_lb) { return btu_per_lb / 0.42992; }
double DensityToIP(double kg_per_m3) { return kg_per_m3 * 0.06243; }
double DensityToSI(double lb_per_ft3) { return lb_per_ft3 / 0.06243; }
double PressureToIP(double pa) { return pa / 3386.389; }
double PressureToSI(double in_hg) { return in_hg * 3386.389; }
double HeatFlowToIP(double kw) { return kw * 3412; }
double HeatFlowToSI(double btu_per_h) { return btu_per_h / 3412; }
double MassToIP(double kg) { return kg * 2.204623; }
double MassToSI(double lb) { return lb / 2.204623; }
double VolumeFlowToIP(double m3_per_h) { return m3_per_h * 0.58858; }
double VolumeFlowToSI(double cfm) { return cfm / 0.58858; }

}  // namespace orvanta
