#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "records/record_test_layouts.h"
#include "ui/app/qt_text.h"
#include "ui/browse_table/browse_grid.h"
#include "ui/browse_table/browse_launch.h"
#include "ui/browse_table/rec_table_window.h"
#include "ui/delegates/cell_roles.h"
#include "ui/models/browse_table_model.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "util/scripted_messages.h"

using namespace rekkan;

namespace {

constexpr int kNameColumn = 3 + 1;  // NAME is the second field entry

std::string Orders(int count) {
    std::string bytes;
    for (int i = 1; i <= count; ++i) bytes += test::OrderRecord("N" + std::to_string(i), i, i, -i, "", i);
    return bytes;
}

void Picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("REKKAN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    QCoreApplication::processEvents();  // pending layout requests first
    window.grab().save(folder + "/" + name + ".png");
}

/// A browse table over `count` order records, shown and loaded.
struct Table {
    test::TempDir dir;
    Settings settings;
    ScriptedMessages messages;
    std::vector<TRdbObj> fields;
    std::vector<int> chosen;  // fixed items handed back to the editor
    std::unique_ptr<ui::TFm_RecTable> window;

    explicit Table(int count, std::int64_t current = 0, const Settings* carried = nullptr) {
        SetDefaults(settings, dir.File(""), 8);
        if (carried) settings = *carried;
        LayoutDocument doc;
        doc.items = test::OrderItems();
        fields = BuildFieldList(doc).fields;
        test::WriteBytes(dir.Path() / "orders.dat", Orders(count));
        ui::RecTableSetup setup;
        setup.source = {dir.File("orders.dat"), 0, test::kOrderLength, current, "orders.dat", 0};
        setup.fields = &fields;
        setup.warning = "";
        ui::RecTableLinks links;
        links.fixedItemChosen = [this](int item) { chosen.push_back(item); };
        window = std::make_unique<ui::TFm_RecTable>(setup, settings, messages, links);
        window->resize(1000, 420);
        window->show();
        window->LoadNow();
    }
    template <typename W>
    W* Find(const char* name) const {
        return window->findChild<W*>(QString::fromLatin1(name));
    }
    QAbstractItemModel* Model() const { return window->Grid().ItemView()->model(); }
    QString Cell(int row, int column) const { return Model()->index(row, column).data().toString(); }
    void Click(const char* button) const { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    void EnterRecNo(const QString& text) const {
        auto* box = Find<QLineEdit>("Edt_RecNo");
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    int RowHeight(int row) const { return window->Grid().ItemView()->rowHeight(row); }
};

}  // namespace

class RecTableWindowTest : public QObject {
    Q_OBJECT
private slots:
    void pagesThroughTheRecords() {
        Table t(40, 4);
        QAbstractItemModelTester tester(t.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int rows = t.window->DataRows();
        QVERIFY(rows > 3 && rows < 40);
        QCOMPARE(t.window->windowTitle(),
                 QStringLiteral("Rekkan Browse [ ") + ui::ToQ(t.dir.File("orders.dat")) + " ]");
        QCOMPARE(t.Find<QLineEdit>("Lbl_Records")->text(), QStringLiteral("40"));
        // The editor's current record is the first data row; Rec.No, 1-based position, values.
        QCOMPARE(t.Cell(0, 0), QStringLiteral("5"));
        QCOMPARE(t.Cell(0, 1), QString::number(4 * test::kOrderLength + 1));
        QCOMPARE(t.Cell(0, kNameColumn).trimmed(), QStringLiteral("N5"));
        QCOMPARE(t.Model()->headerData(kNameColumn, Qt::Horizontal).toString(), QStringLiteral("NAME"));
        QCOMPARE(t.Model()->index(0, 3).data(ui::GroupRowRole).toBool(), true);  // REC is a group

        for (int i = 0; i < 3; ++i) t.Click("Btn_Plus");
        QCOMPARE(t.Cell(0, 0), QStringLiteral("8"));
        QCOMPARE(t.Cell(rows - 1, kNameColumn).trimmed(), QStringLiteral("N%1").arg(7 + rows));
        t.Click("Btn_Minus");
        QCOMPARE(t.Cell(0, 0), QStringLiteral("7"));

        t.EnterRecNo(QStringLiteral("0"));
        QCOMPARE(t.Cell(0, 0), QStringLiteral("1"));
        QCOMPARE(t.Find<QLineEdit>("Edt_RecNo")->text().trimmed(), QStringLiteral("1"));
        t.EnterRecNo(QStringLiteral("1,000"));
        QCOMPARE(t.messages.Texts().back(), BaseMissingMessage("1000"));
        QCOMPARE(t.Cell(0, 0), QStringLiteral("40"));  // the last record heads the rows
        QVERIFY(t.Cell(1, 0).isEmpty());               // past the end the rows stay empty

        // The arrow keys at the edges of the rows move the base by one record.
        t.EnterRecNo(QStringLiteral("10"));
        QTableView* view = t.window->Grid().ItemView();
        t.window->Grid().Select(t.Model()->index(rows - 1, kNameColumn));
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(t.Cell(0, 0), QStringLiteral("11"));
        t.window->Grid().Select(t.Model()->index(0, kNameColumn));
        QTest::keyClick(view, Qt::Key_Up);
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(t.Cell(0, 0), QStringLiteral("9"));
        QCOMPARE(t.window->Grid().Bar()->value(), 8);
        QCOMPARE(t.window->Grid().Bar()->maximum(), 40);

        // The scroll bar in the mode that follows it.
        t.window->Grid().Bar()->setValue(30);
        QCOMPARE(t.Cell(0, 0), QStringLiteral("31"));
        QCOMPARE(t.Find<QLineEdit>("Lbl_CurRecNo")->text(), QStringLiteral("31"));
        Picture(*t.window, "browse_table");

        t.window->reject();
        QCOMPARE(t.window->ResultRecNo(), QStringLiteral("31"));
    }

    void foldsLongValuesAndSwitchesTheFormat() {
        Table t(6);
        const int line = t.RowHeight(0);
        auto* fold = t.Find<QComboBox>("RT_Fold");
        auto* width = t.Find<QComboBox>("RT_LimColLen");
        width->setCurrentIndex(0);  // 4 characters: no column grows past 5
        const int w = QFontMetrics(t.window->Grid().font()).horizontalAdvance(QChar('A'));
        QCOMPARE(t.window->Grid().ColumnWidth(kNameColumn), 5 * w);
        fold->setCurrentIndex(1);  // " 無し": one line everywhere
        QCOMPARE(t.RowHeight(0), line);
        fold->setCurrentIndex(3);  // " 3 行": the 6-byte names in 5-character columns take 2 lines
        const int textHeight = QFontMetrics(t.window->Grid().font()).height();
        QCOMPARE(t.RowHeight(0), static_cast<int>(std::lround(2 * textHeight + textHeight * 0.5)));
        Picture(*t.window, "browse_table_folded");

        auto* format = t.Find<QPushButton>("Btn_FmtChg");
        const int position = t.window->Grid().ColumnWidth(1);
        QVERIFY(position > 0);
        QTest::mouseClick(format, Qt::LeftButton);
        QCOMPARE(t.window->Grid().ColumnWidth(1), 0);
        Picture(*t.window, "browse_table_no_position");

        // The fixed item: its trimmed value after a blank in column 2, the choice handed back.
        t.Find<QComboBox>("Cmb_FixedItem")->setCurrentIndex(2);
        QCOMPARE(t.Cell(0, 2), QStringLiteral(" N1"));
        QCOMPARE(t.chosen, std::vector<int>{2});

        // A double-click shows the whole cell in the pop-up box.
        t.window->Grid().PopUp(t.Model()->index(0, kNameColumn), t.Cell(0, kNameColumn));
        QVERIFY(t.window->Grid().PopUpBox()->isVisible());
        QCOMPARE(t.window->Grid().PopUpBox()->toPlainText().trimmed(), QStringLiteral("N1"));

        t.window->reject();
        QCOMPARE(t.settings.RT_FmtChg, 1);
        QCOMPARE(t.settings.RT_Fold, 3);
        QCOMPARE(t.settings.RT_LimColLen, 0);
        Table again(2, 0, &t.settings);  // the format switch stays as it was left
        QCOMPARE(again.window->Grid().ColumnWidth(1), 0);
    }

    void opensFromTheRecordEditorAndLeadsItBack() {
        test::TempDir dir;
        Settings settings;
        SetDefaults(settings, dir.File(""), 8);
        LayoutDocument doc;
        ScriptedMessages messages;
        struct NoDialogs : EditorDialogs {
            std::optional<EnteredText> OpenFile(const FileDialogSpec&) override { return std::nullopt; }
            std::vector<EnteredText> OpenFiles(const FileDialogSpec&) override { return {}; }
            std::optional<EnteredText> SaveFile(const FileDialogSpec&) override { return std::nullopt; }
        } dialogs;
        const std::string layout = test::WriteLayout(dir.File("o.kvl"), "Orders", test::OrderItems());
        test::WriteBytes(dir.Path() / "o.dat", Orders(12));
        test::WriteBytes(dir.Path() / "g.LGP", FormatGroupText({GroupLine{layout, dir.File("o.dat"), 0, 0}}));
        ui::TFm_RecEditor editor(settings, doc, messages, dialogs);
        ui::ConnectBrowse(editor, {settings, messages, dialogs, dir.File(""), nullptr});
        editor.show();
        auto* browse = editor.findChild<QPushButton*>(QStringLiteral("Btn_Browse"));
        QVERIFY(!browse->isEnabled());
        editor.TakeArgument(ui::ToQ(dir.File("g.LGP")));
        QVERIFY(browse->isEnabled());

        QString caption;
        QTimer::singleShot(0, [&] {
            auto* table = qobject_cast<ui::TFm_RecTable*>(QApplication::activeModalWidget());
            QVERIFY(table);
            table->LoadNow();
            caption = table->windowTitle();
            table->LinkTo(QStringLiteral("7"), kNameColumn);
            table->reject();
        });
        QTest::mouseClick(browse, Qt::LeftButton);
        QVERIFY(caption.startsWith(QStringLiteral("Rekkan Browse [ ")));
        QCOMPARE(ui::ToQ(editor.Session().RecNoBoxText()).trimmed(), QStringLiteral("7"));
    }
};

QTEST_MAIN(RecTableWindowTest)
#include "rec_table_window_test.moc"
