// Handing a calculation sheet to the user: saved as a new workbook in the documents folder
// and opened in the desktop's spreadsheet program.
#pragma once

#include <QString>

#include "report/core/sheet.h"

class QWidget;

namespace hanhai::report {

// The folder the sheets go to: 瀚海算匠计算书 in the user's documents folder.
QString sheetFolder();

// Saves `sheet` as "<caption> <local date and time>.xlsx" in sheetFolder() (created when
// missing; " (2)", " (3)" ... when the name is taken) and opens it. The click returns when the
// file is complete. A file that cannot be written is reported and nothing is left behind; one
// that nothing opens is reported with the place it was saved. Returns the file's path, or
// the empty text when nothing was saved.
QString exportSheet(QWidget *screen, const QString &caption, const Sheet &sheet);

}  // namespace hanhai::report
