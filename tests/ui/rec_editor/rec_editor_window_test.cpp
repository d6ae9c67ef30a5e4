#include <QAbstractItemModelTester>
#include <QDir>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "support/test_support.h"
#include "ui/app/qt_text.h"
#include "ui/models/field_table_model.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

using namespace rekkan;

class RecEditorWindowTest : public QObject {
    Q_OBJECT

private:
    static void Save(QWidget& w, const QString& name) {
        const QString dir = qEnvironmentVariable("REKKAN_SCREENSHOTS");
        if (dir.isEmpty()) return;
        QDir().mkpath(dir);
        w.grab().save(dir + "/" + name + ".png");
    }

private slots:
    void startsWithItsTitle() {
        Settings settings;
        ScriptedMessages msgs;
        ui::TFm_RecEditor w(settings, msgs);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Rekkan Ver 2.05"));
        Save(w, "rec_editor_empty");
    }

    void showsALayoutWithItsFirstRecord() {
        test::TempDir dir;
        const std::string layout =
            "kvel#32.lay\r\n%!#RdfCmt=" + sj("顧客") +
            "%!#\r\n%!#PreFix=%!#\r\n"
            "%!#SEQ=1%!#%!#LVL=1%!#KOM=" +
            sj("顧客名") +
            "%!#VNM=NAME%!#RED=%!#TYP=1%!#RPT=1%!#BYT=6%!#SYO=0%!#BKO=%!#\r\n"
            "%!#SEQ=2%!#%!#LVL=1%!#KOM=AMT%!#VNM=AMT%!#RED=%!#TYP=4%!#RPT=1%!#BYT=3%!#SYO=0%!#BKO=%!#\r\n";
        test::WriteBytes(dir.Path() / "cust.kvl", layout);
        test::WriteBytes(dir.Path() / "cust.dat", sj("山田") + "  " + "\xF1\xF2\xD3");  // zoned -123, EBCDIC
        const std::string group = FormatGroupText({GroupLine{dir.File("cust.kvl"), dir.File("cust.dat"), 0, 0}});
        test::WriteBytes(dir.Path() / "g.LGP", group);

        Settings settings;
        SetDefaults(settings, "", 8);
        ScriptedMessages msgs;
        ui::TFm_RecEditor w(settings, msgs);
        w.show();
        QVERIFY(w.OpenPath(dir.File("g.LGP")));
        QVERIFY(msgs.Log().empty());
        QCOMPARE(w.Fields().size(), std::size_t{2});
        QCOMPARE(w.Texts().texts.size(), std::size_t{2});
        QCOMPARE(ui::ToQ(w.Texts().texts[0]).trimmed(), QStringLiteral("山田"));
        QVERIFY(ui::ToQ(w.Texts().texts[1]).contains(QStringLiteral("-123")));
        QVERIFY(w.OutcomeText().contains(QStringLiteral("Rec.Len = 9")));
        auto* table = w.findChild<QTableView*>(QStringLiteral("Grid_Fields"));
        QVERIFY(table);
        QCOMPARE(table->model()->rowCount(), 2);
        QAbstractItemModelTester tester(table->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        Save(w, "rec_editor_layout");
    }

    void refusesAFileItCannotRead() {
        Settings settings;
        ScriptedMessages msgs;
        ui::TFm_RecEditor w(settings, msgs);
        QVERIFY(!w.OpenPath("/no/such/file.LGP"));
        QCOMPARE(msgs.Log().size(), std::size_t{1});
    }
};

QTEST_MAIN(RecEditorWindowTest)
#include "rec_editor_window_test.moc"
