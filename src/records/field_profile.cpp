#include "records/field_profile.h"

#include <algorithm>
#include <cstdlib>

#include "records/field_validity.h"
#include "records/record_count.h"
#include "records/record_sample.h"
#include "records/value_tally.h"
#include "util/sjis.h"

namespace rekkan {
namespace {

/// Memory the exact distinct counts of all fields may take together.
constexpr std::size_t kTallyBudget = 32u << 20;
/// Bytes one exactly counted value takes in a tally at most.
constexpr std::size_t kBytesPerValue = 40;

bool IsNumericType(TypeCode type) {
    return IsCobolNumeric(type) || (type >= kUChar && type <= kCurrency) || type == kByte || type == kWord ||
           type == kDword;
}

bool AllBytes(std::string_view bytes, char b) {
    return !bytes.empty() && std::all_of(bytes.begin(), bytes.end(), [b](char c) { return c == b; });
}

/// Half-width and full-width blanks only (an empty text too).
bool OnlyBlanks(std::string_view text) {
    bool blanks = true;
    ForEachChar(text, [&](std::size_t at, std::size_t length) {
        const std::string_view ch = text.substr(at, length);
        blanks = ch == " " || ch == kFullWidthBlank;
        return blanks;
    });
    return blanks;
}

/// Sign, integer digits without leading zeros and fraction digits without trailing zeros.
struct DecimalParts {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
    bool plain = true;  ///< only sign, digits and one point
};

DecimalParts Parse(std::string_view t) {
    DecimalParts d;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
        d.negative = t[0] == '-';
        t.remove_prefix(1);
    }
    const std::size_t point = t.find('.');
    d.whole = t.substr(0, point);
    d.fraction = point == std::string_view::npos ? std::string_view{} : t.substr(point + 1);
    for (const std::string_view part : {d.whole, d.fraction})
        for (const char c : part) d.plain = d.plain && c >= '0' && c <= '9';
    while (!d.whole.empty() && d.whole.front() == '0') d.whole.remove_prefix(1);
    while (!d.fraction.empty() && d.fraction.back() == '0') d.fraction.remove_suffix(1);
    if (d.whole.empty() && d.fraction.empty()) d.negative = false;
    return d;
}

int CompareMagnitude(const DecimalParts& a, const DecimalParts& b) {
    if (a.whole.size() != b.whole.size()) return a.whole.size() < b.whole.size() ? -1 : 1;
    if (const int c = a.whole.compare(b.whole); c != 0) return c < 0 ? -1 : 1;
    const int c = a.fraction.compare(b.fraction);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace

int CompareNumberText(std::string_view a, std::string_view b) {
    const DecimalParts x = Parse(a);
    const DecimalParts y = Parse(b);
    if (!x.plain || !y.plain) {
        const double u = std::strtod(std::string(a).c_str(), nullptr);
        const double v = std::strtod(std::string(b).c_str(), nullptr);
        return u < v ? -1 : (u > v ? 1 : 0);
    }
    if (x.negative != y.negative) return x.negative ? -1 : 1;
    const int m = CompareMagnitude(x, y);
    return x.negative ? -m : m;
}

bool IsZeroText(std::string_view text) {
    const DecimalParts d = Parse(text);
    return d.plain && d.whole.empty() && d.fraction.empty() &&
           text.find_first_of("0123456789") != std::string_view::npos;
}

ProfileResult ProfileFields(const ProfileRequest& request) {
    ProfileResult result;
    DataFileBytes file;
    if (request.fields == nullptr || request.recordLength < 1 || !file.Open(request.path)) return result;
    result.opened = true;
    const std::vector<TRdbObj>& entries = *request.fields;
    const int length = request.recordLength;
    result.recordCount = RecordCountOf(file.Size(), request.basePosition, length);
    const std::int64_t n = request.sampleSize > 0 ? std::min(request.sampleSize, result.recordCount)
                                                  : DefaultSampleSize(file.Size(), result.recordCount);
    const std::vector<JudgedField> judged = JudgedFieldsOf(entries);
    const std::size_t limit = std::clamp<std::size_t>(
        kTallyBudget / kBytesPerValue / std::max<std::size_t>(judged.size(), 1), 1000, ValueTally::kExactLimit);
    std::vector<ValueTally> tallies(judged.size(), ValueTally(limit));
    for (const JudgedField& j : judged) {
        FieldProfile p;
        p.entry = j.entry;
        p.numeric = IsNumericType(j.type) && !entries[j.entry].hexDisplay;
        p.exactLimit = limit;
        result.fields.push_back(std::move(p));
    }
    // All 0x00 is an empty text or decimal (low-values), but a zero for binary and floating types.
    std::vector<bool> lowValuesBlank;
    for (const JudgedField& j : judged)
        lowValuesBlank.push_back(IsCharacterType(j.type) || j.type == kUNum || j.type == kSNum || j.type == kUComp3 ||
                                 j.type == kSComp3);
    ValidityJudge judge(request.codec);
    std::string text;
    const auto textOf = [&](const std::uint8_t* record, std::size_t i) {
        const std::string_view view(reinterpret_cast<const char*>(record), static_cast<std::size_t>(length));
        (void)DecodeFieldTo(text, view, entries[judged[i].entry], request.codec);
    };
    const bool ok =
        ForEachSpreadWindow(file, request.basePosition, length, static_cast<std::size_t>(length), n, result.recordCount,
                            [&](const std::uint8_t* record, std::int64_t index) {
                                ++result.checked;
                                for (std::size_t i = 0; i < judged.size(); ++i) {
                                    const JudgedField& f = judged[i];
                                    FieldProfile& p = result.fields[i];
                                    const std::string_view bytes(reinterpret_cast<const char*>(record) + f.offset,
                                                                 static_cast<std::size_t>(f.length));
                                    textOf(record, i);
                                    if (AllBytes(bytes, ' ') || (lowValuesBlank[i] && AllBytes(bytes, '\0')) ||
                                        (IsCharacterType(f.type) && OnlyBlanks(text)))
                                        ++p.blank;
                                    if (!judge.Valid(record, f)) {
                                        ++p.invalid;
                                        continue;
                                    }
                                    ++p.valid;
                                    if (p.numeric && IsZeroText(text)) ++p.zero;
                                    tallies[i].Add(ValueHash(text), index);
                                    if (p.valid == 1) {
                                        p.minimum = p.maximum = text;
                                    } else if (p.numeric) {
                                        if (CompareNumberText(text, p.minimum) < 0) p.minimum = text;
                                        if (CompareNumberText(text, p.maximum) > 0) p.maximum = text;
                                    } else {
                                        if (text < p.minimum) p.minimum = text;
                                        if (text > p.maximum) p.maximum = text;
                                    }
                                }
                            });
    if (!ok) {
        result.readFailed = true;
        return result;
    }
    // The texts of the most frequent values, from the first record each was met in.
    std::string record(static_cast<std::size_t>(length), '\0');
    for (std::size_t i = 0; i < judged.size(); ++i) {
        FieldProfile& p = result.fields[i];
        p.distinct = tallies[i].Distinct();
        p.distinctExact = tallies[i].Exact();
        for (const ValueTally::Frequent& f : tallies[i].MostFrequent(kMostFrequent)) {
            if (!file.ReadAt(request.basePosition + f.firstIndex * length, record.size(), record.data())) {
                result.readFailed = true;
                return result;
            }
            textOf(reinterpret_cast<const std::uint8_t*>(record.data()), i);
            p.mostFrequent.push_back({text, f.count});
        }
    }
    return result;
}

}  // namespace rekkan
