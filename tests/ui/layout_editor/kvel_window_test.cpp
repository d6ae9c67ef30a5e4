#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QUrl>

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
        auto* box = table->findChild<QPlainTextEdit*>(QStringLiteral("Mem_Cell"));
        QVERIFY(box);
        QCOMPARE(box->height(), 3 * table->visualRect(grid->index(2, 3)).height());  // three rows high
        box->setPlainText(QStringLiteral("02 CUST\nOMER"));                          // line breaks are not kept
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_COMPARE(grid->data(grid->index(2, 3)).toString(), QStringLiteral("   02 CUSTOMER"));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(table->currentIndex(), grid->index(2, 4));
        QVERIFY(grid->setData(grid->index(2, 4), QStringLiteral("CUST")));

        // The type list: S.COMP-3 chosen over the X the row took from the item above.
        LayoutEditorModel& model = w.Controller().Model();
        table->setCurrentIndex(grid->index(2, 6));
        QCOMPARE(grid->data(grid->index(2, 6), Qt::BackgroundRole).value<QBrush>(), QBrush(Qt::white));  // the cursor
        QTest::keyClick(table, Qt::Key_A);  // swallowed in the type column
        QVERIFY(!table->findChild<QComboBox*>());
        QTest::keyClick(table, Qt::Key_Return);
        auto* list = table->findChild<QComboBox*>(QStringLiteral("Cmb_Type"));
        QVERIFY(list);
        QCOMPARE(list->currentText().trimmed(), QStringLiteral("X"));
        list->showPopup();
        Picture(*list->view()->window(), "kvel_type_list_open");
        list->hidePopup();
        list->setCurrentIndex(model.Types().IndexOf(kSComp3));
        QTest::keyClick(list, Qt::Key_Tab);  // stores the type and moves on to the repeat column
        QTRY_COMPARE(w.Controller().Document().items[2].TYP, int{kSComp3});
        QCOMPARE(table->currentIndex(), grid->index(2, 7));
        QVERIFY(grid->setData(grid->index(2, 8), QStringLiteral("10")));
        QVERIFY(grid->setData(grid->index(3, 3), QStringLiteral("02 FILLER")));
        QCOMPARE(grid->rowCount(), 5);
        QVERIFY(!(grid->flags(grid->index(3, 0)) & Qt::ItemIsEditable));

        // The level buttons stand in the current row: ">" makes CUSTOMER a group, "<" gives its type back.
        table->setCurrentIndex(grid->index(3, 3));
        auto* up = w.findChild<QPushButton*>(QStringLiteral("Btn_LevelUp"));
        QVERIFY(up->isVisible());
        QCOMPARE(up->parentWidget()->geometry(), table->visualRect(grid->index(3, 2)));
        up->click();
        QCOMPARE(grid->data(grid->index(3, 3)).toString(), QStringLiteral("      03 FILLER"));
        QCOMPARE(w.Controller().Document().items[2].TYP, int{kGroup});
        w.findChild<QPushButton*>(QStringLiteral("Btn_LevelDown"))->click();
        QCOMPARE(w.Controller().Document().items[2].TYP, int{kSComp3});

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
        QAction* undo = MenuItem(w, QStringLiteral("元に戻す  #6  【範囲削除】"));
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
        twin.SetCursor(3, 3);
        QVERIFY(twin.LevelUp() && twin.LevelDown());

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

    // "複写" duplicates the cursor row; the rows go to the desktop clipboard and come back in at
    // the cursor; undo takes each step back in turn.
    void copiesPastesAndUndoesEachStep() {
        test::TempDir dir;
        Settings settings;
        ScriptedMessages msgs;
        ui::TFm_Kvel w(settings, dir.Path(), msgs);
        w.show();
        auto* table = w.findChild<QTableView*>(QStringLiteral("Grid_Items"));
        QAbstractItemModel* grid = table->model();
        const QString first = grid->data(grid->index(0, 3)).toString();
        const QString second = grid->data(grid->index(1, 3)).toString();
        table->setCurrentIndex(grid->index(1, 3));
        w.findChild<QPushButton*>(QStringLiteral("Btn_Copy"))->click();
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(grid->data(grid->index(2, 3)).toString(), second);

        QGuiApplication::clipboard()->clear();
        QMenu* menu = w.BuildContextMenu();
        QMenu* clip = menu->actions().at(4)->menu();
        QVERIFY(!clip->actions().at(1)->isEnabled());  // "2. 取り込む": nothing of ours on the clipboard
        menu->popup(table->viewport()->mapToGlobal(QPoint(40, 40)));
        Picture(*menu, "kvel_context_menu");
        menu->close();
        msgs.Script(Answer::Ok);
        clip->actions().at(0)->trigger();  // "1 書き込む": the first row when no range was marked
        delete menu;
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("kvel#32.lay\r\n")));

        table->setCurrentIndex(grid->index(3, 3));  // below the last item
        msgs.Script(Answer::Ok);
        menu = w.BuildContextMenu();
        menu->actions().at(4)->menu()->actions().at(1)->trigger();
        delete menu;
        QCOMPARE(grid->rowCount(), 5);
        QCOMPARE(grid->data(grid->index(3, 3)).toString(), first);
        QVERIFY(w.Controller().Document().modified);

        QCOMPARE(MenuItem(w, QStringLiteral("元に戻す  #2  【←Clipboard】"))->isEnabled(), true);
        w.Run(EditorCommand::Undo);
        QCOMPARE(grid->rowCount(), 4);
        QVERIFY(MenuItem(w, QStringLiteral("元に戻す  #1  【複写】")));
        w.Run(EditorCommand::Undo);
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->data(grid->index(1, 3)).toString(), second);
        QAction* undo = MenuItem(w, QStringLiteral("元に戻す"));
        QVERIFY(undo && !undo->isEnabled());
        QVERIFY(!w.Controller().Document().modified);

        // Editing in place: the first key counts as a change; the stored cell is one undo step.
        settings.Cmb_CellEdit = 0;
        w.Controller().SettingsChanged();
        table->setFocus();
        table->setCurrentIndex(grid->index(0, 4));
        QTest::keyClick(table, Qt::Key_Q);
        auto* line = table->findChild<QLineEdit*>();
        QVERIFY(line && w.Controller().Document().modified);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_COMPARE(grid->data(grid->index(0, 4)).toString(), QStringLiteral(" q"));
        QVERIFY(MenuItem(w, QStringLiteral("元に戻す  #1  【セル内容 Var.Name - sample_record】")));
    }

    // A layout with a redefinition: its rows drawn apart, then the view with every edit closed.
    // A layout file dropped from the desktop, its name in Japanese, is opened like "開く" would.
    void opensADroppedLayoutFile() {
        test::TempDir dir;
        LayoutDocument doc;
        doc.RdfCmt = "DROPPED";
        doc.items = MakeRows({{.name = "REC", .type = kGroup}, {.level = 2, .name = "A", .bytes = 3}});
        const std::filesystem::path file = dir.Path() / std::filesystem::u8path("表.kvl");
        test::WriteBytes(file, FormatLayoutFile(doc));
        Settings settings;
        ScriptedMessages msgs;
        ui::TFm_Kvel w(settings, dir.Path(), msgs);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QMimeData data;
        const QString path = QString::fromStdString(file.string());
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &drop);  // Qt delivers a drop only where the drag entered
        QVERIFY(drop.isAccepted());
        QCOMPARE(w.windowTitle(), QStringLiteral("Morvane for Rekkan  [ %1 ]").arg(path));
        QCOMPARE(w.Controller().Document().RdfCmt, std::string("DROPPED"));
    }

    // Dragging onto the last row shown marks on by itself while the button is held: the grid
    // scrolls and the range follows the rows that come into view; letting go stops it.
    void markingAtTheEdgeScrollsOn() {
        test::TempDir dir;
        LayoutDocument doc;
        doc.RdfCmt = "LONG";
        doc.items = MakeRows({{.name = "REC", .type = kGroup}});
        for (int i = 1; i < 200; ++i)
            doc.items.push_back(MakeRow({.level = 2, .name = "F" + std::to_string(i), .bytes = 1}));
        test::WriteBytes(dir.Path() / "long.kvl", FormatLayoutFile(doc));
        Settings settings;
        ScriptedMessages msgs;
        ui::TFm_Kvel w(settings, dir.Path(), msgs);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.Controller().OpenPath(dir.File("long.kvl")));
        w.RefreshAll();
        auto* table = w.findChild<QTableView*>(QStringLiteral("Grid_Items"));
        const int lastShown = table->rowAt(table->viewport()->height() - 1);
        QVERIFY(lastShown > 2 && lastShown < 150);
        const QPoint from = table->visualRect(table->model()->index(1, 3)).center();
        const QPoint edge = table->visualRect(table->model()->index(lastShown, 3)).center();
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(table->viewport(), edge);
        const LayoutEditorModel& model = w.Controller().Model();
        QTRY_VERIFY(model.Range().end > lastShown + 5);
        QVERIFY(table->verticalScrollBar()->value() > 0);
        QCOMPARE(model.Range().start, 1);
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, edge);
        const int end = model.Range().end;
        QTest::qWait(150);
        QCOMPARE(model.Range().end, end);
    }

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
        QCOMPARE(grid->data(grid->index(1, 9), Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(0xA5, 0xA5, 0xA5));  // X takes no decimals
        QVERIFY(!grid->data(grid->index(1, 8), Qt::BackgroundRole).isValid());
        Picture(w, "kvel_redefinition_layout");

        // Tools hook in: usable once connected, the table's editors closed in the view.
        auto* editor = w.findChild<QPushButton*>(QStringLiteral("Btn_Editor"));
        QVERIFY(!editor->isEnabled());
        int opened = 0;
        QWidget toolWindow;
        w.ConnectTool(
            ui::KvelTool::TextEditor, [&opened] { ++opened; }, &toolWindow);
        editor->click();
        QCOMPARE(opened, 1);

        QVERIFY(w.Controller().Model().Execute(EditorCommand::EnterView));
        w.RefreshAll();
        QVERIFY(!w.findChild<QLabel*>(QStringLiteral("Lbl_Mode"))->text().isEmpty());
        for (int c = 3; c <= 10; ++c) QVERIFY(!(grid->flags(grid->index(1, c)) & Qt::ItemIsEditable));
        for (const char* name : {"Edt_PreFix", "Btn_Editor", "Btn_Copy", "Btn_Delete", "Btn_LevelUp"})
            QVERIFY2(!w.findChild<QWidget*>(QLatin1String(name))->isEnabled(), name);
        QVERIFY(!MenuItem(w, QStringLiteral("2. 上書き保存する (&S)"))->isEnabled());
        table->setFocus();
        table->setCurrentIndex(grid->index(2, 3));
        QTest::keyClick(table, Qt::Key_Return);  // the cell's text in a grey box that takes no input
        auto* box = table->findChild<QPlainTextEdit*>(QStringLiteral("Mem_CellView"));
        QVERIFY(box && box->isReadOnly());
        QCOMPARE(box->toPlainText(), grid->data(grid->index(2, 3)).toString());
        Picture(w, "kvel_view");
        QTest::keyClick(box, Qt::Key_Escape);

        QVERIFY(w.Controller().Model().Execute(EditorCommand::LeaveView));
        w.RefreshAll();
        QCOMPARE(grid->rowCount(), 6);
        QVERIFY(w.findChild<QPushButton*>(QStringLiteral("Btn_LevelUp"))->isEnabled());

        // Closing hands over to the record editor and hides the tool windows.
        struct Link : RecordEditorLink {
            int closed = 0;
            std::string ShownLayoutPath() const override { return {}; }
            void RefreshShownEntry() override {}
            void LayoutEditorClosed() override { ++closed; }
        } link;
        w.SetRecordEditor(&link);
        toolWindow.show();
        QVERIFY(w.close());
        QCOMPARE(link.closed, 1);
        QVERIFY(!toolWindow.isVisible() && !w.isVisible());
    }
};

QTEST_MAIN(KvelWindowTest)
#include "kvel_window_test.moc"
