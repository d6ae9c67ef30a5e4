#include "util/double_click.h"

#include <chrono>
#include <ctime>

namespace rekkan {

bool TIsDClick::IsDoubleClick(int col, int row, std::int64_t nowMsOfDay) {
    const std::int64_t since = nowMsOfDay - last_;
    const bool result = col == col_ && row == row_ && since >= 0 && since < interval_;
    col_ = col;
    row_ = row;
    last_ = nowMsOfDay;
    return result;
}

std::int64_t MillisecondsOfDay() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000LL + ms;
}

}  // namespace rekkan
