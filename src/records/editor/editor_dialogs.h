#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/editor/entered_text.h"

namespace rekkan {

/// What a file dialog of the record editor looks like. Filters are in the form
/// "(*.LGP)|*.LGP|(*.*)|*.*": pairs of caption and pattern separated by "|".
struct FileDialogSpec {
    std::string title;             ///< CP932
    std::string filter;            ///< CP932
    std::string defaultExtension;  ///< ".dat", ".LGP": added to a name without extension
    std::string initialPath;       ///< CP932: folder or file the dialog starts at (may be empty)
    bool mustExist = false;        ///< open dialogs: the file must exist
    friend bool operator==(const FileDialogSpec&, const FileDialogSpec&) = default;
};

/// The file dialogs the session opens while it runs a command. The window answers with real
/// dialogs, the tests with scripted paths. Save dialogs must not add an overwrite question of
/// their own: the session asks its own.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;
    /// One existing file; nothing when cancelled.
    [[nodiscard]] virtual std::optional<EnteredText> OpenFile(const FileDialogSpec& request) = 0;
    /// Several existing files in the order the dialog lists them; empty when cancelled.
    [[nodiscard]] virtual std::vector<EnteredText> OpenFiles(const FileDialogSpec& request) = 0;
    /// A file to write; nothing when cancelled.
    [[nodiscard]] virtual std::optional<EnteredText> SaveFile(const FileDialogSpec& request) = 0;
};

}  // namespace rekkan
