#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QTest>

#include <memory>

#include "records/layout_group.h"
#include "ui/app/qt_text.h"
#include "ui/models/group_tree_model.h"
#include "util/scripted_messages.h"

using namespace rekkan;

class GroupTreeModelTest : public QObject {
    Q_OBJECT
private slots:
    void showsEveryEntryWithItsTwoChildrenAndMovesByDrop() {
        LayoutGroup group;
        LayoutDocument doc;
        Settings settings;
        ScriptedMessages msgs;
        for (const char* name : {"/none/a.kvl", "/none/b.kvl", "/none/c.kvl"})
            group.AddLayoutEntry(name, name == std::string("/none/b.kvl") ? "/d/b.dat" : "", 0, 0, doc, settings, msgs);

        ui::GroupTreeModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.Reset(&group);
        QCOMPARE(model.rowCount(), 3);
        const QModelIndex second = model.index(1, 0);
        QCOMPARE(model.rowCount(second), 2);
        QCOMPARE(model.data(second, Qt::DisplayRole).toString(), ui::ToQ(group.Caption(1)));
        QVERIFY(model.data(second, Qt::DisplayRole).toString().startsWith(QStringLiteral(" 2. ")));
        QCOMPARE(model.data(model.index(0, 0, second), Qt::DisplayRole).toString(),
                 QStringLiteral("Layout = /none/b.kvl"));
        QCOMPARE(model.data(model.index(1, 0, second), Qt::DisplayRole).toString(),
                 QStringLiteral("Edit   = /d/b.dat"));
        QCOMPARE(ui::GroupTreeModel::EntryOf(model.index(1, 0, second)), 1);
        QVERIFY(!(model.flags(model.index(0, 0, second)) & Qt::ItemIsDragEnabled));

        // Dragging entry 3 onto entry 1 moves it in front; a drop on a child is refused.
        model.SetMoveEntry([&](int from, int target) {
            group.MoveEntry(from, target);
            model.Reset(&group);
        });
        std::unique_ptr<QMimeData> data(model.mimeData({model.index(2, 0)}));
        QVERIFY(data);
        QVERIFY(!model.canDropMimeData(data.get(), Qt::MoveAction, -1, -1, model.index(0, 0, second)));
        QVERIFY(model.dropMimeData(data.get(), Qt::MoveAction, -1, -1, model.index(0, 0)));
        QCOMPARE(group.Entry(0).layoutPath, std::string("/none/c.kvl"));
        QCOMPARE(group.Entry(1).layoutPath, std::string("/none/a.kvl"));
        QVERIFY(!group.Modified());
    }
};

QTEST_MAIN(GroupTreeModelTest)
#include "group_tree_model_test.moc"
