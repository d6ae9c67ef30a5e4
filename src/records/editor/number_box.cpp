#include "records/editor/number_box.h"

#include <limits>

#include "util/text.h"

namespace rekkan {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    if (b > 0 && a > kMax - b) return kMax;
    if (b < 0 && a < std::numeric_limits<std::int64_t>::min() - b) return std::numeric_limits<std::int64_t>::min();
    return a + b;
}

}  // namespace

std::int64_t SaturatingDigits(std::string_view text) {
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') continue;
        const int digit = c - '0';
        if (value > (kMax - digit) / 10) return kMax;
        value = value * 10 + digit;
    }
    return value;
}

std::int64_t RecNoOfText(std::string_view text) {
    const std::int64_t n = SaturatingDigits(text);
    return n == 0 ? 1 : n;
}

std::string NumberBoxText(std::int64_t value) { return " " + GroupThousands(value < 0 ? 0 : value); }

BasePositionChoice ChooseBasePosition(std::string_view boxText, BaseStep step, int recordLength,
                                      std::int64_t fileSize) {
    std::int64_t v = SaturatingDigits(boxText);
    switch (step) {
    case BaseStep::None: break;
    case BaseStep::MinusByte: v = SaturatingAdd(v, -1); break;
    case BaseStep::PlusByte: v = SaturatingAdd(v, 1); break;
    case BaseStep::MinusRecord: v = SaturatingAdd(v, -static_cast<std::int64_t>(recordLength)); break;
    case BaseStep::PlusRecord: v = SaturatingAdd(v, recordLength); break;
    }
    BasePositionChoice choice;
    if (v < 1) v = 1;
    if (v > fileSize) {
        choice.clamped = true;
        v = fileSize < 1 ? 1 : fileSize;
    }
    choice.oneBased = v;
    return choice;
}

}  // namespace rekkan
