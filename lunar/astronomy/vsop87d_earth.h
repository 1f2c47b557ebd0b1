// The VSOP87D series for the Earth, the planetary theory behind the Sun's
// position in the astronomical core.
#pragma once

#include <array>
#include <span>

namespace quillet::astro {

// One periodic term A cos(B + C tau) of a VSOP87 series.
struct VsopTerm {
  double amplitude;  // A
  double phase;      // B, radians
  double frequency;  // C, radians per Julian millennium
};

// Heliocentric ecliptic longitude L, latitude B (radians) and radius vector R
// (astronomical units) of the Earth, each as series X0 .. Xn: X = sum of
// Xi tau^i.
extern const std::array<std::span<const VsopTerm>, 6> kVsop87dEarthL;
extern const std::array<std::span<const VsopTerm>, 5> kVsop87dEarthB;
extern const std::array<std::span<const VsopTerm>, 6> kVsop87dEarthR;

}  // namespace quillet::astro
