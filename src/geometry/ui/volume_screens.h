// The eight volume calculators.
#pragma once

#include "shell/ui/calculator.h"

namespace hanhai::geometry {

shell::CalculatorSpec cylinderVolumeScreen();
shell::CalculatorSpec coneVolumeScreen();
shell::CalculatorSpec cuboidVolumeScreen();
shell::CalculatorSpec tubeVolumeScreen();
shell::CalculatorSpec torusVolumeScreen();
shell::CalculatorSpec sphereVolumeScreen();
shell::CalculatorSpec frustumVolumeScreen();
shell::CalculatorSpec capVolumeScreen();

}  // namespace hanhai::geometry
