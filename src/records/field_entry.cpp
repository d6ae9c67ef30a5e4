#include "records/field_entry.h"

#include "model/type_catalogue.h"

namespace rekkan {

namespace {

bool IsCInteger(int type) {
    switch (type) {
    case kUInt:
    case kUShort:
    case kULong:
    case kSInt:
    case kSShort:
    case kSLong:
    case kWord:
    case kDword: return true;
    default: return false;
    }
}

}  // namespace

bool StartsHexFixed(int type, int length) {
    if (IsCobolBinary(type) || HasNoConverter(type)) return true;
    return IsCInteger(type) && length != 2 && length != 4;
}

TRdbObj MakeFieldEntry(const FieldDescriptor& descriptor, int fieldNumber, HexStart start) {
    TRdbObj e;
    e.desc = descriptor;
    e.position = descriptor.pos;
    e.length = descriptor.size;
    e.type = static_cast<TypeCode>(descriptor.TYP);
    e.fieldNumber = descriptor.TYP == kGroup ? 0 : fieldNumber;
    bool hex = StartsHexFixed(e.type, e.length);
    if (start == HexStart::Script && IsCobolBinary(e.type) && (e.length == 2 || e.length == 4 || e.length == 8)) {
        hex = false;
    }
    e.hexDisplay = hex;
    e.hexFixed = hex;
    return e;
}

std::vector<TRdbObj> MakeFieldList(const std::vector<FieldDescriptor>& descriptors, HexStart start) {
    std::vector<TRdbObj> out;
    out.reserve(descriptors.size());
    int number = 0;
    for (const FieldDescriptor& d : descriptors) {
        out.push_back(MakeFieldEntry(d, number, start));
        if (d.TYP != kGroup) ++number;
    }
    return out;
}

RecordFieldList BuildFieldList(const LayoutDocument& doc, HexStart start) {
    const FieldList listed = ListFields(doc);
    RecordFieldList out;
    out.fields = MakeFieldList(listed.fields, start);
    out.recordLength = listed.recordLength;
    out.failure = listed.failure;
    return out;
}

}  // namespace rekkan
