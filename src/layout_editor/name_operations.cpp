// Prefix join and cut, and the exchange of item names and variable names.
#include "layout_editor/layout_editor_model.h"
#include "util/encoding.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

namespace {

bool BeginsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

bool LayoutEditorModel::RewriteVarNames(bool join) {
    if (!Ordinary()) return false;
    const std::string prefix = Trim(doc_.PreFix);
    const std::string question = (join ? sj("Prefix と変数名(Variable.Name)を結合します。  ")
                                       : sj("Prefix を変数名(Variable.Name)から削除します。")) +
                                 "\r\n" + "\r\n" + sj("よろしいですか？") + "\r\n" + "\r\n" + "Prefix = " + prefix;
    if (observer_) observer_->Refresh();
    if (messages_.AskYesNo(question, DefaultCaption()) != Answer::Yes) return false;
    if (!prefix.empty()) {
        for (TRspec& row : doc_.items) {
            const std::string vnm = Trim(row.VNM);
            if (join) {
                if (EqualsNoCase(vnm, "FILLER") || BeginsWithNoCase(vnm, prefix)) continue;
                row.VNM = prefix + vnm;
            } else if (BeginsWithNoCase(vnm, prefix)) {
                row.VNM = vnm.substr(prefix.size());
            }
        }
    }
    doc_.modified = true;
    Changed();
    return true;
}

bool LayoutEditorModel::JoinPrefix() { return RewriteVarNames(true); }

bool LayoutEditorModel::CutPrefix() { return RewriteVarNames(false); }

bool LayoutEditorModel::ExchangeNames() {
    if (!Ordinary()) return false;
    if (observer_) observer_->Refresh();
    const std::string question =
        sj("項目名と変数名(Variable.Name)を入れ替えます。 ") + "\r\n" + "\r\n" + sj("よろしいですか？");
    if (messages_.AskYesNo(question, DefaultCaption()) != Answer::Yes) return false;
    for (TRspec& row : doc_.items) std::swap(row.KOM, row.VNM);
    doc_.modified = true;
    Changed();
    return true;
}

}  // namespace rekkan
