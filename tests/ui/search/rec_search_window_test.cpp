#include <QAbstractItemModelTester>
#include <QDir>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "records/record_test_layouts.h"
#include "ui/app/qt_text.h"
#include "ui/browse_table/browse_grid.h"
#include "ui/browse_table/rec_table_window.h"
#include "ui/delegates/cell_roles.h"
#include "ui/models/search_result_model.h"
#include "ui/search/rec_search_window.h"
#include "util/scripted_messages.h"
#include "util/text.h"

using namespace rekkan;

namespace {

constexpr int kName = 4 + 1;  // NAME in the results (hit number, Rec.No, position, fixed item, REC)
constexpr int kQty = 4 + 2;

/// A browse table over `bytes` of order records with the search window opened over it.
struct Search {
    test::TempDir dir;
    Settings settings;
    ScriptedMessages messages;
    std::vector<TRdbObj> fields;
    std::unique_ptr<ui::TFm_RecSearch> search;
    std::unique_ptr<ui::TFm_RecTable> table;

    explicit Search(const std::string& bytes) {
        SetDefaults(settings, dir.File(""), 8);
        LayoutDocument doc;
        doc.items = test::OrderItems();
        fields = BuildFieldList(doc).fields;
        test::WriteBytes(dir.Path() / "orders.dat", bytes);
        search = std::make_unique<ui::TFm_RecSearch>(messages);
        ui::RecTableSetup setup;
        setup.source = {dir.File("orders.dat"), 0, test::kOrderLength, 0, "orders.dat", 0};
        setup.fields = &fields;
        ui::RecTableLinks links;
        links.openSearch = [this](ui::TFm_RecTable& t) { search->Open(t); };
        links.closeSearch = [this] { search->CloseWithTable(); };
        table = std::make_unique<ui::TFm_RecTable>(setup, settings, messages, links);
        table->resize(900, 400);
        table->show();
        table->LoadNow();
        QTest::mouseClick(table->findChild<QPushButton*>(QStringLiteral("Btn_Search")), Qt::LeftButton);
    }
    template <typename W>
    W* Find(const char* name) const {
        return search->findChild<W*>(QString::fromLatin1(name));
    }
    void Run(const QString& words, bool orMode = false) {
        Find<QLineEdit>("Edt_Words")->setText(words);
        (orMode ? Find<QRadioButton>("Rbt_Or") : Find<QRadioButton>("Rbt_And"))->setChecked(true);
        QTest::mouseClick(Find<QPushButton>("Btn_Execute"), Qt::LeftButton);
        search->WaitForEnd();
    }
    QString Result(int row, int column) const { return search->Results().index(row, column).data().toString(); }
    bool Marked(int row, int column) const {
        return search->Results().index(row, column).data(ui::MarkedRole).toBool();
    }
    QString BrowseFirstRecNo() const { return table->Grid().ItemView()->model()->index(0, 0).data().toString(); }
};

std::string Orders() {
    std::string bytes;
    for (int i = 1; i <= 30; ++i)
        bytes += test::OrderRecord(i % 10 == 3 ? "apple" : "plum", i % 10 == 3 || i == 8 ? 123 : i, 1, 2, "", 0);
    return bytes;
}

}  // namespace

