#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "layout_editor/save_button_rule.h"
#include "model/layout_file.h"
#include "model/row_builder.h"
#include "support/test_support.h"
#include "ui/app/qt_text.h"
#include "ui/layout_editor/item_grid_model.h"
#include "ui/layout_editor/kvel_window.h"
#include "util/encoding.h"
#include "util/scripted_messages.h"

using namespace rekkan;

namespace {

void Picture(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("REKKAN_SCREENSHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    w.grab().save(dir + "/" + name + ".png");
}

QAction* MenuItem(QWidget& w, const QString& text) {
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

}  // namespace

class KvelWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Rows typed into the grid, a type chosen from the list, a range marked with the mouse and
    // deleted, the deletion undone, and the layout saved: the file holds what the core writes
    // for the same edits.
    void editsTheGridAndSavesIt() {
        test::TempDir dir;
        Settings settings;
        ScriptedMessages msgs;
        ui::TFm_Kvel w(settings, dir.Path(), msgs);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Morvane for Rekkan"));
        QVERIFY(MenuItem(w, QStringLiteral("Max.Lines[ 2,000 ]")));
        auto* table = w.findChild<QTableView*>(QStringLiteral("Grid_Items"));
        QAbstractItemModel* grid = table->model();
        QAbstractItemModelTester tester(grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(grid->headerData(6, Qt::Horizontal).toString(), QStringLiteral(" 型 <COBOL 優先>"));
        QCOMPARE(grid->rowCount(), 3);  // the sample's two rows and the row that appends
        Picture(w, "kvel_plain");

        // Enter opens the name cell of the empty row; the second Enter moves on.
        table->setFocus();
        table->setCurrentIndex(grid->index(2, 3));
        QTest::keyClick(table, Qt::Key_Return);
        auto* box = table->findChild<QLineEdit*>();
        QVERIFY(box);
        box->setText(QStringLiteral("02 CUSTOMER"));
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_COMPARE(grid->data(grid->index(2, 3)).toString(), QStringLiteral("   02 CUSTOMER"));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(table->currentIndex(), grid->index(2, 4));
        QVERIFY(grid->setData(grid->index(2, 4), QStringLiteral("CUST")));

        // The type list: S.COMP-3 chosen over the X the row took from the item above.
        LayoutEditorModel& model = w.Controller().Model();
        table->setCurrentIndex(grid->index(2, 6));
        QTest::keyClick(table, Qt::Key_A);  // swallowed in the type column
        QVERIFY(!table->findChild<QComboBox*>());
        QTest::keyClick(table, Qt::Key_Return);
        auto* list = table->findChild<QComboBox*>(QStringLiteral("Cmb_Type"));
        QVERIFY(list);
        QCOMPARE(list->currentText().trimmed(), QStringLiteral("X"));
        list->setCurrentIndex(model.Types().IndexOf(kSComp3));
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(w.Controller().Document().items[2].TYP, int{kSComp3});
        QVERIFY(grid->setData(grid->index(2, 8), QStringLiteral("10")));
        QVERIFY(grid->setData(grid->index(3, 3), QStringLiteral("02 FILLER")));
        QCOMPARE(grid->rowCount(), 5);
        QVERIFY(!(grid->flags(grid->index(3, 0)) & Qt::ItemIsEditable));

        // Dragging from row 3 to row 4 marks them; "削除" asks, then deletes.
        const QPoint from = table->visualRect(grid->index(2, 3)).center();
        const QPoint to = table->visualRect(grid->index(3, 3)).center();
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(table->viewport(), to);
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, to);
        QCOMPARE(model.Range().state, int{RangeState::Marking});
        QCOMPARE(model.Range().start, 2);
        QCOMPARE(model.Range().end, 3);
        QCOMPARE(grid->data(grid->index(3, 3), Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 0, 0x80));
        Picture(w, "kvel_range_marked");
        QMenu* menu = w.BuildContextMenu();
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("1. 確定"));
        QVERIFY(menu->actions().at(0)->isEnabled());
        QVERIFY(!menu->actions().at(1)->isEnabled());  // "2. 解除" waits for a confirmed range
        delete menu;
        msgs.Script(Answer::Ok);
        w.findChild<QPushButton*>(QStringLiteral("Btn_Delete"))->click();
        QCOMPARE(grid->rowCount(), 3);

        // Steps: the variable name, the type and the digits of the existing row, then the deletion.
        QAction* undo = MenuItem(w, QStringLiteral("元に戻す  #4  【範囲削除】"));
        QVERIFY(undo);
        undo->trigger();
        QCOMPARE(grid->rowCount(), 5);
        QCOMPARE(grid->data(grid->index(3, 3)).toString(), QStringLiteral("   02 FILLER"));

        // The same edits on the core alone.
        LayoutDocument expected;
        SetSampleLayout(expected, LangPriority::Cobol);
        expected.sizes = w.Controller().Document().sizes;
        ScriptedMessages quiet;
        MemoryClipboard clipboard;
        LayoutEditorModel twin(expected, quiet, clipboard);
        QVERIFY(twin.CommitRow(2, RowTexts{"02 CUSTOMER", "CUST", "", "", "", "", "", ""}));
        twin.SetCursor(2, 6);
        QVERIFY(twin.ChooseType(twin.Types().IndexOf(kSComp3)));
        QVERIFY(twin.CommitRow(2, RowTexts{"02 CUSTOMER", "CUST", "", "", "", "10", "", ""}));
        QVERIFY(twin.CommitRow(3, RowTexts{"02 FILLER", "", "", "", "", "", "", ""}));

        QTRY_VERIFY(w.findChild<QPushButton*>(QStringLiteral("Btn_Save"))->isEnabled());
        const QString path = QString::fromStdString(dir.Path().string()) + "/cust.kvl";
        QTimer::singleShot(0, [path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        msgs.Script(Answer::Yes);
        w.findChild<QPushButton*>(QStringLiteral("Btn_Save"))->click();
        QCOMPARE(w.windowTitle(), QStringLiteral("Morvane for Rekkan  [ %1 ]").arg(path));
        QCOMPARE(ui::ToQ(test::ReadBytes(dir.Path() / "cust.kvl")), ui::ToQ(FormatLayoutFile(expected)));
        w.RefreshSaveButton();
        QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("Btn_Save"))->isEnabled());
    }

