#include "records/control_statements.h"

#include "codec/field_codec.h"
#include "model/type_catalogue.h"
#include "util/text.h"

namespace rekkan {

std::string TofgenStatement(int TYP, int byteLength) {
    const std::string n = std::to_string(byteLength);
    switch (TYP) {
    case kX:
    case kJ:
    case kString:
    case kVariant: return "X(" + n + ")";
    case kUNum: return "U.ZONE(" + n + ")";
    case kSNum: return "S.ZONE(" + n + ")";
    case kUComp3: return "U.PACK(" + n + ")";
    case kSComp3: return "S.PACK(" + n + ")";
    case kBit: return "BIT(" + n + ")";
    case kUChar:
    case kByte: return "U.INT1";
    case kUShort:
    case kWord: return "U.INT2";
    case kULong:
    case kDword: return "U.INT4";
    case kSChar: return "S.INT1";
    case kSShort: return "S.INT2";
    case kSLong: return "S.INT4";
    case kFloat: return "FLOAT";
    case kDouble: return "DOUBLE";
    case kDate8: return "DATE";
    default: return "HEX(" + n + ")";
    }
}

void AppendTofgenStatements(const std::vector<TofgenField>& fields, std::vector<std::string>& lines) {
    std::string names;
    std::string statements;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const TofgenField& f = fields[i];
        if (f.TYP == kGroup) continue;
        const bool last = i + 1 == fields.size();
        names += QuoteIfComma(f.displayName);
        statements += TofgenStatement(f.TYP, f.byteLength);
        if (!last) {
            names += ',';
            statements += ',';
        }
    }
    lines.push_back(std::move(names));
    lines.push_back(std::move(statements));
}

std::vector<TofgenField> TofgenFieldsOf(const RecordView& view) {
    std::vector<TofgenField> fields;
    fields.reserve(view.rows.size());
    for (const RecordGridRow& row : view.rows) fields.push_back(TofgenField{row.TYP, row.byteLength, row.displayName});
    return fields;
}

std::string TofgenStatementsText(const std::vector<TofgenField>& fields) {
    std::vector<std::string> lines;
    AppendTofgenStatements(fields, lines);
    std::string out;
    for (const auto& l : lines) WriteLine(out, l);
    return out;
}

}  // namespace rekkan
