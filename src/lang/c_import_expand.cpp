#include <algorithm>
#include <unordered_map>

#include "lang/c_import.h"
#include "lang/c_import_words.h"
#include "lang/lang_words.h"
#include "util/sjis.h"
#include "util/text.h"

// Expansion of a listed structure into lines: member types in place, one declaration a line,
// multi-dimensional arrays as nested groups.

namespace rekkan {
namespace {

/// Cuts a code line after each "{" and ";" and before each "}", so that a structure written on
/// one line is read like one written over several. The comment stays with the first piece.
std::vector<CExpandedLine> SplitPieces(const CExpandedLine& line) {
    std::vector<CExpandedLine> out;
    const std::string& code = line.code;
    std::string piece;
    auto flush = [&] {
        std::string t = Trim(piece);
        piece.clear();
        if (t.empty()) return;
        out.push_back({std::move(t), out.empty() ? line.comment : std::string(), line.chain});
    };
    ForEachChar(code, [&](std::size_t i, std::size_t length) {
        const char c = length == 1 ? code[i] : '\0';
        if (c == '}') flush();
        piece.append(code, i, length);
        if (c == '{' || (c == ';' && i + 1 < code.size())) flush();
    });
    flush();
    if (out.empty())
        out.push_back(line);
    else if (!line.comment.empty() && out.front().comment.empty())
        out.front().comment = line.comment;
    return out;
}

/// An enumeration written inside a structure ("enum { RED, GREEN } color;", also over several
/// lines) becomes the one member line "enum color;": its constants take no bytes.
std::vector<CExpandedLine> CollapseEnumerations(std::vector<CExpandedLine> lines) {
    std::vector<CExpandedLine> out;
    int depth = 0;
    std::string comment;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CExpandedLine& line = lines[i];
        if (depth > 0) {
            if (HasChar(line.code, '{')) ++depth;
            if (HasChar(line.code, '}') && --depth == 0) {
                const std::string rest = Trim(line.code.substr(FindSingleByte(line.code, '}') + 1));
                if (!rest.empty() && rest != ";") out.push_back({"enum " + rest, comment, line.chain});
            }
            continue;
        }
        if (HasWord(line.code, "enum") && !HasChar(line.code, ';') && !HasChar(line.code, '}')) {
            // "enum TAG" may have its brace on the next line.
            const bool braceNext = !HasChar(line.code, '{') && i + 1 < lines.size() && lines[i + 1].code == "{";
            if (HasChar(line.code, '{') || braceNext) {
                depth = 1;
                comment = line.comment;
                if (braceNext) ++i;
                continue;
            }
        }
        out.push_back(std::move(line));
    }
    return out;
}

/// Splits "int a, b[3];" into one line per declared name.
std::vector<CExpandedLine> SplitDeclarators(const CExpandedLine& line) {
    const std::string& code = line.code;
    if (HasChar(code, '{') || HasChar(code, '}') || HasChar(code, '(') || !HasChar(code, ',')) return {line};
    std::vector<std::string> parts;
    std::string part;
    int depth = 0;
    ForEachChar(code, [&](std::size_t i, std::size_t length) {
        const char c = length == 1 ? code[i] : '\0';
        if (c == '[') ++depth;
        if (c == ']') depth = std::max(0, depth - 1);
        if (c == ',' && depth == 0) {
            parts.push_back(part);
            part.clear();
            return true;
        }
        if (c == ';' && depth == 0) return false;
        part.append(code, i, length);
        return true;
    });
    parts.push_back(part);
    const auto first = AnalyseDeclaration(parts.front());
    if (!first || first->typePart.empty()) return {line};
    std::vector<CExpandedLine> out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string decl = Trim(parts[i]);
        if (decl.empty()) continue;
        const std::string c = (i == 0 ? decl : first->typePart + " " + decl) + ";";
        out.push_back({c, line.comment, line.chain});
    }
    return out;
}

