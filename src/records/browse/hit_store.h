#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "records/record_search.h"

namespace rekkan {

/// The hits of a search held compactly: each hit's record index and the field entries a word
/// occurs in, in two flat arrays (about 16 bytes and 4 per marked field a hit), so a million
/// hits hold no decoded record; the rows on screen are decoded when shown.
class HitStore {
public:
    /// Adds a hit: record `index` and its per-entry flags.
    void Add(std::int64_t index, const std::vector<bool>& flags);
    /// Forgets every hit.
    void Clear();

    [[nodiscard]] std::int64_t Size() const { return static_cast<std::int64_t>(indexes_.size()); }
    /// Record index (0-based) of hit `hit`.
    [[nodiscard]] std::int64_t Index(std::int64_t hit) const { return indexes_[static_cast<std::size_t>(hit)]; }
    /// The marked field entries of hit `hit`, ascending.
    [[nodiscard]] std::span<const std::uint32_t> Marked(std::int64_t hit) const;
    /// Whether field entry `item` of hit `hit` is marked.
    [[nodiscard]] bool IsMarked(std::int64_t hit, std::int64_t item) const;
    /// Bytes the store holds (its arrays' capacity).
    [[nodiscard]] std::size_t Bytes() const;

    /// The next marked cell after (`hit`, `item`): the rest of that hit's items, then each later
    /// hit from its first item; `item` -1 starts before the first. Nothing when none follows.
    [[nodiscard]] std::optional<HitCell> Next(std::int64_t hit, std::int64_t item) const;
    /// The previous marked cell before (`hit`, `item`); nothing when none comes before.
    [[nodiscard]] std::optional<HitCell> Prior(std::int64_t hit, std::int64_t item) const;

private:
    std::vector<std::int64_t> indexes_;
    std::vector<std::uint64_t> ends_;  ///< end of each hit's marks in marks_
    std::vector<std::uint32_t> marks_;
};

}  // namespace rekkan
