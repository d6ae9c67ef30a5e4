#pragma once

#include <string>
#include <string_view>

namespace rekkan {

/// Path helpers on CP932 paths: the file name starts after the last "/" or "\" that is a
/// character of its own, the extension is the file name's part from its last '.'.

/// Byte position where the file name of `path` starts.
[[nodiscard]] std::size_t FileNameStart(std::string_view path);
/// The file name of `path` ("表.kvl" of "/data/表.kvl").
[[nodiscard]] std::string FileNameOf(std::string_view path);
/// The folder of `path` without its last separator ("/data" of "/data/表.kvl"; "" for a name alone).
[[nodiscard]] std::string FolderOf(std::string_view path);
/// True when the file name of `path` has an extension.
[[nodiscard]] bool HasExtension(std::string_view path);
/// `path` with the extension of its file name replaced by `extension` (added when it has none).
[[nodiscard]] std::string ReplaceExtension(std::string_view path, std::string_view extension);
/// `path` with `extension` added when its file name has none; unchanged otherwise.
[[nodiscard]] std::string AddDefaultExtension(std::string_view path, std::string_view extension);

/// How an output's default file is named.
struct OutputNaming {
    std::string_view extension;     ///< replaces the source file's extension (".csv")
    std::string_view fallbackName;  ///< the file in the program folder when there is no source file
    bool upperCaseName = false;     ///< the file name (never the folder) in upper case
};

/// The proposed file of an output: `sourcePath` (trimmed) with its extension replaced, or,
/// when it is empty, the fallback name in `programFolder`. Only the file name is ever
/// upper-cased: a folder's letter case matters on this file system.
[[nodiscard]] std::string DefaultOutputPath(std::string_view sourcePath, std::string_view programFolder,
                                            const OutputNaming& naming);

}  // namespace rekkan