    // A layout with a redefinition: its rows drawn apart, then the view with every edit closed.
    void showsRedefinitionsAndTheirView() {
        test::TempDir dir;
        LayoutDocument doc;
        doc.RdfCmt = "REDEF";
        doc.items = MakeRows({{.name = "REC", .type = kGroup},
                              {.level = 2, .name = "A", .bytes = 8},
                              {.level = 2, .name = "B", .type = kGroup, .redefines = "A"},
                              {.level = 3, .name = "B1", .bytes = 4},
                              {.level = 3, .name = "B2", .type = kSComp3, .bytes = 7}});
        test::WriteBytes(dir.Path() / "r.kvl", FormatLayoutFile(doc));
        Settings settings;
        ScriptedMessages msgs;
        ui::TFm_Kvel w(settings, dir.Path(), msgs);
        w.show();
        QVERIFY(w.Controller().OpenPath(dir.File("r.kvl")));
        w.RefreshAll();
        auto* table = w.findChild<QTableView*>(QStringLiteral("Grid_Items"));
        QAbstractItemModel* grid = table->model();
        QCOMPARE(grid->data(grid->index(3, 3), Qt::ForegroundRole).value<QBrush>().color(), QColor(0x80, 0, 0));
        QCOMPARE(grid->data(grid->index(4, 8), Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(0xB0, 0xB0, 0xB0));  // a member: the redefinition grey wins over no-input grey
        Picture(w, "kvel_redefinition_layout");

        QVERIFY(w.Controller().Model().Execute(EditorCommand::EnterView));
        w.RefreshAll();
        QVERIFY(!w.findChild<QLabel*>(QStringLiteral("Lbl_Mode"))->text().isEmpty());
        for (int c = 3; c <= 10; ++c) QVERIFY(!(grid->flags(grid->index(1, c)) & Qt::ItemIsEditable));
        QVERIFY(!w.findChild<QLineEdit*>(QStringLiteral("Edt_PreFix"))->isEnabled());
        Picture(w, "kvel_view");
    }
};

QTEST_MAIN(KvelWindowTest)
#include "kvel_window_test.moc"
