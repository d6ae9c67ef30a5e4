#include "records/field_address.h"

#include <cstdint>

#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

FieldAddress Failed(FieldAddressError error, std::string name = {}) { return {-1, error, std::move(name)}; }

/// The occurrence prefix of "(2,1)" subscripts: "2.1."; false when one is not a number of 1 or more.
bool SubscriptPrefix(const std::string& inner, std::string& prefix) {
    for (std::size_t start = 0;;) {
        const std::size_t comma = inner.find(',', start);
        const std::string sub =
            Trim(inner.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        int value = 0;
        if (sub.empty() || DigitsOnly(sub) != sub || !ParseInt(sub, value) || value < 1) return false;
        prefix += std::to_string(value) + ".";
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

}  // namespace

FieldAddress ResolveFieldAddress(std::string_view address, const std::vector<TRdbObj>& fields,
                                 const LayoutDocument& doc) {
    const std::string text = Trim(address);
    if (!text.empty() && DigitsOnly(text) == text) {
        std::int64_t n = 0;
        if (!ParseInt64(text, n) || n < 1 || n > static_cast<std::int64_t>(fields.size()))
            return Failed(FieldAddressError::NoSuchNumber);
        if (fields[static_cast<std::size_t>(n - 1)].IsGroup()) return Failed(FieldAddressError::GroupItem);
        return {static_cast<int>(n - 1), FieldAddressError::None, {}};
    }
    std::string name = text;
    std::string prefix;
    const std::size_t open = text.find('(');
    if (open != std::string::npos) {
        const std::size_t close = text.find(')', open);
        if (close == std::string::npos || Trim(text.substr(close + 1)) != "")
            return Failed(FieldAddressError::BadSubscripts);
        name = Trim(text.substr(0, open));
        if (!SubscriptPrefix(text.substr(open + 1, close - open - 1), prefix))
            return Failed(FieldAddressError::BadSubscripts, name);
    }
    int found = -1;
    bool repeats = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const TRdbObj& f = fields[i];
        const std::size_t row = static_cast<std::size_t>(f.desc.row);
        if (row >= doc.items.size() || !EqualsNoCase(Trim(doc.items[row].VNM), name)) continue;
        if (!f.desc.prefix.empty()) repeats = true;
        if (f.desc.prefix != prefix) continue;
        if (found >= 0 && fields[static_cast<std::size_t>(found)].desc.row != f.desc.row)
            return Failed(FieldAddressError::Ambiguous, name);
        if (found < 0) found = static_cast<int>(i);
    }
    if (found < 0)
        return Failed(repeats && prefix.empty() ? FieldAddressError::NeedsSubscripts : FieldAddressError::NoSuchName,
                      name);
    if (fields[static_cast<std::size_t>(found)].IsGroup()) return Failed(FieldAddressError::GroupItem, name);
    return {found, FieldAddressError::None, name};
}

}  // namespace rekkan
