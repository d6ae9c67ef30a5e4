#include "util/file_util.h"

#include <fstream>
#include <system_error>

#include "util/encoding.h"

namespace rekkan {

std::filesystem::path ToFsPath(std::string_view cp932Path) { return std::filesystem::path(Cp932ToUtf8(cp932Path)); }

std::string FromFsPath(const std::filesystem::path& path) {
    std::string out;
    (void)Utf8ToCp932(path.string(), out);
    return out;
}

std::string AbsolutePathOf(std::string_view cp932Path) {
    if (cp932Path.empty()) return {};
    const std::filesystem::path path = ToFsPath(cp932Path);
    if (path.is_absolute()) return std::string(cp932Path);
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) return std::string(cp932Path);
    std::string out;
    if (!Utf8ToCp932(absolute.lexically_normal().string(), out)) return std::string(cp932Path);
    return out;
}

bool FileExists(std::string_view cp932Path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(ToFsPath(cp932Path), ec);
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    // A folder opens as a stream too, with a size that is no size at all.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0) return false;
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(bytes.data(), size)) return false;
    return true;
}

bool ReadWholeFile(std::string_view cp932Path, std::string& bytes) { return ReadWholeFile(ToFsPath(cp932Path), bytes); }

bool ReadFileStart(std::string_view cp932Path, std::size_t maxBytes, std::string& bytes) {
    const std::filesystem::path path = ToFsPath(cp932Path);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.resize(maxBytes);
    in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    if (in.bad()) return false;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return true;
}

}  // namespace rekkan
