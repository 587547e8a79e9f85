#include "report/core/workbook.h"

#include <xlsxwriter.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <optional>
#include <random>
#include <string_view>
#include <system_error>
#include <tuple>
#include <vector>

namespace hanhai::report {

namespace {

namespace fs = std::filesystem;

// ---- Texts as a workbook can hold them ----

// The most characters a cell holds, counted as a spreadsheet counts them (UTF-16 units).
// libxlsxwriter refuses more than this many code points; we stay within both counts.
constexpr std::size_t kMaxCellText = 32767;
// Longer font names make a spreadsheet program reject the whole styles part.
constexpr std::size_t kMaxFontName = 31;
// The font sizes a spreadsheet accepts; libxlsxwriter would also turn 0 into its default 11.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 409;

constexpr char32_t kReplacement = 0xFFFD;

// Decodes UTF-8. Every byte that does not begin a well-formed sequence (cut short, overlong,
// a surrogate, beyond U+10FFFF) becomes U+FFFD, and so do U+FFFE and U+FFFF, which XML does
// not allow: written as they are, any of these would make the file unreadable.
std::u32string decodeUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const std::size_t length = lead < 0x80                  ? 1
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        // The lead byte's payload: what the length marker leaves of it.
        char32_t c = length == 1 ? lead : lead & (0x7Fu >> length);
        bool valid = length > 0 && i + length <= s.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            valid = (next & 0xC0u) == 0x80u;
            c = (c << 6) | (next & 0x3Fu);
        }
        if (valid && length == 3) valid = c >= 0x800 && (c < 0xD800 || c > 0xDFFF);
        if (valid && length == 4) valid = c >= 0x10000 && c <= 0x10FFFF;
        if (!valid) {
            out += kReplacement;
            ++i;
            continue;
        }
        out += c == 0xFFFE || c == 0xFFFF ? kReplacement : c;
        i += length;
    }
    return out;
}

