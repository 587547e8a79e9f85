// The shaft line of a direct-drive plant (engine, intermediate shaft, propeller shaft and a
// fixed-pitch propeller fitted without key, fitted coupling bolts), sized from the engine's
// contract rating: the base diameters of both shafts, the fitted bolts at both ends of the
// intermediate shaft and the thickness of the coupling flanges.
#pragma once

#include <string>
#include <string_view>

namespace hanhai::machinery {

inline constexpr std::string_view kShaftInputMessage = "****输入的参数有误****";

struct ShaftInputs {
    double Ne = 0;          // contract maximum power of the main engine, kW
    double ne = 0;          // engine speed at that power, r/min
    double shaftSigma = 0;  // σb': tensile strength of the shaft material, N/mm²
    double boltSigma = 0;   // σb: tensile strength of the fitted bolts, N/mm²
    double Dz = 0;          // bolt pitch-circle diameter, intermediate shaft to engine, mm
    double Dw = 0;          // bolt pitch-circle diameter, intermediate shaft to stern shaft, mm
    // The factors of this arrangement; other shaft lines take those of the class rules.
    double F = 100;    // propulsion-type factor
    double Cz = 1;     // design factor of the intermediate shaft
    double Cw = 1.22;  // design factor of the stern shaft
    double Zz = 12;    // bolts of the coupling to the engine
    double Zw = 12;    // bolts of the coupling to the stern shaft
};

struct ShaftDiameters {
    double k = 0;   // Ne · 560 / ((σb' + 160) · ne), whose cube root both shafts scale
    double di = 0;  // base diameter of the intermediate shaft, mm
    double dp = 0;  // base diameter of the stern shaft, mm
    double d1 = 0;  // fitted bolt diameter, intermediate shaft to engine, mm
    double d2 = 0;  // fitted bolt diameter, intermediate shaft to stern shaft, mm
    double b = 0;   // coupling flange thickness: a fifth of the stern shaft diameter, mm
    // Not empty when an input is not above zero; nothing is computed then.
    std::string message;
};

// Every input must be above zero. Inputs that pass and still overflow give diameters that are
// not finite numbers.
ShaftDiameters shaftDiameters(const ShaftInputs &in);

}  // namespace hanhai::machinery
