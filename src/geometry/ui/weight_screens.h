// The five solid weight calculators.
#pragma once

#include "shell/ui/calculator.h"

namespace hanhai::geometry {

shell::CalculatorSpec cylinderWeightScreen();
shell::CalculatorSpec tubeWeightScreen();
shell::CalculatorSpec frustumWeightScreen();
shell::CalculatorSpec sphereWeightScreen();
shell::CalculatorSpec capWeightScreen();

}  // namespace hanhai::geometry
