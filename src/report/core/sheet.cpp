#include "report/core/sheet.h"

namespace hanhai::report {

namespace {

bool onSheet(CellRef c) { return c.row >= 1 && c.row <= kMaxRow && c.column >= 1 && c.column <= kMaxColumn; }

}  // namespace

std::optional<CellRef> parseCell(std::string_view a1) {
    CellRef c;
    std::size_t i = 0;
    while (i < a1.size() && a1[i] >= 'A' && a1[i] <= 'Z') {
        c.column = c.column * 26 + (a1[i] - 'A' + 1);
        if (c.column > kMaxColumn) return std::nullopt;
        ++i;
    }
    if (i == 0 || i == a1.size() || a1[i] == '0') return std::nullopt;
    for (; i < a1.size(); ++i) {
        if (a1[i] < '0' || a1[i] > '9') return std::nullopt;
        c.row = c.row * 10 + (a1[i] - '0');
        if (c.row > kMaxRow) return std::nullopt;
    }
    return c;
}

std::string cellName(CellRef cell) {
    std::string letters;
    for (int n = cell.column; n > 0; n = (n - 1) / 26) letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters + std::to_string(cell.row);
}

std::optional<Block> parseBlock(std::string_view a1) {
    const std::size_t colon = a1.find(':');
    auto first = parseCell(a1.substr(0, colon));
    auto last = colon == std::string_view::npos ? first : parseCell(a1.substr(colon + 1));
    if (!first || !last) return std::nullopt;
    return Block{*first, *last};
}

void Sheet::write(CellRef cell, std::string text) {
    if (!onSheet(cell)) return;
    if (text.empty()) cells_.erase(cell);
    else cells_[cell] = std::move(text);
}

void Sheet::write(std::string_view a1, std::string text) {
    if (auto c = parseCell(a1)) write(*c, std::move(text));
}

template <class F>
void Sheet::forEachCell(Block b, F f) {
    if (!onSheet(b.first) || !onSheet(b.last)) return;
    const auto [top, bottom] = std::minmax(b.first.row, b.last.row);
    const auto [left, right] = std::minmax(b.first.column, b.last.column);
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c) f(fonts_[CellRef{r, c}]);
}

void Sheet::setFontName(Block block, std::string name) {
    forEachCell(block, [&](Font &f) { f.name = name; });
}

void Sheet::setBold(Block block) {
    forEachCell(block, [](Font &f) { f.bold = true; });
}

void Sheet::setFontSize(Block block, int points) {
    forEachCell(block, [&](Font &f) { f.size = points; });
}

void Sheet::setFontName(std::string_view a1, std::string name) {
    if (auto b = parseBlock(a1)) setFontName(*b, std::move(name));
}

void Sheet::setBold(std::string_view a1) {
    if (auto b = parseBlock(a1)) setBold(*b);
}

void Sheet::setFontSize(std::string_view a1, int points) {
    if (auto b = parseBlock(a1)) setFontSize(*b, points);
}

std::string Sheet::text(std::string_view a1) const {
    auto c = parseCell(a1);
    auto it = c ? cells_.find(*c) : cells_.end();
    return it == cells_.end() ? std::string() : it->second;
}

}  // namespace hanhai::report
