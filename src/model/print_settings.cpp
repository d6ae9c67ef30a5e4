#include "model/print_settings.h"

#include <algorithm>

#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {
namespace {

struct Key {
    const char* name;
    int PrintSettings::*member;  // null for the paper and the orientation
    int low, high;
};

// The order in which the keys are written.
constexpr const char* kPaper = "PaperSize";
constexpr const char* kOrient = "Prt_Orient";
constexpr Key kIntKeys[] = {
    {"MarginLeft", &PrintSettings::marginLeft, 0, 100},   {"MarginTop", &PrintSettings::marginTop, 0, 100},
    {"MarginRight", &PrintSettings::marginRight, 0, 100}, {"MarginBottom", &PrintSettings::marginBottom, 0, 100},
    {"CellScale", &PrintSettings::scale, 10, 400},
};

/// The key of `line` after `prefix`, or empty when the line has another prefix.
std::string KeyOf(std::string_view line, std::string_view prefix, std::string& value) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return {};
    const std::string key = Trim(line.substr(0, eq));
    if (key.size() <= prefix.size() || !EqualsNoCase(std::string_view(key).substr(0, prefix.size()), prefix)) return {};
    value = Trim(line.substr(eq + 1));
    return key.substr(prefix.size());
}

bool IsOwnKey(std::string_view key) {
    if (EqualsNoCase(key, kPaper) || EqualsNoCase(key, kOrient)) return true;
    return std::any_of(std::begin(kIntKeys), std::end(kIntKeys),
                       [&](const Key& k) { return EqualsNoCase(key, k.name); });
}

}  // namespace

PrintSettings ReadPrintSettings(const std::vector<std::string>& lines, std::string_view prefix) {
    PrintSettings s;
    for (const std::string& line : lines) {
        std::string text;
        const std::string key = KeyOf(line, prefix, text);
        int v = 0;
        if (key.empty() || !ParseInt(text, v)) continue;
        if (EqualsNoCase(key, kPaper)) {
            if (v >= 0 && v <= static_cast<int>(PaperSize::B5)) s.paper = static_cast<PaperSize>(v);
        } else if (EqualsNoCase(key, kOrient)) {
            if (v == 0 || v == 1) s.landscape = v == 1;
        } else {
            for (const Key& k : kIntKeys)
                if (EqualsNoCase(key, k.name) && v >= k.low && v <= k.high) s.*k.member = v;
        }
    }
    return s;
}

void StorePrintSettings(std::vector<std::string>& lines, std::string_view prefix, const PrintSettings& settings) {
    std::erase_if(lines, [&](const std::string& line) {
        std::string value;
        const std::string key = KeyOf(line, prefix, value);
        return !key.empty() && IsOwnKey(key);
    });
    const std::string p(prefix);
    lines.push_back(p + kPaper + "=" + std::to_string(static_cast<int>(settings.paper)));
    lines.push_back(p + kOrient + "=" + (settings.landscape ? "1" : "0"));
    for (const Key& k : kIntKeys) lines.push_back(p + k.name + "=" + std::to_string(settings.*k.member));
}

}  // namespace rekkan
