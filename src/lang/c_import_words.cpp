#include "lang/c_import_words.h"

#include <algorithm>

#include "lang/lang_words.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// Rounds of define substitution on one line, and the longest line they may make.
constexpr int kMostDefineRounds = 16;
constexpr std::size_t kLongestSubstitutedLine = 4096;

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

bool EndsWord(char c) { return c == ' ' || c == ';' || c == ',' || c == '[' || c == ']' || c == '{' || c == '}'; }

}  // namespace

const std::array<const char*, kKeywordCount>& CKeywordTexts() {
    static const std::array<const char*, kKeywordCount> texts = {
        "Typedef",   "struct",    "char ",    "int ", "integer ", "short ", "long ",  "float ", "double ", "signed ",
        "unsigned ", "currency ", "variant ", "byte", "object",   "word ",  "dword ", "{",      "}",
    };
    return texts;
}

std::optional<CDeclaration> AnalyseDeclaration(std::string_view code) {
    if (FindSingleByte(code, '{') != std::string_view::npos || FindSingleByte(code, '}') != std::string_view::npos)
        return std::nullopt;
    std::string_view c = code.substr(0, std::min(code.size(), FindSingleByte(code, ';')));
    CDeclaration d;
    const std::size_t bracket = FindSingleByte(c, '[');
    if (bracket != std::string_view::npos) {
        const std::size_t last = FindLastSingleByte(c, ']');
        d.dims = Trim(c.substr(
            bracket, last != std::string_view::npos && last > bracket ? last + 1 - bracket : std::string_view::npos));
        c = c.substr(0, bracket);
    }
    const std::string head = Trim(c);
    const std::size_t blank = head.find_last_of(' ');
    if (blank == std::string::npos) {
        d.name = head;
    } else {
        d.name = head.substr(blank + 1);
        d.typePart = Trim(std::string_view(head).substr(0, blank));
    }
    return d;
}

bool CKeywordHits::Any() const {
    for (std::size_t p : pos)
        if (p != std::string::npos) return true;
    return false;
}

CKeywordHits FindCKeywords(std::string_view code) {
    CKeywordHits hits;
    hits.pos.fill(std::string::npos);
    hits.pos[kKwOpen] = FindSingleByte(code, '{');
    hits.pos[kKwClose] = FindSingleByte(code, '}');
    std::string_view typeText = code;
    std::string typePart;
    if (!hits.Has(kKwOpen) && !hits.Has(kKwClose)) {
        if (auto d = AnalyseDeclaration(code)) {
            typePart = d->typePart;
            typeText = typePart;
        }
    } else if (hits.Has(kKwClose) && !hits.Has(kKwOpen)) {
        typeText = code.substr(0, hits.pos[kKwClose]);
    } else if (const std::size_t s = FindWord(code, "struct"); s != std::string_view::npos) {
        // A structure's tag is a name, not a type ("struct Object {" opens a group).
        typeText = code.substr(0, s + 6);
    } else if (const std::size_t u = FindWord(code, "union"); u != std::string_view::npos) {
        typeText = code.substr(0, u + 5);
    }
    const auto& texts = CKeywordTexts();
    for (int k = 0; k < kKwOpen; ++k) {
        const std::size_t p = FindWord(typeText, texts[static_cast<std::size_t>(k)]);
        // Positions refer to the type part, which starts the code of a declaration.
        hits.pos[static_cast<std::size_t>(k)] = p;
    }
    // A union opens a group like a structure; its members are laid over each other.
    if (!hits.Has(kKwStruct) && hits.Has(kKwOpen)) {
        if (const std::size_t u = FindWord(typeText, "union"); u != std::string::npos) {
            hits.pos[kKwStruct] = u;
            hits.isUnion = true;
        }
    }
    return hits;
}

std::string CWordAfter(std::string_view code, std::size_t pos, std::size_t len) {
    std::size_t p = pos + len;
    while (p < code.size() && code[p] == ' ') ++p;
    std::size_t end = p;
    while (end < code.size() && !EndsWord(code[end])) {
        end += CharLength(code, end);
    }
    return std::string(code.substr(p, std::min(end, code.size()) - p));
}

std::string CVariableName(std::string_view code, const CKeywordHits& hits) {
    if (!hits.Has(kKwOpen) && !hits.Has(kKwClose)) {
        if (auto d = AnalyseDeclaration(code)) return d->name;
        return {};
    }
    const auto& texts = CKeywordTexts();
    for (int k = kKwStruct; k < kKeywordCount; ++k) {
        if (!hits.Has(k)) continue;
        const std::size_t len =
            (k == kKwStruct && hits.isUnion) ? 5 : TrimRight(texts[static_cast<std::size_t>(k)]).size();
        std::string w = CWordAfter(code, hits.pos[static_cast<std::size_t>(k)], len);
        if (!w.empty()) return w;
    }
    return {};
}

