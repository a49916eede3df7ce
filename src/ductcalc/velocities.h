// The numbers of the fitting window and the velocities of a fitting.
#pragma once

#include <optional>
#include <string>

namespace orvanta {

// π as the velocity formulas take it (the loss tables' area ratios and the
// mass use full precision).
inline constexpr double kVelocityPi = 3.1415;

// Kinds of fitting, numbered as the palette and the stored record number them.
enum FittingKindNumber : int {
  kRoundDuct = 1, kRoundBend, kRoundOffset, kRoundTee, kRoundRoofHood, kRoundYBranch,
  kRoundToRect, kRoundReducer, kRoundGrille, kRectDuct, kRectBend, kRectOffset, kRectTee,
  kRectRoofHood, kRectYBranch, kRectToRound, kRectReducer, kRectGrille, kFlexDuct,
  kWallIntake, kRoundSilencer, kRectSilencer, kRoundFan, kRectFan,
};
inline constexpr int kFittingKindCount = 24;

// A refusal: `text` is the language text to show; 0 means one of our own
// messages, given in English in `message` (the UI translates it).
struct DuctRefusal {
  int text = 0;
  std::string message;
};

// The inputs of the fitting window as numbers (lengths in mm, flows in
// m3/h). An empty field is nullopt where the confirm treats empty specially.
struct FittingInputs {
  int kind = kRoundDuct;
  std::optional<double> length_mm = 0;
  double phi1_mm = 0, phi2_mm = 0;
  double a_mm = 0, b_mm = 0, c_mm = 0, d_mm = 0;
  double angle_deg = 0;
  double r_over_d = 0;
  double e_mm = 0;
  std::optional<double> k_mm = 0.15;
  std::optional<double> vc = 0;
  double vb = 0;
  std::optional<double> dpp = 0;  // additional loss [Pa], the field the calculation reads
  double zeta_add = 0;            // additional loss coefficient
  bool zeta_add_given = false;    // "Dodatkowe" selected: dpp follows ζadd
  int round_bend_type = 0;        // 0 smooth, 1..3 segmented of 5, 4, 3 pieces
  int rect_bend_type = 0;         // 0 radius bend, 1 mitred elbow
  int tee_path = 0;               // 0 through, 1 branch
  int tee_flow = 0;               // 0 diverging, 1 converging
  bool intake = true;             // roof hoods: intake, else outlet
  double wall_mm = 0.63, wall_density = 7350;
  double insulation_mm = 0, insulation_density = 37;
};

struct FittingVelocityResult {
  double w1 = 0, w2 = 0, ws = 0;  // [m/s]
  double dh1 = 0, dh2 = 0;        // [m]; dh2 is 0 for kinds with one section
};

// True for the kinds with a second section (and a second velocity).
bool HasSecondSection(int kind);
// True for the kinds whose window shows the length L.
bool ShowsLength(int kind);

// Velocities and hydraulic diameters of the kind from its dimensions and
// flows (an empty flow counts as 0). Unused dimensions do not matter; a used
// dimension of 0 gives velocity 0 rather than a division by zero.
FittingVelocityResult FittingVelocities(const FittingInputs& in);

// Refuses a dimension the kind uses that is not greater than 0, a negative
// length, offset, branch flow, wall or insulation value.
std::optional<DuctRefusal> CheckFittingGeometry(const FittingInputs& in);

// The additional-loss pair; nullopt when the velocity is 0 (the other field
// keeps its text) or the result is not finite.
std::optional<double> AdditionalZetaFromPressure(double dpp, double rho, double w1);  // to 0.01
std::optional<double> AdditionalPressureFromZeta(double zeta, double rho, double w1);  // to 0.1

}  // namespace orvanta
