// Times the record editor's field grid over a layout of 100,000 fields: the layout shown (field
// list, model, first paint) and scrolling through it (each step painted), and reading the next
// record. Rows are served on demand, so no step should grow with the number of fields.
//   QT_QPA_PLATFORM=offscreen ./build/bench/ui/field_grid_bench [fields]
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/layout_file.h"
#include "model/row_builder.h"
#include "records/layout_group.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "util/file_util.h"
#include "util/scripted_messages.h"

using namespace rekkan;

namespace {

struct NoDialogs : EditorDialogs {
    std::optional<EnteredText> OpenFile(const FileDialogSpec&) override { return std::nullopt; }
    std::vector<EnteredText> OpenFiles(const FileDialogSpec&) override { return {}; }
    std::optional<EnteredText> SaveFile(const FileDialogSpec&) override { return std::nullopt; }
};

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

double Ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int fields = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "rekkan-grid-bench";
    std::filesystem::create_directories(dir);

    // One group of 5 fields repeated: fields / 5 groups, 6 grid rows each.
    LayoutDocument layout;
    layout.RdfCmt = "grid bench";
    layout.items = MakeRows({{.name = "REC", .type = kGroup},
                             {.level = 2, .name = "ITEM", .type = kGroup, .repeat = fields / 5},
                             {.level = 3, .name = "CODE", .bytes = 4},
                             {.level = 3, .name = "QTY", .type = kSNum, .bytes = 5},
                             {.level = 3, .name = "PRICE", .type = kSComp3, .bytes = 7},
                             {.level = 3, .name = "FLAG", .type = kBit, .bytes = 1},
                             {.level = 3, .name = "NOTE", .bytes = 3}});
    const std::string layoutPath = FromFsPath(dir / "grid.kvl");
    WriteFile(dir / "grid.kvl", FormatLayoutFile(layout));
    const int recordLength = (fields / 5) * (4 + 5 + 4 + 1 + 3);
    WriteFile(dir / "grid.dat", std::string(static_cast<std::size_t>(recordLength) * 2, '0'));
    const std::string group = FormatGroupText({GroupLine{layoutPath, FromFsPath(dir / "grid.dat"), 0, 0}});
    WriteFile(dir / "grid.LGP", group);

    Settings settings;
    SetDefaults(settings, FromFsPath(dir), 8);
    settings.Cmb_EditLine = 8;  // room for the layout's rows
    LayoutDocument doc;
    ScriptedMessages messages(Answer::No);
    NoDialogs dialogs;
    ui::TFm_RecEditor window(settings, doc, messages, dialogs);
    window.resize(1200, 800);
    window.show();
    QApplication::processEvents();

    QElapsedTimer t;
    t.start();
    window.TakeArgument(QString::fromStdString(FromFsPath(dir / "grid.LGP")));
    const double load = Ms(t);
    auto* grid = window.findChild<QTableView*>(QStringLiteral("Grid_Fields"));
    t.restart();
    grid->viewport()->repaint();
    const double firstPaint = Ms(t);

    QScrollBar* bar = grid->verticalScrollBar();
    std::vector<double> steps;
    for (int i = 0; i <= 40; ++i) {
        t.restart();
        bar->setValue(static_cast<int>(static_cast<long long>(bar->maximum()) * i / 40));
        grid->viewport()->repaint();
        steps.push_back(Ms(t));
    }
    for (int i = 0; i < 40; ++i) {  // line by line, as the wheel does
        t.restart();
        bar->setValue(bar->value() - 3);
        grid->viewport()->repaint();
        steps.push_back(Ms(t));
    }
    t.restart();
    window.findChild<QPushButton*>(QStringLiteral("Btn_Next"))->click();
    grid->viewport()->repaint();
    const double next = Ms(t);

    std::sort(steps.begin(), steps.end());
    double sum = 0;
    for (double s : steps) sum += s;
    std::printf("grid rows %d (fields %d, record length %d)\n", grid->model()->rowCount(), fields, recordLength);
    std::printf("show layout (layout read, field list, model, first record)  %8.1f ms\n", load);
    std::printf("first paint                                                 %8.1f ms\n", firstPaint);
    std::printf("scroll step + paint: median %.2f ms, worst %.2f ms over %zu steps\n", steps[steps.size() / 2],
                steps.back(), steps.size());
    std::printf("next record (decode every field) + paint                    %8.1f ms\n", next);
    std::filesystem::remove_all(dir);
    return 0;
}
