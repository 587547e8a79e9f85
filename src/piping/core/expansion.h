// Thermal expansion of a steel pipe between its lowest and highest temperature, and the
// one-page calculation sheet of it in Chinese or English.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "report/core/sheet.h"

namespace hanhai::piping {

struct Expansion {
    double dt = 0;  // Δt = t2 − t1, ℃
    double dL = 0;  // ΔL, mm
};

// ΔL = 10⁻⁵ · (0.526·Δt² + 1118·Δt) · L with temperatures in ℃ and L in m. Nothing is
// checked: empty fields read as 0 and give 0, a t2 below t1 gives a negative Δt.
Expansion pipeExpansion(double t2, double t1, double L);

enum class SheetLanguage { Chinese, English };

// The text a screen field shows, by its control name ("Text1").
using FieldText = std::function<std::string(std::string_view control)>;

// The calculation sheet, built from the texts the screen shows at the moment of the export
// (not from a new calculation): Text1 t2, Text2 t1, Text3 L, Text5 ship and pipe name,
// Text6 Δt, Text4 ΔL. An empty field gives a cell holding only its unit.
report::Sheet expansionSheet(SheetLanguage language, const FieldText &field);

}  // namespace hanhai::piping
