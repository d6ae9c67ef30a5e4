#include "records/layout_check.h"

#include <algorithm>

#include "records/record_count.h"
#include "records/record_sample.h"

namespace rekkan {
namespace {

/// Records probed one by one to find where a run of misfits ends.
constexpr std::int64_t kProbeLimit = 10000;

double ShareWithout(const LayoutFit& fit, const RecordScore& left) {
    const std::int64_t judged = fit.judgedBytes - left.judgedBytes;
    return judged <= 0 ? 1.0 : static_cast<double>(fit.validBytes - left.validBytes) / static_cast<double>(judged);
}

/// Counts the records from `first` on, stepping by `step` (+1 or -1), that do not fit, up to
/// `limit` records; -1 on a read error.
std::int64_t MisfitsFrom(const DataFileBytes& file, const std::vector<JudgedField>& fields, ValidityJudge& judge,
                         std::int64_t base, int length, std::int64_t first, int step, std::int64_t limit) {
    std::string record(static_cast<std::size_t>(length), '\0');
    std::int64_t run = 0;
    for (std::int64_t i = first; run < limit; i += step, ++run) {
        if (!file.ReadAt(base + i * length, record.size(), record.data())) return -1;
        if (ScoreRecord(reinterpret_cast<const std::uint8_t*>(record.data()), fields, judge).Fits()) break;
    }
    return run;
}

/// The weighted fit of `fit` with each shifted field counted at its shifted share.
double ShiftedFit(const LayoutFit& fit, const std::vector<FieldShift>& shifts) {
    double valid = 0;
    double judged = 0;
    for (std::size_t i = 0; i < fit.fields.size(); ++i) {
        const FieldFit& ff = fit.fields[i];
        if (!ff.field.weighed) continue;
        double share = ff.Share();
        for (const FieldShift& s : shifts)
            if (s.field == i) share = s.after;
        valid += share * ff.field.length;
        judged += ff.field.length;
    }
    return judged == 0 ? 1.0 : valid / judged;
}

}  // namespace

LayoutCheck CheckLayout(const CheckRequest& request) {
    LayoutCheck check;
    DataFileBytes file;
    if (request.fields == nullptr || request.recordLength < 1 || !file.Open(request.path)) return check;
    check.opened = true;
    check.fileSize = file.Size();
    const int length = request.recordLength;
    const std::int64_t base = request.basePosition;
    const std::int64_t count = RecordCountOf(check.fileSize, base, length);
    const std::int64_t sample = request.sampleSize > 0 ? request.sampleSize : DefaultSampleSize(check.fileSize, count);
    const std::int64_t searchSample = std::min(sample, kLargeFileSample);
    const std::vector<JudgedField> fields = JudgedFieldsOf(*request.fields);
    if (!MeasureGeometry(file, fields, request.codec, length, base, sample, check.fit)) {
        check.readFailed = true;
        return check;
    }
    const LayoutFit& fit = check.fit;
    const double asIs = fit.Weighted();
    ValidityJudge judge(request.codec);

    // Whole records in front or at the end that do not fit while the others do.
    const bool othersFit = fit.firstFitting >= 0;
    if (othersFit && fit.leadingMisfits > 0) {
        const double without = ShareWithout(fit, fit.leadingScore);
        const std::int64_t run =
            MisfitsFrom(file, fields, judge, base, length, 0, 1, std::min(fit.firstFitting, kProbeLimit));
        if (run > 0 && without >= 0.9) {
            check.header = {run, without};
            if (without > asIs + kBetterBy) check.better.push_back({length, base + run * length, without});
        }
    }
    if (othersFit && fit.trailingMisfits > 0) {
        const double without = ShareWithout(fit, fit.trailingScore);
        const std::int64_t run = MisfitsFrom(file, fields, judge, base, length, count - 1, -1,
                                             std::min(count - 1 - fit.lastFitting, kProbeLimit));
        if (run > 0 && without >= 0.9) check.trailer = {run, without};
    }

    if (asIs < 1.0) {
        for (const GeometryFit& g : SearchGeometries(file, fields, request.codec, length, base, searchSample, 3))
            if (g.fit > asIs + kBetterBy) check.better.push_back(g);
        std::stable_sort(check.better.begin(), check.better.end(),
                         [](const GeometryFit& a, const GeometryFit& b) { return a.fit > b.fit; });
        // The best few: each gains at least half of what the best one gains.
        const auto keep = std::find_if(check.better.begin(), check.better.end(), [&](const GeometryFit& g) {
            return g.fit - asIs < (check.better.front().fit - asIs) / 2;
        });
        check.better.erase(keep, check.better.end());
        if (check.better.size() > 3) check.better.resize(3);
    }

    // Where to look for moved fields: the layout's own geometry, or of the better ones the
    // one that fits best once its shifted fields are moved (a copybook a byte short fits as
    // well from the record's start with its later fields moved as from a byte on with its
    // earlier fields moved back; the first reads the file as it was written).
    check.shiftLength = length;
    check.shiftBase = base;
    check.shiftFit = fit;
    check.shifts = FindShiftedFields(file, fit, request.codec, length, base, sample);
    check.shiftedFit = ShiftedFit(fit, check.shifts);
    if (!check.better.empty() && check.header.records == 0) {
        std::size_t chosen = 0;
        for (std::size_t i = 0; i < check.better.size(); ++i) {
            const GeometryFit& g = check.better[i];
            LayoutFit there;
            if (!MeasureGeometry(file, fields, request.codec, g.length, g.base, searchSample, there)) {
                check.readFailed = true;
                return check;
            }
            std::vector<FieldShift> shifts = FindShiftedFields(file, there, request.codec, g.length, g.base, sample);
            const double moved = ShiftedFit(there, shifts);
            const bool whole = (check.fileSize - g.base) % g.length == 0;
            const bool wasWhole = (check.fileSize - check.shiftBase) % check.shiftLength == 0;
            if (i == 0 || moved > check.shiftedFit + kBetterBy ||
                (moved > check.shiftedFit - kBetterBy && whole && !wasWhole)) {
                chosen = i;
                check.shiftLength = g.length;
                check.shiftBase = g.base;
                check.shiftFit = std::move(there);
                check.shifts = std::move(shifts);
                check.shiftedFit = moved;
            }
        }
        std::rotate(check.better.begin(), check.better.begin() + static_cast<std::ptrdiff_t>(chosen),
                    check.better.begin() + static_cast<std::ptrdiff_t>(chosen) + 1);
        // Moved fields that explain the rest leave the other geometries nothing to add.
        if (!check.shifts.empty()) check.better.resize(1);
    }
    std::vector<OtherType> others =
        FindOtherTypes(file, check.shiftFit, request.codec, check.shiftLength, check.shiftBase, sample);
    for (const OtherType& o : others) {
        const bool shifted = std::any_of(check.shifts.begin(), check.shifts.end(),
                                         [&](const FieldShift& s) { return s.field == o.field; });
        if (!shifted) check.otherTypes.push_back(o);
    }
    return check;
}

}  // namespace rekkan
