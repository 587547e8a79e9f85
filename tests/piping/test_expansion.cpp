#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "piping/core/expansion.h"
#include "shell/core/numbers.h"

using namespace hanhai::piping;
using hanhai::report::Font;
using hanhai::shell::fixedText;
using hanhai::shell::generalText;

namespace {

using Fields = std::map<std::string, std::string, std::less<>>;

FieldText lookup(const Fields &fields) {
    return [fields](std::string_view control) {
        auto it = fields.find(control);
        return it == fields.end() ? std::string() : it->second;
    };
}

std::map<std::string, std::string> cellsByName(const hanhai::report::Sheet &sheet) {
    std::map<std::string, std::string> out;
    for (const auto &[cell, text] : sheet.cells()) out[hanhai::report::cellName(cell)] = text;
    return out;
}

const Fields kFilled = {{"Text1", "300"}, {"Text2", "-20"}, {"Text3", "10"},
                        {"Text5", "1100TUE-9排气管"}, {"Text6", "320"}, {"Text4", "41.16"}};

}  // namespace

TEST(PipeExpansion, ShownAsTheScreenShowsIt) {
    struct Case {
        double t2, t1, L;
        const char *dt, *kept, *one, *two, *three;
    };
    const Case cases[] = {
        {300, -20, 10, "320", "41.16224", "41.2", "41.16", "41.162"},
        {100, 20, 6, "80", "5.568384", "5.6", "5.57", "5.568"},
        {0, 0, 0, "0", "0", "0.0", "0.00", "0.000"},
        // t2 below t1: the square term stays positive
        {-20, 300, 10, "-320", "-30.38976", "-30.4", "-30.39", "-30.390"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kept);
        Expansion e = pipeExpansion(c.t2, c.t1, c.L);
        EXPECT_EQ(generalText(e.dt), c.dt);
        std::string kept = generalText(e.dL);
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(fixedText(kept, 1), c.one);
        EXPECT_EQ(fixedText(kept, 2), c.two);
        EXPECT_EQ(fixedText(kept, 3), c.three);
    }
}

TEST(PipeExpansion, OverflowGivesNonFiniteValuesOnly) {
    EXPECT_TRUE(std::isinf(pipeExpansion(1e200, -1e200, 1).dL));
    EXPECT_TRUE(std::isnan(pipeExpansion(INFINITY, INFINITY, 1).dL));
    EXPECT_TRUE(std::isnan(pipeExpansion(NAN, 0, 1).dt));
}

TEST(ExpansionSheet, ChineseCells) {
    hanhai::report::Sheet sheet = expansionSheet(SheetLanguage::Chinese, lookup(kFilled));
    const std::map<std::string, std::string> expected = {
        {"B7", "△L=10^(-5)×[1118(t2-t1)+0.526(t2-t1)^2]×L"},
        {"B8", "式中："},
        {"C8", "△L--膨胀量，mm"},
        {"C9", "t2--管子的最高温度，℃"},
        {"C10", "t1--管子的最低温度，℃"},
        {"C11", "L---管子的计算长度，m"},
        {"B13", "△L="},
        {"B12", "t2-t1="},
        {"C12", "320℃"},
        {"B15", "注："},
        {"B16", "1、公式引用于国防工业出版社《船舶设计实用手册》轮机分册，第631页。"},
        {"B17", "2、管子的最低温度可用技术规格书中规定的航区最低温度。"},
        {"C3", "1100TUE-9排气管膨胀量计算"},
        {"B35", "设计："},
        {"E35", "校对："},
        {"H35", "时间："},
        {"F9", "300℃"},
        {"F10", "-20℃"},
        {"F11", "10m"},
        {"C13", "41.16mm"},
    };
    EXPECT_EQ(cellsByName(sheet), expected);
}

TEST(ExpansionSheet, EnglishCells) {
    hanhai::report::Sheet sheet = expansionSheet(SheetLanguage::English, lookup(kFilled));
    const std::map<std::string, std::string> expected = {
        {"B7", "△L=10^(-5)×[1118(t2-t1)+0.526(t2-t1)^2]×L"},
        {"B8", "Where："},
        {"C8", "△L--EXPANSION (mm)"},
        {"C9", "t2--PIPE MAX.TEMP. (℃)"},
        {"C10", "t1--PIPE MIN.TEMP. (℃)"},
        {"C11", "L---PIPE LENGTH (m)"},
        {"B13", "△L="},
        {"B12", "t2-t1="},
        {"C12", "320℃"},
        {"B15", "NOTE："},
        {"B16", "1、FORMULA COME FROM NATIONAL DEFENCE INDUSTRY PUBLISHING COMPANY"},
        {"B17", "《MARINE DESIGN HANDBOOK》MECHANICAL PART，PAGE631."},
        {"B18", "2、PIPE MIN.TEMP.IS THE SAIL AREA MIN.TEMP IN TECHNICAL SPECIFICATION"},
        {"B3", " 1100TUE-9排气管 EXPANSION CALCULATION"},
        {"B35", "DESIGNED："},
        {"E35", "CHECKED："},
        {"H35", "DATE："},
        {"F9", "300℃"},
        {"F10", "-20℃"},
        {"F11", "10m"},
        {"C13", "41.16mm"},
    };
    EXPECT_EQ(cellsByName(sheet), expected);
}

TEST(ExpansionSheet, TitleRowFontAndEmptyFields) {
    for (SheetLanguage language : {SheetLanguage::Chinese, SheetLanguage::English}) {
        hanhai::report::Sheet sheet = expansionSheet(language, lookup({}));
        const Font title{"黑体", true, 18};
        ASSERT_EQ(sheet.fonts().size(), 5u);
        for (const char *cell : {"A3", "B3", "C3", "D3", "E3"})
            EXPECT_EQ(sheet.fonts().at(*hanhai::report::parseCell(cell)), title) << cell;

        // before any calculation, and with no name: the units stand alone
        EXPECT_EQ(sheet.text("C12"), "℃");
        EXPECT_EQ(sheet.text("F9"), "℃");
        EXPECT_EQ(sheet.text("F10"), "℃");
        EXPECT_EQ(sheet.text("F11"), "m");
        EXPECT_EQ(sheet.text("C13"), "mm");
    }
    EXPECT_EQ(expansionSheet(SheetLanguage::Chinese, lookup({})).text("C3"), "膨胀量计算");
    EXPECT_EQ(expansionSheet(SheetLanguage::English, lookup({})).text("B3"), "  EXPANSION CALCULATION");
}
