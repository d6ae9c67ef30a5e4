#include "lang/c_import.h"

#include "lang/c_family_parser.h"
#include "lang/c_import_words.h"
#include "lang/lang_words.h"
#include "util/text.h"

// The scan of a C source: its defines and typedefs (the type table), then its structure list.

namespace rekkan {
namespace {

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

/// The brace count of a structure block being walked: the block opens at a line the walker
/// chooses and ends at the line where its braces balance, the opening line included. A line
/// counts one "{" and one "}" at the most, so a structure written on one line ends there.
class BraceBlock {
public:
    [[nodiscard]] bool IsOpen() const { return open_; }
    void Open() {
        open_ = true;
        braces_ = 0;
    }
    /// Counts the braces of a line of the open block; true when the block ends at it.
    [[nodiscard]] bool EndsAt(std::string_view code) {
        if (HasChar(code, '{')) ++braces_;
        if (!HasChar(code, '}') || --braces_ > 0) return false;
        open_ = false;
        return true;
    }

private:
    bool open_ = false;
    int braces_ = 0;
};

/// A line holding a structure declaration, not a definition ("struct A a;").
bool IsStructDeclarationOnly(std::string_view code) { return !HasChar(code, '{') && HasChar(code, ';'); }

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
    vbLineOf_.clear();
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

void CImport::ScanVbTranslation(std::string_view cText, const std::vector<VbBlockLines>& vbLines,
                                std::vector<int> vbLineOf) {
    ScanText(cText);
    vb_ = true;
    vbLineOf_ = std::move(vbLineOf);
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
    BraceBlock block;
    int blockFirst = 0;
    bool blockEnum = false;
    std::string blockComment, blockTag;
    // A structure is known by the name after its closing brace and by its tag.
    auto addBlock = [&](int last, const std::string& code) {
        const std::string name = NameAfterClose(code);
        if (blockEnum) {
            if (!name.empty() && static_cast<int>(types_.size()) < kMaxCTypes)
                types_.push_back({blockFirst, last, "enum", name, blockComment, {}});
            return;
        }
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
            if (static_cast<int>(defines_.size()) >= kMaxDefines) continue;
            if (words.size() > 1 && words[1].find('(') != std::string::npos) {
                // A function-like macro: its parameters up to ")", then its body.
                const std::string rest = Trim(std::string_view(code).substr(d + 7));
                const std::size_t open = rest.find('('), close = rest.find(')');
                if (close == std::string::npos) continue;
                CDefine macro{rest.substr(0, open), Trim(rest.substr(close + 1)), {}, true};
                std::string param;
                for (char c : rest.substr(open + 1, close - open - 1) + ",") {
                    if (c != ',') {
                        param += c;
                    } else if (!Trim(param).empty()) {
                        macro.params.push_back(Trim(param));
                        param.clear();
                    }
                }
                defines_.push_back(std::move(macro));
                continue;
            }
            if (words.size() > 2) defines_.push_back({words[1], Join(words, 2, words.size()), {}, false});
            continue;
        }
        if (!block.IsOpen()) {
            const std::size_t t = FindWord(code, "typedef");
            if (t == std::string::npos) continue;
            const bool hasStruct = HasWord(code, "struct") || HasWord(code, "union");
            // "typedef enum { ... } NAME;" names an enumeration type (an int to the members).
            const bool enumBlock = !hasStruct && HasWord(code, "enum") && !IsStructDeclarationOnly(code);
            if (!enumBlock && (!hasStruct || IsStructDeclarationOnly(code))) {
                // A simple typedef: the last word is the new name, the words between the old type.
                // "typedef long FX, *LPFX;" names FX; the pointer types after it are not records.
                std::string_view declaration = std::string_view(code).substr(t);
                if (!HasChar(declaration, '(')) declaration = declaration.substr(0, declaration.find(','));
                const std::vector<std::string> words = BlankWords(declaration, true);
                if (words.size() <= 2) continue;
                std::string name = words.back();
                std::string dims;
                if (const std::size_t b = FindSingleByte(name, '['); b != std::string::npos) {
                    dims = BracketText(name.substr(b));
                    name = name.substr(0, b);
                }
                if (name.empty() || static_cast<int>(types_.size()) >= kMaxCTypes) continue;
                types_.push_back({lineNo, lineNo, Join(words, 1, words.size() - 1), name, line.comment, dims});
                continue;
            }
            block.Open();
            blockFirst = lineNo;
            blockEnum = enumBlock;
            blockComment = line.comment;
            blockTag = CWordAfter(code, FindWord(code, "struct"), 6);
            std::string ignored;
            TakePrefixMark(blockComment, ignored);
        }
        if (block.EndsAt(code)) addBlock(lineNo, code);
    }
}

void CImport::ListStructures() {
    tags_.clear();
    BraceBlock block;
    int first = 0;
    std::string firstComment, tag;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const CSourceLine& line = lines_[i];
        if (!line.used) continue;
        const std::string& code = line.code;
        if (!block.IsOpen()) {
            std::size_t s = FindWord(code, "struct");
            const std::size_t u = FindWord(code, "union");
            // A union at the top is a record too; one inside a structure is a member.
            if (u != std::string::npos && (s == std::string::npos || u < s)) s = u;
            if (s == std::string::npos || IsStructDeclarationOnly(code)) continue;
            block.Open();
            first = static_cast<int>(i) + 1;
            firstComment = line.comment;
            std::string ignored;
            TakePrefixMark(firstComment, ignored);
            tag = CWordAfter(code, s, s == u ? 5 : 6);
        }
        if (!block.EndsAt(code)) continue;
        std::string name = NameAfterClose(code);
        if (name.empty()) name = tag;
        std::string comment = line.comment;
        std::string ignored;
        TakePrefixMark(comment, ignored);
        if (comment.empty()) comment = firstComment;
        // A structure without a name cannot be listed (an empty name ends the list).
        if (name.empty() || static_cast<int>(structures_.size()) >= kMaxStructures) continue;
        const int last = static_cast<int>(i) + 1;
        structures_.push_back({first, last, name, CStructureListText(first, last, name, comment), comment,
                               tag != name ? tag : std::string()});
        tags_.push_back(tag);
    }
}

std::unique_ptr<StructureParser> MakeCStructureParser() { return std::make_unique<CFamilyStructureParser<CImport>>(); }

}  // namespace rekkan
