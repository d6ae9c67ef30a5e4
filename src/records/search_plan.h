#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/decode_plan.h"
#include "records/search_text.h"

namespace rekkan {

/// Search words matched against records through a decode plan: a field is looked at only for
/// the words its text can hold (digits and "-" for numbers, hexadecimal digits for hex
/// display, nothing for a group), text is searched where it lies in the record, and the exact
/// Shift-JIS-aware match runs only where a quick byte scan found the word. Gives what
/// RecordHits gives over the display texts of every field. One plan per thread.
class SearchPlan {
public:
    /// `words` must outlive the plan, as the field list.
    SearchPlan(const std::vector<TRdbObj>& fields, const CodecOptions& codec, int recordLength,
               const SearchWords& words, bool orMode);

    /// True when `record` (RecordLength bytes) is a hit.
    [[nodiscard]] bool Hits(std::string_view record) const;
    /// The decode plan of the fields.
    [[nodiscard]] const DecodePlan& Plan() const { return plan_; }

private:
    /// A field some word can occur in, and those words.
    struct Target {
        std::size_t step;
        std::vector<std::size_t> words;
    };

    DecodePlan plan_;
    const SearchWords& words_;
    bool orMode_ = false;
    std::vector<Target> targets_;
    mutable std::string scratch_;
    mutable std::vector<char> found_;
};

/// True when `upperWord` may occur in `text`: its bytes appear in a row, single-byte letters
/// without case (a quick test; the exact match is SearchWords::Occurs).
[[nodiscard]] bool MayOccur(std::string_view text, std::string_view upperWord);

}  // namespace rekkan
