#include "lang/c_import.h"

#include <algorithm>
#include <unordered_map>

#include "lang/c_family_parser.h"
#include "lang/c_import_words.h"
#include "lang/lang_words.h"
#include "model/geometry.h"
#include "model/group_rule.h"
#include "model/type_catalogue.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// Deepest level a row may get.
constexpr int kDeepestLevel = 15;

bool HasChar(std::string_view s, char c) { return s.find(c) != std::string_view::npos; }

std::vector<std::string> BlankWords(std::string_view s, bool semicolonToo) {
    std::vector<std::string> words;
    std::string w;
    for (char c : s) {
        if (c == ' ' || (semicolonToo && c == ';')) {
            if (!w.empty()) words.push_back(std::move(w));
            w.clear();
        } else {
            w += c;
        }
    }
    if (!w.empty()) words.push_back(std::move(w));
    return words;
}

std::string Join(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to && i < words.size(); ++i) {
        if (!out.empty()) out += ' ';
        out += words[i];
    }
    return out;
}

/// The name a "}" line gives its structure: the word after the brace.
std::string NameAfterClose(std::string_view code) {
    const std::size_t close = code.find('}');
    if (close == std::string_view::npos) return {};
    return CWordAfter(code, close, 1);
}

/// A line holding a structure declaration, not a definition ("struct A a;").
bool IsStructDeclarationOnly(std::string_view code) { return !HasChar(code, '{') && HasChar(code, ';'); }

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
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '}') flush();
        piece += c;
        if (c == '{' || (c == ';' && i + 1 < code.size())) flush();
    }
    flush();
    if (out.empty()) out.push_back(line);
    else if (!line.comment.empty() && out.front().comment.empty()) out.front().comment = line.comment;
    return out;
}

