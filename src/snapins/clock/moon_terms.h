// The periodic terms of the Moon's position (J. Meeus, Astronomical
// Algorithms, tables 47.A and 47.B of the second edition): multipliers of the
// Moon's mean elongation D, the Sun's mean anomaly M, the Moon's mean anomaly
// M' and its argument of latitude F, with coefficients in millionths of a
// degree (longitude, latitude) and thousandths of a kilometre (distance).
#pragma once

#include <array>

namespace tolvex {

struct TMoonTerm {
  int d;
  int m;
  int mPrime;
  int f;
  long longitude;  // for the latitude table: the latitude coefficient
  long distance;   // unused by the latitude table
};

extern const std::array<TMoonTerm, 60> kMoonLongitudeDistanceTerms;
extern const std::array<TMoonTerm, 60> kMoonLatitudeTerms;

}  // namespace tolvex
