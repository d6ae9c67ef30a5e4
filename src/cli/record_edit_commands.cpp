#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/command_groups.h"
#include "cli/file_checks.h"
#include "cli/record_setup.h"
#include "cli/value_check.h"
#include "records/field_address.h"
#include "records/file_engine.h"
#include "records/record_fields.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/text.h"

// The commands that change records: set, insert, append, delete.

namespace rekkan::cli {
namespace {

bool CountOption(Context& ctx, std::int64_t& count) {
    long long k = 1;
    if (!ctx.IntValue("--count", k)) return false;
    if (k < 1) {
        ctx.Error("--count must be 1 or more");
        return false;
    }
    count = k;
    return true;
}

/// The field entry a FIELD argument addresses; -1 after a message when none fits.
int ResolveField(Context& ctx, const RecordSetup& s, const std::string& fieldText) {
    const FieldAddress address = ResolveFieldAddress(fieldText, s.fields, s.doc);
    const std::string text = Trim(fieldText);
    const std::string& name = address.name;
    switch (address.error) {
    case FieldAddressError::None: return address.index;
    case FieldAddressError::NoSuchNumber: ctx.Error("no field number " + text + " (see rekkan-cli fields)"); break;
    case FieldAddressError::GroupItem:
        ctx.Error("field " + text + " is a group item and holds no value of its own");
        break;
    case FieldAddressError::BadSubscripts: ctx.Error("bad field subscripts: " + text); break;
    case FieldAddressError::Ambiguous:
        ctx.Error("the variable name " + name + " names more than one item; use the field number");
        break;
    case FieldAddressError::NeedsSubscripts:
        ctx.Error("the item " + name + " repeats; give its subscripts, e.g. " + name + "(1)");
        break;
    case FieldAddressError::NoSuchName: ctx.Error("no field " + text + " (see rekkan-cli fields)"); break;
    }
    return -1;
}

/// Encodes FIELD=TEXT arguments (from `first` on) into `record`.
bool ApplyAssignments(Context& ctx, const RecordSetup& s, std::size_t first, std::string& record) {
    for (std::size_t a = first; a < ctx.args.size(); ++a) {
        const std::string& arg = ctx.args[a];
        const std::size_t eq = arg.find('=');
        if (eq == std::string::npos) {
            ctx.Error("FIELD=TEXT expected: " + arg);
            return false;
        }
        const int index = ResolveField(ctx, s, arg.substr(0, eq));
        if (index < 0) return false;
        const TRdbObj& field = s.fields[static_cast<std::size_t>(index)];
        // As in the editor's memo cell, line breaks in the text are dropped.
        std::string value = RemoveLineEnds(arg.substr(eq + 1));
        if (!ctx.Has("--lenient")) {
            const std::string refused =
                CheckValue(value, field, s.codec, ctx.Has("--truncate") ? LongText::Truncate : LongText::Refuse);
            if (!refused.empty()) {
                ctx.Error(arg + ": " + refused + "; nothing written (--lenient stores it as the editor does)");
                return false;
            }
        }
        EncodeField(value, true, record, field, s.codec);
    }
    return true;
}

/// Opens the data file for reading and writing with the engine and holds its lock until the
/// command ends, so no other run or window changes it meanwhile.
bool OpenForEdit(Context& ctx, const RecordSetup& s, const std::string& path, TFileInf& file) {
    file.SetMessageSink(ctx.messages);
    file.SetCodecOptions(s.codec);
    if (!file.OpenDataFile(path, s.basePosition, s.recordLength, OpenMode::ReadWrite)) {
        if (!FileExists(path)) ctx.Error(sj("編集ファイルが存在しません。") + "  PATH = " + path);
        return false;
    }
    switch (file.Lock()) {
    case TFileInf::LockOutcome::Locked: break;
    case TFileInf::LockOutcome::InUse:
        ctx.Error(path + ": in use by another run or window (locked); nothing changed");
        return false;
    case TFileInf::LockOutcome::Replaced:
        ctx.Error(path + ": replaced by another run while it was being opened; nothing changed");
        return false;
    case TFileInf::LockOutcome::Failed: ctx.Error("cannot lock " + path + ": " + SystemReason(errno)); return false;
    }
    return CheckDataFile(ctx, s, path, file.FileSize());
}

/// A change that failed: the file is cut back to the size it had before, and the message says so.
int ChangeFailed(Context& ctx, TFileInf& file, std::int64_t oldSize, const char* command) {
    const int error = file.LastError();
    file.ComputeGeometry();
    const bool restored = file.FileSize() == oldSize || file.TruncateTo(oldSize);
    ctx.Error(std::string(command) + " failed: " + file.Path() + (error != 0 ? ": " + SystemReason(error) : "") +
              (restored ? "; the file is as it was" : "; the file could not be cut back to its old size"));
    return kExitFailure;
}

/// An insert or delete that failed. The data file is replaced in one rename or not at all; only
/// when opening the new file afterwards failed is the change made (and the run a success).
int RebuildFailed(Context& ctx, const TFileInf& file, const char* command) {
    if (!file.IsOpen()) {
        ctx.Error(std::string(command) + " done, but " + file.Path() + " could not be opened again");
        return kExitOk;
    }
    const int error = file.LastError();
    ctx.Error(std::string(command) + " failed: " + file.Path() + (error != 0 ? ": " + SystemReason(error) : "") +
              "; the file is as it was");
    return kExitFailure;
}

int RunSet(Context& ctx) {
    RecordSetup s;
    s.forChange = true;
    std::int64_t recNo = 0;
    if (!PrepareRecordCommand(ctx, ctx.args.size() >= 4, "set LAYOUT DATA REC FIELD=TEXT...", s, recNo))
        return kExitFailure;
    TFileInf file;
    if (!OpenForEdit(ctx, s, ctx.args[1], file)) return kExitFailure;
    if (!file.ReadRecord(recNo - 1, Refresh::None)) {
        ctx.Error(NoRecordMessage(recNo));
        return kExitFailure;
    }
    const std::int64_t partial = PartialRecordBytes(s, file.FileSize());
    if (recNo == file.RecordCount() && partial > 0 && !ctx.Has("--allow-partial")) {
        ctx.Error("Rec.No " + std::to_string(recNo) + " is a partial record (" + std::to_string(partial) + " of " +
                  std::to_string(s.recordLength) + " bytes): set would grow the file to a whole record; " +
                  "--allow-partial does that");
        return kExitFailure;
    }
    std::string record = file.RecordBuffer();
    if (!ApplyAssignments(ctx, s, 3, record)) return kExitFailure;
    file.RecordBuffer() = record;
    const std::int64_t oldSize = file.FileSize();
    file.UndoGrowthOnInterrupt();
    if (!file.UpdateRecord(recNo - 1)) return ChangeFailed(ctx, file, oldSize, "set");
    file.KeepChangesOnInterrupt();
    return kExitOk;
}

/// The record a new insert or append writes: blank, then the assignments.
bool NewRecord(Context& ctx, const RecordSetup& s, std::size_t firstAssignment, std::string& record) {
    record = BlankRecord(s.recordLength, s.fields, s.codec);
    return ApplyAssignments(ctx, s, firstAssignment, record);
}

int RunInsert(Context& ctx) {
    RecordSetup s;
    s.forChange = true;
    std::int64_t recNo = 0;
    std::int64_t count = 1;
    if (!PrepareRecordCommand(ctx, ctx.args.size() >= 3, "insert LAYOUT DATA REC [FIELD=TEXT...] [--count N]", s,
                              recNo) ||
        !CountOption(ctx, count))
        return kExitFailure;
    std::string record;
    if (!NewRecord(ctx, s, 3, record)) return kExitFailure;
    TFileInf file;
    if (!OpenForEdit(ctx, s, ctx.args[1], file)) return kExitFailure;
    const std::int64_t records = file.RecordCount();
    if (recNo > std::max<std::int64_t>(records, 1)) {
        ctx.Error(NoRecordMessage(recNo) + " (append adds records after the last one)");
        return kExitFailure;
    }
    // The work file holds the whole new file beside the old one.
    const std::int64_t added = BytesOf(count, s.recordLength);
    if (!RoomFor(ctx, ctx.args[1], added > INT64_MAX - file.FileSize() ? INT64_MAX : file.FileSize() + added))
        return kExitFailure;
    file.RecordBuffer() = record;
    return file.InsertRecord(recNo - 1, count) ? kExitOk : RebuildFailed(ctx, file, "insert");
}

int RunAppend(Context& ctx) {
    if (ctx.args.size() < 2) {
        ctx.Error("usage: rekkan-cli append LAYOUT DATA [FIELD=TEXT...] [--count N]");
        return kExitFailure;
    }
    RecordSetup s;
    s.forChange = true;
    std::int64_t count = 1;
    if (!PrepareRecordSetup(ctx, ctx.args[0], s) || !CountOption(ctx, count)) return kExitFailure;
    std::string record;
    if (!NewRecord(ctx, s, 2, record)) return kExitFailure;
    TFileInf file;
    if (!OpenForEdit(ctx, s, ctx.args[1], file) || !RoomFor(ctx, ctx.args[1], BytesOf(count, s.recordLength)))
        return kExitFailure;
    if (PartialRecordBytes(s, file.FileSize()) > 0) {
        ctx.Error("append after a partial last record would put the new records out of step; nothing changed");
        return kExitFailure;
    }
    // Every record or none: a failure or an interrupt half-way cuts the file back.
    const std::int64_t oldSize = file.FileSize();
    file.UndoGrowthOnInterrupt();
    for (std::int64_t k = 0; k < count; ++k) {
        file.RecordBuffer() = record;
        if (!file.AppendRecord()) return ChangeFailed(ctx, file, oldSize, "append");
    }
    file.KeepChangesOnInterrupt();
    return kExitOk;
}

int RunDelete(Context& ctx) {
    RecordSetup s;
    s.forChange = true;
    std::int64_t recNo = 0;
    std::int64_t count = 1;
    if (!PrepareRecordCommand(ctx, ctx.args.size() == 3, "delete LAYOUT DATA REC [--count N]", s, recNo) ||
        !CountOption(ctx, count))
        return kExitFailure;
    TFileInf file;
    if (!OpenForEdit(ctx, s, ctx.args[1], file)) return kExitFailure;
    if (recNo > file.RecordCount()) {
        ctx.Error(NoRecordMessage(recNo));
        return kExitFailure;
    }
    if (count > file.RecordCount() - recNo + 1) {
        ctx.Error("--count " + std::to_string(count) + " reaches past the last record (Rec.No " +
                  std::to_string(file.RecordCount()) + "); nothing deleted");
        return kExitFailure;
    }
    return file.DeleteRecord(recNo - 1, count) ? kExitOk : RebuildFailed(ctx, file, "delete");
}

const OptionSpec kCount{"--count", true, "number of records (default 1)", "N"};
const OptionSpec kLenient{"--lenient", false, "store every TEXT as the record editor does, unchecked"};
const OptionSpec kTruncate{"--truncate", false, "cut text longer than its field instead of refusing it"};

}  // namespace

std::vector<Command> RecordEditCommands() {
    return {
        {"set", "LAYOUT DATA REC FIELD=TEXT... [--allow-partial]",
         WithCodecOptions(
             {kLenient, kTruncate, {"--allow-partial", false, "let a partial last record grow to a whole one"}}),
         RunSet},
        {"insert", "LAYOUT DATA REC [FIELD=TEXT...] [--count N]", WithCodecOptions({kCount, kLenient, kTruncate}),
         RunInsert},
        {"append", "LAYOUT DATA [FIELD=TEXT...] [--count N]", WithCodecOptions({kCount, kLenient, kTruncate}),
         RunAppend},
        {"delete", "LAYOUT DATA REC [--count N]", WithCodecOptions({kCount}), RunDelete},
    };
}

}  // namespace rekkan::cli