/// Splits "int a, b[3];" into one line per declared name.
std::vector<CExpandedLine> SplitDeclarators(const CExpandedLine& line) {
    const std::string& code = line.code;
    if (HasChar(code, '{') || HasChar(code, '}') || HasChar(code, '(') || !HasChar(code, ',')) return {line};
    std::vector<std::string> parts;
    std::string part;
    int depth = 0;
    for (char c : code) {
        if (c == '[') ++depth;
        if (c == ']') depth = std::max(0, depth - 1);
        if (c == ',' && depth == 0) {
            parts.push_back(part);
            part.clear();
            continue;
        }
        if (c == ';' && depth == 0) break;
        part += c;
    }
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

/// The dimension brackets of a declaration ("[2][3]"), without anything else.
std::string BracketText(std::string_view dims) {
    std::string out;
    for (const std::string& c : BracketContents(dims)) out += "[" + c + "]";
    return out;
}

/// Byte size and type of the row a line stores; `stored` false when it stores none.
struct RowType {
    bool stored = false;
    int type = kGroup;
    int bytes = 0;
    int repeat = 1;
};

RowType TypeOfLine(const CKeywordHits& hits, const CDimensions& dims, const IntSizes& sizes) {
    RowType r;
    const bool isUnsigned = hits.Has(kKwUnsigned);
    const bool isSigned = hits.Has(kKwSigned);
    auto store = [&](int type, int bytes) {
        r.stored = true;
        r.type = type;
        r.bytes = bytes;
        r.repeat = dims.product;
    };
    // Every present keyword stores the row in table order; the last one wins.
    if (hits.Has(kKwTypedef) || hits.Has(kKwStruct)) store(kGroup, 0);
    if (hits.Has(kKwChar)) {
        if (isUnsigned) {
            store(kUChar, 1);
        } else if (isSigned) {
            store(kSChar, 1);
        } else if (!dims.sizes.empty()) {
            store(kString, dims.sizes.back());
            long long rest = 1;
            for (std::size_t i = 0; i + 1 < dims.sizes.size(); ++i) rest = std::min<long long>(rest * dims.sizes[i], 1'000'000);
            r.repeat = static_cast<int>(rest);
        } else {
            store(kSChar, 1);
        }
    }
    if (hits.Has(kKwInt) || hits.Has(kKwInteger)) store(isUnsigned ? kUInt : kSInt, sizes.intSize);
    if (hits.Has(kKwShort)) store(isUnsigned ? kUShort : kSShort, sizes.shortSize);
    if (hits.Has(kKwLong)) store(isUnsigned ? kULong : kSLong, sizes.longSize);
    if (hits.Has(kKwFloat)) store(kFloat, 4);
    if (hits.Has(kKwDouble)) store(kDouble, 8);
    const bool sizedInteger = hits.Has(kKwChar) || hits.Has(kKwInt) || hits.Has(kKwInteger) || hits.Has(kKwShort) ||
                              hits.Has(kKwLong);
    if ((isSigned || isUnsigned) && !sizedInteger) store(isUnsigned ? kUInt : kSInt, sizes.intSize);
    if (hits.Has(kKwCurrency)) store(kCurrency, 8);
    if (hits.Has(kKwVariant)) store(kVariant, 1);
    if (hits.Has(kKwByte)) store(kByte, 1);
    if (hits.Has(kKwObject)) store(kObject, 4);
    if (hits.Has(kKwWord)) store(kWord, 2);
    if (hits.Has(kKwDword)) store(kDword, 4);
    return r;
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

/// Most unions whose members are overlaid in one extraction.
constexpr std::size_t kMostUnions = 64;

/// Moves the rows [from, to) so that they start at `at` (at < from) and renumbers the key
/// entries that point into the moved rows.
void MoveRows(std::vector<TRspec>& rows, int at, int from, int to, std::vector<std::string>& keyEntries) {
    std::rotate(rows.begin() + at, rows.begin() + from, rows.begin() + to);
    for (std::string& entry : keyEntries) {
        const std::size_t colon = entry.rfind(':');
        int row = 0;
        if (colon == std::string::npos || !ParseInt(entry.substr(colon + 1), row)) continue;
        if (row >= from && row < to) row = at + (row - from);
        else if (row >= at && row < from) row += to - from;
        entry = entry.substr(0, colon + 1) + std::to_string(row);
    }
    std::sort(keyEntries.begin(), keyEntries.end());
}

/// The members of a union share their bytes: the longest member is put first and the others
/// redefine it, so that the union is as long as its longest member.
void OverlayUnionMembers(LayoutDocument& doc, const std::vector<int>& unionRows, const IntSizes& sizes,
                         std::vector<std::string>& keyEntries) {
    std::size_t done = 0;
    for (auto it = unionRows.rbegin(); it != unionRows.rend() && done < kMostUnions; ++it, ++done) {
        std::vector<TRspec>& rows = doc.items;
        const int n = static_cast<int>(rows.size());
        const int u = *it;
        if (u < 0 || u >= n) continue;
        const int level = rows[static_cast<std::size_t>(u)].LVL;
        std::vector<int> children;
        int end = u + 1;
        for (; end < n && rows[static_cast<std::size_t>(end)].LVL > level; ++end)
            if (rows[static_cast<std::size_t>(end)].LVL == level + 1) children.push_back(end);
        if (children.size() < 2 || children.front() != u + 1) continue;

        LayoutDocument copy;
        copy.items = rows;
        copy.sizes = sizes;
        Geometry geometry;
        (void)geometry.Run(copy, GeometryForm::Record);
        auto sizeOf = [&](int row) {
            const long long len = geometry.Rows()[static_cast<std::size_t>(row)].ElemLen;
            return len * std::max(1, rows[static_cast<std::size_t>(row)].RPT);
        };
        int longest = children.front();
        for (int c : children)
            if (sizeOf(c) > sizeOf(longest)) longest = c;
        if (longest != children.front()) {
            int longestEnd = longest + 1;
            while (longestEnd < end && rows[static_cast<std::size_t>(longestEnd)].LVL > level + 1) ++longestEnd;
            MoveRows(rows, children.front(), longest, longestEnd, keyEntries);
        }
        const TRspec& first = rows[static_cast<std::size_t>(u + 1)];
        const std::string target = Trim(first.KOM).empty() ? Trim(first.VNM) : Trim(first.KOM);
        if (target.empty()) continue;
        for (int r = u + 2; r < end; ++r)
            if (rows[static_cast<std::size_t>(r)].LVL == level + 1) rows[static_cast<std::size_t>(r)].RED = target;
    }
}

}  // namespace

CExtractOptions CExtractOptions::FromSettings(const Settings& settings) {
    CExtractOptions o;
    o.arrayGroups = settings.Chk_AryExt;
    o.sizes = settings.Sizes();
    o.capacity = settings.EditableLineCount();
    return o;
}

std::string CStructureListText(int firstLine, int lastLine, std::string_view name, std::string_view comment) {
    return PadRight(' ', " " + std::to_string(firstLine) + " " + std::to_string(lastLine), 10) + " " +
           PadRight(' ', name, 16) + " " + std::string(comment);
}

void CImport::Scan(std::string_view text) {
    vb_ = false;
    ScanText(text);
    // The listed structures may be used as member types too.
    for (std::size_t i = 0; i < structures_.size(); ++i) {
        const StructureEntry& s = structures_[i];
        if (static_cast<int>(types_.size()) >= kMaxCTypes) break;
        types_.push_back({s.firstLine, s.lastLine, "struct ", s.name, s.comment, {}});
        // "struct TAG member;" names the structure by its tag.
        if (!tags_[i].empty() && tags_[i] != s.name && static_cast<int>(types_.size()) < kMaxCTypes)
            types_.push_back({s.firstLine, s.lastLine, "struct ", tags_[i], s.comment, {}});
    }
    ranges_.clear();
    for (const StructureEntry& s : structures_) ranges_.push_back({s.firstLine, s.lastLine});
}

void CImport::ScanVbTranslation(std::string_view cText, const std::vector<VbBlockLines>& vbLines) {
    ScanText(cText);
    vb_ = true;
    ranges_.clear();
    for (StructureEntry& s : structures_) {
        ranges_.push_back({s.firstLine, s.lastLine});
        int first = 0, last = 0;
        for (const VbBlockLines& b : vbLines) {
            if (b.name == s.name) {
                first = b.firstLine;
                last = b.lastLine;
                break;
            }
        }
        s.firstLine = first;
        s.lastLine = last;
        s.listText = CStructureListText(first, last, s.name, s.comment);
    }
}

void CImport::ScanText(std::string_view text) {
    lines_ = ReadCSourceLines(text);
    structures_.clear();
    types_.clear();
    defines_.clear();
    ReadDefinesAndTypedefs();
    ListStructures();
}

void CImport::ReadDefinesAndTypedefs() {
    bool inBlock = false;
    int blockFirst = 0;
    int braces = 0;
    std::string blockComment, blockTag;
    // A structure is known by the name after its closing brace and by its tag.
    auto addBlock = [&](int last, const std::string& code) {
        const std::string name = NameAfterClose(code);
        if (!name.empty() && static_cast<int>(types_.size()) < kMaxCTypes)
            types_.push_back({blockFirst, last, "struct ", name, blockComment, {}});
        if (!blockTag.empty() && blockTag != name && static_cast<int>(types_.size()) < kMaxCTypes)
            types_.push_back({blockFirst, last, "struct ", blockTag, blockComment, {}});
    };
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const CSourceLine& line = lines_[i];
        if (!line.used) continue;
        const std::string& code = line.code;
        const int lineNo = static_cast<int>(i) + 1;
        if (const std::size_t d = FindWord(code, "#define"); d != std::string::npos) {
            const std::vector<std::string> words = BlankWords(std::string_view(code).substr(d), false);
            if (words.size() > 2 && static_cast<int>(defines_.size()) < kMaxDefines)
                defines_.push_back({words[1], Join(words, 2, words.size())});
            continue;
        }
        if (!inBlock) {
            const std::size_t t = FindWord(code, "typedef");
            if (t == std::string::npos) continue;
            const bool hasStruct = HasWord(code, "struct");
            if (!hasStruct || IsStructDeclarationOnly(code)) {
                // A simple typedef: the last word is the new name, the words between the old type.
                const std::vector<std::string> words = BlankWords(std::string_view(code).substr(t), true);
                if (words.size() <= 2) continue;
                std::string name = words.back();
                std::string dims;
                if (const std::size_t b = name.find('['); b != std::string::npos) {
                    dims = BracketText(name.substr(b));
                    name = name.substr(0, b);
                }
                if (name.empty() || static_cast<int>(types_.size()) >= kMaxCTypes) continue;
                types_.push_back({lineNo, lineNo, Join(words, 1, words.size() - 1), name, line.comment, dims});
                continue;
            }
            inBlock = true;
            blockFirst = lineNo;
            blockComment = line.comment;
            blockTag = CWordAfter(code, FindWord(code, "struct"), 6);
            std::string ignored;
            TakePrefixMark(blockComment, ignored);
            braces = 0;
        }
        // Braces of the block, its opening line included; the block ends where they balance.
        if (HasChar(code, '{')) ++braces;
        if (HasChar(code, '}')) {
            --braces;
            if (braces <= 0) {
                inBlock = false;
                addBlock(lineNo, code);
            }
        }
    }
}

