#include "records/ordered_chunks.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace rekkan {
namespace {

/// A chunk's place in the ring of waiting outputs.
struct Slot {
    OutputBuffer out;
    bool ready = false;  ///< formatted, not yet written
    bool last = false;   ///< the formatter ended the run with it
};

}  // namespace

std::int64_t RunOrderedChunks(std::int64_t count, int workers, const ChunkFormatter& format, const ChunkWriter& write) {
    std::int64_t written = 0;
    if (workers <= 1) {
        OutputBuffer out;
        for (std::int64_t c = 0; c < count; ++c) {
            out.used = 0;
            out.lines = 0;
            const bool more = format(0, c, out);
            if (!write(out)) break;
            ++written;
            if (!more) break;
        }
        return written;
    }

    const std::int64_t window = 2 * static_cast<std::int64_t>(workers);
    std::vector<Slot> slots(static_cast<std::size_t>(window));
    std::mutex mutex;
    std::condition_variable changed;
    std::int64_t nextClaim = 0;
    std::int64_t limit = count;  // no chunk at or after it is formatted
    bool stop = false;

    auto work = [&](int worker) {
        for (;;) {
            std::int64_t chunk = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stop || nextClaim >= limit || nextClaim < written + window; });
                if (stop || nextClaim >= limit) return;
                chunk = nextClaim++;
            }
            Slot& slot = slots[static_cast<std::size_t>(chunk % window)];
            slot.out.used = 0;
            slot.out.lines = 0;
            const bool more = format(worker, chunk, slot.out);
            {
                std::lock_guard lock(mutex);
                slot.ready = true;
                slot.last = !more;
                if (!more && chunk + 1 < limit) limit = chunk + 1;
            }
            changed.notify_all();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(workers));
    for (int w = 0; w < workers; ++w) {
        try {
            threads.emplace_back(work, w);
        } catch (const std::system_error&) {
            break;  // the system gives no more threads: those started claim every chunk
        }
    }
    if (threads.empty()) return RunOrderedChunks(count, 1, format, write);

    for (std::int64_t c = 0; c < count; ++c) {
        Slot& slot = slots[static_cast<std::size_t>(c % window)];
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return slot.ready; });
        }
        const bool ok = write(slot.out);
        const bool last = slot.last;
        {
            std::lock_guard lock(mutex);
            slot.ready = false;
            if (ok) ++written;
            if (!ok || last) stop = true;
        }
        changed.notify_all();
        if (!ok || last) break;
    }
    {
        std::lock_guard lock(mutex);
        stop = true;
    }
    changed.notify_all();
    for (std::thread& t : threads) t.join();
    return written;
}

}  // namespace rekkan
