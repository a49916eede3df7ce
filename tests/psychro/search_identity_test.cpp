// The fast wet-bulb and dew-point searches must return exactly what walking
// every step returns: the result of each is defined by its step grid.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "psychro/air.h"

namespace orvanta {
namespace {

// Bit-identical, NaN equal to NaN.
bool Same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }

TEST(SearchIdentity, WetBulbOnADenseGridOfStates) {
  int compared = 0;
  for (double pb : {80000.0, 90000.0, 101325.0, 110000.0, 120000.0})
    for (double t = -60; t <= 200; t += 1.7)
      for (double x = 0; x <= 0.2; x += 0.0071) {
        const double fast = WetBulbTemperature(pb, t, x), slow = WetBulbTemperatureStepped(pb, t, x);
        ASSERT_TRUE(Same(fast, slow)) << pb << " " << t << " " << x << ": " << fast << " vs " << slow;
        ++compared;
      }
  EXPECT_GT(compared, 15000);
}

TEST(SearchIdentity, WetBulbAtTheEdges) {
  // Range ends, saturated and fog states, dry air, and inputs outside the
  // physics (negative x or pressure, below the formula's pole) that take the
  // step-by-step path.
  const double ts[] = {-237.3, -237.29, -237.2, -200, -100, -60, -0.005, 0, 0.005, 60, 200};
  const double xs[] = {-1, -0.622, -0.1, 0, 1e-9, 0.0072584, 0.03, 0.2, 10};
  for (double pb : {1000.0, 80000.0, 101300.0, 120000.0, 1e7})
    for (double t : ts)
      for (double x : xs)
        EXPECT_TRUE(Same(WetBulbTemperature(pb, t, x), WetBulbTemperatureStepped(pb, t, x))) << pb << " " << t << " " << x;
  // A pressure of zero or below never saturates: both walk to the bound.
  for (double pb : {-101300.0, 0.0}) EXPECT_TRUE(Same(WetBulbTemperature(pb, 20, 0.01), WetBulbTemperatureStepped(pb, 20, 0.01)));
  EXPECT_TRUE(Same(WetBulbTemperature(101300, 1e4, 0), WetBulbTemperatureStepped(101300, 1e4, 0)));
}

TEST(SearchIdentity, DewPointOnADenseGridAndAtTheEdges) {
  for (double pb : {80000.0, 90000.0, 101325.0, 110000.0, 120000.0})
    for (double x = 0; x <= 0.2; x += 0.00003) ASSERT_TRUE(Same(DewPointTemperature(pb, x), DewPointTemperatureStepped(pb, x))) << pb << " " << x;
  const double xs[] = {-10, -0.622, -0.3, 0, 1e-12, 0.5, 10, 1e6};
  for (double pb : {-101300.0, 0.0, 1000.0, 101300.0, 1e7, 1e12})
    for (double x : xs) EXPECT_TRUE(Same(DewPointTemperature(pb, x), DewPointTemperatureStepped(pb, x))) << pb << " " << x;
  // The grid is the walk's own: 0.1 added to -40 again and again.
  double td = -40;
  for (int k = 0; k < 493; ++k) td += 0.1;
  EXPECT_TRUE(Same(DewPointTemperature(101325, MoistureContent(101325, SaturationPressure(9.25), 1)), td));
  EXPECT_TRUE(std::isnan(DewPointTemperature(NAN, 0.01)));
}

}  // namespace
}  // namespace orvanta
