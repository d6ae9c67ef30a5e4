#include "records/browse/search_runner.h"

namespace rekkan {

SearchRunner::~SearchRunner() { Stop(); }

bool SearchRunner::Start(const SearchRequest& request, Notify notify) {
    if (running_.load()) return false;
    Join();
    {
        const std::lock_guard lock(mutex_);
        hits_.Clear();
        progress_ = {};
        outcome_.reset();
    }
    stop_ = false;
    running_ = true;
    SearchRequest ownRequest = request;
    ownRequest.wantTexts = false;  // a hit keeps its record index only
    worker_ = std::thread([this, ownRequest = std::move(ownRequest), notify = std::move(notify)] {
        // Hits are handed over at each 500-record mark, so the lock is taken once per mark.
        std::vector<std::int64_t> found;
        const SearchOutcome outcome = SearchFile(
            ownRequest,
            [&](const SearchProgress& progress) {
                {
                    const std::lock_guard lock(mutex_);
                    hits_.Add(found);
                    progress_ = progress;
                }
                found.clear();
                if (notify) notify();
                return !stop_.load(std::memory_order_relaxed);
            },
            [&](SearchHit&& hit) { found.push_back(hit.index); }, nullptr);
        {
            const std::lock_guard lock(mutex_);
            hits_.Add(found);
            outcome_ = outcome;
            progress_.recordCount = outcome.recordCount;
            progress_.hits = outcome.hits;
        }
        running_ = false;
        if (notify) notify();
    });
    return true;
}

void SearchRunner::Stop() {
    stop_ = true;
    Join();
}

void SearchRunner::Reset() {
    Stop();
    const std::lock_guard lock(mutex_);
    hits_.Clear();
    progress_ = {};
    outcome_.reset();
}

void SearchRunner::Join() {
    if (worker_.joinable()) worker_.join();
}

SearchProgress SearchRunner::Progress() const {
    const std::lock_guard lock(mutex_);
    return progress_;
}

std::optional<SearchOutcome> SearchRunner::Outcome() const {
    const std::lock_guard lock(mutex_);
    return outcome_;
}

void SearchRunner::WithHits(const std::function<void(const HitStore&)>& look) const {
    const std::lock_guard lock(mutex_);
    look(hits_);
}

}  // namespace rekkan
