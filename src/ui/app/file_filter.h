#pragma once

#include <QString>

#include <string_view>

namespace rekkan::ui {

/// A dialog filter written as pairs "caption|patterns|caption|patterns" (CP932, e.g.
/// "(*.csv)|*.csv|(*.*)|*.*") in Qt's form "(*.csv) (*.csv);;(*.*) (*)": patterns separated by
/// ";" become blank-separated and "*.*" becomes "*" (every file, with or without a dot).
[[nodiscard]] QString QtFilter(std::string_view cp932Filter);

/// The filter of a file chosen by extension: "(*" + ext + ")|*" + ext + "|(*.*)|*.*".
[[nodiscard]] QString ExtensionFilter(std::string_view cp932Extension);

}  // namespace rekkan::ui
