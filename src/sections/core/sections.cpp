#include "sections/core/sections.h"

namespace hanhai::sections {

namespace {

SectionProperties refused() { return {0, 0, std::string(kSectionInputMessage)}; }

}  // namespace

SectionProperties tSectionProperties(const TSection &s) {
    // Everything in centimetres.
    const double w1 = 0.1 * s.W1, t1 = 0.1 * s.t1, b = 0.1 * s.B, w2 = 0.1 * s.W2, t2 = 0.1 * s.t2, h = 0.1 * s.H;
    if (t2 <= 0 || w1 < 0 || t1 < 0 || b <= 0 || s.H <= 0 || w2 <= 0) return refused();

    const double f = t1 * w1;  // face plate
    double F = t2 * w2;        // attached plate, never taken smaller than the face plate
    if (F < f) F = f;
    const double fw = h * b;   // web

    SectionProperties out;
    out.W = (f + (1 + (2 * F - 2 * f) / (2 * F + fw)) * fw / 6) * h;
    const double h2 = 0.01 * s.H * s.H;
    out.I = ((F * f - fw * fw / 4) / (fw + F + f) + fw / 3) * h2;
    return out;
}

SectionProperties corrugationProperties(const Corrugation &c) {
    // The widths in metres, so that t·Dw in mm² gives cm³.
    const double a = 0.001 * c.A, b = 0.001 * c.B;
    if (a < 0 || b <= 0 || c.t <= 0 || c.Dw <= 0) return refused();

    SectionProperties out;
    out.W = (b / 3 + a) * (c.t * c.Dw);
    out.I = out.W * c.Dw / 20;
    return out;
}

}  // namespace hanhai::sections
