// The eight volume calculators.
#pragma once

#include "shell/ui/calculator.h"

namespace hanhai::geometry {

shell::CalculatorDesign cylinderVolumeScreen();
shell::CalculatorDesign coneVolumeScreen();
shell::CalculatorDesign cuboidVolumeScreen();
shell::CalculatorDesign tubeVolumeScreen();
shell::CalculatorDesign torusVolumeScreen();
shell::CalculatorDesign sphereVolumeScreen();
shell::CalculatorDesign frustumVolumeScreen();
shell::CalculatorDesign capVolumeScreen();

}  // namespace hanhai::geometry
