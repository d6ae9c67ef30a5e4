#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tool_window_support.h"
#include "ui/listing/csv_window.h"

using namespace rekkan;

class CsvWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Boxes clicked off, then "実行" in both forms: each file holds what rekkan-cli lists for the
    // same layout and columns.
    void listsWhatTheCommandLineLists() {
        test::ToolWindowBench bench;
        bench.settings.Cmb_CobSN = 4;  // levels numbered from 05
        ui::TFm_Csv csv(bench.kvel.Controller(), bench.messages, bench.shell);
        csv.show();
        QVERIFY(QTest::qWaitForWindowExposed(&csv));
        QVERIFY(csv.TextButton()->isChecked());
        QVERIFY(csv.Box(ListingBox::Pos)->isChecked());
        csv.Box(ListingBox::Pos)->click();
        csv.Box(ListingBox::Indent)->click();
        QVERIFY(!bench.settings.Csv_Chk_Pos);
        test::Picture(csv, "csv_window");

        const QStringList options = {"--option", "Csv_Chk_Pos=False", "--option", "Csv_Chk_Indent=False",
                                     "--option", "Cmb_CobSN=4"};
        for (const bool asCsv : {false, true}) {
            (asCsv ? csv.CsvButton() : csv.TextButton())->click();
            QCOMPARE(bench.settings.Csv_Rbt_Csv, asCsv);
            const std::string target = bench.dir.File(asCsv ? "list.csv" : "list.txt");
            bench.shell.saveAnswers = {target};
            bench.messages.Script(Answer::Yes);
            QTest::mouseClick(csv.ExecuteButton(), Qt::LeftButton);
            const QString word = asCsv ? "csv" : "text";
            QCOMPARE(test::ReadBytes(std::string_view(target)),
                     bench.Cli(QStringList{"listing", word, QString::fromStdString(bench.layout)} + options));
        }
    }
};

QTEST_MAIN(CsvWindowTest)
#include "csv_window_test.moc"