class RecSearchWindowTest : public QObject {
    Q_OBJECT
private slots:
    void findsMarksAndWalksTheHits() {
        Search s(Orders());
        QAbstractItemModelTester tester(&s.search->Results(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(s.search->isVisible());
        QCOMPARE(s.search->windowTitle(), QStringLiteral("Rekkan 検索"));

        s.Run(QStringLiteral("APPLE 12"));  // both words: records 3, 13 and 23
        QCOMPARE(s.search->Results().rowCount(), 3);
        QCOMPARE(s.Find<QLineEdit>("Edt_Count")->text(), QStringLiteral("3 "));
        // Headings: hit number, Rec.No and position centred, the fixed item from the left, then
        // the group item REC apart from the items with values.
        const QAbstractItemModel& results = s.search->Results();
        const auto kind = [&](int c) { return results.headerData(c, Qt::Horizontal, ui::HeaderKindRole).toInt(); };
        using K = ui::HeaderKind;
        QCOMPARE((std::vector<int>{kind(0), kind(2), kind(3), kind(4), kind(kName)}),
                 (std::vector<int>{int(K::CentredFixed), int(K::CentredFixed), int(K::LeftFixed), int(K::GroupItem),
                                   int(K::Item)}));
        QCOMPARE(results.headerData(0, Qt::Horizontal).toString(), QStringLiteral("SEQ"));
        QCOMPARE(s.Result(1, 0), QStringLiteral("2"));
        QCOMPARE(s.Result(1, 1), QStringLiteral("13"));
        QVERIFY(s.Marked(0, kName) && s.Marked(0, kQty));
        QVERIFY(!s.Marked(0, 4));  // the group item never matches
        // The first marked cell is selected and the browse table shows its record first.
        QCOMPARE(s.search->Grid().Selection()->currentIndex(), s.search->Results().index(0, kName));
        QCOMPARE(s.BrowseFirstRecNo(), QStringLiteral("3"));
        QTest::mouseClick(s.Find<QPushButton>("Btn_Next"), Qt::LeftButton);
        QCOMPARE(s.search->Grid().Selection()->currentIndex(), s.search->Results().index(0, kQty));
        QTest::mouseClick(s.Find<QPushButton>("Btn_Next"), Qt::LeftButton);
        QCOMPARE(s.BrowseFirstRecNo(), QStringLiteral("13"));
        for (int i = 0; i < 3; ++i) QTest::mouseClick(s.Find<QPushButton>("Btn_Prior"), Qt::LeftButton);
        QVERIFY(!s.messages.Texts().empty());
        QCOMPARE(s.messages.Texts().back(), NoPriorHitMessage());
        QCOMPARE(s.search->Grid().Selection()->currentIndex(), s.search->Results().index(0, kName));
        const QString folder = qEnvironmentVariable("REKKAN_SCREENSHOTS");
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            QCoreApplication::processEvents();
            s.search->grab().save(folder + "/search_results.png");
        }

        s.Run(QStringLiteral("APPLE 12"), true);  // either word: the apples, records 8 and 12
        QCOMPARE(s.search->Results().rowCount(), 5);
        QCOMPARE(s.Result(2, 1), QStringLiteral("12"));
        QVERIFY(!s.Marked(1, kName) && s.Marked(1, kQty));
        s.Run(QString());
        QCOMPARE(s.search->Results().rowCount(), 0);

        s.search->Reset();
        QVERIFY(s.Find<QLineEdit>("Edt_Words")->text().isEmpty());
        QVERIFY(!s.Find<QPushButton>("Btn_Next")->isEnabled());
    }

    void closingTheTableStopsARunningSearch() {
        std::string bytes;
        const std::string one = test::OrderRecord("apple", 1, 1, 1, "", 0);
        for (int i = 0; i < 1'000'000; ++i) bytes += one;
        Search s(bytes);
        s.Find<QLineEdit>("Edt_Words")->setText(QStringLiteral("apple"));
        QTest::mouseClick(s.Find<QPushButton>("Btn_Execute"), Qt::LeftButton);
        QVERIFY(s.search->Searching());
        QVERIFY(s.Find<QPushButton>("Btn_Stop")->isVisible());
        s.table->reject();  // waits for the worker
        QVERIFY(!s.search->Searching());
        QVERIFY(!s.search->isVisible());
        const int hits = s.search->Results().rowCount();
        QVERIFY(hits < 1'000'000);  // stopped at a 500-record mark, the hits so far kept
        QCOMPARE(hits % 500, 0);
        QCOMPARE(s.Find<QLineEdit>("Edt_Count")->text().trimmed(), ui::ToQ(GroupThousands(hits)));
    }
};

QTEST_MAIN(RecSearchWindowTest)
#include "rec_search_window_test.moc"
