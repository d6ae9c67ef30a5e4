#include "records/block_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "records/record_count.h"
#include "util/file_util.h"

namespace rekkan {

BlockReader::~BlockReader() { Close(); }

bool BlockReader::Open(const std::string& cp932Path, std::int64_t basePosition, int recordLength,
                       std::size_t blockBytes) {
    Close();
    if (recordLength < 1 || basePosition < 0) return false;
    const int fd = ::open(ToFsPath(cp932Path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
#ifdef POSIX_FADV_SEQUENTIAL
    (void)::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    fileSize_ = static_cast<std::int64_t>(st.st_size);
    basePosition_ = basePosition;
    recordLength_ = recordLength;
    recordCount_ = RecordCountOf(fileSize_, basePosition_, recordLength_);
    blockRecords_ = blockBytes / static_cast<std::size_t>(recordLength);
    if (blockRecords_ < 1) blockRecords_ = 1;
    block_.assign(blockRecords_ * static_cast<std::size_t>(recordLength), '\0');
    blockFirst_ = 0;
    blockCount_ = 0;
    next_ = 0;
    failed_ = false;
    return true;
}

void BlockReader::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    block_.clear();
    block_.shrink_to_fit();
    blockCount_ = 0;
    recordCount_ = 0;
    fileSize_ = 0;
}

void BlockReader::Seek(std::int64_t index) { next_ = index < 0 ? 0 : index; }

bool BlockReader::Fill() {
    const std::int64_t remaining = recordCount_ - next_;
    const std::int64_t records =
        remaining < static_cast<std::int64_t>(blockRecords_) ? remaining : static_cast<std::int64_t>(blockRecords_);
    const std::size_t wanted = static_cast<std::size_t>(records) * static_cast<std::size_t>(recordLength_);
    std::int64_t offset = basePosition_ + next_ * recordLength_;
    std::size_t got = 0;
    while (got < wanted) {
        const ssize_t r = ::pread(fd_, block_.data() + got, wanted - got, static_cast<off_t>(offset));
        if (r < 0) {
            if (errno == EINTR) continue;
            failed_ = true;
            return false;
        }
        if (r == 0) break;  // the file ends here (a short last record, or it shrank)
        got += static_cast<std::size_t>(r);
        offset += r;
    }
    if (got == 0) return false;
    std::memset(block_.data() + got, 0, wanted - got);
    blockFirst_ = next_;
    blockCount_ = static_cast<std::int64_t>((got + static_cast<std::size_t>(recordLength_) - 1) /
                                            static_cast<std::size_t>(recordLength_));
    return true;
}

bool BlockReader::Next(std::string_view& record, std::int64_t& index) {
    if (fd_ < 0 || failed_ || next_ >= recordCount_) return false;
    if (next_ < blockFirst_ || next_ >= blockFirst_ + blockCount_) {
        if (!Fill()) return false;
    }
    const std::size_t at = static_cast<std::size_t>(next_ - blockFirst_) * static_cast<std::size_t>(recordLength_);
    record = std::string_view(block_.data() + at, static_cast<std::size_t>(recordLength_));
    index = next_++;
    return true;
}

}  // namespace rekkan
