#include "records/fit_search.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <thread>

#include "records/record_count.h"

namespace rekkan {
namespace {

/// Bytes from a record's start that the fields reach.
int FieldReach(const std::vector<JudgedField>& fields) {
    int reach = 0;
    for (const JudgedField& f : fields) reach = std::max(reach, f.offset + f.length);
    return reach;
}

/// At most `most` weighed fields spread evenly over the layout.
std::vector<JudgedField> ScreenFields(const std::vector<JudgedField>& fields, std::size_t most) {
    std::vector<JudgedField> weighed;
    for (const JudgedField& f : fields)
        if (f.weighed) weighed.push_back(f);
    if (weighed.size() <= most) return weighed;
    std::vector<JudgedField> chosen;
    for (std::size_t k = 0; k < most; ++k) chosen.push_back(weighed[k * weighed.size() / most]);
    return chosen;
}

double Share(std::int64_t valid, std::int64_t judged) {
    return judged == 0 ? 1.0 : static_cast<double>(valid) / static_cast<double>(judged);
}

/// A length and phase (base within one record length) with its share on the screening records.
struct Screened {
    int length;
    int phase;
    double share;
};

/// Options with the other zone and pack sign form.
CodecOptions OtherSignForms(CodecOptions o) {
    o.zoneSign = o.zoneSign == SignForm::Ebcdic ? SignForm::Ascii : SignForm::Ebcdic;
    o.packSign = o.packSign == SignForm::Ebcdic ? SignForm::Ascii : SignForm::Ebcdic;
    return o;
}

/// Types that judge bytes alike fall in one class: zoned, packed, text, or the type itself.
int ValidityClass(TypeCode type) {
    if (type == kUNum || type == kSNum) return kSNum;
    if (type == kUComp3 || type == kSComp3) return kSComp3;
    if (IsCharacterType(type)) return kX;
    return type;
}

/// Records to judge the moved or retyped fields on.
constexpr std::int64_t kFieldSample = 2000;
/// Fewer records than this say nothing about a moved or retyped field: one may fit by chance.
constexpr std::int64_t kFieldEvidence = 10;

}  // namespace

std::vector<int> CandidateLengths(int length, std::int64_t fileSize) {
    std::vector<int> lengths;
    for (int d = -8; d <= 8; ++d)
        if (length + d >= 1) lengths.push_back(length + d);
    const int quarter = length / 4;
    for (int d = std::max(1, length - quarter); d <= length + quarter; ++d)
        if (fileSize > 0 && fileSize % d == 0 && std::abs(d - length) > 8) lengths.push_back(d);
    return lengths;
}

bool MeasureGeometry(const DataFileBytes& file, const std::vector<JudgedField>& fields, const CodecOptions& options,
                     int length, std::int64_t base, std::int64_t sampleSize, LayoutFit& fit) {
    const std::int64_t count = RecordCountOf(file.Size(), base, length);
    const std::int64_t n = sampleSize <= 0 ? count : std::min(sampleSize, count);
    const auto window = static_cast<std::size_t>(std::max(length, FieldReach(fields)));
    // Large samples are judged in consecutive parts on as many threads as there are cores (up to
    // four), each part counted on its own and the counts joined in order: the same result as one
    // pass, since every count is a sum or the first or last of its kind.
    constexpr std::int64_t kRecordsPerPart = 50'000;
    const auto cores = static_cast<std::int64_t>(std::max(1u, std::thread::hardware_concurrency()));
    const std::int64_t parts = std::clamp<std::int64_t>(n / kRecordsPerPart, 1, std::min<std::int64_t>(cores, 4));
    std::vector<FitCounter> counters(static_cast<std::size_t>(parts), FitCounter(fields, options, count));
    std::vector<char> ok(static_cast<std::size_t>(parts), 0);
    const auto judge = [&](std::int64_t part) {
        FitCounter& counter = counters[static_cast<std::size_t>(part)];
        ok[static_cast<std::size_t>(part)] = ForEachSpreadWindow(
            file, base, length, window, n, count,
            [&](const std::uint8_t* w, std::int64_t index) { counter.Add(w, index); }, n * part / parts,
            n * (part + 1) / parts);
    };
    std::vector<std::thread> threads;
    std::int64_t started = 1;
    for (; started < parts; ++started) {
        try {
            threads.emplace_back(judge, started);
        } catch (const std::system_error&) {
            break;  // the system gives no more threads: this one judges the rest
        }
    }
    judge(0);
    for (std::int64_t part = started; part < parts; ++part) judge(part);
    for (std::thread& t : threads) t.join();
    for (std::size_t part = 1; part < counters.size(); ++part) counters.front().Append(counters[part]);
    fit = counters.front().Result();
    return std::all_of(ok.begin(), ok.end(), [](char good) { return good != 0; });
}

std::vector<GeometryFit> SearchGeometries(const DataFileBytes& file, const std::vector<JudgedField>& fields,
                                          const CodecOptions& options, int layoutLength, std::int64_t layoutBase,
                                          std::int64_t sampleSize, std::size_t keep) {
    constexpr double kScreenChecks = 4e6;  // field judgements spent on screening
    constexpr std::size_t kScreenFields = 24;
    constexpr std::size_t kMeasured = 8;
    constexpr int kMaxPhases = 16384;
    const std::vector<JudgedField> screen = ScreenFields(fields, kScreenFields);
    if (screen.empty()) return {};
    const int reach = FieldReach(fields);
    const std::vector<int> lengths = CandidateLengths(layoutLength, file.Size());
    ValidityJudge judge(options);

    std::vector<Screened> screened;
    for (const int length : lengths) {
        const std::int64_t count = RecordCountOf(file.Size(), 0, length);
        if (count < 1) continue;
        // Very long records: only the bases within the first kMaxPhases bytes are screened.
        const int phases = std::min(length, kMaxPhases);
        const double perRecord = static_cast<double>(lengths.size()) * phases * static_cast<double>(screen.size());
        const auto records = static_cast<std::int64_t>(std::clamp(kScreenChecks / perRecord, 8.0, 64.0));
        std::vector<std::int64_t> valid(static_cast<std::size_t>(phases), 0);
        std::vector<std::int64_t> judged(static_cast<std::size_t>(phases), 0);
        const bool ok = ForEachSpreadWindow(file, 0, length, static_cast<std::size_t>(phases + reach), records, count,
                                            [&](const std::uint8_t* w, std::int64_t) {
                                                for (int phase = 0; phase < phases; ++phase) {
                                                    const RecordScore s = ScoreRecord(w + phase, screen, judge);
                                                    valid[static_cast<std::size_t>(phase)] += s.validBytes;
                                                    judged[static_cast<std::size_t>(phase)] += s.judgedBytes;
                                                }
                                            });
        if (!ok) return {};
        for (int phase = 0; phase < phases; ++phase) {
            if (length == layoutLength && phase == layoutBase % layoutLength) continue;
            screened.push_back(
                {length, phase,
                 Share(valid[static_cast<std::size_t>(phase)], judged[static_cast<std::size_t>(phase)])});
        }
    }
    const auto closer = [&](const Screened& a, const Screened& b) {
        if (a.share != b.share) return a.share > b.share;
        if (a.length != b.length) return std::abs(a.length - layoutLength) < std::abs(b.length - layoutLength);
        return a.phase < b.phase;
    };
    const std::size_t top = std::min(kMeasured, screened.size());
    std::partial_sort(screened.begin(), screened.begin() + static_cast<std::ptrdiff_t>(top), screened.end(), closer);
    screened.resize(top);

    std::vector<GeometryFit> found;
    std::string record;
    for (const Screened& s : screened) {
        // The first base of this phase whose record looks like the others: a header may hold
        // whole records as well as bytes.
        std::int64_t base = s.phase;
        record.resize(static_cast<std::size_t>(std::max(s.length, reach)));
        for (int j = 0; j < kBaseRecords; ++j) {
            const std::int64_t b = s.phase + static_cast<std::int64_t>(j) * s.length;
            if (b >= file.Size()) break;
            if (!file.ReadAt(b, record.size(), record.data())) return {};
            const RecordScore one = ScoreRecord(reinterpret_cast<const std::uint8_t*>(record.data()), screen, judge);
            if (Share(one.validBytes, one.judgedBytes) >= s.share - 0.1) {
                base = b;
                break;
            }
        }
        if (s.length == layoutLength && base == layoutBase) continue;
        LayoutFit fit;
        if (!MeasureGeometry(file, fields, options, s.length, base, sampleSize, fit)) return {};
        found.push_back({s.length, base, fit.Weighted()});
    }
    std::stable_sort(found.begin(), found.end(), [&](const GeometryFit& a, const GeometryFit& b) {
        if (a.fit != b.fit) return a.fit > b.fit;
        const bool aWhole = (file.Size() - a.base) % a.length == 0;
        const bool bWhole = (file.Size() - b.base) % b.length == 0;
        if (aWhole != bWhole) return aWhole;
        if (a.length != b.length) return std::abs(a.length - layoutLength) < std::abs(b.length - layoutLength);
        return a.base < b.base;
    });
    if (found.size() > keep) found.resize(keep);
    return found;
}

std::vector<FieldShift> FindShiftedFields(const DataFileBytes& file, const LayoutFit& fit, const CodecOptions& options,
                                          int length, std::int64_t base, std::int64_t sampleSize) {
    std::vector<std::size_t> poor;
    int reach = 0;
    for (std::size_t i = 0; i < fit.fields.size(); ++i) {
        const FieldFit& ff = fit.fields[i];
        reach = std::max(reach, ff.field.offset + ff.field.length);
        if (ff.field.weighed && ff.Share() < 0.9) poor.push_back(i);
    }
    if (poor.empty()) return {};
    constexpr int kShifts = 2 * kMaxShift + 1;
    std::vector<std::int64_t> valid(poor.size() * kShifts, 0);
    std::int64_t records = 0;
    ValidityJudge judge(options);
    const std::int64_t count = RecordCountOf(file.Size(), base, length);
    const std::int64_t n = std::min(sampleSize <= 0 ? count : sampleSize, kFieldSample);
    const bool ok = ForEachSpreadWindow(file, base - kMaxShift, length, static_cast<std::size_t>(reach + 2 * kMaxShift),
                                        n, count, [&](const std::uint8_t* w, std::int64_t) {
                                            ++records;
                                            for (std::size_t p = 0; p < poor.size(); ++p) {
                                                const JudgedField& f = fit.fields[poor[p]].field;
                                                for (int s = 0; s < kShifts; ++s)
                                                    valid[p * kShifts + static_cast<std::size_t>(s)] +=
                                                        judge.Valid(w + f.offset + s, f.length, f.type, f.digits);
                                            }
                                        });
    if (!ok || records < kFieldEvidence) return {};
    std::vector<FieldShift> shifts;
    for (std::size_t p = 0; p < poor.size(); ++p) {
        const double before = Share(valid[p * kShifts + kMaxShift], records);
        int best = 0;
        double bestShare = before;
        for (int distance = 1; distance <= kMaxShift; ++distance) {
            for (const int shift : {distance, -distance}) {
                const double share = Share(valid[p * kShifts + static_cast<std::size_t>(shift + kMaxShift)], records);
                if (share > bestShare) {
                    bestShare = share;
                    best = shift;
                }
            }
        }
        if (best != 0 && bestShare >= 0.9 && bestShare - before >= 0.25)
            shifts.push_back({poor[p], best, before, bestShare});
    }
    return shifts;
}

std::vector<OtherType> FindOtherTypes(const DataFileBytes& file, const LayoutFit& fit, const CodecOptions& options,
                                      int length, std::int64_t base, std::int64_t sampleSize) {
    struct Trial {
        std::size_t field;
        TypeCode type;
        bool other;
        std::int64_t valid = 0;
    };
    std::vector<Trial> trials;
    int reach = length;
    for (std::size_t i = 0; i < fit.fields.size(); ++i) {
        const FieldFit& ff = fit.fields[i];
        reach = std::max(reach, ff.field.offset + ff.field.length);
        if (!ff.field.weighed || ff.Share() >= 0.5) continue;
        const TypeCode own = ff.field.type;
        const int n = ff.field.length;
        std::vector<TypeCode> types = {own == kUNum ? kUNum : kSNum, own == kUComp3 ? kUComp3 : kSComp3,
                                       IsCharacterType(own) ? own : kX};
        if (n == 8) types.push_back(kDate8);  // floating types take nearly any bytes: no evidence
        for (const TypeCode t : types) {
            const bool signed_ = t == kSNum || t == kUNum || t == kSComp3 || t == kUComp3;
            for (const bool other : {false, true}) {
                if (other && !signed_) continue;
                if (!other && ValidityClass(t) == ValidityClass(own)) continue;
                trials.push_back({i, t, other});
            }
        }
    }
    if (trials.empty()) return {};
    ValidityJudge judge(options);
    ValidityJudge otherJudge(OtherSignForms(options));
    const std::int64_t count = RecordCountOf(file.Size(), base, length);
    const std::int64_t n = std::min(sampleSize <= 0 ? count : sampleSize, kFieldSample);
    std::int64_t records = 0;
    const bool ok = ForEachSpreadWindow(file, base, length, static_cast<std::size_t>(reach), n, count,
                                        [&](const std::uint8_t* w, std::int64_t) {
                                            ++records;
                                            for (Trial& t : trials) {
                                                const JudgedField& f = fit.fields[t.field].field;
                                                ValidityJudge& j = t.other ? otherJudge : judge;
                                                t.valid += j.Valid(w + f.offset, f.length, t.type, f.digits);
                                            }
                                        });
    if (!ok || records < kFieldEvidence) return {};
    std::vector<OtherType> found;
    for (const Trial& t : trials) {
        const double share = Share(t.valid, records);
        if (share < 0.9) continue;
        const bool zoned = t.type == kUNum || t.type == kSNum;
        const CodecOptions& o = t.other ? otherJudge.Options() : options;
        const OtherType fits{t.field, t.type, t.other, zoned ? o.zoneSign : o.packSign, share};
        if (found.empty() || found.back().field != t.field)
            found.push_back(fits);
        else if (share > found.back().share)
            found.back() = fits;
    }
    return found;
}

}  // namespace rekkan
