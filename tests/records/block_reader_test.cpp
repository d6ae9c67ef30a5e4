// The block reader gives the same records as the file engine, whatever the block size.

#include <gtest/gtest.h>

#include "records/block_reader.h"
#include "records/file_engine.h"
#include "support/test_support.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

TEST(BlockReader, SameRecordsAsEngineForEveryBlockSize) {
    test::TempDir dir;
    const std::string path = dir.File("d.dat");
    std::string bytes = "HEADER";
    for (int i = 0; i < 1003; ++i) bytes.push_back(static_cast<char>(i * 7));
    test::WriteBytes(ToFsPath(path), bytes);
    for (int length : {1, 7, 10, 997, 2000}) {
        TFileInf file;
        ASSERT_TRUE(file.OpenDataFile(path, 6, length, OpenMode::ReadOnly));
        for (std::size_t block :
             {std::size_t{1}, std::size_t{64}, std::size_t{1000}, BlockReader::kDefaultBlockBytes}) {
            BlockReader reader;
            ASSERT_TRUE(reader.Open(path, 6, length, block));
            ASSERT_EQ(reader.RecordCount(), file.RecordCount()) << length;
            std::string_view record;
            std::int64_t index = 0, expected = 0;
            while (reader.Next(record, index)) {
                ASSERT_EQ(index, expected);
                ASSERT_TRUE(file.ReadRecord(index, Refresh::None));
                ASSERT_EQ(record, file.RecordBuffer()) << length << "/" << block << "/" << index;
                ++expected;
            }
            EXPECT_EQ(expected, file.RecordCount());
            EXPECT_FALSE(reader.Failed());
        }
    }
}

}  // namespace
}  // namespace rekkan
