#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QUrl>

#include <deque>

#include "records/record_test_layouts.h"
#include "ui/app/qt_text.h"
#include "ui/rec_editor/field_grid_view.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "util/scripted_messages.h"

using namespace rekkan;

namespace {

/// File dialogs answered from a script (none left: cancelled).
struct Dialogs : EditorDialogs {
    std::deque<std::string> answers;
    std::optional<EnteredText> Next() {
        if (answers.empty()) return std::nullopt;
        EnteredText t{answers.front(), true};
        answers.pop_front();
        return t;
    }
    std::optional<EnteredText> OpenFile(const FileDialogSpec&) override { return Next(); }
    std::vector<EnteredText> OpenFiles(const FileDialogSpec&) override {
        auto one = Next();
        return one ? std::vector<EnteredText>{*one} : std::vector<EnteredText>{};
    }
    std::optional<EnteredText> SaveFile(const FileDialogSpec&) override { return Next(); }
};

/// A window over the order layout (19-byte records) in a temporary folder.
struct Fixture {
    test::TempDir dir;
    Settings settings;
    LayoutDocument doc;
    ScriptedMessages messages{Answer::Yes};
    Dialogs dialogs;
    std::string layout = test::WriteLayout(dir.File("order.kvl"), "Orders", test::OrderItems());
    std::string data = dir.File("orders.dat");
    ui::TFm_RecEditor* window = nullptr;

    explicit Fixture(const std::string& bytes, int cellEdit = 1) {
        SetDefaults(settings, dir.File(""), 8);
        settings.Cmb_RecCellEdit = cellEdit;
        test::WriteBytes(dir.Path() / "orders.dat", bytes);
        test::WriteBytes(dir.Path() / "g.LGP", FormatGroupText({GroupLine{layout, data, 0, 0}}));
        window = new ui::TFm_RecEditor(settings, doc, messages, dialogs);
        window->resize(1100, 700);
        window->show();
    }
    ~Fixture() { delete window; }
    void Open() { window->TakeArgument(ui::ToQ(dir.File("g.LGP"))); }

