#include "records/file_engine.h"

#include <fcntl.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "codec/field_codec.h"
#include "records/record_count.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/interrupt_cleanup.h"
#include "util/replacing_file.h"

namespace rekkan {

namespace {

std::string OpenFailureMessage() {
    return sj("編集中のファイルのオープンに失敗しました。\r\n\r\n編集中のファイルにアクセスできませんでした。");
}
std::string UpdateFailureMessage() {
    return sj("レコードの更新中にエラーが発生しました。\r\n\r\n編集中のファイルにアクセスできませんでした。");
}
std::string Heading(bool insert) {
    return insert ? sj("レコードの挿入中にエラーが発生しました。") : sj("レコードの削除中にエラーが発生しました。");
}
std::string InUseMessage() {
    return sj("編集中のファイルは他のプログラムが使用中です (in use)。\r\n\r\nファイルは変更していません。");
}
std::string ReplacedMessage() {
    return sj("編集中のファイルは他のプログラムによって置き換えられました。\r\n\r\nファイルを開き直してください。");
}
std::string WorkCreateFailure(bool insert) {
    return Heading(insert) + sj("\r\n\r\nワークファイルの作成ができませんでした。");
}
std::string DataAccessFailure(bool insert) {
    return Heading(insert) + sj("\r\n\r\n編集中のファイルにアクセスできませんでした。");
}
std::string WorkAccessFailure(bool insert) {
    return Heading(insert) + sj("\r\n\r\nワークファイルにアクセスできませんでした。");
}

/// The file offset of record `index`; false when it lies beyond what a file offset can hold
/// (a Rec.No of 20 digits).
bool RecordOffset(std::int64_t index, int recordLength, std::int64_t basePosition, std::int64_t& offset) {
    return !__builtin_mul_overflow(index, static_cast<std::int64_t>(recordLength), &offset) &&
           !__builtin_add_overflow(offset, basePosition, &offset);
}

/// Bytes written to a work file, told to the progress callback after each block.
struct RebuildMeter {
    const TFileInf::RebuildProgress* progress = nullptr;
    std::int64_t done = 0;
    std::int64_t total = 0;
    bool cancelled = false;

