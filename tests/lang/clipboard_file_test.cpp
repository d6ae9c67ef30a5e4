#include "lang/clipboard_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "util/encoding.h"

namespace rekkan {
namespace {

TEST(ClipboardFile, NewAndAppend) {
    test::TempDir dir;
    const std::string path = dir.File("morvane.clp");
    ASSERT_TRUE(WriteClipboardFile(path, "01 A.\r\n05 B PIC X.", true));  // append to a missing file
    EXPECT_EQ(test::ReadBytes(std::string_view(path)), "01 A.\r\n05 B PIC X.\r\n");
    ASSERT_TRUE(WriteClipboardFile(path, "05 C\rPIC X.\n", true));
    EXPECT_EQ(test::ReadBytes(std::string_view(path)), "01 A.\r\n05 B PIC X.\r\n05 CPIC X.\r\n\r\n");
    ASSERT_TRUE(WriteClipboardFile(path, "new", false));
    EXPECT_EQ(test::ReadBytes(std::string_view(path)), "new\r\n");
    const std::string q = ClipboardQuestion(path, true, std::string(60, 'z'));
    EXPECT_NE(q.find(sj("出力モード = 追加")), std::string::npos);
    EXPECT_NE(q.find(">  " + std::string(50, 'z')), std::string::npos);
    EXPECT_EQ(q.find(std::string(51, 'z')), std::string::npos);
}

}  // namespace
}  // namespace rekkan