void CImport::ListStructures() {
    tags_.clear();
    bool open = false;
    int first = 0;
    int braces = 0;
    std::string firstComment, tag;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const CSourceLine& line = lines_[i];
        if (!line.used) continue;
        const std::string& code = line.code;
        if (!open) {
            const std::size_t s = FindWord(code, "struct");
            if (s == std::string::npos || IsStructDeclarationOnly(code)) continue;
            open = true;
            first = static_cast<int>(i) + 1;
            firstComment = line.comment;
            std::string ignored;
            TakePrefixMark(firstComment, ignored);
            tag = CWordAfter(code, s, 6);
            braces = 0;
        }
        if (HasChar(code, '{')) ++braces;
        if (!HasChar(code, '}')) continue;
        --braces;
        if (braces > 0) continue;
        open = false;
        std::string name = NameAfterClose(code);
        if (name.empty()) name = tag;
        std::string comment = line.comment;
        std::string ignored;
        TakePrefixMark(comment, ignored);
        if (comment.empty()) comment = firstComment;
        // A structure without a name cannot be listed (an empty name ends the list).
        if (name.empty() || static_cast<int>(structures_.size()) >= kMaxStructures) continue;
        const int last = static_cast<int>(i) + 1;
        structures_.push_back({first, last, name, CStructureListText(first, last, name, comment), comment});
        tags_.push_back(tag);
    }
}

