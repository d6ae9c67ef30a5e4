#include "cli/record_setup.h"

#include "cli/command_support.h"
#include "cli/file_checks.h"
#include "model/geometry.h"
#include "util/encoding.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan::cli {
namespace {

const std::vector<OptionSpec>& CodecOptionSpecs() {
    static const std::vector<OptionSpec> specs = {
        {"--base", true, "1-based read base position (default 1)", "N"},
        {"--zone", true, "zoned sign form (default ebcdic)", "ebcdic|ascii"},
        {"--pack", true, "packed sign form (default ebcdic)", "ebcdic|ascii"},
        {"--order", true, "byte order of C/VB integers (default intel)", "intel|motorola"},
        {"--hex-binary", false, "show COBOL binary fields in hex, as the record editor does"},
    };
    return specs;
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

/// A Rec.No argument: a whole number of 1 or more.
bool RecNoArgument(Context& ctx, const std::string& text, std::int64_t& recNo) {
    if (!ParseInt64(Trim(text), recNo) || recNo < 1) {
        ctx.Error("REC must be a Rec.No of 1 or more: " + text);
        return false;
    }
    return true;
}

}  // namespace

std::vector<OptionSpec> WithCodecOptions(std::vector<OptionSpec> own) {
    own.insert(own.begin(), CodecOptionSpecs().begin(), CodecOptionSpecs().end());
    return own;
}

bool PrepareRecordSetup(Context& ctx, const std::string& layoutPath, RecordSetup& s) {
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

    if (!ReadLayoutForCommand(ctx, layoutPath, s.doc, s.forChange)) return false;
    if (ctx.args.size() >= 2 && !InputReadable(ctx, ctx.args[1])) return false;
    RecordFieldList listed = BuildFieldList(s.doc, ctx.Has("--hex-binary") ? HexStart::Window : HexStart::Script);
    if (!listed.Ok()) {
        ctx.Error(GeometryFailureMessage(listed.failure));
        return false;
    }
    s.fields = std::move(listed.fields);
    s.recordLength = listed.recordLength;
    if (s.recordLength < 1) {
        ctx.Error("the layout has no bytes (record length 0): " + layoutPath);
        return false;
    }
    return true;
}

bool PrepareRecordCommand(Context& ctx, bool argsOk, const char* usage, RecordSetup& s, std::int64_t& recNo) {
    if (!argsOk) {
        ctx.Error(std::string("usage: rekkan-cli ") + usage);
        return false;
    }
    return PrepareRecordSetup(ctx, ctx.args[0], s) && RecNoArgument(ctx, ctx.args[2], recNo);
}

bool CheckDataFile(const Context& ctx, const RecordSetup& s, const std::string& path, std::int64_t fileSize) {
    if (s.basePosition > fileSize) {
        ctx.Error("--base " + std::to_string(s.basePosition + 1) + " lies beyond the end of " + path + " (" +
                  std::to_string(fileSize) + " bytes)");
        return false;
    }
    NoticePartialRecord(ctx, s, path, fileSize);
    return true;
}

std::int64_t PartialRecordBytes(const RecordSetup& s, std::int64_t fileSize) {
    if (fileSize <= s.basePosition || s.recordLength < 1) return 0;
    return (fileSize - s.basePosition) % s.recordLength;
}

void NoticePartialRecord(const Context& ctx, const RecordSetup& s, const std::string& path, std::int64_t fileSize) {
    const std::int64_t partial = PartialRecordBytes(s, fileSize);
    if (partial == 0) return;
    ctx.Error("notice: the last record of " + path + " is partial (" + std::to_string(partial) + " of " +
              std::to_string(s.recordLength) + " bytes); it is read padded with zeros");
}

std::string NoRecordMessage(std::int64_t recNo) {
    return "Rec.No [" + std::to_string(recNo) + sj("] のレコードは存在しません。");
}

}  // namespace rekkan::cli
