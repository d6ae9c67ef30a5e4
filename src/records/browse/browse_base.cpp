#include "records/browse/browse_base.h"

#include <algorithm>
#include <limits>

#include "records/editor/number_box.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

BaseChoice ChooseBase(std::string_view boxText, std::int64_t recordCount) {
    const std::int64_t recNo = RecNoOfText(boxText);
    BaseChoice choice;
    choice.boxText = std::to_string(recNo);
    if (recNo <= recordCount) {
        choice.base = recNo - 1;
    } else {
        choice.base = std::max<std::int64_t>(recordCount - 1, 0);
        choice.missing = true;
    }
    return choice;
}

std::string StepBaseText(std::string_view boxText, int delta) {
    const std::int64_t recNo = RecNoOfText(boxText);
    const std::int64_t moved = delta > 0 && recNo == std::numeric_limits<std::int64_t>::max() ? recNo : recNo + delta;
    return GroupThousands(std::max<std::int64_t>(moved, 1));
}

std::string BaseMissingMessage(std::string_view normalised) {
    return "Rec.No [" + std::string(normalised) + sj("] のレコードは存在しません。") + "\r\n\r\n" +
           sj("尚、Rec.No の最小値は  [1]  です。") + "\r\n\r\n";
}

ScrollMap::ScrollMap(std::int64_t recordCount)
    : count_(std::max<std::int64_t>(recordCount, 0)),
      maximum_(static_cast<int>(std::min<std::int64_t>(count_, std::numeric_limits<int>::max()))) {}

int ScrollMap::BarOf(std::int64_t position) const {
    position = std::clamp<std::int64_t>(position, 0, count_);
    if (count_ == maximum_) return static_cast<int>(position);
    // Rounded down, so a bar value maps back onto a position at or before the one given.
    return static_cast<int>(static_cast<__int128>(position) * maximum_ / count_);
}

std::int64_t ScrollMap::PositionOf(int bar) const {
    bar = std::clamp(bar, 0, maximum_);
    if (count_ == maximum_) return bar;
    // Rounded up, so BarOf(PositionOf(bar)) == bar: every bar value reaches its own records.
    const __int128 scaled = static_cast<__int128>(bar) * count_;
    return static_cast<std::int64_t>((scaled + maximum_ - 1) / maximum_);
}

std::int64_t ScrollMap::Step(std::int64_t position, std::int64_t delta) const {
    position = std::clamp<std::int64_t>(position, 0, count_);
    if (delta >= 0) return position > count_ - delta ? count_ : position + delta;
    return position + delta < 0 ? 0 : position + delta;
}

}  // namespace rekkan
