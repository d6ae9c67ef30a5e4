// PIC classification: type code, digits and decimal places of an entry.
#include <algorithm>
#include <cctype>

#include "lang/cobol_import.h"
#include "lang/lang_words.h"
#include "model/type_catalogue.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

constexpr long long kMostCount = 9'999'999;

bool IsPictureChar(char c) {
    static const std::string_view allowed = "0123456789abxngsvpz().,\\+-*/$";
    return allowed.find(static_cast<char>(std::tolower(static_cast<unsigned char>(c)))) != std::string_view::npos;
}

/// True when `word` belongs to the picture string. A word ending in CR or DB (an edited
/// picture) counts when the rest of it does.
bool IsPictureWord(std::string_view word) {
    if (word.size() >= 2) {
        const std::string tail = ToUpperAscii(word.substr(word.size() - 2));
        if (tail == "CR" || tail == "DB") word.remove_suffix(2);
    }
    return std::all_of(word.begin(), word.end(), IsPictureChar);
}

/// The picture text: from the picture string up to the first word that is not part of it.
std::string PictureText(std::string_view from) {
    std::string out;
    std::size_t i = 0;
    while (i < from.size()) {
        std::size_t end = i;
        while (end < from.size() && from[end] != ' ' && from[end] != ';') ++end;
        const std::string_view word = from.substr(i, end - i);
        if (!word.empty() && !IsPictureWord(word)) break;
        out.append(word);
        if (end < from.size()) out += from[end];
        i = end + 1;
    }
    return out;
}

/// Type names of the C and VB types in editor-mode text, tried in this order.
int EditorModeType(std::string_view pictureWord) {
    static const char* const names[] = {"String",  "U_Char", "U_Integer", "U_Short", "U_Long",   "S_Char",  "S_Integer",
                                        "S_Short", "S_Long", "Float",     "Double",  "Currency", "Variant", "Date",
                                        "Time",    "BYTE",   "Object",    "Date8",   "Hex",      "WORD",    "DWORD"};
    const std::size_t cut = pictureWord.find_first_of("().;");
    const std::string head = Trim(pictureWord.substr(0, cut));
    for (int k = 0; k < 21; ++k)
        if (EqualsNoCase(head, names[k])) return kString + k;
    return -1;
}

struct Counts {
    long long alnum = 0, japanese = 0, bits = 0, integer = 0, decimal = 0;
    bool afterV = false;
    bool signedPic = false;
};

Counts CountPicture(std::string_view pic) {
    Counts c;
    for (std::size_t i = 0; i < pic.size(); ++i) {
        const char ch = static_cast<char>(std::tolower(static_cast<unsigned char>(pic[i])));
        switch (ch) {
        case ' ':
        case ';': break;
        case 'p':
            // A scaling position takes no storage, nor does its repeat count.
            if (i + 1 < pic.size() && pic[i + 1] == '(') i = std::min(pic.size(), pic.find(')', i));
            break;
        case 'g':
        case 'n': ++c.japanese; break;
        case 's': c.signedPic = true; break;
        case 'v': c.afterV = true; break;
        case '1': ++c.bits; break;
        case '9':
            if (c.alnum > 0)
                ++c.alnum;
            else if (c.afterV)
                ++c.decimal;
            else
                ++c.integer;
            break;
        case '(': {
            long long r = 0;
            bool digits = true;
            std::size_t j = i + 1;
            for (; j < pic.size() && pic[j] != ')'; ++j) {
                if (pic[j] == ' ' || pic[j] == ';') continue;
                if (digits && pic[j] >= '0' && pic[j] <= '9')
                    r = std::min(kMostCount, r * 10 + (pic[j] - '0'));
                else
                    digits = false;
            }
            i = j;  // reading goes on after ")"
            const long long add = r - 1;
            if (c.japanese > 0) c.japanese += add;
            if (c.alnum > 0) c.alnum += add;
            if (c.bits > 0) c.bits += add;
            if (c.integer + c.decimal > 0) (c.afterV ? c.decimal : c.integer) += add;
            break;
        }
        default:
            c.alnum = c.alnum + c.integer + c.decimal + 1;
            c.integer = c.decimal = 0;
            break;
        }
        c.alnum = std::min(c.alnum, kMostCount);
        c.japanese = std::min(c.japanese, kMostCount);
        c.bits = std::min(c.bits, kMostCount);
        c.integer = std::min(c.integer, kMostCount);
        c.decimal = std::min(c.decimal, kMostCount);
    }
    return c;
}

/// Usage words and the usage each stands for.
struct UsageName {
    const char* word;
    const char* usage;
};
constexpr UsageName kUsageNames[] = {
    {"COMP", "COMP"},
    {"COMPUTATIONAL", "COMP"},
    {"COMP-1", "COMP-1"},
    {"COMPUTATIONAL-1", "COMP-1"},
    {"COMP-2", "COMP-2"},
    {"COMPUTATIONAL-2", "COMP-2"},
    {"COMP-3", "COMP-3"},
    {"COMPUTATIONAL-3", "COMP-3"},
    {"PACKED-DECIMAL", "COMP-3"},
    {"COMP-4", "BINARY"},
    {"COMPUTATIONAL-4", "BINARY"},
    {"BINARY", "BINARY"},
    {"COMP-5", "COMP-5"},
    {"COMPUTATIONAL-5", "COMP-5"},
    {"DISPLAY", "DISPLAY"},
    {"NATIONAL", "NATIONAL"},
    {"FLOAT-SHORT", "COMP-1"},
    {"FLOAT-LONG", "COMP-2"},
    {"BINARY-CHAR", "BINARY-CHAR"},
    {"BINARY-SHORT", "BINARY-SHORT"},
    {"BINARY-LONG", "BINARY-LONG"},
    {"BINARY-DOUBLE", "BINARY-DOUBLE"},
    {"POINTER", "POINTER"},
    {"PROCEDURE-POINTER", "POINTER"},
    {"PROGRAM-POINTER", "POINTER"},
    {"INDEX", "INDEX"},
};

}  // namespace