    template <typename W>
    W* Find(const char* name) const {
        return window->findChild<W*>(QString::fromLatin1(name));
    }
    void Click(const char* button) const { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    [[nodiscard]] QString Message() const { return Find<QLabel>("Pnl_Message")->text(); }
    [[nodiscard]] QColor MessageColour() const {
        return Find<QLabel>("Pnl_Message")->palette().color(QPalette::WindowText);
    }
    [[nodiscard]] QString Warning() const { return Find<QLabel>("Pnl_Warning")->text(); }
    [[nodiscard]] ui::FieldGridView* Grid() const { return Find<ui::FieldGridView>("Grid_Fields"); }
    [[nodiscard]] QString Cell(int row, int column) const {
        return Grid()->model()->index(row, column).data().toString();
    }
    [[nodiscard]] std::string Bytes() const { return test::ReadBytes(dir.Path() / "orders.dat"); }
    void Picture(const QString& name) const {
        const QString folder = qEnvironmentVariable("REKKAN_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        QCoreApplication::processEvents();  // pending layout changes, as the screen would show them
        window->grab().save(folder + "/rec_editor_" + name + ".png");
    }
};

std::string ThreeOrders() {
    return test::OrderRecord("A", 1, 1, 1, "", 1) + test::OrderRecord("B", 2, 2, 2, "", 2) +
           test::OrderRecord("C", 3, 3, 3, "", 3);
}

constexpr int kName = 1;     // row of NAME in the order layout
constexpr int kContent = 7;  // the content column

}  // namespace

class RecEditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void walksTheRecordsOfAGroup() {
        Fixture f(ThreeOrders());
        QAbstractItemModelTester grid(f.Grid()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester tree(f.Find<QTreeView>("TreeView1")->model(),
                                      QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Rekkan Ver 2.05"));
        QVERIFY(!f.Find<QPushButton>("Btn_First")->isEnabled());  // nothing shown yet
        f.Picture("no_layout");

        f.Open();
        QCOMPARE(f.Find<QTreeView>("TreeView1")->model()->rowCount(), 1);
        QCOMPARE(f.Grid()->model()->rowCount(), 9);
        QCOMPARE(f.Message(), QStringLiteral("先頭レコードを読み込みました。"));
        QCOMPARE(f.Find<QLineEdit>("Edt_Records")->text(), QStringLiteral("3"));
        QCOMPARE(f.Cell(kName, 1), QStringLiteral("1"));
        QCOMPARE(f.Cell(kName, kContent).trimmed(), QStringLiteral("A"));
        QVERIFY(f.Warning().isEmpty());
        QVERIFY(f.Find<QPushButton>("Btn_Update")->isEnabled());
        f.Picture("records");

        f.Click("Btn_Next");
        QCOMPARE(f.Message(), QStringLiteral("次のレコードを読み込みました。"));
        QCOMPARE(f.Cell(kName, kContent).trimmed(), QStringLiteral("B"));
        QCOMPARE(f.Cell(kName, 1), QStringLiteral("20"));  // file position while a file is open
        f.Click("Btn_Last");
        f.Click("Btn_Next");
        QCOMPARE(f.Message(), QStringLiteral("最終レコードです。"));
        QCOMPARE(f.MessageColour(), QColor(0xFF, 0xD7, 0x00));  // gold: nothing to read
        QCOMPARE(f.Cell(kName, kContent).trimmed(), QStringLiteral("C"));

        auto* recNo = f.Find<QLineEdit>("Edt_RecNo");
        recNo->setText(QStringLiteral("2"));
        QTest::keyClick(recNo, Qt::Key_Return);
        QCOMPARE(f.Message(), QStringLiteral("Rec.No [2] のレコードを読み込みました。"));
        QCOMPARE(f.Cell(kName, kContent).trimmed(), QStringLiteral("B"));
        recNo->setText(QStringLiteral("99999999999999999999999"));  // saturates, never wraps
        QTest::keyClick(recNo, Qt::Key_Return);
        QVERIFY(f.Message().endsWith(QStringLiteral("] のレコードは存在しません。")));
    }

    // A layout group dropped from the desktop onto the tree opens as the argument does.
    void opensAGroupDroppedOnTheTree() {
        Fixture f(ThreeOrders());
        QWidget* target = f.Find<QTreeView>("TreeView1")->viewport();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(ui::ToQ(f.dir.File("g.LGP")))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QCOMPARE(f.Find<QTreeView>("TreeView1")->model()->rowCount(), 1);
        QCOMPARE(f.Find<QLineEdit>("Edt_Records")->text(), QStringLiteral("3"));
        QCOMPARE(f.Cell(kName, kContent).trimmed(), QStringLiteral("A"));
    }

    void editsACellAndWritesTheRecord() {
        Fixture f(ThreeOrders());
        f.Open();
        ui::FieldGridView* grid = f.Grid();
        grid->MoveToRow(3);  // AMT-G, a group row: typing there opens nothing and changes nothing
        QTest::keyClicks(grid, QStringLiteral("9"));
        QVERIFY(!grid->findChild<QWidget*>(QStringLiteral("Memo_Cell"))->isVisible());
        QCOMPARE(f.Cell(3, kContent), QString());
        f.Picture("group_rows");

        grid->MoveToRow(kName);
        QTest::keyClicks(grid, QStringLiteral("Z"));  // typing opens the memo over the cell
        QWidget* memo = grid->findChild<QWidget*>(QStringLiteral("Memo_Cell"));
        QVERIFY(memo && memo->isVisible());
        QTest::keyClicks(memo, QStringLiteral("ED"));
        QTest::keyClick(memo, Qt::Key_Return);
        QVERIFY(!memo->isVisible());
        QCOMPARE(f.Cell(kName, kContent), QStringLiteral("ZED"));

        f.Click("Btn_Update");
        QCOMPARE(f.Message(), QStringLiteral("編集中のレコードを更新しました。"));
        QCOMPARE(f.Bytes().substr(0, 6), std::string("ZED\0\0\0", 6));  // filled as the settings say
        QCOMPARE(f.MessageColour(), QColor(0x00, 0xFF, 0xFF));          // aqua

        // Text Shift-JIS cannot hold is refused in red and never stored.
        grid->MoveToRow(kName);
        grid->OpenMemo(kName, QStringLiteral("한"));
        QTest::keyClick(memo, Qt::Key_Return);
        QCOMPARE(f.MessageColour(), QColor(0xFF, 0, 0));
        f.Click("Btn_Update");
        QCOMPARE(f.Bytes().substr(0, 6), std::string("ZED\0\0\0", 6));

        // A click on the "HEX" heading shows every row in hex; the ruler is on.
        QHeaderView* heading = grid->horizontalHeader();
        QTest::mouseClick(heading->viewport(), Qt::LeftButton, {},
                          QPoint(heading->sectionViewportPosition(6) + heading->sectionSize(6) / 2, 5));
        QCOMPARE(f.Cell(kName, kContent), QStringLiteral("5A4544000000"));
        QCOMPARE(f.Cell(kName, 6), QStringLiteral("HEX"));
        f.Picture("hex_and_ruler");
        const int withRuler = grid->rowHeight(kName);  // the ticks get room under the text
        QVERIFY(withRuler >= QFontMetrics(grid->font()).height() + 5);
        QVERIFY(f.settings.ReMemori);  // a click at the left of "内容" switches the ruler off
        QTest::mouseClick(heading->viewport(), Qt::LeftButton, {},
                          QPoint(heading->sectionViewportPosition(kContent) + 10, 5));
        QVERIFY(!f.settings.ReMemori);
        QVERIFY(grid->rowHeight(kName) < withRuler);

        // The same switches from the keyboard while the grid has the focus.
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(f.settings.ReMemori);
        QTest::keyClick(grid, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.Cell(kName, 6), QString());
        QCOMPARE(f.Cell(kName, kContent), QStringLiteral("ZED"));
        QTest::keyClick(grid, Qt::Key_H, Qt::ControlModifier);  // the current row only
        QCOMPARE(f.Cell(kName, kContent), QStringLiteral("5A4544000000"));
        QCOMPARE(f.Cell(2, 6), QString());
    }

    void editsInPlaceInOneLineMode() {
        Fixture f(ThreeOrders(), 0);
        f.Open();
        ui::FieldGridView* grid = f.Grid();
        grid->MoveToRow(2);  // QTY, S.NUM 3
        QTest::keyClicks(grid, QStringLiteral("7"));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->text(), QStringLiteral("7"));
        QTest::keyClicks(editor, QStringLiteral("5"));
        QTest::keyClick(editor, Qt::Key_Return);
        // the view commits and closes its editor on the next turn of the event loop
        QTRY_COMPARE(f.Cell(2, kContent), QStringLiteral("75"));
        f.Click("Btn_Update");
        QCOMPARE(f.Bytes().substr(6, 3), std::string("\xF0\xF7\xC5"));
    }

