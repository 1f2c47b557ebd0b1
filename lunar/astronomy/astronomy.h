// The astronomical core behind the lunar tables: the Sun's apparent longitude,
// the instants of new moons and solar terms, and the time scales between them.
// Instants are Julian days as doubles whose names carry their time scale:
// `jdTT` (Terrestrial Time, the uniform scale of the theories) and `jdUT`
// (Universal Time, the civil clock's scale). Angles are radians.
#pragma once

#include <chrono>
#include <numbers>

namespace quillet::astro {

inline constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Julian day of 2000 January 1.5 TT, the epoch of the theories.
inline constexpr double kJ2000 = 2451545.0;
// Julian day at which std::chrono::sys_days counts 0 (1970-01-01 00:00).
inline constexpr double kJulianDayOfSysDaysEpoch = 2440587.5;
inline constexpr double kSecondsPerDay = 86400.0;

// Brings any angle into [0, 2 pi); every angle of the core is reduced here.
double NormalizeRadians(double angle);
// The signed turn from `from` to `to`, in [-pi, pi).
double SignedRadians(double from, double to);
double DegreesToRadians(double degrees);
double ArcsecondsToRadians(double arcseconds);
double RadiansToArcseconds(double radians);

// Julian day of 0h UT of a civil date, and the civil day holding a Julian day.
double JulianDayOf(std::chrono::sys_days day);
std::chrono::sys_days DayContaining(double julianDay);

// Delta T = TT - UT in seconds for a decimal year of 1900 .. 2150, from the
// Espenak-Meeus polynomials (Five Millennium Canon of Solar Eclipses). They
// follow observed values to the early 2000s; later years are extrapolated.
double DeltaTSeconds(double decimalYear);
double JulianDayUtFromTT(double jdTT);

// The Earth's nutation in longitude (radians) at an instant.
double NutationInLongitude(double jdTT);

struct SunPosition {
  double geometricLongitude;  // FK5, mean equinox of date, [0, 2 pi)
  double radiusAu;            // Earth-Sun distance
  double nutationInLongitude;
  double apparentLongitude;  // with nutation and aberration, [0, 2 pi)
};
SunPosition SunAt(double jdTT);

// The instant at which the Sun's apparent longitude reaches `longitude`,
// starting from a guess within a few days of it.
double SolarLongitudeInstantTT(double longitude, double jdTTGuess);

// The true new moon of lunation `k` (k = 0 is the new moon of 2000 January 6,
// counted in synodic months from it), and the lunation nearest an instant.
double NewMoonTT(int k);
// The instant at which the Moon's apparent longitude exceeds the Sun's by
// 90 degrees times `quarter` (0 new moon, 1 first quarter, 2 full moon, 3 last
// quarter) in lunation `lunation`; LunarPhaseTT(k, 0) is NewMoonTT(k). From
// Meeus's series, which like the new moon's stays within about half a minute
// of the full lunar theory.
double LunarPhaseTT(int lunation, int quarter);
int LunationNear(double jdTT);

}  // namespace quillet::astro
