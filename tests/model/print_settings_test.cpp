#include "model/print_settings.h"

#include <gtest/gtest.h>

#include "model/settings.h"

namespace rekkan {
namespace {

TEST(PrintSettings, BothSetsRoundTripThroughTheSettingsFile) {
    Settings s;
    s.printPreviewLines = {"GP_PrinterIndex=-1", "GPB_Other=x"};
    const PrintSettings shared{PaperSize::B4, true, 5, 6, 7, 8, 75};
    const PrintSettings viewer{PaperSize::A5, false, 0, 100, 20, 30, 400};
    StorePrintSettings(s.printPreviewLines, kSharedPrintPrefix, shared);
    StorePrintSettings(s.printPreviewLines, kViewerPrintPrefix, viewer);
    StorePrintSettings(s.printPreviewLines, kViewerPrintPrefix, viewer);  // replaces, never repeats

    Settings back;
    ParseSettings(FormatSettings(s), back);
    EXPECT_EQ(back.printPreviewLines.size(), 2u + 7u + 7u);
    EXPECT_EQ(ReadPrintSettings(back.printPreviewLines, kSharedPrintPrefix), shared);
    EXPECT_EQ(ReadPrintSettings(back.printPreviewLines, kViewerPrintPrefix), viewer);
    EXPECT_NE(std::find(back.printPreviewLines.begin(), back.printPreviewLines.end(), "GP_PrinterIndex=-1"),
              back.printPreviewLines.end());
    EXPECT_NE(std::find(back.printPreviewLines.begin(), back.printPreviewLines.end(), "GPB_Other=x"),
              back.printPreviewLines.end());
}

TEST(PrintSettings, UnreadableOrOutOfRangeValuesKeepTheDefaults) {
    const PrintSettings defaults;
    const struct {
        std::string line;
        PrintSettings expected;
    } cases[] = {
        {"gp_papersize = 4", {PaperSize::B5, false, 15, 15, 15, 15, 100}},
        {"GP_PaperSize=5", defaults},
        {"GP_Prt_Orient=1", {PaperSize::A4, true, 15, 15, 15, 15, 100}},
        {"GP_Prt_Orient=2", defaults},
        {"GP_CellScale=9", defaults},
        {"GP_CellScale=10", {PaperSize::A4, false, 15, 15, 15, 15, 10}},
        {"GP_MarginTop=abc", defaults},
        {"GP_MarginTop=101", defaults},
        {"GPB_CellScale=50", defaults},  // the viewer's set, not the shared one
        {"GP_CellScale", defaults},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadPrintSettings({c.line}, kSharedPrintPrefix), c.expected) << c.line;
}

}  // namespace
}  // namespace rekkan
