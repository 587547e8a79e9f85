// Reading a written workbook back through an independent reader (openpyxl), for unit and GUI
// tests alike. Plain C++.
#pragma once

#include <map>
#include <string>

namespace sheettest {

struct ReadCell {
    std::string type;  // openpyxl's data type ("s", "n", ...), or "blank" for a styled empty cell
    std::string value;
    std::string fontName;
    bool bold = false;
    double size = 0;  // 0 when the font has none
};

struct ReadSheet {
    bool ok = false;
    std::string error;  // why the file could not be read
    int sheets = 0;     // worksheets in the workbook
    std::map<std::string, ReadCell> cells;  // the first worksheet's cells, by A1 reference
};

ReadSheet readSheet(const std::string &path);

}  // namespace sheettest
