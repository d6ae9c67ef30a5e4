#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/command.h"
#include "codec/field_codec.h"
#include "model/layout_document.h"
#include "records/field_entry.h"

namespace rekkan::cli {

// What every record command starts from: the layout, its field list and the codec options.

/// The layout, its field list and the codec options of a record command.
struct RecordSetup {
    LayoutDocument doc;
    std::vector<TRdbObj> fields;
    CodecOptions codec;
    std::int64_t basePosition = 0;  ///< 0-based
    int recordLength = 0;
    bool forChange = false;  ///< set by the commands that change the data file, before preparing
};

/// `own` options after the codec options every record command takes (--base, --zone, ...).
[[nodiscard]] std::vector<OptionSpec> WithCodecOptions(std::vector<OptionSpec> own);

/// Reads the layout as the record editor does and builds its field list and options; the data
/// file (the second argument) must be readable.
[[nodiscard]] bool PrepareRecordSetup(Context& ctx, const std::string& layoutPath, RecordSetup& s);

/// The start of every command that works on one record: the argument count (`argsOk`, else
/// the usage line), the layout, and the Rec.No of the third argument.
[[nodiscard]] bool PrepareRecordCommand(Context& ctx, bool argsOk, const char* usage, RecordSetup& s,
                                        std::int64_t& recNo);

/// The size of the data file, which must hold the read base position; false after a message.
/// Says on stderr when the last record is partial.
[[nodiscard]] bool CheckDataFile(const Context& ctx, const RecordSetup& s, const std::string& path,
                                 std::int64_t fileSize);

/// Bytes of a partial last record (0 when the records fill the file exactly).
[[nodiscard]] std::int64_t PartialRecordBytes(const RecordSetup& s, std::int64_t fileSize);

/// Says on stderr that the last record is partial (read padded with zeros), if it is.
void NoticePartialRecord(const Context& ctx, const RecordSetup& s, const std::string& path, std::int64_t fileSize);

/// "Rec.No [n] のレコードは存在しません。"
[[nodiscard]] std::string NoRecordMessage(std::int64_t recNo);

}  // namespace rekkan::cli
