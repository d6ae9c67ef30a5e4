#pragma once

#include <cstdint>

namespace rekkan {

/// Cell double-click detector of the grids: a second click on the same cell within the
/// interval counts as a double click. The clock is a parameter so callers and tests
/// decide where the time comes from.
class TIsDClick {
public:
    explicit TIsDClick(int intervalMs = 500) : interval_(intervalMs) {}

    /// True when (col, row) equals the last click and less than the interval passed since it
    /// (`nowMsOfDay` is milliseconds since midnight). Always remembers this click.
    [[nodiscard]] bool IsDoubleClick(int col, int row, std::int64_t nowMsOfDay);

private:
    int interval_;
    int col_ = -1;
    int row_ = -1;
    std::int64_t last_ = 0;
};

/// Milliseconds since local midnight, for `TIsDClick`.
[[nodiscard]] std::int64_t MillisecondsOfDay();

}  // namespace rekkan
