#include "util/sjis.h"

namespace rekkan {

bool IsWholeShiftJis(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == 0x00) return true;
        if (b == 0x80 || b == 0xA0 || b >= 0xFD) return false;
        if (IsLeadByte(b)) {
            if (i + 1 >= bytes.size() || !IsTrailByte(static_cast<unsigned char>(bytes[i + 1]))) return false;
            ++i;
        }
    }
    return true;
}

namespace {

constexpr char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string ByteTypeMap(std::string_view text) {
    std::string map(text.size(), '0');
    ForEachChar(text, [&](std::size_t at, std::size_t length) {
        if (length == 2) {
            map[at] = '1';
            map[at + 1] = '2';
        }
    });
    return map;
}

std::size_t CharSafeLength(std::string_view text, std::size_t maxBytes) {
    if (maxBytes >= text.size()) return text.size();
    std::size_t end = 0;
    ForEachChar(text, [&](std::size_t at, std::size_t length) {
        if (at + length > maxBytes) return false;
        end = at + length;
        return true;
    });
    return end;
}

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    ForEachChar(out, [&](std::size_t at, std::size_t length) {
        if (length == 1) out[at] = UpperAscii(out[at]);
    });
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && MatchesUpperAt(a, 0, ToUpperAscii(b));
}

bool MatchesUpperAt(std::string_view hay, std::size_t at, std::string_view upperNeedle) {
    const std::size_t n = upperNeedle.size();
    if (at > hay.size() || hay.size() - at < n) return false;
    for (std::size_t k = 0; k < n;) {
        if (CharLength(hay, at + k) == 2) {
            if (k + 1 >= n || hay[at + k] != upperNeedle[k] || hay[at + k + 1] != upperNeedle[k + 1]) return false;
            k += 2;
        } else {
            if (UpperAscii(hay[at + k]) != upperNeedle[k]) return false;
            ++k;
        }
    }
    return true;
}

std::size_t FindNoCase(std::string_view hay, std::string_view needle, std::size_t from) {
    if (from > hay.size()) return std::string_view::npos;
    if (needle.empty()) return from;
    const std::string upper = ToUpperAscii(needle);
    for (std::size_t at = from; at + upper.size() <= hay.size(); at += CharLength(hay, at))
        if (MatchesUpperAt(hay, at, upper)) return at;
    return std::string_view::npos;
}

std::size_t FindSingleByte(std::string_view text, char c, std::size_t from) {
    for (std::size_t at = from; at < text.size(); at += CharLength(text, at))
        if (text[at] == c && CharLength(text, at) == 1) return at;
    return std::string_view::npos;
}

std::size_t FindLastSingleByte(std::string_view text, char c) {
    std::size_t found = std::string_view::npos;
    ForEachChar(text, [&](std::size_t at, std::size_t length) {
        if (length == 1 && text[at] == c) found = at;
    });
    return found;
}

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from) {
    if (from > text.size()) return std::string_view::npos;
    for (std::size_t at = from; at + needle.size() <= text.size(); at += CharLength(text, at)) {
        if (text.compare(at, needle.size(), needle) != 0) continue;
        std::size_t end = at;  // a match may not end inside a double-byte character
        while (end < at + needle.size()) end += CharLength(text, end);
        if (end == at + needle.size()) return at;
    }
    return std::string_view::npos;
}

std::size_t FindLoneLeadByte(std::string_view text) {
    std::size_t found = std::string_view::npos;
    ForEachChar(text, [&](std::size_t at, std::size_t length) {
        if (length == 1 && IsLeadByte(static_cast<unsigned char>(text[at]))) found = at;
        return found == std::string_view::npos;
    });
    return found;
}

PathParts SplitPath(std::string_view path) {
    std::size_t nameStart = 0;
    ForEachChar(path, [&](std::size_t at, std::size_t length) {
        if (length == 1 && (path[at] == '/' || path[at] == '\\')) nameStart = at + 1;
    });
    const std::string_view name = path.substr(nameStart);
    const std::size_t dot = name.rfind('.');
    return {path.substr(0, nameStart), name, dot == std::string_view::npos ? std::string_view() : name.substr(dot)};
}

}  // namespace rekkan
