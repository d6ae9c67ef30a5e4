#include "records/search_plan.h"

#include <algorithm>
#include <cstring>

#include "codec/field_codec.h"

namespace rekkan {
namespace {

unsigned char Fold(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

bool OnlyOf(std::string_view word, std::string_view allowed) {
    return word.find_first_not_of(allowed) == std::string_view::npos;
}

/// Whether the display text of a step can hold the word at all.
bool CanHold(const PlanStep& s, std::string_view upperWord) {
    switch (s.kind) {
    case PlanKind::Group: return false;
    case PlanKind::Zoned:
    case PlanKind::Packed:
    case PlanKind::Integer: return OnlyOf(upperWord, "0123456789-");
    case PlanKind::Text: return true;
    case PlanKind::Other: return !s.field->hexDisplay || OnlyOf(upperWord, "0123456789ABCDEF");
    }
    return true;
}

/// True when `upperWord` matches at `p` with single-byte letters folded.
bool FoldedAt(const unsigned char* p, std::string_view upperWord) {
    for (std::size_t k = 1; k < upperWord.size(); ++k)
        if (Fold(p[k]) != Fold(static_cast<unsigned char>(upperWord[k]))) return false;
    return true;
}

bool FoldedIn(std::string_view text, std::string_view upperWord, unsigned char first) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t last = text.size() - upperWord.size();  // last start
    for (std::size_t at = 0; at <= last;) {
        const void* hit = std::memchr(p + at, first, last - at + 1);
        if (!hit) return false;
        at = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - p);
        if (FoldedAt(p + at, upperWord)) return true;
        ++at;
    }
    return false;
}

}  // namespace

bool MayOccur(std::string_view text, std::string_view upperWord) {
    if (upperWord.empty() || upperWord.size() > text.size()) return upperWord.empty();
    const auto first = static_cast<unsigned char>(upperWord[0]);
    if (FoldedIn(text, upperWord, first)) return true;
    // The first byte of a word is never a trail byte, so only an upper-case letter has a
    // second form.
    return first >= 'A' && first <= 'Z' && FoldedIn(text, upperWord, static_cast<unsigned char>(first + 32));
}

SearchPlan::SearchPlan(const std::vector<TRdbObj>& fields, const CodecOptions& codec, int recordLength,
                       const SearchWords& words, bool orMode)
    : plan_(fields, codec, recordLength), words_(words), orMode_(orMode), found_(words.Size(), 0) {
    std::size_t bound = 0;
    for (std::size_t i = 0; i < plan_.Size(); ++i) {
        Target t{i, {}};
        for (std::size_t j = 0; j < words.Size(); ++j)
            if (CanHold(plan_.Step(i), words.Upper(j))) t.words.push_back(j);
        if (!t.words.empty()) targets_.push_back(std::move(t));
        bound = std::max(bound, plan_.Step(i).textBound);
    }
    scratch_.reserve(bound);
}

bool SearchPlan::Hits(std::string_view record) const {
    const std::size_t wordCount = words_.Size();
    if (wordCount == 0) return false;
    std::fill(found_.begin(), found_.end(), 0);
    std::size_t foundCount = 0;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(record.data());
    const bool whole = record.size() >= static_cast<std::size_t>(plan_.RecordLength());
    for (const Target& t : targets_) {
        const PlanStep& s = plan_.Step(t.step);
        std::string_view text;
        if (s.kind == PlanKind::Text && whole) {
            // Searched where it lies: the bytes up to the first 0x00.
            text = std::string_view(record.data() + s.offset, CharacterTextLength(bytes + s.offset, s.length));
        } else if (s.kind == PlanKind::Other || !whole) {
            static_cast<void>(DecodeFieldTo(scratch_, record, *s.field, plan_.Codec()));
            text = scratch_;
        } else {
            scratch_.resize(s.textBound);
            char* end = plan_.WriteFast(s, bytes, scratch_.data());
            text = std::string_view(scratch_.data(), static_cast<std::size_t>(end - scratch_.data()));
        }
        if (text.empty()) continue;
        for (std::size_t j : t.words) {
            if (found_[j] || !MayOccur(text, words_.Upper(j)) || !words_.Occurs(j, text)) continue;
            if (orMode_) return true;
            found_[j] = 1;
            if (++foundCount == wordCount) return true;
        }
    }
    return false;
}

}  // namespace rekkan
