#include "layout_editor/editor_text_format.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "util/encoding.h"
#include "util/file_util.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

namespace {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    const std::string normal = NormaliseLineEnds(text);
    std::size_t at = 0;
    while (at < normal.size()) {
        const std::size_t end = normal.find("\r\n", at);
        lines.push_back(normal.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) break;
        at = end + 2;
    }
    return lines;
}

bool Blank(std::string_view line) {
    bool blank = true;
    ForEachChar(line, [&](std::size_t at, std::size_t length) {
        const std::string_view c = line.substr(at, length);
        if (c != " " && c != "\t" && c != kFullWidthBlank) blank = false;
    });
    return blank;
}

}  // namespace

std::string EditorRuler(int first, int last) {
    std::string ruler;
    for (int c = first; c <= last; ++c) {
        if (c % 10 == 0)
            ruler += std::to_string(c / 10);
        else if (c == 72)
            ruler += '*';
        else
            ruler += c % 5 == 0 ? '+' : '-';
    }
    return ruler;
}

bool IsEditorCommentLine(std::string_view line) {
    std::string out;
    ForEachChar(line, [&](std::size_t at, std::size_t length) {
        const std::string_view c = line.substr(at, length);
        out += c == kFullWidthBlank ? std::string_view("  ") : c;
    });
    return Trim(out).rfind("//", 0) == 0;
}

std::string CompactEditorText(std::string_view text) {
    std::string out;
    for (const std::string& line : Lines(text))
        if (!Blank(line)) out += line + "\r\n";
    return out;
}

std::string SpacedEditorText(std::string_view text) {
    std::vector<std::string> kept;
    for (const std::string& line : Lines(text))
        if (!Blank(line)) kept.push_back(line);
    std::string out;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        out += kept[i] + "\r\n";
        if (i + 1 < kept.size() && !IsEditorCommentLine(kept[i]) && IsEditorCommentLine(kept[i + 1])) out += "\r\n";
    }
    return out + "\r\n";
}

RemarkInsertion InsertRemarkLine(std::string_view text, int caretLine) {
    const std::string normal = NormaliseLineEnds(text);
    // Byte offset of the start of line `caretLine + 1` (the end when there is none).
    std::size_t lineStart = 0;
    for (int i = 0; i < caretLine && lineStart < normal.size(); ++i) {
        const std::size_t end = normal.find("\r\n", lineStart);
        lineStart = end == std::string::npos ? normal.size() : end + 2;
    }
    const std::size_t lineEnd = normal.find("\r\n", lineStart);
    const std::string caretText =
        normal.substr(lineStart, lineEnd == std::string::npos ? std::string::npos : lineEnd - lineStart);
    std::string prefix(normal.substr(0, lineEnd == std::string::npos ? normal.size() : lineEnd + 2));
    if (lineEnd == std::string::npos) prefix += "\r\n";
    const std::size_t slashes = caretText.find("//");
    const std::string mark = std::string(slashes == std::string::npos ? 0 : slashes, ' ') + "//" + sj("備考→");
    RemarkInsertion r;
    r.caret = static_cast<int>(prefix.size() + mark.size());
    r.text = prefix + mark + "\r\n" + (lineEnd == std::string::npos ? std::string() : normal.substr(lineEnd + 2));
    return r;
}

std::string NormaliseLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string ReadBackEditorText(std::string_view bytes, bool* lossless) {
    if (lossless) *lossless = true;
    const bool beyondAscii =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (!beyondAscii || !IsUtf8(bytes)) return NormaliseLineEnds(bytes);
    std::string converted;
    const bool clean = Utf8ToCp932(bytes, converted);
    if (lossless) *lossless = clean;
    return NormaliseLineEnds(converted);
}

std::vector<std::string> EditorCommandLine(const std::string& editorPath, const std::string& workFile) {
    const std::string program = Trim(editorPath);
    if (program.empty()) return {};
    std::error_code ec;
    if (std::filesystem::is_regular_file(ToFsPath(program), ec)) return {program, workFile};
    // Split as a POSIX shell would: blanks separate words, quotes group, a backslash escapes.
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (std::size_t i = 0; i < program.size(); ++i) {
        const char c = program[i];
        if (quote == '\'') {
            if (c == '\'')
                quote = 0;
            else
                word += c;
        } else if (quote == '"') {
            if (c == '"')
                quote = 0;
            else if (c == '\\' && i + 1 < program.size() && (program[i + 1] == '"' || program[i + 1] == '\\'))
                word += program[++i];
            else
                word += c;
        } else if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == '\'' || c == '"')
                quote = c;
            else if (c == '\\' && i + 1 < program.size())
                word += program[++i];
            else
                word += c;
        }
    }
    if (inWord) words.push_back(std::move(word));
    if (words.empty()) return {};
    words.push_back(workFile);
    return words;
}

}  // namespace rekkan
