#include "piping/core/sleeves.h"

namespace hanhai::piping {

namespace {

constexpr Sleeve kSleeves[] = {
    {"无缝钢管通径DN15", "无缝钢管外径DN22", "32", "3.5", "40", "0.10", "32x3.5 CB*3193-83"},
    {"无缝钢管通径DN20", "无缝钢管外径DN27", "38", "4", "40", "0.13", "38x4 CB*3193-83"},
    {"无缝钢管通径DN25", "无缝钢管外径DN34", "45", "4", "50", "0.20", "45x4 CB*3193-83"},
    {"无缝钢管通径DN32", "无缝钢管外径DN42", "57", "6", "60", "0.45", "57x6 CB*3193-83"},
    {"无缝钢管通径DN40", "无缝钢管外径DN48", "60", "5", "60", "0.41", "60x5 CB*3193-83"},
    {"无缝钢管通径DN50", "无缝钢管外径DN60", "76", "6", "80", "0.83", "76x6 CB*3193-83"},
    {"无缝钢管通径DN65", "无缝钢管外径DN76", "89", "5.5", "100", "1.13", "89x5.5 CB*3193-83"},
    {"无缝钢管通径DN80", "无缝钢管外径DN89", "108", "8", "120", "2.37", "108x8 CB*3193-83"},
    {"无缝钢管通径DN100", "无缝钢管外径DN114", "133", "8", "140", "3.45", "133x8 CB*3193-83"},
    {"无缝钢管通径DN125", "无缝钢管外径DN140", "159", "8", "160", "4.77", "159x8 CB*3193-83"},
    {"无缝钢管通径DN150", "无缝钢管外径DN168", "194", "11", "200", "9.93", "194x11 CB*3193-83"},
    {"无缝钢管通径DN200", "无缝钢管外径DN219", "245", "11", "250", "15.87", "245x11 CB*3193-83"},
    {"无缝钢管通径DN250", "无缝钢管外径DN273", "299", "11", "300", "23.44", "299x11 CB*3193-83"},
};

}  // namespace

std::span<const Sleeve> sleeveTable() { return kSleeves; }

const Sleeve *sleeveByBore(std::string_view text) {
    for (const Sleeve &s : kSleeves)
        if (s.bore == text) return &s;
    return nullptr;
}

const Sleeve *sleeveByPipe(std::string_view text) {
    for (const Sleeve &s : kSleeves)
        if (s.pipe == text) return &s;
    return nullptr;
}

}  // namespace hanhai::piping
