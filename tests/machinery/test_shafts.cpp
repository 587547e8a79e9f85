#include <gtest/gtest.h>

#include <cmath>

#include "machinery/core/shafts.h"

using namespace hanhai::machinery;

namespace {

// 5000 kW at 120 r/min, shaft steel of 600 N/mm², bolts of 800 N/mm², both pitch circles 500 mm.
ShaftInputs plant() { return {5000, 120, 600, 800, 500, 500}; }

}  // namespace

// Shafts grow with the cube root of power per speed, bolts with its square root.
TEST(ShaftDiameters, ScaleWithPowerAndFactors) {
    const ShaftDiameters base = shaftDiameters(plant());
    ShaftInputs changed = plant();
    changed.Ne *= 8;
    changed.Cz = 1.1;
    const ShaftDiameters d = shaftDiameters(changed);
    EXPECT_NEAR(d.di, 2 * 1.1 * base.di, 1e-9);
    EXPECT_NEAR(d.dp, 2 * base.dp, 1e-9);
    EXPECT_NEAR(d.d1, std::sqrt(8.0) * base.d1, 1e-9);
    EXPECT_NEAR(d.b, d.dp / 5, 1e-12);  // the stern shaft's flange, not the intermediate shaft's
}
