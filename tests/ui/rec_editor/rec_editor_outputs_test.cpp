#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <deque>

#include "records/record_test_layouts.h"
#include "ui/app/qt_text.h"
#include "ui/print/table_printer.h"
#include "ui/rec_editor/field_grid_view.h"
#include "ui/rec_editor/rec_editor_outputs.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "ui/text_viewer/browse_window.h"
#include "util/scripted_messages.h"

using namespace rekkan;

namespace {

/// Save dialogs answered from a script (none left: cancelled).
struct Dialogs : EditorDialogs {
    std::deque<std::string> answers;
    std::optional<EnteredText> OpenFile(const FileDialogSpec&) override { return std::nullopt; }
    std::vector<EnteredText> OpenFiles(const FileDialogSpec&) override { return {}; }
    std::optional<EnteredText> SaveFile(const FileDialogSpec&) override {
        if (answers.empty()) return std::nullopt;
        EnteredText t{answers.front(), true};
        answers.pop_front();
        return t;
    }
};

/// The record editor over three order records, with the text viewer and the print menu wired.
struct Fixture {
    test::TempDir dir;
    Settings settings;
    LayoutDocument doc;
    ScriptedMessages messages{Answer::Yes};
    Dialogs dialogs;
    std::string layout = test::WriteLayout(dir.File("order.kvl"), "Orders", test::OrderItems());
    std::unique_ptr<ui::TFm_RecEditor> editor;
    std::unique_ptr<ui::TFm_Browse> viewer;
    ui::RecEditorOutputs* outputs = nullptr;

    explicit Fixture(int cellEdit = 1) {
        SetDefaults(settings, dir.File(""), 8);
        settings.Cmb_RecCellEdit = cellEdit;
        test::WriteBytes(dir.Path() / "orders.dat",
                         test::OrderRecord("A", 1, 1, 1, "", 1) + test::OrderRecord("B", 2, 2, 2, "", 2));
        test::WriteBytes(dir.Path() / "g.LGP", FormatGroupText({GroupLine{layout, dir.File("orders.dat"), 0, 0}}));
        editor = std::make_unique<ui::TFm_RecEditor>(settings, doc, messages, dialogs);
        viewer = std::make_unique<ui::TFm_Browse>(settings, messages);
        outputs = new ui::RecEditorOutputs(*editor, *viewer, settings, messages, dialogs, dir.File("prog"));
        editor->resize(1100, 700);
        editor->show();
    }
    void Open() { editor->TakeArgument(ui::ToQ(dir.File("g.LGP"))); }
    [[nodiscard]] QAction* Action(int item) const { return editor->OutputActions().at(item); }
    [[nodiscard]] std::string Written(const std::string& name) const { return test::ReadBytes(dir.Path() / name); }
};

void Picture(QWidget& w, const QString& name) {
    const QString folder = qEnvironmentVariable("REKKAN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    w.grab().save(folder + "/" + name + ".png");
}

constexpr int kName = 1;  // row of NAME in the order layout

}  // namespace

class RecEditorOutputsTest : public QObject {
    Q_OBJECT
private slots:
    void writesTheRecordAndShowsItInTheViewer() {
        Fixture f;
        QVERIFY(!f.Action(3)->isEnabled());  // control statements need a shown layout
        QVERIFY(f.Action(1)->isEnabled());   // the others say so themselves
        f.Action(1)->trigger();
        QCOMPARE(ui::ToQ(f.messages.Log().at(0).text),
                 QStringLiteral("現在、レイアウトは何も表示されていないので出力できません。"));

        f.Open();
        QVERIFY(f.Action(3)->isEnabled());
        f.dialogs.answers = {f.dir.File("rec.lst")};
        f.Action(1)->trigger();
        QVERIFY(f.viewer->isVisible());
        QVERIFY(f.viewer->windowTitle().contains(QStringLiteral("★出力しました。")));
        const QString shown = f.viewer->TextArea()->toPlainText();
        QVERIFY2(shown.startsWith(QStringLiteral("00001 FileName = Orders")), qPrintable(shown.left(80)));
        QCOMPARE(shown.count('\n') + 1, 4 + 9);  // four head lines, nine fields
        f.viewer->resize(900, 400);
        Picture(*f.viewer, "viewer_after_output");
    }

    void anOpenCellEditorIsTakenBeforeTheOutput() {
        Fixture f(0);  // one-line input in the cell
        f.Open();
        auto* grid = f.editor->findChild<ui::FieldGridView*>(QStringLiteral("Grid_Fields"));
        grid->MoveToRow(kName);
        grid->edit(grid->currentIndex());
        auto* line = grid->findChild<QLineEdit*>();
        QVERIFY(line && line->isVisible());
        line->setText(QStringLiteral("ZED"));
        f.dialogs.answers = {f.dir.File("rec.csv")};
        f.Action(2)->trigger();
        QVERIFY2(f.Written("rec.csv").find("\"ZED\"") != std::string::npos, f.Written("rec.csv").c_str());
    }

    void aFailedWriteShowsNoViewer() {
        Fixture f;
        f.Open();
        f.dialogs.answers = {f.dir.File("missing/rec.csv")};
        f.Action(3)->trigger();
        QVERIFY(!f.viewer->isVisible());
        QVERIFY(ui::ToQ(f.messages.Log().back().text).contains(ui::ToQ(f.dir.File("missing/rec.csv"))));
    }

    void printsTheGridWithItsHeadings() {
        Fixture f;
        f.Open();
        const PrintTable table = f.outputs->TableToPrint();
        QCOMPARE(table.RowCount(), 1 + 9);
        QCOMPARE(ui::ToQ(std::string(table.Cell(0, 4))), QStringLiteral(" 項目名"));
        QCOMPARE(ui::ToQ(std::string(table.Cell(kName + 1, 7))).trimmed(), QStringLiteral("A"));
        QCOMPARE(ui::ToQ(table.headings[0]), QStringLiteral("FileName = Orders"));
        const QHeaderView* heading = f.editor->Grid().horizontalHeader();
        const int letter = f.editor->Grid().fontMetrics().horizontalAdvance(QLatin1Char('A'));
        QCOMPARE(table.columnWidths.at(0), heading->sectionSize(0) + letter);
        QCOMPARE(table.columnWidths.at(1), heading->sectionSize(1));
        QCOMPARE(table.columnWidths.at(6), heading->sectionSize(6) + letter);
        QCOMPARE(table.columnWidths.at(7), (6 + 2) * letter);  // NAME's six bytes and two letters, not stretched
        QCOMPARE(table.rowLimit, 2000);

        const QString pdf = ui::ToQ(f.dir.File("rec.pdf"));
        QVERIFY(ui::PrintTableToPdf(table, PrintSettings{}, pdf));
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext (poppler-utils) not installed");
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(p.waitForFinished());
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("FileName = Orders")), qPrintable(text.left(200)));
        QVERIFY(text.contains(QStringLiteral("AMOUNT")));

        QTimer::singleShot(0, qApp, [] {
            QWidget* preview = QApplication::activeModalWidget();
            if (!preview) return;
            preview->resize(1000, 750);
            QCoreApplication::processEvents();
            Picture(*preview, "rec_editor_print_preview");
            preview->close();
        });
        f.Action(0)->trigger();
        QVERIFY(!f.settings.printPreviewLines.empty());  // the preview's settings are kept
    }
};

QTEST_MAIN(RecEditorOutputsTest)
#include "rec_editor_outputs_test.moc"
