// Writing a calculation sheet to an .xlsx file, and saving it under a name that is not taken.
#pragma once

#include <filesystem>
#include <string>

#include "report/core/sheet.h"

namespace hanhai::report {

struct WriteResult {
    bool ok = false;
    std::string error;  // why the file could not be written; empty on success
};

// Writes the sheet as a workbook of one worksheet to path, replacing whatever is there. Every
// text is a string cell, digits included; a cell with a font gets exactly the properties set on
// it, a font cell without text is a styled blank; nothing else is formatted. Texts that a
// spreadsheet cannot hold as they are are adapted (see writableText in workbook.cpp).
WriteResult writeWorkbook(const Sheet &sheet, const std::string &path);

struct SaveResult {
    bool ok = false;
    std::filesystem::path path;  // the file written; on failure the name it was written for
    std::string error;           // why it could not be saved; empty on success
};

// Saves the sheet in folder (created with its parents when missing) as "<stem>.xlsx", or
// "<stem> (2).xlsx", "<stem> (3).xlsx" ... when that is taken. An existing file is never
// replaced or changed, and a failed save leaves nothing behind. On success the file is
// complete on disk. The stem is UTF-8 and holds no "/".
SaveResult saveNewWorkbook(const Sheet &sheet, const std::filesystem::path &folder, const std::string &stem);

}  // namespace hanhai::report