/// Multi-dimensional arrays become nested groups, one per dimension but the last.
std::vector<CExpandedLine> ExpandArrayGroups(const std::vector<CExpandedLine>& lines) {
    struct Opener {
        std::size_t index;  ///< first output line of the opener
        int count;          ///< group lines it produced
        std::string comment;
    };
    std::vector<CExpandedLine> out;
    std::vector<Opener> openers;
    // Group lines carry the member's name, so that a group without a comment is named after it.
    auto groupLine = [](const CExpandedLine& from, const std::string& name) {
        return CExpandedLine{"struct { " + name, from.comment, from.chain};
    };

    for (const CExpandedLine& line : lines) {
        const CKeywordHits hits = FindCKeywords(line.code);
        const std::vector<std::string> dims = BracketContents(line.code);
        const bool opens = hits.Has(kKwOpen) && !hits.Has(kKwClose);
        const bool closes = hits.Has(kKwClose) && !hits.Has(kKwOpen);
        bool basic = false;
        for (int k = kKwChar; k <= kKwDword; ++k) basic = basic || hits.Has(k);

        if (dims.empty() || (!basic && !hits.Has(kKwStruct) && !closes)) {
            if (opens) openers.push_back({out.size(), 1, line.comment});
            if (closes && !openers.empty()) {
                const int extra = openers.back().count - 1;
                openers.pop_back();
                out.push_back(line);
                for (int i = 0; i < extra; ++i) out.push_back({"}", "", line.chain});
                continue;
            }
            out.push_back(line);
            continue;
        }
        const int n = static_cast<int>(dims.size());
        if (basic) {
            const auto decl = AnalyseDeclaration(line.code);
            const bool isString = hits.Has(kKwChar) && !hits.Has(kKwUnsigned) && !hits.Has(kKwSigned);
            const int g = n - 1 - (isString ? 1 : 0);
            if (!decl || g <= 0) {
                out.push_back(line);
                continue;
            }
            for (int i = 0; i < g; ++i) out.push_back(groupLine(line, decl->name));
            std::string element = decl->typePart + " " + decl->name;
            for (int i = g; i < n; ++i) element += "[" + dims[static_cast<std::size_t>(i)] + "]";
            out.push_back({element + ";", line.comment, line.chain});
            for (int i = g - 1; i >= 0; --i)
                out.push_back({"} " + decl->name + "[" + dims[static_cast<std::size_t>(i)] + "];", "", line.chain});
            continue;
        }
        if (hits.Has(kKwStruct) && opens) {
            openers.push_back({out.size(), n, line.comment});
            const std::string name = CVariableName(line.code, hits);
            for (int i = 0; i < n; ++i) out.push_back(groupLine(line, name));
            continue;
        }
        if (closes) {
            // Balance: the structure closed here needs one group line per dimension.
            const std::string name = NameAfterClose(line.code);
            if (!openers.empty()) {
                Opener o = openers.back();
                openers.pop_back();
                if (o.count < n) {
                    const CExpandedLine extra{"struct { " + name, o.comment, line.chain};
                    out.insert(out.begin() + static_cast<std::ptrdiff_t>(o.index + static_cast<std::size_t>(o.count)),
                               static_cast<std::size_t>(n - o.count), extra);
                }
                for (int i = n; i < o.count; ++i) out.push_back({"}", "", line.chain});
            }
            out.push_back({"} " + name + "[" + dims.back() + "];", line.comment, line.chain});
            for (int i = n - 2; i >= 0; --i)
                out.push_back({"} " + name + "[" + dims[static_cast<std::size_t>(i)] + "];", "", line.chain});
            continue;
        }
        if (opens) openers.push_back({out.size(), 1, line.comment});
        out.push_back(line);
    }
    return out;
}

}  // namespace

