#include "util/replacing_file.h"

#include <fcntl.h>

#include <cerrno>
#include <ostream>
#include <random>

#include "util/file_util.h"
#include "util/interrupt_cleanup.h"

namespace rekkan {
namespace {

/// Six letters and digits for a temporary's name; a collision only costs another try.
std::string RandomPart() {
    static constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 engine{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kChars) - 2);
    std::string part(6, ' ');
    for (char& c : part) c = kChars[pick(engine)];
    return part;
}

}  // namespace

ReplacingFile::~ReplacingFile() { Discard(); }

bool ReplacingFile::Open(const std::filesystem::path& target, const Options& options) {
    Discard();
    failed_ = Step::None;
    written_ = 0;
    writtenBack_ = 0;
    target_ = fs_.FollowLink(target);
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        std::filesystem::path candidate = target_;
        candidate += std::string(options.tag) + "." + RandomPart();
        const InterruptsHeld held;  // an interrupt right after the file appears still removes it
        fd_ = fs_.Open(candidate, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd_ >= 0) {
            temporary_ = candidate;
            WatchTemporary(temporary_);
        } else if (errno != EEXIST)
            break;
    }
    if (fd_ < 0) return Fail(Step::Create);
    if (options.mode) (void)fs_.SetMode(fd_, *options.mode);
    return true;
}

bool ReplacingFile::Write(std::string_view bytes) {
    if (fd_ < 0 || failed_ != Step::None) return false;
    if (!fs_.Write(fd_, bytes, kAtPosition)) return Fail(Step::Write);
    written_ += static_cast<std::int64_t>(bytes.size());
    constexpr std::int64_t kWriteBackBytes = 8 << 20;
    if (written_ - writtenBack_ >= kWriteBackBytes) {
        fs_.StartWriteBack(fd_, writtenBack_, written_ - writtenBack_);
        writtenBack_ = written_;
    }
    return true;
}

bool ReplacingFile::Commit() {
    if (fd_ < 0 || failed_ != Step::None) return false;
    if (!fs_.Sync(fd_)) return Fail(Step::Sync);
    const bool closed = fs_.Close(fd_);
    fd_ = -1;
    if (!closed) return Fail(Step::Close);
    if (!fs_.Rename(temporary_, target_)) return Fail(Step::Rename);
    ForgetTemporary(temporary_);
    temporary_.clear();
    // The new content is in place either way; a folder that cannot be flushed (some file
    // systems refuse) does not make the save a failure.
    (void)fs_.SyncFolder(target_.parent_path());
    return true;
}

void ReplacingFile::Discard() {
    if (fd_ >= 0) fs_.Close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) {
        fs_.Remove(temporary_);
        ForgetTemporary(temporary_);
    }
    temporary_.clear();
}

bool ReplacingFile::Fail(Step step) {
    if (failed_ == Step::None) failed_ = step;
    Discard();
    return false;
}

bool ByteOutput::Begin() { return stream_ || file_.Open(path_); }

bool ByteOutput::Write(std::string_view bytes) {
    if (!stream_) return file_.Write(bytes);
    stream_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(*stream_);
}

bool ByteOutput::Finish() {
    if (!stream_) return file_.Commit();
    stream_->flush();
    return static_cast<bool>(*stream_);
}

bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes, FileSystem& fs) {
    ReplacingFile file(fs);
    return file.Open(path) && file.Write(bytes) && file.Commit();
}

bool WriteFileReplacing(std::string_view cp932Path, std::string_view bytes, FileSystem& fs) {
    return WriteFileReplacing(ToFsPath(cp932Path), bytes, fs);
}

}  // namespace rekkan
