// The plate, checkered plate and rolled-section weight calculators.
#pragma once

#include "shell/ui/calculator.h"

namespace hanhai::steel {

shell::CalculatorSpec plainPlateScreen();
shell::CalculatorSpec webPlateScreen();
shell::CalculatorSpec trianglePlateScreen();
shell::CalculatorSpec ductScreen();
shell::CalculatorSpec checkeredPlateScreen();
shell::CalculatorSpec channelScreen();
shell::CalculatorSpec iBeamScreen();
shell::CalculatorSpec equalAngleScreen();
shell::CalculatorSpec unequalAngleScreen();
shell::CalculatorSpec bulbFlatScreen();
shell::CalculatorSpec squareBarScreen();

}  // namespace hanhai::steel