std::vector<std::string> BracketContents(std::string_view code) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (true) {
        const std::size_t open = FindSingleByte(code, '[', pos);
        if (open == std::string_view::npos) break;
        const std::size_t close = FindSingleByte(code, ']', open + 1);
        if (close == std::string_view::npos) break;
        out.emplace_back(code.substr(open + 1, close - open - 1));
        pos = close + 1;
    }
    return out;
}

std::size_t FindVbToWord(std::string_view text) { return FindWholeWord(text, "to", " "); }

std::vector<IdentifierSpan> Identifiers(std::string_view text) {
    std::vector<IdentifierSpan> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (CharLength(text, i) == 2) {
            i += 2;
            continue;
        }
        if (IsIdentStart(c)) {
            std::size_t end = i + 1;
            while (end < text.size() && IsIdentChar(text[end])) ++end;
            out.push_back({i, end - i});
            i = end;
            continue;
        }
        if (c >= '0' && c <= '9') {
            // A number with a suffix ("10UL", "0x1F") is no identifier.
            while (i < text.size() && IsIdentChar(text[i])) ++i;
            continue;
        }
        ++i;
    }
    return out;
}

std::string SubstituteDefines(std::string_view code, const std::unordered_map<std::string, std::string>& defines) {
    std::string text(code);
    if (defines.empty()) return text;
    for (int round = 0; round < kMostDefineRounds; ++round) {
        std::string next;
        std::size_t last = 0;
        bool changed = false;
        for (const IdentifierSpan& id : Identifiers(text)) {
            const auto it = defines.find(text.substr(id.pos, id.len));
            if (it == defines.end() || it->second == it->first) continue;
            next.append(text, last, id.pos - last);
            next += it->second;
            last = id.pos + id.len;
            changed = true;
        }
        if (!changed) break;
        next.append(text, last, std::string::npos);
        if (next.size() > kLongestSubstitutedLine) break;
        text = std::move(next);
    }
    return text;
}

std::string SubstituteMacroCalls(std::string_view code, const std::vector<CDefine>& macros) {
    std::string text(code);
    for (int round = 0; round < kMostDefineRounds; ++round) {
        bool changed = false;
        for (const IdentifierSpan& id : Identifiers(text)) {
            const std::string name = text.substr(id.pos, id.len);
            const auto macro = std::find_if(macros.begin(), macros.end(),
                                            [&](const CDefine& d) { return d.functionLike && d.name == name; });
            if (macro == macros.end()) continue;
            std::size_t open = id.pos + id.len;
            while (open < text.size() && text[open] == ' ') ++open;
            if (open >= text.size() || text[open] != '(') continue;
            std::vector<std::string> args(1);
            std::size_t end = open + 1;
            for (int depth = 1; end < text.size(); ++end) {
                const char c = text[end];
                if (c == '(') ++depth;
                if (c == ')' && --depth == 0) break;
                if (c == ',' && depth == 1)
                    args.emplace_back();
                else
                    args.back() += c;
            }
            if (end >= text.size() || args.size() != macro->params.size()) continue;
            std::string body;
            std::size_t last = 0;
            for (const IdentifierSpan& b : Identifiers(macro->value)) {
                const auto p = std::find(macro->params.begin(), macro->params.end(), macro->value.substr(b.pos, b.len));
                if (p == macro->params.end()) continue;
                body.append(macro->value, last, b.pos - last);
                body += "(" + Trim(args[static_cast<std::size_t>(p - macro->params.begin())]) + ")";
                last = b.pos + b.len;
            }
            body.append(macro->value, last, std::string::npos);
            text = text.substr(0, id.pos) + body + text.substr(end + 1);
            changed = true;
            break;
        }
        if (!changed || text.size() > kLongestSubstitutedLine) break;
    }
    return text;
}

std::string NameAfterClose(std::string_view code) {
    const std::size_t close = FindSingleByte(code, '}');
    if (close == std::string_view::npos) return {};
    return CWordAfter(code, close, 1);
}

std::string BracketText(std::string_view dims) {
    std::string out;
    for (const std::string& c : BracketContents(dims)) out += "[" + c + "]";
    return out;
}

}  // namespace rekkan