std::vector<CExpandedLine> CImport::Expand(int index, bool arrayGroups, ImportSession& session,
                                           std::size_t maxLines) const {
    if (index < 0 || index >= static_cast<int>(ranges_.size())) return {};
    const auto [firstLine, lastLine] = ranges_[static_cast<std::size_t>(index)];

    std::unordered_map<std::string, std::string> defines;
    for (const CDefine& d : defines_)
        if (!d.functionLike) defines.emplace(d.name, d.value);
    std::unordered_map<std::string, std::vector<int>> typesByName;
    for (std::size_t t = 0; t < types_.size(); ++t) typesByName[types_[t].name].push_back(static_cast<int>(t));

    auto take = [&](int from, int to, const std::vector<int>& chain, std::vector<CExpandedLine>& out) {
        std::vector<CExpandedLine> pieces;
        for (int n = std::max(1, from); n <= to && n <= static_cast<int>(lines_.size()); ++n) {
            const CSourceLine& src = lines_[static_cast<std::size_t>(n - 1)];
            if (!src.used) continue;
            CExpandedLine line{src.code, src.comment, chain};
            TakePrefixMark(line.comment, session.prefix);
            for (CExpandedLine& piece : SplitPieces(line)) pieces.push_back(std::move(piece));
        }
        for (CExpandedLine& line : CollapseEnumerations(std::move(pieces))) out.push_back(std::move(line));
    };

    std::vector<CExpandedLine> source;
    take(firstLine, lastLine, {}, source);

    // Member types are expanded in place, depth first, so that the lines come out in record
    // order; a type is never expanded inside its own expansion, and the output is bounded.
    std::vector<CExpandedLine> lines;
    std::vector<CExpandedLine> pending(std::make_move_iterator(source.rbegin()),
                                       std::make_move_iterator(source.rend()));
    while (!pending.empty() && lines.size() < maxLines) {
        CExpandedLine raw = std::move(pending.back());
        pending.pop_back();
        raw.code = SubstituteDefines(SubstituteMacroCalls(raw.code, defines_), defines);
        std::vector<CExpandedLine> declarators = SplitDeclarators(raw);
        if (declarators.size() > 1) {
            for (auto it = declarators.rbegin(); it != declarators.rend(); ++it) pending.push_back(std::move(*it));
            continue;
        }
        CExpandedLine& line = declarators.front();
        const auto decl = AnalyseDeclaration(line.code);
        int found = -1;
        if (decl && !decl->typePart.empty()) {
            for (const IdentifierSpan& id : Identifiers(decl->typePart)) {
                const auto it = typesByName.find(decl->typePart.substr(id.pos, id.len));
                if (it == typesByName.end()) continue;
                for (int t : it->second) {
                    const CTypeEntry& e = types_[static_cast<std::size_t>(t)];
                    if (e.firstLine == firstLine) continue;
                    if (std::find(line.chain.begin(), line.chain.end(), e.firstLine) != line.chain.end()) continue;
                    if (found < 0 || t < found) found = t;
                    break;
                }
            }
        }
        if (found < 0) {
            lines.push_back(std::move(line));
            continue;
        }
        const CTypeEntry& e = types_[static_cast<std::size_t>(found)];
        std::vector<int> chain = line.chain;
        chain.push_back(e.firstLine);
        const std::string member = decl->name + BracketText(decl->dims) + e.dimensions;
        const std::string comment = line.comment.empty() ? e.comment : line.comment;
        std::vector<CExpandedLine> replacement;
        if (e.baseType != "struct ") {
            replacement.push_back({Trim(e.baseType) + " " + member + ";", comment, chain});
        } else {
            std::vector<CExpandedLine> body;
            take(e.firstLine, e.lastLine, chain, body);
            if (body.empty()) continue;
            const bool opens = HasChar(body.front().code, '{');
            replacement.push_back({"struct " + std::string(opens ? "{ " : "") + member, comment, chain});
            const bool closes = body.size() > 1 && HasChar(body.back().code, '}');
            const std::size_t end = closes ? body.size() - 1 : body.size();
            for (std::size_t b = 1; b < end; ++b) replacement.push_back(std::move(body[b]));
            replacement.push_back({"} " + member + ";", "", chain});
        }
        for (auto it = replacement.rbegin(); it != replacement.rend(); ++it) pending.push_back(std::move(*it));
    }

    // A member of an enumeration type is read as an int, the size compilers give it.
    for (CExpandedLine& line : lines) {
        if (!HasWord(line.code, "enum")) continue;
        const auto decl = AnalyseDeclaration(line.code);
        if (!decl || !HasWord(decl->typePart, "enum") ||
            line.code.compare(0, decl->typePart.size(), decl->typePart) != 0)
            continue;
        line.code = "int" + line.code.substr(decl->typePart.size());
        line.enumeration = true;
    }

    // A structure line without "{" takes the brace of the next line that holds one.
    bool pendingBrace = false;
    for (CExpandedLine& line : lines) {
        if (pendingBrace && HasChar(line.code, '{')) {
            line.code.erase(FindSingleByte(line.code, '{'), 1);
            line.code = Trim(line.code);
            pendingBrace = false;
            continue;
        }
        if ((HasWord(line.code, "struct") || HasWord(line.code, "union")) && !HasChar(line.code, '{') &&
            !HasChar(line.code, ';') && !HasChar(line.code, '}')) {
            line.code += " {";
            pendingBrace = true;
        }
    }

    if (vb_)
        for (CExpandedLine& line : lines) line.code = RewriteVbBounds(line.code);
    if (arrayGroups) lines = ExpandArrayGroups(lines);
    return lines;
}

}  // namespace rekkan
