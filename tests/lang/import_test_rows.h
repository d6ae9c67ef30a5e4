#pragma once
// Helpers of the language tests: compact row texts, extraction of a named structure and the
// golden files (REKKAN_UPDATE_GOLDEN=1 rewrites them from the results; read them before committing).

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "lang/c_import.h"
#include "model/geometry.h"
#include "model/type_catalogue.h"
#include "support/row_summary.h"
#include "support/test_support.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan::test {

/// Integer sizes of the Windows LLP64 model: int 4 (Cmb_Int 1), short 2, long 4.
inline constexpr IntSizes kLlp64{4, 2, 4};

inline CExtractOptions Options(bool arrayGroups, IntSizes sizes = {2, 2, 4}) {
    return {.arrayGroups = arrayGroups, .sizes = sizes};
}

inline int RecordLength(const LayoutDocument& doc) {
    const Geometry g = MeasureLayout(doc);
    EXPECT_TRUE(g.Ok());
    return g.recordLength;
}

/// Extracts structure `name` of a scanned source (the first structure when none has that name).
inline int ExtractNamed(const CImport& c, std::string_view name, const CExtractOptions& options, ImportSession& session,
                        LayoutDocument& doc) {
    int index = 0;
    for (std::size_t i = 0; i < c.Structures().size(); ++i)
        if (c.Structures()[i].name == name) index = static_cast<int>(i);
    return c.Extract(index, options, session, doc);
}

/// The structure list of a scanned source, one numbered line each (UTF-8).
inline std::string ListText(const CImport& c) {
    std::string out = "list:\n";
    for (std::size_t i = 0; i < c.Structures().size(); ++i)
        out += Cp932ToUtf8(StructureListLine(static_cast<int>(i) + 1, c.Structures()[i])) + "\n";
    return out;
}

/// Every structure with and without the array option: its rows, record length (with the
/// layout comment and prefix when `layoutDetails`) and key entries (UTF-8).
inline std::string StructuresText(const CImport& c, IntSizes sizes, bool layoutDetails) {
    std::string out;
    for (std::size_t i = 0; i < c.Structures().size(); ++i) {
        for (bool option : {false, true}) {
            LayoutDocument doc;
            ImportSession session;
            c.Extract(static_cast<int>(i), Options(option, sizes), session, doc);
            out += "\n== " + c.Structures()[i].name + (option ? ", array groups" : "") + " ==\n";
            for (const TRspec& r : doc.items) {
                const std::string label = Trim(TypeInfoOf(r.TYP).standardLabel).substr(1);
                out += PadRight(' ', label, 9) + PadLeft(' ', std::to_string(r.RPT), 4) +
                       PadLeft(' ', std::to_string(r.BYT), 4) + "  " + std::string(2 * (r.LVL - 1), ' ') +
                       Cp932ToUtf8(r.KOM) + " (" + Cp932ToUtf8(r.VNM) + ")" +
                       (r.RED.empty() ? "" : " redefines " + Cp932ToUtf8(r.RED)) + "\n";
            }
            out += "record length " + std::to_string(RecordLength(doc));
            if (layoutDetails) out += ", layout " + Cp932ToUtf8(doc.RdfCmt) + ", prefix " + doc.PreFix;
            out += "\n";
            for (const std::string& k : session.keyEntries) out += "key " + Cp932ToUtf8(k) + "\n";
        }
    }
    return out;
}

/// Checks each `extension` source of `dir` against its ".golden" file; returns the number of sources.
inline int ExpectGoldenSources(const std::filesystem::path& dir, const std::string& extension,
                               const std::function<std::string(const std::string&)>& text) {
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        if (e.path().extension() != extension) continue;
        ++files;
        std::filesystem::path golden = e.path();
        golden.replace_extension(".golden");
        ExpectGolden(golden, text(ReadBytes(e.path())));
    }
    return files;
}

}  // namespace rekkan::test
