#include "ui/delegates/ruler_ticks.h"

#include "model/type_catalogue.h"

namespace rekkan::ui {

RulerKind RulerKindOf(int type, bool hexDisplay) {
    if (type == kGroup) return RulerKind::None;
    if (hexDisplay) return RulerKind::HexBytes;
    if (type == kBit) return RulerKind::Bits;
    if (type == kX || type == kJ || type == kString) return RulerKind::Characters;
    return RulerKind::None;
}

RulerMarks RulerMarksFor(RulerKind kind, int byteLength, int charWidth, int left, int clipRight) {
    RulerMarks marks;
    if (kind == RulerKind::None || byteLength <= 0 || charWidth <= 0) return marks;
    int step = charWidth;
    long long count = byteLength;
    if (kind == RulerKind::HexBytes) step = 2 * charWidth;
    if (kind == RulerKind::Bits) {
        step = 4 * charWidth;
        count = 2LL * byteLength;
    }
    for (long long i = 1; i <= count; ++i) {
        const long long x = left + i * step;
        if (x > clipRight) break;
        marks.ticks.push_back(RulerTick{static_cast<int>(x), i % 5 == 0});
    }
    if (kind == RulerKind::Characters) {
        const long long end = left + static_cast<long long>(byteLength) * charWidth;
        if (end <= clipRight) marks.closingX = static_cast<int>(end);
    }
    return marks;
}

}  // namespace rekkan::ui
