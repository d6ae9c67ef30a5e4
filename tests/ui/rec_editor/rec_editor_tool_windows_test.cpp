// The record editor's print menu (outputs shown in the text viewer, the print table) and its
// settings window, driven through the windows.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "records/record_test_layouts.h"
#include "ui/app/qt_text.h"
#include "ui/rec_editor/field_grid_view.h"
#include "ui/rec_editor/rec_editor_outputs.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "ui/rec_editor/rec_etc_window.h"
#include "ui/text_viewer/browse_window.h"
#include "util/scripted_messages.h"

using namespace rekkan;

namespace {

/// Save dialogs answer `answer`.
struct Dialogs : EditorDialogs {
    std::string answer;
    std::optional<EnteredText> OpenFile(const FileDialogSpec&) override { return std::nullopt; }
    std::vector<EnteredText> OpenFiles(const FileDialogSpec&) override { return {}; }
    std::optional<EnteredText> SaveFile(const FileDialogSpec&) override { return EnteredText{answer, true}; }
};

/// The record editor over one order record whose quantity is -123 in ASCII signs, with the text
/// viewer and the print menu wired.
struct Fixture {
    test::TempDir dir;
    Settings settings;
    LayoutDocument doc;
    ScriptedMessages messages{Answer::Yes};
    Dialogs dialogs;
    std::unique_ptr<ui::TFm_RecEditor> editor;
    std::unique_ptr<ui::TFm_Browse> viewer;
    ui::RecEditorOutputs* outputs = nullptr;

    explicit Fixture(int cellEdit = 1) {
        SetDefaults(settings, dir.File(""), 8);
        settings.Cmb_RecCellEdit = cellEdit;
        const std::string layout = test::WriteLayout(dir.File("order.kvl"), "Orders", test::OrderItems());
        std::string record = test::OrderRecord("A", 1, 1, 1, "", 1);
        record.replace(6, 3, "\x31\x32\x73");
        test::WriteBytes(dir.Path() / "orders.dat", record);
        test::WriteBytes(dir.Path() / "g.LGP", FormatGroupText({GroupLine{layout, dir.File("orders.dat"), 0, 0}}));
        editor = std::make_unique<ui::TFm_RecEditor>(settings, doc, messages, dialogs);
        viewer = std::make_unique<ui::TFm_Browse>(settings, messages);
        outputs = new ui::RecEditorOutputs(*editor, *viewer, settings, messages, dialogs, dir.File("prog"));
        editor->resize(1100, 700);
        editor->show();
        editor->TakeArgument(ui::ToQ(dir.File("g.LGP")));
    }
    /// Runs print menu item `item` writing to `name`.
    void Output(int item, const std::string& name) {
        dialogs.answer = dir.File(name);
        editor->OutputActions().at(item)->trigger();
    }
    [[nodiscard]] QString Qty(int column) const { return editor->Grid().model()->index(2, column).data().toString(); }
    [[nodiscard]] QColor Tree() const {
        return editor->findChild<QTreeView*>(QStringLiteral("TreeView1"))->palette().color(QPalette::Base);
    }
};

template <typename W>
W* Find(QWidget& w, const char* name) {
    return w.findChild<W*>(QString::fromLatin1(name));
}

void Picture(QWidget& w, const QString& name) {
    const QString folder = qEnvironmentVariable("REKKAN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    w.grab().save(folder + "/" + name + ".png");
}

}  // namespace

class RecEditorToolWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void showsAWrittenFileInTheViewerAndNoViewerAfterAFailure() {
        Fixture f(0);  // one-line input in the cell
        f.Output(3, "missing/rec.csv");
        QVERIFY(!f.viewer->isVisible());
        QVERIFY(ui::ToQ(f.messages.Log().back().text).contains(ui::ToQ(f.dir.File("missing/rec.csv"))));

        auto* grid = f.editor->findChild<ui::FieldGridView*>(QStringLiteral("Grid_Fields"));
        grid->MoveToRow(1);
        grid->edit(grid->currentIndex());
        grid->findChild<QLineEdit*>()->setText(QStringLiteral("ZED"));  // the open editor is taken first
        f.Output(1, "rec.lst");
        QVERIFY(f.viewer->isVisible());
        QVERIFY(f.viewer->windowTitle().contains(QStringLiteral("★出力しました。")));
        const QString shown = f.viewer->TextArea()->toPlainText();
        QVERIFY2(shown.startsWith(QStringLiteral("00001 FileName = Orders")), qPrintable(shown.left(80)));
        QVERIFY(shown.contains(QStringLiteral("＞ZED")));
        QCOMPARE(shown.count('\n') + 1, 4 + 9);  // four head lines, nine fields
        f.viewer->resize(900, 400);
        Picture(*f.viewer, "viewer_after_output");
    }

