#include <QTest>

#include "ui/rec_editor/grid_geometry.h"

using namespace rekkan::ui;

class GridGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void rowHeightFollowsTheFontSize() {
        const int expected[][2] = {{9, 22}, {10, 23}, {11, 24}, {12, 25}, {13, 26}, {14, 27}, {15, 28}, {16, 22}};
        for (const auto& e : expected) QCOMPARE(FieldRowHeight(20, e[0]), e[1]);
    }

    void savedWidthsReplaceOnlyTheirColumns() {
        const int none[8] = {};
        const auto initial = FieldColumnWidths(10, 77, none);
        const std::array<int, 8> expected = {50, 130, 70, 77, 250, 27, 40, 300};
        QCOMPARE(initial, expected);
        const int saved[8] = {99, 11, 0, 33, 44, 99, 99, 55};  // SEQ, 誤 and HEX keep their own
        const std::array<int, 8> mixed = {50, 11, 70, 33, 44, 27, 40, 55};
        QCOMPARE(FieldColumnWidths(10, 77, saved), mixed);
    }

    void paneWidthCyclesAndSkipsTheCurrentWidth() {
        // start 300, inner 1000: 300 -> 250 -> 500 -> 900 -> 300
        QCOMPARE(NextPaneWidth(300, 300, 1000), 250);
        QCOMPARE(NextPaneWidth(250, 300, 1000), 500);
        QCOMPARE(NextPaneWidth(500, 300, 1000), 900);
        QCOMPARE(NextPaneWidth(900, 300, 1000), 300);
        QCOMPARE(NextPaneWidth(0, 300, 1000), 300);    // hidden: back to the start width
        QCOMPARE(NextPaneWidth(500, 500, 1000), 900);  // start equal to half: half is skipped
        QCOMPARE(NextPaneWidth(123, 250, 1000), 250);  // dragged by hand: the cycle begins again
    }
};

QTEST_MAIN(GridGeometryTest)
#include "grid_geometry_test.moc"
