#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/codec_options.h"
#include "model/settings.h"
#include "records/field_entry.h"
#include "util/path_names.h"

namespace rekkan {

/// Options of the record range CSV.
struct RangeCsvOptions {
    bool recNo = false;     ///< "Rec.No" column
    bool position = false;  ///< "位置" column
    bool groups = false;    ///< group items as columns
    bool heading = false;   ///< heading line of item names
    bool tofgen = false;    ///< control statements in front; the four above are then off

    /// The four stored boxes from the settings (RecCsv_Chk_*), control statements off.
    [[nodiscard]] static RangeCsvOptions FromSettings(const Settings& settings);
};

/// What to write: the data file and layout, the Rec.No range (1-based, inclusive), options.
struct RangeCsvRequest {
    std::string path;               ///< data file, CP932
    std::int64_t basePosition = 0;  ///< 0-based
    int recordLength = 0;
    const std::vector<TRdbObj>* fields = nullptr;
    CodecOptions codec;
    RangeCsvOptions options;
    std::int64_t start = 1;
    std::int64_t end = 0;
    int threads = 1;  ///< workers formatting chunks of records; the bytes are the same for any number
};

/// Outcome of a run.
struct RangeCsvResult {
    bool ok = false;         ///< false when the file could not be read or the sink failed
    std::int64_t lines = 0;  ///< lines written, control statements and heading included
};

/// Receives the CSV bytes piece by piece; false stops the run.
using ByteSink = std::function<bool(std::string_view)>;

/// Streams the CSV of the range to `sink`, lines ended by CR LF. Records that cannot be read
/// write no line. The file is read in chunks of a quarter megabyte, each formatted by one of
/// the workers and handed to the sink in order, so memory stays flat whatever its size.
[[nodiscard]] RangeCsvResult WriteRangeCsv(const RangeCsvRequest& request, const ByteSink& sink);

/// The heading line (without line end) for the field list under the options.
[[nodiscard]] std::string RangeCsvHeading(const std::vector<TRdbObj>& fields, const RangeCsvOptions& options);

/// The Execute rules for the two boxes: an empty end takes the start; digits only; empty is
/// 0; start > end swapped; 0 becomes 1; end cut to the record count.
void NormaliseRange(std::string_view startText, std::string_view endText, std::int64_t recordCount, std::int64_t& start,
                    std::int64_t& end);

/// Initial end box: min(base record + data rows, record count), grouped.
[[nodiscard]] std::string InitialEndText(std::int64_t baseRecord, std::int64_t dataRows, std::int64_t recordCount);

/// The confirmation question naming the file and the range (grouped).
[[nodiscard]] std::string RangeCsvQuestion(std::string_view cp932Path, std::int64_t start, std::int64_t end);
/// Message after more than 1000 lines were written (numbers not grouped).
[[nodiscard]] std::string RangeCsvManyLinesMessage(std::string_view cp932Path, std::int64_t start, std::int64_t end);
/// How the proposed file is named (for DefaultOutputPath): the data file with ".csv", else
/// "REKKAN.CSV" in the program folder.
[[nodiscard]] OutputNaming RangeCsvNaming();
/// Message when the data file cannot be opened.
[[nodiscard]] std::string DataFileOpenFailedMessage();

}  // namespace rekkan
