// Section modulus and moment of inertia of two hull stiffening members, as thin-walled sections:
// a built-up T-stiffener with its attached plating, and one corrugation of a trapezoidal
// corrugated bulkhead. Dimensions in mm; moduli in cm³, moments of inertia in cm⁴.
#pragma once

#include <string>
#include <string_view>

namespace hanhai::sections {

// The only complaint of both screens.
inline constexpr std::string_view kSectionInputMessage = "输入的计算参数有误，请检查后重输或修改";

// What a section gives: its modulus and moment of inertia, or the message that tells why not.
// Values that overflow are handed on as they come out (infinite or not a number).
struct SectionProperties {
    double W = 0;  // section modulus, cm³
    double I = 0;  // moment of inertia, cm⁴
    std::string message;  // empty when computed

    bool ok() const { return message.empty(); }
};

// A T-stiffener: face plate W1 × t1 on top, web of clear height H between the plates and
// thickness B, attached plate W2 × t2 below. A face plate of zero width or thickness is a flat
// bar with its plating.
struct TSection {
    double W1 = 0;  // face plate width
    double t1 = 0;  // face plate thickness
    double H = 0;   // web height
    double B = 0;   // web thickness
    double W2 = 0;  // attached plate width
    double t2 = 0;  // attached plate thickness
};

// The flanges are taken as concentrated at the two ends of the web, h apart. With the areas
// f (face plate), F (attached plate, at least f) and fw (web), in cm:
//   W = (f + (1 + (2F − 2f)/(2F + fw))·fw/6)·h   at the face plate, the smaller modulus
//   I = ((F·f − fw²/4)/(fw + F + f) + fw/3)·h²
// The plating, the web thickness and the web height must be positive; the face plate may be 0.
SectionProperties tSectionProperties(const TSection &t);

// One corrugation: flat part A, inclined part B, depth Dw, plate thickness t.
struct Corrugation {
    double A = 0;   // flange (flat part) width
    double B = 0;   // web (inclined part) width
    double Dw = 0;  // depth
    double t = 0;   // plate thickness
};

// W = t·Dw·(A + B/3), and I = W·Dw/20: the inertia of a corrugation symmetric about its
// mid-depth (W·h/2 with h the depth in cm). The web, the depth and the thickness must be
// positive; a flat part of 0 is accepted.
SectionProperties corrugationProperties(const Corrugation &c);

}  // namespace hanhai::sections
