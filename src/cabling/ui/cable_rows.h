// The cable rows and the type-count list that every cable routing screen shows: ten rows of a
// largest outside diameter and a count, of which only as many are shown as cable types are
// chosen.
#pragma once

#include <QColor>
#include <QString>

#include "cabling/core/cables.h"
#include "shell/ui/calculator.h"

class QGridLayout;

namespace hanhai::cabling {

inline const QColor kCableBackground{234, 232, 250};  // pale lavender

// The ten rows, created first so that the first diameter takes the focus when the screen
// opens: caption Label1(i), diameter Text1(i) with "mm" in Label2(i), count Text2(i) in red
// with "根" in Label3(i). Row 1 shows with the count "1"; the others are hidden (their room
// is kept, so the screen does not move when they appear).
QGridLayout *addCableRows(shell::CalculatorScreen *s);

// Label4 and the type-count list Combo1, showing "单种型号电缆". Picking k types empties every
// diameter, every count and the screen's estimate `result`, and shows rows 1 … k with the
// count "1". A typed text changes nothing until the calculate button reads it.
QGridLayout *addTypeCountList(shell::CalculatorScreen *s, const QString &result);

// The screen's own calculate button (the window's default button).
QPushButton *addCalculate(shell::CalculatorScreen *s, std::function<void(shell::CalculatorScreen &)> calculate);

// Fixes the size and the tab order: down the rows, each diameter followed by its count.
void finishCableScreen(shell::CalculatorScreen *s, QSize least = shell::kStandardWindow);

// The rows as they stand; a hidden row is empty and reads as 0 and 0.
Cables readCables(const shell::Fields &fields);

}  // namespace hanhai::cabling
