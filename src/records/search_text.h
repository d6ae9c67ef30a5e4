#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rekkan {

/// The search words of a words box: separated by half-width blanks while any remains, then by
/// full-width blanks; every word trimmed, empty words dropped. Texts are CP932.
[[nodiscard]] std::vector<std::string> SplitSearchWords(std::string_view boxText);

/// Search words prepared once for matching many records.
class SearchWords {
public:
    SearchWords() = default;
    explicit SearchWords(const std::vector<std::string>& words);

    [[nodiscard]] bool Empty() const { return upper_.empty(); }
    [[nodiscard]] std::size_t Size() const { return upper_.size(); }
    /// Word `j` with its single-byte letters upper-cased.
    [[nodiscard]] const std::string& Upper(std::size_t j) const { return upper_[j]; }
    /// True when word `j` occurs in `text` (character-aware, letters without case).
    [[nodiscard]] bool Occurs(std::size_t j, std::string_view text) const;

private:
    std::vector<std::string> upper_;
};

/// Outcome of matching one record: whether it is a hit and, per item, whether any word occurs
/// in it.
struct RecordMatch {
    bool hit = false;
    std::vector<bool> itemFlags;
};

/// True when the record is a hit (the quick form of MatchRecord, without item flags).
[[nodiscard]] bool RecordHits(const std::vector<std::string>& itemTexts, const SearchWords& words, bool orMode);

/// Matches the display texts of one record's items against the words: with `orMode` a hit
/// when any word occurs in any item, otherwise when every word occurs somewhere in the record.
/// No words never hit.
[[nodiscard]] RecordMatch MatchRecord(const std::vector<std::string>& itemTexts, const SearchWords& words, bool orMode);

}  // namespace rekkan
