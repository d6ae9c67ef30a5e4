#include "records/search_text.h"

#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

std::vector<std::string> SplitSearchWords(std::string_view boxText) {
    std::vector<std::string> words;
    std::string text = Trim(boxText);
    text += kFullWidthBlank;
    std::string_view rest = text;
    while (true) {
        std::size_t sep = FindNoCase(rest, " ");
        std::size_t sepLength = 1;
        if (sep == std::string_view::npos) {
            sep = FindNoCase(rest, kFullWidthBlank);
            sepLength = kFullWidthBlank.size();
        }
        if (sep == std::string_view::npos) break;
        std::string word = Trim(rest.substr(0, sep));
        if (!word.empty()) words.push_back(std::move(word));
        rest.remove_prefix(sep + sepLength);
    }
    return words;
}

SearchWords::SearchWords(const std::vector<std::string>& words) {
    for (const auto& w : words)
        if (!w.empty()) upper_.push_back(ToUpperAscii(w));
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
        if ((c == first || (letter && len == 1 && c == first + ('a' - 'A'))) && MatchesUpperAt(text, i, w)) return true;
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

RecordMatch MatchRecord(const std::vector<std::string>& itemTexts, const SearchWords& words, bool orMode) {
    RecordMatch m;
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
