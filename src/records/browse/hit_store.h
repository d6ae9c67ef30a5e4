#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/decode_plan.h"
#include "records/file_engine.h"
#include "records/record_search.h"

namespace rekkan {

/// The marked field entries of hit `hit` (one flag per entry).
using HitMarksOf = std::function<std::vector<bool>(std::int64_t hit)>;

/// The hits of a search: only each hit's record index (8 bytes a hit), so a million hits hold
/// no decoded record. The marked fields of a hit are found again from its record when it is
/// shown or walked through (HitMarker), one record at a time.
class HitStore {
public:
    /// Adds hits in record order.
    void Add(const std::vector<std::int64_t>& indexes) {
        indexes_.insert(indexes_.end(), indexes.begin(), indexes.end());
    }
    /// Forgets every hit.
    void Clear() { indexes_ = {}; }

    [[nodiscard]] std::int64_t Size() const { return static_cast<std::int64_t>(indexes_.size()); }
    /// Record index (0-based) of hit `hit`.
    [[nodiscard]] std::int64_t Index(std::int64_t hit) const { return indexes_[static_cast<std::size_t>(hit)]; }
    /// Bytes the store holds.
    [[nodiscard]] std::size_t Bytes() const { return indexes_.capacity() * sizeof(std::int64_t); }

    /// The next marked cell after (`hit`, `item`): the rest of that hit's items, then each later
    /// hit from its first item; `item` -1 starts before the first. Nothing when none follows.
    /// Asks `marks` for the hits it passes (every hit has a mark, so usually one or two).
    [[nodiscard]] std::optional<HitCell> Next(std::int64_t hit, std::int64_t item, const HitMarksOf& marks) const;
    /// The previous marked cell before (`hit`, `item`); nothing when none comes before.
    [[nodiscard]] std::optional<HitCell> Prior(std::int64_t hit, std::int64_t item, const HitMarksOf& marks) const;

private:
    std::vector<std::int64_t> indexes_;
};

/// Finds the marked fields of a record again: the field entries a search word occurs in, over
/// their display texts as the search matched them.
class HitMarker {
public:
    /// `file` (a read-only handle of the caller's), `fields` and `words` must outlive the marker.
    HitMarker(TFileInf& file, const std::vector<TRdbObj>& fields, const CodecOptions& codec,
              const std::vector<std::string>& words, bool orMode);
    /// One flag per field entry of record `index`; all false when it cannot be read.
    [[nodiscard]] std::vector<bool> Marks(std::int64_t index);
    /// Marks of hit `hit` of `hits`, as HitStore's walks ask for them.
    [[nodiscard]] HitMarksOf Of(const HitStore& hits) {
        return [this, &hits](std::int64_t hit) { return Marks(hits.Index(hit)); };
    }

private:
    TFileInf& file_;
    DecodePlan plan_;
    SearchWords words_;
    bool orMode_ = false;
    std::vector<std::string> texts_;
};

}  // namespace rekkan
