#include "report/core/workbook.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "support/sheet_reader.h"

namespace fs = std::filesystem;
using hanhai::report::Sheet;
using sheettest::ReadSheet;

// While set, link() fails as on a filesystem without hard links (FAT, some network shares).
static bool refuseHardLinks = false;

extern "C" int link(const char *from, const char *to) noexcept {
    if (refuseHardLinks) {
        errno = EPERM;
        return -1;
    }
    using Link = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<Link>(dlsym(RTLD_NEXT, "link"));
    return real(from, to);
}

namespace {

// A fresh folder per test, removed afterwards.
struct TempDir {
    fs::path path = fs::temp_directory_path() / ("hanhai-workbook-" + std::to_string(std::random_device()()));
    TempDir() { fs::create_directory(path); }
    ~TempDir() { fs::remove_all(path); }
};

std::vector<std::string> names(const fs::path &folder) {
    std::vector<std::string> out;
    for (const auto &entry : fs::directory_iterator(folder)) out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

std::string bytes(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> refs(const ReadSheet &read) {
    std::vector<std::string> out;
    for (const auto &[ref, cell] : read.cells) out.push_back(ref);
    return out;
}

ReadSheet writeAndRead(const Sheet &sheet) {
    TempDir dir;
    const auto result = hanhai::report::writeWorkbook(sheet, (dir.path / "t.xlsx").string());
    EXPECT_TRUE(result.ok) << result.error;
    ReadSheet read = sheettest::readSheet((dir.path / "t.xlsx").string());
    EXPECT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.sheets, 1);
    return read;
}

std::string repeat(std::string_view piece, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) out += piece;
    return out;
}

// A text as written, and as openpyxl gives it back: it shows the escapes of control
// characters ("_x0001_") as they are stored, where a spreadsheet program shows the character.
struct TextCase {
    std::string written, read;
};

const std::vector<TextCase> kTexts = {
    {"123", "123"}, {"0.00", "0.00"}, {"=A1+1", "=A1+1"}, {"管子膨胀量计算", "管子膨胀量计算"},
    {"长度：", "长度："}, {"г", "г"}, {"甲、乙", "甲、乙"}, {" 两端空格 ", " 两端空格 "},
    {"&<>\"'\\", "&<>\"'\\"}, {"a_b", "a_b"}, {"a\tb\nc", "a\tb\nc"},
    {"\x01", "_x0001_"}, {"a\rb", "a_x000D_b"}, {std::string("a\0b", 3), "a_x0000_b"}, {"\x1f", "_x001F_"},
    // Texts that look like such an escape still read as themselves.
    {"_x0041_", "_x0041_"}, {"_x0041\x01", "_x0041_x0001_"}, {"_x004_", "_x004_"},
    // Malformed UTF-8 and the characters XML forbids become U+FFFD.
    {"a\xff" "b", "a\uFFFDb"}, {"\xed\xa0\x80", "\uFFFD\uFFFD\uFFFD"}, {"\xef\xbf\xbf", "\uFFFD"},
    // Longer than a cell holds: cut at a character boundary to 32 767 UTF-16 units.
    {std::string(32767, 'x'), std::string(32767, 'x')}, {std::string(100000, 'x'), std::string(32767, 'x')},
    {repeat("汉", 40000), repeat("汉", 32767)}, {repeat("😀", 20000), repeat("😀", 16383)},
    // ... and to what libxlsxwriter takes, counting escapes in full.
    {std::string(100000, '\x01'), repeat("_x0001_", 32767 / 7)},
};

TEST(Workbook, TextsAreStringCellsAndComeBackAsWritten) {
    Sheet sheet;
    for (std::size_t i = 0; i < kTexts.size(); ++i) sheet.write(static_cast<int>(i) + 1, 2, kTexts[i].written);
    const ReadSheet read = writeAndRead(sheet);
    ASSERT_EQ(read.cells.size(), kTexts.size());
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        const auto &cell = read.cells.at(hanhai::report::cellName({static_cast<int>(i) + 1, 2}));
        EXPECT_EQ(cell.type, "s") << i;
        EXPECT_EQ(cell.value, kTexts[i].read) << i;
        EXPECT_FALSE(cell.bold);
    }
}

