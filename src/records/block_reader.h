#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rekkan {

/// Reads the records of a data file one after another, read-only, in large blocks, so that a
/// pass over millions of records costs one system call per block and not per record.
/// A short last record is padded with 0x00 to the record length.
class BlockReader {
public:
    /// Default size of one block: 4 MiB (at least one record).
    static constexpr std::size_t kDefaultBlockBytes = 4u << 20;

    BlockReader() = default;
    ~BlockReader();
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;

    /// Opens the file read-only; base position 0-based. False when it cannot be opened or the
    /// record length is below 1.
    [[nodiscard]] bool Open(const std::string& cp932Path, std::int64_t basePosition, int recordLength,
                            std::size_t blockBytes = kDefaultBlockBytes);
    void Close();
    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }

    /// Records at the time of opening (a partial last record counts as one).
    [[nodiscard]] std::int64_t RecordCount() const { return recordCount_; }
    [[nodiscard]] std::int64_t FileSize() const { return fileSize_; }
    [[nodiscard]] std::int64_t BasePosition() const { return basePosition_; }
    [[nodiscard]] int RecordLength() const { return recordLength_; }

    /// Makes record `index` (0-based) the next one Next returns.
    void Seek(std::int64_t index);
    /// The next record and its 0-based index; false at the end or after a read error. The view
    /// stays valid until the next call.
    [[nodiscard]] bool Next(std::string_view& record, std::int64_t& index);
    /// True when a read failed (Next then returned false before the end).
    [[nodiscard]] bool Failed() const { return failed_; }

private:
    [[nodiscard]] bool Fill();

    int fd_ = -1;
    std::int64_t recordCount_ = 0;
    std::int64_t fileSize_ = 0;
    std::int64_t basePosition_ = 0;
    int recordLength_ = 0;
    std::size_t blockRecords_ = 1;
    std::vector<char> block_;
    std::int64_t blockFirst_ = 0;  ///< index of the first record in the block
    std::int64_t blockCount_ = 0;  ///< records held by the block
    std::int64_t next_ = 0;        ///< index Next returns
    bool failed_ = false;
};

}  // namespace rekkan
