// Positions of the Sun and the Moon and the phase angle between them.
#include "snapins/clock/moon_phase.h"

#include <cfenv>
#include <cmath>
#include <numbers>

#include "snapins/clock/moon_terms.h"

namespace tolvex {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
// The date/time value of 1 January 2000 and the Julian day of its midnight.
constexpr long double kDate2000 = 36526.0L;
constexpr long double kJulianDay2000 = 2451544.5L;
// The date/time value of 14 October 1582 00:00.
constexpr long double kLastDateWithoutJulianDay = -115859.0L;
constexpr long double kAstronomicalUnitKm = 149597869.0L;

struct TEclipticPosition {
  long double longitude;  // degrees
  long double latitude;   // degrees
  long double distance;   // kilometres
};

TEclipticPosition Sun(long double t) {
  const long double l0 = 280.46645L + 36000.76983L * t + 0.0003032L * t * t;
  const long double m = 357.5291L + 35999.0503L * t - 0.0001559L * t * t - 0.00000048L * t * t * t;
  const long double e = 0.016708617L - 0.000042037L * t - 0.0000001236L * t * t;
  const long double c = (1.9146L - 0.004817L * t - 0.000014L * t * t) * SinDeg(m) +
                        (0.019993L - 0.000101L * t) * SinDeg(2 * m) + 0.00029L * SinDeg(3 * m);
  const long double trueLongitude = PutInto360(l0 + c);
  const long double trueAnomaly = m + c;
  const long double r =
      1.000001018L * (1 - e * e) / (1 + e * CosDeg(trueAnomaly)) * kAstronomicalUnitKm;
  const long double omega =
      125.04452L - 1934.136261L * t + 0.0020708L * t * t + t * t * t / 450000.0L;
  const long double longitude = PutInto360(trueLongitude - 0.00569L - 0.00478L * SinDeg(omega) -
                                           (20.4898L / 3600.0L) / (r / kAstronomicalUnitKm));
  return {longitude, 0.0L, r};
}

// The factor of a term by its multiple of the Sun's mean anomaly: the
// eccentricity of the Earth's orbit shrinks those terms.
long double EccentricityFactor(int m, long double e) {
  if (std::abs(m) == 1) return e;
  if (std::abs(m) == 2) return e * e;
  return 1.0L;
}

TEclipticPosition Moon(long double t) {
  const long double t2 = t * t;
  const long double t3 = t2 * t;
  const long double t4 = t3 * t;
  const long double lPrime =
      218.3164591L + 481267.88134236L * t - 0.0013268L * t2 + t3 / 538841.0L - t4 / 65194000.0L;
  const long double d =
      297.8502042L + 445267.1115168L * t - 0.00163L * t2 + t3 / 545868.0L - t4 / 113065000.0L;
  const long double m = 357.5291092L + 35999.0502909L * t - 0.0001536L * t2 + t3 / 24490000.0L;
  const long double mPrime =
      134.9634114L + 477198.8676313L * t + 0.008997L * t2 + t3 / 69699.0L - t4 / 1471200.0L;
  const long double f =
      93.2720993L + 483202.0175273L * t - 0.0034029L * t2 - t3 / 3526000.0L + t4 / 863310000.0L;
  const long double a1 = 119.75L + 131.849L * t;
  const long double a2 = 53.09L + 479264.29L * t;
  const long double a3 = 313.45L + 481266.484L * t;
  const long double e = 1 - 0.002516L * t - 0.0000074L * t2;

  auto argument = [&](const TMoonTerm& term) {
    return term.d * d + term.m * m + term.mPrime * mPrime + term.f * f;
  };
  long double sumL = 0, sumR = 0, sumB = 0;
  for (const TMoonTerm& term : kMoonLongitudeDistanceTerms) {
    const long double factor = EccentricityFactor(term.m, e);
    sumL += term.longitude * SinDeg(argument(term)) * factor;
    sumR += term.distance * CosDeg(argument(term)) * factor;
  }
  for (const TMoonTerm& term : kMoonLatitudeTerms) {
    sumB += term.longitude * SinDeg(argument(term)) * EccentricityFactor(term.m, e);
  }
  sumL += 3958 * SinDeg(a1) + 1962 * SinDeg(lPrime - f) + 318 * SinDeg(a2);
  sumB += -2235 * SinDeg(lPrime) + 382 * SinDeg(a3) + 175 * SinDeg(a1 - f) + 175 * SinDeg(a1 + f) +
          127 * SinDeg(lPrime - mPrime) - 115 * SinDeg(lPrime + mPrime);
  return {lPrime + sumL / 1000000.0L, sumB / 1000000.0L, 385000.56L + sumR / 1000.0L};
}

}  // namespace

long double RoundHalfEven(long double x) {
  // nearbyint follows the rounding mode, which is to-nearest-even unless
  // someone changed it; the mode is set here so the result never depends on
  // that.
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const long double rounded = std::nearbyint(x);
  std::fesetround(saved);
  return rounded;
}

long double PutInto360(long double x) {
  long double result = x - RoundHalfEven(x / 360.0L) * 360.0L;
  // For a huge x the product loses the digits that matter and the
  // difference can be far outside -180..180; adding 360 to it would never
  // end.
  if (!(std::abs(result) <= 180.0L)) result = std::fmod(result, 360.0L);
  if (result < 0) result += 360.0L;
  return result;
}

long double SinDeg(long double degrees) {
  return std::sin(PutInto360(degrees) * kPi / 180.0L);
}

long double CosDeg(long double degrees) {
  return std::cos(PutInto360(degrees) * kPi / 180.0L);
}

long double JulianDay(TDateTime date) {
  if (!std::isfinite(date) || date <= kLastDateWithoutJulianDay) return 0.0L;
  return static_cast<long double>(date) + kJulianDay2000 - kDate2000;
}

long double MoonPhaseAngle(TDateTime date) {
  const long double t = (JulianDay(date) - 2451545.0L) / 36525.0L;
  const TEclipticPosition sun = Sun(t);
  const TEclipticPosition moon = Moon(t);
  const long double psi = std::acos(CosDeg(moon.latitude) * CosDeg(moon.longitude - sun.longitude));
  const long double i =
      std::atan2(sun.distance * std::sin(psi), moon.distance - sun.distance * std::cos(psi)) *
      180.0L / kPi;
  const long double signedAngle = PutInto360(moon.longitude - sun.longitude) > 180 ? -i : i;
  return PutInto360(signedAngle);
}

}  // namespace tolvex
