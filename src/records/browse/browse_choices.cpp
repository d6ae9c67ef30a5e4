#include "records/browse/browse_choices.h"

#include "records/browse/browse_geometry.h"

namespace rekkan {
namespace {

int InBox(int index, int count, int fallback) { return index >= 0 && index < count ? index : fallback; }

}  // namespace

BrowseChoices BrowseChoices::FromSettings(const Settings& s) {
    BrowseChoices c;
    c.scroll = s.Cmb_Scroll == 1 ? ScrollMode::OnRelease : ScrollMode::Follow;
    c.fixedWidth = InBox(s.Cmb_BrowseFixedKeta, kFixedWidthChoices, 16);
    c.maxWidth = InBox(s.RT_LimColLen, kMaxWidthChoices, kDefaultMaxWidthIndex);
    c.fold = InBox(s.RT_Fold, kFoldChoices, 0);
    c.positionHidden = s.RT_FmtChg == 1;
    c.maximised = s.RT_WinSta == 1;
    return c;
}

void BrowseChoices::StoreTo(Settings& s) const {
    s.Cmb_Scroll = scroll == ScrollMode::OnRelease ? 1 : 0;
    s.Cmb_BrowseFixedKeta = fixedWidth;
    s.RT_LimColLen = maxWidth;
    s.RT_Fold = fold;
    s.RT_FmtChg = positionHidden ? 1 : 0;
    s.RT_WinSta = maximised ? 1 : 0;
}

bool RefillsOn(ScrollMode mode, bool actionEnded) { return mode == ScrollMode::Follow || actionEnded; }

}  // namespace rekkan
