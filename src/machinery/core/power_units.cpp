#include "machinery/core/power_units.h"

namespace hanhai::machinery {

double convertPower(PowerConversion conversion, double power) {
    switch (conversion) {
    case PowerConversion::KwToHp: return power / kKwPerHp;
    case PowerConversion::HpToKw: return power * kKwPerHp;
    case PowerConversion::KwToPs: return power / kKwPerPs;
    case PowerConversion::PsToKw: return power * kKwPerPs;
    }
    return power;
}

}  // namespace hanhai::machinery
