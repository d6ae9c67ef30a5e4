#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/settings.h"
#include "records/editor/editor_dialogs.h"
#include "records/range_csv.h"
#include "util/messages.h"
#include "util/output_file.h"
#include "util/replacing_file.h"

namespace rekkan {

/// The four stored option boxes of the range CSV window.
enum class RangeCsvBox { RecNo, Position, Groups, Heading };

/// How an Execute ended.
enum class RangeCsvRun {
    Abandoned,  ///< the save dialog or the question was cancelled: nothing written
    Cancelled,  ///< cancelled while writing: the target is as it was
    Failed,     ///< the output could not be written: the error named the path and the reason
    Message,    ///< more than 1000 lines: the message was shown
    Viewer,     ///< the window shows OutputPath() in the text viewer with ViewerCaption()
};

/// Called while the CSV is written with the lines written so far (control statements and
/// heading included) and the records of the range, for a progress bar; false cancels.
using RangeCsvProgress = std::function<bool(std::int64_t lines, std::int64_t expected)>;

/// One output the questions have settled: what to read and where to write it.
struct RangeCsvJob {
    RangeCsvRequest request;
    std::string path;  ///< the output file, CP932
    std::int64_t start = 0, end = 0;
};

/// How the writing of a job ended.
struct RangeCsvWritten {
    RangeCsvRun run = RangeCsvRun::Viewer;  ///< Cancelled, Failed, or Viewer once written
    std::int64_t lines = 0;
    std::string failure;  ///< with Failed: the message naming the path and the reason
};

/// The logic of the record range CSV window: its boxes, their enabling, Execute with its
/// questions and messages. The output streams into a replacing file, so a cancelled or failed
/// run leaves the target as it was.
class RangeCsvController {
public:
    /// What the browse table hands over.
    struct Setup {
        std::string dataPath;  ///< CP932
        std::int64_t basePosition = 0;
        int recordLength = 0;
        const std::vector<TRdbObj>* fields = nullptr;  ///< must outlive the controller
        CodecOptions codec;
        std::int64_t baseRecord = 0;  ///< 0-based record of the browse table's first data row
        int dataRows = 0;
        std::string programFolder;  ///< CP932
    };

    RangeCsvController(Setup setup, Settings& settings, MessageSink& messages, EditorDialogs& dialogs);

    /// The first show: counts the records (the open failure message when the file cannot be
    /// read, then no records) and fills the boxes; from now on the option boxes store themselves.
    void FirstShow();

    [[nodiscard]] std::string& StartText() { return start_; }  ///< "開始 Rec.No"
    [[nodiscard]] std::string& EndText() { return end_; }      ///< "～"
    /// Caption of the last Rec.No box: "最終 Rec.No：" + the record count grouped.
    [[nodiscard]] std::string LastCaption() const;
    /// The last Rec.No box: checked puts the record count into the end box, unchecked empties it.
    void SetLast(bool checked);
    [[nodiscard]] bool Last() const { return last_; }

    /// An option box clicked: once shown, all four are written to the settings.
    void SetBox(RangeCsvBox box, bool checked);
    [[nodiscard]] bool Box(RangeCsvBox box) const;
    /// "Tofgen の制御文付き" (not stored): the four boxes are unavailable while it is checked.
    void SetTofgen(bool checked) { tofgen_ = checked; }
    [[nodiscard]] bool Tofgen() const { return tofgen_; }
    [[nodiscard]] bool BoxesEnabled() const { return !tofgen_; }

    /// "実行": normalises the boxes, asks for the file and confirms, writes, then shows the
    /// message or hands the file to the viewer (Prepare, Write and Finish in turn).
    [[nodiscard]] RangeCsvRun Execute(const RangeCsvProgress& progress = {});
    /// The first step of "実行": the boxes normalised, the file asked for and confirmed;
    /// nothing when the dialog or the question was cancelled.
    [[nodiscard]] std::optional<RangeCsvJob> Prepare();
    /// Writes `job` through a replacing file; any thread, no message (a window runs it on a
    /// worker). A cancelled or failed write leaves the target as it was.
    [[nodiscard]] static RangeCsvWritten Write(const RangeCsvJob& job, const RangeCsvProgress& progress);
    /// The last step: the error, or the many-lines message, or the viewer's turn.
    [[nodiscard]] RangeCsvRun Finish(const RangeCsvJob& job, const RangeCsvWritten& written);
    /// The file last written.
    [[nodiscard]] const std::string& OutputPath() const { return output_; }
    /// Caption of the viewer: "★出力しました。 ".
    [[nodiscard]] static std::string ViewerCaption();
    [[nodiscard]] std::int64_t RecordCount() const { return count_; }

private:
    Setup setup_;
    Settings& settings_;
    MessageSink& messages_;
    EditorDialogs& dialogs_;
    std::int64_t count_ = 0;
    std::string start_, end_, output_;
    bool last_ = false, tofgen_ = false, shown_ = false;
    bool boxes_[4] = {};
};

}  // namespace rekkan