std::vector<CExpandedLine> CImport::Expand(int index, bool arrayGroups, ImportSession& session,
                                          std::size_t maxLines) const {
    if (index < 0 || index >= static_cast<int>(ranges_.size())) return {};
    const auto [firstLine, lastLine] = ranges_[static_cast<std::size_t>(index)];

    std::unordered_map<std::string, std::string> defines;
    for (const CDefine& d : defines_) defines.emplace(d.name, d.value);
    std::unordered_map<std::string, std::vector<int>> typesByName;
    for (std::size_t t = 0; t < types_.size(); ++t) typesByName[types_[t].name].push_back(static_cast<int>(t));

    auto take = [&](int from, int to, const std::vector<int>& chain, std::vector<CExpandedLine>& out) {
        for (int n = std::max(1, from); n <= to && n <= static_cast<int>(lines_.size()); ++n) {
            const CSourceLine& src = lines_[static_cast<std::size_t>(n - 1)];
            if (!src.used) continue;
            CExpandedLine line{src.code, src.comment, chain};
            TakePrefixMark(line.comment, session.prefix);
            for (CExpandedLine& piece : SplitPieces(line)) out.push_back(std::move(piece));
        }
    };

    std::vector<CExpandedLine> source;
    take(firstLine, lastLine, {}, source);

    // Member types are expanded in place, depth first, so that the lines come out in record
    // order; a type is never expanded inside its own expansion, and the output is bounded.
    std::vector<CExpandedLine> lines;
    std::vector<CExpandedLine> pending(std::make_move_iterator(source.rbegin()), std::make_move_iterator(source.rend()));
    while (!pending.empty() && lines.size() < maxLines) {
        CExpandedLine raw = std::move(pending.back());
        pending.pop_back();
        raw.code = SubstituteDefines(raw.code, defines);
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
        if (e.firstLine == e.lastLine && e.baseType != "struct ") {
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

    // A structure line without "{" takes the brace of the next line that holds one.
    bool pendingBrace = false;
    for (CExpandedLine& line : lines) {
        if (pendingBrace && HasChar(line.code, '{')) {
            line.code.erase(line.code.find('{'), 1);
            line.code = Trim(line.code);
            pendingBrace = false;
            continue;
        }
        if ((HasWord(line.code, "struct") || HasWord(line.code, "union")) && !HasChar(line.code, '{') && !HasChar(line.code, ';') &&
            !HasChar(line.code, '}')) {
            line.code += " {";
            pendingBrace = true;
        }
    }

    if (vb_)
        for (CExpandedLine& line : lines) line.code = RewriteVbBounds(line.code);
    if (arrayGroups) lines = ExpandArrayGroups(lines);
    return lines;
}

int CImport::Extract(int index, const CExtractOptions& options, ImportSession& session, LayoutDocument& doc) const {
    if (index < 0 || index >= static_cast<int>(structures_.size())) return 0;
    session.prefix.clear();
    const std::vector<CExpandedLine> lines =
        Expand(index, options.arrayGroups, session, static_cast<std::size_t>(std::max(0, options.capacity)) * 4 + 1000);

    doc.items.clear();
    int level = 1;
    int count = 0;
    std::vector<int> unionRows;
    for (const CExpandedLine& line : lines) {
        if (count >= options.capacity) break;
        const CKeywordHits hits = FindCKeywords(line.code);
        if (!hits.Any()) continue;
        if (count == 0) level = 1;
        const CDimensions dims = ReadDimensions(line.code);
        const std::string varName = CVariableName(line.code, hits);
        const std::string itemName = !line.comment.empty() ? line.comment : !varName.empty() ? varName : Trim(line.code);
        const RowType type = TypeOfLine(hits, dims, options.sizes);
        if (type.stored) {
            ImportedRow row;
            row.level = level;
            row.repeat = type.repeat;
            row.itemName = itemName;
            row.dataName = varName;
            row.type = type.type;
            row.digits = type.bytes;
            StoreImportedRow(doc, count, std::move(row), session);
            ApplyGroupRule(doc.items, count);
            if (hits.isUnion && type.type == kGroup) unionRows.push_back(count);
            ++count;
        } else if (hits.Has(kKwClose)) {
            for (int r = count - 1; r >= 0; --r) {
                TRspec& g = doc.items[static_cast<std::size_t>(r)];
                if (g.LVL != level - 1 || g.TYP != kGroup) continue;
                g.RPT = std::max(1, dims.product);
                if (g.KOM.empty()) g.KOM = itemName;
                if (g.VNM.empty()) g.VNM = varName;
                break;
            }
        }
        if (hits.Has(kKwOpen)) ++level;
        if (hits.Has(kKwClose)) --level;
        level = std::clamp(level, 1, kDeepestLevel);
    }
    doc.items.resize(static_cast<std::size_t>(count));
    OverlayUnionMembers(doc, unionRows, options.sizes, session.keyEntries);
    FinishExtraction(doc, session);
    return count;
}

std::unique_ptr<StructureParser> MakeCStructureParser() { return std::make_unique<CFamilyStructureParser<CImport>>(); }

}  // namespace rekkan
