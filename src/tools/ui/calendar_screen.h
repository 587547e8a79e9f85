#pragma once

#include <QDateTime>

class QWidget;

namespace hanhai::tools {

QWidget *makeCalendarScreen();  // 万年历计算

// Where the calendar reads the time: the system clock, unless another reading is set (tests
// set a fixed one; null restores the system clock).
using ClockReading = QDateTime (*)();
void setCalendarClock(ClockReading clock);

}  // namespace hanhai::tools