    /// Counts `bytes` written; false when the callback cancels.
    bool Advance(std::int64_t bytes) {
        done += bytes;
        if (progress && *progress && !(*progress)(done, total)) cancelled = true;
        return !cancelled;
    }
};

/// Copies `count` bytes of `from` at `offset` to the current end of `to`. A source that ends
/// early is an error too: the work file must hold every byte it is meant to.
bool CopyBlock(FileSystem& fs, int from, ReplacingFile& to, std::int64_t offset, std::int64_t count, CopyBuffer& buffer,
               RebuildMeter& meter) {
    while (count > 0) {
        const std::size_t chunk =
            static_cast<std::size_t>(std::min<std::int64_t>(count, static_cast<std::int64_t>(buffer.size)));
        const long long got = fs.Read(from, buffer.data.get(), chunk, offset);
        if (got != static_cast<long long>(chunk)) return false;
        if (!to.Write(std::string_view(buffer.data.get(), chunk))) return false;
        offset += static_cast<std::int64_t>(chunk);
        count -= static_cast<std::int64_t>(chunk);
        if (!meter.Advance(static_cast<std::int64_t>(chunk))) return false;
    }
    return true;
}

/// Writes `copies` copies of `record` to the end of `to`, many per write.
bool WriteCopies(ReplacingFile& to, const std::string& record, std::int64_t copies, CopyBuffer& buffer,
                 RebuildMeter& meter) {
    const std::size_t length = record.size();
    if (length == 0 || copies <= 0) return true;
    if (buffer.size < length) {
        for (std::int64_t i = 0; i < copies; ++i) {
            if (!to.Write(record) || !meter.Advance(static_cast<std::int64_t>(length))) return false;
        }
        return true;
    }
    const std::int64_t perChunk = static_cast<std::int64_t>(buffer.size / length);
    const std::int64_t filled = std::min(perChunk, copies);
    for (std::int64_t i = 0; i < filled; ++i)
        std::memcpy(buffer.data.get() + i * static_cast<std::int64_t>(length), record.data(), length);
    while (copies > 0) {
        const std::int64_t now = std::min(filled, copies);
        if (!to.Write(std::string_view(buffer.data.get(), static_cast<std::size_t>(now) * length))) return false;
        copies -= now;
        if (!meter.Advance(now * static_cast<std::int64_t>(length))) return false;
    }
    return true;
}

/// Releases at its end the lock an operation took for itself.
class OperationLock {
public:
    OperationLock(TFileInf& file, bool took) : file_(file), took_(took) {}
    OperationLock(const OperationLock&) = delete;
    OperationLock& operator=(const OperationLock&) = delete;
    ~OperationLock() {
        if (took_) file_.Unlock();
    }

private:
    TFileInf& file_;
    bool took_;
};

}  // namespace

CopyBuffer AllocateCopyBuffer(std::size_t wanted, const BufferAllocator& allocate) {
    CopyBuffer buffer;
    std::size_t size = wanted > 0 ? wanted : 1;
    for (;;) {
        buffer.data = allocate ? allocate(size) : std::unique_ptr<char[]>(new (std::nothrow) char[size]);
        if (buffer.data) {
            buffer.size = size;
            return buffer;
        }
        if (size == 1) return buffer;  // not even one byte: size 0, the caller fails
        size = (size + 1) / 2;
    }
}

TFileInf::~TFileInf() { CloseDescriptor(); }

void TFileInf::CloseDescriptor() {
    if (fd_ >= 0) {
        ForgetGrowth(fd_);
        fs_->Close(fd_);  // releases the lock too
    }
    fd_ = -1;
    locked_ = false;
}

TFileInf::LockOutcome TFileInf::Lock() {
    if (locked_) return LockOutcome::Locked;
    if (fd_ < 0 || mode_ == OpenMode::ReadOnly) return LockOutcome::Failed;
    if (!fs_->Lock(fd_)) {
        if (errno == EWOULDBLOCK) return LockOutcome::InUse;
        // A file system that keeps no locks (some network ones): the change goes ahead as it
        // always did, without one.
        if (errno != ENOLCK && errno != EOPNOTSUPP && errno != EINVAL) return LockOutcome::Failed;
    }
    // A run that replaced the file (insert, delete) let go of the lock on the old one: the
    // lock is only worth something on the file the path names now.
    FileStatus open;
    FileStatus atPath;
    if (!fs_->Stat(fd_, open) || !fs_->StatPath(ToFsPath(path_), atPath) || open.device != atPath.device ||
        open.inode != atPath.inode) {
        fs_->Unlock(fd_);
        return LockOutcome::Replaced;
    }
    locked_ = true;
    return LockOutcome::Locked;
}

void TFileInf::Unlock() {
    if (locked_ && fd_ >= 0) fs_->Unlock(fd_);
    locked_ = false;
}

bool TFileInf::LockForChange(bool& took) {
    took = false;
    if (locked_) return true;
    switch (Lock()) {
    case LockOutcome::Locked: took = true; return true;
    case LockOutcome::InUse: Inform(InUseMessage()); return false;
    case LockOutcome::Replaced: Inform(ReplacedMessage()); return false;
    case LockOutcome::Failed: Inform(UpdateFailureMessage()); return false;
    }
    return false;
}

bool TFileInf::TruncateTo(std::int64_t size) {
    const bool ok = fd_ >= 0 && fs_->Truncate(fd_, size);
    ComputeGeometry();
    return ok;
}

void TFileInf::UndoGrowthOnInterrupt() {
    ComputeGeometry();
    if (fd_ >= 0) WatchGrowth(fd_, fileSize_);
}

void TFileInf::KeepChangesOnInterrupt() {
    if (fd_ >= 0) ForgetGrowth(fd_);
}

void TFileInf::Inform(const std::string& text) {
    if (sink_) sink_->Inform(text, DefaultCaption(), MessageIcon::Information);
}

bool TFileInf::OpenDataFile(const std::string& cp932Path, std::int64_t basePosition, int recordLength, OpenMode mode) {
    CloseDescriptor();
    open_ = false;
    path_ = cp932Path;
    basePosition_ = basePosition;
    recordLength_ = recordLength;
    mode_ = mode;
    exists_ = FileExists(cp932Path);
    if (!exists_) return false;
    const int flags = (mode == OpenMode::ReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC;
    const int fd = fs_->Open(ToFsPath(cp932Path), flags, 0);
    FileStatus status;
    if (fd < 0 || !fs_->Stat(fd, status) || status.folder) {
        if (fd >= 0) fs_->Close(fd);
        Inform(OpenFailureMessage());
        return false;
    }
    fd_ = fd;
    open_ = true;
    const std::size_t length = static_cast<std::size_t>(recordLength > 0 ? recordLength : 0);
    recordBuffer_.assign(length, '\0');
    readBuffer_.assign(length, '\0');
    ComputeGeometry();
    return true;
}

void TFileInf::CloseDataFile() {
    if (!open_) return;
    open_ = false;
    currentIndex_ = 0;
    recordBuffer_.clear();
    recordBuffer_.shrink_to_fit();
    readBuffer_.clear();
    readBuffer_.shrink_to_fit();
    CloseDescriptor();
}

void TFileInf::ComputeGeometry() {
    if (!open_ || fd_ < 0) return;
    FileStatus status;
    if (fs_->Stat(fd_, status)) fileSize_ = status.size;
    recordCount_ = RecordCountOf(fileSize_, basePosition_, recordLength_);
    currentOffset_ = static_cast<std::int64_t>(recordLength_) * currentIndex_ + basePosition_;
}

bool TFileInf::ReadRecord(std::int64_t index, Refresh refresh) {
    if (recordCount_ == 0 || fd_ < 0) return false;
    bool ok = false;
    std::int64_t offset = 0;
    if (index >= 0 && RecordOffset(index, recordLength_, basePosition_, offset)) {
        std::fill(readBuffer_.begin(), readBuffer_.end(), '\0');
        const long long got = fs_->Read(fd_, readBuffer_.data(), readBuffer_.size(), offset);
        if (got > 0) {
            currentIndex_ = index;
            currentOffset_ = offset;
            recordBuffer_ = readBuffer_;
            if (refresh != Refresh::None && callbacks_.refreshFields) callbacks_.refreshFields();
            ok = true;
        }
    }
    if (refresh == Refresh::All) {
        ComputeGeometry();
        if (callbacks_.refreshStatus) callbacks_.refreshStatus();
    }
    return ok;
}

bool TFileInf::UpdateRecord(std::int64_t index) {
    if (fd_ < 0 || mode_ == OpenMode::ReadOnly) {
        Inform(UpdateFailureMessage());
        return false;
    }
    if (index < 0) return false;
    bool took = false;
    if (!LockForChange(took)) return false;
    const OperationLock operation{*this, took};
    ComputeGeometry();
    const std::int64_t oldSize = fileSize_;
    std::int64_t offset = 0;
    if (!RecordOffset(index, recordLength_, basePosition_, offset) || offset > fileSize_) offset = fileSize_;
    recordBuffer_.resize(static_cast<std::size_t>(recordLength_ > 0 ? recordLength_ : 0), '\0');
    ApplyRecordTail(recordBuffer_, recordLength_, options_);
    // The bytes the write replaces, so a write that stops half-way (a full disk) can be undone.
    std::string replaced(static_cast<std::size_t>(std::clamp<std::int64_t>(oldSize - offset, 0, recordLength_)), '\0');
    if (!replaced.empty() &&
        fs_->Read(fd_, replaced.data(), replaced.size(), offset) != static_cast<long long>(replaced.size())) {
        Inform(UpdateFailureMessage());
        return false;
    }
    if (!fs_->Write(fd_, recordBuffer_, offset)) {
        lastError_ = errno;
        ComputeGeometry();
        if (fileSize_ > oldSize) (void)fs_->Truncate(fd_, oldSize);
        if (!replaced.empty()) (void)fs_->Write(fd_, replaced, offset);
        Inform(UpdateFailureMessage());
        ComputeGeometry();
        return false;
    }
    currentIndex_ = index;
    ComputeGeometry();
    return ReadRecord(index, Refresh::All);
}

bool TFileInf::AppendRecord() {
    ComputeGeometry();
    return UpdateRecord(recordCount_);
}

bool TFileInf::InsertRecord(std::int64_t index, std::int64_t count) {
    return RebuildFile(Rebuild::Insert, index, count);
}

bool TFileInf::DeleteRecord(std::int64_t index, std::int64_t count) {
    return RebuildFile(Rebuild::Delete, index, count);
}

bool TFileInf::RebuildFile(Rebuild kind, std::int64_t index, std::int64_t count) {
    const bool insert = kind == Rebuild::Insert;
    cancelled_ = false;
    if (fd_ < 0 || mode_ == OpenMode::ReadOnly) {
        Inform(DataAccessFailure(insert));
        return false;
    }
    if (count < 1) return false;
    bool took = false;
    if (!LockForChange(took)) return false;
    const OperationLock operation{*this, took};
    ComputeGeometry();  // the size as it is now, so no byte of the file is left out
    const std::int64_t length = recordLength_;
    std::int64_t splitAt = 0;   // bytes kept in front
    std::int64_t resumeAt = 0;  // offset where the kept rest starts
    if (insert) {
        if (index < 0 || recordCount_ == 0) index = 0;
        if (index > recordCount_) index = recordCount_;
        splitAt = std::min(length * index + basePosition_, fileSize_);
        resumeAt = splitAt;
    } else {
        if (index < 0 || recordCount_ == 0 || index >= recordCount_) return false;
        splitAt = length * index + basePosition_;
        const std::int64_t removable = RecordCountOf(fileSize_, splitAt, recordLength_);  // records from index on
        resumeAt = std::min(splitAt + length * std::min(count, removable), fileSize_);
    }

    // Build the work file completely and flush it to the disk; until it is renamed over the
    // data file (where the data file really lies, a symbolic link followed), the data file
    // stays as it was.
    FileStatus status;
    ReplacingFile work(*fs_);
    ReplacingFile::Options options{.tag = ".KvelWork", .mode = fs_->Stat(fd_, status) ? status.mode : 0644u};
    if (!work.Open(ToFsPath(path_), options)) {
        Inform(WorkCreateFailure(insert));
        return false;
    }
    bool ok = true;
    CopyBuffer buffer = AllocateCopyBuffer(copyBufferBytes_);
    if (buffer.size == 0) ok = false;
    RebuildMeter meter{&progress_, 0, splitAt + (fileSize_ - resumeAt) + (insert ? length * count : 0)};
    if (ok) ok = CopyBlock(*fs_, fd_, work, 0, splitAt, buffer, meter);
    if (ok && insert) {
        recordBuffer_.resize(static_cast<std::size_t>(recordLength_ > 0 ? recordLength_ : 0), '\0');
        ApplyRecordTail(recordBuffer_, recordLength_, options_);
        ok = WriteCopies(work, recordBuffer_, count, buffer, meter);
    }
    if (ok) ok = CopyBlock(*fs_, fd_, work, resumeAt, fileSize_ - resumeAt, buffer, meter);
    buffer = CopyBuffer{};
    if (meter.cancelled) {
        cancelled_ = true;
        work.Discard();
        return false;
    }
    // One rename replaces the data file; the old file is never deleted first.
    if (!ok || !work.Commit()) {
        lastError_ = errno;
        const bool renameFailed = work.FailedStep() == ReplacingFile::Step::Rename;
        work.Discard();  // gone before the message shows
        Inform(renameFailed ? WorkAccessFailure(insert) : WorkCreateFailure(insert));
        return false;
    }

    if (!ReopenAfterRebuild(!took)) {
        Inform(DataAccessFailure(insert));
        return false;
    }
    if (!ReadRecord(index, Refresh::All) && !insert) {
        (void)ReadRecord(recordCount_ - 1, Refresh::All);
    }
    ComputeGeometry();
    if (callbacks_.refreshStatus) callbacks_.refreshStatus();
    return true;
}

bool TFileInf::ReopenAfterRebuild(bool keepLock) {
    CloseDescriptor();
    const int fd = fs_->Open(ToFsPath(path_), O_RDWR | O_CLOEXEC, 0);
    if (fd < 0) {
        open_ = false;
        return false;
    }
    fd_ = fd;
    // The caller held the lock on the old file; it goes on holding it on the new one unless
    // another run was quicker (this run's change is done either way).
    if (keepLock) (void)Lock();
    ComputeGeometry();
    return true;
}

bool TFileInf::CreateEmptyFile(const std::string& cp932Path) {
    FileSystem& fs = RealFileSystem();
    const int fd = fs.Open(ToFsPath(cp932Path), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return fd >= 0 && fs.Close(fd);
}

void TFileInf::CopyStateTo(TFileInf& saved) const {
    if (saved.fd_ >= 0) saved.fs_->Close(saved.fd_);
    saved.fd_ = -1;
    saved.mode_ = mode_;
    saved.exists_ = exists_;
    saved.open_ = open_;
    saved.path_ = path_;
    saved.recordLength_ = recordLength_;
    saved.recordCount_ = recordCount_;
    saved.fileSize_ = fileSize_;
    saved.basePosition_ = basePosition_;
    saved.currentOffset_ = currentOffset_;
    saved.currentIndex_ = currentIndex_;
    saved.recordBuffer_ = recordBuffer_;
    saved.readBuffer_.assign(readBuffer_.size(), '\0');
}

TFileInf::RestoreOutcome TFileInf::RestoreFrom(const TFileInf& saved) {
    currentIndex_ = saved.currentIndex_;
    if (!OpenDataFile(saved.path_, saved.basePosition_, saved.recordLength_, saved.mode_)) {
        return RestoreOutcome::OpenFailed;
    }
    const bool read = ReadRecord(saved.currentIndex_, Refresh::None);
    recordBuffer_ = saved.recordBuffer_;
    recordBuffer_.resize(static_cast<std::size_t>(recordLength_ > 0 ? recordLength_ : 0), '\0');
    return read ? RestoreOutcome::Restored : RestoreOutcome::RecordMissing;
}

}  // namespace rekkan
