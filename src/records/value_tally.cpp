#include "records/value_tally.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace rekkan {
namespace {

constexpr int kRegisterBits = 12;
constexpr std::size_t kRegisters = std::size_t{1} << kRegisterBits;

}  // namespace

std::uint64_t ValueHash(std::string_view bytes) {
    std::uint64_t h = 0xcbf29ce484222325ULL;  // FNV-1a, then a finaliser that spreads every bit
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

ValueTally::ValueTally(std::size_t exactLimit) : limit_(exactLimit), slots_(64), registers_(kRegisters, 0) {}

void ValueTally::Grow() {
    std::vector<Frequent> old(slots_.size() * 2);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Frequent& f : old) {
        if (f.count == 0) continue;
        std::size_t at = f.hash & mask;
        while (slots_[at].count != 0) at = (at + 1) & mask;
        slots_[at] = f;
    }
}

void ValueTally::Add(std::uint64_t hash, std::int64_t index) {
    const std::size_t reg = hash >> (64 - kRegisterBits);
    const auto rank = static_cast<std::uint8_t>(std::countl_zero((hash << kRegisterBits) | 1) + 1);
    registers_[reg] = std::max(registers_[reg], rank);

    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    while (slots_[at].count != 0) {
        if (slots_[at].hash == hash) {
            ++slots_[at].count;
            return;
        }
        at = (at + 1) & mask;
    }
    if (used_ >= limit_) {
        overflow_ = true;
        return;
    }
    slots_[at] = {hash, 1, index};
    if (++used_ * 3 > slots_.size() * 2) Grow();
}

std::int64_t ValueTally::Distinct() const {
    if (!overflow_) return static_cast<std::int64_t>(used_);
    double sum = 0;
    std::size_t zeros = 0;
    for (const std::uint8_t r : registers_) {
        sum += std::ldexp(1.0, -r);
        zeros += r == 0;
    }
    const double m = static_cast<double>(kRegisters);
    double estimate = 0.7213 / (1.0 + 1.079 / m) * m * m / sum;
    if (estimate <= 2.5 * m && zeros > 0) estimate = m * std::log(m / static_cast<double>(zeros));
    return std::max(static_cast<std::int64_t>(std::llround(estimate)), static_cast<std::int64_t>(used_));
}

std::vector<ValueTally::Frequent> ValueTally::MostFrequent(std::size_t k) const {
    std::vector<Frequent> all;
    for (const Frequent& f : slots_)
        if (f.count != 0) all.push_back(f);
    const auto before = [](const Frequent& a, const Frequent& b) {
        return a.count != b.count ? a.count > b.count : a.firstIndex < b.firstIndex;
    };
    const std::size_t top = std::min(k, all.size());
    std::partial_sort(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(top), all.end(), before);
    all.resize(top);
    return all;
}

}  // namespace rekkan
