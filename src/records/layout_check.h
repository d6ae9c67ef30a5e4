#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "codec/codec_options.h"
#include "records/field_entry.h"
#include "records/fit_search.h"
#include "records/layout_fit.h"

namespace rekkan {

/// What to check: a data file, the layout's field list at its length and base, the codec options.
struct CheckRequest {
    std::string path;               ///< data file, CP932
    std::int64_t basePosition = 0;  ///< 0-based
    int recordLength = 0;
    const std::vector<TRdbObj>* fields = nullptr;
    CodecOptions codec;
    std::int64_t sampleSize = 0;  ///< records looked at; 0: DefaultSampleSize
};

/// Records (from the start or the end) that do not fit while the others do.
struct MisfitRun {
    std::int64_t records = 0;
    double fitWithout = 0;  ///< weighted fit of the records looked at without them
};

/// The diagnosis of a layout on a data file.
struct LayoutCheck {
    bool opened = false;      ///< the data file could be opened
    bool readFailed = false;  ///< a read error ended a pass early
    std::int64_t fileSize = 0;
    LayoutFit fit;                      ///< the layout as it is
    std::vector<GeometryFit> better;    ///< lengths and bases that fit better, best first
    MisfitRun header;                   ///< whole records in front that do not fit
    MisfitRun trailer;                  ///< records at the end that do not fit
    int shiftLength = 0;                ///< record length the shifts and other types were found at
    std::int64_t shiftBase = 0;         ///< base (0-based) the shifts and other types were found at
    LayoutFit shiftFit;                 ///< the fit there (the layout's own when nothing fits better)
    std::vector<FieldShift> shifts;     ///< fields that fit better moved (indexes into shiftFit.fields)
    double shiftedFit = 0;              ///< weighted fit there with the shifted fields moved
    std::vector<OtherType> otherTypes;  ///< fields that fit as another type (indexes into shiftFit.fields)
};

/// Suggestions are made only when they beat the layout as it is by this much.
inline constexpr double kBetterBy = 0.001;

/// Checks how the layout fits the file: every field's valid share, the weighted fit, better
/// lengths and bases, header and trailer records, shifted fields and fields of another type.
[[nodiscard]] LayoutCheck CheckLayout(const CheckRequest& request);

}  // namespace rekkan
