#include "records/browse/hit_store.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace rekkan {

void HitStore::Add(std::int64_t index, const std::vector<bool>& flags) {
    indexes_.push_back(index);
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (flags[i]) marks_.push_back(static_cast<std::uint32_t>(i));
    ends_.push_back(marks_.size());
}

void HitStore::Clear() {
    indexes_ = {};
    ends_ = {};
    marks_ = {};
}

std::span<const std::uint32_t> HitStore::Marked(std::int64_t hit) const {
    const auto h = static_cast<std::size_t>(hit);
    const std::size_t begin = h == 0 ? 0 : ends_[h - 1];
    return {marks_.data() + begin, ends_[h] - begin};
}

bool HitStore::IsMarked(std::int64_t hit, std::int64_t item) const {
    if (hit < 0 || hit >= Size() || item < 0) return false;
    const auto marks = Marked(hit);
    return std::binary_search(marks.begin(), marks.end(), static_cast<std::uint32_t>(item));
}

std::size_t HitStore::Bytes() const {
    return indexes_.capacity() * sizeof(std::int64_t) + ends_.capacity() * sizeof(std::uint64_t) +
           marks_.capacity() * sizeof(std::uint32_t);
}

std::optional<HitCell> HitStore::Next(std::int64_t hit, std::int64_t item) const {
    if (hit < 0) {
        hit = 0;
        item = -1;
    }
    for (std::int64_t h = hit; h < Size(); ++h) {
        const auto marks = Marked(h);
        // A mark after `item` in the starting hit; the first mark in any later one.
        const auto it = h == hit ? std::upper_bound(marks.begin(), marks.end(), item,
                                                    [](std::int64_t v, std::uint32_t m) { return v < m; })
                                 : marks.begin();
        if (it != marks.end()) return HitCell{h, static_cast<std::int64_t>(*it)};
    }
    return std::nullopt;
}

std::optional<HitCell> HitStore::Prior(std::int64_t hit, std::int64_t item) const {
    if (Size() == 0 || hit < 0) return std::nullopt;
    if (hit >= Size()) {
        hit = Size() - 1;
        item = std::numeric_limits<std::int64_t>::max();
    }
    for (std::int64_t h = hit; h >= 0; --h) {
        const auto marks = Marked(h);
        // The last mark before `item` in the starting hit; the last mark in any earlier one.
        const auto it = h == hit ? std::lower_bound(marks.begin(), marks.end(), item,
                                                    [](std::uint32_t m, std::int64_t v) { return m < v; })
                                 : marks.end();
        if (it != marks.begin()) return HitCell{h, static_cast<std::int64_t>(*std::prev(it))};
    }
    return std::nullopt;
}

}  // namespace rekkan