std::string UsageOf(std::string_view entry) {
    for (const UsageName& u : kUsageNames)
        if (HasWord(entry, u.word)) return u.usage;
    return {};
}

PicClass SizedUsage(std::string_view entry) {
    const std::string usage = UsageOf(entry);
    const bool isUnsigned = HasWord(entry, "UNSIGNED");
    if (usage == "POINTER") return {kHex, 8, 0};
    if (usage == "INDEX") return {kHex, 4, 0};
    if (usage == "BINARY-CHAR") return {isUnsigned ? kUChar : kSChar, 1, 0};
    // The native binary integers have the binary size of 4, 9 and 18 digits: 2, 4 and 8 bytes.
    const int type = isUnsigned ? kUComp5 : kSComp5;
    if (usage == "BINARY-SHORT") return {type, 4, 0};
    if (usage == "BINARY-LONG") return {type, 9, 0};
    if (usage == "BINARY-DOUBLE") return {type, 18, 0};
    if (usage == "COMP-1") return {kSComp1, 4, 0};
    if (usage == "COMP-2") return {kSComp2, 8, 0};
    return {kGroup, 0, 0};
}

PicClass ClassifyPicture(std::string_view entry, bool comp12WithoutPic, bool editorMode) {
    const bool comp1 = HasWord(entry, "COMP-1") || HasWord(entry, "COMPUTATIONAL-1");
    const bool comp2 = HasWord(entry, "COMP-2") || HasWord(entry, "COMPUTATIONAL-2");
    std::size_t keyword = FindWord(entry, "pic");
    std::size_t keywordLen = 3;
    if (keyword == std::string_view::npos) {
        keyword = FindWord(entry, "picture");
        keywordLen = 7;
    }
    const bool comp12Alone = comp12WithoutPic && (comp1 || comp2) && keyword == std::string_view::npos;
    if (keyword == std::string_view::npos && !comp12Alone) return {kGroup, 0, 0};

    PicClass result{kX, 1, 0};
    Counts c;
    if (keyword != std::string_view::npos) {
        std::string_view rest = entry.substr(keyword + keywordLen);
        std::string word = WordAfter(entry.substr(keyword), entry.substr(keyword, keywordLen));
        if (EqualsNoCase(word, "is")) {
            const std::size_t is = FindWord(rest, "is");
            rest = rest.substr(is + 2);
            word = WordAfter(entry.substr(keyword), "is");
        }
        const std::size_t start = rest.find_first_not_of(' ');
        rest = start == std::string_view::npos ? std::string_view() : rest.substr(start);
        if (editorMode) {
            const int type = EditorModeType(word);
            if (type >= 0) {
                const std::size_t open = word.find('(');
                int digits = 0;
                if (open != std::string::npos)
                    for (std::size_t i = open + 1;
                         i < word.size() && i < open + 8 && std::isdigit(static_cast<unsigned char>(word[i])); ++i)
                        digits = digits * 10 + (word[i] - '0');
                return {type, digits, 0};
            }
        }
        c = CountPicture(PictureText(rest));
    }

    const bool packed = HasWord(entry, "PACKED-DECIMAL") || HasWord(entry, "PACK") || HasWord(entry, "COMP-3") ||
                        HasWord(entry, "COMPUTATIONAL-3");
    const bool comp5 = HasWord(entry, "COMP-5") || HasWord(entry, "COMPUTATIONAL-5");
    // COMP-4 is the binary form of the standard, like BINARY.
    const bool binary = HasWord(entry, "BINARY") || HasWord(entry, "COMP-4") || HasWord(entry, "COMPUTATIONAL-4");
    const bool comp =
        !comp1 && !comp2 && !packed && !comp5 && (HasWord(entry, "COMP") || HasWord(entry, "COMPUTATIONAL"));
    if (c.bits == 0 && HasWord(entry, "BIT")) c.bits = c.integer + c.decimal;

    if (c.alnum > 0) result = {kX, static_cast<int>(c.alnum), 0};
    if (c.japanese > 0) result = {kJ, static_cast<int>(c.japanese), 0};
    if (c.bits > 0) result = {kBit, static_cast<int>(c.bits), 0};
    if (comp12Alone && c.integer + c.decimal == 0) c.integer = comp1 ? 4 : 8;
    if (c.bits == 0 && c.integer + c.decimal > 0) {
        int type = c.signedPic ? kSNum : kUNum;
        if (comp1) type = kSComp1;
        if (comp2) type = kSComp2;
        if (packed) type = c.signedPic ? kSComp3 : kUComp3;
        if (binary) type = c.signedPic ? kSBinary : kUBinary;
        if (comp) type = c.signedPic ? kSComp : kUComp;
        if (comp5) type = c.signedPic ? kSComp5 : kUComp5;
        result = {type, static_cast<int>(c.integer), static_cast<int>(c.decimal)};
        // A separate sign character takes a byte of its own, which no zoned type has: the
        // item is read as characters of its full width.
        if (type == kSNum && HasWord(entry, "SEPARATE")) result = {kX, static_cast<int>(c.integer + c.decimal + 1), 0};
    }
    return result;
}

}  // namespace rekkan
