#include <gtest/gtest.h>

#include <cmath>

#include "eos/Globals.h"
#include "eos/PhysicalRoots.h"

using namespace Globals;

namespace {

// The roots that the inversions reach from the windows' own starts at states of the grid are
// refused for exactly these reasons.
TEST(PhysicalRoots, RootsThatAreNoStateOfMethaneAreRefused) {
  EXPECT_FALSE(IsPhysicalState(514, 9.669));       // below the range of molar volume
  EXPECT_FALSE(IsPhysicalState(51.81, 38.63));     // below the triple point
  EXPECT_FALSE(IsPhysicalState(150, 80));          // pressure rising with volume
  EXPECT_FALSE(IsPhysicalState(179.774, 89.6135)); // a stable-looking loop inside the two-phase region
  // A liquid and a vapour beyond their saturated volumes but on the wrong side of the vapour
  // pressure are the metastable continuations of the phases.
  const double Vliq = SaturationV(SatSelLiquid, 150), Vvap = SaturationV(SatSelVapour, 150);
  EXPECT_FALSE(IsPhysicalState(150, Vliq * 1.0005));
  EXPECT_FALSE(IsPhysicalState(150, Vvap * 0.9995));
  EXPECT_FALSE(IsPhysicalState(NAN, 50));
  EXPECT_FALSE(IsPhysicalState(300, NAN));
}

TEST(PhysicalRoots, StableFluidStatesAreAccepted) {
  EXPECT_TRUE(IsPhysicalState(514, 31.41));
  EXPECT_TRUE(IsPhysicalState(125.1, 38.63));
  EXPECT_TRUE(IsPhysicalState(TripleTempKelvin, 30));
  EXPECT_TRUE(IsPhysicalState(CritTempKelvin, CritMolarVol * 2));
  // A compressed liquid lies closer to its saturated volume than the error of the auxiliary
  // equation for it: 100 K at 1.005 times the vapour pressure.
  EXPECT_TRUE(IsPhysicalState(100, 36.553508895997716));
}

// The first start is the caller's; the further starts reach the physical root where it leads
// elsewhere, and a root below the triple point is never given.
TEST(PhysicalRoots, FurtherStartsReachThePhysicalRoot) {
  const double P = Setzmann_Pressure(514, 31.41);
  EXPECT_NEAR(Setzmann_Volume(514, P, 514 * GasConstR / P), 9.669, 1e-3);
  EXPECT_NEAR(PhysicalVolume(514, P, 514 * GasConstR / P), 31.41, 1e-9);
  const double P2 = Setzmann_Pressure(125.1, 38.63);
  EXPECT_NEAR(PhysicalTemperature(P2, 38.63, P2 * 38.63 / GasConstR), 125.1, 1e-9);
  EXPECT_EQ(PhysicalVolume(50, 10, 30), 0);
  EXPECT_EQ(PhysicalTemperature(10, 10, 300), 0);   // a volume below the range
  EXPECT_EQ(PhysicalVolume(300, 0, 100), 0);
}

}  // namespace
