#include "records/search_text.h"

#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

constexpr std::string_view kFullWidthBlank = "\x81\x40";

constexpr unsigned char Upper(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c; }

/// Bytes of the character starting at `i`: 2 for a lead byte followed by a trail byte, else 1.
inline std::size_t CharLength(std::string_view s, std::size_t i) {
    return (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() &&
            IsTrailByte(static_cast<unsigned char>(s[i + 1])))
               ? 2
               : 1;
}

/// True when the upper-cased `needle` matches `hay` at the character boundary `i`.
inline bool MatchesAt(std::string_view hay, std::size_t i, std::string_view needle) {
    std::size_t k = 0;
    const std::size_t n = needle.size();
    while (k < n) {
        const auto c = static_cast<unsigned char>(hay[i + k]);
        if (CharLength(hay, i + k) == 2) {
            if (k + 1 >= n || static_cast<unsigned char>(needle[k]) != c || needle[k + 1] != hay[i + k + 1]) return false;
            k += 2;
        } else {
            if (Upper(c) != static_cast<unsigned char>(needle[k])) return false;
            ++k;
        }
    }
    return true;
}

}  // namespace

std::vector<std::string> SplitSearchWords(std::string_view boxText) {
    std::vector<std::string> words;
    std::string text = Trim(boxText);
    text += kFullWidthBlank;
    std::string_view rest = text;
    while (true) {
        std::size_t sep = FindNoCaseSjis(rest, " ");
        std::size_t sepLength = 1;
        if (sep == std::string_view::npos) {
            sep = FindNoCaseSjis(rest, kFullWidthBlank);
            sepLength = kFullWidthBlank.size();
        }
        if (sep == std::string_view::npos) break;
        std::string word = Trim(rest.substr(0, sep));
        if (!word.empty()) words.push_back(std::move(word));
        rest.remove_prefix(sep + sepLength);
    }
    return words;
}

std::string UpperSjis(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t len = CharLength(out, i);
        if (len == 1) out[i] = static_cast<char>(Upper(static_cast<unsigned char>(out[i])));
        i += len;
    }
    return out;
}

std::size_t FindNoCaseSjis(std::string_view hay, std::string_view needle, std::size_t from) {
    if (from > hay.size()) return std::string_view::npos;
    if (needle.empty()) return from;
    const std::string upper = UpperSjis(needle);
    for (std::size_t i = from; i + upper.size() <= hay.size(); i += CharLength(hay, i)) {
        if (MatchesAt(hay, i, upper)) return i;
    }
    return std::string_view::npos;
}

SearchWords::SearchWords(const std::vector<std::string>& words) {
    for (const auto& w : words)
        if (!w.empty()) upper_.push_back(UpperSjis(w));
}

bool SearchWords::Occurs(std::size_t j, std::string_view text) const {
    const std::string& w = upper_[j];
    if (w.size() > text.size()) return false;
    const auto first = static_cast<unsigned char>(w[0]);
    const bool letter = first >= 'A' && first <= 'Z';
    for (std::size_t i = 0; i + w.size() <= text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t len = CharLength(text, i);
        // Cheap test of the first byte before the full comparison.
        if ((c == first || (letter && len == 1 && Upper(c) == first)) && MatchesAt(text, i, w)) return true;
        i += len;
    }
    return false;
}

bool RecordHits(const std::vector<std::string>& itemTexts, const SearchWords& words, bool orMode) {
    if (words.Empty()) return false;
    // Word by word: AND fails on the first word found nowhere, OR hits on the first found.
    for (std::size_t j = 0; j < words.Size(); ++j) {
        bool found = false;
        for (const std::string& text : itemTexts) {
            if (!text.empty() && words.Occurs(j, text)) {
                found = true;
                break;
            }
        }
        if (found == orMode) return orMode;
    }
    return !orMode;
}

RecordMatch MatchRecord(const std::vector<std::string>& itemTexts, const SearchWords& words, bool orMode,
                        bool flagsWanted) {
    RecordMatch m;
    if (!flagsWanted) {
        m.hit = RecordHits(itemTexts, words, orMode);
        return m;
    }
    m.itemFlags.assign(itemTexts.size(), false);
    if (words.Empty()) return m;
    std::vector<bool> found(words.Size(), false);
    std::size_t foundCount = 0;
    for (std::size_t c = 0; c < itemTexts.size(); ++c) {
        const std::string& text = itemTexts[c];
        if (text.empty()) continue;
        for (std::size_t j = 0; j < words.Size(); ++j) {
            if (!words.Occurs(j, text)) continue;
            m.itemFlags[c] = true;
            if (!found[j]) {
                found[j] = true;
                ++foundCount;
            }
        }
    }
    m.hit = orMode ? foundCount > 0 : foundCount == words.Size();
    return m;
}

}  // namespace rekkan
