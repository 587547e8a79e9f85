// A calculation sheet as the screens write it: string cells addressed by row and column, and
// font properties set on rectangular blocks. Nothing else can be put on a sheet: no numbers,
// no borders, no widths, no merged cells.
#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace hanhai::report {

// A cell position, counted from 1: row 7, column 2 is B7.
struct CellRef {
    int row = 0;
    int column = 0;
    auto operator<=>(const CellRef &) const = default;
};

// "B7" -> {7, 2}; "AA10" -> {10, 27}. Nothing for a text that is no cell reference.
std::optional<CellRef> parseCell(std::string_view a1);
// {7, 2} -> "B7".
std::string cellName(CellRef cell);

// The rectangle between two cells, both included.
struct Block {
    CellRef first;
    CellRef last;
};
// "A3:E3" -> the block A3 to E3; a single cell "B7" is a block of one.
std::optional<Block> parseBlock(std::string_view a1);

// The font properties a cell was given; unset properties keep the spreadsheet's default.
struct Font {
    std::optional<std::string> name;
    bool bold = false;
    std::optional<int> size;
    bool operator==(const Font &) const = default;
};

// The largest row and column a sheet accepts (those of an .xlsx worksheet).
inline constexpr int kMaxRow = 1048576;
inline constexpr int kMaxColumn = 16384;

class Sheet {
public:
    // Sets a cell's text, replacing what it held; the cell keeps its font. An empty text
    // empties the cell. A position outside the sheet is skipped.
    void write(CellRef cell, std::string text);
    void write(int row, int column, std::string text) { write(CellRef{row, column}, std::move(text)); }
    // The same with an A1 reference ("B7"); an unreadable reference is skipped.
    void write(std::string_view a1, std::string text);

    // Font properties of every cell of a block, the empty cells included. Each is its own
    // operation, as on a spreadsheet's Font object; a block outside the sheet is skipped.
    void setFontName(Block block, std::string name);
    void setBold(Block block);
    void setFontSize(Block block, int points);
    // The same with an A1 block ("A3:E3").
    void setFontName(std::string_view a1, std::string name);
    void setBold(std::string_view a1);
    void setFontSize(std::string_view a1, int points);

    // What the sheet holds: the non-empty cells, and the cells that have a font set.
    const std::map<CellRef, std::string> &cells() const { return cells_; }
    const std::map<CellRef, Font> &fonts() const { return fonts_; }
    // A cell's text; empty for an empty cell.
    std::string text(std::string_view a1) const;

private:
    template <class F>
    void forEachCell(Block block, F f);

    std::map<CellRef, std::string> cells_;
    std::map<CellRef, Font> fonts_;
};

}  // namespace hanhai::report
