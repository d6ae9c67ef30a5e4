#include "lang/vb_import.h"

#include <algorithm>
#include <array>

#include "lang/c_family_parser.h"
#include "lang/lang_words.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

bool IsVbDelimiter(char c) { return c == ' ' || c == '='; }

/// Position of `word` as a whole word without regard to case; words end at blanks and "=".
std::size_t FindVbWord(std::string_view text, std::string_view word) { return FindWholeWord(text, word, " ="); }

bool HasVbWord(std::string_view text, std::string_view word) {
    return FindVbWord(text, word) != std::string_view::npos;
}

/// The word that follows the one at `pos`: after the next blank, "=" and blanks skipped, up to
/// the next blank or "=".
std::string VbWordAfter(std::string_view text, std::size_t pos) {
    std::size_t p = pos;
    while (p < text.size() && text[p] != ' ' && text[p] != '=') ++p;
    while (p < text.size() && IsVbDelimiter(text[p])) ++p;
    std::size_t end = p;
    while (end < text.size() && !IsVbDelimiter(text[end])) ++end;
    return std::string(text.substr(p, end - p));
}

/// A VB line cut at its first "'" into code and comment.
struct VbLine {
    std::string code;
    std::string comment;
};

VbLine SplitVbLine(std::string_view raw) {
    std::string line = Trim(raw);
    std::replace(line.begin(), line.end(), '\t', ' ');
    VbLine out;
    const std::size_t quote = line.find('\'');
    if (quote == std::string::npos) {
        out.code = line;
    } else {
        out.code = line.substr(0, quote);
        out.comment = Trim(line.substr(quote + 1));
    }
    return out;
}

/// The VB type words in the order in which a later one wins.
constexpr std::array<const char*, 9> kVbTypeWords = {"integer", "long",    "single", "double", "currency",
                                                     "string",  "variant", "byte",   "object"};
/// The C type of each VB type word.
constexpr std::array<const char*, 9> kCTypes = {"signed int ", "signed long ", "float ", "double ", "currency ",
                                                "char ",       "variant ",     "Byte ",  "object "};
constexpr int kVbString = 5;

}  // namespace

VbScanResult ScanVbSource(std::string_view text) {
    VbScanResult result;
    bool open = false;
    VbBlock block;
    int lineNo = 0;
    for (const std::string& raw : SplitLines(text)) {
        ++lineNo;
        const VbLine line = SplitVbLine(raw);
        const std::string& code = line.code;
        if (const std::size_t c = FindVbWord(code, "const"); c != std::string::npos) {
            const std::string name = VbWordAfter(code, c);
            std::string value;
            if (const std::size_t eq = code.find('=', c); eq != std::string::npos)
                value = FirstWord(Trim(code.substr(eq + 1)));
            else if (const std::size_t n = code.find(name, c + 5); n != std::string::npos && !name.empty())
                value = VbWordAfter(code, n);
            if (!name.empty() && static_cast<int>(result.constants.size()) < kMaxDefines)
                result.constants.push_back({name, value, {}, false});
            continue;
        }
        const std::size_t t = FindVbWord(code, "type");
        if (t == std::string::npos) continue;
        if (!HasVbWord(code, "end")) {
            open = true;
            block = VbBlock{lineNo, 0, VbWordAfter(code, t), line.comment};
            continue;
        }
        if (!open) continue;
        open = false;
        block.lastLine = lineNo;
        if (!line.comment.empty()) block.comment = line.comment;
        if (static_cast<int>(result.blocks.size()) < kMaxStructures) result.blocks.push_back(block);
    }
    return result;
}

std::string TranslateVbMember(std::string_view raw) {
    const VbLine line = SplitVbLine(raw);
    if (Trim(line.code).empty()) return {};
    std::string namePart, typePart;
    const std::size_t as = FindVbWord(line.code, "as");
    if (as == std::string::npos) {
        namePart = Trim(line.code);
    } else {
        namePart = Trim(line.code.substr(0, as));
        typePart = Trim(line.code.substr(as + 2));
    }
    std::string name;
    for (char c : namePart) {
        if (c == '(')
            name += '[';
        else if (c == ')')
            name += ']';
        else if (c == ',')
            name += "][";
        else
            name += c;
    }

    int word = -1;
    if (as == std::string::npos) {
        // The type suffix of the name; single (float) without one.
        constexpr std::array<std::pair<char, int>, 6> suffixes = {
            {{'%', 0}, {'&', 1}, {'!', 2}, {'#', 3}, {'@', 4}, {'$', kVbString}}};
        word = 2;
        for (const auto& [c, w] : suffixes)
            if (FindSingleByte(namePart, c) != std::string::npos) word = w;
    } else {
        for (int w = 0; w < static_cast<int>(kVbTypeWords.size()); ++w)
            if (HasVbWord(typePart, kVbTypeWords[static_cast<std::size_t>(w)])) word = w;
    }
    std::string cType;
    if (word < 0) {
        cType = typePart;
    } else {
        cType = kCTypes[static_cast<std::size_t>(word)];
        if (word == kVbString) {
            const std::size_t star = typePart.find('*');
            name +=
                star == std::string::npos ? std::string("[1]") : "[" + RemoveAll(typePart.substr(star + 1), " ") + "]";
        }
    }
    return cType + " " + name + ";  // " + line.comment;
}

std::string TranslateVbToC(std::string_view text, const VbScanResult& scan, std::vector<int>* sourceLines) {
    std::string out;
    auto write = [&](std::string_view line, int vbLine) {
        WriteLine(out, line);
        if (sourceLines) sourceLines->push_back(vbLine);
    };
    for (const CDefine& d : scan.constants) write("#define " + d.name + " " + d.value, 0);
    const std::vector<std::string> lines = SplitLines(text);
    for (const VbBlock& b : scan.blocks) {
        for (int n = b.firstLine; n <= b.lastLine && n <= static_cast<int>(lines.size()); ++n) {
            if (n == b.firstLine) {
                write("Typedef struct { // " + b.comment, n);
            } else if (n == b.lastLine) {
                write("} " + b.name + ";", n);
            } else {
                const std::string member = TranslateVbMember(lines[static_cast<std::size_t>(n - 1)]);
                if (!member.empty()) write(member, n);
            }
        }
    }
    return out;
}

void VbImport::Scan(std::string_view text) {
    const VbScanResult scan = ScanVbSource(text);
    std::vector<int> sourceLines;
    translation_ = TranslateVbToC(text, scan, &sourceLines);
    std::vector<VbBlockLines> table;
    for (const VbBlock& b : scan.blocks) table.push_back({b.name, b.firstLine, b.lastLine});
    c_.ScanVbTranslation(translation_, table, std::move(sourceLines));
}

std::unique_ptr<StructureParser> MakeVbStructureParser() {
    return std::make_unique<CFamilyStructureParser<VbImport>>();
}

}  // namespace rekkan
