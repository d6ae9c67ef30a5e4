#include "records/browse/range_csv_controller.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>

#include "records/file_engine.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/path_names.h"
#include "util/text.h"

namespace rekkan {

RangeCsvController::RangeCsvController(Setup setup, Settings& settings, MessageSink& messages, EditorDialogs& dialogs)
    : setup_(std::move(setup)), settings_(settings), messages_(messages), dialogs_(dialogs) {
    const RangeCsvOptions stored = RangeCsvOptions::FromSettings(settings_);
    boxes_[0] = stored.recNo;
    boxes_[1] = stored.position;
    boxes_[2] = stored.groups;
    boxes_[3] = stored.heading;
}

void RangeCsvController::FirstShow() {
    TFileInf file;
    if (file.OpenDataFile(setup_.dataPath, setup_.basePosition, setup_.recordLength, OpenMode::ReadOnly)) {
        count_ = file.RecordCount();
    } else {
        messages_.Inform(DataFileOpenFailedMessage(), DefaultCaption());
        count_ = 0;
    }
    start_ = GroupThousands(setup_.baseRecord + 1);
    end_ = InitialEndText(setup_.baseRecord, setup_.dataRows, count_);
    shown_ = true;
}

std::string RangeCsvController::LastCaption() const { return sj("最終 Rec.No：") + GroupThousands(count_); }

void RangeCsvController::SetLast(bool checked) {
    last_ = checked;
    end_ = checked ? GroupThousands(count_) : std::string();
}

void RangeCsvController::SetBox(RangeCsvBox box, bool checked) {
    boxes_[static_cast<int>(box)] = checked;
    if (!shown_) return;
    settings_.RecCsv_Chk_Rno = boxes_[0];
    settings_.RecCsv_Chk_Pos = boxes_[1];
    settings_.RecCsv_Chk_Grp = boxes_[2];
    settings_.RecCsv_Chk_Mid = boxes_[3];
}

bool RangeCsvController::Box(RangeCsvBox box) const { return boxes_[static_cast<int>(box)]; }

RangeCsvRun RangeCsvController::Execute(const RangeCsvProgress& progress) {
    const std::optional<RangeCsvJob> job = Prepare();
    if (!job) return RangeCsvRun::Abandoned;
    return Finish(*job, Write(*job, progress));
}

std::optional<RangeCsvJob> RangeCsvController::Prepare() {
    RangeCsvJob job;
    NormaliseRange(start_, end_, count_, job.start, job.end);
    start_ = GroupThousands(job.start);
    end_ = GroupThousands(job.end);

    const std::string proposed = DefaultOutputPath(Trim(setup_.dataPath), setup_.programFolder, RangeCsvNaming());
    const std::optional<EnteredText> chosen = dialogs_.SaveFile(
        {sj("指定のファイル名でＣＳＶ形式で出力します。"), "(*.csv)|*.csv|(*.*)|*.*", ".csv", proposed, false});
    if (!chosen || chosen->cp932.empty()) return std::nullopt;
    job.path = chosen->cp932;
    if (messages_.AskYesNo(RangeCsvQuestion(job.path, job.start, job.end), DefaultCaption()) != Answer::Yes)
        return std::nullopt;

    RangeCsvRequest& request = job.request;
    request.path = setup_.dataPath;
    request.basePosition = setup_.basePosition;
    request.recordLength = setup_.recordLength;
    request.fields = setup_.fields;
    request.codec = setup_.codec;
    request.start = job.start;
    request.end = job.end;
    request.threads = 2;
    if (tofgen_) {
        request.options.tofgen = true;  // the four boxes count as off; the settings stay
    } else {
        request.options = RangeCsvOptions::FromSettings(settings_);
    }
    return job;
}

RangeCsvWritten RangeCsvController::Write(const RangeCsvJob& job, const RangeCsvProgress& progress) {
    const std::int64_t expected = std::max<std::int64_t>(job.end - job.start + 1, 0);
    RangeCsvWritten written;
    ReplacingFile out;
    int error = 0;
    bool cancelled = false;
    std::int64_t lines = 0;
    bool ok = out.Open(ToFsPath(job.path));
    if (!ok) error = errno;
    if (ok) {
        const RangeCsvResult result = WriteRangeCsv(job.request, [&](std::string_view bytes) {
            if (!out.Write(bytes)) {
                error = errno;
                return false;
            }
            lines += std::count(bytes.begin(), bytes.end(), '\n');
            if (progress && !progress(lines, expected)) {
                cancelled = true;
                return false;
            }
            return true;
        });
        if (cancelled) {
            out.Discard();
            written.run = RangeCsvRun::Cancelled;
            return written;
        }
        ok = out.FailedStep() == ReplacingFile::Step::None;
        if (ok && !out.Commit()) {
            error = errno;
            ok = false;
        }
        written.lines = result.lines;
        // A data file that cannot be read writes what it can, as the window always did.
    }
    if (!ok) {
        out.Discard();
        written.run = RangeCsvRun::Failed;
        written.failure = OutputWriteFailedMessage(job.path, out.FailedStep(), error);
    }
    return written;
}

RangeCsvRun RangeCsvController::Finish(const RangeCsvJob& job, const RangeCsvWritten& written) {
    if (written.run == RangeCsvRun::Cancelled) return written.run;
    if (written.run == RangeCsvRun::Failed) {
        messages_.Inform(written.failure, DefaultCaption(), MessageIcon::Error);
        return written.run;
    }
    output_ = job.path;
    if (written.lines > 1000) {
        messages_.Inform(RangeCsvManyLinesMessage(job.path, job.start, job.end), DefaultCaption());
        return RangeCsvRun::Message;
    }
    return RangeCsvRun::Viewer;
}

std::string RangeCsvController::ViewerCaption() { return OutputDoneCaption(); }

}  // namespace rekkan
