#include "lunar/astronomy/astronomy.h"

#include <array>
#include <cmath>
#include <span>
#include <stdexcept>

#include "lunar/astronomy/vsop87d_earth.h"

namespace quillet::astro {
namespace {

constexpr double kDaysPerJulianCentury = 36525.0;
constexpr double kDaysPerJulianMillennium = 365250.0;
constexpr double kDaysPerGregorianYear = 365.2425;

// Sum of a VSOP87 series X = sum of Xi tau^i, by Horner's rule.
double EvaluateVsop(std::span<const std::span<const VsopTerm>> series,
                    double tau) {
  double sum = 0.0;
  for (auto power = series.size(); power-- > 0;) {
    double terms = 0.0;
    for (const VsopTerm& term : series[power]) {
      terms += term.amplitude * std::cos(term.phase + term.frequency * tau);
    }
    sum = sum * tau + terms;
  }
  return sum;
}

// Periodic terms of the nutation in longitude, IAU 1980 theory: Meeus,
// Astronomical Algorithms (2nd ed.), table 22.A. Multiples of the arguments
// D, M, M', F, Omega, and the coefficient s0 + s1 T in units of 0.0001".
struct NutationTerm {
  int d, m, mPrime, f, omega;
  double s0, s1;
};
// clang-format off
constexpr NutationTerm kNutationTerms[] = {
    {0, 0, 0, 0, 1, -171996.0, -174.2},
    {-2, 0, 0, 2, 2, -13187.0, -1.6},
    {0, 0, 0, 2, 2, -2274.0, -0.2},
    {0, 0, 0, 0, 2, 2062.0, 0.2},
    {0, 1, 0, 0, 0, 1426.0, -3.4},
    {0, 0, 1, 0, 0, 712.0, 0.1},
    {-2, 1, 0, 2, 2, -517.0, 1.2},
    {0, 0, 0, 2, 1, -386.0, -0.4},
    {0, 0, 1, 2, 2, -301.0, 0.0},
    {-2, -1, 0, 2, 2, 217.0, -0.5},
    {-2, 0, 1, 0, 0, -158.0, 0.0},
    {-2, 0, 0, 2, 1, 129.0, 0.1},
    {0, 0, -1, 2, 2, 123.0, 0.0},
    {2, 0, 0, 0, 0, 63.0, 0.0},
    {0, 0, 1, 0, 1, 63.0, 0.1},
    {2, 0, -1, 2, 2, -59.0, 0.0},
    {0, 0, -1, 0, 1, -58.0, -0.1},
    {0, 0, 1, 2, 1, -51.0, 0.0},
    {-2, 0, 2, 0, 0, 48.0, 0.0},
    {0, 0, -2, 2, 1, 46.0, 0.0},
    {2, 0, 0, 2, 2, -38.0, 0.0},
    {0, 0, 2, 2, 2, -31.0, 0.0},
    {0, 0, 2, 0, 0, 29.0, 0.0},
    {-2, 0, 1, 2, 2, 29.0, 0.0},
    {0, 0, 0, 2, 0, 26.0, 0.0},
    {-2, 0, 0, 2, 0, -22.0, 0.0},
    {0, 0, -1, 2, 1, 21.0, 0.0},
    {0, 2, 0, 0, 0, 17.0, -0.1},
    {2, 0, -1, 0, 1, 16.0, 0.0},
    {-2, 2, 0, 2, 2, -16.0, 0.1},
    {0, 1, 0, 0, 1, -15.0, 0.0},
    {-2, 0, 1, 0, 1, -13.0, 0.0},
    {0, -1, 0, 0, 1, -12.0, 0.0},
    {0, 0, 2, -2, 0, 11.0, 0.0},
    {2, 0, -1, 2, 1, -10.0, 0.0},
    {2, 0, 1, 2, 2, -8.0, 0.0},
    {0, 1, 0, 2, 2, 7.0, 0.0},
    {-2, 1, 1, 0, 0, -7.0, 0.0},
    {0, -1, 0, 2, 2, -7.0, 0.0},
    {2, 0, 0, 2, 1, -7.0, 0.0},
    {2, 0, 1, 0, 0, 6.0, 0.0},
    {-2, 0, 2, 2, 2, 6.0, 0.0},
    {-2, 0, 1, 2, 1, 6.0, 0.0},
    {2, 0, -2, 0, 1, -6.0, 0.0},
    {2, 0, 0, 0, 1, -6.0, 0.0},
    {0, -1, 1, 0, 0, 5.0, 0.0},
    {-2, -1, 0, 2, 1, -5.0, 0.0},
    {-2, 0, 0, 0, 1, -5.0, 0.0},
    {0, 0, 2, 2, 1, -5.0, 0.0},
    {-2, 0, 2, 0, 1, 4.0, 0.0},
    {-2, 1, 0, 2, 1, 4.0, 0.0},
    {0, 0, 1, -2, 0, 4.0, 0.0},
    {-1, 0, 1, 0, 0, -4.0, 0.0},
    {-2, 1, 0, 0, 0, -4.0, 0.0},
    {1, 0, 0, 0, 0, -4.0, 0.0},
    {0, 0, 1, 2, 0, 3.0, 0.0},
    {0, 0, -2, 2, 2, -3.0, 0.0},
    {-1, -1, 1, 0, 0, -3.0, 0.0},
    {0, 1, 1, 0, 0, -3.0, 0.0},
    {0, -1, 1, 2, 2, -3.0, 0.0},
    {2, -1, -1, 2, 2, -3.0, 0.0},
    {0, 0, 3, 2, 2, -3.0, 0.0},
    {2, -1, 0, 2, 2, -3.0, 0.0},
};
// clang-format on

double Polynomial(double x, std::initializer_list<double> coefficients) {
  double sum = 0.0;
  for (auto it = std::rbegin(coefficients); it != std::rend(coefficients);
       ++it) {
    sum = sum * x + *it;
  }
  return sum;
}

}  // namespace

double NormalizeRadians(double angle) {
  const double reduced = std::fmod(angle, kTwoPi);
  return reduced < 0.0 ? reduced + kTwoPi : reduced;
}

double SignedRadians(double from, double to) {
  const double turn = NormalizeRadians(to - from);  // [0, 2 pi)
  return turn >= std::numbers::pi ? turn - kTwoPi : turn;
}

double DegreesToRadians(double degrees) {
  return degrees * (std::numbers::pi / 180.0);
}

double ArcsecondsToRadians(double arcseconds) {
  return DegreesToRadians(arcseconds / 3600.0);
}

double RadiansToArcseconds(double radians) {
  return radians * (180.0 / std::numbers::pi) * 3600.0;
}

double JulianDayOf(std::chrono::sys_days day) {
  return kJulianDayOfSysDaysEpoch +
         static_cast<double>(day.time_since_epoch().count());
}

std::chrono::sys_days DayContaining(double julianDay) {
  const auto count =
      static_cast<int>(std::floor(julianDay - kJulianDayOfSysDaysEpoch));
  return std::chrono::sys_days{std::chrono::days{count}};
}

// Espenak & Meeus, "Five Millennium Canon of Solar Eclipses" (NASA, 2006),
// polynomial expressions for Delta T; t in years from each piece's epoch.
// They take a decimal year; ours runs on continuously instead of stepping at
// mid-month, which moves Delta T by hundredths of a second at most.
double DeltaTSeconds(double decimalYear) {
  const double y = decimalYear;
  if (y < 1900.0 || y > 2150.0) {
    throw std::out_of_range("DeltaTSeconds: decimalYear outside 1900..2150");
  }
  if (y < 1920.0) {
    return Polynomial(y - 1900.0,
                      {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
  }
  if (y < 1941.0) {
    return Polynomial(y - 1920.0, {21.20, 0.84493, -0.076100, 0.0020936});
  }
  if (y < 1961.0) {
    return Polynomial(y - 1950.0, {29.07, 0.407, -1.0 / 233, 1.0 / 2547});
  }
  if (y < 1986.0) {
    return Polynomial(y - 1975.0, {45.45, 1.067, -1.0 / 260, -1.0 / 718});
  }
  if (y < 2005.0) {
    return Polynomial(y - 2000.0, {63.86, 0.3345, -0.060374, 0.0017275,
                                   0.000651814, 0.00002373599});
  }
  if (y < 2050.0) {
    return Polynomial(y - 2000.0, {62.92, 0.32217, 0.005589});
  }
  // The long-term parabola -20 + 32 u^2 (u in centuries from 1820), less a
  // linear term that joins it to the piece before at 2050 and vanishes at
  // 2150. Like the later years of the piece before, a forecast.
  const double u = (y - 1820.0) / 100.0;
  return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

double JulianDayUtFromTT(double jdTT) {
  const double decimalYear = 2000.0 + (jdTT - kJ2000) / kDaysPerGregorianYear;
  return jdTT - DeltaTSeconds(decimalYear) / kSecondsPerDay;
}

// Meeus, Astronomical Algorithms (2nd ed.), ch. 22: fundamental arguments in
// degrees, T in Julian centuries of TT from J2000.0.
double NutationInLongitude(double jdTT) {
  const double t = (jdTT - kJ2000) / kDaysPerJulianCentury;
  const double d = DegreesToRadians(
      Polynomial(t, {297.85036, 445267.111480, -0.0019142, 1.0 / 189474}));
  const double m = DegreesToRadians(
      Polynomial(t, {357.52772, 35999.050340, -0.0001603, -1.0 / 300000}));
  const double mPrime = DegreesToRadians(
      Polynomial(t, {134.96298, 477198.867398, 0.0086972, 1.0 / 56250}));
  const double f = DegreesToRadians(
      Polynomial(t, {93.27191, 483202.017538, -0.0036825, 1.0 / 327270}));
  const double omega = DegreesToRadians(
      Polynomial(t, {125.04452, -1934.136261, 0.0020708, 1.0 / 450000}));
  double sum = 0.0;  // 0.0001"
  for (const NutationTerm& term : kNutationTerms) {
    const double argument = term.d * d + term.m * m + term.mPrime * mPrime +
                            term.f * f + term.omega * omega;
    sum += (term.s0 + term.s1 * t) * std::sin(argument);
  }
  return ArcsecondsToRadians(sum * 0.0001);
}

// Meeus, Astronomical Algorithms (2nd ed.), ch. 25 "higher accuracy": the
// geocentric Sun from VSOP87D, reduced to the FK5 system (32.3), plus the
// nutation in longitude and the annual aberration 20.4898" / R.
SunPosition SunAt(double jdTT) {
  const double tau = (jdTT - kJ2000) / kDaysPerJulianMillennium;
  const double t = tau * 10.0;  // Julian centuries
  const double earthL = EvaluateVsop(kVsop87dEarthL, tau);
  const double earthB = EvaluateVsop(kVsop87dEarthB, tau);
  const double radius = EvaluateVsop(kVsop87dEarthR, tau);
  const double theta = earthL + std::numbers::pi;  // geocentric
  const double beta = -earthB;
  const double lambdaPrime =
      theta - DegreesToRadians(Polynomial(t, {0.0, 1.397, 0.00031}));
  const double fk5Longitude =
      theta +
      ArcsecondsToRadians(
          -0.09033 + 0.03916 * (std::cos(lambdaPrime) + std::sin(lambdaPrime)) *
                         std::tan(beta));
  const double nutation = NutationInLongitude(jdTT);
  const double aberration = ArcsecondsToRadians(-20.4898 / radius);
  return SunPosition{
      .geometricLongitude = NormalizeRadians(fk5Longitude),
      .radiusAu = radius,
      .nutationInLongitude = nutation,
      .apparentLongitude =
          NormalizeRadians(fk5Longitude + nutation + aberration),
  };
}

double SolarLongitudeInstantTT(double longitude, double jdTTGuess) {
  // The Sun gains about 2 pi per tropical year; Newton's steps with that rate
  // gain a factor of about 30 each, so a dozen reach well below a second.
  constexpr double kMeanRadiansPerDay = kTwoPi / 365.2422;
  double jdTT = jdTTGuess;
  for (int step = 0; step < 20; ++step) {
    const double correction =
        SignedRadians(SunAt(jdTT).apparentLongitude, longitude) /
        kMeanRadiansPerDay;
    jdTT += correction;
    if (std::abs(correction) < 1e-7) return jdTT;  // < 0.01 s
  }
  throw std::runtime_error("SolarLongitudeInstantTT: no convergence");
}

// Meeus, Astronomical Algorithms (2nd ed.), ch. 49: the mean phase (49.1)
// with the periodic terms of the phase and the 14 planetary arguments, for
// k = lunation + quarter / 4. Angles in degrees, T in Julian centuries from
// J2000.0.
double LunarPhaseTT(int lunation, int quarter) {
  if (quarter < 0 || quarter > 3) {
    throw std::out_of_range("LunarPhaseTT: quarter outside 0..3");
  }
  const double kk = lunation + quarter / 4.0;
  const double t = kk / 1236.85;
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double t4 = t3 * t;
  const double meanJde = 2451550.09766 + 29.530588861 * kk + 0.00015437 * t2 -
                         0.000000150 * t3 + 0.00000000073 * t4;
  const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
  const double m = DegreesToRadians(2.5534 + 29.10535670 * kk - 0.0000014 * t2 -
                                    0.00000011 * t3);
  const double mp =
      DegreesToRadians(201.5643 + 385.81693528 * kk + 0.0107582 * t2 +
                       0.00001238 * t3 - 0.000000058 * t4);
  const double f =
      DegreesToRadians(160.7108 + 390.67050284 * kk - 0.0016118 * t2 -
                       0.00000227 * t3 + 0.000000011 * t4);
  const double omega = DegreesToRadians(124.7746 - 1.56375588 * kk +
                                        0.0020672 * t2 + 0.00000215 * t3);
  using std::cos;
  using std::sin;
  double periodic = 0.0;  // days
  if (quarter == 0) {
    // Periodic terms for the new moon.
    periodic = -0.40720 * sin(mp) + 0.17241 * e * sin(m) +
               0.01608 * sin(2 * mp) + 0.01039 * sin(2 * f) +
               0.00739 * e * sin(mp - m) - 0.00514 * e * sin(mp + m) +
               0.00208 * e * e * sin(2 * m) - 0.00111 * sin(mp - 2 * f) -
               0.00057 * sin(mp + 2 * f) + 0.00056 * e * sin(2 * mp + m) -
               0.00042 * sin(3 * mp) + 0.00042 * e * sin(m + 2 * f) +
               0.00038 * e * sin(m - 2 * f) - 0.00024 * e * sin(2 * mp - m) -
               0.00017 * sin(omega) - 0.00007 * sin(mp + 2 * m) +
               0.00004 * sin(2 * mp - 2 * f) + 0.00004 * sin(3 * m) +
               0.00003 * sin(mp + m - 2 * f) + 0.00003 * sin(2 * mp + 2 * f) -
               0.00003 * sin(mp + m + 2 * f) + 0.00003 * sin(mp - m + 2 * f) -
               0.00002 * sin(mp - m - 2 * f) - 0.00002 * sin(3 * mp + m) +
               0.00002 * sin(4 * mp);
  } else if (quarter == 2) {
    // Periodic terms for the full moon.
    periodic = -0.40614 * sin(mp) + 0.17302 * e * sin(m) +
               0.01614 * sin(2 * mp) + 0.01043 * sin(2 * f) +
               0.00734 * e * sin(mp - m) - 0.00515 * e * sin(mp + m) +
               0.00209 * e * e * sin(2 * m) - 0.00111 * sin(mp - 2 * f) -
               0.00057 * sin(mp + 2 * f) + 0.00056 * e * sin(2 * mp + m) -
               0.00042 * sin(3 * mp) + 0.00042 * e * sin(m + 2 * f) +
               0.00038 * e * sin(m - 2 * f) - 0.00024 * e * sin(2 * mp - m) -
               0.00017 * sin(omega) - 0.00007 * sin(mp + 2 * m) +
               0.00004 * sin(2 * mp - 2 * f) + 0.00004 * sin(3 * m) +
               0.00003 * sin(mp + m - 2 * f) + 0.00003 * sin(2 * mp + 2 * f) -
               0.00003 * sin(mp + m + 2 * f) + 0.00003 * sin(mp - m + 2 * f) -
               0.00002 * sin(mp - m - 2 * f) - 0.00002 * sin(3 * mp + m) +
               0.00002 * sin(4 * mp);
  } else {
    // Periodic terms for the quarters, and Meeus's correction W, added at
    // the first quarter and taken away at the last.
    periodic =
        -0.62801 * sin(mp) + 0.17172 * e * sin(m) - 0.01183 * e * sin(mp + m) +
        0.00862 * sin(2 * mp) + 0.00804 * sin(2 * f) +
        0.00454 * e * sin(mp - m) + 0.00204 * e * e * sin(2 * m) -
        0.00180 * sin(mp - 2 * f) - 0.00070 * sin(mp + 2 * f) -
        0.00040 * sin(3 * mp) - 0.00034 * e * sin(2 * mp - m) +
        0.00032 * e * sin(m + 2 * f) + 0.00032 * e * sin(m - 2 * f) -
        0.00028 * e * e * sin(mp + 2 * m) + 0.00027 * e * sin(2 * mp + m) -
        0.00017 * sin(omega) - 0.00005 * sin(mp - m - 2 * f) +
        0.00004 * sin(2 * mp + 2 * f) - 0.00004 * sin(mp + m + 2 * f) +
        0.00004 * sin(mp - 2 * m) + 0.00003 * sin(mp + m - 2 * f) +
        0.00003 * sin(3 * m) + 0.00002 * sin(2 * mp - 2 * f) +
        0.00002 * sin(mp - m + 2 * f) - 0.00002 * sin(3 * mp + m);
    const double w = 0.00306 - 0.00038 * e * cos(m) + 0.00026 * cos(mp) -
                     0.00002 * cos(mp - m) + 0.00002 * cos(mp + m) +
                     0.00002 * cos(2 * f);
    periodic += quarter == 1 ? w : -w;
  }
  // Planetary arguments A1 .. A14 (degrees) and their coefficients (days),
  // the same for every phase.
  struct PlanetaryTerm {
    double coefficient, base, perLunation;
  };
  static constexpr PlanetaryTerm kPlanetary[] = {
      {0.000325, 299.77, 0.107408},  {0.000165, 251.88, 0.016321},
      {0.000164, 251.83, 26.651886}, {0.000126, 349.42, 36.412478},
      {0.000110, 84.66, 18.206239},  {0.000062, 141.74, 53.303771},
      {0.000060, 207.14, 2.453732},  {0.000056, 154.84, 7.306860},
      {0.000047, 34.52, 27.261239},  {0.000042, 207.19, 0.121824},
      {0.000040, 291.34, 1.844379},  {0.000037, 161.72, 24.198154},
      {0.000035, 239.56, 25.513099}, {0.000023, 331.55, 3.592518},
  };
  double planetary = 0.0;
  for (const PlanetaryTerm& term : kPlanetary) {
    double argument = term.base + term.perLunation * kk;
    if (&term == &kPlanetary[0]) argument -= 0.009173 * t2;  // A1 only
    planetary += term.coefficient * sin(DegreesToRadians(argument));
  }
  return meanJde + periodic + planetary;
}

double NewMoonTT(int k) { return LunarPhaseTT(k, 0); }

int LunationNear(double jdTT) {
  return static_cast<int>(std::lround((jdTT - 2451550.09766) / 29.530588861));
}

}  // namespace quillet::astro
