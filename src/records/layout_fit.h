#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/field_validity.h"

namespace rekkan {

/// Columns of the heat map: records of the file in this many buckets (fewer for fewer records).
inline constexpr int kHeatBuckets = 60;

/// A record whose weighed bytes are less than this share valid does not fit.
inline constexpr double kRecordFitsShare = 0.8;

/// Valid and judged bytes of one record's weighed fields.
struct RecordScore {
    std::int64_t validBytes = 0;
    std::int64_t judgedBytes = 0;
    [[nodiscard]] bool Fits() const {
        return judgedBytes == 0 ||
               static_cast<double>(validBytes) >= kRecordFitsShare * static_cast<double>(judgedBytes);
    }
};

/// Judges the weighed fields of one record; `record` holds every byte the fields reach.
[[nodiscard]] RecordScore ScoreRecord(const std::uint8_t* record, const std::vector<JudgedField>& fields,
                                      ValidityJudge& judge);

/// How well one field's bytes fit its type over the records looked at.
struct FieldFit {
    JudgedField field;
    std::int64_t checked = 0;
    std::int64_t valid = 0;
    std::int64_t firstInvalid = -1;        ///< 0-based index of the first record looked at with invalid bytes
    std::string firstInvalidBytes;         ///< the field's bytes in that record
    std::vector<std::uint32_t> heatValid;  ///< valid values per heat bucket

    /// Share of the records looked at whose bytes are valid (1 when none was looked at).
    [[nodiscard]] double Share() const {
        return checked == 0 ? 1.0 : static_cast<double>(valid) / static_cast<double>(checked);
    }
};

/// The fit of a layout to a data file over the records looked at.
struct LayoutFit {
    std::vector<FieldFit> fields;
    std::int64_t recordCount = 0;            ///< records of the file
    std::int64_t checked = 0;                ///< records looked at
    std::int64_t validBytes = 0;             ///< weighed field bytes valid, over every record looked at
    std::int64_t judgedBytes = 0;            ///< weighed field bytes judged
    std::vector<std::uint32_t> heatChecked;  ///< records looked at per heat bucket
    std::int64_t misfits = 0;                ///< records looked at that do not fit
    std::int64_t firstMisfit = -1;           ///< 0-based index of the first of them
    std::int64_t leadingMisfits = 0;         ///< records looked at in a row from the first that do not fit
    std::int64_t trailingMisfits = 0;        ///< the same from the last record looked at backwards
    std::int64_t firstFitting = -1;          ///< 0-based index of the first record looked at that fits
    std::int64_t lastFitting = -1;           ///< 0-based index of the last one
    RecordScore leadingScore;                ///< weighed bytes of the leading records that do not fit
    RecordScore trailingScore;               ///< weighed bytes of the trailing records that do not fit

    /// The weighted fit: valid share of the weighed fields' bytes (1 when nothing is weighed).
    [[nodiscard]] double Weighted() const {
        return judgedBytes == 0 ? 1.0 : static_cast<double>(validBytes) / static_cast<double>(judgedBytes);
    }
    /// Heat bucket of a record index.
    [[nodiscard]] int BucketOf(std::int64_t index) const;
};

/// Collects a layout's fit record by record.
class FitCounter {
public:
    /// `recordCount`: records of the file (for the heat buckets).
    FitCounter(std::vector<JudgedField> fields, const CodecOptions& options, std::int64_t recordCount);
    /// Judges every field of the record with 0-based index `index`; `record` holds at least the
    /// bytes the fields reach.
    void Add(const std::uint8_t* record, std::int64_t index);
    /// Takes in what `later` counted, as if its records had been added after this one's.
    void Append(const FitCounter& later);
    [[nodiscard]] const LayoutFit& Result() const { return fit_; }

private:
    LayoutFit fit_;
    ValidityJudge judge_;
    bool sawFitting_ = false;
};

}  // namespace rekkan
