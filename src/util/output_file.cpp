#include "util/output_file.h"

#include <cerrno>
#include <system_error>

#include "util/encoding.h"
#include "util/file_util.h"

namespace rekkan {

std::string OutputWriteFailedMessage(std::string_view cp932Path, ReplacingFile::Step step, int error) {
    const char* what = "";
    switch (step) {
    case ReplacingFile::Step::None:
    case ReplacingFile::Step::Create: what = "作成"; break;
    case ReplacingFile::Step::Write: what = "書き込み"; break;
    case ReplacingFile::Step::Sync:
    case ReplacingFile::Step::Close: what = "保存"; break;
    case ReplacingFile::Step::Rename: what = "置き換え"; break;
    }
    std::string text = sj("ファイルに出力できませんでした。") + "\r\n\r\n     PATH = " + std::string(cp932Path) +
                       "\r\n\r\n" + sj("     理由 = ファイルの") + sj(what) + sj("に失敗しました。");
    if (error != 0) text += " (" + std::generic_category().message(error) + ")";
    return text;
}

std::string OutputDoneCaption() { return sj("★出力しました。 "); }

bool WriteOutputFile(const std::string& cp932Path, std::string_view bytes, MessageSink& messages) {
    std::string failure;
    if (WriteOutputFile(cp932Path, bytes, failure)) return true;
    messages.Inform(failure, DefaultCaption(), MessageIcon::Error);
    return false;
}

bool WriteOutputFile(const std::string& cp932Path, std::string_view bytes, std::string& failure) {
    ReplacingFile out;
    int error = 0;
    bool ok = out.Open(ToFsPath(cp932Path));
    if (!ok) error = errno;
    if (ok && !out.Write(bytes)) {
        error = errno;
        ok = false;
    }
    if (ok && !out.Commit()) {
        error = errno;
        ok = false;
    }
    if (ok) return true;
    const ReplacingFile::Step step = out.FailedStep();
    out.Discard();
    failure = OutputWriteFailedMessage(cp932Path, step, error);
    return false;
}

}  // namespace rekkan
