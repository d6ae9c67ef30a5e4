#include "util/program_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "util/encoding.h"
#include "util/file_util.h"

namespace rekkan {
namespace {

bool IsWritableFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) return false;
    return ::access(folder.c_str(), W_OK) == 0;
}

std::filesystem::path UserFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return std::filesystem::path(xdg) / "rekkan";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".config" / "rekkan";
    return std::filesystem::temp_directory_path() / "rekkan";
}

}  // namespace

ProgramFolder ChooseProgramFolder(const std::filesystem::path& executableFolder,
                                  const std::filesystem::path& userFolder) {
    if (IsWritableFolder(executableFolder)) return {executableFolder, false, {}};
    std::error_code ec;
    std::filesystem::create_directories(userFolder, ec);
    ProgramFolder result{userFolder, true, {}};
    result.notice = sj("プログラムのフォルダに書き込めないため、設定ファイルと作業ファイルは次のフォルダに置きます。") +
                    "\r\n\r\n" + sj("     PATH = ") + FromFsPath(userFolder);
    return result;
}

ProgramFolder FindProgramFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::filesystem::path folder = ec ? std::filesystem::current_path(ec) : exe.parent_path();
    return ChooseProgramFolder(folder, UserFolder());
}

}  // namespace rekkan
