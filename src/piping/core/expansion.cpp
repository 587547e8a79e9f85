#include "piping/core/expansion.h"

namespace hanhai::piping {

Expansion pipeExpansion(double t2, double t1, double L) {
    double dt = t2 - t1;
    // The square is Δt·Δt, positive whatever the sign of Δt; the products and the sum keep the
    // handbook's order, which fixes the last digits shown.
    double b = dt * dt * 0.526 + dt * 1118;
    return {dt, 1e-5 * b * L};
}

report::Sheet expansionSheet(SheetLanguage language, const FieldText &field) {
    const bool chinese = language == SheetLanguage::Chinese;
    auto pick = [chinese](const char *zh, const char *en) { return std::string(chinese ? zh : en); };
    const std::string name = field("Text5");

    // Written in this order: a spreadsheet shows the cells filling up as they come.
    report::Sheet sheet;
    sheet.write("B7", "△L=10^(-5)×[1118(t2-t1)+0.526(t2-t1)^2]×L");
    sheet.write("B8", pick("式中：", "Where："));
    sheet.write("C8", pick("△L--膨胀量，mm", "△L--EXPANSION (mm)"));
    sheet.write("C9", pick("t2--管子的最高温度，℃", "t2--PIPE MAX.TEMP. (℃)"));
    sheet.write("C10", pick("t1--管子的最低温度，℃", "t1--PIPE MIN.TEMP. (℃)"));
    sheet.write("C11", pick("L---管子的计算长度，m", "L---PIPE LENGTH (m)"));
    sheet.write("B13", "△L=");
    sheet.write("B12", "t2-t1=");
    sheet.write("C12", field("Text6") + "℃");
    sheet.write("B15", pick("注：", "NOTE："));
    sheet.write("B16", pick("1、公式引用于国防工业出版社《船舶设计实用手册》轮机分册，第631页。",
                            "1、FORMULA COME FROM NATIONAL DEFENCE INDUSTRY PUBLISHING COMPANY"));
    sheet.write("B17", pick("2、管子的最低温度可用技术规格书中规定的航区最低温度。",
                            "《MARINE DESIGN HANDBOOK》MECHANICAL PART，PAGE631."));
    if (!chinese) sheet.write("B18", "2、PIPE MIN.TEMP.IS THE SAIL AREA MIN.TEMP IN TECHNICAL SPECIFICATION");
    // The title row gets its font before the title is written.
    sheet.setFontName("A3:E3", "黑体");
    sheet.setBold("A3:E3");
    sheet.setFontSize("A3:E3", 18);
    if (chinese)
        sheet.write("C3", name + "膨胀量计算");
    else
        sheet.write("B3", " " + name + " EXPANSION CALCULATION");
    sheet.write("B35", pick("设计：", "DESIGNED："));
    sheet.write("E35", pick("校对：", "CHECKED："));
    sheet.write("H35", pick("时间：", "DATE："));
    sheet.write("F9", field("Text1") + "℃");
    sheet.write("F10", field("Text2") + "℃");
    sheet.write("F11", field("Text3") + "m");
    sheet.write("C13", field("Text4") + "mm");
    return sheet;
}

}  // namespace hanhai::piping
