// The plate, checkered plate and rolled-section weight calculators.
#pragma once

#include "shell/ui/calculator.h"

namespace hanhai::steel {

shell::CalculatorDesign plainPlateScreen();
shell::CalculatorDesign webPlateScreen();
shell::CalculatorDesign trianglePlateScreen();
shell::CalculatorDesign ductScreen();
shell::CalculatorDesign checkeredPlateScreen();
shell::CalculatorDesign channelScreen();
shell::CalculatorDesign iBeamScreen();
shell::CalculatorDesign equalAngleScreen();
shell::CalculatorDesign unequalAngleScreen();
shell::CalculatorDesign bulbFlatScreen();
shell::CalculatorDesign squareBarScreen();

}  // namespace hanhai::steel
