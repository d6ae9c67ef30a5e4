#include "tools/help_html.h"

#include "util/encoding.h"
#include "util/path_names.h"
#include "util/text.h"

namespace rekkan {

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    // CP932 trail bytes are 0x40 and above, so these three bytes are always characters of
    // their own.
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string HelpHtmlPage(std::string_view title, int currentEntry, const std::vector<HelpPageDocument>& documents) {
    const std::string safeTitle = EscapeHtml(title);
    std::string out;
    WriteLine(out, "<HTML></HEAD><TITLE>" + safeTitle + "</TITLE></HEAD>");
    WriteLine(out, "<META http-equiv=Content-Type content=text/html; charset=Shift_JIS>");
    WriteLine(out, "<STYLE TYPE=\"text/css\">");
    WriteLine(out, "<!--");
    WriteLine(out, sj("  .Title       { font-family: \"ＭＳ Ｐゴシック\"; font-size: 10.5pt; color: white; "
                      "background-color: gray; text-align: left; vertical-align: top; "
                      "border: 2px outset white }"));
    WriteLine(out, sj("  .TitleCenter { font-family: \"ＭＳ Ｐゴシック\"; font-size: 10.5pt; color: white; "
                      "background-color: gray; text-align: center; vertical-align: top; "
                      "border: 2px outset white }"));
    WriteLine(out, "  .Cells       { background-color: #5F5F5F; border: 2px inset silver }");
    WriteLine(out, "  .BottomBar   { font-size: 0pt; height: 0px; border: 0px }");
    WriteLine(out, "-->");
    WriteLine(out, "</STYLE>");
    WriteLine(out, "<SCRIPT LANGUAGE=\"JavaScript\">");
    WriteLine(out, "<!--");
    WriteLine(out, "  function LinkJump(Tag) {location.href = Tag}");
    WriteLine(out, "//-->");
    WriteLine(out, "</SCRIPT>");
    WriteLine(out, "<BODY OnLoad=\"LinkJump('#Page_" + std::to_string(currentEntry) +
                       "')\" BGCOLOR=#5F5F5F Text=Black Link=White VLink=White ALink=LightSkyBlue>");
    WriteLine(out, "<TABLE border=1 CELLSPACING=0 CELLPADDING=8>");
    WriteLine(out,
              "<TR><TD CLASS=Title><A NAME=\"Page_0\"></A>"
              "<SPAN STYLE=\"font-size: 18pt; font-weight: bold; font-style: oblique; color: white\">" +
                  safeTitle + "</SPAN><BR><BR>");
    for (std::size_t i = 0; i < documents.size(); ++i)
        WriteLine(out,
                  "<A href=\"#Page_" + std::to_string(i + 1) + "\">" + EscapeHtml(documents[i].caption) + "</A><BR>");
    WriteLine(out, "</TD></TR>");
    for (std::size_t i = 0; i < documents.size(); ++i) {
        WriteLine(out, "<TR><TD CLASS=Title><A NAME=\"Page_" + std::to_string(i + 1) + "\"></A>" +
                           EscapeHtml(documents[i].caption) + sj("　　<A href=\"#Page_0\">戻る</A></TD></TR>"));
        WriteLine(out, "<TR><TD CLASS=Cells><Pre>" + EscapeHtml(documents[i].text) + "</Pre></TD></TR>");
    }
    WriteLine(out, "</TABLE>");
    WriteLine(out, "</BODY>");
    WriteLine(out, "</HTML>");
    return out;
}

std::string HelpHtmlPath(std::string_view programPath) {
    const std::size_t nameStart = FileNameStart(programPath);
    const std::string_view name = programPath.substr(nameStart);
    const std::size_t dot = name.rfind('.');
    std::string out(programPath.substr(0, dot == std::string_view::npos ? programPath.size() : nameStart + dot));
    out += "_Help.Html";
    return out;
}

}  // namespace rekkan
