#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cli/command_groups.h"
#include "cli/command_support.h"
#include "codec/field_codec.h"
#include "model/geometry.h"
#include "model/layout_file.h"
#include "records/field_address.h"
#include "records/field_entry.h"
#include "records/file_engine.h"
#include "records/list_text.h"
#include "records/range_csv.h"
#include "records/record_count.h"
#include "records/record_fields.h"
#include "records/record_search.h"
#include "records/record_view.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/text.h"

namespace rekkan::cli {
namespace {

/// The layout, its field list and the codec options of a record command.
struct RecordSetup {
    LayoutDocument doc;
    std::vector<TRdbObj> fields;
    CodecOptions codec;
    std::int64_t basePosition = 0;  ///< 0-based
    int recordLength = 0;
};

const std::vector<OptionSpec>& CodecOptionSpecs() {
    static const std::vector<OptionSpec> specs = {
        {"--base", true, "1-based read base position (default 1)"},
        {"--zone", true, "zoned sign form: ebcdic (default) or ascii"},
        {"--pack", true, "packed sign form: ebcdic (default) or ascii"},
        {"--order", true, "byte order of C/VB integers: intel (default) or motorola"},
        {"--hex-binary", false, "show COBOL binary fields in hex, as the record editor does"},
    };
    return specs;
}

std::vector<OptionSpec> WithCodecOptions(std::vector<OptionSpec> own) {
    own.insert(own.begin(), CodecOptionSpecs().begin(), CodecOptionSpecs().end());
    return own;
}

bool SignFormOption(Context& ctx, const char* name, SignForm& form) {
    if (!ctx.Has(name)) return true;
    const std::string v = ToUpperAscii(Trim(ctx.Value(name)));
    if (v == "EBCDIC") {
        form = SignForm::Ebcdic;
    } else if (v == "ASCII") {
        form = SignForm::Ascii;
    } else {
        ctx.Error(std::string(name) + ": ebcdic or ascii expected: " + ctx.Value(name));
        return false;
    }
    return true;
}

/// Reads the layout as the record editor does and builds its field list and options.
bool Prepare(Context& ctx, const std::string& layoutPath, RecordSetup& s) {
    s.codec = CodecOptions::FromSettings(ctx.settings);
    if (!SignFormOption(ctx, "--zone", s.codec.zoneSign) || !SignFormOption(ctx, "--pack", s.codec.packSign))
        return false;
    if (ctx.Has("--order")) {
        const std::string v = ToUpperAscii(Trim(ctx.Value("--order")));
        if (v == "INTEL") {
            s.codec.byteOrder = ByteOrder::Intel;
        } else if (v == "MOTOROLA") {
            s.codec.byteOrder = ByteOrder::Motorola;
        } else {
            ctx.Error("--order: intel or motorola expected: " + ctx.Value("--order"));
            return false;
        }
    }
    long long base = 1;
    if (!ctx.IntValue("--base", base)) return false;
    if (base < 1) {
        ctx.Error("--base: the read base position starts at 1");
        return false;
    }
    s.basePosition = base - 1;

    if (!ReadLayoutForCommand(ctx, layoutPath, s.doc)) return false;
    Geometry geometry;
    std::vector<FieldDescriptor> descriptors;
    if (!ListFields(s.doc, geometry, descriptors)) {
        ctx.Error(GeometryFailureMessage(geometry));
        return false;
    }
    s.fields = MakeFieldList(descriptors, ctx.Has("--hex-binary") ? HexStart::Window : HexStart::Script);
    s.recordLength = s.doc.recordLength;
    if (s.recordLength < 1) {
        ctx.Error("the layout has no bytes (record length 0): " + layoutPath);
        return false;
    }
    return true;
}

/// A Rec.No argument: a whole number of 1 or more.
bool RecNoArgument(Context& ctx, const std::string& text, std::int64_t& recNo) {
    if (!ParseInt64(Trim(text), recNo) || recNo < 1) {
        ctx.Error("REC must be a Rec.No of 1 or more: " + text);
        return false;
    }
    return true;
}

/// The start of every command that works on one record: the argument count (`argsOk`, else
/// the usage line), the layout, and the Rec.No of the third argument.
bool PrepareRecordCommand(Context& ctx, bool argsOk, const char* usage, RecordSetup& s, std::int64_t& recNo) {
    if (!argsOk) {
        ctx.Error(std::string("usage: rekkan-cli ") + usage);
        return false;
    }
    return Prepare(ctx, ctx.args[0], s) && RecNoArgument(ctx, ctx.args[2], recNo);
}

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

std::string NoRecordMessage(std::int64_t recNo) {
    return "Rec.No [" + std::to_string(recNo) + sj("] のレコードは存在しません。");
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

/// Encodes FIELD=VALUE arguments (from `first` on) into `record`.
bool ApplyAssignments(Context& ctx, const RecordSetup& s, std::size_t first, std::string& record) {
    for (std::size_t a = first; a < ctx.args.size(); ++a) {
        const std::string& arg = ctx.args[a];
        const std::size_t eq = arg.find('=');
        if (eq == std::string::npos) {
            ctx.Error("FIELD=VALUE expected: " + arg);
            return false;
        }
        const int index = ResolveField(ctx, s, arg.substr(0, eq));
        if (index < 0) return false;
        // As in the editor's memo cell, line breaks in the text are dropped.
        EncodeField(RemoveLineEnds(arg.substr(eq + 1)), true, record, s.fields[static_cast<std::size_t>(index)],
                    s.codec);
    }
    return true;
}

/// Opens the data file for reading and writing with the engine.
bool OpenForEdit(Context& ctx, const RecordSetup& s, const std::string& path, TFileInf& file) {
    file.SetMessageSink(ctx.messages);
    file.SetCodecOptions(s.codec);
    if (!file.OpenDataFile(path, s.basePosition, s.recordLength, OpenMode::ReadWrite)) {
        if (!FileExists(path)) ctx.Error(sj("編集ファイルが存在しません。") + "  PATH = " + path);
        return false;
    }
    return true;
}

/// Records of the data file (a partial last record counts as one); false when it cannot be
/// opened for reading. Cheaper than a reader: nothing is allocated or read.
bool CountRecords(const std::string& path, const RecordSetup& s, std::int64_t& count) {
    const int fd = ::open(ToFsPath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0;
    ::close(fd);
    if (!ok) return false;
    count = RecordCountOf(static_cast<std::int64_t>(st.st_size), s.basePosition, s.recordLength);
    return true;
}

int RunCsv(Context& ctx) {
    if (ctx.args.size() != 2) {
        ctx.Error("usage: rekkan-cli csv LAYOUT DATA [--from A] [--to B] [--rec-no] [--pos] [--groups] [--heading] [--tofgen]");
        return kExitFailure;
    }
    RecordSetup s;
    if (!Prepare(ctx, ctx.args[0], s)) return kExitFailure;
    const std::string& path = ctx.args[1];
    std::int64_t count = 0;
    if (!CountRecords(path, s, count)) {
        ctx.Error(DataFileOpenFailedMessage() + "\r\n     PATH = " + path);
        return kExitFailure;
    }

    RangeCsvRequest request;
    request.path = path;
    request.basePosition = s.basePosition;
    request.recordLength = s.recordLength;
    request.fields = &s.fields;
    request.codec = s.codec;
    request.options.recNo = ctx.Has("--rec-no");
    request.options.position = ctx.Has("--pos");
    request.options.groups = ctx.Has("--groups");
    request.options.heading = ctx.Has("--heading");
    request.options.tofgen = ctx.Has("--tofgen");
    NormaliseRange(ctx.Value("--from", "1"), ctx.Value("--to", std::to_string(count)), count, request.start,
                   request.end);

    const std::unique_ptr<ByteOutput> output = ctx.Output();
    if (!output->Begin()) return ctx.OutputFailed(), kExitFailure;
    bool writeFailed = false;
    const RangeCsvResult result = WriteRangeCsv(request, [&](std::string_view bytes) {
        writeFailed = !output->Write(bytes);
        return !writeFailed;
    });
    if (writeFailed) return ctx.OutputFailed(), kExitFailure;
    if (!result.ok) {
        ctx.Error(DataFileOpenFailedMessage() + "\r\n     PATH = " + path);
        return kExitFailure;
    }
    return output->Finish() || ctx.OutputFailed() ? kExitOk : kExitFailure;
}

int RunSearch(Context& ctx) {
    if (ctx.args.size() < 2) {
        ctx.Error("usage: rekkan-cli search LAYOUT DATA [--or] WORD...");
        return kExitFailure;
    }
    RecordSetup s;
    if (!Prepare(ctx, ctx.args[0], s)) return kExitFailure;
    SearchRequest request;
    request.path = ctx.args[1];
    request.basePosition = s.basePosition;
    request.recordLength = s.recordLength;
    request.fields = &s.fields;
    request.codec = s.codec;
    request.orMode = ctx.Has("--or");
    request.wantTexts = false;
    for (std::size_t i = 2; i < ctx.args.size(); ++i)
        if (!ctx.args[i].empty()) request.words.push_back(ctx.args[i]);

    std::string pending;
    const SearchOutcome outcome = SearchFile(
        request, {},
        [&](SearchHit&& hit) {
            pending += std::to_string(hit.index + 1);
            pending += '\n';
            if (pending.size() >= 64 * 1024) {
                ctx.Print(pending);
                pending.clear();
            }
        },
        nullptr);
    ctx.Print(pending);
    if (!outcome.opened || outcome.readFailed) {
        ctx.Error(DataFileOpenFailedMessage() + "\r\n     PATH = " + request.path);
        return kExitFailure;
    }
    return kExitOk;
}

int RunShow(Context& ctx) {
    RecordSetup s;
    std::int64_t recNo = 0;
    if (!PrepareRecordCommand(ctx, ctx.args.size() == 3, "show LAYOUT DATA REC", s, recNo)) return kExitFailure;
    const std::string& path = ctx.args[1];
    TFileInf file(ctx.messages);
    file.SetCodecOptions(s.codec);
    if (!file.OpenDataFile(path, s.basePosition, s.recordLength, OpenMode::ReadOnly)) {
        if (!FileExists(path)) ctx.Error(sj("編集ファイルが存在しません。") + "  PATH = " + path);
        return kExitFailure;
    }
    if (!file.ReadRecord(recNo - 1, Refresh::None)) {
        ctx.Error(NoRecordMessage(recNo));
        return kExitFailure;
    }
    file.ComputeGeometry();
    RecordTexts texts;
    DecodeRecord(file.RecordBuffer(), s.fields, s.codec, texts);
    const RecordView view = BuildRecordView(s.doc.RdfCmt, path, file, s.fields, texts);
    return ctx.Emit(RecordListText(view)) ? kExitOk : kExitFailure;
}

int RunSet(Context& ctx) {
    RecordSetup s;
    std::int64_t recNo = 0;
    if (!PrepareRecordCommand(ctx, ctx.args.size() >= 4, "set LAYOUT DATA REC FIELD=VALUE...", s, recNo))
        return kExitFailure;
    TFileInf file;
    if (!OpenForEdit(ctx, s, ctx.args[1], file)) return kExitFailure;
    if (!file.ReadRecord(recNo - 1, Refresh::None)) {
        ctx.Error(NoRecordMessage(recNo));
        return kExitFailure;
    }
    std::string record = file.RecordBuffer();
    if (!ApplyAssignments(ctx, s, 3, record)) return kExitFailure;
    file.RecordBuffer() = record;
    return file.UpdateRecord(recNo - 1) ? kExitOk : kExitFailure;
}

/// The record a new insert or append writes: blank, then the assignments.
bool NewRecord(Context& ctx, const RecordSetup& s, std::size_t firstAssignment, std::string& record) {
    record = BlankRecord(s.recordLength, s.fields, s.codec);
    return ApplyAssignments(ctx, s, firstAssignment, record);
}

int RunInsert(Context& ctx) {
    RecordSetup s;
    std::int64_t recNo = 0;
    std::int64_t count = 1;
    if (!PrepareRecordCommand(ctx, ctx.args.size() >= 3, "insert LAYOUT DATA REC [FIELD=VALUE...] [--count K]", s,
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
    file.RecordBuffer() = record;
    return file.InsertRecord(recNo - 1, count) ? kExitOk : kExitFailure;
}

int RunAppend(Context& ctx) {
    if (ctx.args.size() < 2) {
        ctx.Error("usage: rekkan-cli append LAYOUT DATA [FIELD=VALUE...] [--count K]");
        return kExitFailure;
    }
    RecordSetup s;
    std::int64_t count = 1;
    if (!Prepare(ctx, ctx.args[0], s) || !CountOption(ctx, count)) return kExitFailure;
    std::string record;
    if (!NewRecord(ctx, s, 2, record)) return kExitFailure;
    TFileInf file;
    if (!OpenForEdit(ctx, s, ctx.args[1], file)) return kExitFailure;
    for (std::int64_t k = 0; k < count; ++k) {
        file.RecordBuffer() = record;
        if (!file.AppendRecord()) return kExitFailure;
    }
    return kExitOk;
}

int RunDelete(Context& ctx) {
    RecordSetup s;
    std::int64_t recNo = 0;
    std::int64_t count = 1;
    if (!PrepareRecordCommand(ctx, ctx.args.size() == 3, "delete LAYOUT DATA REC [--count K]", s, recNo) ||
        !CountOption(ctx, count))
        return kExitFailure;
    TFileInf file;
    if (!OpenForEdit(ctx, s, ctx.args[1], file)) return kExitFailure;
    if (recNo > file.RecordCount()) {
        ctx.Error(NoRecordMessage(recNo));
        return kExitFailure;
    }
    return file.DeleteRecord(recNo - 1, count) ? kExitOk : kExitFailure;
}

}  // namespace

std::vector<Command> RecordCommands() {
    return {
        {"csv", "LAYOUT DATA [--from A] [--to B] [--rec-no] [--pos] [--groups] [--heading] [--tofgen]",
         WithCodecOptions({{"--from", true, "first Rec.No (default 1)"},
                           {"--to", true, "last Rec.No (default the last record)"},
                           {"--rec-no", false, "Rec.No column"},
                           {"--pos", false, "position column"},
                           {"--groups", false, "group items as columns"},
                           {"--heading", false, "heading line of item names"},
                           {"--tofgen", false, "Tofgen control statements in front (the four above off)"}}),
         RunCsv},
        {"search", "LAYOUT DATA [--or] WORD...", WithCodecOptions({{"--or", false, "any word (default: every word)"}}),
         RunSearch},
        {"show", "LAYOUT DATA REC", WithCodecOptions({}), RunShow},
        {"set", "LAYOUT DATA REC FIELD=VALUE...", WithCodecOptions({}), RunSet},
        {"insert", "LAYOUT DATA REC [FIELD=VALUE...] [--count K]",
         WithCodecOptions({{"--count", true, "number of records (default 1)"}}), RunInsert},
        {"append", "LAYOUT DATA [FIELD=VALUE...] [--count K]",
         WithCodecOptions({{"--count", true, "number of records (default 1)"}}), RunAppend},
        {"delete", "LAYOUT DATA REC [--count K]",
         WithCodecOptions({{"--count", true, "number of records (default 1)"}}), RunDelete},
    };
}

}  // namespace rekkan::cli
