#include "records/browse/hit_store.h"

#include <algorithm>
#include <limits>

namespace rekkan {

std::optional<HitCell> HitStore::Next(std::int64_t hit, std::int64_t item, const HitMarksOf& marks) const {
    if (hit < 0) {
        hit = 0;
        item = -1;
    }
    for (std::int64_t h = hit; h < Size(); ++h) {
        const std::vector<bool> flags = marks(h);
        for (std::int64_t i = h == hit ? std::max<std::int64_t>(item + 1, 0) : 0;
             i < static_cast<std::int64_t>(flags.size()); ++i)
            if (flags[static_cast<std::size_t>(i)]) return HitCell{h, i};
    }
    return std::nullopt;
}

std::optional<HitCell> HitStore::Prior(std::int64_t hit, std::int64_t item, const HitMarksOf& marks) const {
    if (Size() == 0 || hit < 0) return std::nullopt;
    if (hit >= Size()) {
        hit = Size() - 1;
        item = std::numeric_limits<std::int64_t>::max();
    }
    for (std::int64_t h = hit; h >= 0; --h) {
        const std::vector<bool> flags = marks(h);
        const auto count = static_cast<std::int64_t>(flags.size());
        for (std::int64_t i = h == hit ? std::min(item, count) - 1 : count - 1; i >= 0; --i)
            if (flags[static_cast<std::size_t>(i)]) return HitCell{h, i};
    }
    return std::nullopt;
}

HitMarker::HitMarker(TFileInf& file, const std::vector<TRdbObj>& fields, const CodecOptions& codec,
                     const std::vector<std::string>& words, bool orMode)
    : file_(file), plan_(fields, codec, file.RecordLength()), words_(words), orMode_(orMode), texts_(fields.size()) {}

std::vector<bool> HitMarker::Marks(std::int64_t index) {
    if (index < 0 || !file_.ReadRecord(index, Refresh::None)) return std::vector<bool>(texts_.size(), false);
    const std::string_view record = file_.RecordBuffer();
    for (std::size_t f = 0; f < texts_.size(); ++f) {
        texts_[f].clear();
        (void)plan_.AppendText(f, record, texts_[f]);
    }
    return MatchRecord(texts_, words_, orMode_).itemFlags;
}

}  // namespace rekkan
