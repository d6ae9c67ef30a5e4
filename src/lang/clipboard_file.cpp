#include "lang/clipboard_file.h"

#include "util/encoding.h"
#include "util/file_util.h"
#include "util/replacing_file.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

bool WriteClipboardFile(const std::string& cp932Path, std::string_view text, bool append) {
    std::string body;
    const std::string all = std::string(text) + "\r\n";
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t lf = all.find('\n', start);
        if (lf == std::string::npos) lf = all.size();
        WriteLine(body, RemoveAll(std::string_view(all).substr(start, lf - start), "\r"));
        start = lf + 1;
    }
    if (!append || !FileExists(cp932Path)) return WriteFileReplacing(std::string_view(cp932Path), body);
    std::string old;
    if (!ReadWholeFile(std::string_view(cp932Path), old)) return false;
    return WriteFileReplacing(std::string_view(cp932Path), old + body);
}

std::string ClipboardQuestion(const std::string& cp932Path, bool append, std::string_view text) {
    return sj("クリップボードの内容を下記のファイルに出力します。") + "\r\n\r\n" + "PATH = " + cp932Path + "\r\n\r\n" +
           sj("出力モード = ") + (append ? sj("追加") : sj("新規")) + "\r\n\r\n" +
           sj("クリップボードの先頭５０Byteの内容") + "\r\n\r\n" + ">  " +
           std::string(text.substr(0, CharSafeLength(text, 50)));
}

}  // namespace rekkan
