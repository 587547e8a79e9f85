#include "support/sheet_reader.h"

#include <sys/wait.h>

#include <charconv>
#include <cstdio>
#include <string_view>
#include <vector>

namespace sheettest {

namespace {

// One shell word, whatever the text: single quotes, with each ' written as '\''.
std::string quoted(std::string_view text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string unescaped(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char next = field[++i];
        if (next == 't') out += '\t';
        else if (next == 'n') out += '\n';
        else if (next == 'r') out += '\r';
        else if (next == '\\') out += '\\';
        else out += std::string{'\\', next};  // the reader's \uXXXX for what UTF-8 cannot hold
    }
    return out;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

}  // namespace

ReadSheet readSheet(const std::string &path) {
    ReadSheet sheet;
    // -I: the reader runs with Debian's own packages whatever PYTHON* variables say.
    const std::string command = quoted(HANHAI_PYTHON) + " -I " + quoted(HANHAI_SHEET_READER) + " " + quoted(path);
    FILE *pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        sheet.error = "cannot run the reader";
        return sheet;
    }
    std::string output;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    const int status = ::pclose(pipe);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        sheet.error = "the reader failed on " + path + " (see its message above)";
        return sheet;
    }

    std::vector<std::string_view> lines = split(output, '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.empty() || lines.front().substr(0, 7) != "sheets\t") {
        sheet.error = "the reader wrote no sheet count";
        return sheet;
    }
    // from_chars: the locale a GUI test runs in must not change how numbers read.
    const std::string_view count = lines.front().substr(7);
    std::from_chars(count.data(), count.data() + count.size(), sheet.sheets);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = split(lines[i], '\t');
        if (fields.size() != 6) {
            sheet.error = "unreadable reader line: " + std::string(lines[i]);
            return sheet;
        }
        ReadCell &cell = sheet.cells[std::string(fields[0])];
        cell.type = unescaped(fields[1]);
        cell.value = unescaped(fields[2]);
        cell.fontName = unescaped(fields[3]);
        cell.bold = fields[4] == "1";
        std::from_chars(fields[5].data(), fields[5].data() + fields[5].size(), cell.size);
    }
    sheet.ok = true;
    return sheet;
}

}  // namespace sheettest
