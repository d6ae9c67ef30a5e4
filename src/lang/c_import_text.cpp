// Line reading, dimensions and VB bounds of the C structure import.
#include <algorithm>
#include <optional>

#include "lang/c_import.h"
#include "lang/c_import_words.h"
#include "lang/lang_words.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

/// Dimension sizes and products are held below this, above the longest record.
constexpr long long kDimensionCap = 1'000'000;
/// Deepest parenthesis nesting read in a dimension expression.
constexpr int kMostExpressionDepth = 32;

std::string TabsToBlanks(std::string_view s) {
    std::string out(s);
    std::replace(out.begin(), out.end(), '\t', ' ');
    return out;
}

/// End of the comment text that starts at `from`: the next "*/" or "//", or the line end.
std::size_t CommentTextEnd(std::string_view line, std::size_t from) {
    const std::size_t a = line.find("*/", from);
    const std::size_t b = line.find("//", from);
    return std::min(std::min(a, b), line.size());
}

/// Small integer expressions of array sizes: + - * / % ( ) and C integer literals.
class ExpressionReader {
public:
    explicit ExpressionReader(std::string_view text) : text_(text) {}

    std::optional<long long> Read() {
        auto v = Sum(0);
        SkipBlanks();
        if (!v || pos_ != text_.size()) return std::nullopt;
        return v;
    }

private:
    static long long Clamp(long long v) { return std::clamp(v, -kDimensionCap * 1000, kDimensionCap * 1000); }

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }

    std::optional<long long> Sum(int depth) {
        auto v = Product(depth);
        while (v) {
            SkipBlanks();
            if (pos_ >= text_.size() || (text_[pos_] != '+' && text_[pos_] != '-')) break;
            const char op = text_[pos_++];
            auto r = Product(depth);
            if (!r) return std::nullopt;
            v = Clamp(op == '+' ? *v + *r : *v - *r);
        }
        return v;
    }

    std::optional<long long> Product(int depth) {
        auto v = Unary(depth);
        while (v) {
            SkipBlanks();
            if (pos_ >= text_.size() || (text_[pos_] != '*' && text_[pos_] != '/' && text_[pos_] != '%')) break;
            const char op = text_[pos_++];
            auto r = Unary(depth);
            if (!r) return std::nullopt;
            if (op == '*') {
                v = Clamp(*v * *r);
            } else {
                if (*r == 0) return std::nullopt;
                v = op == '/' ? *v / *r : *v % *r;
            }
        }
        return v;
    }

    std::optional<long long> Unary(int depth) {
        if (depth > kMostExpressionDepth) return std::nullopt;
        SkipBlanks();
        if (pos_ >= text_.size()) return std::nullopt;
        const char c = text_[pos_];
        if (c == '-' || c == '+') {
            ++pos_;
            auto v = Unary(depth + 1);
            if (!v) return std::nullopt;
            return c == '-' ? -*v : *v;
        }
        if (c == '(') {
            ++pos_;
            auto v = Sum(depth + 1);
            SkipBlanks();
            if (!v || pos_ >= text_.size() || text_[pos_] != ')') return std::nullopt;
            ++pos_;
            return v;
        }
        return Number();
    }

    std::optional<long long> Number() {
        int base = 10;
        if (pos_ + 1 < text_.size() && text_[pos_] == '0' && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
            base = 16;
            pos_ += 2;
        } else if (pos_ + 1 < text_.size() && text_[pos_] == '0' && text_[pos_ + 1] >= '0' && text_[pos_ + 1] <= '7') {
            base = 8;
        }
        long long v = 0;
        int digits = 0;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            int d = -1;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (base == 16 && c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (base == 16 && c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            if (d < 0 || d >= base) break;
            v = Clamp(v * base + d);
            ++digits;
            ++pos_;
        }
        if (digits == 0) return std::nullopt;
        while (pos_ < text_.size() &&
               (text_[pos_] == 'u' || text_[pos_] == 'U' || text_[pos_] == 'l' || text_[pos_] == 'L'))
            ++pos_;
        return v;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

/// Size of one dimension: its expression; one that cannot be computed (the import reports it),
/// 0 and a negative value count as 1. The digits of an expression are never glued into a
/// number: "F(2,3)" is no 23.
int DimensionSize(std::string_view content) {
    long long v = 0;
    if (auto e = ExpressionReader(Trim(content)).Read()) v = *e;
    if (v < 1) v = 1;
    return static_cast<int>(std::min(v, kDimensionCap));
}

/// The code without compiler attributes: "__attribute__((packed))", "__declspec(align(4))".
std::string WithoutAttributes(std::string code) {
    for (const char* word : {"__attribute__", "__declspec"}) {
        for (std::size_t at = FindText(code, word); at != std::string::npos; at = FindText(code, word)) {
            std::size_t end = at + std::char_traits<char>::length(word);
            while (end < code.size() && code[end] == ' ') ++end;
            if (end >= code.size() || code[end] != '(') break;
            int depth = 0;
            for (; end < code.size(); ++end) {
                if (code[end] == '(') ++depth;
                if (code[end] == ')' && --depth == 0) break;
            }
            if (end >= code.size()) break;
            code = Trim(code.substr(0, at)) + " " + Trim(code.substr(end + 1));
            code = Trim(code);
        }
    }
    return code;
}

bool IsIdentifierChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

/// True when a declaration goes on past the end of `code` onto a line starting with `next`:
/// "int x, y," or a type alone ("unsigned char") before the line with its name.
bool ContinuesOnNextLine(const std::string& code, const std::string& next) {
    if (code.empty() || next.empty() || code[0] == '#' || next[0] == '#') return false;
    if (!IsIdentifierChar(next[0]) && next[0] != '*') return false;
    if (code.back() == ',') return !HasChar(code, '(');
    for (const char c : std::string_view(";{}()#=[]"))
        if (HasChar(code, c)) return false;
    if (!IsIdentifierChar(code.back())) return false;
    // A type alone: every word a type word, so that "struct TAG" before its brace is left be.
    static const char* const typeWords[] = {"unsigned", "signed", "char", "short", "int", "long", "float", "double"};
    std::size_t pos = 0;
    while (pos < code.size()) {
        std::size_t end = code.find(' ', pos);
        if (end == std::string::npos) end = code.size();
        const std::string word = code.substr(pos, end - pos);
        if (!word.empty() && std::find(std::begin(typeWords), std::end(typeWords), word) == std::end(typeWords))
            return false;
        pos = end + 1;
    }
    return true;
}

}  // namespace

std::vector<CSourceLine> ReadCSourceLines(std::string_view text) {
    std::vector<CSourceLine> out;
    bool inBlock = false;
    for (const std::string& raw : SplitLines(text)) {
        const std::string line = TabsToBlanks(raw);
        CSourceLine result;
        std::string code;
        bool haveComment = false;
        bool startedInBlock = inBlock;
        bool leftBlock = false;
        std::size_t i = 0;
        while (i < line.size()) {
            if (inBlock) {
                const std::size_t end = line.find("*/", i);
                if (end == std::string::npos) {
                    i = line.size();
                    break;
                }
                inBlock = false;
                leftBlock = true;
                i = end + 2;
                code += ' ';
                continue;
            }
            if (CharLength(line, i) == 2) {
                code.append(line, i, 2);
                i += 2;
                continue;
            }
            if (line.compare(i, 2, "/*") == 0) {
                if (!haveComment) {
                    haveComment = true;
                    result.comment = Trim(std::string_view(line).substr(i + 2, CommentTextEnd(line, i + 2) - (i + 2)));
                }
                inBlock = true;
                i += 2;
                continue;
            }
            if (line.compare(i, 2, "//") == 0) {
                if (!haveComment) {
                    haveComment = true;
                    result.comment = Trim(std::string_view(line).substr(i + 2, CommentTextEnd(line, i + 2) - (i + 2)));
                }
                i = line.size();
                break;
            }
            code += line[i];
            ++i;
        }
        // A line wholly inside a block comment is not used.
        result.used = !(startedInBlock && !leftBlock);
        result.code = result.used ? Trim(code) : std::string();
        if (!result.used) result.comment.clear();
        result.code = WithoutAttributes(result.code);
        out.push_back(std::move(result));
    }
    // A declaration written over several lines is read on its first line; the lines it took
    // stay, empty, so that line numbers keep their meaning.
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::size_t next = i + 1;
        while (next < out.size() && out[next].used && out[next].code.empty()) ++next;
        if (next >= out.size() || !out[i].used || !out[next].used || !ContinuesOnNextLine(out[i].code, out[next].code))
            continue;
        out[i].code += " " + out[next].code;
        if (out[i].comment.empty()) out[i].comment = out[next].comment;
        out[next].code.clear();
        out[next].comment.clear();
        --i;  // the joined line may go on further
    }
    return out;
}

