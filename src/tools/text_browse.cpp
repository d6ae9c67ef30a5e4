#include "tools/text_browse.h"

#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

std::string BrowseTextCaption(std::string_view caption) {
    std::string out = kBrowseCaption;
    out += ' ';
    out += caption;
    return out;
}

std::string BrowseFileCaption(std::string_view caption, std::string_view path) {
    std::string out = BrowseTextCaption(caption);
    out += " [ ";
    out += path;
    out += " ]";
    return out;
}

std::string NumberLines(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t start = 0;
    unsigned number = 0;
    char digits[5];
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        const std::size_t lineEnd = end == std::string_view::npos ? text.size() : end;
        if (number > 0) out += "\r\n";
        ++number;
        unsigned n = number;
        for (int i = 4; i >= 0; --i, n /= 10) digits[i] = static_cast<char>('0' + n % 10);
        out.append(digits, 5);
        out += ' ';
        out.append(text.substr(start, lineEnd - start));
        if (end == std::string_view::npos) break;
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return out;
}

std::string MissingFileMessage(std::string_view path) {
    std::string out = sj("ファイルがありません。");
    out += "\r\n\r\n     File = ";
    out += path;
    return out;
}

std::string UnregisteredMenuMessage(std::string_view menuName) {
    std::string out = sj("Browse サブメニューが登録されていません。");
    out += sj("\r\n\r\n  → ");
    out += menuName;
    return out;
}

std::string PageNotWrittenMessage(std::string_view path) {
    std::string out = sj("HTML ファイルを書き込めませんでした。");
    out += "\r\n\r\n     File = ";
    out += path;
    return out;
}

std::string DocumentListEntry(std::string_view itemCaption) {
    const std::size_t amp = itemCaption.find('&');
    return Trim(itemCaption.substr(0, amp));
}

int WidthCycle::Next(int textWidth, int listRight, int listWidth) {
    step_ = (step_ + 1) % 3;
    switch (step_) {
    case 1: return textWidth / 2 + listRight;
    case 2: return listWidth * kListWidthMultiple;
    default: return createdWidth_;
    }
}

}  // namespace rekkan
