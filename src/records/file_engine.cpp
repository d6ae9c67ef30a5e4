#include "records/file_engine.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

#include "codec/field_codec.h"
#include "util/encoding.h"
#include "util/file_util.h"

namespace rekkan {

namespace {

std::function<bool(engine_test::Step)>& StepHook() {
    static std::function<bool(engine_test::Step)> hook;
    return hook;
}

std::function<bool(std::size_t)>& AllocationHook() {
    static std::function<bool(std::size_t)> hook;
    return hook;
}

/// False when a test asked this step to fail.
bool StepAllowed(engine_test::Step step) { return !StepHook() || StepHook()(step); }

std::string OpenFailureMessage() {
    return sj("編集中のファイルのオープンに失敗しました。\r\n\r\n編集中のファイルにアクセスできませんでした。");
}
std::string UpdateFailureMessage() {
    return sj("レコードの更新中にエラーが発生しました。\r\n\r\n編集中のファイルにアクセスできませんでした。");
}
std::string Heading(bool insert) {
    return insert ? sj("レコードの挿入中にエラーが発生しました。") : sj("レコードの削除中にエラーが発生しました。");
}
std::string WorkCreateFailure(bool insert) { return Heading(insert) + sj("\r\n\r\nワークファイルの作成ができませんでした。"); }
std::string DataAccessFailure(bool insert) { return Heading(insert) + sj("\r\n\r\n編集中のファイルにアクセスできませんでした。"); }
std::string WorkAccessFailure(bool insert) { return Heading(insert) + sj("\r\n\r\nワークファイルにアクセスできませんでした。"); }

/// Reads up to `size` bytes at `offset`, retrying short reads; the count read, -1 on error.
long long ReadAt(int fd, char* data, std::size_t size, std::int64_t offset) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t r = ::pread(fd, data + got, size - got, static_cast<off_t>(offset) + static_cast<off_t>(got));
        if (r < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    return static_cast<long long>(got);
}

/// Copies `count` bytes of `from` at `offset` to the current end of `to`. A source that ends
/// early is an error too: the work file must hold every byte it is meant to.
bool CopyBlock(int from, int to, std::int64_t offset, std::int64_t count, CopyBuffer& buffer) {
    if (count > 0 && !StepAllowed(engine_test::Step::Copy)) return false;
    while (count > 0) {
        const std::size_t chunk = static_cast<std::size_t>(std::min<std::int64_t>(count, static_cast<std::int64_t>(buffer.size)));
        const long long got = ReadAt(from, buffer.data.get(), chunk, offset);
        if (got != static_cast<long long>(chunk)) return false;
        if (!WriteAll(to, buffer.data.get(), chunk)) return false;
        offset += static_cast<std::int64_t>(chunk);
        count -= static_cast<std::int64_t>(chunk);
    }
    return true;
}

/// Writes `copies` copies of `record` to the end of `to`, many per write.
bool WriteCopies(int to, const std::string& record, std::int64_t copies, CopyBuffer& buffer) {
    const std::size_t length = record.size();
    if (length == 0 || copies <= 0) return true;
    if (buffer.size < length) {
        for (std::int64_t i = 0; i < copies; ++i) {
            if (!WriteAll(to, record.data(), length)) return false;
        }
        return true;
    }
    const std::int64_t perChunk = static_cast<std::int64_t>(buffer.size / length);
    const std::int64_t filled = std::min(perChunk, copies);
    for (std::int64_t i = 0; i < filled; ++i) std::memcpy(buffer.data.get() + i * static_cast<std::int64_t>(length), record.data(), length);
    while (copies > 0) {
        const std::int64_t now = std::min(filled, copies);
        if (!WriteAll(to, buffer.data.get(), static_cast<std::size_t>(now) * length)) return false;
        copies -= now;
    }
    return true;
}

/// The file a path names, its symbolic links followed; the path itself when it is no link.
std::string RealDataPath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path fs = ToFsPath(path);
    if (!std::filesystem::is_symlink(fs, ec)) return path;
    const std::filesystem::path target = std::filesystem::canonical(fs, ec);
    return ec ? path : FromFsPath(target);
}

}  // namespace

