#include "util/path_names.h"

#include <gtest/gtest.h>

#include "util/encoding.h"

namespace rekkan {
namespace {

TEST(PathNames, ExtensionsBelongToTheFileNameOnly) {
    struct Case {
        std::string path, folder, name, replaced, added;
    };
    const Case cases[] = {
        {sj("/data/表.kvl"), "/data", sj("表.kvl"), sj("/data/表.csv"), sj("/data/表.kvl")},
        {sj("/表/ソ"), sj("/表"), sj("ソ"), sj("/表/ソ.csv"), sj("/表/ソ.csv")},
        {"/d.x/orders", "/d.x", "orders", "/d.x/orders.csv", "/d.x/orders.csv"},
        {"C:\\d.x\\a.b.dat", "C:\\d.x", "a.b.dat", "C:\\d.x\\a.b.csv", "C:\\d.x\\a.b.dat"},
        {"/home/.profile", "/home", ".profile", "/home/.csv", "/home/.profile"},
        {"orders.", "", "orders.", "orders.csv", "orders."},
        {"/orders", "", "orders", "/orders.csv", "/orders.csv"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
        EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
        EXPECT_EQ(c.path.substr(FileNameStart(c.path)), c.name) << c.path;
        EXPECT_EQ(ReplaceExtension(c.path, ".csv"), c.replaced) << c.path;
        EXPECT_EQ(AddDefaultExtension(c.path, ".csv"), c.added) << c.path;
    }
}

TEST(PathNames, DefaultOutputPathUpperCasesTheFileNameNeverTheFolder) {
    const OutputNaming plain{".lst", "Rekkan.lst"};
    const OutputNaming upper{".cob", "morvane.cob", true};
    EXPECT_EQ(DefaultOutputPath(" /home/user/orders.dat ", "/opt/rekkan/", plain), "/home/user/orders.lst");
    EXPECT_EQ(DefaultOutputPath("", "/opt/rekkan", plain), "/opt/rekkan/Rekkan.lst");
    EXPECT_EQ(DefaultOutputPath("", "", plain), "Rekkan.lst");
    EXPECT_EQ(DefaultOutputPath("/home/user/cust.kvl", "/opt/rekkan/", upper), "/home/user/CUST.COB");
    EXPECT_EQ(DefaultOutputPath("", "/opt/rekkan/", upper), "/opt/rekkan/MORVANE.COB");
    // A folder whose trail byte is 0x5C stays as it is, and so do double-byte characters of the name.
    EXPECT_EQ(DefaultOutputPath(sj("/home/表a/顧客Ｂa.kvl"), "/opt/", upper), sj("/home/表a/顧客ＢA.COB"));
}

}  // namespace
}  // namespace rekkan
