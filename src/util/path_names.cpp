#include "util/path_names.h"

#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

std::size_t FileNameStart(std::string_view path) { return SplitPath(path).folder.size(); }

std::string FileNameOf(std::string_view path) { return std::string(SplitPath(path).name); }

std::string FolderOf(std::string_view path) {
    const std::string_view folder = SplitPath(path).folder;
    return std::string(folder.substr(0, folder.empty() ? 0 : folder.size() - 1));
}

bool HasExtension(std::string_view path) { return !SplitPath(path).extension.empty(); }

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    const PathParts parts = SplitPath(path);
    return std::string(path.substr(0, path.size() - parts.extension.size())) + std::string(extension);
}

std::string AddDefaultExtension(std::string_view path, std::string_view extension) {
    return HasExtension(path) ? std::string(path) : std::string(path) + std::string(extension);
}

std::string DefaultOutputPath(std::string_view sourcePath, std::string_view programFolder, const OutputNaming& naming) {
    const std::string source = Trim(sourcePath);
    std::string path;
    if (!source.empty()) {
        path = ReplaceExtension(source, naming.extension);
    } else {
        path = programFolder;
        if (!path.empty() && path.back() != '/') path += '/';
        path += naming.fallbackName;
    }
    if (!naming.upperCaseName) return path;
    const std::size_t nameStart = FileNameStart(path);
    return path.substr(0, nameStart) + ToUpperAscii(std::string_view(path).substr(nameStart));
}

}  // namespace rekkan
