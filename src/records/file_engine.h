#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "codec/codec_options.h"
#include "util/file_system.h"
#include "util/messages.h"

namespace rekkan {

/// What a read of a record refreshes in the window.
enum class Refresh {
    None,    ///< nothing (a read for the program's own use)
    Fields,  ///< the fields: the record buffer decoded into the grid
    All,     ///< the status (geometry) and the fields
};

/// Size of the copy buffer insert and delete start with: 20 MiB.
inline constexpr std::size_t kCopyBufferBytes = 20'971'520;

/// How a data file is opened.
enum class OpenMode {
    ReadWrite,  ///< the record editor: every operation
    ReadOnly,   ///< outputs, search, browse: reads only; writes fail
};

/// The state of one data file of fixed-length records preceded by a header of any length
/// (the base position). Reads one record into the record buffer and writes it back as an
/// update, an insertion or an append; deletes records. Insert and delete rebuild the file
/// through a work file beside it (a `ReplacingFile` whose name holds ".KvelWork") that replaces
/// the data file in one rename, so the data file is either the old one or the complete new one,
/// never anything in between. Offsets, sizes and counts are 64-bit. Messages go to the message
/// sink (none: dropped); every file-system call goes through the file system given.
class TFileInf {
public:
    /// Notifications to the window: refresh status (geometry and status fields) and refresh
    /// fields (decode the record buffer into the grid).
    struct Callbacks {
        std::function<void()> refreshStatus;
        std::function<void()> refreshFields;
    };

    TFileInf() = default;
    explicit TFileInf(MessageSink* sink, FileSystem& fs = RealFileSystem()) : sink_(sink), fs_(&fs) {}
    ~TFileInf();
    TFileInf(const TFileInf&) = delete;
    TFileInf& operator=(const TFileInf&) = delete;

    void SetMessageSink(MessageSink* sink) { sink_ = sink; }
    void SetCallbacks(Callbacks callbacks) { callbacks_ = std::move(callbacks); }
    /// Options for the record tail of update and insert (until set: the defaults, tail off).
    void SetCodecOptions(const CodecOptions& options) { options_ = options; }
    /// Size of the buffer insert and delete copy through (halved while it cannot be allocated).
    void SetCopyBufferBytes(std::size_t bytes) { copyBufferBytes_ = bytes; }
    /// Progress of insert and delete: bytes of the work file written so far and in all, told
    /// after each block. Returning false cancels: the work file goes, the data file stays as
    /// it was, no message is shown and the operation fails with RebuildCancelled() true.
    using RebuildProgress = std::function<bool(std::int64_t done, std::int64_t total)>;
    void SetRebuildProgress(RebuildProgress progress) { progress_ = std::move(progress); }
    /// The last insert or delete was cancelled through the progress callback.
    [[nodiscard]] bool RebuildCancelled() const { return cancelled_; }

    /// Opens `cp932Path` with a 0-based base position and a record length. A missing file
    /// fails without a message (exists and open false); a file that exists but cannot be
    /// opened shows the open failure message. Both buffers become record length bytes of
    /// 0x00; the current index is kept.
    [[nodiscard]] bool OpenDataFile(const std::string& cp932Path, std::int64_t basePosition, int recordLength,
                                    OpenMode mode = OpenMode::ReadWrite);
    /// Closes the file: current index 0, buffers released.
    void CloseDataFile();
    /// File size, record count and current offset from the file as it is now.
    void ComputeGeometry();

    /// Reads record `index` (0-based) into the record buffer; a short last record is padded
    /// with 0x00. False for a negative index, no records, or nothing read. The status is
    /// refreshed (when asked) whether or not the read succeeded; the fields only after a read.
    [[nodiscard]] bool ReadRecord(std::int64_t index, Refresh refresh);
    [[nodiscard]] bool First() { return ReadRecord(0, Refresh::All); }
    [[nodiscard]] bool Last() { return ReadRecord(recordCount_ - 1, Refresh::All); }
    [[nodiscard]] bool Prior() { return ReadRecord(currentIndex_ - 1, Refresh::All); }
    [[nodiscard]] bool Next() { return ReadRecord(currentIndex_ + 1, Refresh::All); }

    /// Writes the record buffer (record tail applied) at `index`; an offset beyond the end of
    /// the file is lowered to the file size. Reads the record again on success.
    [[nodiscard]] bool UpdateRecord(std::int64_t index);
    /// Writes the record buffer after the last record.
    [[nodiscard]] bool AppendRecord();
    /// Inserts `count` copies of the record buffer (record tail applied) before record `index`
    /// in one pass over the file.
    [[nodiscard]] bool InsertRecord(std::int64_t index, std::int64_t count = 1);
    /// Removes `count` records from record `index` on (at most up to the end of the file) in
    /// one pass over the file.
    [[nodiscard]] bool DeleteRecord(std::int64_t index, std::int64_t count = 1);

