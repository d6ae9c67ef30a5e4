#include "records/record_view.h"

#include <algorithm>

#include "model/type_catalogue.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {
namespace {

std::string Grouped(std::int64_t value) { return GroupThousands(std::max<std::int64_t>(value, 0)); }

}  // namespace

RecordInfo RecordInfoOf(const std::string& comment, const std::string& editFilePath, const TFileInf& file) {
    RecordInfo info;
    info.comment = comment;
    info.editFilePath = editFilePath;
    info.basePosition = Grouped(file.BasePosition() + 1);
    info.fileSize = Grouped(file.FileSize());
    info.filePos = Grouped(file.CurrentOffset() + 1);
    info.recordLength = Grouped(file.RecordLength());
    info.recordCount = Grouped(file.RecordCount());
    if (file.RecordCount() > 0) info.recNo = Grouped(file.CurrentIndex() + 1);
    return info;
}

std::string GridTypeText(int type, const TypeNotation* notation) {
    if (notation) return " " + notation->DisplayLabel(type);
    std::string label = TypeInfoOf(type).standardLabel;
    if (!label.empty() && label[0] == '#') label.erase(0, 1);
    return " " + label;
}

RecordGridRow GridRowOf(int seq, const TRdbObj& entry, const std::string& content, bool error,
                        std::int64_t positionBase, const TypeNotation* notation) {
    RecordGridRow row;
    const std::int64_t position = entry.position + positionBase;
    row.cells[0] = std::to_string(seq);
    row.cells[1] = Grouped(position);
    row.cells[2] = Grouped(entry.length);
    row.cells[3] = GridTypeText(entry.type, notation);
    row.cells[4] = Blanks(entry.desc.level - 1) + " " + Trim(entry.DisplayName());
    row.cells[5] = error ? sj("×") : std::string();
    row.cells[6] = entry.hexDisplay ? "HEX" : "";
    row.cells[7] = content;
    row.TYP = entry.type;
    row.byteLength = entry.length;
    row.displayName = entry.DisplayName();
    return row;
}

RecordView BuildRecordView(const std::string& comment, const std::string& editFilePath, const TFileInf& file,
                           const std::vector<TRdbObj>& fields, const RecordTexts& texts, const TypeNotation* notation) {
    RecordView view;
    view.info = RecordInfoOf(comment, editFilePath, file);
    view.rows.reserve(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const bool error = i < texts.errors.size() && texts.errors[i];
        const std::string& content = i < texts.texts.size() ? texts.texts[i] : std::string();
        view.rows.push_back(GridRowOf(static_cast<int>(i + 1), fields[i], content, error,
                                      file.IsOpen() ? file.CurrentOffset() : 0, notation));
    }
    return view;
}

}  // namespace rekkan
