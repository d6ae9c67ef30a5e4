#include "tools/redefinition_listing.h"

namespace rekkan {

ListingSource ViewListingSource(const RedefinitionViewDocument& view, const TypeNotation& types) {
    ListingSource source;
    source.doc = &view.doc;
    source.types = &types;
    source.positions = view.positions;
    source.recordLength = view.geometry.recordLength;
    return source;
}

RedefinitionListing::RedefinitionListing(const LayoutDocument& doc, int format, int tagLength,
                                         const TypeNotation& types)
    : view_(MakeViewDocument(doc, format, tagLength)), source_(ViewListingSource(view_, types)) {}

std::string RedefinitionListing::Format(const ListingOptions& options) const {
    return options.csv ? FormatCsvListing(source_, options) : FormatTextListing(source_, options);
}

}  // namespace rekkan
