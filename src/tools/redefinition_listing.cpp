#include "tools/redefinition_listing.h"

namespace rekkan {

ListingSource ViewListingSource(const LayoutDocument& viewDoc, const TypeNotation& types) {
    ListingSource source;
    source.doc = &viewDoc;
    source.types = &types;
    source.positions = ViewPositions(viewDoc.items);
    source.recordLength = viewDoc.displayedRecordLength;
    return source;
}

RedefinitionListing::RedefinitionListing(const LayoutDocument& doc, int format, int tagLength,
                                         const TypeNotation& types)
    : view_(MakeViewDocument(doc, format, tagLength)), source_(ViewListingSource(view_.doc, types)) {}

std::string RedefinitionListing::Format(const ListingOptions& options) const {
    return options.csv ? FormatCsvListing(source_, options) : FormatTextListing(source_, options);
}

}  // namespace rekkan
