#include <cstdint>
#include <string>
#include <vector>

#include "cli/command_groups.h"
#include "cli/record_setup.h"
#include "records/field_profile.h"
#include "records/field_profile_report.h"
#include "records/layout_check.h"
#include "records/layout_check_report.h"
#include "records/range_csv.h"
#include "records/record_sample.h"

// The layout doctor: check (how a layout fits a data file) and profile (what its fields hold).

namespace rekkan::cli {
namespace {

constexpr const char* kCheckUsage = "check LAYOUT DATA [--sample N] [--heat] [--csv] [-o FILE]";

/// --sample N: records spread over the file; 0 (not given) for the default rule.
bool SampleOption(const Context& ctx, std::int64_t& sample) {
    long long n = 0;
    if (!ctx.IntValue("--sample", n)) return false;
    if (ctx.Has("--sample") && n < 1) {
        ctx.Error("--sample: a number of records of 1 or more expected: " + ctx.Value("--sample"));
        return false;
    }
    sample = n;
    return true;
}

/// The data file opens and holds the base position; false after a message. Says when the last
/// record is partial.
bool DataFileReady(const Context& ctx, const RecordSetup& s, const std::string& path) {
    DataFileBytes file;
    if (!file.Open(path)) {
        ctx.Error(DataFileOpenFailedMessage() + "\r\n     PATH = " + path);
        return false;
    }
    return CheckDataFile(ctx, s, path, file.Size());
}

int RunCheck(Context& ctx) {
    if (ctx.args.size() != 2) {
        ctx.Error(std::string("usage: rekkan-cli ") + kCheckUsage);
        return kExitFailure;
    }
    RecordSetup s;
    CheckRequest request;
    if (!PrepareRecordSetup(ctx, ctx.args[0], s) || !SampleOption(ctx, request.sampleSize) ||
        !DataFileReady(ctx, s, ctx.args[1]))
        return kExitFailure;
    request.path = ctx.args[1];
    request.basePosition = s.basePosition;
    request.recordLength = s.recordLength;
    request.fields = &s.fields;
    request.codec = s.codec;
    const LayoutCheck check = CheckLayout(request);
    if (!check.opened || check.readFailed) {
        ctx.Error(DataFileOpenFailedMessage() + "\r\n     PATH = " + request.path);
        return kExitFailure;
    }
    const std::vector<std::string> findings = CheckFindings(check, s.fields, s.recordLength, s.basePosition);
    const std::vector<std::string> suggestions = SuggestLines(check);
    if (ctx.Has("--csv")) {
        // The table alone is the CSV; the findings go with the messages.
        for (const std::string& line : findings) ctx.Error(line);
        for (const std::string& line : suggestions) ctx.Error(line);
        return ctx.EmitText(CheckTableCsv(check, s.fields, ctx.Has("--heat"))) ? kExitOk : kExitFailure;
    }
    std::string text = "layout: " + ctx.args[0] + " (record length " + std::to_string(s.recordLength) + ", base " +
                       std::to_string(s.basePosition + 1) + ")\n" + "data:   " + request.path + " (" +
                       std::to_string(check.fileSize) + " bytes, " + std::to_string(check.fit.recordCount) +
                       " records)\n";
    text += CheckTableText(check, s.fields);
    if (ctx.Has("--heat")) text += HeatMapText(check, s.fields);
    for (const std::string& line : findings) text += line + "\n";
    for (const std::string& line : suggestions) text += line + "\n";
    return ctx.EmitText(text) ? kExitOk : kExitFailure;
}

int RunProfile(Context& ctx) {
    if (ctx.args.size() != 2) {
        ctx.Error("usage: rekkan-cli profile LAYOUT DATA [--sample N] [--csv] [-o FILE]");
        return kExitFailure;
    }
    RecordSetup s;
    ProfileRequest request;
    if (!PrepareRecordSetup(ctx, ctx.args[0], s) || !SampleOption(ctx, request.sampleSize) ||
        !DataFileReady(ctx, s, ctx.args[1]))
        return kExitFailure;
    request.path = ctx.args[1];
    request.basePosition = s.basePosition;
    request.recordLength = s.recordLength;
    request.fields = &s.fields;
    request.codec = s.codec;
    const ProfileResult result = ProfileFields(request);
    if (!result.opened || result.readFailed) {
        ctx.Error(DataFileOpenFailedMessage() + "\r\n     PATH = " + request.path);
        return kExitFailure;
    }
    return ctx.EmitText(ctx.Has("--csv") ? ProfileCsv(result, s.fields) : ProfileText(result, s.fields)) ? kExitOk
                                                                                                         : kExitFailure;
}

}  // namespace

std::vector<Command> DoctorCommands() {
    return {
        {"check", "LAYOUT DATA [--sample N] [--heat] [--csv] [-o FILE]",
         WithCodecOptions(
             {{"--sample", true, "look at N records spread over the file (default: all under 1 GB, else 100000)", "N"},
              {"--heat", false, "a bar per field of its validity over the file (60 columns)"},
              {"--csv", false, "the field table as CSV (the findings go to stderr)"},
              kOutputOption}),
         RunCheck},
        {"profile", "LAYOUT DATA [--sample N] [--csv] [-o FILE]",
         WithCodecOptions(
             {{"--sample", true, "look at N records spread over the file (default: all under 1 GB, else 100000)", "N"},
              {"--csv", false, "one CSV line per field"},
              kOutputOption}),
         RunProfile},
    };
}

}  // namespace rekkan::cli