CDimensions ReadDimensions(std::string_view code) {
    CDimensions dims;
    long long product = 1;
    for (const std::string& content : BracketContents(code)) {
        if (static_cast<int>(dims.sizes.size()) >= kMaxDimensions) break;
        const int size = DimensionSize(content);
        dims.sizes.push_back(size);
        product = std::min(product * size, kDimensionCap);
    }
    dims.product = static_cast<int>(product);
    return dims;
}

bool DimensionsEvaluated(std::string_view code) {
    for (const std::string& content : BracketContents(code))
        if (!Trim(content).empty() && !ExpressionReader(Trim(content)).Read()) return false;
    return true;
}

bool DimensionBelowOne(std::string_view code) {
    for (const std::string& content : BracketContents(code)) {
        const auto v = ExpressionReader(Trim(content)).Read();
        if (v && *v < 1) return true;
    }
    return false;
}

std::string RewriteVbBounds(std::string_view code) {
    const std::vector<std::string> contents = BracketContents(code);
    const bool keepLast = HasWord(code, "char");
    std::string out;
    std::size_t pos = 0;
    for (std::size_t k = 0; k < contents.size(); ++k) {
        const std::size_t open = FindSingleByte(code, '[', pos);
        const std::size_t close = FindSingleByte(code, ']', open + 1);
        out.append(code.substr(pos, open + 1 - pos));
        std::string content = contents[k];
        if (!(keepLast && k + 1 == contents.size())) {
            const std::string t = Trim(content);
            int n = 0;
            if (ParseInt(t, n) && n < 1'000'000) {
                content = std::to_string(n + 1);
            } else if (const std::size_t to = FindVbToWord(t); to != std::string::npos) {
                int a = 0, b = 0;
                if (ParseInt(Trim(t.substr(0, to)), a) && ParseInt(Trim(t.substr(to + 2)), b) &&
                    std::abs(static_cast<long long>(b) - a) < 1'000'000)
                    content = std::to_string(b - a + 1);
            }
        }
        out += content;
        out += ']';
        pos = close + 1;
    }
    out.append(code.substr(pos));
    return out;
}

}  // namespace rekkan