namespace engine_test {
void SetStepFailureHook(std::function<bool(Step)> hook) { StepHook() = std::move(hook); }
void SetAllocationHook(std::function<bool(std::size_t)> hook) { AllocationHook() = std::move(hook); }
}  // namespace engine_test

CopyBuffer AllocateCopyBuffer(std::size_t wanted) {
    CopyBuffer buffer;
    std::size_t size = wanted > 0 ? wanted : 1;
    for (;;) {
        if (!AllocationHook() || AllocationHook()(size)) {
            buffer.data.reset(new (std::nothrow) char[size]);
            if (buffer.data) {
                buffer.size = size;
                return buffer;
            }
        }
        if (size == 1) return buffer;  // not even one byte: size 0, the caller fails
        size = (size + 1) / 2;
    }
}

std::string WorkFilePath(const std::string& dataPath) {
    const std::size_t slash = dataPath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = dataPath.rfind('.');
    if (dot != std::string::npos && dot >= nameStart) return dataPath.substr(0, dot) + ".KvelWork";
    return dataPath + ".KvelWork";
}

TFileInf::~TFileInf() {
    if (fd_ >= 0) ::close(fd_);
}

void TFileInf::Inform(const std::string& text) {
    if (sink_) sink_->Inform(text, DefaultCaption(), MessageIcon::Information);
}