    void printsTheGridWithItsHeadings() {
        Fixture f;
        const PrintTable table = f.outputs->TableToPrint();
        QCOMPARE(ui::ToQ(std::string(table.Cell(0, 4))), QStringLiteral(" 項目名"));
        QCOMPARE(ui::ToQ(table.headings[0]), QStringLiteral("FileName = Orders"));
        const QHeaderView* heading = f.editor->Grid().horizontalHeader();
        const int letter = f.editor->Grid().fontMetrics().horizontalAdvance(QLatin1Char('A'));
        QCOMPARE(table.columnWidths.at(0), heading->sectionSize(0) + letter);
        QCOMPARE(table.columnWidths.at(6), heading->sectionSize(6) + letter);
        QCOMPARE(table.columnWidths.at(7), (6 + 2) * letter);  // NAME's six bytes and two letters, not stretched

        QTimer::singleShot(0, qApp, [] {
            QWidget* preview = QApplication::activeModalWidget();
            if (!preview) return;
            preview->resize(1000, 750);
            QCoreApplication::processEvents();
            Picture(*preview, "rec_editor_print_preview");
            preview->close();
        });
        f.editor->OutputActions().at(0)->trigger();
        QVERIFY(!f.settings.printPreviewLines.empty());  // the preview's settings are kept
    }

    void settingsWindowShowsStoresAndApplies() {
        Fixture f;
        f.settings.Chk_Msg_Delete = false;
        const QColor treeBefore = f.Tree();
        QVERIFY(!f.Qty(5).isEmpty());  // no EBCDIC number: the error mark
        auto w = std::make_unique<ui::TFm_RecEtc>(f.settings, f.messages, f.editor.get());
        QVERIFY(!Find<QCheckBox>(*w, "Chk_Msg_Delete")->isChecked());
        QCOMPARE(Find<QComboBox>(*w, "Cmb_FontSize")->currentText(), QStringLiteral(" 9"));
        auto* fillValue = Find<QLineEdit>(*w, "Str_DefChar");
        QVERIFY(!fillValue->isEnabled());
        Find<QComboBox>(*w, "Cmb_DefChar")->setCurrentIndex(2);  // " ユーザ指定値"
        QVERIFY(fillValue->isEnabled());
        QCOMPARE(fillValue->parentWidget()->findChild<QLabel*>()->palette().color(QPalette::WindowText),
                 QColor(0x00, 0x00, 0x80));
        auto* tabs = Find<QTabWidget>(*w, "PageControl1");
        w->resize(520, 380);
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            Picture(*w, QStringLiteral("rec_etc_page%1").arg(page + 1));
        }
        w->ChooseColour(true, QColor(0, 128, 0));
        QCOMPARE(f.Tree(), QColor(0, 128, 0));  // shown at once
        w->reject();
        QCOMPARE(f.Tree(), treeBefore);  // undone: not stored
        QCOMPARE(f.settings.Cmb_DefChar, 0);

        w = std::make_unique<ui::TFm_RecEtc>(f.settings, f.messages, f.editor.get());
        QCOMPARE(Find<QTabWidget>(*w, "PageControl1")->currentIndex(), 3);  // the page it closed on
        Find<QComboBox>(*w, "Cmb_ZoneSign")->setCurrentIndex(1);
        Find<QComboBox>(*w, "Cmb_FontSize")->setCurrentIndex(3);  // 12
        Find<QLineEdit>(*w, "Str_BtmChar")->setText(QStringLiteral("0d 0f"));
        w->ChooseColour(true, QColor(0, 0, 255));
        QTest::mouseClick(Find<QPushButton>(*w, "Btn_Update"), Qt::LeftButton);
        QCOMPARE(f.Qty(7), QStringLiteral("-123"));
        QVERIFY(f.Qty(5).isEmpty());
        QCOMPARE(f.editor->Grid().font().pointSize(), 12);
        QCOMPARE(Find<QLineEdit>(*w, "Str_BtmChar")->text(), QStringLiteral("0D0F"));
        w->reject();
        QCOMPARE(f.Tree(), QColor(0, 0, 255));  // stored: stays
    }
};

QTEST_MAIN(RecEditorToolWindowsTest)
#include "rec_editor_tool_windows_test.moc"