    void movesALayoutWithTheKeyboardAsDraggingDoes() {
        Fixture f(ThreeOrders());
        test::WriteBytes(f.dir.Path() / "g.LGP",
                         FormatGroupText({GroupLine{f.layout, f.data, 0, 0}, GroupLine{f.layout, "", 0, 0}}));
        f.Open();
        auto* tree = f.Find<QTreeView>("TreeView1");
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window));
        tree->setFocus();
        const LayoutGroup& group = f.window->Session().Group();
        QTest::keyClick(tree, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(group.Entry(0).editFilePath, std::string());
        QCOMPARE(group.Entry(1).editFilePath, f.data);
        QCOMPARE(f.window->Session().ShownIndex(), 1);  // still shown, now second
        QCOMPARE(f.Find<QLineEdit>("Edt_Records")->text(), QStringLiteral("3"));
        QTest::keyClick(tree, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(group.Entry(0).editFilePath, f.data);
        QVERIFY(!f.window->Session().GroupModified());  // as after a drop: a save writes the order
    }

    void insertsAndDeletesOffTheWindowThread() {
        Fixture f(ThreeOrders());
        f.Open();
        f.Click("Btn_Next");
        f.Click("Btn_Insert");
        QTRY_VERIFY(!f.window->Busy());
        QCOMPARE(f.Message(), QStringLiteral("編集中のレコードを挿入しました。"));
        QCOMPARE(f.Bytes().size(), std::size_t{4 * test::kOrderLength});
        QCOMPARE(f.Bytes().substr(test::kOrderLength, 1), std::string("B"));
        QCOMPARE(f.Bytes().substr(2 * test::kOrderLength, 1), std::string("B"));
        QVERIFY(f.Find<QPushButton>("Btn_Delete")->isEnabled());

        f.messages.Script(Answer::No);  // the question refused: nothing changes
        f.Click("Btn_Delete");
        QCOMPARE(f.Bytes().size(), std::size_t{4 * test::kOrderLength});
        f.Click("Btn_Delete");
        QTRY_VERIFY(!f.window->Busy());
        QCOMPARE(f.Message(), QStringLiteral("編集中のレコードを削除しました。"));
        QCOMPARE(f.Bytes(), ThreeOrders());
    }

    void closesOnlyAfterTheGroupQuestionAndStoresItsSettings() {
        Fixture f(ThreeOrders());
        f.Open();
        f.Click("Btn_BasePlus");  // the base position changes the group
        QCOMPARE(f.Find<QLineEdit>("Edt_BasePos")->text().trimmed(), QStringLiteral("2"));
        f.Click("Btn_ColWidth");  // hides 位置, 桁数 and 型; their widths are still stored
        f.messages.Script(Answer::Cancel);
        QVERIFY(!f.window->close());
        QVERIFY(f.window->isVisible());
        f.messages.Script(Answer::No);
        QVERIFY(f.window->close());
        QCOMPARE(f.messages.Log().back().kind, ScriptedMessages::Entry::Kind::YesNoCancel);
        for (int c = 0; c < 8; ++c) QVERIFY(f.settings.ReColWidths[c] > 0);
        QVERIFY(f.settings.LayoutListWidth > 0);
        QCOMPARE(test::ReadBytes(f.dir.Path() / "g.LGP"),
                 FormatGroupText({GroupLine{f.layout, f.data, 0, 0}}));  // not saved
    }

    void showsWarningsForEmptyShortAndMissingFiles() {
        Fixture empty("");
        empty.Open();
        QCOMPARE(empty.Warning(), QStringLiteral("【警告】ファイルにレコードは存在しません。"));
        QVERIFY(empty.Find<QPushButton>("Btn_Insert")->isEnabled());
        QVERIFY(!empty.Find<QPushButton>("Btn_Update")->isEnabled());
        empty.Picture("empty_file");

        // A short last record: the fields beyond the end are marked; a bad packed value shows "×".
        std::string bad = test::OrderRecord("A", 1, 1, 1, "", 1);
        bad[9] = '\xFF';
        Fixture shortFile(bad + ThreeOrders().substr(0, 12));
        shortFile.Open();
        QCOMPARE(shortFile.Warning(), QStringLiteral("【警告】レコード長で割り切れません。"));
        QCOMPARE(shortFile.Cell(4, 5), QStringLiteral("×"));
        shortFile.Picture("error_cell");
        shortFile.Click("Btn_Last");
        QVERIFY(shortFile.Grid()->model()->index(8, 0).data(Qt::UserRole + 2).toBool());  // past end
        shortFile.Picture("past_end");

        Fixture missing(ThreeOrders());
        test::WriteBytes(missing.dir.Path() / "g.LGP", FormatGroupText({GroupLine{"/no/such.kvl", "", 0, 0}}));
        missing.Open();
        QCOMPARE(missing.Warning(), QStringLiteral("【警告】レイアウトが存在しません。"));
        QCOMPARE(missing.Grid()->model()->rowCount(), 0);
        QVERIFY(missing.Find<QLineEdit>("Edt_BasePos")->text().trimmed().isEmpty());  // every box emptied
        missing.Picture("missing_layout");

        // A layout too long to lay out says so, line by line, and is not called missing.
        Fixture tooLong(ThreeOrders());
        const std::string big = test::WriteLayout(
            tooLong.dir.File("big.kvl"), "Big",
            MakeRows({{.name = "G", .type = kGroup, .repeat = 1000}, {.level = 2, .name = "A", .bytes = 1000}}));
        test::WriteBytes(tooLong.dir.Path() / "g.LGP", FormatGroupText({GroupLine{big, tooLong.data, 0, 0}}));
        tooLong.Open();
        QVERIFY(tooLong.Warning().isEmpty());
        QCOMPARE(tooLong.Message().split(QChar('\n')).size(), 4);
        QVERIFY(tooLong.Message().contains(QStringLiteral("レコード長が大き過ぎます。")));
        tooLong.Picture("too_long_layout");

        // A data file dropped on a shown layout becomes its edit file after the question.
        Fixture drop(ThreeOrders());
        test::WriteBytes(drop.dir.Path() / "g.LGP", FormatGroupText({GroupLine{drop.layout, "", 0, 0}}));
        drop.Open();
        QCOMPARE(drop.Warning(), QStringLiteral("【警告】編集ファイルが未設定です。"));
        drop.window->DropFiles({QUrl::fromLocalFile(ui::ToQ(drop.data))});
        QCOMPARE(drop.Find<QLineEdit>("Edt_Records")->text(), QStringLiteral("3"));
        QVERIFY(drop.window->Session().GroupModified());
    }
};

QTEST_MAIN(RecEditorWindowTest)
#include "rec_editor_window_test.moc"
