#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rekkan {

/// Paper sizes the print preview offers.
enum class PaperSize { A3, A4, A5, B4, B5 };

/// The print preview's settings, kept for the next print. The text viewer has a set of its own
/// (keys "GPB_..."); every other print shares one (keys "GP_...").
struct PrintSettings {
    PaperSize paper = PaperSize::A4;
    bool landscape = false;
    int marginLeft = 15, marginTop = 15, marginRight = 15, marginBottom = 15;  ///< millimetres
    int scale = 100;  ///< percent of the screen size, 10 to 400
    friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

/// Key prefix of the shared print settings.
inline constexpr std::string_view kSharedPrintPrefix = "GP_";
/// Key prefix of the text viewer's print settings.
inline constexpr std::string_view kViewerPrintPrefix = "GPB_";

/// The settings stored under `prefix` in the settings file's print preview lines ("GP_Paper=1");
/// keys compare without letter case, a missing or unreadable value keeps the default.
[[nodiscard]] PrintSettings ReadPrintSettings(const std::vector<std::string>& lines, std::string_view prefix);
/// Replaces the lines of `prefix`'s keys in `lines` by the values of `settings`; lines of other
/// prefixes and unknown keys of this prefix are kept.
void StorePrintSettings(std::vector<std::string>& lines, std::string_view prefix, const PrintSettings& settings);

}  // namespace rekkan
