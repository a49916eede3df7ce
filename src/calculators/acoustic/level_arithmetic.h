// Decibel arithmetic of the acoustic calculators: the eight octave bands,
// the energetic sum of levels and the A-weighting of octave levels.
#pragma once

#include <array>
#include <span>

namespace orvanta::calculators {

inline constexpr int kOctaveBands = 8;
using OctaveLevels = std::array<double, kOctaveBands>;

// Centre frequencies [Hz] of the bands, left to right in every window.
inline constexpr std::array<int, kOctaveBands> kOctaveBandHz = {63, 125, 250, 500, 1000, 2000, 4000, 8000};

// Corrections [dB] added to an unweighted octave level to give its A-weighted level.
inline constexpr OctaveLevels kAWeighting = {-26, -16, -9, -3, 0, 1, 1, -1};

// 10·log10(Σ 10^(0.1·Li)). Computed relative to the largest level, so very
// high levels do not overflow; an empty list gives -infinity (no sound), as
// does a list of -infinity levels. A NaN level gives NaN.
double EnergeticSum(std::span<const double> levels);

// The row with the A-weighting correction of each band added.
OctaveLevels AWeighted(const OctaveLevels& unweighted);

}  // namespace orvanta::calculators
