#include <QTest>

#include "model/type_catalogue.h"
#include "ui/app/colours.h"
#include "ui/delegates/cell_look.h"
#include "ui/delegates/ruler_ticks.h"

using namespace rekkan;
using namespace rekkan::ui;

class CellDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void rulerCountsCharactersHexBytesAndNibbles() {
        QCOMPARE(RulerKindOf(kX, false), RulerKind::Characters);
        QCOMPARE(RulerKindOf(kJ, false), RulerKind::Characters);
        QCOMPARE(RulerKindOf(kBit, false), RulerKind::Bits);
        QCOMPARE(RulerKindOf(kSNum, true), RulerKind::HexBytes);
        QCOMPARE(RulerKindOf(kSNum, false), RulerKind::None);
        QCOMPARE(RulerKindOf(kGroup, true), RulerKind::None);

        // X(6): six ticks a character apart, the fifth dark red, a closing mark at the end.
        RulerMarks x = RulerMarksFor(RulerKind::Characters, 6, 7, 10, 1000);
        QCOMPARE(x.ticks.size(), std::size_t{6});
        QCOMPARE(x.ticks[0], (RulerTick{17, false}));
        QCOMPARE(x.ticks[4], (RulerTick{45, true}));
        QCOMPARE(x.closingX, 52);
        // Three bytes in hex: a tick every two characters.
        RulerMarks hex = RulerMarksFor(RulerKind::HexBytes, 3, 7, 0, 1000);
        QCOMPARE(hex.ticks.size(), std::size_t{3});
        QCOMPARE(hex.ticks[2].x, 42);
        QCOMPARE(hex.closingX, -1);
        // Two bytes of bits: four ticks, one per four bits.
        QCOMPARE(RulerMarksFor(RulerKind::Bits, 2, 7, 0, 1000).ticks.back().x, 4 * 28);
        // A field far wider than its cell lists only what the cell shows.
        RulerMarks wide = RulerMarksFor(RulerKind::Characters, 999999, 7, 0, 700);
        QCOMPARE(wide.ticks.size(), std::size_t{100});
        QCOMPARE(wide.closingX, -1);
    }

    void cellColoursFollowTheRowsState() {
        struct Case {
            CellFacts facts;
            CellLook look;
        };
        const Case cases[] = {
            {{0, false, false, false, false}, {look::kGrid, bgr::kWhite}},
            {{0, true, false, false, false}, {look::kGrid, bgr::kWhite}},  // group SEQ stays white
            {{4, true, false, false, false}, {look::kGrid, bgr::kGold}},
            {{7, true, false, false, false}, {bgr::kGroupFill, look::kContentText}},
            {{3, false, true, false, false}, {bgr::kPanel, bgr::kRed}},  // past end
            {{5, false, true, false, false}, {look::kGrid, bgr::kWhite}},
            {{5, false, false, true, false}, {bgr::kPanel, bgr::kRed}},  // error mark
            {{6, false, false, false, false}, {look::kButton, look::kButtonText}},
            {{7, false, false, false, true}, {0x000000, bgr::kWhite}},  // restored by undo
            {{7, false, false, false, false}, {look::kContent, look::kContentText}},
        };
        for (const Case& c : cases) QCOMPARE(CellLookOf(c.facts), c.look);
        QCOMPARE(HeadingLookOf(6, true).text, bgr::kBlue);
        QCOMPARE(HeadingLookOf(6, false).text, look::kButtonText);
        QCOMPARE(HeadingLookOf(7, true), (CellLook{look::kHeading, bgr::kWhite}));
    }
};

QTEST_MAIN(CellDrawingTest)
#include "cell_drawing_test.moc"