TEST(Workbook, FontBlocksReachEveryCellAndNoOtherCellIsStyled) {
    Sheet sheet;
    sheet.write("A1", "表头");
    sheet.setFontName("C1:E1", "黑体");
    sheet.setBold("C1:E1");
    sheet.setFontSize("C1:E1", 18);
    sheet.write("D1", "管子膨胀量计算");
    sheet.setBold("B3:C4");
    sheet.setFontName("G5", "宋体");
    sheet.setFontSize("H5", 9);
    sheet.setFontName("A7", "\x01宋体\n");  // what an attribute cannot hold is dropped
    sheet.setFontSize("B7", 0);            // sizes stay within what a spreadsheet accepts
    sheet.setFontSize("C7", 1000);
    const ReadSheet read = writeAndRead(sheet);

    // An unstyled cell shows libxlsxwriter's default font, whatever it is; "" and 0 below
    // stand for its name and size.
    const auto &plain = read.cells.at("A1");
    EXPECT_FALSE(plain.bold);
    EXPECT_FALSE(plain.fontName.empty());
    struct Expected {
        const char *ref, *type, *fontName;
        bool bold;
        double size;
    };
    const Expected expected[] = {
        {"A1", "s", "", false, 0},          {"A7", "blank", "宋体", false, 0}, {"B3", "blank", "", true, 0},
        {"B4", "blank", "", true, 0},       {"B7", "blank", "", false, 1},      {"C1", "blank", "黑体", true, 18},
        {"C3", "blank", "", true, 0},       {"C4", "blank", "", true, 0},       {"C7", "blank", "", false, 409},
        {"D1", "s", "黑体", true, 18},       {"E1", "blank", "黑体", true, 18},  {"G5", "blank", "宋体", false, 0},
        {"H5", "blank", "", false, 9},
    };
    std::vector<std::string> written;
    for (const auto &e : expected) {
        written.push_back(e.ref);
        const auto &cell = read.cells.count(e.ref) ? read.cells.at(e.ref) : sheettest::ReadCell{};
        EXPECT_EQ(cell.type, e.type) << e.ref;
        EXPECT_EQ(cell.fontName, *e.fontName ? e.fontName : plain.fontName) << e.ref;
        EXPECT_EQ(cell.bold, e.bold) << e.ref;
        EXPECT_EQ(cell.size, e.size ? e.size : plain.size) << e.ref;
    }
    EXPECT_EQ(refs(read), written);  // and no other cell
}

TEST(Workbook, WritingWhereNoFolderIsGivesTheReason) {
    TempDir dir;
    const auto result = hanhai::report::writeWorkbook(Sheet{}, (dir.path / "missing" / "t.xlsx").string());
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
}

class SaveNew : public testing::TestWithParam<bool> {
protected:
    void SetUp() override { refuseHardLinks = GetParam(); }
    void TearDown() override { refuseHardLinks = false; }
    TempDir dir;
};

TEST_P(SaveNew, NumbersTheNameAndNeverTouchesAnExistingFile) {
    const std::string stem = "管子膨胀量计算 2026-12-09 153012";
    const fs::path folder = dir.path / "计算书" / "十二月";  // made with its parent
    Sheet sheet;
    sheet.write("A1", "第一份");
    const auto first = hanhai::report::saveNewWorkbook(sheet, folder, stem);
    ASSERT_TRUE(first.ok) << first.error;
    EXPECT_EQ(first.path, folder / (stem + ".xlsx"));
    const std::string firstBytes = bytes(first.path);

    sheet.write("A1", "第二份");
    const auto second = hanhai::report::saveNewWorkbook(sheet, folder, stem);
    ASSERT_TRUE(second.ok) << second.error;
    EXPECT_EQ(second.path, folder / (stem + " (2).xlsx"));
    EXPECT_EQ(bytes(first.path), firstBytes);
    EXPECT_EQ(sheettest::readSheet(first.path).cells.at("A1").value, "第一份");
    EXPECT_EQ(sheettest::readSheet(second.path).cells.at("A1").value, "第二份");

    // A file someone else put there, and a link to nowhere: both names count as taken.
    { std::ofstream(folder / "报告.xlsx") << "not a workbook"; }
    fs::create_symlink(dir.path / "nowhere", folder / "报告 (2).xlsx");
    const auto third = hanhai::report::saveNewWorkbook(sheet, folder, "报告");
    ASSERT_TRUE(third.ok) << third.error;
    EXPECT_EQ(third.path, folder / "报告 (3).xlsx");
    EXPECT_EQ(bytes(folder / "报告.xlsx"), "not a workbook");
    EXPECT_FALSE(fs::exists(dir.path / "nowhere"));

    // Nothing else is left in the folder: no temporaries.
    EXPECT_EQ(names(folder), (std::vector<std::string>{"报告 (2).xlsx", "报告 (3).xlsx", "报告.xlsx",
                                                       stem + " (2).xlsx", stem + ".xlsx"}));
}

TEST_P(SaveNew, AFailureLeavesNothingBehindAndSaysWhy) {
    { std::ofstream(dir.path / "file") << "x"; }
    const std::vector<std::string> before = names(dir.path);
    struct Case {
        fs::path folder;
        std::string stem;
    } cases[] = {
        {dir.path / "file", "a"},                   // a file where the folder should be
        {dir.path / "file" / "sub", "a"},           // ... or where a parent should be
        {dir.path / "new" / "deeper", std::string(300, 'a')},  // a name too long, found late
    };
    for (const auto &c : cases) {
        const auto result = hanhai::report::saveNewWorkbook(Sheet{}, c.folder, c.stem);
        EXPECT_FALSE(result.ok) << c.folder;
        EXPECT_FALSE(result.error.empty()) << c.folder;
        EXPECT_EQ(result.path.parent_path(), c.folder);
        EXPECT_EQ(names(dir.path), before) << c.folder;
    }
}

INSTANTIATE_TEST_SUITE_P(HardLinks, SaveNew, testing::Values(false, true),
                         [](const auto &test) { return test.param ? "Refused" : "Allowed"; });

}  // namespace
