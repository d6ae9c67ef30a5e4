#include "model/layout_document.h"

#include <limits>

#include "util/encoding.h"

namespace rekkan {

IntSizes IntSizes::FromChoices(int intChoice, int shortChoice, int longChoice) {
    IntSizes s;
    s.shortSize = 2 * (shortChoice + 1);
    s.longSize = 2 * (longChoice + 1);
    s.intSize = intChoice == 0 ? s.shortSize : s.longSize;
    return s;
}

int EditableLineCountForChoice(int choice) { return (choice + 2) * 1000; }

void NormaliseByt(TRspec& r, const IntSizes& sizes) {
    if (HasEnteredByteCount(r.TYP)) {
        if (r.BYT < 1) r.BYT = 1;
        return;
    }
    if (IsCobolNumeric(r.TYP)) {
        if (r.BYT < 0) r.BYT = 0;
        if (r.SYO < 0) r.SYO = 0;
        if (r.BYT + r.SYO == 0) r.BYT = 1;
        return;
    }
    switch (r.TYP) {
    case kUChar:
    case kSChar:
    case kByte: r.BYT = 1; break;
    case kUInt:
    case kSInt: r.BYT = sizes.intSize; break;
    case kUShort:
    case kSShort: r.BYT = sizes.shortSize; break;
    case kULong:
    case kSLong: r.BYT = sizes.longSize; break;
    case kFloat:
    case kDate:
    case kTime:
    case kObject:
    case kDword: r.BYT = 4; break;
    case kDouble:
    case kCurrency:
    case kDate8: r.BYT = 8; break;
    case kWord: r.BYT = 2; break;
    default: break;
    }
}

void ApplyIntegerSizeRule(TRspec& r, const IntSizes& sizes) {
    switch (r.TYP) {
    case kUInt:
    case kSInt: r.BYT = sizes.intSize; break;
    case kUShort:
    case kSShort:
    case kWord: r.BYT = sizes.shortSize; break;
    case kULong:
    case kSLong:
    case kDword: r.BYT = sizes.longSize; break;
    default: break;
    }
}

namespace {

long long RawOccurrenceSize(const TRspec& r) {
    const long long byt = r.BYT;
    const long long syo = r.SYO;
    switch (r.TYP) {
    case kGroup: return 0;
    case kJ: return 2 * byt;
    case kUNum:
    case kSNum: return byt + syo;
    case kUComp3:
    case kSComp3: return (byt + syo + 1 + 1) / 2;
    case kUBinary:
    case kSBinary:
    case kUComp:
    case kSComp:
    case kUComp5:
    case kSComp5: {
        const long long d = byt + syo;
        if (d >= 1 && d <= 4) return 2;
        if (d >= 5 && d <= 9) return 4;
        return 8;
    }
    case kBit: return (byt + 7) / 8;
    case kSComp1: return 4;
    case kSComp2: return 8;
    default: return byt;  // X and codes 16 to 36
    }
}

}  // namespace

int OccurrenceSize(const TRspec& r) {
    // Rows read from files may carry negative or absurd counts: a negative size occupies
    // nothing, and no size may overflow.
    const long long size = RawOccurrenceSize(r);
    if (size < 0) return 0;
    return size > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(size);
}

void SetSampleLayout(LayoutDocument& doc, LangPriority priority) {
    doc.RdfCmt = sj("サンプル ファイル");
    doc.PreFix.clear();
    doc.keyLines.clear();
    doc.memoLines.clear();
    doc.items.clear();
    TRspec group;
    group.LVL = 1;
    group.TYP = group.TYP2 = kGroup;
    group.KOM = sj("サンプル レコード");
    group.VNM = "sample_record";
    TRspec item;
    item.LVL = 2;
    item.TYP = item.TYP2 = FirstTypeAfterGroup(priority);
    item.BYT = 20;
    item.KOM = sj("サンプル");
    item.VNM = "sample_item";
    doc.items = {group, item};
}

}  // namespace rekkan