void appendUtf8(std::string &out, char32_t c) {
    auto byte = [&](char32_t b) { out += static_cast<char>(b); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

std::size_t utf16Units(char32_t c) { return c > 0xFFFF ? 2 : 1; }

bool isHexDigit(char32_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Control characters XML cannot carry as they are; a workbook writes them as "_xHHHH_" (a bare
// carriage return would come back as a line feed). Tab and line feed stay.
bool isEscapedControl(char32_t c) { return c < 0x20 && c != '\t' && c != '\n'; }

// An underscore that, left alone, would be read as the start of an escape: it begins
// "_xHHHH" and the next character written, within the first n, begins with "_" (an underscore
// or an escaped control). It is written as "_x005F_", the escape of the underscore itself.
bool isEscapedUnderscore(const std::u32string &cs, std::size_t i, std::size_t n) {
    if (cs[i] != '_' || i + 6 >= n || cs[i + 1] != 'x') return false;
    for (std::size_t k = i + 2; k < i + 6; ++k)
        if (!isHexDigit(cs[k])) return false;
    return cs[i + 6] == '_' || isEscapedControl(cs[i + 6]);
}

void appendEscape(std::string &out, char32_t c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += "_x00";
    out += kHex[(c >> 4) & 0xF];
    out += kHex[c & 0xF];
    out += '_';
}

// The text as it goes into a cell. Control characters and underscores that would read as an
// escape are escaped; malformed UTF-8 becomes U+FFFD. A text longer than a cell holds is cut
// at a character boundary to the longest beginning that fits: 32 767 UTF-16 units as a
// spreadsheet shows it, and 32 767 code points as libxlsxwriter counts what it is given.
std::string writableText(std::string_view text) {
    const std::u32string cs = decodeUtf8(text);
    std::size_t n = 0, shown = 0, given = 0;
    for (; n < cs.size(); ++n) {
        // Adding a character may also make the underscore six places back need its escape.
        const bool closesEscape = n >= 6 && isEscapedUnderscore(cs, n - 6, n + 1);
        const std::size_t more = (isEscapedControl(cs[n]) ? 7 : 1) + (closesEscape ? 6 : 0);
        if (shown + utf16Units(cs[n]) > kMaxCellText || given + more > kMaxCellText) break;
        shown += utf16Units(cs[n]);
        given += more;
    }
    std::string out;
    out.reserve(given);
    for (std::size_t i = 0; i < n; ++i) {
        if (isEscapedControl(cs[i]) || isEscapedUnderscore(cs, i, n)) appendEscape(out, cs[i]);
        else appendUtf8(out, cs[i]);
    }
    return out;
}

// A font name goes into an XML attribute, where no escape for control characters exists:
// those are dropped.
std::string writableFontName(std::string_view name) {
    std::string out;
    std::size_t units = 0;
    for (char32_t c : decodeUtf8(name)) {
        if (c < 0x20) continue;
        if (units + utf16Units(c) > kMaxFontName) break;
        units += utf16Units(c);
        appendUtf8(out, c);
    }
    return out;
}

std::string systemError(int error) { return std::error_code(error, std::generic_category()).message(); }

// ---- The workbook ----

using FontKey = std::tuple<std::optional<std::string>, bool, std::optional<int>>;

// One format per distinct font, carrying only what was set on the cells.
lxw_format *formatFor(lxw_workbook *workbook, std::map<FontKey, lxw_format *> &formats, const Font &font) {
    if (font == Font{}) return nullptr;
    FontKey key{font.name, font.bold, font.size};
    auto found = formats.find(key);
    if (found != formats.end()) return found->second;
    lxw_format *format = workbook_add_format(workbook);
    if (format == nullptr) return nullptr;
    if (font.name) {
        const std::string name = writableFontName(*font.name);
        if (!name.empty()) format_set_font_name(format, name.c_str());
    }
    if (font.bold) format_set_bold(format);
    if (font.size) format_set_font_size(format, std::clamp(*font.size, kMinFontSize, kMaxFontSize));
    formats.emplace(std::move(key), format);
    return format;
}

// Every cell of the sheet once, with its text (empty when none) and font (null when none).
template <class F>
void forEachCell(const Sheet &sheet, F f) {
    const auto &cells = sheet.cells();
    const auto &fonts = sheet.fonts();
    auto c = cells.begin();
    auto t = fonts.begin();
    static const std::string kNoText;
    while (c != cells.end() || t != fonts.end()) {
        if (t == fonts.end() || (c != cells.end() && c->first < t->first)) {
            f(c->first, c->second, nullptr);
            ++c;
        } else if (c == cells.end() || t->first < c->first) {
            f(t->first, kNoText, &t->second);
            ++t;
        } else {
            f(c->first, c->second, &t->second);
            ++c;
            ++t;
        }
    }
}

}  // namespace

WriteResult writeWorkbook(const Sheet &sheet, const std::string &path) {
    lxw_workbook *workbook = workbook_new(path.c_str());
    lxw_worksheet *worksheet = workbook ? workbook_add_worksheet(workbook, nullptr) : nullptr;
    if (worksheet == nullptr) {
        if (workbook) lxw_workbook_free(workbook);
        return {false, lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED)};
    }
    std::map<FontKey, lxw_format *> formats;
    lxw_error error = LXW_NO_ERROR;
    forEachCell(sheet, [&](CellRef cell, const std::string &text, const Font *font) {
        if (error != LXW_NO_ERROR) return;
        lxw_format *format = font ? formatFor(workbook, formats, *font) : nullptr;
        const auto row = static_cast<lxw_row_t>(cell.row - 1);
        const auto column = static_cast<lxw_col_t>(cell.column - 1);
        if (!text.empty()) error = worksheet_write_string(worksheet, row, column, writableText(text).c_str(), format);
        else if (format) error = worksheet_write_blank(worksheet, row, column, format);
    });
    if (error != LXW_NO_ERROR) {
        lxw_workbook_free(workbook);
        return {false, lxw_strerror(error)};
    }
    errno = 0;
    error = workbook_close(workbook);
    if (error == LXW_NO_ERROR) return {true, {}};
    std::string reason = lxw_strerror(error);
    if (errno != 0) reason += " (" + systemError(errno) + ")";
    return {false, reason};
}

namespace {

// ---- Saving without touching what is there ----

// Creates the folder and the missing parents; remembers what it made so that a failed save
// can take it away again.
class Folders {
public:
    std::optional<std::string> create(const fs::path &folder) {
        fs::path prefix;
        for (const fs::path &part : folder) {
            if (part.empty()) continue;
            prefix /= part;
            if (::mkdir(prefix.c_str(), 0777) == 0) {
                made_.push_back(prefix);
                continue;
            }
            // An existing folder is fine whatever mkdir said (a read-only "/" may say EROFS).
            const int error = errno;
            struct stat info {};
            if (::stat(prefix.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) continue;
            return prefix.string() + ": " + systemError(error == EEXIST ? ENOTDIR : error);
        }
        return std::nullopt;
    }

    void removeMade() {
        for (auto it = made_.rbegin(); it != made_.rend(); ++it) ::rmdir(it->c_str());
        made_.clear();
    }

private:
    std::vector<fs::path> made_;
};

// A hidden file of a fresh name in folder, made by us alone; permissions as any new file.
std::optional<fs::path> createTemporary(const fs::path &folder, int &fd, std::string &reason) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = ".hanhai-";
        for (int i = 0; i < 10; ++i) name += kLetters[pick(random)];
        fs::path path = folder / (name + ".tmp");
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return path;
        if (errno != EEXIST) {
            reason = systemError(errno);
            return std::nullopt;
        }
    }
    reason = systemError(EEXIST);
    return std::nullopt;
}

fs::path candidate(const fs::path &folder, const std::string &stem, int number) {
    return folder / (number == 1 ? stem + ".xlsx" : stem + " (" + std::to_string(number) + ").xlsx");
}

// Filesystems without hard links (FAT, some network shares) say so with one of these.
bool refusesHardLinks(int error) { return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS; }

constexpr int kMaxNumber = 10000;

// Gives the written temporary the first free name of the series. A name is only ever taken by
// an operation that fails when it exists: a hard link, or else an exclusive creation that
// reserves it before the temporary is renamed onto the reservation.
SaveResult publish(const fs::path &temporary, const fs::path &folder, const std::string &stem) {
    bool linking = true;
    for (int number = 1; number <= kMaxNumber; ++number) {
        const fs::path target = candidate(folder, stem, number);
        if (linking) {
            if (::link(temporary.c_str(), target.c_str()) == 0) {
                ::unlink(temporary.c_str());
                return {true, target, {}};
            }
            if (errno == EEXIST) continue;
            if (!refusesHardLinks(errno)) return {false, target, systemError(errno)};
            linking = false;
        }
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return {false, target, systemError(errno)};
        }
        ::close(fd);
        if (::rename(temporary.c_str(), target.c_str()) != 0) {
            const int error = errno;
            ::unlink(target.c_str());
            return {false, target, systemError(error)};
        }
        return {true, target, {}};
    }
    return {false, candidate(folder, stem, kMaxNumber), systemError(EEXIST)};
}

// Makes the new directory entry itself durable. Some filesystems cannot sync a directory;
// the file is written by then, so that is no failure.
void syncFolder(const fs::path &folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

SaveResult saveNewWorkbook(const Sheet &sheet, const fs::path &folder, const std::string &stem) {
    // Absolute for the message; not normalised, as ".." after a symbolic link is not lexical.
    std::error_code ec;
    fs::path where = fs::absolute(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) where = folder;
    const fs::path first = candidate(where, stem, 1);
    // A NUL would cut the name short where the system reads it.
    if (stem.find('\0') != std::string::npos) return {false, first, systemError(EINVAL)};

    Folders folders;
    if (auto reason = folders.create(where)) return {false, first, *reason};

    int fd = -1;
    std::string reason;
    const auto temporary = createTemporary(where, fd, reason);
    if (!temporary) {
        folders.removeMade();
        return {false, first, reason};
    }
    WriteResult written = writeWorkbook(sheet, temporary->string());
    if (written.ok && ::fsync(fd) != 0) written = {false, systemError(errno)};
    ::close(fd);
    SaveResult saved = written.ok ? publish(*temporary, where, stem) : SaveResult{false, first, written.error};
    if (!saved.ok) {
        ::unlink(temporary->c_str());
        folders.removeMade();
        return saved;
    }
    syncFolder(where);
    return saved;
}

}  // namespace hanhai::report
