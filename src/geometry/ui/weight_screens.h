// The five solid weight calculators.
#pragma once

#include "shell/ui/calculator.h"

namespace hanhai::geometry {

shell::CalculatorDesign cylinderWeightScreen();
shell::CalculatorDesign tubeWeightScreen();
shell::CalculatorDesign frustumWeightScreen();
shell::CalculatorDesign sphereWeightScreen();
shell::CalculatorDesign capWeightScreen();

}  // namespace hanhai::geometry
