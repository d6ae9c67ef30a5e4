#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "tool_window_support.h"
#include "ui/models/type_notation_model.h"
#include "ui/type_notation/tfm_window.h"

using namespace rekkan;

class TfmWindowTest : public QObject {
    Q_OBJECT

private slots:
    // A label typed into the table and "更新": kvelType.def holds it and the layout editor's type
    // column shows it; reset and "更新" again write the standard table.
    void updateAndResetWriteTheNotationFile() {
        test::ToolWindowBench bench;
        ui::TFm_Tfm tfm(bench.kvel.Controller(), bench.messages, bench.shell);
        QAbstractItemModelTester tester(&tfm.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        bench.kvel.ConnectToolWindow(QStringLiteral("1. 項目型の表記法の定義を行う (&T)"), &tfm);
        bench.MenuItem(QStringLiteral("1. 項目型の表記法の定義を行う (&T)"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&tfm));
        QTableView* table = tfm.Table();
        QAbstractItemModel* model = table->model();
        QCOMPARE(model->rowCount(), 37);
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral(" 編集・描画での表記法"));
        QVERIFY(!(model->flags(model->index(1, 2)) & Qt::ItemIsEditable));

        // The X row typed over through the cell editor.
        table->setFocus();
        table->setCurrentIndex(model->index(1, 3));
        QTest::keyClick(table, Qt::Key_F2);
        auto* box = table->findChild<QLineEdit*>();
        QVERIFY(box);
        box->setText(QStringLiteral("#  文字 <moji>"));  // typed text beyond ASCII
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_COMPARE(model->data(model->index(1, 3)).toString(), QStringLiteral("#  文字 <moji>"));
        test::Picture(tfm, "tfm_window");
        bench.messages.Script(Answer::Yes);
        QTest::mouseClick(tfm.UpdateButton(), Qt::LeftButton);
        TypeNotation expected;
        expected.SetLabel(kX, sj("#  文字"));
        expected.SetNotation(kX, "moji");
        const std::string file = bench.dir.File("kvelType.def");
        QCOMPARE(test::ReadBytes(std::string_view(file)), expected.Format());
        QCOMPARE(model->data(model->index(1, 3)).toString(), QStringLiteral(" #  文字 <moji>"));
        QCOMPARE(bench.kvel.Controller().Model().TypeLabel()(kX), sj("  文字"));

        bench.messages.Script(Answer::Yes);
        tfm.Reset();
        QCOMPARE(model->data(model->index(1, 3)).toString(), model->data(model->index(1, 1)).toString());
        bench.messages.Script(Answer::Yes);
        QTest::mouseClick(tfm.UpdateButton(), Qt::LeftButton);
        QCOMPARE(test::ReadBytes(std::string_view(file)), TypeNotation().Format());
        QCOMPARE(bench.messages.Log().back().text, sj("項目型の表記法を更新しました。"));
    }
};

QTEST_MAIN(TfmWindowTest)
#include "tfm_window_test.moc"