    /// What became of a `Lock`.
    enum class LockOutcome {
        Locked,    ///< this object holds the lock until `Unlock` or the file is closed
        InUse,     ///< another program or window holds it
        Replaced,  ///< the path holds another file now (written by another run); open it again
        Failed,    ///< no file open for changing, or the system refused the lock
    };
    /// Takes the advisory lock every changing run holds on a data file, without waiting, and
    /// checks that the file open is still the one at the path (on a file system that keeps no
    /// locks, only that). Update, append, insert and
    /// delete take it for themselves while they run when it is not held already.
    [[nodiscard]] LockOutcome Lock();
    /// Releases the lock.
    void Unlock();
    [[nodiscard]] bool IsLocked() const { return locked_; }
    /// errno of the last update, append, insert or delete that failed (0 when none did).
    [[nodiscard]] int LastError() const { return lastError_; }
    /// Cuts the file back to `size` bytes (a failed or interrupted growth undone).
    [[nodiscard]] bool TruncateTo(std::int64_t size);
    /// An interrupt of the run (see util/interrupt_cleanup.h) cuts the file back to the size it
    /// has now, until the file is closed or `KeepChangesOnInterrupt`.
    void UndoGrowthOnInterrupt();
    void KeepChangesOnInterrupt();

    /// Creates `cp932Path` empty, or truncates it to 0 bytes.
    [[nodiscard]] static bool CreateEmptyFile(const std::string& cp932Path);

    /// Copies the values of this state into `saved` (path, flags, geometry, current index,
    /// record buffer) without the file itself: the saved copy only remembers.
    void CopyStateTo(TFileInf& saved) const;

    /// What became of a restore.
    enum class RestoreOutcome { Restored, RecordMissing, OpenFailed };
    /// Opens the file of a saved copy again with its base position and record length, reads
    /// its current record without refreshing and puts back its record buffer, so edits not
    /// yet written survive. RecordMissing when that record can no longer be read.
    [[nodiscard]] RestoreOutcome RestoreFrom(const TFileInf& saved);

    [[nodiscard]] bool Exists() const { return exists_; }
    [[nodiscard]] bool IsOpen() const { return open_; }
    [[nodiscard]] bool IsReadOnly() const { return mode_ == OpenMode::ReadOnly; }
    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] int RecordLength() const { return recordLength_; }
    [[nodiscard]] std::int64_t RecordCount() const { return recordCount_; }
    [[nodiscard]] std::int64_t FileSize() const { return fileSize_; }
    [[nodiscard]] std::int64_t BasePosition() const { return basePosition_; }
    void SetBasePosition(std::int64_t basePosition) { basePosition_ = basePosition; }
    [[nodiscard]] std::int64_t CurrentOffset() const { return currentOffset_; }
    [[nodiscard]] std::int64_t CurrentIndex() const { return currentIndex_; }
    void SetCurrentIndex(std::int64_t index) { currentIndex_ = index; }
    /// The current record as edited; the codecs read and write here.
    [[nodiscard]] std::string& RecordBuffer() { return recordBuffer_; }
    [[nodiscard]] const std::string& RecordBuffer() const { return recordBuffer_; }

private:
    enum class Rebuild { Insert, Delete };
    bool RebuildFile(Rebuild kind, std::int64_t index, std::int64_t count);
    bool ReopenAfterRebuild(bool keepLock);
    void CloseDescriptor();
    void Inform(const std::string& text);
    /// The lock for one changing operation: true when held (`took` when taken for it alone).
    bool LockForChange(bool& took);

    MessageSink* sink_ = nullptr;
    FileSystem* fs_ = &RealFileSystem();
    std::size_t copyBufferBytes_ = kCopyBufferBytes;
    Callbacks callbacks_;
    RebuildProgress progress_;
    bool cancelled_ = false;
    CodecOptions options_;
    OpenMode mode_ = OpenMode::ReadWrite;
    int fd_ = -1;
    bool exists_ = false;
    bool open_ = false;
    bool locked_ = false;
    int lastError_ = 0;
    std::string path_;
    int recordLength_ = 0;
    std::int64_t recordCount_ = 0;
    std::int64_t fileSize_ = 0;
    std::int64_t basePosition_ = 0;
    std::int64_t currentOffset_ = 0;
    std::int64_t currentIndex_ = 0;
    std::string recordBuffer_;
    std::string readBuffer_;
};

/// A transfer buffer: `wanted` bytes, halved (rounded) while the allocation fails.
struct CopyBuffer {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
};
/// Allocates `size` bytes, or returns null.
using BufferAllocator = std::function<std::unique_ptr<char[]>(std::size_t size)>;
/// Allocates the buffer with `allocate` (plain new without one).
[[nodiscard]] CopyBuffer AllocateCopyBuffer(std::size_t wanted = kCopyBufferBytes,
                                            const BufferAllocator& allocate = {});

}  // namespace rekkan
