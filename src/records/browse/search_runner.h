#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "records/browse/hit_store.h"
#include "records/record_search.h"

namespace rekkan {

/// The search window's search, run on a worker thread so the window stays live: the records
/// are matched through the search plan (as rekkan-cli search), each hit kept in a HitStore as
/// its record index, progress and the new hits published every 500 records. Stop() sets a flag the
/// worker reads every 500 records and waits for it, so a search can be stopped at any moment
/// and nothing runs once Stop() returns. All members are called from one (the window's) thread.
class SearchRunner {
public:
    /// Called on the worker thread after every 500 records and once at the end; a window posts
    /// itself an event there and reads Progress() and the hits on its own thread.
    using Notify = std::function<void()>;

    SearchRunner() = default;
    SearchRunner(const SearchRunner&) = delete;
    SearchRunner& operator=(const SearchRunner&) = delete;
    ~SearchRunner();

    /// Starts a search of `request` (its field list must outlive the search) after clearing the
    /// hits; false while a search runs. A file that cannot be opened ends the search at once with
    /// the outcome's `opened` false; the window shows DataFileOpenFailedMessage().
    [[nodiscard]] bool Start(const SearchRequest& request, Notify notify = {});
    /// Asks the search to stop at its next 500-record mark without waiting (any thread, the
    /// notify callback included).
    void RequestStop() { stop_ = true; }
    /// Asks the search to stop and waits until the worker has ended; the hits so far stay.
    void Stop();
    /// Waits until the search has ended by itself.
    void Wait() { Join(); }
    /// Stops any search and forgets the hits (a switch of layout or data file).
    void Reset();

    /// True from Start() until the worker has ended.
    [[nodiscard]] bool Running() const { return running_.load(); }
    /// Where the search last stood.
    [[nodiscard]] SearchProgress Progress() const;
    /// The outcome once the search has ended (after Stop() or the end of the file).
    [[nodiscard]] std::optional<SearchOutcome> Outcome() const;
    /// Calls `look` with the hits found so far, the worker held off while it looks.
    void WithHits(const std::function<void(const HitStore&)>& look) const;

private:
    void Join();

    std::thread worker_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    mutable std::mutex mutex_;  ///< guards the members below
    HitStore hits_;
    SearchProgress progress_;
    std::optional<SearchOutcome> outcome_;
};

}  // namespace rekkan
