// The layout both cargo heating screens share: the known data in two columns, the results,
// the names for the sheet and the buttons; and how a heat balance is shown.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "heating/core/cargo_heating.h"
#include "report/core/sheet.h"
#include "shell/ui/calculator.h"

namespace hanhai::heating {

struct HeatingScreenDesign {
    QString name;     // screen name
    QString caption;  // window title, and the name of its sheets
    QString title;    // Label1
    std::vector<shell::Row> left;   // known data, left column
    std::vector<shell::Row> right;  // known data, right column
    QString mediumFrame;            // a frame under the right column for the heating medium, if any
    std::vector<shell::Row> medium;
    std::vector<shell::Row> results;  // Text23 ... Text32, in two columns
    QString shipName, tankName;       // the export fields
    shell::CalculatorScreen::Computation compute;
    std::function<report::Sheet(const shell::Fields &)> sheet;
};

QWidget *buildHeatingScreen(const HeatingScreenDesign &design);

// The results of a heat balance as the screens show them, or the message that stopped it.
shell::Outcome heatingOutcome(const HeatingResult &result);

// The tank's rows in screen order, ρ to k5 (25 rows): both screens show the same data, with
// their own numbers for the adjacent tanks NO.2 to NO.4.
std::vector<shell::Row> tankRows(const AdjacentTankFields &adjacent);
// The coil's rows: d, di, Z and k.
std::vector<shell::Row> coilRows();

inline const QString kCoilHint = QStringLiteral("对钢管:k=100-120,铝黄铜管:k=200-220");

}  // namespace hanhai::heating
