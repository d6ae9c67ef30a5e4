#include "model/type_notation.h"

#include "util/file_util.h"
#include "util/replacing_file.h"
#include "util/text.h"

namespace rekkan {

void TypeNotation::ResetToStandard() {
    for (int c = 0; c < kTypeCount; ++c) {
        label_[c] = TypeInfoOf(c).standardLabel;
        notation_[c] = TypeInfoOf(c).defaultNotation;
    }
}

void TypeNotation::Parse(std::string_view text) {
    for (const std::string& line : SplitLines(text)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::string key = Trim(std::string_view(line).substr(0, colon));
        const std::string rest = Trim(std::string_view(line).substr(colon + 1));
        int code = -1;
        for (int c = 0; c < kTypeCount && code < 0; ++c)
            if (key == TypeInfoOf(c).standardLabel) code = c;
        if (code < 0) continue;
        std::string label;
        std::string notation;
        if (const std::size_t lt = rest.find('<'); lt != std::string::npos) {
            label = Trim(std::string_view(rest).substr(0, lt));
            const std::size_t gt = rest.find('>', lt + 1);
            if (gt != std::string::npos) notation = Trim(std::string_view(rest).substr(lt + 1, gt - lt - 1));
        }
        label_[code] = label.empty() ? TypeInfoOf(code).standardLabel : label;
        notation_[code] = notation.empty() ? TypeInfoOf(code).defaultNotation : notation;
    }
}

void TypeNotation::Read(const std::string& cp932Path) {
    std::string bytes;
    if (ReadWholeFile(cp932Path, bytes)) Parse(bytes);
}

std::string TypeNotation::Format() const {
    std::string out;
    for (int c = 0; c < kTypeCount; ++c)
        WriteLine(out, TypeInfoOf(c).standardLabel + " : " + label_[c] + "  <" + notation_[c] + ">");
    return out;
}

bool TypeNotation::Write(const std::string& cp932Path) const { return WriteFileReplacing(cp932Path, Format()); }

std::string TypeNotation::DisplayLabel(int code) const {
    const std::string& l = Label(code);
    return (!l.empty() && l[0] == '#') ? l.substr(1) : l;
}

int TypeNotation::WidestDisplayLabel() const {
    std::size_t widest = 0;
    for (int c = 0; c < kTypeCount; ++c) widest = std::max(widest, Trim(DisplayLabel(c)).size());
    return static_cast<int>(widest);
}

}  // namespace rekkan
