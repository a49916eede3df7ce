// Conversions between the SI values the program keeps and the inch-pound
// values it can show. SI value in, IP value out, and back.
#pragma once

namespace orvanta {

enum class UnitSystem { SI = 0, IP = 1 };

double TemperatureToIP(double c);      // °C -> °F
double TemperatureToSI(double f);      // °F -> °C
double MoistureToIP(double g_per_kg);  // g/kg -> gr/lb
double MoistureToSI(double gr_per_lb); // gr/lb -> g/kg
double EnthalpyToIP(double kj_per_kg); // kJ/kg -> Btu/lb
double EnthalpyToSI(double btu_per_lb);
double DensityToIP(double kg_per_m3);  // kg/m3 -> lb/ft3
double DensityToSI(double lb_per_ft3);
double PressureToIP(double pa);        // Pa -> inHg
double PressureToSI(double in_hg);
double HeatFlowToIP(double kw);        // kW -> Btu/h
double HeatFlowToSI(double btu_per_h);
double MassToIP(double kg);            // kg (also kg/h, kg/s) -> lb
double MassToSI(double lb);
double VolumeFlowToIP(double m3_per_h);  // m3/h -> cfm
double VolumeFlowToSI(double cfm);

}  // namespace orvanta
