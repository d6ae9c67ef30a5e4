#include "util/text.h"

#include <charconv>
#include <limits>

#include "util/sjis.h"

namespace rekkan {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0'; }

}  // namespace

std::string Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

std::string TrimLeft(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && IsBlank(s[b])) ++b;
    return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && IsBlank(s[e - 1])) --e;
    return std::string(s.substr(0, e));
}

std::string PadLeft(char pad, std::string_view text, int width) {
    if (width <= 0) return {};
    std::string padded(static_cast<std::size_t>(width), pad);
    padded += Trim(text);
    return padded.substr(padded.size() - static_cast<std::size_t>(width));
}

std::string PadRight(char pad, std::string_view text, int width) {
    if (width <= 0) return {};
    std::string padded = Trim(text);
    padded.append(static_cast<std::size_t>(width), pad);
    return padded.substr(0, static_cast<std::size_t>(width));
}

std::string Blanks(int count) { return count < 1 ? std::string() : std::string(static_cast<std::size_t>(count), ' '); }

std::string GroupThousands(std::string_view digits) {
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::string GroupThousands(std::int64_t value) {
    if (value < 0) {
        // Negate through unsigned so the smallest value does not overflow.
        const auto magnitude = static_cast<std::uint64_t>(0) - static_cast<std::uint64_t>(value);
        return "-" + GroupThousands(std::to_string(magnitude));
    }
    return GroupThousands(std::to_string(value));
}

std::string DigitsOnly(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c >= '0' && c <= '9') out += c;
    return out;
}

std::string RemoveAll(std::string_view s, std::string_view piece) {
    if (piece.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, piece.size(), piece) == 0) {
            i += piece.size();
        } else {
            out += s[i++];
        }
    }
    return out;
}

std::string MaskAll(std::string_view s, std::string_view piece, char fill) {
    std::string out(s);
    if (piece.empty()) return out;
    std::size_t i = 0;
    while ((i = out.find(piece, i)) != std::string::npos) {
        out.replace(i, piece.size(), piece.size(), fill);
        i += piece.size();
    }
    return out;
}

std::string RemoveLineEnds(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

int FindFrom(int start, std::string_view piece, std::string_view text) {
    if (start < 1) start = 1;
    if (static_cast<std::size_t>(start) > text.size() + 1) return 0;
    const std::size_t at = text.find(piece, static_cast<std::size_t>(start - 1));
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string FirstWord(std::string_view text, int start) {
    if (start < 1) start = 1;
    if (static_cast<std::size_t>(start) > text.size()) return {};
    std::string rest = TrimLeft(text.substr(static_cast<std::size_t>(start - 1)));
    const std::size_t end = rest.find(' ');
    return Trim(end == std::string::npos ? std::string_view(rest) : std::string_view(rest).substr(0, end));
}

std::string Fold(std::string_view text, int width, bool trimBoth) {
    std::string rest(text);
    std::string out;
    if (width > 1) {
        rest.append(static_cast<std::size_t>(width), ' ');
        const std::string map = ByteTypeMap(rest);
        const auto w = static_cast<std::size_t>(width);
        std::size_t at = 0;
        while (at < rest.size()) {
            const std::size_t last = at + w - 1;
            if (last < map.size() && map[last] == '1') {
                out.append(rest, at, w - 1);
                out += ' ';
                at += w - 1;
            } else {
                out.append(rest, at, w);
                at += w;
            }
        }
    } else {
        out = rest;
    }
    return trimBoth ? Trim(out) : TrimRight(out);
}

void WriteLine(std::string& out, std::string_view text) {
    out += text;
    out += "\r\n";
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    std::size_t start = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

bool ParseInt64(std::string_view s, std::int64_t& out) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty() || s.front() == '+') return false;
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return false;
    out = v;
    return true;
}

bool ParseInt(std::string_view s, int& out) {
    std::int64_t v = 0;
    if (!ParseInt64(s, v)) return false;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
    out = static_cast<int>(v);
    return true;
}

}  // namespace rekkan
