#pragma once

#include <string>

#include "model/layout_document.h"
#include "model/redefinition_view.h"
#include "model/type_notation.h"
#include "tools/layout_listing.h"

namespace rekkan {

/// The listing source of a redefinition view (also the one the layout editor shows): the
/// position column is each row's position in the ordinary layout (blank for the root), the
/// record length that of the gathered record.
[[nodiscard]] ListingSource ViewListingSource(const RedefinitionViewDocument& view, const TypeNotation& types);

/// A listing of the redefinition view of an ordinary layout, which is left unchanged.
class RedefinitionListing {
public:
    RedefinitionListing(const LayoutDocument& doc, int format, int tagLength, const TypeNotation& types);
    RedefinitionListing(const RedefinitionListing&) = delete;
    RedefinitionListing& operator=(const RedefinitionListing&) = delete;

    [[nodiscard]] const ListingSource& Source() const { return source_; }
    [[nodiscard]] const LayoutDocument& ViewDocument() const { return view_.doc; }
    /// The text or CSV listing as `options.csv` chooses (CP932, CR LF).
    [[nodiscard]] std::string Format(const ListingOptions& options) const;

private:
    RedefinitionViewDocument view_;
    ListingSource source_;
};

}  // namespace rekkan
