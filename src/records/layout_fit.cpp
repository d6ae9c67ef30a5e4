#include "records/layout_fit.h"

#include <algorithm>

namespace rekkan {

RecordScore ScoreRecord(const std::uint8_t* record, const std::vector<JudgedField>& fields, ValidityJudge& judge) {
    RecordScore score;
    for (const JudgedField& f : fields) {
        if (!f.weighed) continue;
        score.judgedBytes += f.length;
        if (judge.Valid(record, f)) score.validBytes += f.length;
    }
    return score;
}

int LayoutFit::BucketOf(std::int64_t index) const {
    const auto buckets = static_cast<std::int64_t>(heatChecked.size());
    if (buckets == 0 || recordCount <= 0) return 0;
    return static_cast<int>(std::min(buckets - 1, index * buckets / recordCount));
}

FitCounter::FitCounter(std::vector<JudgedField> fields, const CodecOptions& options, std::int64_t recordCount)
    : judge_(options) {
    fit_.recordCount = recordCount;
    const auto buckets = static_cast<std::size_t>(std::clamp<std::int64_t>(recordCount, 1, kHeatBuckets));
    fit_.heatChecked.assign(buckets, 0);
    for (JudgedField& f : fields) {
        FieldFit ff;
        ff.field = f;
        ff.heatValid.assign(buckets, 0);
        fit_.fields.push_back(std::move(ff));
    }
}

void FitCounter::Add(const std::uint8_t* record, std::int64_t index) {
    const int bucket = fit_.BucketOf(index);
    ++fit_.checked;
    ++fit_.heatChecked[static_cast<std::size_t>(bucket)];
    RecordScore score;
    for (FieldFit& ff : fit_.fields) {
        const JudgedField& f = ff.field;
        ++ff.checked;
        const bool valid = judge_.Valid(record, f);
        if (f.weighed) score.judgedBytes += f.length;
        if (valid) {
            ++ff.valid;
            ++ff.heatValid[static_cast<std::size_t>(bucket)];
            if (f.weighed) score.validBytes += f.length;
        } else if (ff.firstInvalid < 0) {
            ff.firstInvalid = index;
            ff.firstInvalidBytes.assign(reinterpret_cast<const char*>(record) + f.offset,
                                        static_cast<std::size_t>(f.length));
        }
    }
    fit_.validBytes += score.validBytes;
    fit_.judgedBytes += score.judgedBytes;
    if (score.Fits()) {
        if (fit_.firstFitting < 0) fit_.firstFitting = index;
        fit_.lastFitting = index;
        fit_.trailingMisfits = 0;
        fit_.trailingScore = {};
        sawFitting_ = true;
    } else {
        ++fit_.misfits;
        if (fit_.firstMisfit < 0) fit_.firstMisfit = index;
        if (!sawFitting_) {
            ++fit_.leadingMisfits;
            fit_.leadingScore.validBytes += score.validBytes;
            fit_.leadingScore.judgedBytes += score.judgedBytes;
        }
        ++fit_.trailingMisfits;
        fit_.trailingScore.validBytes += score.validBytes;
        fit_.trailingScore.judgedBytes += score.judgedBytes;
    }
}

void FitCounter::Append(const FitCounter& later) {
    LayoutFit& a = fit_;
    const LayoutFit& b = later.fit_;
    const auto sum = [](std::vector<std::uint32_t>& into, const std::vector<std::uint32_t>& from) {
        for (std::size_t i = 0; i < into.size() && i < from.size(); ++i) into[i] += from[i];
    };
    const auto add = [](RecordScore& into, const RecordScore& from) {
        into.validBytes += from.validBytes;
        into.judgedBytes += from.judgedBytes;
    };
    for (std::size_t i = 0; i < a.fields.size() && i < b.fields.size(); ++i) {
        FieldFit& f = a.fields[i];
        const FieldFit& g = b.fields[i];
        f.checked += g.checked;
        f.valid += g.valid;
        if (f.firstInvalid < 0 && g.firstInvalid >= 0) {
            f.firstInvalid = g.firstInvalid;
            f.firstInvalidBytes = g.firstInvalidBytes;
        }
        sum(f.heatValid, g.heatValid);
    }
    sum(a.heatChecked, b.heatChecked);
    a.checked += b.checked;
    a.validBytes += b.validBytes;
    a.judgedBytes += b.judgedBytes;
    a.misfits += b.misfits;
    if (a.firstMisfit < 0) a.firstMisfit = b.firstMisfit;
    // The leading run goes on into the later records while none of this one's fit; the
    // trailing run reaches back into this one's while none of the later ones fit.
    if (!sawFitting_) {
        a.leadingMisfits += b.leadingMisfits;
        add(a.leadingScore, b.leadingScore);
    }
    if (later.sawFitting_) {
        a.trailingMisfits = b.trailingMisfits;
        a.trailingScore = b.trailingScore;
    } else {
        a.trailingMisfits += b.trailingMisfits;
        add(a.trailingScore, b.trailingScore);
    }
    if (a.firstFitting < 0) a.firstFitting = b.firstFitting;
    if (b.lastFitting >= 0) a.lastFitting = b.lastFitting;
    sawFitting_ = sawFitting_ || later.sawFitting_;
}

}  // namespace rekkan