bool TFileInf::OpenDataFile(const std::string& cp932Path, std::int64_t basePosition, int recordLength, OpenMode mode) {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    open_ = false;
    path_ = cp932Path;
    basePosition_ = basePosition;
    recordLength_ = recordLength;
    mode_ = mode;
    exists_ = FileExists(cp932Path);
    if (!exists_) return false;
    const int flags = (mode == OpenMode::ReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC;
    const int fd = StepAllowed(engine_test::Step::OpenData) ? ::open(ToFsPath(cp932Path).c_str(), flags) : -1;
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        if (fd >= 0) ::close(fd);
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
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void TFileInf::ComputeGeometry() {
    if (!open_ || fd_ < 0) return;
    struct stat st {};
    if (::fstat(fd_, &st) == 0) fileSize_ = static_cast<std::int64_t>(st.st_size);
    const std::int64_t data = fileSize_ - basePosition_;
    if (recordLength_ > 0 && data > 0) {
        recordCount_ = data / recordLength_ + (data % recordLength_ > 0 ? 1 : 0);
    } else {
        recordCount_ = 0;
    }
    currentOffset_ = static_cast<std::int64_t>(recordLength_) * currentIndex_ + basePosition_;
}

bool TFileInf::ReadRecord(std::int64_t index, bool refreshStatus, bool refreshFields) {
    if (recordCount_ == 0 || fd_ < 0) return false;
    bool ok = false;
    if (index >= 0) {
        std::fill(readBuffer_.begin(), readBuffer_.end(), '\0');
        const std::int64_t offset = index * recordLength_ + basePosition_;
        const long long got = ReadAt(fd_, readBuffer_.data(), readBuffer_.size(), offset);
        if (got > 0) {
            currentIndex_ = index;
            currentOffset_ = offset;
            recordBuffer_ = readBuffer_;
            if (refreshFields && callbacks_.refreshFields) callbacks_.refreshFields();
            ok = true;
        }
    }
    if (refreshStatus) {
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
    ComputeGeometry();
    std::int64_t offset = static_cast<std::int64_t>(recordLength_) * index + basePosition_;
    if (offset > fileSize_) offset = fileSize_;
    recordBuffer_.resize(static_cast<std::size_t>(recordLength_ > 0 ? recordLength_ : 0), '\0');
    ApplyRecordTail(recordBuffer_, recordLength_, options_);
    if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0 ||
        !WriteAll(fd_, recordBuffer_.data(), recordBuffer_.size())) {
        Inform(UpdateFailureMessage());
        ComputeGeometry();
        return false;
    }
    currentIndex_ = index;
    ComputeGeometry();
    return ReadRecord(index, true, true);
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
    if (fd_ < 0 || mode_ == OpenMode::ReadOnly) {
        Inform(DataAccessFailure(insert));
        return false;
    }
    if (count < 1) return false;
    ComputeGeometry();  // the size as it is now, so no byte of the file is left out
    const std::int64_t length = recordLength_;
    std::int64_t splitAt = 0;  // bytes kept in front
    std::int64_t resumeAt = 0; // offset where the kept rest starts
    if (insert) {
        if (index < 0 || recordCount_ == 0) index = 0;
        if (index > recordCount_) index = recordCount_;
        splitAt = std::min(length * index + basePosition_, fileSize_);
        resumeAt = splitAt;
    } else {
        if (index < 0 || recordCount_ == 0 || index >= recordCount_) return false;
        splitAt = length * index + basePosition_;
        const std::int64_t removable = (fileSize_ - splitAt + length - 1) / length;  // records from index on
        resumeAt = std::min(splitAt + length * std::min(count, removable), fileSize_);
    }

    // A data file reached through a symbolic link is replaced where it really lies, so the
    // link keeps pointing at the edited file.
    const std::string dataPath = RealDataPath(path_);
    const std::string workPath = WorkFilePath(dataPath);
    struct stat st {};
    const mode_t perms = ::fstat(fd_, &st) == 0 ? (st.st_mode & 07777) : 0644;
    int work = -1;
    if (StepAllowed(engine_test::Step::CreateWork)) {
        work = ::open(ToFsPath(workPath).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, perms);
    }
    if (work < 0) {
        Inform(WorkCreateFailure(insert));
        return false;
    }
    (void)::fchmod(work, perms);

    // Build the work file completely and flush it to the disk; until the rename below the
    // data file stays as it was.
    bool ok = true;
    CopyBuffer buffer = AllocateCopyBuffer();
    if (buffer.size == 0) ok = false;
    if (ok) ok = CopyBlock(fd_, work, 0, splitAt, buffer);
    if (ok && insert) {
        recordBuffer_.resize(static_cast<std::size_t>(recordLength_ > 0 ? recordLength_ : 0), '\0');
        ApplyRecordTail(recordBuffer_, recordLength_, options_);
        ok = WriteCopies(work, recordBuffer_, count, buffer);
    }
    if (ok) ok = CopyBlock(fd_, work, resumeAt, fileSize_ - resumeAt, buffer);
    buffer = CopyBuffer{};
    if (ok) ok = StepAllowed(engine_test::Step::SyncWork) && ::fsync(work) == 0;
    if (::close(work) != 0) ok = false;
    if (!ok) {
        DeleteFileIfExists(workPath);
        Inform(WorkCreateFailure(insert));
        return false;
    }

    // One rename replaces the data file; the old file is never deleted first.
    if (!StepAllowed(engine_test::Step::Rename) || !RenameFile(workPath, dataPath)) {
        DeleteFileIfExists(workPath);
        Inform(WorkAccessFailure(insert));
        return false;
    }
    SyncParentFolder(ToFsPath(dataPath));

    if (!ReopenAfterRebuild()) {
        Inform(DataAccessFailure(insert));
        return false;
    }
    if (!ReadRecord(index, true, true) && !insert) {
        ReadRecord(recordCount_ - 1, true, true);
    }
    ComputeGeometry();
    if (callbacks_.refreshStatus) callbacks_.refreshStatus();
    return true;
}

bool TFileInf::ReopenAfterRebuild() {
    ::close(fd_);
    fd_ = -1;
    int fd = -1;
    if (StepAllowed(engine_test::Step::Reopen)) fd = ::open(ToFsPath(path_).c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        open_ = false;
        return false;
    }
    fd_ = fd;
    ComputeGeometry();
    return true;
}

bool TFileInf::CreateEmptyFile(const std::string& cp932Path) {
    const int fd = ::open(ToFsPath(cp932Path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    return ::close(fd) == 0;
}

void TFileInf::CopyStateTo(TFileInf& saved) const {
    if (saved.fd_ >= 0) ::close(saved.fd_);
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
    const bool read = ReadRecord(saved.currentIndex_, false, false);
    recordBuffer_ = saved.recordBuffer_;
    recordBuffer_.resize(static_cast<std::size_t>(recordLength_ > 0 ? recordLength_ : 0), '\0');
    return read ? RestoreOutcome::Restored : RestoreOutcome::RecordMissing;
}

}  // namespace rekkan
