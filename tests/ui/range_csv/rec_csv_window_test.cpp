#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "records/record_test_layouts.h"
#include "ui/app/qt_text.h"
#include "ui/range_csv/rec_csv_window.h"
#include "ui/text_viewer/browse_window.h"
#include "util/scripted_messages.h"

using namespace rekkan;

namespace {

/// The save dialog answers with one path.
struct SaveAs : EditorDialogs {
    std::string path;
    std::optional<EnteredText> OpenFile(const FileDialogSpec&) override { return std::nullopt; }
    std::vector<EnteredText> OpenFiles(const FileDialogSpec&) override { return {}; }
    std::optional<EnteredText> SaveFile(const FileDialogSpec&) override { return EnteredText{path, true}; }
};

}  // namespace

class RecCsvWindowTest : public QObject {
    Q_OBJECT
private slots:
    void writesWhatTheCommandLineWrites() {
        test::TempDir dir;
        Settings settings;
        SetDefaults(settings, dir.File(""), 8);
        settings.RecCsv_Chk_Grp = false;
        ScriptedMessages messages{Answer::Yes};
        SaveAs dialogs;
        dialogs.path = dir.File("out.csv");
        const std::string layout = test::WriteLayout(dir.File("o.kvl"), "Orders", test::OrderItems());
        std::string bytes;
        for (int i = 1; i <= 12; ++i) bytes += test::OrderRecord("N" + std::to_string(i), i, 3 * i, -i, "", i);
        test::WriteBytes(dir.Path() / "o.dat", bytes);
        LayoutDocument doc;
        doc.items = test::OrderItems();
        // Binary items decoded, as the command line shows them (the window starts them in hex).
        const std::vector<TRdbObj> fields = BuildFieldList(doc, HexStart::Script).fields;
        ui::TFm_Browse viewer(settings, messages);

        RangeCsvController::Setup setup;
        setup.dataPath = dir.File("o.dat");
        setup.recordLength = test::kOrderLength;
        setup.fields = &fields;
        setup.baseRecord = 2;
        setup.dataRows = 5;
        setup.programFolder = dir.File("");
        ui::TFm_RecCsv window(setup, settings, messages, dialogs, &viewer);
        window.show();
        auto* start = window.findChild<QLineEdit*>(QStringLiteral("Edt_Start"));
        auto* end = window.findChild<QLineEdit*>(QStringLiteral("Edt_End"));
        QCOMPARE(start->text(), QStringLiteral("3"));  // the browse table's rows
        QCOMPARE(end->text(), QStringLiteral("7"));
        QCOMPARE(window.findChild<QCheckBox*>(QStringLiteral("Chk_Last"))->text(), QStringLiteral("最終 Rec.No：12"));

        start->setText(QStringLiteral("10"));
        end->setText(QStringLiteral("3"));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Btn_Execute")), Qt::LeftButton);
        QTRY_VERIFY(!window.Running());  // written on a worker
        QCOMPARE(int(window.LastRun()), int(RangeCsvRun::Viewer));
        QCOMPARE(start->text(), QStringLiteral("3"));  // swapped
        QCOMPARE(end->text(), QStringLiteral("10"));
        QCOMPARE(viewer.ShownText().empty(), false);

        QProcess cli;
        cli.start(QStringLiteral(REKKAN_CLI_PROGRAM),
                  {"csv", ui::ToQ(layout), ui::ToQ(setup.dataPath), "--from", "3", "--to", "10", "--rec-no", "--pos",
                   "--heading", "-o", ui::ToQ(dir.File("cli.csv"))});
        QVERIFY(cli.waitForFinished(20000));
        QCOMPARE(cli.exitCode(), 0);
        const std::string written = test::ReadBytes(dir.Path() / "out.csv");
        QCOMPARE(ui::ToQ(written), ui::ToQ(test::ReadBytes(dir.Path() / "cli.csv")));
        QVERIFY(written == test::ReadBytes(dir.Path() / "cli.csv"));
        QCOMPARE(std::count(written.begin(), written.end(), '\n'), 9);  // heading and 8 records

        // With control statements the four boxes are unavailable and keep their settings.
        auto* tofgen = window.findChild<QCheckBox*>(QStringLiteral("Chk_Tofgen"));
        auto* recNo = window.findChild<QCheckBox*>(QStringLiteral("RecCsv_Chk_Rno"));
        tofgen->click();
        QVERIFY(!recNo->isEnabled());
        tofgen->click();
        QVERIFY(recNo->isEnabled());
        recNo->click();
        QCOMPARE(settings.RecCsv_Chk_Rno, false);

        const QString folder = qEnvironmentVariable("REKKAN_SCREENSHOTS");
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            QCoreApplication::processEvents();
            window.grab().save(folder + "/range_csv.png");
        }
    }
};

QTEST_MAIN(RecCsvWindowTest)
#include "rec_csv_window_test.moc"
