#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace rekkan {

/// A 64-bit hash of a value's bytes (the tally tells values apart by it).
[[nodiscard]] std::uint64_t ValueHash(std::string_view bytes);

/// Counts the values of one field: exactly while it has met at most `exactLimit` distinct
/// values, then the number of distinct values is estimated (HyperLogLog, 4,096 registers) and
/// only the values already met are counted further. Memory stays below 400 KiB.
class ValueTally {
public:
    /// Distinct values counted exactly by default.
    static constexpr std::size_t kExactLimit = 10'000;
    /// Relative standard error of the estimate: 1.04 / sqrt(4096).
    static constexpr double kEstimateError = 0.01625;

    explicit ValueTally(std::size_t exactLimit = kExactLimit);

    /// Counts a value (by its hash) met in the record with 0-based index `index`.
    void Add(std::uint64_t hash, std::int64_t index);
    /// True while every distinct value has been counted.
    [[nodiscard]] bool Exact() const { return !overflow_; }
    /// Distinct values: exact, or the estimate once past the limit.
    [[nodiscard]] std::int64_t Distinct() const;

    /// A value counted and the first record it was met in.
    struct Frequent {
        std::uint64_t hash = 0;
        std::int64_t count = 0;
        std::int64_t firstIndex = 0;
    };
    /// The `k` values met most often (ties: the one met first), among the values counted.
    [[nodiscard]] std::vector<Frequent> MostFrequent(std::size_t k) const;
    [[nodiscard]] std::size_t ExactLimit() const { return limit_; }

private:
    void Grow();

    std::size_t limit_;
    std::vector<Frequent> slots_;  ///< open addressing; count 0 marks a free slot
    std::size_t used_ = 0;
    bool overflow_ = false;
    std::vector<std::uint8_t> registers_;
};

}  // namespace rekkan
