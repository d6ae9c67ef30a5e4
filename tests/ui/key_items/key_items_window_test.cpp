#include <QAbstractItemModelTester>
#include <QDir>
#include <QListView>
#include <QMimeData>
#include <QTest>

#include <memory>

#include "layout_editor/layout_editor_controller.h"
#include "model/key_items.h"
#include "model/layout_file.h"
#include "model/row_builder.h"
#include "support/test_support.h"
#include "ui/app/qt_text.h"
#include "ui/key_items/key_items_window.h"
#include "ui/layout_editor/kvel_window.h"
#include "ui/models/key_list_models.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/scripted_messages.h"

using namespace rekkan;

namespace {

/// Drags rows `rows` of `from` and drops them on line `line` of `to` (-1: below the lines).
bool Drag(QAbstractItemModel& from, std::initializer_list<int> rows, QAbstractItemModel& to, int line) {
    QModelIndexList indexes;
    for (int r : rows) indexes.push_back(from.index(r, 0));
    std::unique_ptr<QMimeData> data(from.mimeData(indexes));
    const QModelIndex target = line >= 0 ? to.index(line, 0) : QModelIndex();
    if (!to.canDropMimeData(data.get(), Qt::CopyAction, -1, -1, target)) return false;
    (void)to.dropMimeData(data.get(), Qt::CopyAction, -1, -1, target);
    return true;
}

QStringList Lines(const QAbstractItemModel& m) {
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r) out << m.index(r, 0).data().toString().simplified();
    return out;
}

}  // namespace

class KeyItemsWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Keys built by drag and drop between the lists are the layout's key lines when it is saved.
    void dragAndDropBuildsTheSavedKeyLines() {
        test::TempDir dir;
        Settings settings;
        ScriptedMessages msgs(Answer::Yes);
        ui::TFm_Kvel kvel(settings, dir.Path(), msgs);
        LayoutEditorController& c = kvel.Controller();
        c.Document().items = MakeRows({{.name = "REC", .type = kGroup},
                                       {.level = 2, .name = "CODE", .bytes = 5},
                                       {.level = 2, .name = sj("数量"), .var = "QTY", .type = kUNum, .bytes = 3}});
        c.Document().keyLines.clear();
        c.Keys().Clear();
        ui::TFm_Idx w(c, msgs);
        QAbstractItemModelTester selectionTester(&w.SelectionModel());
        QAbstractItemModelTester keyTester(&w.KeyModel());
        w.Open();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Morvane キー項目の編集"));
        QCOMPARE(w.SelectionModel().rowCount(), 3);

        QVERIFY(Drag(w.SelectionModel(), {2, 1}, w.KeyModel(), -1));  // list order: CODE, then 数量
        QVERIFY(Drag(w.Palette(1), {1}, w.KeyModel(), 2));            // 可 on 数量
        QVERIFY(Drag(w.Palette(0), {0}, w.KeyModel(), 1));            // a second key after CODE
        QVERIFY(Drag(w.Palette(2), {1}, w.KeyModel(), 3));            // 降順 on 数量
        // Drops from elsewhere are refused: key lines onto the key list, palette entries onto the selection list.
        QVERIFY(!Drag(w.KeyModel(), {1}, w.KeyModel(), 0));
        QVERIFY(!Drag(w.Palette(1), {0}, w.SelectionModel(), 0));
        const QStringList lines = Lines(w.KeyModel());
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Key #1"));
        QVERIFY(lines[1].startsWith(QStringLiteral("[000001 : 000005]")) &&
                lines[1].endsWith(QStringLiteral("<不> (昇順) CODE")));
        QCOMPARE(lines[2], QStringLiteral("Key #2"));
        QVERIFY(lines[3].endsWith(QStringLiteral("<可> (降順) 数量")));
        QCOMPARE(w.KeyList()->currentIndex().row(), 3);  // the line dropped on last

        const QString dirName = qEnvironmentVariable("REKKAN_SCREENSHOTS");
        if (!dirName.isEmpty()) {
            QDir().mkpath(dirName);
            w.grab().save(dirName + "/key_items.png");
        }

        // The key lines go into the layout file as they are stored (with their type tails).
        QVERIFY(c.Document().modified);
        c.Document().path = dir.File("k.kvl");
        QVERIFY(c.Save(false));
        LayoutDocument back;
        QVERIFY(ReadLayoutFile(back, dir.File("k.kvl"), false, msgs).ok);
        const std::string file = test::ReadBytes(dir.Path() / "k.kvl");
        for (const std::string& line : c.Keys().Lines())
            QVERIFY(file.find("%key!" + line + "\r\n") != std::string::npos);
        LoadLayoutKeyLines(back, MeasureLayout(back), c.Types());  // as the editor loads a layout
        QCOMPARE(back.keyLines, c.Keys().Lines());
        QVERIFY(back.keyLines[3].find("%typ!") != std::string::npos);

        // Dragged back onto the selection list, a line is deleted; the header above CODE stays on top.
        QVERIFY(Drag(w.KeyModel(), {0}, w.SelectionModel(), 0));
        QCOMPARE(Lines(w.KeyModel()).first(), QStringLiteral("Key #1"));
        QCOMPARE(Lines(w.KeyModel()).size(), 4);
        QVERIFY(Drag(w.KeyModel(), {1}, w.SelectionModel(), -1));
        QCOMPARE(Lines(w.KeyModel()), (QStringList{QStringLiteral("Key #1"), QStringLiteral("Key #2"), lines[3]}));
        // The open window follows a layout changed elsewhere.
        c.Document().items[2].KOM = "QTY";
        QTRY_VERIFY(Lines(w.KeyModel()).last().endsWith(QStringLiteral(" QTY")));
    }
};

QTEST_MAIN(KeyItemsWindowTest)
#include "key_items_window_test.moc"
