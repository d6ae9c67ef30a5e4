#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rekkan {

/// What a help menu item shows.
enum class HelpAction {
    About,         ///< the about text
    Document,      ///< a document file in the program's folder
    StructImport,  ///< the generated text on structure import
    TypeNotation,  ///< the generated text on the type notation definitions
    CarryOver,     ///< the generated text on carrying definitions over to a new version
    HomePage,      ///< the home page in the web browser
};

/// One item of the Help menu.
struct HelpItem {
    std::string caption;  ///< CP932, as the menu shows it
    HelpAction action;
    std::string document;  ///< file name for HelpAction::Document, else empty
};

/// The Help menu's items in menu order (items 1 to 11 and 13; the menu has no item 12).
[[nodiscard]] const std::vector<HelpItem>& HelpItems();
/// Caption of the Help menu: "Help(&H)".
inline constexpr const char* kHelpMenuCaption = "Help(&H)";
/// The home page opened by the last item.
inline constexpr const char* kHomePageAddress = "https://rekkan.example.org/";

/// The about text: a frame of "□" naming the program and its version, CR LF line ends.
[[nodiscard]] std::string AboutText();
/// The generated text on structure import; its first line is "1. 構造体の取り込みについて".
[[nodiscard]] std::string StructImportText();
/// The generated text on the type notation definitions, naming the file `typeFileName`.
[[nodiscard]] std::string TypeNotationText(std::string_view typeFileName);
/// The generated text on carrying the settings file and the type notation file (full paths,
/// CP932) over to a new version.
[[nodiscard]] std::string CarryOverText(std::string_view settingsPath, std::string_view typePath);
/// The message when the web browser could not be started: "ブラウザの起動を失敗しました。".
[[nodiscard]] std::string BrowserFailedMessage();

}  // namespace rekkan
