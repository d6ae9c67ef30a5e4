#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include "model/settings.h"
#include "tool_window_support.h"
#include "ui/other_definitions/etc_window.h"

using namespace rekkan;

class EtcWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Fewer editable rows than the layout has: the warning, its refusal, then the cut; the
    // settings file written at the end holds every choice of the window.
    void updateWarnsCutsAndStoresTheSettings() {
        test::ToolWindowBench bench;
        LayoutEditorController& editor = bench.kvel.Controller();
        bench.settings.Cmb_EditLine = 1;
        editor.SettingsChanged();
        editor.Document().items.resize(2500, editor.Document().items.back());
        ui::TFm_Etc etc(editor, bench.messages, bench.shell);
        etc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&etc));
        QCOMPARE(etc.Pages()->count(), 3);
        QVERIFY(!etc.TypeInputPage()->isVisible());
        const char* pages[] = {"etc_integer_size", "etc_display", "etc_editor"};
        for (int p = 0; p < 3; ++p) {
            etc.Pages()->setCurrentIndex(p);
            test::Picture(etc, pages[p]);
        }
        QVERIFY(!etc.EditorPath()->isEnabled());
        etc.EditorOther()->click();
        QVERIFY(etc.EditorPath()->isEnabled() && etc.BrowseButton()->isEnabled());
        // A path Shift-JIS cannot hold is not taken, and the window says so.
        QTest::keyClicks(etc.EditorPath(), QStringLiteral("/opt/ed"));
        QVERIFY(etc.statusBar()->currentMessage().isEmpty());
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u00e9"));
        QApplication::sendEvent(etc.EditorPath(), &typed);
        QVERIFY(etc.statusBar()->currentMessage().contains(QStringLiteral("Shift-JIS")));
        QCoreApplication::processEvents();
        test::Picture(etc, "etc_editor_path_not_taken");

        etc.List(EtcList::EditLine)->setCurrentIndex(0);
        etc.List(EtcList::Long)->setCurrentIndex(3);
        etc.List(EtcList::RedPlotType)->setCurrentIndex(1);  // on the page not shown
        etc.WorkExtension()->clear();
        QTest::keyClicks(etc.WorkExtension(), QStringLiteral("../x"));
        bench.messages.Script(Answer::Yes);
        bench.messages.Script(Answer::No);
        QTest::mouseClick(etc.UpdateButton(), Qt::LeftButton);
        QCOMPARE(
            bench.messages.Log().back().text,
            sj("<< 注意 >>\r\r編集可能行数以降は破棄されます。\r\r(2000 行目以降は破棄されます)\r\rよろしいですか？"));
        QCOMPARE(editor.Document().Count(), 2500);
        QCOMPARE(bench.settings.Cmb_Long, 1);

        bench.messages.Script(Answer::Yes);
        bench.messages.Script(Answer::Yes);
        QTest::mouseClick(etc.UpdateButton(), Qt::LeftButton);
        QCOMPARE(editor.Document().Count(), 2000);
        QCOMPARE(etc.WorkExtension()->text(), QStringLiteral("cpp"));  // refused, the old one stays
        QVERIFY(bench.messages.Log()[bench.messages.Log().size() - 2].text.find("cpp") != std::string::npos);
        QVERIFY(editor.Shutdown({}));
        Settings expected;
        SetDefaults(expected, editor.ProgramFolderText() + "/", bench.kvel.fontMetrics().horizontalAdvance('A'));
        ParseSettings(test::ReadBytes(std::string_view(bench.dir.File("kvelOpt2.Dat"))), expected);
        QCOMPARE(expected.Cmb_EditLine, 0);
        QCOMPARE(expected.Cmb_Long, 3);
        QCOMPARE(expected.Cmb_RedPlotType, 1);
        QVERIFY(expected.Rbt_EditorOther && !expected.Rbt_EditorSelf);
        QCOMPARE(expected.Edt_EditorWorkExt, std::string("cpp"));
        QCOMPARE(expected.Edt_EditorPath, std::string("/opt/ed"));
    }

    // The check box of our own enters and leaves the redefinition view.
    void viewBoxSwitchesTheView() {
        test::ToolWindowBench bench;
        ui::TFm_Etc etc(bench.kvel.Controller(), bench.messages, bench.shell);
        etc.show();
        etc.Pages()->setCurrentIndex(1);
        etc.ViewBox()->click();
        QVERIFY(bench.kvel.Controller().Model().View());
        etc.ViewBox()->click();
        QVERIFY(!bench.kvel.Controller().Model().View());
        QVERIFY(!etc.ViewBox()->isChecked());
    }
};

QTEST_MAIN(EtcWindowTest)
#include "etc_window_test.moc"
