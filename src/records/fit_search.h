#pragma once

#include <cstdint>
#include <vector>

#include "codec/codec_options.h"
#include "records/field_validity.h"
#include "records/layout_fit.h"
#include "records/record_sample.h"

namespace rekkan {

// The search for a record length and base position that fit a data file better than the
// layout's own, and for fields that fit better a few bytes away.

/// A record length and a 0-based base position with the weighted fit measured there.
struct GeometryFit {
    int length = 0;
    std::int64_t base = 0;
    double fit = 0;
};

/// Record lengths worth trying for a layout of `length` bytes on a file of `fileSize` bytes:
/// the lengths within 8 bytes of it and the divisors of the file size within a quarter of it.
[[nodiscard]] std::vector<int> CandidateLengths(int length, std::int64_t fileSize);

/// Bases tried are below this many record lengths.
inline constexpr int kBaseRecords = 4;

/// Measures the fields at record length `length` from base `base` (0-based) over `sampleSize`
/// records spread over the file (all when 0 or more). False on a read error.
[[nodiscard]] bool MeasureGeometry(const DataFileBytes& file, const std::vector<JudgedField>& fields,
                                   const CodecOptions& options, int length, std::int64_t base, std::int64_t sampleSize,
                                   LayoutFit& fit);

/// The geometries that fit the file best other than (`layoutLength`, `layoutBase`), best first,
/// at most `keep`, each measured over `sampleSize` spread records. Lengths from
/// CandidateLengths; every base below kBaseRecords record lengths, screened on a few records.
[[nodiscard]] std::vector<GeometryFit> SearchGeometries(const DataFileBytes& file,
                                                        const std::vector<JudgedField>& fields,
                                                        const CodecOptions& options, int layoutLength,
                                                        std::int64_t layoutBase, std::int64_t sampleSize,
                                                        std::size_t keep);

/// A field that fits clearly better `shift` bytes away (positive: later in the record).
struct FieldShift {
    std::size_t field = 0;  ///< index into the judged fields
    int shift = 0;
    double before = 0;  ///< valid share where the layout puts it
    double after = 0;   ///< valid share shifted
};

/// Fields are moved at most this many bytes either way.
inline constexpr int kMaxShift = 8;

/// The weighed fields whose valid share (in `fit`, measured at `length`/`base`) is below 90%
/// and rises to 90% or more and by 25 points or more when moved up to kMaxShift bytes, with the
/// best shift (the smallest move among equals). Judged on up to `sampleSize` spread records;
/// nothing from fewer than 10.
[[nodiscard]] std::vector<FieldShift> FindShiftedFields(const DataFileBytes& file, const LayoutFit& fit,
                                                        const CodecOptions& options, int length, std::int64_t base,
                                                        std::int64_t sampleSize);

/// A type (and sign form) under which a field's bytes fit clearly better.
struct OtherType {
    std::size_t field = 0;  ///< index into the judged fields
    TypeCode type = kX;
    bool otherSignForm = false;            ///< with the other zone or pack sign form than the run's
    SignForm signForm = SignForm::Ebcdic;  ///< the sign form it fits with (zoned and packed types)
    double share = 0;
};

/// For each weighed field whose valid share is below 50%: the type of its length (zoned,
/// packed, either sign form, text, Date8) under which 90% or more is valid, the best.
[[nodiscard]] std::vector<OtherType> FindOtherTypes(const DataFileBytes& file, const LayoutFit& fit,
                                                    const CodecOptions& options, int length, std::int64_t base,
                                                    std::int64_t sampleSize);

}  // namespace rekkan
